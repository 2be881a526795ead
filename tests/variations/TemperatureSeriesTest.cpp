#include "variations/TemperatureSeries.h"

#include "common/Units.h"
#include "Near.h"
#include "VariationSamples.h"

#include <gtest/gtest.h>

using namespace velmora;
using test::isNear;
using test::Tolerance;

namespace {

void expectRowTemperatures(const VariationRecord& record, double first, double step) {
    for (std::size_t row = 0; row < VariationRecord::rowCount; ++row)
        EXPECT_TRUE(isNear("tb of row " + std::to_string(row),
                           units::kelvinToCelsius(record.rows[row][slot::tEval]), first + double(row) * step,
                           Tolerance::abs(1e-9)));
}

} // namespace

TEST(TemperatureSeries, RowsAreEvenlySpacedFromStartToEnd) {
    const VariationRecord wide = test::temperatureSeries(0, 70);
    expectRowTemperatures(wide, 0, 7);
    EXPECT_EQ(wide.rangeStart, 0.0);
    EXPECT_EQ(wide.rangeEnd, 70.0);
    expectRowTemperatures(test::temperatureSeries(10, 15), 10, 0.5);
    EXPECT_EQ(temperatureStep(0, 1), 0.1);
    EXPECT_EQ(temperatureStep(0, 7), 0.7);
}

TEST(TemperatureSeries, OnlyTheMeasuredInputsCarryOver) {
    // The water window's own tb does not matter, its input method does.
    const VariationRecord at10 = test::temperatureSeries(0, 70, 1, 10);
    const VariationRecord at25 = test::temperatureSeries(0, 70, 1, 25);
    EXPECT_EQ(at10.rows, at25.rows);
    EXPECT_EQ(at10.inputMethod, 1);
    EXPECT_EQ(test::temperatureSeries(0, 70, 4).inputMethod, 4);
}

TEST(TemperatureSeries, RangeMustRiseAndEndAtSeventyDegrees) {
    const struct {
        double start, end;
        bool valid;
    } ranges[] = {{0, 70, true},   {10, 15, true}, {69, 70, true}, {20, 20, false},
                  {30, 20, false}, {0, 71, false}, {0, 99, false}};
    for (const auto& range : ranges)
        EXPECT_EQ(isTemperatureRange(range.start, range.end), range.valid)
            << range.start << " to " << range.end;
}
