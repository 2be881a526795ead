#pragma once

#include <array>
#include <limits>

namespace velmora {

/// The working record of one water. Amounts of substance in mol/l, equivalent sums in eq/l,
/// temperatures in K, conductivity in µS/cm. The field order is the order of the stored record.
struct WaterState {
    // Totals (inputs) and free ions, in the same ion order.
    double caTotal, mgTotal, naTotal, kTotal, so4Total, no3Total, clTotal;
    double caFree, mgFree, naFree, kFree, so4Free, no3Free, clFree;

    double co2;    ///< free carbon dioxide
    double hco3;   ///< HCO3-
    double caHco3; ///< ion pair CaHCO3+
    double mgHco3; ///< ion pair MgHCO3+
    double caCo3;  ///< dissolved ion pair CaCO3
    double mgCo3;  ///< dissolved ion pair MgCO3
    double caSo4;  ///< dissolved ion pair CaSO4
    double mgSo4;  ///< dissolved ion pair MgSO4
    double co3;    ///< CO3 2-

    double hActivity; ///< activity of H+, 10^(-pH)
    double oh;        ///< hydroxide, kw / hActivity

    double cationSum; ///< eq/l
    double anionSum;  ///< eq/l

    double k25;              ///< electrical conductivity at 25 °C, µS/cm (input)
    double ionicStrength;    ///< from the species, mol/l
    double ionicStrengthK25; ///< estimated from the conductivity, k25 / 62000, mol/l

    double lgF1; ///< lg of the activity coefficient of a singly charged ion
    double f1;   ///< activity coefficient of a singly charged ion

    // Thermodynamic constants at temp (decimal logarithms).
    double lgK1, lgK2, lgKCaHco3, lgKMgHco3, lgKCaCo3, lgKMgCo3, lgKCaSo4, lgKMgSo4, lgKsp, lgKw;
    // Conditional (concentration) constants at temp and the current ionic strength.
    double k1, k2, kCaHco3, kMgHco3, kCaCo3, kMgCo3, kCaSo4, kMgSo4, ksp, kw;

    double temp;             ///< working temperature, K
    double tPoint1, tPoint2; ///< temperatures of the two known points, K
    double tPh;              ///< temperature of the pH measurement, K
    double tKs;              ///< temperature of the KS(4,3) titration, K
    double tKb;              ///< temperature of the KB(8,2) titration, K
    double tEval;            ///< evaluation temperature tb, K

    double hco3Factor; ///< 1 + caFree/kCaHco3 + mgFree/kMgHco3
    double co3Factor;  ///< 1 + caFree/kCaCo3 + mgFree/kMgCo3

    double alkPerDic;  ///< carbonate alkalinity per mol of DIC at pH and temp, eq/mol
    double alkPerDic1; ///< alkPerDic at known point 1
    double alkPerDic2; ///< alkPerDic at known point 2
    double ohMinusH;   ///< oh - hActivity, mol/l
    double ohMinusH1;  ///< ohMinusH at known point 1
    double ohMinusH2;  ///< ohMinusH at known point 2

    double pH;       ///< working pH
    double pHPoint1; ///< pH of known point 1
    double pHPoint2; ///< pH of known point 2
    double pHm;      ///< pH at tPh: measured, or computed by the methods that take no pH
    double pHEq;     ///< pH after the calcite equilibrium

    double ks43;     ///< acid capacity to pH 4.3, mol/l
    double kb82;     ///< base capacity to pH 8.2, mol/l
    double si;       ///< calcite saturation index
    double siTarget; ///< required saturation index of the saturation-pH search
    double dic;      ///< dissolved inorganic carbon, mol/l

    double capPoint1; ///< capacity attached to known point 1; also receives computed capacities, mol/l
    double capPoint2; ///< capacity attached to known point 2, mol/l
    double mValue;    ///< alkalinity (m-value), the conserved quantity of every pH solve, mol/l

    double caStep;   ///< relative calcium step of the calcite equilibrium search
    double caEq;     ///< total calcium after the calcite equilibrium, mol/l
    double dicEq;    ///< c(DIC) after the calcite equilibrium, mol/l
    double mValueEq; ///< m-value after the calcite equilibrium, mol/l

    double reserved34; ///< never computed; carried through slot position 34
    double o2Mass;     ///< rho(O2), mg/l; carried through files and mixing, read by the corrosion assessment

    // Derived with the constants, so that a round of the speciation takes one power of ten and the updates
    // multiply where they would divide; no slot keeps them.
    std::array<double, 10> thermodynamicK;        ///< 10^lgK of the conditional constants' reactions
    std::array<double, 10> inverseThermodynamicK; ///< 10^-lgK
    double constantsTemp = std::numeric_limits<double>::quiet_NaN(); ///< K, of the constants; NaN: none
    /// 1/k of the conditional constants, computed with them.
    double invK1, invK2, invKCaHco3, invKMgHco3, invKCaCo3, invKMgCo3, invKCaSo4, invKMgSo4, invKsp, invKw;
};

/// The seven major ions in their fixed order Ca, Mg, Na, K, SO4, NO3, Cl: totals and free ions.
inline constexpr std::array<double WaterState::*, 7> totalFields{
    &WaterState::caTotal,  &WaterState::mgTotal,  &WaterState::naTotal, &WaterState::kTotal,
    &WaterState::so4Total, &WaterState::no3Total, &WaterState::clTotal};
inline constexpr std::array<double WaterState::*, 7> freeFields{
    &WaterState::caFree,  &WaterState::mgFree,  &WaterState::naFree, &WaterState::kFree,
    &WaterState::so4Free, &WaterState::no3Free, &WaterState::clFree};

} // namespace velmora
