// ".xls" files of any generation, compound or plain: read or refused with the component's error.
#include "sheet/formats/XlsReader.h"
#include "sheet/formats/XlsWriter.h"
#include "sheet/model/SheetError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora::sheet;
    try {
        int code = 0;
        const Workbook book = readXls(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), code);
        // What was read writes and reads back.
        readXls(writeXls(book, BiffVersion::Biff8), code);
    } catch (const SheetError&) {
    }
    return 0;
}
