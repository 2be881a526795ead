#include "app/Configuration.h"
#include "app/ProgramSetup.h"
#include "app/SingleInstance.h"
#include "app/THauptfenster.h"
#include "engine/Engine.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QSystemTrayIcon>

int main(int argc, char** argv) {
    using namespace velmora;
    QApplication app(argc, argv);
    setUpProgram(app);

    // The command line is one path, split by the shell where it was given unquoted.
    const QStringList arguments = QApplication::arguments().mid(1);
    if (handOverToFirstInstance(arguments))
        return exitCodeForSecondInstance;

    // Listening before the window exists: a path that arrives while it is being built is not opened.
    InstanceServer server;
    server.listen();

    THauptfenster window({QApplication::applicationDirPath() + u'/', programProfile(), recentFilesProfile(),
                          QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                          QSystemTrayIcon::isSystemTrayAvailable(), &programEngine(),
                          QDir::homePath() + QStringLiteral("/Velmora/")});
    window.setCommandLinePath(arguments.join(QString()));

    QObject::connect(&server, &InstanceServer::pathReceived, &window, &THauptfenster::pathFromSecondInstance);
    window.show();
    return QApplication::exec();
}
