#pragma once

namespace velmora {

struct WaterState;

/// ionicStrengthK25 := k25 / 62000 (k25 in µS/cm, ionic strength in mol/l).
void estimateIonicStrength(WaterState& water);

/// Activity coefficient of a singly charged ion: lgF1 = -0.5 s / (1 + 1.4 s), s = sqrt(ionicStrength),
/// f1 = 10^lgF1. A doubly charged ion has f1^4.
void computeActivity(WaterState& water);
/// lgF1 alone, for the rounds of the speciation, which need f1 only after the last.
void computeLgF1(WaterState& water);

/// cationSum and anionSum in eq/l from the free ions, the charged pairs, H+ and OH-.
void computeIonSums(WaterState& water);

/// Ionic strength from the species; the charge imbalance counts as carried by singly charged ions.
/// The ion sums must be current.
void computeIonicStrength(WaterState& water);

/// Everything a solve needs at a new temperature (water.temp): constants, the ionic strength reset to
/// the conductivity estimate, the activity coefficient and the conditional constants.
void prepareTemperature(WaterState& water);

} // namespace velmora
