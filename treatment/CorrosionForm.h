#pragma once

#include "engine/AnalysisHeader.h"
#include "windows/FormMessage.h"

namespace velmora {

class CorrosionRecord;
struct WaterWindowData;

/// "OK" of "Korrosionsbetrachtung" apart from its widgets: checks the oxygen text and the name, then
/// writes the header, the source water and rho(O2) into `record`.
FormResult runCorrosionForm(CorrosionRecord& record, const WaterWindowData& source,
                            const AnalysisHeader& header, const QString& oxygen);

} // namespace velmora
