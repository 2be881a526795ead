#include "designer/DesignerLanguage.h"
#include "designer/TabrixWindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationName(QStringLiteral("Tabrix"));
    QTranslator texts;
    if (!tabrix::loadDesignerLanguage(texts, QLocale::system(), QApplication::applicationDirPath()).isEmpty())
        QApplication::installTranslator(&texts);
    QTranslator qtTexts; // Qt's own dialogs in the same language
    if (qtTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
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
