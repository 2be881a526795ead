#include "engine/ActivityModel.h"

#include "engine/Constants.h"
#include "engine/EngineMath.h"
#include "engine/WaterState.h"

#include <cmath>

namespace velmora {

void estimateIonicStrength(WaterState& water) {
    water.ionicStrengthK25 = water.k25 / 62000.0;
}

void computeLgF1(WaterState& water) {
    const double s = std::sqrt(water.ionicStrength);
    water.lgF1 = -0.5 * s / (1.0 + 1.4 * s);
}

void computeActivity(WaterState& water) {
    computeLgF1(water);
    water.f1 = pow10(water.lgF1);
}

void computeIonSums(WaterState& water) {
    water.cationSum = 2.0 * water.caFree + 2.0 * water.mgFree + water.naFree + water.kFree + water.caHco3 +
                      water.mgHco3 + water.hActivity;
    water.anionSum =
        2.0 * water.so4Free + 2.0 * water.co3 + water.hco3 + water.no3Free + water.clFree + water.oh;
}

void computeIonicStrength(WaterState& water) {
    const double doublyCharged = water.caFree + water.mgFree + water.so4Free + water.co3;
    const double singlyCharged = water.naFree + water.kFree + water.no3Free + water.clFree + water.hco3;
    const double fromFreeIons = 0.5 * (4.0 * doublyCharged + singlyCharged);
    water.ionicStrength = fromFreeIons + 0.5 * (std::fabs(water.cationSum - water.anionSum) + water.caHco3 +
                                                water.mgHco3 + water.hActivity + water.oh);
}

void prepareTemperature(WaterState& water) {
    computeConstants(water);
    estimateIonicStrength(water);
    water.ionicStrength = water.ionicStrengthK25;
    computeLgF1(water);
    computeConditionalConstants(water); // and f1
}

} // namespace velmora
