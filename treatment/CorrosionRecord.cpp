#include "treatment/CorrosionRecord.h"

#include "common/FixedRecord.h"
#include "treatment/CorrosionAssessment.h"
#include "windows/SheetTemplates.h"
#include "windows/WaterWindowData.h"
#include "windows/WindowType.h"

namespace velmora {

namespace {

constexpr int firstTextMarker = 32;
constexpr int oxygenMarker = 136;

} // namespace

template <class Fields, class Self>
void CorrosionRecord::fields(Fields& f, Self& r) {
    auto& in = r.inputs;
    AnalysisHeader::fields(f, r.header);
    f.fill(3);
    for (auto* value :
         {&in.pHm, &in.tPh, &in.ks43, &in.tKs, &in.kb82, &in.tKb, &r.pHAtTb, &r.caFree, &r.so4Free, &r.hco3,
          &in.dic, &in.tEval, &in.mValue, &in.k25, &in.siTarget, &r.o2Mass})
        f.real(*value);
    for (auto& total : in.totals)
        f.real(total);
    f.fill(3528); // never used
}

void CorrosionRecord::takeWaterOf(const WaterWindowData& water) {
    inputs = shownInputsOf(water);
    o2Mass = water.o2Mass;
    const ResultSlot& atTb = water.slots[1];
    pHAtTb = atTb[slot::pH];
    caFree = units::molToMmol(atTb[slot::caFree]);
    so4Free = units::molToMmol(atTb[slot::so4Free]);
    hco3 = units::molToMmol(atTb[slot::hco3]);
}

const WindowType& CorrosionRecord::type() const {
    return windowTypeOf(WindowKind::Corrosion);
}

QByteArray CorrosionRecord::encode() const {
    return encodeRecord(*this, type().recordSize);
}

void CorrosionRecord::decode(QByteArrayView bytes) {
    *this = decodeRecord<CorrosionRecord>(bytes, type().recordSize);
}

std::optional<QString> CorrosionRecord::markerText(const QString& cellText) const {
    const std::optional<int> number = markerNumber(cellText);
    if (!number)
        return std::nullopt;
    if (*number >= 1 && *number <= 5)
        return header.text(AnalysisHeader::Text(*number - 1));
    if (*number >= firstTextMarker && *number < firstTextMarker + corrosionTextCount)
        return corrosionTexts(*this)[std::size_t(*number - firstTextMarker)];
    if (*number == oxygenMarker)
        return formatNumber(o2Mass);
    return inputMarkerText(inputs, *number);
}

} // namespace velmora
