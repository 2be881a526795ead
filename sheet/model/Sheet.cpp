#include "sheet/model/Sheet.h"

#include <algorithm>

namespace velmora::sheet {

QString Sheet::text(CellPos pos) const {
    const auto it = m_cells.find(pos);
    return it == m_cells.end() ? QString() : it->second.text;
}

void Sheet::setText(CellPos pos, const QString& text) {
    setFormula(pos, QString(), text);
}

QString Sheet::formula(CellPos pos) const {
    const auto it = m_cells.find(pos);
    return it == m_cells.end() ? QString() : it->second.formula;
}

QString Sheet::editText(CellPos pos) const {
    const QString shownFormula = formula(pos);
    if (shownFormula.isEmpty() || (isProtected() && style(pos).formulaHidden))
        return text(pos);
    return shownFormula;
}

void Sheet::setFormula(CellPos pos, const QString& formula, const QString& shown) {
    auto it = m_cells.find(pos);
    if (it == m_cells.end()) {
        if (!shown.isEmpty() || !formula.isEmpty())
            m_cells.emplace(pos, Cell{shown, m_layout.defaultStyle, formula});
        return;
    }
    it->second.text = shown;
    it->second.formula = formula;
    if (shown.isEmpty() && formula.isEmpty() && it->second.style == m_layout.defaultStyle)
        m_cells.erase(it);
}

const CellStyle& Sheet::style(CellPos pos) const {
    const auto it = m_cells.find(pos);
    return it == m_cells.end() ? m_layout.defaultStyle : it->second.style;
}

void Sheet::setStyle(CellPos pos, const CellStyle& style) {
    auto it = m_cells.find(pos);
    if (it == m_cells.end()) {
        if (style != m_layout.defaultStyle)
            m_cells.emplace(pos, Cell{QString(), style, QString()});
        return;
    }
    it->second.style = style;
    if (it->second.text.isEmpty() && it->second.formula.isEmpty() && style == m_layout.defaultStyle)
        m_cells.erase(it);
}

CellList Sheet::cellsIn(const CellRange& range) const {
    CellList found;
    visitCellsIn(range, [&found](CellPos pos, const Cell& cell) { found.emplace_back(pos, cell); });
    return found;
}

void Sheet::visitCellsIn(const CellRange& range,
                         const std::function<void(CellPos, const Cell&)>& visit) const {
    for (int row = range.top; row <= range.bottom; ++row) {
        auto it = m_cells.lower_bound({row, range.left});
        if (it == m_cells.end())
            break;
        // Rows without a cell in the range are skipped at once.
        if (it->first.row > row) {
            row = it->first.row - 1;
            continue;
        }
        for (; it != m_cells.end() && it->first.row == row && it->first.column <= range.right; ++it)
            visit(it->first, it->second);
    }
}

void Sheet::removeCells(const CellRange& range) {
    for (const auto& [pos, cell] : cellsIn(range))
        m_cells.erase(pos);
}

void Sheet::putCells(const CellList& cells) {
    for (const auto& [pos, cell] : cells)
        m_cells.insert_or_assign(pos, cell);
}

void Sheet::moveCells(const CellRange& range, int rows, int columns) {
    std::vector<std::map<CellPos, Cell>::node_type> moved;
    for (const auto& [pos, cell] : cellsIn(range))
        moved.push_back(m_cells.extract(pos));
    const CellRange target{range.top + rows, range.left + columns, range.bottom + rows,
                           range.right + columns};
    removeCells(target);
    for (auto& node : moved) {
        node.key() = {node.key().row + rows, node.key().column + columns};
        m_cells.insert(std::move(node));
    }
}

double Sheet::columnWidth(int column) const {
    const auto it = m_layout.columnWidths.find(column);
    return it == m_layout.columnWidths.end() ? m_layout.defaultColumnWidth : it->second;
}

void Sheet::setColumnWidth(int column, double width) {
    m_layout.columnWidths[column] = width;
}

double Sheet::rowHeight(int row) const {
    const auto it = m_layout.rowHeights.find(row);
    return it == m_layout.rowHeights.end() ? m_layout.defaultRowHeight : it->second;
}

void Sheet::setRowHeight(int row, double height) {
    m_layout.rowHeights[row] = height;
}

void Sheet::setRowHidden(int row, bool hidden) {
    if (hidden)
        m_layout.hiddenRows.insert(row);
    else
        m_layout.hiddenRows.erase(row);
}

void Sheet::setColumnHidden(int column, bool hidden) {
    if (hidden)
        m_layout.hiddenColumns.insert(column);
    else
        m_layout.hiddenColumns.erase(column);
}

void Sheet::merge(const CellRange& range) {
    unmerge(range);
    if (range.rowCount() > 1 || range.columnCount() > 1)
        m_layout.merges.push_back(range);
}

void Sheet::unmerge(const CellRange& range) {
    std::erase_if(m_layout.merges, [&range](const CellRange& merged) { return merged.intersects(range); });
}

const CellRange* Sheet::mergeAt(CellPos pos) const {
    const auto it = std::find_if(m_layout.merges.begin(), m_layout.merges.end(),
                                 [pos](const CellRange& merged) { return merged.contains(pos); });
    return it == m_layout.merges.end() ? nullptr : &*it;
}

void Sheet::setFrozen(int rows, int columns) {
    m_layout.frozenRows = std::max(rows, 0);
    m_layout.frozenColumns = std::max(columns, 0);
}

CellRange Sheet::usedRange() const {
    CellRange used{1, 1, 1, 1};
    const auto include = [&used](int row, int column) {
        used.bottom = std::max(used.bottom, row);
        used.right = std::max(used.right, column);
    };
    for (const auto& entry : m_cells)
        include(entry.first.row, entry.first.column);
    for (const CellRange& merged : m_layout.merges)
        include(merged.bottom, merged.right);
    return used;
}

bool parseTypedRange(const QString& text, std::optional<CellRange>& range) {
    QString plain = text.trimmed();
    plain.remove(u'$');
    CellRange parsed;
    if (plain.isEmpty())
        range.reset();
    else if (parseRangeReference(plain, parsed) && parsed.bottom <= maxRows && parsed.right <= maxColumns)
        range = parsed;
    else
        return false;
    return true;
}

} // namespace velmora::sheet
