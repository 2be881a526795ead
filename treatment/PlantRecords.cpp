#include "treatment/PlantRecords.h"

#include "common/FixedRecord.h"
#include "common/NumberText.h"
#include "windows/SheetTemplates.h"
#include "windows/WaterWindowData.h"
#include "windows/WindowType.h"

namespace velmora {

namespace {

constexpr qsizetype gridTextSize = 101;
constexpr int gridRows = 7;
constexpr int gridColumns = 10;
constexpr int textRow = 6; // the grid row that holds the ten texts again

std::optional<QString> number(double value) {
    return formatNumber(value).trimmed();
}

template <class Fields, class Column>
void columnFields(Fields& f, Column& c) {
    for (auto* value : {&c.diameter, &c.area, &c.velocity, &c.height, &c.height2})
        f.real(*value);
}

// Markers 13 to 17 and 19 to 23 of both ion-exchange windows.
std::optional<QString> exchangerMarkerText(const Exchanger& e, int marker) {
    switch (marker) {
    case 13:
        return number(e.water);
    case 14:
        return number(e.load);
    case 15:
        return number(e.capacity);
    case 16:
        return number(e.exchangerVolume);
    case 17:
        return number(e.specificFlow);
    case 19:
        return number(e.column.diameter);
    case 20:
        return number(e.column.area);
    case 21:
        return number(e.column.velocity);
    case 22:
        return number(e.column.height);
    case 23:
        return number(e.column.height2);
    default:
        return std::nullopt;
    }
}

} // namespace

WaterInputs WaterInputs::of(const WaterWindowData& w) {
    return {w.pHm,   w.tPh,    w.ks43, w.tKs,      w.kb82,   w.tKb,   w.dic,
            w.tEval, w.mValue, w.k25,  w.siTarget, w.o2Mass, w.totals};
}

// ---- rapid decarbonisation

bool RapidDecarbonisationRecord::isValueCell(int row, int column) {
    using T = SectionTable;
    switch (row) {
    case T::Velocity:
    case T::Diameter:
        return column == T::A || column == T::C || column == T::E || column == T::F;
    case T::Height:
    case T::Volume:
        return column >= T::A && column <= T::Total && column != T::E;
    case T::Time:
        return column >= T::A && column <= T::Total;
    default:
        return false;
    }
}

template <class Fields, class Self>
void RapidDecarbonisationRecord::fields(Fields& f, Self& r) {
    for (auto& text : r.m_leadingTexts)
        f.text(text);
    for (int row = 0; row < gridRows; ++row)
        for (int column = 0; column < gridColumns; ++column) {
            if (row == textRow)
                f.text(r.texts[std::size_t(column)], gridTextSize);
            else if (row < SectionTable::rows && column < SectionTable::columns && isValueCell(row, column))
                f.text(r.table.cell(row, column), gridTextSize);
            else
                f.fill(gridTextSize);
        }
    auto& w = r.water;
    for (auto* value : {&w.pHm, &w.tPh, &w.ks43, &w.tKs, &w.kb82, &w.tKb})
        f.real(*value);
    f.fill(32);
    for (auto* value : {&w.dic, &w.tEval, &w.mValue, &w.k25, &w.siTarget, &w.o2Mass})
        f.real(*value);
    for (auto& total : w.totals)
        f.real(total);
    f.fill(3544); // never used
}

const WindowType& RapidDecarbonisationRecord::type() const {
    return windowTypeOf(WindowKind::RapidDecarbonisation);
}

QByteArray RapidDecarbonisationRecord::encode() const {
    RapidDecarbonisationRecord written = *this;
    written.m_leadingTexts = texts;
    return encodeRecord(written, type().recordSize);
}

void RapidDecarbonisationRecord::decode(QByteArrayView bytes) {
    RapidDecarbonisationRecord read = decodeRecord<RapidDecarbonisationRecord>(bytes, type().recordSize);
    // The texts of row 6 are the record's own; the window shows at most 80 characters of each.
    for (QString& text : read.texts)
        text.truncate(80);
    *this = read;
}

std::optional<QString> RapidDecarbonisationRecord::markerText(const QString& cellText) const {
    using T = SectionTable;
    const std::optional<int> number = markerNumber(cellText);
    if (!number)
        return std::nullopt;
    if (*number >= 1 && *number <= textCount)
        return texts[std::size_t(*number - 1)];
    // Markers 11 to 45: five rows of each section, A to F, then the totals; "----" where it has none.
    if (*number < 11 || *number > 45)
        return std::nullopt;
    const int section = (*number - 11) / 5 + T::A;
    const int row = (*number - 11) % 5 + T::Velocity;
    return isValueCell(row, section) ? table.text(row, section) : QStringLiteral("----");
}

// ---- H-decarbonisation

template <class Fields, class Self>
void HDecarbonisationRecord::fields(Fields& f, Self& r) {
    AnalysisHeader::fields(f, r.header);
    for (auto* text : {&r.flow, &r.time, &r.hco3, &r.unused})
        f.text(*text);
    f.fill(215);
    auto& d = r.design;
    for (auto* value :
         {&d.c0, &d.flow, &d.time, &d.water, &d.load, &d.capacity, &d.exchangerVolume, &d.specificFlow, &d.x})
        f.real(*value);
    columnFields(f, d.column);
    f.fill(3408); // never used
}

const WindowType& HDecarbonisationRecord::type() const {
    return windowTypeOf(WindowKind::HDecarbonisation);
}

QByteArray HDecarbonisationRecord::encode() const {
    return encodeRecord(*this, type().recordSize);
}

void HDecarbonisationRecord::decode(QByteArrayView bytes) {
    *this = decodeRecord<HDecarbonisationRecord>(bytes, type().recordSize);
}

std::optional<QString> HDecarbonisationRecord::markerText(const QString& cellText) const {
    const std::optional<int> n = markerNumber(cellText);
    if (!n)
        return std::nullopt;
    if (*n >= 1 && *n <= 5)
        return header.text(AnalysisHeader::Text(*n - 1));
    const HDecarbonisationDesign& d = design;
    switch (*n) {
    case 10:
        return number(d.c0 * 1000.0);
    case 11:
        return number(d.flow);
    case 12:
        return number(d.time);
    case 18:
        return number(d.x);
    default:
        return exchangerMarkerText(d, *n);
    }
}

// ---- softening

template <class Fields, class Self>
void SofteningRecord::fields(Fields& f, Self& r) {
    AnalysisHeader::fields(f, r.header);
    for (auto* text : {&r.flow, &r.time, &r.residual, &r.hardness, &r.sodium})
        f.text(*text);
    f.fill(238);
    auto& d = r.design;
    for (auto* value : {&d.water, &d.load, &d.capacity, &d.exchangerVolume, &d.specificFlow})
        f.real(*value);
    f.fill(8);
    columnFields(f, d.column);
    f.fill(16);
    f.real(d.level);
    f.fill(3384); // never used
}

const WindowType& SofteningRecord::type() const {
    return windowTypeOf(WindowKind::Softening);
}

QByteArray SofteningRecord::encode() const {
    return encodeRecord(*this, type().recordSize);
}

void SofteningRecord::decode(QByteArrayView bytes) {
    *this = decodeRecord<SofteningRecord>(bytes, type().recordSize);
}

std::optional<QString> SofteningRecord::markerText(const QString& cellText) const {
    const std::optional<int> n = markerNumber(cellText);
    if (!n)
        return std::nullopt;
    if (*n >= 1 && *n <= 5)
        return header.text(AnalysisHeader::Text(*n - 1));
    const SofteningDesign& d = design;
    switch (*n) {
    case 10:
        return hardness;
    case 11:
        return flow;
    case 12:
        return time;
    case 24:
        return sodium;
    case 25:
        return residual;
    case 26:
        return number(d.level);
    default:
        return exchangerMarkerText(d, *n);
    }
}

} // namespace velmora
