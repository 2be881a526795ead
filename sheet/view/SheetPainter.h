#pragma once

#include "sheet/model/Sheet.h"
#include "sheet/view/SheetGeometry.h"

class QFont;
class QPaintDevice;
class QPainter;

namespace velmora::sheet {

/// A cell's font for painting: point sizes are meant at 96 dpi, the painter's own scaling carries them
/// onto the device.
QFont cellFont(const CellStyle& style, const QPaintDevice* device);

/// Paints cells and drawing objects of a sheet in sheet coordinates (pixels at 100 %); the caller sets
/// the painter's transformation for zoom, scrolling or the printed page.
class SheetPainter {
public:
    SheetPainter(const Sheet& sheet, const SheetGeometry& geometry) : m_sheet(sheet), m_geometry(geometry) {}

    /// Fills, gridlines (when asked), borders, texts and drawing objects of `cells`.
    void paint(QPainter& painter, const CellRange& cells, bool gridlines) const;

    /// The text a cell shows when its alignment is general: numbers to the right, texts to the left.
    static bool isNumberText(const QString& text);

private:
    void paintFills(QPainter& painter, const CellRange& cells) const;
    void paintGridlines(QPainter& painter, const CellRange& cells) const;
    void paintBorders(QPainter& painter, const CellRange& cells) const;
    void paintTexts(QPainter& painter, const CellRange& cells) const;
    void paintDrawings(QPainter& painter) const;
    /// The area a cell's content occupies: its merge, else the cell.
    QRectF contentRect(CellPos pos) const;
    /// How far a left-aligned text may run into empty cells to its right.
    QRectF overflowRect(CellPos pos, const QRectF& cell, double textWidth, const CellRange& cells) const;

    const Sheet& m_sheet;
    const SheetGeometry& m_geometry;
};

} // namespace velmora::sheet
