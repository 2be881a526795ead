// Profile files: any content reads, and a value written into it reads back.
#include "app/IniFile.h"

#include <cstdlib>
#include <QDir>
#include <QFile>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QString path = QDir::tempPath() + QStringLiteral("/velmora-fuzz-%1.ini").arg(getpid());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    const velmora::IniFile profile(path);
    profile.read(QStringLiteral("Explorer"), QStringLiteral("Breite"));
    profile.section(QStringLiteral("MRUList"));
    if (profile.write(QStringLiteral("Fenster"), QStringLiteral("Zustand"), QStringLiteral("0")) &&
        profile.read(QStringLiteral("Fenster"), QStringLiteral("Zustand")) != u"0")
        std::abort();
    return 0;
}
