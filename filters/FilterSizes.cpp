#include "filters/FilterSizes.h"

#include "common/NumberText.h"

#include <array>
#include <cmath>
#include <numbers>
#include <QLocale>

namespace velmora {

std::optional<double> roundedToTenthMetre(double mm, double allowance) {
    if (!std::isfinite(mm))
        return std::nullopt;
    // The written text decides: "#.#" leaves nothing of a value below 0.05.
    const QString text = formatPattern((mm + allowance) / 1000.0, u"#.#", QLocale::c());
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double metres = text.toDouble(&ok);
    return ok ? std::optional<double>(metres * 1000.0) : std::nullopt;
}

std::optional<CircleSize> circleOf(double areaPerFilter, double heightMm) {
    CircleSize c;
    c.diameter = std::sqrt(areaPerFilter * 4.0 / std::numbers::pi) * 1000.0;
    c.diameterPlus = c.diameter + 49.0;
    const std::optional<double> rounded = roundedToTenthMetre(c.diameter, 49.0);
    if (!rounded)
        return std::nullopt;
    c.roundedDiameter = *rounded;
    c.area = std::pow(c.roundedDiameter / 1000.0, 2) * std::numbers::pi / 4.0;
    c.volume = heightMm / 1000.0 * c.area;
    return c;
}

std::optional<RectangleSize> rectangleOf(double areaPerFilter, double ratio, double heightMm,
                                         double allowance) {
    RectangleSize r;
    r.ratio = ratio;
    r.width = std::sqrt(areaPerFilter / ratio) * 1000.0;
    r.length = ratio * r.width;
    r.widthPlus = r.width + allowance;
    r.lengthPlus = r.length + allowance;
    const auto side = [allowance](double mm) {
        return mm == 0.0 ? std::optional<double>(0.0) : roundedToTenthMetre(mm, allowance);
    };
    const std::optional<double> width = side(r.width);
    const std::optional<double> length = side(r.length);
    if (!width || !length)
        return std::nullopt;
    r.roundedWidth = *width;
    r.roundedLength = *length;
    r.area = r.roundedWidth / 1000.0 * r.roundedLength / 1000.0;
    r.volume = heightMm / 1000.0 * r.area;
    return r;
}

QStringList filterRatioItems() {
    QStringList items;
    for (int tenths = 10; tenths <= 70; tenths += 2)
        items << formatPattern(tenths / 10.0, u"#0.#");
    return items;
}

QString shareLabel(int filters) {
    static constexpr std::array<const char16_t*, 14> shares{u"100",   u"50",   u"33,33", u"25",    u"20",
                                                            u"16,67", u"14,3", u"12,5",  u"11,11", u"10",
                                                            u"9,1",   u"8,33", u"7,7",   u"7,14"};
    if (filters < 2 || filters > 15)
        return {};
    return QStringLiteral("x %1% Leistung").arg(QString::fromUtf16(shares[std::size_t(filters - 2)]));
}

QStringList filterCountItems() {
    QStringList items;
    for (int filters = 2; filters <= 15; ++filters)
        items << QString::number(filters);
    return items;
}

QString validFilterCount(const QString& text) {
    bool ok = false;
    const int filters = text.toInt(&ok);
    return ok && filters >= 2 && filters <= 15 ? text : QStringLiteral("2");
}

} // namespace velmora
