#include "designer/DesignerLanguage.h"
#include "designer/ShellRegistration.h"
#include "designer/TabrixWindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QStandardPaths>
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
    // Every start, so that ".vts" files open with this copy of the program wherever it was moved.
    tabrix::registerDocumentType(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                                 QApplication::applicationFilePath());
    QSettings settings;
    tabrix::TabrixWindow window(settings);
    window.openCommandLine(QApplication::arguments().mid(1));
    window.showAsLastTime();
    return QApplication::exec();
}
