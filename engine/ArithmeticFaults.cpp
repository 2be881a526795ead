#include "engine/ArithmeticFaults.h"

#include "engine/EngineError.h"

#include <cfenv>
#include <cmath>

namespace velmora {

namespace {

// Underflow and inexact results are part of normal runs and are not faults.
constexpr int watchedFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

thread_local int scopeDepth = 0;

const char* faultName(int raised) {
    if (raised & FE_DIVBYZERO)
        return "Division durch null";
    if (raised & FE_OVERFLOW)
        return "Überlauf";
    if (raised & FE_INVALID)
        return "ungültige Rechenoperation";
    return "nicht endliches Ergebnis";
}

} // namespace

ArithmeticFaultScope::ArithmeticFaultScope() {
    if (scopeDepth++ == 0)
        std::feclearexcept(watchedFaults);
}

ArithmeticFaultScope::~ArithmeticFaultScope() {
    --scopeDepth;
}

void throwOnArithmeticFault(const char* operation, double value) {
    const int raised = std::fetestexcept(watchedFaults);
    if (raised == 0 && std::isfinite(value))
        return;
    std::feclearexcept(watchedFaults);
    throw EngineError(std::string("Rechenfehler in ") + operation + ": " + faultName(raised));
}

bool arithmeticFaultRaised() {
    return std::fetestexcept(watchedFaults) != 0;
}

void clearArithmeticFaults() {
    std::feclearexcept(watchedFaults);
}

} // namespace velmora
