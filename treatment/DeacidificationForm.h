#pragma once

#include "engine/AnalysisHeader.h"
#include "treatment/Deacidification.h"
#include "windows/FormMessage.h"

namespace velmora {

struct EngineState;
struct WaterWindowData;

/// The applicability question of DVGW W 214 for filtration over calcium carbonate or dolomitic
/// material, or empty when the water meets its recommendation (or the method has none).
std::optional<QString> applicabilityQuestion(DeacidificationMethod method, const WaterWindowData& water);

/// "OK" of "Entsäuerung" apart from its widgets: starts from the source water, checks the target text,
/// the name and the indices, asks the applicability question, then raises the index to the target with
/// the interval of the track bar's position. Done, the engine holds the solved water and `header` its
/// second remark. "No" to the question makes no calculation; an iteration that does not converge
/// leaves the dialog for another interval; a water already at an index of -0.0001 or more gives up.
FormResult runDeacidificationForm(EngineState& engine, const WaterWindowData& source, AnalysisHeader& header,
                                  const QString& targetSi, DeacidificationMethod method, int trackBarPosition,
                                  const Confirmation& confirm);

} // namespace velmora
