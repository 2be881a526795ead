#include "sheet/edit/LineShift.h"

#include "sheet/model/SheetError.h"

namespace velmora::sheet {

namespace {

int& first(CellRange& range, Axis axis) {
    return axis == Axis::Rows ? range.top : range.left;
}

int& last(CellRange& range, Axis axis) {
    return axis == Axis::Rows ? range.bottom : range.right;
}

// Pixels from the sheet's edge to the start of `line`.
double lineStart(const SheetLayout& layout, Axis axis, int line) {
    const bool rows = axis == Axis::Rows;
    const double standard = rows ? layout.defaultRowHeight : layout.defaultColumnWidth;
    const std::map<int, double>& sizes = rows ? layout.rowHeights : layout.columnWidths;
    const std::set<int>& hidden = rows ? layout.hiddenRows : layout.hiddenColumns;
    double start = (line - 1) * standard;
    for (auto it = sizes.begin(); it != sizes.end() && it->first < line; ++it)
        start += it->second - standard;
    for (auto it = hidden.begin(); it != hidden.end() && *it < line; ++it) {
        const auto size = sizes.find(*it);
        start -= size == sizes.end() ? standard : size->second;
    }
    return start;
}

template <typename Value>
std::map<int, Value> shifted(const std::map<int, Value>& lines, const LineShift& shift) {
    std::map<int, Value> result;
    for (const auto& [line, value] : lines)
        if (const int moved = shift.map(line))
            result.emplace(moved, value);
    return result;
}

std::set<int> shifted(const std::set<int>& lines, const LineShift& shift) {
    std::set<int> result;
    for (const int line : lines)
        if (const int moved = shift.map(line))
            result.insert(moved);
    return result;
}

void shiftOptionalRange(std::optional<CellRange>& range, const LineShift& shift) {
    if (range && !shift.map(*range))
        range.reset();
}

void shiftDrawings(SheetLayout& layout, const LineShift& shift, double start, double end) {
    const double inserted =
        shift.count > 0
            ? shift.count * (shift.axis == Axis::Rows ? layout.defaultRowHeight : layout.defaultColumnWidth)
            : 0.0;
    for (DrawingObject& object : layout.drawings) {
        const double at = shift.axis == Axis::Rows ? object.bounds.top() : object.bounds.left();
        double moved = at;
        if (shift.count > 0 && at >= start)
            moved = at + inserted;
        else if (shift.count < 0 && at >= end)
            moved = at - (end - start);
        else if (shift.count < 0 && at >= start)
            moved = start;
        if (shift.axis == Axis::Rows)
            object.bounds.moveTop(moved);
        else
            object.bounds.moveLeft(moved);
        shiftOptionalRange(object.source, shift); // the cells a list or chart shows
    }
}

} // namespace

int LineShift::map(int line) const {
    if (line < at)
        return line;
    if (count > 0)
        return line + count;
    return line < at + deletedCount() ? 0 : line + count;
}

bool LineShift::map(int& firstLine, int& lastLine) const {
    if (count > 0) {
        if (firstLine >= at)
            firstLine += count;
        if (lastLine >= at)
            lastLine += count;
        return true;
    }
    const int end = at + deletedCount(); // first line after the deleted ones
    const int newFirst = firstLine < at ? firstLine : firstLine >= end ? firstLine + count : at;
    const int newLast = lastLine < at ? lastLine : lastLine >= end ? lastLine + count : at - 1;
    firstLine = newFirst;
    lastLine = newLast;
    return newFirst <= newLast;
}

bool LineShift::map(CellRange& range) const {
    return map(first(range, axis), last(range, axis));
}

void shiftLayout(SheetLayout& layout, const LineShift& shift) {
    const double start = lineStart(layout, shift.axis, shift.at);
    const double end = lineStart(layout, shift.axis, shift.at + shift.deletedCount());
    shiftDrawings(layout, shift, start, end);
    if (shift.axis == Axis::Rows) {
        layout.rowHeights = shifted(layout.rowHeights, shift);
        layout.hiddenRows = shifted(layout.hiddenRows, shift);
        layout.print.rowBreaks = shifted(layout.print.rowBreaks, shift);
        shiftOptionalRange(layout.print.titleRows, shift);
    } else {
        layout.columnWidths = shifted(layout.columnWidths, shift);
        layout.hiddenColumns = shifted(layout.hiddenColumns, shift);
        layout.print.columnBreaks = shifted(layout.print.columnBreaks, shift);
        shiftOptionalRange(layout.print.titleColumns, shift);
    }
    shiftOptionalRange(layout.print.area, shift);
    std::vector<CellRange> merges;
    for (CellRange merged : layout.merges)
        if (shift.map(merged) && (merged.rowCount() > 1 || merged.columnCount() > 1))
            merges.push_back(merged);
    layout.merges = std::move(merges);
}

void shiftMergesInBand(std::vector<CellRange>& merges, const LineShift& shift, int crossFirst,
                       int crossLast) {
    const Axis cross = shift.axis == Axis::Rows ? Axis::Columns : Axis::Rows;
    std::vector<CellRange> result;
    for (CellRange merged : merges) {
        const int from = first(merged, cross);
        const int to = last(merged, cross);
        const bool reached = last(merged, shift.axis) >= shift.at;
        if (reached && from <= crossLast && to >= crossFirst && (from < crossFirst || to > crossLast))
            throw SheetError(QStringLiteral("Verbundene Zellen können dabei nicht geteilt werden."));
        if (from >= crossFirst && to <= crossLast && !shift.map(merged))
            continue;
        if (merged.rowCount() > 1 || merged.columnCount() > 1)
            result.push_back(merged);
    }
    merges = std::move(result);
}

} // namespace velmora::sheet
