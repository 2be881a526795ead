// Job files of the batch tool: JSON read with its members in order, or refused.
#include "common/OrderedJson.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QString error;
    velmora::parseOrderedJson(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), error);
    return 0;
}
