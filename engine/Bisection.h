#pragma once

#include "engine/ArithmeticFaults.h"
#include "engine/EngineSteps.h"
#include "engine/Solver.h"
#include "engine/WaterState.h"

#include <cmath>

namespace velmora {

/// Bisection on the pH between lo and hi. At each midpoint (water.pH) `prepare` runs, the water is
/// speciated and `residual` evaluates it; a positive residual means the root lies above. Stops when
/// |residual| < tolerance, or when the bracket can no longer shrink, keeping the last midpoint in either
/// case.
template <typename Prepare, typename Residual>
Steps<SearchResult> bisectPh(WaterState& water, double lo, double hi, double tolerance, const char* operation,
                             Prepare prepare, Residual residual) {
    // A double bracket stops shrinking after about 60 halvings; the bound only guards against a bracket
    // that oscillates between two representable values.
    constexpr int maxHalvings = 200;
    SearchResult result{false, 0};
    for (int i = 0; i < maxHalvings; ++i) {
        const double mid = 0.5 * (lo + hi);
        if (mid == lo || mid == hi)
            break;
        water.pH = mid;
        prepare();
        co_await speciation(water);
        const double r = residual();
        ++result.halvings;
        throwOnArithmeticFault(operation, r);
        if (std::fabs(r) < tolerance) {
            result.converged = true;
            break;
        }
        if (r > 0)
            lo = mid;
        else
            hi = mid;
    }
    co_return result;
}

} // namespace velmora
