#pragma once

#include "engine/AnalysisHeader.h"

namespace velmora {

/// The header the next water-analysis window takes over: set by the dialog that prepares the window.
AnalysisHeader& pendingHeader();

} // namespace velmora
