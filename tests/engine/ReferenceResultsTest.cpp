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
    const char* names[] = {"pH(tb)", "SI(tb)", "pH(SIe)", "pHC(tb)", "caEq",         "pHm",
                           "ks43",   "kb82",   "dic",     "mValue",  "ionicStrength"};
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
        const WaterState& w = e.water;
        const double actual[] = {e.results[1][slot::pH],
                                 e.results[1][slot::si],
                                 e.results[2][slot::pH],
                                 e.results[3][slot::pH],
                                 w.caEq,
                                 w.pHm,
                                 w.ks43,
                                 w.kb82,
                                 w.dic,
                                 w.mValue,
                                 e.results[1][slot::ionicStrength]};
        for (int i = 0; i < 11; ++i)
            EXPECT_TRUE(isNear(names[i], actual[i], fields[i + 2].toDouble(), {1e-15, 1e-9}));
        ++rows;
    }
    EXPECT_EQ(rows, int(waters.size()) * 7);
}
