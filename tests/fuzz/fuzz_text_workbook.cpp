// Tab-separated text workbooks: read or refused with the component's error.
#include "sheet/formats/TextFormat.h"
#include "sheet/model/SheetError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        velmora::sheet::readText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const velmora::sheet::SheetError&) {
    }
    return 0;
}
