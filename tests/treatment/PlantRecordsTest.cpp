#include "treatment/PlantRecords.h"

#include "common/NumberText.h"
#include "GoldenRecord.h"
#include "SampleWaters.h"
#include "ShippedTemplate.h"
#include "treatment/PlantForms.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

const AnalysisHeader header(QStringLiteral("Werk Ost"), QStringLiteral("Jörg Maß"),
                            QStringLiteral("09.12.26"), QStringLiteral("Stufe 1"), QStringLiteral("Entwurf"));

RapidDecarbonisationRecord reactor() {
    RapidDecarbonisationRecord record;
    EXPECT_EQ(runRapidDecarbonisationForm(
                  record, header,
                  {QStringLiteral("150"), QStringLiteral("15"), QStringLiteral("2"), QStringLiteral("3")})
                  .step,
              FormResult::Step::Done);
    record.water = WaterInputs::of(test::evaluatedWater());
    return record;
}

HDecarbonisationRecord hColumn() {
    HDecarbonisationRecord record;
    EXPECT_EQ(runHDecarbonisationForm(record, header, QStringLiteral("50"), QStringLiteral("48"),
                                      QStringLiteral("3"), true)
                  .step,
              FormResult::Step::Done);
    return record;
}

SofteningRecord softener() {
    SofteningRecord record;
    EXPECT_EQ(runSofteningForm(record, header,
                               {QStringLiteral("20"), QStringLiteral("8"), QStringLiteral("0,01"),
                                QStringLiteral("7"), QStringLiteral("2")})
                  .step,
              FormResult::Step::Done);
    return record;
}

std::string marker(const ResultRecord& record, int number) {
    return record.markerText(QStringLiteral("*%1*").arg(number, 3, 10, QLatin1Char('0')))
        .value_or(QStringLiteral("<kept>"))
        .toStdString();
}

// ---- rapid decarbonisation

TEST(RapidDecarbonisationRecordTest, FieldsStandAtTheirOffsets) {
    using T = SectionTable;
    const RapidDecarbonisationRecord r = reactor();
    const QByteArray bytes = r.encode();
    ASSERT_EQ(bytes.size(), 11608);
    const RecordReader read(bytes);
    const char* const texts[] = {"Werk Ost", "Jörg Maß", "09.12.26", "Stufe 1", "Entwurf",
                                 "150",      "15",       "2",        "3",       "0.527"};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(read.readText(81 * i).toStdString(), texts[i]) << i;
        EXPECT_EQ(read.readText(810 + (60 + i) * 101).toStdString(), texts[i]) << i; // row 6 of the grid
    }
    const auto cellAt = [](int row, int column) {
        return 810 + (10 * row + column) * 101;
    };
    int written = 0;
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 10; ++column) {
            const bool value = column < 8 && RapidDecarbonisationRecord::isValueCell(row, column);
            written += value;
            EXPECT_EQ(read.readText(cellAt(row, column)), value ? r.table.text(row, column) : QString())
                << row << "," << column;
        }
    EXPECT_EQ(written, 27);
    EXPECT_EQ(read.readText(cellAt(T::Diameter, T::E)).toStdString(), "270.00");
    EXPECT_EQ(read.readDouble(7880), r.water.pHm);
    EXPECT_EQ(read.readDouble(7920), r.water.tKb);
    EXPECT_EQ(bytes.mid(7928, 32), QByteArray(32, '\0'));
    EXPECT_EQ(read.readDouble(7960), r.water.dic);
    EXPECT_EQ(read.readDouble(8000), r.water.o2Mass);
    EXPECT_EQ(read.readDouble(8008), r.water.totals[0]);
    EXPECT_EQ(read.readDouble(8056), r.water.totals[6]);
    EXPECT_EQ(bytes.mid(8064), QByteArray(3544, '\0'));
}

TEST(RapidDecarbonisationRecordTest, ALoadedRecordTakesItsTextsFromRowSix) {
    QByteArray bytes = reactor().encode();
    // Another name at offset 6870 than at offset 0, and a value in a cell the window does not show.
    bytes.replace(6870, 8, QByteArray("\x07Werk Nd", 8));
    bytes.replace(810 + 2, 3, QByteArray("\x02xy", 3));
    RapidDecarbonisationRecord loaded;
    loaded.decode(bytes);
    EXPECT_EQ(loaded.texts[RapidDecarbonisationRecord::Name].toStdString(), "Werk Nd");
    EXPECT_EQ(loaded.table.text(0, 0), QString());
    EXPECT_EQ(RecordReader(loaded.encode()).readText(0).toStdString(), "Werk Nd");
}

TEST(RapidDecarbonisationRecordTest, Markers) {
    const RapidDecarbonisationRecord r = reactor();
    EXPECT_EQ(marker(r, 1), "Werk Ost");
    EXPECT_EQ(marker(r, 6), "150");
    EXPECT_EQ(marker(r, 10), "0.527");
    EXPECT_EQ(marker(r, 13), r.table.text(3, 1).toStdString()); // A: d
    EXPECT_EQ(marker(r, 16), "----");
    EXPECT_EQ(marker(r, 17), r.table.text(2, 2).toStdString()); // B: h
    EXPECT_EQ(marker(r, 18), "----");
    EXPECT_EQ(marker(r, 31), r.table.text(1, 5).toStdString()); // E: v
    EXPECT_EQ(marker(r, 33), "270.00");
    EXPECT_EQ(marker(r, 34), "----");
    EXPECT_EQ(marker(r, 35), "0.00");
    EXPECT_EQ(marker(r, 41), "----");
    EXPECT_EQ(marker(r, 45), r.table.text(5, 7).toStdString()); // the total time
    EXPECT_EQ(marker(r, 46), "<kept>");
    EXPECT_EQ(marker(r, 0), "<kept>");
}

TEST(RapidDecarbonisationRecordTest, MatchesTheGoldenFileAndRefusesEveryShorterOne) {
    test::expectGoldenFile("reaktor.wse", reactor());
}

// ---- H-decarbonisation

TEST(HDecarbonisationRecordTest, FieldsStandAtTheirOffsets) {
    const HDecarbonisationRecord r = hColumn();
    const QByteArray bytes = r.encode();
    ASSERT_EQ(bytes.size(), 4464);
    const RecordReader read(bytes);
    EXPECT_EQ(read.readText(324).toStdString(), "Entwurf");
    EXPECT_EQ(read.readText(405).toStdString(), "50");
    EXPECT_EQ(read.readText(486).toStdString(), "48");
    EXPECT_EQ(read.readText(567).toStdString(), "3");
    EXPECT_EQ(read.readText(648).toStdString(), "0.000");
    const HDecarbonisationDesign& d = r.design;
    const double items[] = {d.c0,
                            d.flow,
                            d.time,
                            d.water,
                            d.load,
                            d.capacity,
                            d.exchangerVolume,
                            d.specificFlow,
                            d.x,
                            d.column.diameter,
                            d.column.area,
                            d.column.velocity,
                            d.column.height,
                            d.column.height2};
    for (int k = 0; k < 14; ++k)
        EXPECT_EQ(read.readDouble(944 + 8 * k), items[k]) << k;
    EXPECT_EQ(bytes.mid(1056), QByteArray(3408, '\0'));
}

TEST(HDecarbonisationRecordTest, Markers) {
    const HDecarbonisationRecord r = hColumn();
    EXPECT_EQ(marker(r, 5), "Entwurf");
    EXPECT_EQ(marker(r, 10), "3.000");
    EXPECT_EQ(marker(r, 11), formatNumber(r.design.flow).toStdString());
    EXPECT_EQ(marker(r, 19), formatNumber(r.design.column.diameter).toStdString());
    EXPECT_EQ(marker(r, 23), formatNumber(r.design.column.height2).toStdString());
    for (int kept : {6, 9, 24})
        EXPECT_EQ(marker(r, kept), "<kept>") << kept;
}

TEST(HDecarbonisationRecordTest, MatchesTheGoldenFileAndRefusesEveryShorterOne) {
    test::expectGoldenFile("h-entcarbonisierung.whe", hColumn());
}

// ---- softening

TEST(SofteningRecordTest, FieldsStandAtTheirOffsets) {
    const SofteningRecord r = softener();
    const QByteArray bytes = r.encode();
    ASSERT_EQ(bytes.size(), 4544);
    const RecordReader read(bytes);
    const char* const texts[] = {"20", "8", "0,01", "7", "2"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(read.readText(405 + 81 * i).toStdString(), texts[i]) << i;
    const SofteningDesign& d = r.design;
    // Design item k lies at 1024 + 8 k.
    const std::pair<int, double> items[] = {{3, d.water},          {4, d.load},
                                            {5, d.capacity},       {6, d.exchangerVolume},
                                            {7, d.specificFlow},   {9, d.column.diameter},
                                            {10, d.column.area},   {11, d.column.velocity},
                                            {12, d.column.height}, {13, d.column.height2},
                                            {16, d.level}};
    for (const auto& [k, value] : items)
        EXPECT_EQ(read.readDouble(1024 + 8 * k), value) << k;
    for (int unused : {8, 14, 15})
        EXPECT_EQ(read.readDouble(1024 + 8 * unused), 0.0) << unused;
    EXPECT_EQ(bytes.mid(1160), QByteArray(3384, '\0'));
}

TEST(SofteningRecordTest, Markers) {
    const SofteningRecord r = softener();
    EXPECT_EQ(marker(r, 10), "7");
    EXPECT_EQ(marker(r, 11), "20");
    EXPECT_EQ(marker(r, 12), "8");
    EXPECT_EQ(marker(r, 24), "2");
    EXPECT_EQ(marker(r, 25), "0,01");
    EXPECT_EQ(marker(r, 26), formatNumber(r.design.level).toStdString());
    for (int kept : {6, 9, 18, 27})
        EXPECT_EQ(marker(r, kept), "<kept>") << kept;
}

TEST(SofteningRecordTest, MatchesTheGoldenFileAndRefusesEveryShorterOne) {
    test::expectGoldenFile("enthaertung.weh", softener());
}

// ---- templates

std::set<int> range(std::initializer_list<std::pair<int, int>> spans) {
    std::set<int> numbers;
    for (const auto& [first, last] : spans)
        for (int n = first; n <= last; ++n)
            numbers.insert(n);
    return numbers;
}

TEST(PlantTemplatesTest, EachShowsEveryMarkerOfItsWindow) {
    EXPECT_EQ(test::shippedTemplateMarkers("SchnellEntcarFenster.vts", reactor()), range({{1, 45}}));
    EXPECT_EQ(test::shippedTemplateMarkers("HEntcarFenster.vts", hColumn()), range({{1, 5}, {10, 23}}));
    EXPECT_EQ(test::shippedTemplateMarkers("EnthFenster.vts", softener()),
              range({{1, 5}, {10, 17}, {19, 26}}));
}

} // namespace
} // namespace velmora
