#include "GoldenRecord.h"
#include "SampleWaters.h"
#include "ShippedTemplate.h"
#include "treatment/CorrosionAssessment.h"
#include "treatment/CorrosionForm.h"
#include "treatment/CorrosionRecord.h"
#include "windows/SheetTemplates.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace velmora {
namespace {

// The corrosion record of the groundwater with 8.5 mg/l of oxygen, as the dialog makes it.
CorrosionRecord groundwaterRecord() {
    CorrosionRecord record;
    const FormResult result =
        runCorrosionForm(record, test::evaluatedWater(),
                         AnalysisHeader(QStringLiteral("Brunnen Süd"), QStringLiteral("Jörg Maß"),
                                        QStringLiteral("09.12.26"), QStringLiteral("Netz Nord"), QString()),
                         QStringLiteral("8,5"));
    EXPECT_EQ(result.step, FormResult::Step::Done);
    return record;
}

// A water at every limit of the iron rules: rho(O2) 3 mg/l, pH 7, KS(4,3) 2 mmol/l, free calcium 0.5.
CorrosionRecord atTheLimits() {
    CorrosionRecord r;
    r.inputs.ks43 = 2;
    r.inputs.kb82 = 0.7;
    r.inputs.tKs = 20;
    r.inputs.tKb = 20;
    r.inputs.tEval = 10;
    r.inputs.totals = {2, 0.5, 1, 0.1, 0.5, 1, 1}; // c(Cl) 1, c(NO3) 1 mmol/l
    r.pHAtTb = 7;
    r.caFree = 0.5;
    r.so4Free = 0.5; // R1 = (1 + 1) / 2 = 1, R2 = 2 / 1 = 2
    r.hco3 = 1;      // R3 = 1 / 0.5 = 2
    r.o2Mass = 3;
    return r;
}

std::vector<std::string> texts(const CorrosionRecord& record) {
    std::vector<std::string> all;
    for (const QString& text : corrosionTexts(record))
        all.push_back(text.toStdString());
    return all;
}

TEST(CorrosionTest, AValueEqualToALimitPasses) {
    const std::vector<std::string> expected{
        "Un- und niedriglegierte Eisenwerkstoffe",
        "Beurteilung der gleichmäßigen Flächenkorrosion:",
        "rho(O2) = 3.000 mg/l",
        "pH-Wert = 7.000 bei tb = 10.000 °C",
        "Ks(4,3) = 2.000 mmol/l bei tKs(4,3) = 20.000 °C",
        "c(Ca2+) = 0.500 mmol/l",
        "Unter Berücksichtigung der oben aufgeführten Parameter",
        "kann sich die Kalk-Rostschutzschicht ausbilden.",
        "Beurteilung der Mulden- und Lochkorrosion:",
        "[c(Cl-) + c(1/2 SO4--)] / Ks(4,3) = 1.000",
        "rho(O2) = 3.000 mg/l ==> rho(O2) > 0.1 mg/l",
        "Die örtliche Korrosion wird begünstigt.",
        "Feuerverzinkte Eisenwerkstoffe",
        "Beurteilung der gleichmäßigen Flächenkorrosion:",
        "Ks(4,3) = 2.000 mmol/l  bei tKs(4,3) = 20.000 °C",
        "Kb(8,2) = 0.700 mmol/l  bei tKb(8,2) = 20.000 °C",
        "Unter Berücksichtigung der oben aufgeführten Parameter",
        "kann sich die Schutzschicht ausbilden.",
        "Beurteilung der Mulden-, Loch- und selektiven Korrosion:",
        "Ks(4,3) = 2.000 mmol/l  bei tKs(4,3) = 20.000 °C",
        "[c(Cl-) + c(1/2 SO4--)] / Ks(4,3) = 1.000",
        "c(Ca2+) = 0.500 mmol/l",
        "rho(O2) = 3.000 mg/l ==> rho(O2) > 0.1",
        "Schäden durch Muldenkorrosion sind möglich.",
        "[c(Cl-) + c(1/2 SO4--)] / c(NO3-) = 2.000",
        "Schäden durch selektive Korrosion sind nicht zu erwarten.",
        "Kupfer und Kupferlegierungen",
        "Beurteilung der Lochkorrosion:",
        "c(HCO3-) / c(SO4--) = 2.000",
        "rho(O2) = 3.000 mg/l ==> 0.1 mg/l",
        "Schäden durch Lochkorrosion sind nicht zu erwarten.",
        "Möglicherweise im Wasser enthaltene Inhibitoren wurden nicht berücksichtigt!",
    };
    EXPECT_EQ(texts(atTheLimits()), expected);

    // A value a rounding error beside its limit, as mmol/l converted from mol/l can be, counts as the limit.
    CorrosionRecord beside = atTheLimits();
    beside.inputs.ks43 = std::nextafter(2.0, 0.0);
    beside.o2Mass = std::nextafter(3.0, 0.0);
    beside.caFree = std::nextafter(0.5, 0.0);
    EXPECT_EQ(texts(beside)[7], expected[7]);
}

TEST(CorrosionTest, EachRuleBelowItsLimit) {
    CorrosionRecord r = atTheLimits();
    r.o2Mass = 2;
    r.pHAtTb = 6.9;
    r.inputs.ks43 = 0.9;
    r.inputs.kb82 = 0.8;
    r.caFree = 0.4;
    r.hco3 = 0.9;
    r.inputs.totals[5] = 1.5; // R2 = 2 / 1.5
    const std::vector<std::string> t = texts(r);
    EXPECT_EQ(t[2], "rho(O2) = 2.000 mg/l ==> rho(O2) < 3 mg/l");
    EXPECT_EQ(t[3], "pH-Wert = 6.900 bei tb = 10.000 °C ==> pH < 7");
    EXPECT_EQ(t[4], "Ks(4,3) = 0.900 mmol/l bei tKs(4,3) = 20.000 °C ==> Ks(4,3) < 2 mmol/l");
    EXPECT_EQ(t[5], "c(Ca2+) = 0.400 mmol/l ==> c(Ca2+) < 0.5 mmol/l");
    EXPECT_EQ(t[7], "ist die Ausbildung der Kalk-Rostschutzschicht gefährdet.");
    EXPECT_EQ(t[9], "[c(Cl-) + c(1/2 SO4--)] / Ks(4,3) = 2.222 ==> größer 1");
    EXPECT_EQ(t[14], "Ks(4,3) = 0.900 mmol/l  bei tKs(4,3) = 20.000 °C ==> Ks(4,3) < 1 mmol/l");
    EXPECT_EQ(t[15], "Kb(8,2) = 0.800 mmol/l  bei tKb(8,2) = 20.000 °C ==> Kb(8,2) > 0.7 mmol/l");
    EXPECT_EQ(t[17], "ist die Ausbildung der Schutzschicht gefährdet.");
    EXPECT_EQ(t[19], "Ks(4,3) = 0.900 mmol/l  bei tKs(4,3) = 20.000 °C ==> Ks(4,3) < 2");
    EXPECT_EQ(t[20], t[9]);
    EXPECT_EQ(t[21], "c(Ca2+) = 0.400 mmol/l ==> cCa < 0.5");
    EXPECT_EQ(t[24], "[c(Cl-) + c(1/2 SO4--)] / c(NO3-) = 1.333 ==> kleiner 2");
    EXPECT_EQ(t[25], "Schäden durch selektive Korrosion sind möglich.");
    EXPECT_EQ(t[28], "c(HCO3-) / c(SO4--) = 1.800 ==> kleiner 2");
    EXPECT_EQ(t[30], "Schäden durch Lochkorrosion sind möglich.");
}

TEST(CorrosionTest, LittleOxygenPreventsLocalCorrosion) {
    CorrosionRecord r = atTheLimits();
    r.o2Mass = 0.1;
    r.hco3 = 0.5; // R3 = 1: only the oxygen keeps the copper safe
    const std::vector<std::string> t = texts(r);
    EXPECT_EQ(t[10], "rho(O2) = 0.100 mg/l");
    EXPECT_EQ(t[11], "Die örtliche Korrosion wird verhindert.");
    EXPECT_EQ(t[22], "rho(O2) = 0.100 mg/l");
    EXPECT_EQ(t[23], "Schäden durch Muldenkorrosion sind nicht zu erwarten.");
    EXPECT_EQ(t[29], "rho(O2) = 0.100 mg/l");
    EXPECT_EQ(t[30], "Schäden durch Lochkorrosion sind nicht zu erwarten.");
}

TEST(CorrosionTest, EachMaterialIsJudgedByItsOwnCriteria) {
    // Unfavourable for iron (too little oxygen) and for selective corrosion (R2 < 2); favourable for
    // galvanized iron and, by R3, for copper.
    CorrosionRecord r = atTheLimits();
    r.o2Mass = 2;
    r.inputs.totals[5] = 1.5;
    const std::vector<std::string> t = texts(r);
    EXPECT_EQ(t[7], "ist die Ausbildung der Kalk-Rostschutzschicht gefährdet.");
    EXPECT_EQ(t[17], "kann sich die Schutzschicht ausbilden.");
    EXPECT_EQ(t[25], "Schäden durch selektive Korrosion sind möglich.");
    EXPECT_EQ(t[30], "Schäden durch Lochkorrosion sind nicht zu erwarten.");
}

TEST(CorrosionTest, AZeroDivisorGivesTheLargeRatio) {
    CorrosionRecord r = atTheLimits();
    r.inputs.ks43 = 0;
    r.inputs.totals[5] = 0;
    r.so4Free = 0;
    const std::vector<std::string> t = texts(r);
    EXPECT_EQ(t[9], "[c(Cl-) + c(1/2 SO4--)] / Ks(4,3) = 9999999.000 ==> größer 1");
    EXPECT_EQ(t[24], "[c(Cl-) + c(1/2 SO4--)] / c(NO3-) = 9999999.000");
    EXPECT_EQ(t[25], "Schäden durch selektive Korrosion sind nicht zu erwarten.");
    EXPECT_EQ(t[28], "c(HCO3-) / c(SO4--) = 9999999.000");
}

TEST(CorrosionTest, Markers) {
    const CorrosionRecord r = groundwaterRecord();
    const auto marker = [&r](const char* cell) {
        return r.markerText(QString::fromLatin1(cell)).value_or(QStringLiteral("<kept>")).toStdString();
    };
    EXPECT_EQ(marker("*001*"), "Brunnen Süd");
    EXPECT_EQ(marker("*004*"), "Netz Nord");
    EXPECT_EQ(marker("*005*"), "");
    EXPECT_EQ(marker("*006*"), "7.210");
    EXPECT_EQ(marker("*007*"), "4.350");
    EXPECT_EQ(marker("*011*"), "11.400");
    EXPECT_EQ(marker("*014*"), "10.000");
    EXPECT_EQ(marker("*017*"), "25.000");
    EXPECT_EQ(marker("*018*"), "2.450");
    EXPECT_EQ(marker("*025*"), "98.196"); // 2.45 mmol/l of calcium in mg/l
    EXPECT_EQ(marker("*032*"), "Un- und niedriglegierte Eisenwerkstoffe");
    EXPECT_EQ(marker("*063*"),
              "Möglicherweise im Wasser enthaltene Inhibitoren wurden nicht berücksichtigt!");
    EXPECT_EQ(marker("*136*"), "8.500");
    EXPECT_EQ(marker("*064*"), "<kept>");
    EXPECT_EQ(marker("*000*"), "<kept>");
    EXPECT_EQ(marker("*0032*"), "<kept>"); // a star in the sixth place does not count here
}

TEST(CorrosionTest, TheDialogHandsOverTheWaterAtTb) {
    const WaterWindowData water = test::evaluatedWater();
    const CorrosionRecord r = groundwaterRecord();
    EXPECT_EQ(r.inputs, shownInputsOf(water));
    EXPECT_EQ(r.pHAtTb, water.slots[1][slot::pH]);
    EXPECT_EQ(r.caFree, water.slots[1][slot::caFree] * 1000);
    EXPECT_EQ(r.so4Free, water.slots[1][slot::so4Free] * 1000);
    EXPECT_EQ(r.hco3, water.slots[1][slot::hco3] * 1000);
    EXPECT_EQ(r.o2Mass, 8.5); // the dialog's, not the water's
}

TEST(CorrosionTest, FieldsStandAtTheirOffsets) {
    const CorrosionRecord r = groundwaterRecord();
    const QByteArray bytes = r.encode();
    ASSERT_EQ(bytes.size(), 4120);
    const RecordReader read(bytes);
    EXPECT_EQ(read.readText(0), QStringLiteral("Brunnen Süd"));
    EXPECT_EQ(read.readText(243), QStringLiteral("Netz Nord"));
    const std::pair<qsizetype, double> fields[] = {
        {408, r.inputs.pHm},    {416, r.inputs.tPh},       {424, r.inputs.ks43},
        {432, r.inputs.tKs},    {440, r.inputs.kb82},      {448, r.inputs.tKb},
        {456, r.pHAtTb},        {464, r.caFree},           {472, r.so4Free},
        {480, r.hco3},          {488, r.inputs.dic},       {496, r.inputs.tEval},
        {504, r.inputs.mValue}, {512, r.inputs.k25},       {520, r.inputs.siTarget},
        {528, r.o2Mass},        {536, r.inputs.totals[0]}, {584, r.inputs.totals[6]}};
    for (const auto& [offset, value] : fields)
        EXPECT_EQ(read.readDouble(offset), value) << offset;
    EXPECT_EQ(bytes.mid(592), QByteArray(3528, '\0'));
}

TEST(CorrosionTest, MatchesTheGoldenFileAndRefusesEveryShorterOne) {
    test::expectGoldenFile("rohrnetz.wak", groundwaterRecord());
}

TEST(CorrosionTest, TheTemplateShowsEveryValueAndText) {
    const CorrosionRecord record = groundwaterRecord();
    const std::set<int> used = test::shippedTemplateMarkers("KorrFenster.vts", record);
    std::set<int> expected{136};
    for (int number = 1; number <= 63; ++number)
        expected.insert(number);
    EXPECT_EQ(used, expected);
}

} // namespace
} // namespace velmora
