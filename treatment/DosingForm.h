#pragma once

#include "engine/AnalysisHeader.h"
#include "treatment/Dosing.h"
#include "windows/FormMessage.h"

namespace velmora {

struct EngineState;
struct WaterWindowData;

/// The texts and choices of "Zugabe Säure/Lauge": page 0 doses to a wanted pH, page 1 a given amount.
struct DosingInputs {
    int page = 0;
    QString cx1;
    Chemical chemical1 = Chemical::Hcl;
    QString ph;
    QString cx2;
    Chemical chemical2 = Chemical::Hcl;
    QString amount;
};

/// "OK" of "Zugabe Säure/Lauge" apart from its widgets: checks the four number edits and the name, then
/// the page's values, doses the chemical into the source water and solves the result. Done, the engine
/// holds the dosed water and `header` its second remark, the dose text. A wanted pH the iteration does
/// not reach gives up without a word.
FormResult runDosingForm(EngineState& engine, const WaterWindowData& source, AnalysisHeader& header,
                         const DosingInputs& inputs);

} // namespace velmora
