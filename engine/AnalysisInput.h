#pragma once

#include <array>
#include <string_view>

namespace velmora {

struct WaterState;

/// An input method of the analysis: which two carbonate quantities are given.
struct InputMethod {
    int number;            ///< engine method, 1 to 7
    std::string_view text; ///< German item text
    bool takesPh, takesKs43, takesKb82, takesDic, takesMValue;
};

/// The seven methods of the analysis input, in item order (item i is method i + 1).
extern const std::array<InputMethod, 7> inputMethods;

/// The method with `number` 1 to 7; the mixing's method 9 counts as 7. Throws std::out_of_range else.
const InputMethod& inputMethod(int number);

/// The numbers of an analysis as the input dialog shows them: mmol/l, °C and µS/cm.
struct AnalysisInput {
    double pHe = 0;                 ///< measured pH
    double tpHe = 0;                ///< °C
    double ks43 = 0;                ///< KS(4,3), mmol/l
    double tKs43 = 0;               ///< °C
    double kb82 = 0;                ///< KB(8,2), mmol/l
    double tKb82 = 0;               ///< °C
    double dic = 0;                 ///< c(DIC), mmol/l
    double mWert = 0;               ///< m-value, mmol/l
    double tb = 0;                  ///< evaluation temperature, °C
    double k25 = 0;                 ///< µS/cm
    std::array<double, 7> totals{}; ///< c(Ca) ... c(Cl), mmol/l, in the order of the WaterState
};

/// Stores the input into the water as the analysis dialog does for `method`: the carbonate quantities
/// only where the method takes them, temperatures in K, concentrations in mol/l, siTarget 0.
void storeAnalysisInput(WaterState& water, const AnalysisInput& input, int method);

} // namespace velmora
