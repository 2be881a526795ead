#include "filters/CarbonFilter.h"

#include "common/NumberText.h"

#include <array>
#include <cmath>
#include <QLocale>

namespace velmora {

namespace {

// Items from `first` to `last` in `step`, with one decimal. The separator is the locale's, so that the
// strict conversion reads the items in any locale.
QStringList steppedItems(double first, double last, double step) {
    QStringList items;
    for (int i = 0; first + i * step <= last + 1e-9; ++i)
        items << formatPattern(first + i * step, u"#0.0");
    return items;
}

CarbonPurpose purposeWithPresets(int purpose) {
    const QString hint1 = QStringLiteral("Die Filterschichthöhe sollte eine Höhe h");
    const QString below5000 = QStringLiteral("von 5000mm nicht überschreiten.");
    QStringList reductionVelocities = steppedItems(25.0, 30.0, 0.5);
    reductionVelocities.front() = QStringLiteral("25"); // the list begins with the whole number
    const auto preset = [](double value) {
        return formatPattern(value, u"#0.0");
    };
    switch (purpose) {
    case 1:
        return {u"Biologischer Abbauvorgang",
                steppedItems(3.0, 5.0, 0.5),
                preset(5.0),
                steppedItems(10.0, 20.0, 0.5),
                preset(15.0),
                hint1,
                below5000,
                0.0,
                5000.0};
    case 2:
        return {u"Reduktion von Desinfektionsmitteln",
                steppedItems(12.0, 15.0, 0.5),
                preset(15.0),
                reductionVelocities,
                preset(30.0),
                hint1,
                QStringLiteral("zwischen 2000mm und 3000mm haben."),
                2000.0,
                3000.0};
    default:
        return {u"Adsorption organischer Stoffe",
                steppedItems(1.0, 1.5, 0.1),
                preset(1.5),
                steppedItems(3.0, 5.0, 0.5),
                preset(5.0),
                hint1,
                below5000,
                0.0,
                5000.0};
    }
}

} // namespace

CarbonPurpose carbonPurpose(int purpose) {
    return purposeWithPresets(purpose);
}

HeightVerdict carbonHeightVerdict(int purpose, double roundedHeight) {
    const CarbonPurpose p = carbonPurpose(purpose);
    if (roundedHeight > p.maxHeight)
        return HeightVerdict::TooHigh;
    if (roundedHeight < p.minHeight)
        return HeightVerdict::TooLow;
    return HeightVerdict::Fine;
}

std::optional<CarbonFilterDesign> designCarbonFilter(const CarbonFilterInputs& in) {
    if (in.filters < 2)
        return std::nullopt;
    CarbonFilterDesign d;
    d.purpose = in.purpose;
    d.load = in.load;
    d.velocity = in.velocity;
    d.flow = in.flow;
    d.volume = in.flow / in.load;
    d.area = in.flow / in.velocity;
    if (d.area == 0.0 || !std::isfinite(d.volume) || !std::isfinite(d.area))
        return std::nullopt;
    d.height = d.volume / d.area * 1000.0;
    d.heightPlus = d.height + 49.0;
    const std::optional<double> roundedHeight = roundedToTenthMetre(d.height, 49.0);
    if (!roundedHeight)
        return std::nullopt;
    d.roundedHeight = *roundedHeight;
    d.filters = in.filters;
    d.totalFilters = in.filters;
    d.share = 100.0 / (in.filters - 1);
    d.areaPerFilter = d.area / (in.filters - 1);
    const std::optional<CircleSize> circle = circleOf(d.areaPerFilter, d.roundedHeight);
    const std::optional<RectangleSize> rectangle =
        rectangleOf(d.areaPerFilter, in.ratio, d.roundedHeight, 49.0);
    if (!circle || !rectangle)
        return std::nullopt;
    d.circle = *circle;
    d.rectangle = *rectangle;
    return d;
}

} // namespace velmora
