#pragma once

#include "sheet/model/CellRange.h"
#include "sheet/model/CellStyle.h"
#include "sheet/model/DrawingObject.h"
#include "sheet/model/PrintSettings.h"

#include <functional>
#include <map>
#include <optional>
#include <QString>
#include <set>
#include <vector>

namespace velmora::sheet {

/// The size limits every format of the component can hold.
inline constexpr int maxRows = 65536;
inline constexpr int maxColumns = 256;
/// Cells a workbook may hold: each costs a few hundred bytes, so a small damaged file must not ask for
/// millions of them.
inline constexpr std::size_t maxCells = 1'000'000;
/// Merged ranges a sheet may hold; more are damage (merging checks every existing range).
inline constexpr std::size_t maxMerges = 10000;

/// A cell: its text as shown, its style and, for a formula cell, its formula ("=A1*2"), whose result the
/// text shows.
struct Cell {
    QString text;
    CellStyle style;
    QString formula;

    bool operator==(const Cell&) const = default;
};

/// Sizes of lines that have none of their own, in pixels at 100 % zoom.
inline constexpr double standardColumnWidth = 64.0;
inline constexpr double standardRowHeight = 17.0;

/// Everything of a sheet but its name and cells: small, so that a change of it is kept whole for undo.
struct SheetLayout {
    CellStyle defaultStyle;
    double defaultColumnWidth = standardColumnWidth;
    double defaultRowHeight = standardRowHeight;
    std::map<int, double> columnWidths;
    std::map<int, double> rowHeights;
    std::set<int> hiddenRows;
    std::set<int> hiddenColumns;
    std::vector<CellRange> merges;
    int frozenRows = 0;
    int frozenColumns = 0;
    bool isProtected = false;
    bool showGridlines = true; ///< on the screen; printing has its own
    bool showHeadings = true;  ///< row numbers and column letters on the screen
    PrintSettings print;
    std::vector<DrawingObject> drawings;

    bool operator==(const SheetLayout&) const = default;
};

/// A range as a user types it: "B2:D9" or "$B$2:$D$9" inside the sheet's limits, and an empty text for
/// none. False, with `range` unchanged, for anything else.
bool parseTypedRange(const QString& text, std::optional<CellRange>& range);

/// Cells of a range in row-major order, as an edit keeps them to put them back.
using CellList = std::vector<std::pair<CellPos, Cell>>;

/// One sheet of a workbook. Sizes are pixels at 100 % zoom.
class Sheet {
public:
    static constexpr double standardColumnWidth = sheet::standardColumnWidth;
    static constexpr double standardRowHeight = sheet::standardRowHeight;

    explicit Sheet(QString name = {}) : m_name(std::move(name)) {}

    const QString& name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }

    /// The cell's text; empty for an empty cell.
    QString text(CellPos pos) const;
    /// Makes the cell a plain one that shows `text`; an empty text with the default style removes it.
    void setText(CellPos pos, const QString& text);
    /// The cell's formula; empty for a plain cell.
    QString formula(CellPos pos) const;
    /// What editing the cell starts from: its formula, or its text; the text alone where the formula is
    /// hidden on a protected sheet.
    QString editText(CellPos pos) const;
    /// Makes the cell a formula cell showing `shown` (an empty formula makes it a plain one).
    void setFormula(CellPos pos, const QString& formula, const QString& shown);
    /// The cell's style; the sheet's default style for a cell without one.
    const CellStyle& style(CellPos pos) const;
    void setStyle(CellPos pos, const CellStyle& style);
    const std::map<CellPos, Cell>& cells() const { return m_cells; }
    /// The cells of `range` that hold a text or a style of their own.
    CellList cellsIn(const CellRange& range) const;
    /// Calls `visit` for each of those cells in row-major order, without copying them.
    void visitCellsIn(const CellRange& range, const std::function<void(CellPos, const Cell&)>& visit) const;
    void removeCells(const CellRange& range);
    /// Puts cells back as cellsIn() gave them.
    void putCells(const CellList& cells);
    /// Moves every cell of `range` by the given numbers of rows and columns, over whatever stood there.
    void moveCells(const CellRange& range, int rows, int columns);

    const SheetLayout& layout() const { return m_layout; }
    void setLayout(SheetLayout layout) { m_layout = std::move(layout); }

    const CellStyle& defaultStyle() const { return m_layout.defaultStyle; }
    void setDefaultStyle(const CellStyle& style) { m_layout.defaultStyle = style; }

    double columnWidth(int column) const;
    void setColumnWidth(int column, double width);
    double rowHeight(int row) const;
    void setRowHeight(int row, double height);
    const std::map<int, double>& columnWidths() const { return m_layout.columnWidths; }
    const std::map<int, double>& rowHeights() const { return m_layout.rowHeights; }
    double defaultColumnWidth() const { return m_layout.defaultColumnWidth; }
    void setDefaultColumnWidth(double width) { m_layout.defaultColumnWidth = width; }
    double defaultRowHeight() const { return m_layout.defaultRowHeight; }
    void setDefaultRowHeight(double height) { m_layout.defaultRowHeight = height; }

    bool isRowHidden(int row) const { return m_layout.hiddenRows.contains(row); }
    bool isColumnHidden(int column) const { return m_layout.hiddenColumns.contains(column); }
    void setRowHidden(int row, bool hidden);
    void setColumnHidden(int column, bool hidden);
    const std::set<int>& hiddenRows() const { return m_layout.hiddenRows; }
    const std::set<int>& hiddenColumns() const { return m_layout.hiddenColumns; }

    /// Merged ranges do not overlap; merging over an existing merge replaces it.
    const std::vector<CellRange>& merges() const { return m_layout.merges; }
    void merge(const CellRange& range);
    void unmerge(const CellRange& range);
    /// The merged range that covers `pos`, or nullptr.
    const CellRange* mergeAt(CellPos pos) const;

    int frozenRows() const { return m_layout.frozenRows; }
    int frozenColumns() const { return m_layout.frozenColumns; }
    void setFrozen(int rows, int columns);

    bool isProtected() const { return m_layout.isProtected; }
    void setProtected(bool isProtected) { m_layout.isProtected = isProtected; }
    bool showGridlines() const { return m_layout.showGridlines; }
    void setShowGridlines(bool show) { m_layout.showGridlines = show; }
    bool showHeadings() const { return m_layout.showHeadings; }
    void setShowHeadings(bool show) { m_layout.showHeadings = show; }

    PrintSettings& print() { return m_layout.print; }
    const PrintSettings& print() const { return m_layout.print; }

    std::vector<DrawingObject>& drawings() { return m_layout.drawings; }
    const std::vector<DrawingObject>& drawings() const { return m_layout.drawings; }

    /// The smallest range from A1 that holds every cell with a text or a style of its own and every
    /// merge; A1 alone for an empty sheet.
    CellRange usedRange() const;

    bool operator==(const Sheet&) const = default;

private:
    QString m_name;
    std::map<CellPos, Cell> m_cells;
    SheetLayout m_layout;
};

} // namespace velmora::sheet
