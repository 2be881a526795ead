#pragma once

#include "sheet/model/Sheet.h"

#include <QRectF>
#include <vector>

namespace velmora::sheet {

/// Where rows and columns of a sheet lie, in pixels at 100 % from the top-left corner of A1. Hidden rows
/// and columns take no room.
class SheetGeometry {
public:
    /// Positions are held for the first `rows` rows and `columns` columns; lines beyond take the default
    /// sizes.
    SheetGeometry(const Sheet& sheet, int rows, int columns);

    int rowCount() const { return int(m_rowTops.size()) - 1; }
    int columnCount() const { return int(m_columnLefts.size()) - 1; }

    double rowTop(int row) const;
    double columnLeft(int column) const;
    double rowHeight(int row) const { return rowTop(row + 1) - rowTop(row); }
    double columnWidth(int column) const { return columnLeft(column + 1) - columnLeft(column); }
    double totalHeight() const { return m_rowTops.back(); }
    double totalWidth() const { return m_columnLefts.back(); }

    /// The row or column at a position; positions past the end give the last one.
    int rowAt(double y) const;
    int columnAt(double x) const;

    QRectF cellRect(CellPos pos) const;
    QRectF rangeRect(const CellRange& range) const;

private:
    std::vector<double> m_rowTops; // m_rowTops[i] is the top of row i + 1; one more entry for the end
    std::vector<double> m_columnLefts;
};

} // namespace velmora::sheet
