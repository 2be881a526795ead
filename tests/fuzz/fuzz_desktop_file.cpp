// Desktop files: any content reads into lines of at most 255 characters with a lower-case kind.
#include "app/DesktopFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const velmora::DesktopLine& line : velmora::desktopLines(content))
        if (line.value.size() > 254 || line.kind != line.kind.toLower())
            std::abort();
    return 0;
}
