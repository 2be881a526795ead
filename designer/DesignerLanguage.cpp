#include "designer/DesignerLanguage.h"

#include <QDir>
#include <QTranslator>

namespace tabrix {

QString loadDesignerLanguage(QTranslator& translator, const QLocale& locale, const QString& directory) {
    const QLocale::Language language = locale.language();
    for (const QLocale::LanguageCodeTypes type : {QLocale::ISO639Part2T, QLocale::ISO639Part1}) {
        const QString code = QLocale::languageToCode(language, type).toUpper();
        if (code.isEmpty())
            continue;
        const QString file =
            QDir(directory).filePath(QStringLiteral("TabrixAP") + code + QStringLiteral(".qm"));
        if (QFile::exists(file) && translator.load(file))
            return file;
    }
    return {};
}

} // namespace tabrix
