// Laboratory JSON files: every entry read or carrying its error, or the file refused.
#include "batch/BatchInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        velmora::readJsonAnalyses(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const velmora::BatchInputError&) {
    }
    return 0;
}
