#include "filters/SandFilter.h"

#include "common/NumberText.h"
#include "filters/FilterSizes.h"

#include <cmath>
#include <numbers>
#include <QLocale>

namespace velmora {

namespace {

// Multi-layer filtration runs about 30 % faster than single-layer filtration.
constexpr double multiLayerFactor = 1.3;

struct VelocityList {
    double first;
    int count;
    int preset;
    SandRange range;
};

VelocityList velocityList(const SandChoice& c) {
    if (!c.pressure)
        return {4.0, 7, 2, {4.0, 7.0}};
    switch (c.kind) {
    case 1:
        return {7.0, 7, 2, {7.0, 10.0}};
    case 2:
        return {7.0, 17, 10, {7.0, 15.0}};
    default:
        return {10.0, 21, 10, {10.0, 20.0}};
    }
}

} // namespace

QString sandKindName(int kind) {
    switch (kind) {
    case 1:
        return QStringLiteral("Flockungsfiltration");
    case 2:
        return QStringLiteral("Filtration geflockten und sedimentierten Wassers");
    default:
        return QStringLiteral("Direktfiltration");
    }
}

SandVelocities sandVelocities(const SandChoice& choice) {
    const VelocityList list = velocityList(choice);
    SandVelocities velocities;
    for (int i = 0; i < list.count; ++i) {
        const double single = list.first + 0.5 * i;
        velocities.items << formatPattern(choice.multiLayer ? single * multiLayerFactor : single, u"#0.0",
                                          QLocale());
    }
    velocities.preset = list.preset;
    return velocities;
}

QStringList sandHeights(bool multiLayer) {
    if (multiLayer)
        return {QStringLiteral("2000"), QStringLiteral("2500"), QStringLiteral("3000")};
    return {QStringLiteral("1500"), QStringLiteral("2000"), QStringLiteral("2500")};
}

SandRange sandVelocityRange(const SandChoice& choice) {
    if (!choice.multiLayer)
        return velocityList(choice).range;
    // The ranges of several layers, as the lists show them.
    if (!choice.pressure)
        return {5.2, 9.1};
    switch (choice.kind) {
    case 1:
        return {9.1, 13.0};
    case 2:
        return {9.1, 19.5};
    default:
        return {13.0, 26.0};
    }
}

SandRange sandHeightRange(bool multiLayer) {
    return multiLayer ? SandRange{2000.0, 3000.0} : SandRange{1500.0, 2500.0};
}

std::optional<SandFilterSize> designSandFilter(double flow, int filters, double velocity, double height) {
    if (filters < 2)
        return std::nullopt;
    SandFilterSize s;
    s.flowPerFilter = flow / (filters - 1);
    s.area = s.flowPerFilter / velocity;
    s.diameter = std::sqrt(s.area * 4.0 / std::numbers::pi) * 1000.0;
    if (!std::isfinite(s.area) || !std::isfinite(s.diameter))
        return std::nullopt;
    s.roundedDiameter = roundedToTenthMetre(s.diameter, 49.0);
    s.shellHeight = height + 1000.0;
    return s;
}

} // namespace velmora
