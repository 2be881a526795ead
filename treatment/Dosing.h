#pragma once

#include <optional>
#include <QString>

namespace velmora {

struct WaterState;

/// What "Zugabe Säure/Lauge" doses, in the order of its radio groups: three acids, then three bases.
enum class Chemical { Hcl, H2so4, Co2, Naoh, Koh, CaOh2 };

inline constexpr int chemicalCount = 6;

constexpr bool isAcid(Chemical chemical) {
    return chemical <= Chemical::Co2;
}

/// The outcome of dosing to a wanted pH: the dose in ml/l of the solution (CO2: mmol/l), empty when 160
/// passes did not reach the pH, and the passes made.
struct DoseToPh {
    std::optional<double> dose;
    int passes = 0;
};

inline constexpr int maxDosingPasses = 160;
inline constexpr double dosingPhTolerance = 0.0004;

/// Doses `chemical` of concentration `cx` (mol/l) into the water until its pH at tb is within 0.0004 of
/// `targetPh`: the m-value (for CO2 c(DIC)) is stepped, the ion the chemical brings follows it, and the
/// step reverses and shrinks whenever the pH moves away from the target. The water holds the last trial.
/// Throws EngineError on an arithmetic fault.
DoseToPh doseToPh(WaterState& water, Chemical chemical, double cx, double targetPh);

/// Adds `amount` of the chemical: ml/l of a solution of `cx` mol/l, or for CO2 mmol/l (cx unused).
void doseAmount(WaterState& water, Chemical chemical, double amount, double cx);

/// The second remark of the dosed water: `x` the dose (or the amount entered) with three decimals,
/// `concentration` the concentration text as typed; `toPh` chooses the form of the target-pH mode.
QString doseText(Chemical chemical, bool toPh, double x, const QString& concentration);

} // namespace velmora
