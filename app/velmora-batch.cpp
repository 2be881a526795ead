#include "app/BatchCommand.h"

#include <cstdio>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = velmora::runBatchCommand(QCoreApplication::arguments().mid(1), out, err, [] {
        QFile input;
        return input.open(stdin, QIODevice::ReadOnly) ? input.readAll() : QByteArray();
    });
    out.flush();
    err.flush();
    return code;
}
