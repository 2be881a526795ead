#pragma once

#include "sheet/model/CellRange.h"
#include "sheet/model/CellStyle.h"
#include "sheet/model/DrawingObject.h"
#include "sheet/model/PrintSettings.h"

#include <map>
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

/// A cell: its text as shown (a formula is kept as its text, beginning with "=") and its style.
struct Cell {
    QString text;
    CellStyle style;

    bool operator==(const Cell&) const = default;
};

/// One sheet of a workbook. Sizes are pixels at 100 % zoom.
class Sheet {
public:
    static constexpr double standardColumnWidth = 64.0;
    static constexpr double standardRowHeight = 17.0;

    explicit Sheet(QString name = {}) : m_name(std::move(name)) {}

    const QString& name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }

    /// The cell's text; empty for an empty cell.
    QString text(CellPos pos) const;
    /// Sets the text; an empty text with the default style removes the cell.
    void setText(CellPos pos, const QString& text);
    /// The cell's style; the sheet's default style for a cell without one.
    const CellStyle& style(CellPos pos) const;
    void setStyle(CellPos pos, const CellStyle& style);
    const std::map<CellPos, Cell>& cells() const { return m_cells; }

    const CellStyle& defaultStyle() const { return m_defaultStyle; }
    void setDefaultStyle(const CellStyle& style) { m_defaultStyle = style; }

    double columnWidth(int column) const;
    void setColumnWidth(int column, double width);
    double rowHeight(int row) const;
    void setRowHeight(int row, double height);
    const std::map<int, double>& columnWidths() const { return m_columnWidths; }
    const std::map<int, double>& rowHeights() const { return m_rowHeights; }
    double defaultColumnWidth() const { return m_defaultColumnWidth; }
    void setDefaultColumnWidth(double width) { m_defaultColumnWidth = width; }
    double defaultRowHeight() const { return m_defaultRowHeight; }
    void setDefaultRowHeight(double height) { m_defaultRowHeight = height; }

    bool isRowHidden(int row) const { return m_hiddenRows.contains(row); }
    bool isColumnHidden(int column) const { return m_hiddenColumns.contains(column); }
    void setRowHidden(int row, bool hidden);
    void setColumnHidden(int column, bool hidden);
    const std::set<int>& hiddenRows() const { return m_hiddenRows; }
    const std::set<int>& hiddenColumns() const { return m_hiddenColumns; }

    /// Merged ranges do not overlap; merging over an existing merge replaces it.
    const std::vector<CellRange>& merges() const { return m_merges; }
    void merge(const CellRange& range);
    void unmerge(const CellRange& range);
    /// The merged range that covers `pos`, or nullptr.
    const CellRange* mergeAt(CellPos pos) const;

    int frozenRows() const { return m_frozenRows; }
    int frozenColumns() const { return m_frozenColumns; }
    void setFrozen(int rows, int columns);

    bool isProtected() const { return m_protected; }
    void setProtected(bool isProtected) { m_protected = isProtected; }

    PrintSettings& print() { return m_print; }
    const PrintSettings& print() const { return m_print; }

    std::vector<DrawingObject>& drawings() { return m_drawings; }
    const std::vector<DrawingObject>& drawings() const { return m_drawings; }

    /// The smallest range from A1 that holds every cell with a text or a style of its own and every
    /// merge; A1 alone for an empty sheet.
    CellRange usedRange() const;

    bool operator==(const Sheet&) const = default;

private:
    QString m_name;
    std::map<CellPos, Cell> m_cells;
    CellStyle m_defaultStyle;
    double m_defaultColumnWidth = standardColumnWidth;
    double m_defaultRowHeight = standardRowHeight;
    std::map<int, double> m_columnWidths;
    std::map<int, double> m_rowHeights;
    std::set<int> m_hiddenRows;
    std::set<int> m_hiddenColumns;
    std::vector<CellRange> m_merges;
    int m_frozenRows = 0;
    int m_frozenColumns = 0;
    bool m_protected = false;
    PrintSettings m_print;
    std::vector<DrawingObject> m_drawings;
};

} // namespace velmora::sheet
