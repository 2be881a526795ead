#pragma once

#include <optional>
#include <QString>
#include <utility>

namespace velmora::sheet {

/// A cell address, row and column from 1.
struct CellPos {
    int row = 1;
    int column = 1;

    bool operator==(const CellPos&) const = default;
    auto operator<=>(const CellPos&) const = default;
};

/// A rectangle of cells, both corners inclusive.
struct CellRange {
    int top = 1;
    int left = 1;
    int bottom = 1;
    int right = 1;

    static CellRange single(CellPos pos) { return {pos.row, pos.column, pos.row, pos.column}; }

    bool contains(CellPos pos) const {
        return pos.row >= top && pos.row <= bottom && pos.column >= left && pos.column <= right;
    }
    bool intersects(const CellRange& other) const {
        return top <= other.bottom && other.top <= bottom && left <= other.right && other.left <= right;
    }
    int rowCount() const { return bottom - top + 1; }
    int columnCount() const { return right - left + 1; }

    bool operator==(const CellRange&) const = default;
};

/// "A", "B", ..., "Z", "AA", ... for column numbers from 1.
QString columnName(int column);
/// "B7" style reference; "B7:D9" for a range of more than one cell.
QString cellReference(CellPos pos);
QString rangeReference(const CellRange& range);
/// Parses "B7" or "B7:D9" (case-insensitive, optional "$"); false for anything else.
bool parseRangeReference(QStringView text, CellRange& range);
/// A range of a sheet as a spreadsheet file writes it ("Bericht!$B$2:$B$3", "'Zweite Tabelle'!$A$1",
/// "$Bericht.$B$2:.$B$3") as the model keeps it: "Bericht!B2:B3"; empty for anything else.
QString sheetRangeReference(QString expression);
/// The sheet and range of a reference the model keeps ("Bericht!B2:B3"); empty for anything else.
std::optional<std::pair<QString, CellRange>> splitSheetRange(const QString& reference);

} // namespace velmora::sheet
