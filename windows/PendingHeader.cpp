#include "windows/PendingHeader.h"

namespace velmora {

AnalysisHeader& pendingHeader() {
    static AnalysisHeader header;
    return header;
}

} // namespace velmora
