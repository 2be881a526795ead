#include "engine/EngineError.h"
#include "GeneratedWaters.h"
#include "Near.h"
#include "TestData.h"

#include <gtest/gtest.h>
#include <QFile>

using namespace velmora;

namespace {

// What the baseline keeps of an evaluation: eleven results and the midpoints its bisections tried.
struct Outcome {
    bool failed = false;
    std::array<double, 11> values{};
    int halvings = 0;
};

Outcome evaluateOutcome(const AnalysisInput& input, int method) {
    Outcome o;
    try {
        EngineState e;
        storeAnalysisInput(e.water, input, method);
        o.halvings = runEngine(e, method).halvings;
        o.values = test::referenceResults(e);
    } catch (const EngineError&) {
        o.failed = true;
    }
    return o;
}

// Every sample water under every method, then the generated waters.
std::vector<std::pair<AnalysisInput, int>> baselineCases() {
    std::vector<std::pair<AnalysisInput, int>> cases;
    for (const test::NamedWater& water : test::sampleWaters())
        for (int method = 1; method <= 7; ++method)
            cases.emplace_back(water.input, method);
    for (const test::GeneratedWater& water : test::generatedWaters(1000))
        cases.emplace_back(water.input, water.method);
    return cases;
}

} // namespace

// The engine as it was when the baseline was written evaluates every case; a faster engine must reach the
// same results within rounding (1e-9 relative, 1e-15 absolute for small differences of large sums) along
// the same path: the same number of bisection midpoints and the same failures.
TEST(EngineBaseline, EveryCaseKeepsItsResultsAndItsPath) {
    QFile file(test::testDataPath(QStringLiteral("engine-baseline.csv")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const auto cases = baselineCases();
    std::size_t row = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        ASSERT_LT(row, cases.size());
        const QStringList fields = line.split(u';');
        const auto& [input, method] = cases[row];
        SCOPED_TRACE("case " + std::to_string(row) + ", method " + std::to_string(method));
        ASSERT_EQ(fields[0].toInt(), method);
        const Outcome o = evaluateOutcome(input, method);
        if (fields[1] == u"error") {
            EXPECT_TRUE(o.failed);
        } else {
            ASSERT_EQ(fields.size(), 13);
            ASSERT_FALSE(o.failed);
            EXPECT_EQ(o.halvings, fields[1].toInt());
            for (std::size_t i = 0; i < o.values.size(); ++i)
                EXPECT_TRUE(test::isNear(test::referenceResultNames[i], o.values[i],
                                         fields[int(i) + 2].toDouble(), {1e-15, 1e-9}));
        }
        ++row;
    }
    EXPECT_EQ(row, cases.size());
}
