#pragma once

#include <optional>
#include <QString>
#include <QStringList>

namespace velmora {

/// A length in mm as the filter designs round it: (mm + allowance) in metres written with at most one
/// decimal and read back, in mm. Empty when the text it is written as is empty (below 0.05 m).
std::optional<double> roundedToTenthMetre(double mm, double allowance);

/// A circular filter of a cross-section: its diameter, the diameter plus the allowance of 49 mm, that
/// rounded to a tenth of a metre, and the cross-section and volume of the rounded filter.
struct CircleSize {
    double diameter = 0, diameterPlus = 0, roundedDiameter = 0, area = 0, volume = 0; // mm, m², m³
};

/// `areaPerFilter` (m²) as a circle over a bed of `heightMm`; empty when the rounding gives no number.
std::optional<CircleSize> circleOf(double areaPerFilter, double heightMm);

/// A rectangular filter of a cross-section and a length-to-width ratio, in the order the data files keep
/// it: the rounded width, the width and the length, both plus the allowance, the rounded length, the
/// cross-section and volume of the rounded filter, and the ratio.
struct RectangleSize {
    double roundedWidth = 0, width = 0, length = 0, widthPlus = 0, lengthPlus = 0, roundedLength = 0;
    double area = 0, volume = 0, ratio = 0; // mm, m², m³
};

/// The ratios of width to length a rectangular filter may have: "1", "1,2", ... "7" (the locale's separator).
QStringList filterRatioItems();

/// `areaPerFilter` (m²) as a rectangle of `ratio` over a bed of `heightMm`; each side gets `allowance` mm
/// before it is rounded to a tenth of a metre, and a side of exactly 0 stays 0. Empty when a rounding
/// gives no number.
std::optional<RectangleSize> rectangleOf(double areaPerFilter, double ratio, double heightMm,
                                         double allowance);

/// The share of each working filter when the flow is split over `filters` filters, one of them the
/// reserve: "x 100% Leistung" for 2 to "x 7,14% Leistung" for 15; empty outside 2 to 15.
QString shareLabel(int filters);

/// The numbers of filters a dialog offers: "2" to "15".
QStringList filterCountItems();

/// A combo-box text of a number of filters: an empty text and a number outside 2 to 15 become "2".
QString validFilterCount(const QString& text);

} // namespace velmora
