// The component's own workbook format: read or refused with its error.
#include "sheet/formats/VtsFormat.h"
#include "sheet/model/SheetError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const velmora::sheet::Workbook book =
            velmora::sheet::readVts(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
        // What was read writes and reads back.
        velmora::sheet::readVts(velmora::sheet::writeVts(book));
    } catch (const velmora::sheet::SheetError&) {
    }
    return 0;
}
