#pragma once

#include "filters/FilterSizes.h"
#include "windows/FormMessage.h"

#include <optional>

namespace velmora {

/// The raw water and bed an iron-removal filter is designed for: Fe(2+) and oxygen (mg/l), the pH, the
/// mean grain size dK (mm), the water temperature (°C) and the bed height H (m).
struct IronWater {
    double iron = 0, pH = 0, oxygen = 0, grain = 0, temperature = 0, bedHeight = 0;
};

/// The mean grain sizes offered (mm): "1", "1,1", ... "2,5" (the locale's separator).
QStringList grainSizeItems();

/// The first limit `water` exceeds, in the dialog's order, as its warning with the focus on its edit.
std::optional<FormMessage> ironLimitMessage(const IronWater& water);

/// The empirical parameter C of the iron and the pH, the permissible filtration velocity vf (m/h) and the
/// shell height Hs: the bed and 1000 mm of backwash space (mm).
struct IronVelocity {
    double c = 0, velocity = 0, shellHeight = 0;
};

/// C and vf; empty when the arithmetic gives no finite number (no iron, a grain size of 0).
std::optional<IronVelocity> ironVelocity(const IronWater& water);

/// Above this velocity (m/h) the user chooses one below it.
inline constexpr double largestIronVelocity = 28.0;
/// Above this velocity (m/h) only a pressure filter will do.
inline constexpr double largestOpenFilterVelocity = 7.0;

/// The filters of an iron-removal design: flow (m³/h), cross-section A = Q/vc, volume V over the shell
/// height, A split over n − 1 filters, and both shapes of each filter (the rectangle's sides with 51 mm).
struct IronFilterSize {
    double flow = 0, volume = 0, area = 0, areaPerFilter = 0;
    CircleSize circle;
    RectangleSize rectangle;
};

/// Empty when the arithmetic gives no finite number, as for a velocity of 0 or fewer than two filters.
std::optional<IronFilterSize> dimensionIronFilter(double flow, double velocity, double shellHeight,
                                                  int filters, double ratio);

} // namespace velmora
