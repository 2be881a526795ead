#include "batch/BatchCommand.h"

#include <cstdio>
#include <functional>
#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <unistd.h>

int main(int argc, char** argv) {
    // The exports fill a result window's sheet; no window is ever shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    // A long evaluation tells how far it has come, on a terminal only: a redirected log gets no progress.
    bool progressShown = false;
    std::function<void(const QString&)> showProgress;
    if (isatty(fileno(stderr)))
        showProgress = [&err, &progressShown](const QString& line) {
            err << u'\r' << line;
            err.flush();
            progressShown = true;
        };
    QFile input;
    input.open(stdin, QIODevice::ReadOnly);
    int code = velmora::runBatchCommand(QApplication::arguments().mid(1), out, err, input, showProgress);
    if (progressShown)
        err << u'\n';
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
