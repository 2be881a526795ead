#pragma once

#include "filters/FilterSizes.h"

#include <optional>
#include <QString>
#include <QStringList>

namespace velmora {

/// What an activated-carbon filter is for, with the lists and presets its dialog offers and the bed
/// height it recommends.
struct CarbonPurpose {
    const char16_t* name; ///< the text the window shows
    QStringList loads;    ///< specific filter loads, m³/(m³·h)
    QString loadPreset;
    QStringList velocities; ///< filter velocities, m/h
    QString velocityPreset;
    QString hint1, hint2;        ///< the two lines of the height recommendation
    double minHeight, maxHeight; ///< mm; 0 where there is no lower limit
};

/// The purposes 0 "Adsorption organischer Stoffe", 1 "Biologischer Abbauvorgang", 2 "Reduktion von
/// Desinfektionsmitteln"; a purpose outside 0 to 2 is taken as 0. Numbers in the lists have one decimal
/// and the locale's separator ("1,5" in German).
CarbonPurpose carbonPurpose(int purpose);
inline constexpr int carbonPurposeCount = 3;

/// The bed height against the recommendation of the purpose.
enum class HeightVerdict { Fine, TooLow, TooHigh };
HeightVerdict carbonHeightVerdict(int purpose, double roundedHeight);

/// The inputs of an activated-carbon design: flow Q (m³/h), specific load B (m³/(m³·h)), velocity v
/// (m/h), the number of filters n of which one is the reserve, and the ratio of a rectangular filter.
struct CarbonFilterInputs {
    int purpose = 0;
    double flow = 0, load = 0, velocity = 0;
    int filters = 2;
    double ratio = 3;
};

/// An activated-carbon design, in the quantities and order its data file keeps.
struct CarbonFilterDesign {
    int purpose = 0;
    double load = 0, velocity = 0, flow = 0, volume = 0, area = 0, areaPerFilter = 0; // m³, m²
    double height = 0, heightPlus = 0, roundedHeight = 0;                             // mm
    int filters = 0;
    double share = 0; ///< % of the flow each working filter carries
    int totalFilters = 0;
    CircleSize circle;
    RectangleSize rectangle;
};

/// V = Q/B, A = Q/v, h = V/A, the bed height rounded to a tenth of a metre after adding 49 mm, A split over
/// n − 1 filters, and both shapes of each filter. Empty when A is 0 or a size gives no number.
std::optional<CarbonFilterDesign> designCarbonFilter(const CarbonFilterInputs& inputs);

/// The largest circular filter the design recommends, mm.
inline constexpr double largestFilterDiameter = 3600.0;

} // namespace velmora
