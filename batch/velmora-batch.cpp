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
    int code = velmora::runBatchCommand(QApplication::arguments().mid(1), out, err, [] {
        QFile input;
        return input.open(stdin, QIODevice::ReadOnly) ? input.readAll() : QByteArray();
    });
    out.flush();
    // Results that did not reach their file are no results: a full disk behind the redirection fails.
    if (out.status() != QTextStream::Ok || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        err << QStringLiteral("Die Ergebnisse konnten nicht auf die Standardausgabe geschrieben werden.")
            << u'\n';
        code = velmora::batchUnusable;
    }
    err.flush();
    return code;
}
