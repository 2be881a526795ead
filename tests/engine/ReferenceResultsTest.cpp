#include "Near.h"
#include "TestData.h"
#include "Waters.h"

#include <gtest/gtest.h>
#include <QFile>

using namespace velmora;
using velmora::test::isNear;
using velmora::test::Tolerance;

// The results of the sample waters under every method, as computed when the algorithms were written
// step by step. A change of step order, of a carried-over value or of a constant moves them; a
// rearranged formula that only changes rounding does not.
TEST(ReferenceResults, EveryWaterAndMethodKeepsItsNumbers) {
    QFile file(test::testDataPath(QStringLiteral("reference-results.csv")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const auto waters = test::sampleWaters();
    int rows = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u';');
        ASSERT_EQ(fields.size(), 13) << line.toStdString();
        const auto& water = waters.at(fields[0].toULongLong());
        const int method = fields[1].toInt();
        SCOPED_TRACE(water.name + ", method " + std::to_string(method));

        const EngineState e = test::evaluate(water.input, method);
        const std::array<double, 11> actual = test::referenceResults(e);
        for (std::size_t i = 0; i < actual.size(); ++i)
            EXPECT_TRUE(isNear(test::referenceResultNames[i], actual[i], fields[int(i) + 2].toDouble(),
                               {1e-15, 1e-9}));
        ++rows;
    }
    EXPECT_EQ(rows, int(waters.size()) * 7);
}
