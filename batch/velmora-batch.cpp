#include "batch/BatchCommand.h"

#include <cstdio>
#include <QApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char** argv) {
    // The exports fill a result window's sheet; no window is ever shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = velmora::runBatchCommand(QApplication::arguments().mid(1), out, err, [] {
        QFile input;
        return input.open(stdin, QIODevice::ReadOnly) ? input.readAll() : QByteArray();
    });
    out.flush();
    err.flush();
    return code;
}
