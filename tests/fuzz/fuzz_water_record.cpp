// A water file's record: read whole or refused; what was read writes back to the same record.
#include "common/FixedRecord.h"
#include "windows/WaterRecord.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    velmora::WaterRecord record;
    try {
        record.decode(bytes);
    } catch (const velmora::FileError&) {
        return 0;
    }
    velmora::WaterRecord again;
    again.decode(record.encode());
    // Doubles that are NaN never compare equal; the bytes must.
    if (again.encode() != record.encode())
        std::abort();
    return 0;
}
