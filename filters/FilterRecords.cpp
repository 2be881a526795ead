#include "filters/FilterRecords.h"

#include "common/FixedRecord.h"
#include "common/NumberText.h"
#include "filters/SandFilter.h"
#include "windows/SheetTemplates.h"
#include "windows/WindowType.h"

#include <QLocale>

namespace velmora {

namespace {

constexpr qsizetype typeTextSize = 21;
constexpr qsizetype unusedAfterInputs = 3528;

// The header, the type text and the index; the input block follows.
template <class Fields, class Head>
void headFields(Fields& f, Head& head) {
    AnalysisHeader::fields(f, head.header);
    f.text(head.typeText, typeTextSize);
    f.fill(2);
    f.int32(head.index);
}

template <class Fields, class Circle>
void circleFields(Fields& f, Circle& c) {
    for (auto* value : {&c.diameter, &c.diameterPlus, &c.roundedDiameter, &c.area, &c.volume})
        f.real(*value);
}

// The rectangle in file order; the ratio follows it in both records that keep one.
template <class Fields, class Rectangle>
void rectangleFields(Fields& f, Rectangle& r) {
    for (auto* value : {&r.roundedWidth, &r.width, &r.length, &r.widthPlus, &r.lengthPlus, &r.roundedLength,
                        &r.area, &r.volume, &r.ratio})
        f.real(*value);
}

// Markers 1 to 5: the header texts.
std::optional<QString> headerMarker(const AnalysisHeader& header, int marker) {
    if (marker >= 1 && marker <= 5)
        return header.text(AnalysisHeader::Text(marker - 1));
    return std::nullopt;
}

// Markers 12 to 25, the same in the activated-carbon and the iron-removal window.
std::optional<QString> shapeMarker(int filters, double share, double areaPerFilter, const CircleSize& c,
                                   const RectangleSize& r, int marker) {
    switch (marker) {
    case 12:
        return formatPattern(filters, u"#0") + QStringLiteral(" Stück mit je ");
    case 13:
        return formatPattern(share, u"#0.0") + QStringLiteral(" % Leistungsaufteilung");
    case 14:
        return formatPattern(areaPerFilter, u"#0.000") + QStringLiteral(" m²");
    case 15:
        return formatPattern(c.diameter, u"#0");
    case 16:
        return formatPattern(c.roundedDiameter, u"#.###");
    case 17:
        return formatPattern(c.area, u"#0.000");
    case 18:
        return formatPattern(c.volume, u"#0.000");
    case 19:
        return formatPattern(r.width, u"#0");
    case 20:
        return formatPattern(r.roundedWidth, u"#.###");
    case 21:
        return formatPattern(r.length, u"#0");
    case 22:
        return formatPattern(r.roundedLength, u"#.###");
    case 23:
        return QStringLiteral("1: ") + formatPattern(r.ratio, u"#0.0");
    case 24:
        return formatPattern(r.area, u"#0.000");
    case 25:
        return formatPattern(r.volume, u"#0.000");
    default:
        return std::nullopt;
    }
}

} // namespace

// ---- activated carbon

template <class Fields, class Self>
void CarbonFilterRecord::fields(Fields& f, Self& r) {
    headFields(f, r.head);
    auto& in = r.inputs;
    for (auto* value : {&in.flow, &in.velocity, &in.ratio, &in.shownHeight})
        f.real(*value);
    f.int32(in.filters);
    f.int32(in.unused);
    f.real(in.load);
    for (auto& value : in.unusedValues)
        f.real(value);
    f.fill(unusedAfterInputs);
    auto& d = r.design;
    f.int32(d.purpose);
    f.fill(4);
    for (auto* value : {&d.load, &d.velocity, &d.flow, &d.volume, &d.area, &d.areaPerFilter, &d.height,
                        &d.heightPlus, &d.roundedHeight})
        f.real(*value);
    f.int32(d.filters);
    f.fill(4);
    f.real(d.share);
    f.int32(d.totalFilters);
    f.fill(4);
    circleFields(f, d.circle);
    rectangleFields(f, d.rectangle);
}

const WindowType& CarbonFilterRecord::type() const {
    return windowTypeOf(WindowKind::CarbonFilter);
}

QByteArray CarbonFilterRecord::encode() const {
    return encodeRecord(*this, type().recordSize);
}

void CarbonFilterRecord::decode(QByteArrayView bytes) {
    *this = decodeRecord<CarbonFilterRecord>(bytes, type().recordSize);
}

std::optional<QString> CarbonFilterRecord::markerText(const QString& cellText) const {
    const std::optional<int> n = markerNumber(cellText);
    if (!n)
        return std::nullopt;
    if (std::optional<QString> text = headerMarker(head.header, *n))
        return text;
    const CarbonFilterDesign& d = design;
    switch (*n) {
    case 6:
        return formatPattern(d.flow, u"#0.0");
    case 7:
        return formatPattern(d.load, u"#0.0");
    case 8:
        return formatPattern(d.velocity, u"#0.0");
    case 9:
        return formatPattern(d.volume, u"#0.000");
    case 10:
        return formatPattern(d.area, u"#0.000");
    case 11:
        return formatPattern(d.roundedHeight, u"#0");
    case 26:
        return QString::fromUtf16(carbonPurpose(d.purpose).name);
    default:
        return shapeMarker(d.totalFilters, d.share, d.areaPerFilter, d.circle, d.rectangle, *n);
    }
}

// ---- iron removal

template <class Fields, class Self>
void IronFilterRecord::fields(Fields& f, Self& r) {
    headFields(f, r.head);
    auto& in = r.inputs;
    for (auto* value : {&in.iron, &in.oxygen, &in.pH, &in.temperature})
        f.real(*value);
    f.int32(in.openFilter);
    f.int32(in.filters);
    for (auto* value : {&in.grain, &in.bedHeight, &in.velocity, &in.ratio, &in.unused, &in.flow})
        f.real(*value);
    f.fill(unusedAfterInputs);
    auto& d = r.design;
    auto& w = d.water;
    for (auto* value : {&w.iron, &w.pH, &w.oxygen, &w.bedHeight, &d.velocity.c, &w.grain, &w.temperature,
                        &d.chosenVelocity, &d.velocity.velocity})
        f.real(*value);
    f.fill(24);
    auto& s = d.size;
    for (auto* value : {&s.flow, &d.velocity.shellHeight, &s.volume, &s.area, &s.areaPerFilter})
        f.real(*value);
    f.int32(d.filters);
    f.int32(d.splitFilters);
    f.real(d.share);
    f.int32(d.pressureFilter);
    f.int32(d.rectangle);
    circleFields(f, s.circle);
    rectangleFields(f, s.rectangle);
}

const WindowType& IronFilterRecord::type() const {
    return windowTypeOf(WindowKind::IronFilter);
}

QByteArray IronFilterRecord::encode() const {
    return encodeRecord(*this, type().recordSize);
}

void IronFilterRecord::decode(QByteArrayView bytes) {
    *this = decodeRecord<IronFilterRecord>(bytes, type().recordSize);
}

std::optional<QString> IronFilterRecord::markerText(const QString& cellText) const {
    const std::optional<int> n = markerNumber(cellText);
    if (!n)
        return std::nullopt;
    if (std::optional<QString> text = headerMarker(head.header, *n))
        return text;
    const Design& d = design;
    switch (*n) {
    case 6:
        return formatPattern(d.water.iron, u"#0.000");
    case 7:
        return formatPattern(d.water.oxygen, u"#0.000");
    case 8:
        return formatPattern(d.water.pH, u"#0.0");
    case 9:
        return formatPattern(d.water.temperature, u"#0.000");
    case 10:
        return formatPattern(d.water.bedHeight * 1000.0, u"#0");
    case 11:
        return formatPattern(d.water.grain, u"#0.0");
    case 26:
        return formatPattern(d.velocity.c, u"#0.000");
    case 27:
        return formatPattern(d.velocity.velocity, u"#0.000") + QStringLiteral(" m/h");
    case 28:
        return formatPattern(d.chosenVelocity, u"#0.000") + QStringLiteral(" m/h");
    case 29:
        return formatPattern(d.size.flow, u"#0.000") + QStringLiteral(" m³/h");
    case 30:
        return formatPattern(d.velocity.shellHeight, u"#0") + QStringLiteral(" mm");
    default:
        return shapeMarker(d.filters, d.share, d.size.areaPerFilter, d.size.circle, d.size.rectangle, *n);
    }
}

// ---- sand filter

template <class Fields, class Self>
void SandFilterRecord::fields(Fields& f, Self& r) {
    headFields(f, r.head);
    for (auto* value : {&r.flow, &r.velocity, &r.filters, &r.height})
        f.real(*value);
    f.int32(r.pressureFilter);
    f.int32(r.multiLayer);
    for (auto* value :
         {&r.area, &r.shellHeight, &r.diameter, &r.roundedDiameter, &r.unusedValues[0], &r.unusedValues[1]})
        f.real(*value);
    f.fill(unusedAfterInputs + 192);
    f.real(r.spare);
    f.fill(72);
}

const WindowType& SandFilterRecord::type() const {
    return windowTypeOf(WindowKind::SandFilter);
}

QByteArray SandFilterRecord::encode() const {
    return encodeRecord(*this, type().recordSize);
}

void SandFilterRecord::decode(QByteArrayView bytes) {
    *this = decodeRecord<SandFilterRecord>(bytes, type().recordSize);
}

std::optional<QString> SandFilterRecord::markerText(const QString& cellText) const {
    const std::optional<int> n = markerNumber(cellText);
    if (!n)
        return std::nullopt;
    if (std::optional<QString> text = headerMarker(head.header, *n))
        return text;
    switch (*n) {
    case 6:
        return formatPattern(flow, u"#0.000");
    case 7:
        return formatPattern(velocity, u"#0.0");
    case 8:
        return formatPattern(height, u"#0");
    case 9:
        return formatPattern(filters, u"#0") + QStringLiteral(" x ");
    case 10:
        return formatPattern(100.0 / (filters - 1.0), u"#0.00") + QStringLiteral(" %");
    case 11:
        return formatPattern(area, u"#0.000");
    case 12:
        return formatPattern(shellHeight, u"#0");
    case 13:
        return formatPattern(diameter, u"#0");
    case 14:
        return formatPattern(roundedDiameter, u"#0");
    case 15:
        return sandKindName(head.index);
    case 16:
        return pressureFilter == 0 ? QStringLiteral("Offener Filter") : QStringLiteral("Druckfilter");
    case 17:
        return multiLayer == 0 ? QStringLiteral("Einschichtfiltration")
                               : QStringLiteral("Mehrschichtfiltration");
    case 18:
        return formatPattern(spare, u"#0.000");
    default:
        return std::nullopt;
    }
}

} // namespace velmora
