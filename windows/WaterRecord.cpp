#include "windows/WaterRecord.h"

#include "common/FixedRecord.h"
#include "common/NumberText.h"
#include "common/Units.h"
#include "engine/Calcite.h"
#include "windows/SheetTemplates.h"
#include "windows/WindowType.h"

namespace velmora {

namespace {

using units::kelvinToCelsius;
using units::molToMmol;

int validMethod(int method) {
    return method >= 1 && method <= 7 ? method : 1;
}

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

template <class Fields, class Self>
void WaterRecord::fields(Fields& f, Self& r) {
    auto& w = r.water;
    AnalysisHeader::fields(f, r.header);
    f.fill(3);
    for (auto* value : {&w.pHm, &w.ks43, &w.kb82, &w.tPh, &w.tKs, &w.tKb, &w.tEval, &w.k25, &w.siTarget,
                        &w.dic, &w.mValue, &w.o2Mass})
        f.real(*value);
    for (auto& total : w.totals)
        f.real(total);
    // Mass concentrations in g/l for other programs; they are not read back.
    for (std::size_t ion = 0; ion < w.totals.size(); ++ion)
        f.computed(w.totals[ion] * units::molarMasses[ion]);
    f.uint16(w.method);
    f.fill(6);
    for (int number = 1; number <= 3; ++number)
        for (auto& value : w.slots[number])
            f.real(value);
}

const WindowType& WaterRecord::type() const {
    return windowTypeOf(WindowKind::Water);
}

QByteArray WaterRecord::encode() const {
    WaterRecord written = *this;
    written.water.method = validMethod(water.method);
    return encodeRecord(written, type().recordSize);
}

void WaterRecord::decode(QByteArrayView bytes) {
    WaterRecord read = decodeRecord<WaterRecord>(bytes, type().recordSize);
    read.water.method = validMethod(read.water.method);
    *this = read;
}

std::optional<QString> WaterRecord::markerText(const QString& cellText) const {
    const std::optional<int> number = markerNumber(cellText);
    return number ? waterMarkerText(*this, *number) : std::nullopt;
}

std::optional<QString> waterMarkerText(const WaterRecord& record, int number) {
    const WaterWindowData& water = record.water;
    const AnalysisHeader& header = record.header;
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

} // namespace velmora
