#include "sheet/view/SheetGeometry.h"

#include <algorithm>

namespace velmora::sheet {

SheetGeometry::SheetGeometry(const Sheet& sheet, int rows, int columns) {
    m_rowTops.reserve(std::size_t(rows) + 1);
    m_rowTops.push_back(0.0);
    for (int row = 1; row <= rows; ++row)
        m_rowTops.push_back(m_rowTops.back() + (sheet.isRowHidden(row) ? 0.0 : sheet.rowHeight(row)));
    m_columnLefts.reserve(std::size_t(columns) + 1);
    m_columnLefts.push_back(0.0);
    for (int column = 1; column <= columns; ++column)
        m_columnLefts.push_back(m_columnLefts.back() +
                                (sheet.isColumnHidden(column) ? 0.0 : sheet.columnWidth(column)));
}

double SheetGeometry::rowTop(int row) const {
    return m_rowTops[std::size_t(std::clamp(row - 1, 0, rowCount()))];
}

double SheetGeometry::columnLeft(int column) const {
    return m_columnLefts[std::size_t(std::clamp(column - 1, 0, columnCount()))];
}

namespace {

// The line whose [start, next start) holds `position`; zero-sized lines are skipped.
int lineAt(const std::vector<double>& starts, double position) {
    const auto it = std::upper_bound(starts.begin(), starts.end(), position);
    const int line = int(it - starts.begin());
    return std::clamp(line, 1, int(starts.size()) - 1);
}

} // namespace

int SheetGeometry::rowAt(double y) const {
    return lineAt(m_rowTops, y);
}

int SheetGeometry::columnAt(double x) const {
    return lineAt(m_columnLefts, x);
}

QRectF SheetGeometry::cellRect(CellPos pos) const {
    return rangeRect(CellRange::single(pos));
}

QRectF SheetGeometry::rangeRect(const CellRange& range) const {
    const double left = columnLeft(range.left);
    const double top = rowTop(range.top);
    return {left, top, columnLeft(range.right + 1) - left, rowTop(range.bottom + 1) - top};
}

} // namespace velmora::sheet
