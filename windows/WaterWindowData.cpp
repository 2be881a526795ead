#include "windows/WaterWindowData.h"

#include "common/FixedRecord.h"
#include "common/NumberText.h"
#include "common/Units.h"
#include "engine/AnalysisInput.h"
#include "engine/Calcite.h"
#include "engine/Engine.h"

namespace velmora {

namespace {

using units::kelvinToCelsius;
using units::molToMmol;

int validMethod(int method) {
    return method >= 1 && method <= 7 ? method : 1;
}

// Offsets of the WaterFileRecord.
enum Offset : qsizetype {
    pHmAt = 408,
    ks43At = 416,
    kb82At = 424,
    tPhAt = 432,
    tKsAt = 440,
    tKbAt = 448,
    tEvalAt = 456,
    k25At = 464,
    siTargetAt = 472,
    dicAt = 480,
    mValueAt = 488,
    o2MassAt = 496,
    totalsAt = 504,
    massesAt = 560,
    methodAt = 616,
    slotsAt = 624,
};

// Slot positions of the marker blocks 40 + k, 72 + k, 104 + k, with the factor each is shown with.
struct BlockItem {
    std::size_t position;
    double factor;
};
constexpr std::array<BlockItem, 31> blockItems{{
    {slot::co2, 1000},
    {slot::hco3, 1000},
    {slot::co3, 1000},
    {slot::caCo3, 1000},
    {slot::mgCo3, 1000},
    {slot::caHco3, 1000},
    {slot::mgHco3, 1000},
    {slot::caSo4, 1000},
    {slot::mgSo4, 1000},
    {slot::caFree, 1000},
    {slot::mgFree, 1000},
    {slot::naFree, 1000},
    {slot::kFree, 1000},
    {slot::so4Free, 1000},
    {slot::no3Free, 1000},
    {slot::clFree, 1000},
    {slot::ionicStrength, 1000},
    {slot::ionicStrengthK25, 1000},
    {slot::totalHardness, 1},
    {slot::carbonateHardness, 1},
    {slot::cationSum, 1000},
    {slot::anionSum, 1000},
    {slot::ionBalance, 1000},
    {slot::ionBalanceError, 1},
    {slot::si, 1},
    {slot::pH, 1},
    {slot::dic, 1000},
    {slot::mValue, 1000},
    {slot::alkPerDic, 1},
    {slot::ohMinusH, 1000000},
    {slot::f1, 1},
}};

QString methodText(int method) {
    static const char* const texts[] = {
        "und wurde aus den Größen pH-Wert und Ks(4,3) berechnet.",
        "und wurde aus den Größen pH-Wert und Kb(8,2) berechnet.",
        "und wurde aus den Größen Ks(4,3) und Kb(8,2) berechnet.",
        "und wurde aus den Größen c(DIC) und Ks(4,3) berechnet.",
        "und wurde aus den Größen c(DIC) und Kb(8,2) berechnet.",
        "und wurde aus den Größen pH-Wert und c(DIC) berechnet.",
        "und wurde aus den Größen m-Wert und c(DIC) berechnet.",
    };
    return QString::fromUtf8(texts[method - 1]);
}

} // namespace

WaterWindowData WaterWindowData::takeFrom(const EngineState& engine) {
    const WaterState& w = engine.water;
    WaterWindowData data;
    data.slots = engine.results;
    data.pHm = w.pHm;
    data.tPh = w.tPh;
    data.ks43 = w.ks43;
    data.tKs = w.tKs;
    data.kb82 = w.kb82;
    data.tKb = w.tKb;
    data.dic = w.dic;
    data.tEval = w.tEval;
    data.mValue = w.mValue;
    data.k25 = engine.results[1][slot::ionicStrengthK25] * 62000.0;
    data.siTarget = w.siTarget;
    for (std::size_t i = 0; i < data.totals.size(); ++i)
        data.totals[i] = w.*totalFields[i];
    data.o2Mass = w.o2Mass;
    data.method = engine.lastMethod;
    return data;
}

void WaterWindowData::loadInto(WaterState& w) const {
    w.pHm = pHm;
    w.tPh = tPh;
    w.ks43 = ks43;
    w.tKs = tKs;
    w.kb82 = kb82;
    w.tKb = tKb;
    w.dic = dic;
    w.tEval = tEval;
    w.mValue = mValue;
    w.k25 = k25;
    w.o2Mass = o2Mass;
    w.siTarget = siTarget;
    for (std::size_t i = 0; i < totals.size(); ++i)
        w.*totalFields[i] = totals[i];
    const ResultSlot& s1 = slots[1];
    w.hco3 = s1[slot::hco3];
    w.caFree = s1[slot::caFree];
    w.mgFree = s1[slot::mgFree];
    w.naFree = s1[slot::naFree];
    w.si = s1[slot::si];
}

std::optional<QString> waterMarkerText(const WaterWindowData& water, const AnalysisHeader& header,
                                       int number) {
    const auto value = [](double v) {
        return std::optional<QString>(formatNumber(v));
    };
    if (number >= 1 && number <= 5)
        return header.text(AnalysisHeader::Text(number - 1));
    if (number >= 18 && number <= 24)
        return value(molToMmol(water.totals[std::size_t(number - 18)]));
    if (number >= 25 && number <= 31)
        return value(molToMmol(water.totals[std::size_t(number - 25)]) * units::molarMasses[number - 25]);
    if (number >= 40 && number <= 135) {
        const int block = (number - 40) / 32;
        const int item = (number - 40) % 32;
        if (item == 31)
            return value(kelvinToCelsius(water.tEval));
        const BlockItem& shown = blockItems[std::size_t(item)];
        return value(water.slots[block + 1][shown.position] * shown.factor);
    }
    const ResultSlot& s1 = water.slots[1];
    const ResultSlot& s3 = water.slots[3];
    switch (number) {
    case 6:
        return value(water.pHm);
    case 7:
        return value(molToMmol(water.ks43));
    case 8:
        return value(molToMmol(water.kb82));
    case 9:
        return value(molToMmol(water.dic));
    case 10:
        return value(molToMmol(water.mValue));
    case 11:
        return value(kelvinToCelsius(water.tPh));
    case 12:
        return value(kelvinToCelsius(water.tKs));
    case 13:
        return value(kelvinToCelsius(water.tKb));
    case 14:
        return value(kelvinToCelsius(water.tEval));
    case 15:
        return value(water.siTarget);
    case 16:
        return value(water.k25);
    case 17:
        return value(25.0);
    case 32:
        return value(s1[slot::si]);
    case 33:
        return value(s1[slot::pH] - s3[slot::pH]);
    case 34:
        return value(s1[slot::pH]);
    case 35:
        return value(water.slots[2][slot::pH]);
    case 36:
        return value(s3[slot::pH]);
    case 37:
        return value(assessCalcite(water.slots).dissolutionCapacity);
    case 38: {
        const std::string_view verdict = assessCalcite(water.slots).verdict;
        return QString::fromUtf8(verdict.data(), qsizetype(verdict.size()));
    }
    case 39:
        if (water.method == 8)
            return std::nullopt;
        return water.method >= 1 && water.method <= 7 ? methodText(water.method) : QString();
    case 136:
        return value(water.o2Mass);
    default:
        return std::nullopt;
    }
}

QByteArray encodeWaterFileRecord(const WaterWindowData& water, const AnalysisHeader& header) {
    RecordWriter record(waterFileRecordSize);
    writeAnalysisHeader(record, header);
    record.writeDouble(pHmAt, water.pHm);
    record.writeDouble(ks43At, water.ks43);
    record.writeDouble(kb82At, water.kb82);
    record.writeDouble(tPhAt, water.tPh);
    record.writeDouble(tKsAt, water.tKs);
    record.writeDouble(tKbAt, water.tKb);
    record.writeDouble(tEvalAt, water.tEval);
    record.writeDouble(k25At, water.k25);
    record.writeDouble(siTargetAt, water.siTarget);
    record.writeDouble(dicAt, water.dic);
    record.writeDouble(mValueAt, water.mValue);
    record.writeDouble(o2MassAt, water.o2Mass);
    for (std::size_t i = 0; i < water.totals.size(); ++i) {
        record.writeDouble(totalsAt + 8 * qsizetype(i), water.totals[i]);
        // Mass concentrations in g/l for other programs; they are not read back.
        record.writeDouble(massesAt + 8 * qsizetype(i), water.totals[i] * units::molarMasses[i]);
    }
    record.writeUInt16(methodAt, std::uint16_t(validMethod(water.method)));
    for (int number = 1; number <= 3; ++number)
        for (std::size_t pos = 0; pos < water.slots[number].size(); ++pos)
            record.writeDouble(slotsAt + (number - 1) * 320 + 8 * qsizetype(pos), water.slots[number][pos]);
    return record.record();
}

void decodeWaterFileRecord(const QByteArray& bytes, WaterWindowData& water, AnalysisHeader& header) {
    if (bytes.size() < waterFileRecordSize)
        throw FileError(QStringLiteral("Die Datei ist kürzer als ein Datensatz (%1 von %2 Bytes).")
                            .arg(bytes.size())
                            .arg(waterFileRecordSize));
    const RecordReader record(bytes);
    WaterWindowData read;
    header = readAnalysisHeader(record);
    read.pHm = record.readDouble(pHmAt);
    read.ks43 = record.readDouble(ks43At);
    read.kb82 = record.readDouble(kb82At);
    read.tPh = record.readDouble(tPhAt);
    read.tKs = record.readDouble(tKsAt);
    read.tKb = record.readDouble(tKbAt);
    read.tEval = record.readDouble(tEvalAt);
    read.k25 = record.readDouble(k25At);
    read.siTarget = record.readDouble(siTargetAt);
    read.dic = record.readDouble(dicAt);
    read.mValue = record.readDouble(mValueAt);
    read.o2Mass = record.readDouble(o2MassAt);
    for (std::size_t i = 0; i < read.totals.size(); ++i)
        read.totals[i] = record.readDouble(totalsAt + 8 * qsizetype(i));
    read.method = validMethod(record.readUInt16(methodAt));
    for (int number = 1; number <= 3; ++number)
        for (std::size_t pos = 0; pos < read.slots[number].size(); ++pos)
            read.slots[number][pos] = record.readDouble(slotsAt + (number - 1) * 320 + 8 * qsizetype(pos));
    water = read;
}

} // namespace velmora
