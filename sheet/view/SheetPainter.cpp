#include "sheet/view/SheetPainter.h"

#include "sheet/view/DrawingPainter.h"

#include <algorithm>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace velmora::sheet {

namespace {

constexpr double cellPadding = 2.0;
const QColor gridColour(0xD4, 0xD4, 0xD4);

QPen borderPen(const Border& border) {
    QPen pen(border.colour, 1.0);
    pen.setCapStyle(Qt::SquareCap);
    switch (border.line) {
    case Border::Line::Medium:
        pen.setWidthF(2.0);
        break;
    case Border::Line::Thick:
        pen.setWidthF(3.0);
        break;
    case Border::Line::Dashed:
        pen.setStyle(Qt::DashLine);
        break;
    case Border::Line::Dotted:
        pen.setStyle(Qt::DotLine);
        break;
    default:
        break;
    }
    return pen;
}

void drawBorderLine(QPainter& painter, const Border& border, QLineF line, QPointF inward) {
    if (border.line == Border::Line::None)
        return;
    painter.setPen(borderPen(border));
    painter.drawLine(line);
    if (border.line == Border::Line::Double)
        painter.drawLine(line.translated(inward * 2.0));
}

// A gridline at `at` across the cells first to last of the other direction, broken where it would run
// through the inside of a merged range (`insideMerge`); `start` gives where a cell begins.
template <typename InsideMerge, typename Start>
void drawGridline(QPainter& painter, Qt::Orientation orientation, double at, int first, int last,
                  InsideMerge insideMerge, Start start) {
    const auto segment = [&](double from, double to) {
        if (to > from)
            painter.drawLine(orientation == Qt::Horizontal ? QLineF(from, at, to, at)
                                                           : QLineF(at, from, at, to));
    };
    double from = start(first);
    for (int cell = first; cell <= last; ++cell) {
        if (insideMerge(cell)) {
            segment(from, start(cell));
            from = start(cell + 1);
        }
    }
    segment(from, start(last + 1));
}

} // namespace

// Point sizes are meant at 96 dpi; the painter's own scaling carries them onto the device.
QFont cellFont(const CellStyle& style, const QPaintDevice* device) {
    QFont font(style.fontFamily);
    const double dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96.0;
    font.setPointSizeF(std::max(1.0, style.fontSize) * 96.0 / dpi);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

bool SheetPainter::isNumberText(const QString& text) {
    bool isNumber = false;
    text.toDouble(&isNumber);
    return isNumber;
}

void SheetPainter::paint(QPainter& painter, const CellRange& cells, bool gridlines) const {
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintFills(painter, cells);
    if (gridlines)
        paintGridlines(painter, cells);
    paintBorders(painter, cells);
    paintTexts(painter, cells);
    paintDrawings(painter);
    painter.restore();
}

QRectF SheetPainter::contentRect(CellPos pos) const {
    const CellRange* merged = m_sheet.mergeAt(pos);
    return merged ? m_geometry.rangeRect(*merged) : m_geometry.cellRect(pos);
}

void SheetPainter::paintFills(QPainter& painter, const CellRange& cells) const {
    for (auto it = m_sheet.cells().lower_bound({cells.top, 1});
         it != m_sheet.cells().end() && it->first.row <= cells.bottom; ++it) {
        if (it->first.column < cells.left || it->first.column > cells.right ||
            !it->second.style.fillColour.isValid())
            continue;
        painter.fillRect(contentRect(it->first), it->second.style.fillColour);
    }
}

void SheetPainter::paintGridlines(QPainter& painter, const CellRange& cells) const {
    painter.setPen(QPen(gridColour, 0.0));
    for (int row = cells.top; row <= cells.bottom + 1; ++row)
        drawGridline(
            painter, Qt::Horizontal, m_geometry.rowTop(row), cells.left, cells.right,
            [&](int column) {
                const CellRange* merged = m_sheet.mergeAt({row, column});
                return merged && merged->top < row && row <= merged->bottom;
            },
            [&](int column) { return m_geometry.columnLeft(column); });
    for (int column = cells.left; column <= cells.right + 1; ++column)
        drawGridline(
            painter, Qt::Vertical, m_geometry.columnLeft(column), cells.top, cells.bottom,
            [&](int row) {
                const CellRange* merged = m_sheet.mergeAt({row, column});
                return merged && merged->left < column && column <= merged->right;
            },
            [&](int row) { return m_geometry.rowTop(row); });
}

void SheetPainter::paintBorders(QPainter& painter, const CellRange& cells) const {
    for (auto it = m_sheet.cells().lower_bound({cells.top, 1});
         it != m_sheet.cells().end() && it->first.row <= cells.bottom; ++it) {
        if (it->first.column < cells.left || it->first.column > cells.right)
            continue;
        // A merged range takes the borders of its first cell.
        const CellRange* merged = m_sheet.mergeAt(it->first);
        if (merged && (merged->top != it->first.row || merged->left != it->first.column))
            continue;
        const CellStyle& style = it->second.style;
        const QRectF rect = contentRect(it->first);
        drawBorderLine(painter, style.top, {rect.topLeft(), rect.topRight()}, {0, 1});
        drawBorderLine(painter, style.bottom, {rect.bottomLeft(), rect.bottomRight()}, {0, -1});
        drawBorderLine(painter, style.left, {rect.topLeft(), rect.bottomLeft()}, {1, 0});
        drawBorderLine(painter, style.right, {rect.topRight(), rect.bottomRight()}, {-1, 0});
    }
}

QRectF SheetPainter::overflowRect(CellPos pos, const QRectF& cell, double textWidth,
                                  const CellRange& cells) const {
    QRectF rect = cell;
    constexpr int maxOverflowColumns = 30;
    for (int column = pos.column + 1;
         column <= pos.column + maxOverflowColumns && rect.width() < textWidth + 2 * cellPadding; ++column) {
        if (!m_sheet.text({pos.row, column}).isEmpty() || m_sheet.mergeAt({pos.row, column}) ||
            column > std::max(cells.right, m_geometry.columnCount()))
            break;
        rect.setRight(m_geometry.columnLeft(column + 1));
    }
    return rect;
}

void SheetPainter::paintTexts(QPainter& painter, const CellRange& cells) const {
    // Texts may run in from cells left of the painted range.
    const CellRange scan{cells.top, 1, cells.bottom, cells.right};
    for (auto it = m_sheet.cells().lower_bound({scan.top, 1});
         it != m_sheet.cells().end() && it->first.row <= scan.bottom; ++it) {
        const auto& [pos, cell] = *it;
        if (cell.text.isEmpty() || pos.column > scan.right)
            continue;
        const CellRange* merged = m_sheet.mergeAt(pos);
        if (merged && (merged->top != pos.row || merged->left != pos.column))
            continue;
        const CellStyle& style = cell.style;
        const QFont font = cellFont(style, painter.device());
        const QRectF area = contentRect(pos);
        const bool number = isNumberText(cell.text);

        Qt::Alignment alignment;
        switch (style.horizontal) {
        case HorizontalAlignment::General:
            alignment = number ? Qt::AlignRight : Qt::AlignLeft;
            break;
        case HorizontalAlignment::Left:
            alignment = Qt::AlignLeft;
            break;
        case HorizontalAlignment::Centre:
        case HorizontalAlignment::CentreAcrossSelection:
            alignment = Qt::AlignHCenter;
            break;
        case HorizontalAlignment::Right:
            alignment = Qt::AlignRight;
            break;
        }
        alignment |= style.vertical == VerticalAlignment::Top      ? Qt::AlignTop
                     : style.vertical == VerticalAlignment::Centre ? Qt::AlignVCenter
                                                                   : Qt::AlignBottom;
        QRectF clip = area;
        if (!style.wrap && alignment & Qt::AlignLeft && !merged) {
            const double width = QFontMetricsF(font, painter.device()).horizontalAdvance(cell.text);
            clip = overflowRect(pos, area, width, cells);
        }
        painter.save();
        painter.setClipRect(clip, Qt::IntersectClip);
        painter.setFont(font);
        painter.setPen(style.textColour);
        const QRectF textArea = clip.adjusted(cellPadding, 0.0, -cellPadding, -1.0);
        painter.drawText(textArea, int(alignment) | (style.wrap ? Qt::TextWordWrap : 0), cell.text);
        painter.restore();
    }
}

void SheetPainter::paintDrawings(QPainter& painter) const {
    for (const DrawingObject& object : m_sheet.drawings())
        paintDrawing(painter, object, m_sheet);
}

} // namespace velmora::sheet
