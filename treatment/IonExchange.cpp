#include "treatment/IonExchange.h"

#include "engine/ArithmeticFaults.h"
#include "engine/EngineError.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora {

namespace {

constexpr double bedHeight = 1.5;      // m
constexpr double highestVelocity = 40; // m/h
constexpr double widestColumn = 3.6;   // m
constexpr int maxCapacityPasses = 255;
constexpr double capacityTolerance = 1e-5;
// Hostile inputs may keep an adjustment from ending; the programs' own never come near these.
constexpr int maxOptimisationSteps = 100000;
constexpr int maxLevelSteps = 1000000;

// The next 0.1 m strictly above the diameter of a cross-section (a root of exactly 2.0 m gives 2.1 m).
Column columnOfArea(double area, double flow, double exchangerVolume) {
    Column c;
    c.diameter = std::trunc(std::sqrt(4.0 * area / std::numbers::pi) * 10.0 + 1.0) / 10.0;
    c.area = std::numbers::pi * c.diameter * c.diameter / 4.0;
    c.velocity = flow / c.area;
    c.height = exchangerVolume / c.area;
    c.height2 = std::trunc(2.0 * c.height * 10.0 + 0.5) / 10.0;
    return c;
}

[[noreturn]] void notEnding(const char* operation) {
    throw EngineError(std::string(operation) + ": keine Lösung");
}

void hDesign(HDecarbonisationDesign& d) {
    d.water = d.flow * d.time;
    d.load = d.water * d.c0 * 1000.0;
    double capacity = 1.8;
    for (int pass = 1; pass <= maxCapacityPasses; ++pass) {
        d.capacity = capacity;
        d.exchangerVolume = d.load / capacity / 1000.0;
        d.specificFlow = d.flow / d.exchangerVolume;
        d.x = d.c0 * d.specificFlow;
        const double x = d.x;
        capacity = -269.792 * x * x * x * x + 192.739 * x * x * x - 27.4184 * x * x - 6.67 * x + 2.4;
        if (std::fabs(capacity - d.capacity) < capacityTolerance)
            break;
    }
    d.column = designColumn(d.exchangerVolume, d.flow);
}

void softeningDesign(SofteningDesign& d) {
    d.sodium = std::clamp(d.sodium, 2.1, 50.0);
    const double na = d.sodium;
    const double lnNa = std::log(na);
    const double factor = 0.0029 * na * na * na - 0.2486 * na * na + 8.5951 * na - 12.7728;
    const double exponent =
        na > 9 ? -0.2026 * std::pow(na, 0.2975) : -0.0094 * na * na + 0.1649 * na - 1.1202;
    for (int step = 0;; ++step) {
        if (step == maxLevelSteps)
            notEnding("designSoftening");
        d.level = std::pow(std::fabs(d.residual), exponent) * factor;
        d.capacity = std::log(d.level) * (0.5806 - 0.0806 * lnNa) + (0.3098 * lnNa - 1.4772);
        throwOnArithmeticFault("designSoftening", d.level);
        if (d.level > 300)
            d.residual *= 1.01;
        else if (d.level < 100)
            d.residual *= 0.99;
        else
            break;
    }
    d.water = d.flow * d.time;
    d.load = d.water * d.hardness * 1000.0;
    d.exchangerVolume = d.load / d.capacity / 1000.0;
    d.specificFlow = d.flow / d.exchangerVolume;
    d.column = designColumn(d.exchangerVolume, d.flow);
}

// Lengthens the run and lowers the flow until the column meets its limits, designing again after each
// change.
template <class Design>
void adjust(Design& d, double highestSpecificFlow, double timeStep, double flowFactor,
            void (*redesign)(Design&), const char* operation) {
    for (int step = 0; d.column.diameter > widestColumn || d.column.velocity > highestVelocity ||
                       d.specificFlow > highestSpecificFlow;
         ++step) {
        if (step == maxOptimisationSteps)
            notEnding(operation);
        if (d.specificFlow > highestSpecificFlow) {
            d.time += timeStep;
            redesign(d);
        }
        if (d.column.diameter > widestColumn) {
            d.flow *= flowFactor;
            redesign(d);
        }
        throwOnArithmeticFault(operation, d.column.diameter);
    }
}

} // namespace

Column designColumn(double exchangerVolume, double flow) {
    Column c = columnOfArea(exchangerVolume / bedHeight, flow, exchangerVolume);
    if (c.velocity > highestVelocity)
        c = columnOfArea(flow / highestVelocity, flow, exchangerVolume);
    return c;
}

HDecarbonisationDesign designHDecarbonisation(double c0, double flow, double time, bool optimised) {
    ArithmeticFaultScope faults;
    HDecarbonisationDesign d;
    d.c0 = c0 <= 1e-7 ? 0.00191 : c0;
    d.flow = flow;
    d.time = time;
    hDesign(d);
    if (optimised)
        adjust(d, 30.0, 1.0, 0.95, hDesign, "designHDecarbonisation");
    throwOnArithmeticFault("designHDecarbonisation", d.column.height2);
    return d;
}

SofteningDesign designSoftening(double hardness, double flow, double time, double residual, double sodium) {
    ArithmeticFaultScope faults;
    SofteningDesign d;
    d.hardness = hardness / 1000.0 <= 1e-7 ? 0.006 : hardness / 1000.0;
    d.flow = flow;
    d.time = time;
    d.residual = residual;
    d.sodium = sodium <= 1e-7 || sodium >= 100 ? 2.1 : sodium;
    softeningDesign(d);
    adjust(d, 40.0, 0.1, 0.98, softeningDesign, "designSoftening");
    throwOnArithmeticFault("designSoftening", d.column.height2);
    return d;
}

} // namespace velmora
