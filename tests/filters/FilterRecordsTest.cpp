#include "filters/FilterRecords.h"

#include "common/FixedRecord.h"
#include "FilterSamples.h"
#include "GoldenRecord.h"
#include "ShippedTemplate.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

std::string marker(const ResultRecord& record, int number) {
    return record.markerText(QStringLiteral("*%1*").arg(number, 3, 10, QLatin1Char('0')))
        .value_or(QStringLiteral("<kept>"))
        .toStdString();
}

// The header, type text and index every filter record begins with.
void expectHead(const QByteArray& bytes, const char* typeText, int index) {
    const RecordReader read(bytes);
    EXPECT_EQ(read.readText(0).toStdString(), "Werk Ost");
    EXPECT_EQ(read.readText(324).toStdString(), "Entwurf");
    EXPECT_EQ(read.readText(405, 21).toStdString(), typeText);
    EXPECT_EQ(bytes.mid(426, 2), QByteArray(2, '\0'));
    EXPECT_EQ(read.bytes(428, 4), QByteArray::fromRawData(reinterpret_cast<const char*>(&index), 4));
    EXPECT_EQ(bytes.mid(520, 3528), QByteArray(3528, '\0'));
}

std::int32_t int32At(const QByteArray& bytes, qsizetype offset) {
    std::int32_t value = 0;
    std::memcpy(&value, bytes.constData() + offset, 4);
    return value;
}

void expectDoubles(const RecordReader& read, qsizetype offset, std::initializer_list<double> values) {
    for (double value : values) {
        EXPECT_EQ(read.readDouble(offset), value) << offset;
        offset += 8;
    }
}

// ---- activated carbon

TEST(CarbonFilterRecordTest, FieldsStandAtTheirOffsets) {
    const CarbonFilterRecord r = test::carbonSample();
    const QByteArray bytes = r.encode();
    ASSERT_EQ(bytes.size(), 4264);
    expectHead(bytes, "Aktivkohlefilter", 0);
    const RecordReader read(bytes);
    expectDoubles(read, 432, {100.0, 5.0, 3.0, 3333.0});
    EXPECT_EQ(int32At(bytes, 464), 5);
    EXPECT_EQ(int32At(bytes, 468), 0);
    expectDoubles(read, 472, {1.5, 0, 0, 0, 0, 0});
    const CarbonFilterDesign& d = r.design;
    EXPECT_EQ(int32At(bytes, 4048), 0);
    expectDoubles(read, 4056, {1.5, 5.0, 100.0, d.volume, 20.0, 5.0, d.height, d.height + 49, 3400.0});
    EXPECT_EQ(int32At(bytes, 4128), 5);
    EXPECT_EQ(read.readDouble(4136), 25.0);
    EXPECT_EQ(int32At(bytes, 4144), 5);
    const CircleSize& c = d.circle;
    expectDoubles(read, 4152, {c.diameter, c.diameter + 49, 2600.0, c.area, c.volume});
    const RectangleSize& q = d.rectangle;
    expectDoubles(read, 4192,
                  {1300.0, q.width, q.length, q.width + 49, q.length + 49, 3900.0, q.area, q.volume, 3.0});
}

TEST(CarbonFilterRecordTest, Markers) {
    const CarbonFilterRecord r = test::carbonSample();
    const char* const expected[] = {"Werk Ost",
                                    "Jörg Maß",
                                    "10.12.26",
                                    "Stufe 2",
                                    "Entwurf",
                                    "100,0",
                                    "1,5",
                                    "5,0",
                                    "66,667",
                                    "20,000",
                                    "3400",
                                    "5 Stück mit je ",
                                    "25,0 % Leistungsaufteilung",
                                    "5,000 m²",
                                    "2523",
                                    "2600",
                                    "5,309",
                                    "18,052",
                                    "1291",
                                    "1300",
                                    "3873",
                                    "3900",
                                    "1: 3,0",
                                    "5,070",
                                    "17,238",
                                    "Adsorption organischer Stoffe"};
    for (int n = 1; n <= 26; ++n)
        EXPECT_EQ(marker(r, n), expected[n - 1]) << n;
    EXPECT_EQ(marker(r, 27), "<kept>");
    CarbonFilterRecord reduction = r;
    reduction.design.purpose = 2;
    EXPECT_EQ(marker(reduction, 26), "Reduktion von Desinfektionsmitteln");
}

TEST(CarbonFilterRecordTest, MatchesTheGoldenFileAndRefusesEveryShorterOne) {
    test::expectGoldenFile("aktivkohle.waf", test::carbonSample());
}

// ---- iron removal

TEST(IronFilterRecordTest, FieldsStandAtTheirOffsets) {
    const IronFilterRecord r = test::ironSample();
    const QByteArray bytes = r.encode();
    ASSERT_EQ(bytes.size(), 4320);
    expectHead(bytes, "Enteisenung", 1);
    const RecordReader read(bytes);
    expectDoubles(read, 432, {1.0, 8.0, 7.0, 10.0});
    EXPECT_EQ(int32At(bytes, 464), 0);
    EXPECT_EQ(int32At(bytes, 468), 4);
    expectDoubles(read, 472, {1.0, 1.5, 15.33, 3.0, 0.0, 100.0});
    const IronFilterRecord::Design& d = r.design;
    expectDoubles(read, 4048, {1.0, 7.0, 8.0, 1.5, d.velocity.c, 1.0, 10.0, 15.33, d.velocity.velocity});
    EXPECT_EQ(bytes.mid(4120, 24), QByteArray(24, '\0'));
    expectDoubles(read, 4144, {100.0, 2500.0, d.size.volume, d.size.area, d.size.areaPerFilter});
    EXPECT_EQ(int32At(bytes, 4184), 4);
    EXPECT_EQ(int32At(bytes, 4188), 4);
    EXPECT_EQ(read.readDouble(4192), 100.0 / 3.0);
    EXPECT_EQ(int32At(bytes, 4200), 1);
    EXPECT_EQ(int32At(bytes, 4204), 0);
    const CircleSize& c = d.size.circle;
    expectDoubles(read, 4208, {c.diameter, c.diameter + 49, c.roundedDiameter, c.area, c.volume});
    const RectangleSize& q = d.size.rectangle;
    expectDoubles(read, 4248,
                  {q.roundedWidth, q.width, q.length, q.width + 51, q.length + 51, q.roundedLength, q.area,
                   q.volume, 3.0});
}

TEST(IronFilterRecordTest, Markers) {
    const IronFilterRecord r = test::ironSample();
    const std::pair<int, const char*> expected[] = {
        {5, "Entwurf"},
        {6, "1,000"},
        {7, "8,000"},
        {8, "7,0"},
        {9, "10,000"},
        {10, "1500"},
        {11, "1,0"},
        {12, "4 Stück mit je "},
        {13, "33,3 % Leistungsaufteilung"},
        {14, "2,174 m²"},
        {15, "1664"},
        {16, "1700"},
        {23, "1: 3,0"},
        {26, "0,048"},
        {27, "15,330 m/h"},
        {28, "15,330 m/h"},
        {29, "100,000 m³/h"},
        {30, "2500 mm"},
        {31, "<kept>"},
    };
    for (const auto& [number, text] : expected)
        EXPECT_EQ(marker(r, number), text) << number;
}

TEST(IronFilterRecordTest, MatchesTheGoldenFileAndRefusesEveryShorterOne) {
    test::expectGoldenFile("enteisenung.wff", test::ironSample());
}

// ---- sand filter

TEST(SandFilterRecordTest, FieldsStandAtTheirOffsets) {
    const QByteArray bytes = test::sandSample().encode();
    ASSERT_EQ(bytes.size(), 4320);
    expectHead(bytes, "Sandfilter", 0);
    const RecordReader read(bytes);
    expectDoubles(read, 432, {200.0, 15.0, 4.0, 2000.0});
    EXPECT_EQ(int32At(bytes, 464), 1);
    EXPECT_EQ(int32At(bytes, 468), 0);
    expectDoubles(read, 472, {4.44, 3000.0, 2379.0, 2400.0, 0.0, 0.0});
    EXPECT_EQ(bytes.mid(4048), QByteArray(272, '\0'));
}

TEST(SandFilterRecordTest, MarkersNameTheChoices) {
    SandFilterRecord r = test::sandSample();
    const char* const expected[] = {"Werk Ost",
                                    "Jörg Maß",
                                    "10.12.26",
                                    "Stufe 2",
                                    "Entwurf",
                                    "200,000",
                                    "15,0",
                                    "2000",
                                    "4 x ",
                                    "33,33 %",
                                    "4,440",
                                    "3000",
                                    "2379",
                                    "2400",
                                    "Direktfiltration",
                                    "Druckfilter",
                                    "Einschichtfiltration",
                                    "0,000"};
    for (int n = 1; n <= 18; ++n)
        EXPECT_EQ(marker(r, n), expected[n - 1]) << n;
    EXPECT_EQ(marker(r, 27), "<kept>");
    r.head.index = 1;
    r.pressureFilter = 0;
    r.multiLayer = 1;
    EXPECT_EQ(marker(r, 15), "Flockungsfiltration");
    EXPECT_EQ(marker(r, 16), "Offener Filter");
    EXPECT_EQ(marker(r, 17), "Mehrschichtfiltration");
    // The spare number a file may carry is shown and kept.
    QByteArray bytes = r.encode();
    const double spare = 12.5;
    bytes.replace(4240, 8, QByteArray(reinterpret_cast<const char*>(&spare), 8));
    SandFilterRecord loaded;
    loaded.decode(bytes);
    EXPECT_EQ(marker(loaded, 18), "12,500");
    EXPECT_EQ(loaded.encode(), bytes);
}

TEST(SandFilterRecordTest, MatchesTheGoldenFileAndRefusesEveryShorterOne) {
    test::expectGoldenFile("sandfilter.wsf", test::sandSample());
}

// ---- templates

TEST(FilterTemplatesTest, EveryMarkerOfTheShippedTemplatesHasAValue) {
    std::set<int> all;
    for (int n = 1; n <= 26; ++n)
        all.insert(n);
    EXPECT_EQ(test::shippedTemplateMarkers("AktivkohleFenster.vts", test::carbonSample()), all);
    for (int n = 27; n <= 30; ++n)
        all.insert(n);
    EXPECT_EQ(test::shippedTemplateMarkers("FeFenster.vts", test::ironSample()), all);
    std::set<int> sand;
    for (int n = 1; n <= 18; ++n)
        sand.insert(n);
    sand.erase(18); // the spare number is no part of a design
    EXPECT_EQ(test::shippedTemplateMarkers("SandFenster.vts", test::sandSample()), sand);
}

} // namespace
} // namespace velmora
