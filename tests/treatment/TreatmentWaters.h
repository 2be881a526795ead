#pragma once

#include "SampleWaters.h"

namespace velmora::test {

/// An acidic water measured at 6.7 °C and judged at 40.6 °C: lime does not bring it to pH 10.02 in 160
/// passes.
inline WaterWindowData acidicWater() {
    return waterOf(
        {5.2, 6.7, 2.9, 20, 0.7, 20, 5.0, 4.35, 40.6, 620, {2.45, 0.82, 0.74, 0.06, 0.95, 0.21, 0.88}});
}

/// A hard water whose calcium runs short in a lime decarbonisation: magnesium must react.
inline WaterWindowData magnesiumWater() {
    return waterOf({7.5, 12, 6.0, 20, 0.3, 20, 0, 0, 10, 900, {0.3, 3.0, 1.0, 0.1, 0.5, 0.1, 1.0}});
}

/// A soft, aggressive water (SI about -2): with the interval "klein" its deacidification does not
/// converge, with "normal" it does.
inline WaterWindowData softWater() {
    return waterOf({6.5, 12, 1.0, 20, 0.3, 20, 0, 0, 10, 300, {0.5, 0.2, 0.5, 0.05, 0.3, 0.1, 0.4}});
}

} // namespace velmora::test
