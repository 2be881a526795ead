#pragma once

#include <cmath>
#include <gtest/gtest.h>
#include <string_view>

namespace velmora::test {

/// How close a computed value must come to its reference: |actual - expected| <= absolute +
/// relative * |expected|.
struct Tolerance {
    double absolute = 0.0;
    double relative = 0.0;

    static constexpr Tolerance abs(double a) { return {a, 0.0}; }
    static constexpr Tolerance rel(double r) { return {0.0, r}; }
};

/// Compares a named quantity, so that a failure says which quantity missed and by how much:
/// EXPECT_TRUE(isNear("lgK1 at 10 °C", w.lgK1, -6.4653, Tolerance::abs(5e-5))).
inline ::testing::AssertionResult isNear(std::string_view quantity, double actual, double expected,
                                         Tolerance tolerance) {
    const double allowed = tolerance.absolute + tolerance.relative * std::fabs(expected);
    const double deviation = std::fabs(actual - expected);
    if (deviation <= allowed)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << quantity << ": " << ::testing::PrintToString(actual) << " differs from "
           << ::testing::PrintToString(expected) << " by " << deviation << " (allowed " << allowed << ")";
}

} // namespace velmora::test
