// ".xlsx" and ".ods" files: read or refused with the component's error. The first byte chooses what the
// rest is: a whole archive, or one part (a worksheet, the styles, the shared strings, the OpenDocument
// content) inside an otherwise sound archive, so that the XML reaches the readers unmangled by the zip.
#include "sheet/formats/OdsReader.h"
#include "sheet/formats/XlsxReader.h"
#include "sheet/formats/XlsxWriter.h"
#include "sheet/formats/ZipArchive.h"
#include "sheet/model/SheetError.h"

namespace {

using namespace velmora::sheet;

const ZipEntries& soundXlsx() {
    static const ZipEntries entries = [] {
        Workbook book;
        book.sheet(0).setText({1, 1}, QStringLiteral("Calcium"));
        book.sheet(0).setText({1, 2}, QStringLiteral("7.500"));
        return readZipArchive(writeXlsx(book));
    }();
    return entries;
}

QByteArray withPart(ZipEntries entries, const char* part, const QByteArray& bytes) {
    entries[QString::fromLatin1(part)] = bytes;
    return writeZipArchive(entries);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    try {
        switch (data[0] % 6) {
        case 0:
            readXlsx(bytes);
            break;
        case 1:
            readOds(bytes);
            break;
        case 2:
            readXlsx(withPart(soundXlsx(), "xl/worksheets/sheet1.xml", bytes));
            break;
        case 3:
            readXlsx(withPart(soundXlsx(), "xl/styles.xml", bytes));
            break;
        case 4:
            readXlsx(withPart(soundXlsx(), "xl/sharedStrings.xml", bytes));
            break;
        default:
            readOds(withPart({{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet"}},
                             "content.xml", bytes));
            break;
        }
    } catch (const SheetError&) {
    }
    return 0;
}
