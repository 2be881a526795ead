#include "treatment/RapidDecarbonisation.h"

#include "engine/ArithmeticFaults.h"

#include <cmath>
#include <numbers>

namespace velmora {

namespace {

using T = SectionTable;
constexpr double pi = std::numbers::pi;
const double cotangentOfWall = 1.0 / std::tan(20.0 * pi / 180.0); // the cone walls make 20° with the axis

// The next multiple of 100 mm strictly above a diameter given by its radius in metres (a root of exactly
// 0.3 m gives 400 mm), and above a height in mm.
double diameterAbove(double radius) {
    return std::trunc(radius * 10.0 + 1.0) * 100.0;
}
double heightAbove(double millimetres) {
    return std::trunc(millimetres / 100.0 + 1.0) * 100.0;
}

// A frustum between two diameters (mm) with walls at 20°, in mm³ divided into m³.
double coneVolume(double upper, double lower) {
    return pi / 12.0 * (upper * upper + upper * lower + lower * lower) * (upper - lower) / 2.0 *
           cotangentOfWall * 1e-9;
}

double coneHeight(double volume, double upper, double lower) {
    return 12.0 * volume * 1e9 / (pi * (upper * upper + upper * lower + lower * lower));
}

double cylinderVolume(double diameter, double height) {
    return pi * diameter * diameter * height / 4.0 * 1e-9;
}

// Volumes, residence times and the totals of the table from its diameters and heights.
void volumesAndTimes(T& t, double flow) {
    for (int section : {T::A, T::C, T::F})
        t.setValue(T::Volume, section,
                   cylinderVolume(t.value(T::Diameter, section), t.value(T::Height, section)));
    t.setValue(T::Volume, T::B, coneVolume(t.value(T::Diameter, T::A), t.value(T::Diameter, T::C)));
    t.setValue(T::Volume, T::D, coneVolume(t.value(T::Diameter, T::C), t.value(T::Diameter, T::F)));
    t.setText(T::Volume, T::E, QStringLiteral("-- --"));
    double time = 0;
    for (int section = T::A; section <= T::F; ++section) {
        t.setValue(T::Time, section, t.value(T::Volume, section) / flow * 60.0);
        time += t.value(T::Time, section);
    }
    t.setValue(T::Time, T::Total, time);
}

void totals(T& t) {
    double volume = 0;
    double height = 0;
    for (int section = T::A; section <= T::F; ++section) {
        volume += t.value(T::Volume, section);
        height += t.value(T::Height, section);
    }
    t.setValue(T::Volume, T::Total, volume);
    t.setValue(T::Height, T::Total, height);
}

} // namespace

double calciumExcessCorrelation(const RapidInputs& in) {
    const double x = (in.calcium - in.hco3) * 1000.0;
    return -0.0045 * x * x * x + 0.0543 * x * x - 0.2641 * x + 0.7417;
}

RapidDesign designRapidDecarbonisation(const RapidInputs& in) {
    ArithmeticFaultScope faults;
    const double q = in.flow;
    RapidDesign design{T::initial(), calciumExcessCorrelation(in), 0};
    T& t = design.table;

    const auto radius = [q, &t](int section) {
        return std::sqrt(4.0 * q / (pi * t.value(T::Velocity, section)));
    };
    for (int section : {T::A, T::C, T::F})
        t.setValue(T::Diameter, section, diameterAbove(radius(section)));
    t.setValue(T::Diameter, T::E, std::trunc(radius(T::E) * 1000.0 / 10.0 + 0.5) * 10.0);

    do {
        ++design.passes;
        volumesAndTimes(t, q);
        totals(t);
        t.setValue(
            T::Height, T::B,
            coneHeight(t.value(T::Volume, T::B), t.value(T::Diameter, T::A), t.value(T::Diameter, T::C)));
        t.setValue(
            T::Height, T::D,
            coneHeight(t.value(T::Volume, T::D), t.value(T::Diameter, T::C), t.value(T::Diameter, T::F)));
        totals(t);

        const double time = t.value(T::Volume, T::Total) / q * 60.0;
        const double missingVolume = q * (in.minimumTime - time) / 60.0;
        const double dA = t.value(T::Diameter, T::A) / 1000.0;
        const double missingHeight = missingVolume * 4.0 / (pi * dA * dA) * 1000.0;
        t.setValue(T::Height, T::A, heightAbove(t.value(T::Height, T::A) + missingHeight));

        for (int section : {T::A, T::C, T::E, T::F}) {
            const double d = t.value(T::Diameter, section) / 1000.0;
            t.setValue(T::Velocity, section, 4.0 * q / (pi * d * d));
        }
        volumesAndTimes(t, q);
        totals(t);
        if (t.value(T::Height, T::A) > maxHeightOfA)
            t.setValue(T::Diameter, T::A, t.value(T::Diameter, T::A) + 100.0);
    } while (t.value(T::Height, T::A) > maxHeightOfA && design.passes < maxGeometryPasses);
    throwOnArithmeticFault("designRapidDecarbonisation", design.p);
    return design;
}

} // namespace velmora
