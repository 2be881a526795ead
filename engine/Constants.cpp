#include "engine/Constants.h"

#include "engine/EngineMath.h"
#include "engine/WaterState.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

namespace velmora {

namespace {

// The reference temperature of the constant table is 298.16 K, not 298.15.
constexpr double referenceTemp = 298.16;

struct ConstantLaw {
    double WaterState::*lgK;
    double a; ///< lg K at 298.16 K
    double b;
    double c;
};

constexpr std::array<ConstantLaw, 10> constantLaws{{
    {&WaterState::lgK1, -6.356, 483.2, 17.2},      // CO2 + H2O = H+ + HCO3-
    {&WaterState::lgK2, -10.329, 780.9, 15.1},     // HCO3- = H+ + CO3 2-
    {&WaterState::lgKCaHco3, -1.212, -415.2, 0.0}, // CaHCO3+ = Ca2+ + HCO3-
    {&WaterState::lgKMgHco3, -1.068, -378.7, 0.0}, // MgHCO3+ = Mg2+ + HCO3-
    {&WaterState::lgKCaCo3, -3.2, -835.7, 0.0},    // CaCO3(aq) = Ca2+ + CO3 2-
    {&WaterState::lgKMgCo3, -2.947, -679.0, 3.7},  // MgCO3(aq) = Mg2+ + CO3 2-
    {&WaterState::lgKCaSo4, -2.31, -397.0, 8.9},   // CaSO4(aq) = Ca2+ + SO4 2-
    {&WaterState::lgKMgSo4, -2.265, -1071.0, 6.3}, // MgSO4(aq) = Mg2+ + SO4 2-
    {&WaterState::lgKsp, -8.481, -522.3, 14.1},    // calcite = Ca2+ + CO3 2-
    {&WaterState::lgKw, -13.996, 2954.0, 10.4},    // H2O = H+ + OH-
}};

struct ConditionalLaw {
    double WaterState::*k;
    double WaterState::*inverseK;
    double WaterState::*lgK;
    std::size_t chargeTerm; ///< n in 10^(lgK - n lgF1): 0, 1, 3, 4 or 8
};

constexpr std::array<ConditionalLaw, 10> conditionalLaws{{
    {&WaterState::ksp, &WaterState::invKsp, &WaterState::lgKsp, 8},
    {&WaterState::kw, &WaterState::invKw, &WaterState::lgKw, 0},
    {&WaterState::k1, &WaterState::invK1, &WaterState::lgK1, 1},
    {&WaterState::k2, &WaterState::invK2, &WaterState::lgK2, 3},
    {&WaterState::kCaHco3, &WaterState::invKCaHco3, &WaterState::lgKCaHco3, 4},
    {&WaterState::kCaCo3, &WaterState::invKCaCo3, &WaterState::lgKCaCo3, 8},
    {&WaterState::kCaSo4, &WaterState::invKCaSo4, &WaterState::lgKCaSo4, 8},
    {&WaterState::kMgHco3, &WaterState::invKMgHco3, &WaterState::lgKMgHco3, 4},
    {&WaterState::kMgCo3, &WaterState::invKMgCo3, &WaterState::lgKMgCo3, 8},
    {&WaterState::kMgSo4, &WaterState::invKMgSo4, &WaterState::lgKMgSo4, 8},
}};

// Calls visit(i) with each index of the conditional laws as a constant, so that the members a law
// names are fixed where it is used and the rounds of the speciation keep their values in registers.
template <typename Visit>
void forEachConditionalLaw(Visit visit) {
    [&visit]<std::size_t... i>(std::index_sequence<i...>) {
        (visit(std::integral_constant<std::size_t, i>{}), ...);
    }
    (std::make_index_sequence<conditionalLaws.size()>{});
}

// x^0 ... x^8 as far as the charge terms need them, by squaring.
std::array<double, 9> chargePowers(double x) {
    std::array<double, 9> p{};
    p[0] = 1.0;
    p[1] = x;
    p[2] = x * x;
    p[3] = p[2] * x;
    p[4] = p[2] * p[2];
    p[8] = p[4] * p[4];
    return p;
}

} // namespace

void computeConstants(WaterState& water) {
    // They depend on the temperature alone: a solve at the temperature of the one before keeps them. Only
    // finite constants are kept, so that a temperature that faults faults again.
    if (water.temp == water.constantsTemp)
        return;
    const double t = water.temp;
    const double u = 1.0 / referenceTemp - 1.0 / t;
    const double v = std::log(t / referenceTemp) + referenceTemp / t - 1.0;
    for (const ConstantLaw& law : constantLaws)
        water.*law.lgK = law.a + law.b * u - law.c * v;
    for (std::size_t i = 0; i < conditionalLaws.size(); ++i) {
        water.thermodynamicK[i] = pow10(water.*conditionalLaws[i].lgK);
        water.inverseThermodynamicK[i] = 1.0 / water.thermodynamicK[i];
    }
    const bool finite = std::all_of(water.thermodynamicK.begin(), water.thermodynamicK.end(),
                                    [](double k) { return std::isfinite(k) && k > 0.0; });
    water.constantsTemp = finite ? t : std::numeric_limits<double>::quiet_NaN();
}

void computeConditionalInverses(WaterState& water) {
    // 10^-(lgK - n lgF1) = 10^-lgK f1^n: one power of ten for the ionic strength of the round.
    water.f1 = pow10(water.lgF1);
    const std::array<double, 9> down = chargePowers(water.f1);
    forEachConditionalLaw([&water, &down](auto i) {
        constexpr ConditionalLaw law = conditionalLaws[i];
        water.*law.inverseK = water.inverseThermodynamicK[i] * down[law.chargeTerm];
        if constexpr (law.chargeTerm == 0)
            water.*law.k = water.thermodynamicK[i];
    });
}

void computeConditionalConstantsOfF1(WaterState& water) {
    const std::array<double, 9> up = chargePowers(1.0 / water.f1);
    forEachConditionalLaw([&water, &up](auto i) {
        constexpr ConditionalLaw law = conditionalLaws[i];
        water.*law.k = water.thermodynamicK[i] * up[law.chargeTerm];
    });
}

void computeConditionalConstants(WaterState& water) {
    computeConditionalInverses(water);
    computeConditionalConstantsOfF1(water);
}

} // namespace velmora
