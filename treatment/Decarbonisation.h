#pragma once

#include <functional>
#include <QString>

namespace velmora {

struct WaterState;

/// What "Entcarbonisierung" doses, in the order of its radio group.
enum class DecarbonisationAgent { Lime, Hcl, H2so4 };

inline constexpr int maxLimePasses = 5000;
inline constexpr int maxAcidPasses = 200;
inline constexpr double residualTolerance = 1e-7; // mol/l of c(HCO3-)

/// Asked once per lime calculation when the calcium runs short and magnesium hydrogencarbonate would have
/// to react: true when the user goes on.
using MagnesiumQuestion = std::function<bool()>;

/// The two questions, in the order they are asked.
extern const char16_t* const magnesiumQuestions[2];

/// The outcome of a decarbonisation: whether it gave a water, the passes made and the theoretical dose
/// in mmol/l.
struct DecarbonisationRun {
    bool succeeded = false;
    int passes = 0;
    double dose = 0;
};

/// Lowers c(HCO3-) of the water at tb to `residual` (mmol/l). Lime first dissolves while the water is
/// undersaturated, then precipitates calcium carbonate, then, once `goOn` allows it, magnesium; it stops
/// at the residual, when c(DIC) or the m-value fall below 0.08 mmol/l, or when the free magnesium is
/// used up, and fails after 5000 passes or when `goOn` says no. An acid lowers the m-value in steps
/// that shrink after each overshoot, at most 200. Throws EngineError on an arithmetic fault.
DecarbonisationRun decarbonise(WaterState& water, DecarbonisationAgent agent, double residual,
                               const MagnesiumQuestion& goOn);

/// Remark 2 of the treated water: "Entcarb. mit ", the agent and the theoretical dose.
QString decarbonisationRemark(DecarbonisationAgent agent, double dose);

} // namespace velmora
