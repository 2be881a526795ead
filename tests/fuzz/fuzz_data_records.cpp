// The data files of every window type: each record reads the input whole or refuses it; what was read
// writes back to the same record.
#include "app/ResultWindowClasses.h"
#include "common/FixedRecord.h"
#include "windows/ResultRecord.h"
#include "windows/WindowType.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const WindowType& type : windowTypes) {
        std::unique_ptr<ResultRecord> record = createRecord(type);
        if (!record)
            continue;
        try {
            record->decode(bytes);
        } catch (const FileError&) {
            continue;
        }
        const std::unique_ptr<ResultRecord> again = createRecord(type);
        again->decode(record->encode());
        // Doubles that are NaN never compare equal; the bytes must.
        if (again->encode() != record->encode())
            std::abort();
    }
    return 0;
}
