#pragma once

#include "treatment/SectionTable.h"

namespace velmora {

/// What the rapid-decarbonisation vessel is designed for.
struct RapidInputs {
    double flow;        ///< Q, m³/h
    double minimumTime; ///< minimum residence time, min
    double hco3;        ///< c(HCO3-), mol/l
    double calcium;     ///< equivalent calcium concentration, mol/l
};

struct RapidDesign {
    SectionTable table;
    double p = 0; ///< the correlation value of the calcium excess
    int passes = 0;
};

inline constexpr int maxGeometryPasses = 255;
inline constexpr double maxHeightOfA = 2500; // mm

/// P of the calcium excess x = c(Ca) - c(HCO3-) in mmol/l: -0.0045 x³ + 0.0543 x² - 0.2641 x + 0.7417.
double calciumExcessCorrelation(const RapidInputs& inputs);

/// The six sections: diameters of A, C, E and F from their velocities, the cones B and D between them at
/// 20° to the axis, and the height of A raised (and A widened in 100 mm steps while it would exceed
/// 2500 mm) until the vessel gives the minimum residence time, at most 255 passes. Throws EngineError on an
/// arithmetic fault (a flow of 0 divides by zero, a negative one takes the root of a negative number).
RapidDesign designRapidDecarbonisation(const RapidInputs& inputs);

} // namespace velmora
