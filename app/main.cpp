#include "app/Configuration.h"
#include "app/SingleInstance.h"
#include "app/THauptfenster.h"
#include "engine/Engine.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTranslator>

int main(int argc, char** argv) {
    using namespace velmora;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmora Version 2.0"));
    // Outside a desktop session no icon theme is set; the toolbar then takes its icons from Adwaita.
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/velmora/velmora.svg")));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    // The command line is one path, split by the shell where it was given unquoted.
    const QStringList arguments = QApplication::arguments().mid(1);
    if (handOverToFirstInstance(arguments))
        return exitCodeForSecondInstance;

    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslations);

    // Listening before the window exists: a path that arrives while it is being built is not opened.
    InstanceServer server;
    server.listen();

    THauptfenster window({QApplication::applicationDirPath() + u'/', programProfile(), recentFilesProfile(),
                          QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                          QSystemTrayIcon::isSystemTrayAvailable(), &programEngine()});
    window.setCommandLinePath(arguments.join(QString()));

    QObject::connect(&server, &InstanceServer::pathReceived, &window, &THauptfenster::pathFromSecondInstance);
    window.show();
    return QApplication::exec();
}
