#pragma once

#include <optional>
#include <QStringList>

namespace velmora {

/// The choices a sand filter's lists and ranges depend on: the kind of filtration (0 direct filtration,
/// 1 flocculation filtration, 2 filtration of flocculated and settled water), pressure or open filter,
/// single- or multi-layer filtration.
struct SandChoice {
    int kind = 0;
    bool pressure = false;
    bool multiLayer = false;
};

inline constexpr int sandKindCount = 3;
/// "Direktfiltration", "Flockungsfiltration", "Filtration geflockten und sedimentierten Wassers".
QString sandKindName(int kind);

/// The velocities (m/h, one decimal in the locale's format) the dialog offers, and the index of its preset.
struct SandVelocities {
    QStringList items;
    int preset = 0;
};
SandVelocities sandVelocities(const SandChoice& choice);

/// The bed heights offered (mm): "1500", "2000", "2500" for one layer, 500 mm more for several; the preset
/// is the second.
QStringList sandHeights(bool multiLayer);

struct SandRange {
    double low, high;
};
/// The velocities (m/h) and bed heights (mm) a design may have.
SandRange sandVelocityRange(const SandChoice& choice);
SandRange sandHeightRange(bool multiLayer);

/// A sand-filter design: the flow per working filter (m³/h), its cross-section A (m²), diameter D and
/// D rounded to a tenth of a metre after adding 49 mm (mm; empty below 1 mm), and the cylindrical shell
/// height Hm, the bed and 1000 mm (mm).
struct SandFilterSize {
    double flowPerFilter = 0, area = 0, diameter = 0;
    std::optional<double> roundedDiameter;
    double shellHeight = 0;
};

/// The flow Q (m³/h) split over n − 1 of `filters` filters at velocity v (m/h) over a bed of h (mm); empty
/// when the arithmetic gives no finite number.
std::optional<SandFilterSize> designSandFilter(double flow, int filters, double velocity, double height);

} // namespace velmora
