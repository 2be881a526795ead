#include "sheet/model/Sheet.h"

#include <algorithm>

namespace velmora::sheet {

QString Sheet::text(CellPos pos) const {
    const auto it = m_cells.find(pos);
    return it == m_cells.end() ? QString() : it->second.text;
}

void Sheet::setText(CellPos pos, const QString& text) {
    auto it = m_cells.find(pos);
    if (it == m_cells.end()) {
        if (!text.isEmpty())
            m_cells.emplace(pos, Cell{text, m_defaultStyle});
        return;
    }
    it->second.text = text;
    if (text.isEmpty() && it->second.style == m_defaultStyle)
        m_cells.erase(it);
}

const CellStyle& Sheet::style(CellPos pos) const {
    const auto it = m_cells.find(pos);
    return it == m_cells.end() ? m_defaultStyle : it->second.style;
}

void Sheet::setStyle(CellPos pos, const CellStyle& style) {
    auto it = m_cells.find(pos);
    if (it == m_cells.end()) {
        if (style != m_defaultStyle)
            m_cells.emplace(pos, Cell{QString(), style});
        return;
    }
    it->second.style = style;
    if (it->second.text.isEmpty() && style == m_defaultStyle)
        m_cells.erase(it);
}

double Sheet::columnWidth(int column) const {
    const auto it = m_columnWidths.find(column);
    return it == m_columnWidths.end() ? m_defaultColumnWidth : it->second;
}

void Sheet::setColumnWidth(int column, double width) {
    m_columnWidths[column] = width;
}

double Sheet::rowHeight(int row) const {
    const auto it = m_rowHeights.find(row);
    return it == m_rowHeights.end() ? m_defaultRowHeight : it->second;
}

void Sheet::setRowHeight(int row, double height) {
    m_rowHeights[row] = height;
}

void Sheet::setRowHidden(int row, bool hidden) {
    if (hidden)
        m_hiddenRows.insert(row);
    else
        m_hiddenRows.erase(row);
}

void Sheet::setColumnHidden(int column, bool hidden) {
    if (hidden)
        m_hiddenColumns.insert(column);
    else
        m_hiddenColumns.erase(column);
}

void Sheet::merge(const CellRange& range) {
    unmerge(range);
    if (range.rowCount() > 1 || range.columnCount() > 1)
        m_merges.push_back(range);
}

void Sheet::unmerge(const CellRange& range) {
    std::erase_if(m_merges, [&range](const CellRange& merged) { return merged.intersects(range); });
}

const CellRange* Sheet::mergeAt(CellPos pos) const {
    const auto it = std::find_if(m_merges.begin(), m_merges.end(),
                                 [pos](const CellRange& merged) { return merged.contains(pos); });
    return it == m_merges.end() ? nullptr : &*it;
}

void Sheet::setFrozen(int rows, int columns) {
    m_frozenRows = std::max(rows, 0);
    m_frozenColumns = std::max(columns, 0);
}

CellRange Sheet::usedRange() const {
    CellRange used{1, 1, 1, 1};
    const auto include = [&used](int row, int column) {
        used.bottom = std::max(used.bottom, row);
        used.right = std::max(used.right, column);
    };
    for (const auto& entry : m_cells)
        include(entry.first.row, entry.first.column);
    for (const CellRange& merged : m_merges)
        include(merged.bottom, merged.right);
    return used;
}

} // namespace velmora::sheet
