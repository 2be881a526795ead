#pragma once

#include "engine/AnalysisHeader.h"
#include "treatment/Decarbonisation.h"
#include "windows/FormMessage.h"

namespace velmora {

struct EngineState;
struct WaterWindowData;

/// c(HCO3-) of the water at tb in mmol/l with three decimals, as "Entcarbonisierung" shows it.
QString hydrogencarbonateText(const WaterWindowData& water);

/// "OK" of "Entcarbonisierung" apart from its widgets: starts from the source water, checks the residual
/// text, the name and the range 0.3 < RH < c(HCO3-), then lowers the hydrogencarbonate. Done, the engine
/// holds the solved water and `header` its second remark. A lime calculation that fails (5000 passes,
/// "No" to a magnesium question) leaves the dialog without a word.
FormResult runDecarbonisationForm(EngineState& engine, const WaterWindowData& source, AnalysisHeader& header,
                                  const QString& residual, DecarbonisationAgent agent,
                                  const Confirmation& confirm);

} // namespace velmora
