#include "sheet/formats/FileCode.h"
#include "sheet/formats/WorkbookFile.h"
#include "sheet/model/SheetError.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

// sheetconv IN OUT [--code N]: converts a workbook; without --code the format follows OUT's extension
// (".xls" as Excel 97). Reads every readable format, ".xlsx" and ".ods" among them; prints the code it read.
int main(int argc, char** argv) {
    using namespace velmora::sheet;
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    int code = 0;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--code")); at >= 0) {
        bool ok = false;
        code = at + 1 < arguments.size() ? arguments[at + 1].toInt(&ok) : 0;
        if (!ok || extensionOf(code).isEmpty() || code == OdsCode) {
            err << "sheetconv: --code takes 3, 4, 9, 11, 12 or 13\n";
            return 2;
        }
        arguments.remove(at, 2);
    }
    if (arguments.size() != 2) {
        err << "Aufruf: sheetconv EINGABE AUSGABE [--code N]\n"
               "Codes: 12 .vts, 13 .xlsx, 11 .xls (Excel 97), 4 .xls (Excel 5/95), 9 .htm, 3 .txt\n"
               "Gelesen werden auch .ods (Code 14).\n";
        return 2;
    }
    if (code == 0) {
        code = writableCodeOf(QFileInfo(arguments[1]).suffix());
        if (code == 0) {
            err << "sheetconv: unbekannte Endung von " << arguments[1] << "; --code angeben\n";
            return 2;
        }
    }
    try {
        int readCode = 0;
        const Workbook workbook = readWorkbookFile(arguments[0], readCode);
        out << readCode << '\n';
        out.flush();
        writeWorkbookFile(workbook, arguments[1], code);
    } catch (const SheetError& error) {
        err << error.message() << '\n';
        return 1;
    }
    return 0;
}
