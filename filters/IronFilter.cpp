#include "filters/IronFilter.h"

#include "common/NumberText.h"

#include <cmath>

namespace velmora {

namespace {

bool finite(std::initializer_list<double> values) {
    for (double value : values)
        if (!std::isfinite(value))
            return false;
    return true;
}

} // namespace

QStringList grainSizeItems() {
    QStringList items;
    for (int tenths = 10; tenths <= 25; ++tenths)
        items << formatPattern(tenths / 10.0, u"#0.#");
    return items;
}

std::optional<FormMessage> ironLimitMessage(const IronWater& w) {
    struct Limit {
        double value, limit;
        const char16_t *text, *edit;
    };
    const Limit limits[] = {
        {w.pH, 14.0, u"Der pH-Wert ist zu groß.", u"pHWert"},
        {w.iron, 8.0, u"Die Massenkonzentration an Eisen-Ionen ist zu groß.", u"Eisen"},
        {w.oxygen, 12.0, u"Überprüfen Sie die Eingabe der Massenkonzentration an Sauerstoff-Ionen.",
         u"Sauerstoff"},
        {w.temperature, 25.0, u"Überprüfen Sie die Eingabe der Temperatur.", u"WasserTemperatur"},
        {w.bedHeight, 5.0, u"Die Filterschichthöhe ist zu groß.", u"Filterschichthoehe"},
        {w.grain, 3.0, u"Der Filterkorndurchmesser ist zu groß.", u"KornDurchmesser"},
    };
    for (const Limit& l : limits)
        if (l.value > l.limit)
            return FormMessage{QString::fromUtf16(l.text), DialogSeam::Icon::Warning,
                               QString::fromUtf16(l.edit)};
    return std::nullopt;
}

std::optional<IronVelocity> ironVelocity(const IronWater& w) {
    IronVelocity v;
    const double fe = w.iron;
    v.c = (0.4343 * std::log(fe) + 1.0) * 307.5 /
          (std::pow(10.0, 0.55 * w.pH) * (1.0 - 0.1 * fe + 0.005 * fe * fe));
    v.velocity = w.bedHeight * w.oxygen / (v.c * w.grain * (26.31 - w.temperature));
    v.shellHeight = w.bedHeight * 1000.0 + 1000.0;
    if (!finite({v.c, v.velocity}) || v.c == 0.0)
        return std::nullopt;
    return v;
}

std::optional<IronFilterSize> dimensionIronFilter(double flow, double velocity, double shellHeight,
                                                  int filters, double ratio) {
    if (filters < 2)
        return std::nullopt;
    IronFilterSize s;
    s.flow = flow;
    s.area = flow / velocity;
    s.volume = shellHeight / 1000.0 * s.area;
    s.areaPerFilter = s.area / (filters - 1);
    if (!finite({s.area, s.volume}))
        return std::nullopt;
    const std::optional<CircleSize> circle = circleOf(s.areaPerFilter, shellHeight);
    const std::optional<RectangleSize> rectangle = rectangleOf(s.areaPerFilter, ratio, shellHeight, 51.0);
    if (!circle || !rectangle || !finite({circle->area, rectangle->area}))
        return std::nullopt;
    s.circle = *circle;
    s.rectangle = *rectangle;
    return s;
}

} // namespace velmora
