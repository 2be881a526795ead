#include "windows/WaterRecord.h"

#include "common/FixedRecord.h"
#include "common/NumberText.h"
#include "common/Units.h"
#include "engine/Calcite.h"
#include "windows/InputMarkers.h"
#include "windows/SheetTemplates.h"
#include "windows/WindowType.h"

namespace velmora {

namespace {

using units::kelvinToCelsius;

int validMethod(int method) {
    return method >= 1 && method <= 7 ? method : 1;
}

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
    if (number >= 6 && number <= 31)
        return inputMarkerText(water, number);
    if (number >= 40 && number <= 135) {
        const int block = (number - 40) / 32;
        const int item = (number - 40) % 32;
        return value(item == 31 ? kelvinToCelsius(water.tEval)
                                : slotMarkerValue(water.slots[block + 1], item));
    }
    const ResultSlot& s1 = water.slots[1];
    const ResultSlot& s3 = water.slots[3];
    switch (number) {
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
