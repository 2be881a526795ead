#pragma once

namespace velmora {

struct WaterState;

/// The ten thermodynamic constants (lgK1 ... lgKw) at water.temp (K):
/// lgK(T) = A + B u - C v with u = 1/298.16 - 1/T and v = ln(T/298.16) + 298.16/T - 1; and 10^lgK and
/// 10^-lgK of those the conditional constants need.
void computeConstants(WaterState& water);

/// The ten conditional constants k = 10^(lgK - n lgF1), n the charge term of each reaction, and their
/// reciprocals, from f1 = 10^lgF1 (which it writes too) and the constants of computeConstants.
void computeConditionalConstants(WaterState& water);

/// The two halves of computeConditionalConstants, for the rounds of the speciation, whose updates need
/// only f1, the reciprocals and kw (which does not depend on f1); the other constants follow from the
/// f1 of its last round.
void computeConditionalInverses(WaterState& water);
void computeConditionalConstantsOfF1(WaterState& water);

} // namespace velmora
