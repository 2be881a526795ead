// Numeric texts as users type them: read tolerantly, and a number read writes as a text that reads again.
#include "common/NumberText.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    velmora::readInteger(text);
    if (const std::optional<double> value = velmora::readNumber(text)) {
        const QString written = velmora::formatNumber(*value);
        if (std::isfinite(*value) && !velmora::readNumber(written))
            std::abort();
    }
    return 0;
}
