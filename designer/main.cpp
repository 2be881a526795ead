#include "designer/TabrixWindow.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationName(QStringLiteral("Tabrix"));
    QSettings settings;
    tabrix::TabrixWindow window(settings);
    // "/dde" asked the shell's open request on another platform; a path opens that file.
    QStringList paths = QApplication::arguments().mid(1);
    paths.removeAll(QStringLiteral("/dde"));
    if (paths.isEmpty())
        window.newDocument();
    for (const QString& path : paths)
        window.openDocument(path);
    window.showAsLastTime();
    return QApplication::exec();
}
