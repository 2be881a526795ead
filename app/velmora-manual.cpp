// A build tool: the program documentation, made from the help pages.
//   velmora-manual HELP-FOLDER PDF
#include "app/ManualBuilder.h"

#include <cstdio>
#include <QGuiApplication>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: velmora-manual HELP-FOLDER PDF\n", stderr);
        return 2;
    }
    const std::optional<velmora::ManualLayout> layout = velmora::writeManual(arguments[1], arguments[2]);
    if (!layout) {
        std::fputs("velmora-manual: the manual could not be written\n", stderr);
        return 1;
    }
    std::printf("%d pages\n", layout->pageCount);
    return 0;
}
