#include "sheet/view/SheetView.h"

#include "sheet/view/SheetPainter.h"

#include <cmath>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace velmora::sheet {

namespace {

constexpr int headingWidth = 40;  // row numbers
constexpr int headingHeight = 20; // column letters
constexpr int minZoom = 10;
constexpr int maxZoom = 200;
const QColor headerColour(0xF0, 0xF0, 0xF0);
const QColor headerSelectedColour(0xD6, 0xE4, 0xF5);
const QColor selectionFill(0x1E, 0x64, 0xC8, 0x30);
const QColor selectionFrame(0x1E, 0x64, 0xC8);

} // namespace

SheetView::SheetView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

SheetView::~SheetView() = default;

void SheetView::setSheet(Sheet* sheet) {
    finishEditing(false);
    finishEditingObject(false);
    m_sheet = sheet;
    m_extraRows = 0;
    m_current = m_anchor = {1, 1};
    m_selection = {1, 1, 1, 1};
    m_earlierRanges.clear();
    m_kind = SelectionKind::Cells;
    m_tool.select({});
    m_tool.setMode(0);
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    sheetChanged();
    Q_EMIT selectionChanged();
}

void SheetView::sheetChanged() {
    rebuildGeometry();
    // An undo may have taken selected objects away.
    if (m_sheet) {
        std::vector<int> kept = m_tool.selected();
        std::erase_if(kept, [this](int index) { return std::size_t(index) >= m_sheet->drawings().size(); });
        m_tool.select(std::move(kept));
    }
    viewport()->update();
}

void SheetView::rebuildGeometry() {
    if (!m_sheet) {
        m_geometry.reset();
        return;
    }
    const CellRange used = m_sheet->usedRange();
    const int rows = std::min(maxRows, std::max({used.bottom + 100, 200, m_extraRows}));
    const int columns = std::min(maxColumns, std::max(used.right + 10, 30));
    m_geometry = std::make_unique<SheetGeometry>(*m_sheet, rows, columns);
    updateScrollBars();
}

void SheetView::ensureRows(int rows) {
    if (rows > m_geometry->rowCount() && m_geometry->rowCount() < maxRows) {
        m_extraRows = rows + 100;
        rebuildGeometry();
    }
}

void SheetView::updateScrollBars() {
    if (!m_geometry)
        return;
    const QSize area = viewport()->size() - QSize(rowHeaderWidth(), columnHeaderHeight());
    const int width = int(std::ceil(m_geometry->totalWidth() * scale()));
    const int height = int(std::ceil(m_geometry->totalHeight() * scale()));
    horizontalScrollBar()->setRange(0, std::max(0, width - area.width()));
    horizontalScrollBar()->setPageStep(std::max(1, area.width()));
    verticalScrollBar()->setRange(0, std::max(0, height - area.height()));
    verticalScrollBar()->setPageStep(std::max(1, area.height()));
}

void SheetView::setZoom(int percent) {
    const int zoom = std::clamp(percent, minZoom, maxZoom);
    if (zoom == m_zoom)
        return;
    const int top = topRow();
    m_zoom = zoom;
    updateScrollBars();
    setTopRow(top);
    viewport()->update();
}

int SheetView::topRow() const {
    if (!m_geometry)
        return 1;
    return m_geometry->rowAt(frozenHeight() + verticalScrollBar()->value() / scale());
}

void SheetView::setTopRow(int row) {
    if (!m_geometry)
        return;
    row = std::clamp(row, 1, maxRows);
    // Room below the row for a whole screen, so that it can stand at the top.
    const int screenRows = int(std::ceil(viewport()->height() / (m_sheet->defaultRowHeight() * scale())));
    ensureRows(row + screenRows + 1);
    verticalScrollBar()->setValue(int(std::ceil((m_geometry->rowTop(row) - frozenHeight()) * scale())));
}

void SheetView::setReadOnly(bool readOnly) {
    if (readOnly)
        finishEditing(false);
    m_readOnly = readOnly;
}

std::vector<CellRange> SheetView::selectedRanges() const {
    std::vector<CellRange> ranges = m_earlierRanges;
    ranges.push_back(m_selection);
    return ranges;
}

bool SheetView::isEditing() const {
    return m_editor && m_editor->isVisible();
}

void SheetView::select(const CellRange& range, SelectionKind kind) {
    m_earlierRanges.clear();
    m_tool.select({}); // cells selected by keys as well as the mouse deselect the objects
    m_kind = kind;
    m_selection = range;
    m_anchor = m_current = {range.top, range.left};
    viewport()->update();
    Q_EMIT selectionChanged();
}

void SheetView::setCurrentCell(CellPos pos) {
    pos = {std::clamp(pos.row, 1, maxRows), std::clamp(pos.column, 1, maxColumns)};
    select(CellRange::single(pos));
    ensureVisible(pos);
}

double SheetView::frozenWidth() const {
    return m_sheet && m_geometry
               ? m_geometry->columnLeft(std::min(m_sheet->frozenColumns(), maxColumns - 1) + 1)
               : 0.0;
}

double SheetView::frozenHeight() const {
    return m_sheet && m_geometry ? m_geometry->rowTop(std::min(m_sheet->frozenRows(), maxRows - 1) + 1) : 0.0;
}

QPointF SheetView::toSheet(QPoint viewportPos) const {
    const double x = viewportPos.x() - rowHeaderWidth();
    const double y = viewportPos.y() - columnHeaderHeight();
    return {(x < frozenWidth() * scale() ? x : x + horizontalScrollBar()->value()) / scale(),
            (y < frozenHeight() * scale() ? y : y + verticalScrollBar()->value()) / scale()};
}

QRectF SheetView::toViewport(const QRectF& sheetRect, CellPos pos) const {
    const double dx = pos.column > m_sheet->frozenColumns() ? horizontalScrollBar()->value() : 0;
    const double dy = pos.row > m_sheet->frozenRows() ? verticalScrollBar()->value() : 0;
    return {rowHeaderWidth() + sheetRect.left() * scale() - dx,
            columnHeaderHeight() + sheetRect.top() * scale() - dy, sheetRect.width() * scale(),
            sheetRect.height() * scale()};
}

SheetView::Hit SheetView::hitTest(QPoint viewportPos, CellPos& pos) const {
    const QPointF at = toSheet(viewportPos);
    pos = {m_geometry->rowAt(std::max(0.0, at.y())), m_geometry->columnAt(std::max(0.0, at.x()))};
    const bool inRowHeader = viewportPos.x() < rowHeaderWidth();
    const bool inColumnHeader = viewportPos.y() < columnHeaderHeight();
    if (inRowHeader && inColumnHeader)
        return Hit::Corner;
    if (inColumnHeader)
        return Hit::ColumnHeader;
    if (inRowHeader)
        return Hit::RowHeader;
    return Hit::Cell;
}

CellRange SheetView::cellsUnder(const QRectF& clip, bool scrollX, bool scrollY) const {
    const double dx = scrollX ? horizontalScrollBar()->value() : 0;
    const double dy = scrollY ? verticalScrollBar()->value() : 0;
    const auto column = [&](double x) {
        return m_geometry->columnAt(std::max(0.0, (x - rowHeaderWidth() + dx) / scale()));
    };
    const auto row = [&](double y) {
        return m_geometry->rowAt(std::max(0.0, (y - columnHeaderHeight() + dy) / scale()));
    };
    return {row(clip.top()), column(clip.left()), row(clip.bottom()), column(clip.right())};
}

void SheetView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    if (!m_sheet || !m_geometry)
        return;
    const double left = rowHeaderWidth() + frozenWidth() * scale();
    const double top = columnHeaderHeight() + frozenHeight() * scale();
    const double right = viewport()->width();
    const double bottom = viewport()->height();
    const QRectF scrolled(QPointF(left, top), QPointF(right, bottom));
    paintPane(painter, scrolled, true, true);
    if (m_sheet->frozenRows() > 0)
        paintPane(painter, QRectF(QPointF(left, columnHeaderHeight()), QPointF(right, top)), true, false);
    if (m_sheet->frozenColumns() > 0)
        paintPane(painter, QRectF(QPointF(rowHeaderWidth(), top), QPointF(left, bottom)), false, true);
    if (m_sheet->frozenRows() > 0 && m_sheet->frozenColumns() > 0)
        paintPane(painter, QRectF(QPointF(rowHeaderWidth(), columnHeaderHeight()), QPointF(left, top)), false,
                  false);
    painter.setPen(QPen(Qt::darkGray, 1));
    if (m_sheet->frozenRows() > 0)
        painter.drawLine(QPointF(rowHeaderWidth(), top), QPointF(right, top));
    if (m_sheet->frozenColumns() > 0)
        painter.drawLine(QPointF(left, columnHeaderHeight()), QPointF(left, bottom));
    paintHeaders(painter, cellsUnder(scrolled, true, true));
}

void SheetView::paintPane(QPainter& painter, const QRectF& clip, bool scrollX, bool scrollY) {
    if (clip.width() <= 0 || clip.height() <= 0)
        return;
    const CellRange visible = cellsUnder(clip, scrollX, scrollY);
    painter.save();
    painter.setClipRect(clip);
    painter.translate(rowHeaderWidth() - (scrollX ? horizontalScrollBar()->value() : 0),
                      columnHeaderHeight() - (scrollY ? verticalScrollBar()->value() : 0));
    painter.scale(scale(), scale());
    SheetPainter(*m_sheet, *m_geometry).paint(painter, visible, m_sheet->showGridlines());

    if (!m_readOnly) {
        // Where a new page starts, as the designer sees it.
        const QRectF shown = m_geometry->rangeRect(visible);
        painter.setPen(QPen(Qt::darkBlue, 1.0 / scale(), Qt::DashLine));
        for (const int row : m_sheet->print().rowBreaks)
            if (row >= visible.top && row <= visible.bottom + 1)
                painter.drawLine(QPointF(shown.left(), m_geometry->rowTop(row)),
                                 QPointF(shown.right(), m_geometry->rowTop(row)));
        for (const int column : m_sheet->print().columnBreaks)
            if (column >= visible.left && column <= visible.right + 1)
                painter.drawLine(QPointF(m_geometry->columnLeft(column), shown.top()),
                                 QPointF(m_geometry->columnLeft(column), shown.bottom()));
    }

    for (const CellRange& range : selectedRanges()) {
        const CellRange part{std::max(range.top, 1), std::max(range.left, 1),
                             std::min(range.bottom, m_geometry->rowCount()),
                             std::min(range.right, m_geometry->columnCount())};
        const QRectF selected = m_geometry->rangeRect(part);
        painter.fillRect(selected, selectionFill);
        painter.setPen(QPen(selectionFrame, 2.0 / scale()));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(selected);
    }
    const CellRange* merged = m_sheet->mergeAt(m_current);
    painter.setPen(QPen(selectionFrame, 1.0 / scale()));
    painter.drawRect(merged ? m_geometry->rangeRect(*merged) : m_geometry->cellRect(m_current));
    paintObjectSelection(painter);
    painter.restore();
}

void SheetView::paintObjectSelection(QPainter& painter) const {
    const double handle = 6.0 / scale();
    painter.setBrush(Qt::NoBrush);
    for (const int index : m_tool.selected()) {
        if (index < 0 || std::size_t(index) >= m_sheet->drawings().size())
            continue;
        const QRectF bounds =
            m_sheet->drawings()[std::size_t(index)].bounds.normalized().translated(m_tool.dragOffset());
        painter.setPen(QPen(selectionFrame, 1.0 / scale(), Qt::DashLine));
        painter.drawRect(bounds);
        painter.setPen(QPen(selectionFrame, 1.0 / scale()));
        for (const QPointF corner :
             {bounds.topLeft(), bounds.topRight(), bounds.bottomLeft(), bounds.bottomRight()})
            painter.fillRect(QRectF(corner - QPointF(handle / 2, handle / 2), QSizeF(handle, handle)),
                             selectionFrame);
    }
    if (const std::optional<DrawingObject> reshaped = m_tool.reshaped()) {
        painter.setPen(QPen(Qt::black, 1.0 / scale(), Qt::DotLine));
        painter.drawRect(reshaped->bounds.normalized());
    }
    if (m_tool.isEditingPoints() && m_tool.selected().size() == 1 &&
        std::size_t(m_tool.selected().front()) < m_sheet->drawings().size()) {
        const DrawingObject& polygon = m_sheet->drawings()[std::size_t(m_tool.selected().front())];
        for (const QPointF& point : polygon.points)
            painter.fillRect(QRectF(polygon.bounds.topLeft() + point - QPointF(handle / 2, handle / 2),
                                    QSizeF(handle, handle)),
                             Qt::black);
    }
    if (const std::optional<QPolygonF> sketch = m_tool.sketch()) {
        painter.setPen(QPen(Qt::black, 1.0 / scale(), Qt::DotLine));
        painter.drawPolyline(*sketch);
    }
}

int SheetView::rowHeaderWidth() const {
    return m_sheet && !m_sheet->showHeadings() ? 0 : headingWidth;
}

int SheetView::columnHeaderHeight() const {
    return m_sheet && !m_sheet->showHeadings() ? 0 : headingHeight;
}

void SheetView::paintHeaders(QPainter& painter, const CellRange& visible) {
    if (!m_sheet->showHeadings())
        return;
    painter.setFont(font());
    const std::vector<CellRange> ranges = selectedRanges();
    const auto selected = [&ranges](auto inRange) {
        return std::any_of(ranges.begin(), ranges.end(), inRange);
    };
    const double frozenRight = rowHeaderWidth() + frozenWidth() * scale();
    const double frozenBottom = columnHeaderHeight() + frozenHeight() * scale();

    painter.fillRect(QRect(0, 0, viewport()->width(), columnHeaderHeight()), headerColour);
    painter.fillRect(QRect(0, 0, rowHeaderWidth(), viewport()->height()), headerColour);
    painter.setPen(Qt::gray);
    const auto columnHeader = [&](int column, double scrolled) {
        const double width = m_geometry->columnWidth(column) * scale();
        if (width <= 0)
            return;
        const QRectF cell(rowHeaderWidth() + m_geometry->columnLeft(column) * scale() - scrolled, 0, width,
                          columnHeaderHeight());
        if (selected([column](const CellRange& r) { return column >= r.left && column <= r.right; }))
            painter.fillRect(cell, headerSelectedColour);
        painter.drawLine(cell.topRight(), cell.bottomRight());
        painter.drawText(cell, Qt::AlignCenter, columnName(column));
    };
    const auto rowHeader = [&](int row, double scrolled) {
        const double height = m_geometry->rowHeight(row) * scale();
        if (height <= 0)
            return;
        const QRectF cell(0, columnHeaderHeight() + m_geometry->rowTop(row) * scale() - scrolled,
                          rowHeaderWidth(), height);
        if (selected([row](const CellRange& r) { return row >= r.top && row <= r.bottom; }))
            painter.fillRect(cell, headerSelectedColour);
        painter.drawLine(cell.bottomLeft(), cell.bottomRight());
        painter.drawText(cell, Qt::AlignCenter, QString::number(row));
    };
    // Headers of scrolled lines stay clear of the frozen ones.
    painter.save();
    painter.setClipRect(QRectF(frozenRight, 0, viewport()->width(), columnHeaderHeight()));
    for (int column = std::max(visible.left, m_sheet->frozenColumns() + 1); column <= visible.right; ++column)
        columnHeader(column, horizontalScrollBar()->value());
    painter.setClipRect(QRectF(0, frozenBottom, rowHeaderWidth(), viewport()->height()));
    for (int row = std::max(visible.top, m_sheet->frozenRows() + 1); row <= visible.bottom; ++row)
        rowHeader(row, verticalScrollBar()->value());
    painter.restore();
    for (int column = 1; column <= m_sheet->frozenColumns(); ++column)
        columnHeader(column, 0);
    for (int row = 1; row <= m_sheet->frozenRows(); ++row)
        rowHeader(row, 0);
    painter.fillRect(QRect(0, 0, rowHeaderWidth(), columnHeaderHeight()), headerColour);
    painter.drawLine(0, columnHeaderHeight() - 1, viewport()->width(), columnHeaderHeight() - 1);
    painter.drawLine(rowHeaderWidth() - 1, 0, rowHeaderWidth() - 1, viewport()->height());
}

void SheetView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void SheetView::scrollContentsBy(int, int) {
    finishEditing(true);
    finishEditingObject(true);
    viewport()->update();
}

void SheetView::mousePressEvent(QMouseEvent* event) {
    if (!m_geometry || event->button() != Qt::LeftButton)
        return;
    finishEditing(true);
    finishEditingObject(true);
    CellPos pos;
    m_dragging = hitTest(event->position().toPoint(), pos);
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const bool hadObjects = !m_tool.selected().empty();
    if (m_dragging == Hit::Cell && !m_readOnly &&
        m_tool.press(toSheet(event->position().toPoint()),
                     event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier), *m_sheet,
                     4.0 / scale())) {
        viewport()->update();
        Q_EMIT selectionChanged();
        return;
    }
    if (hadObjects)
        viewport()->update(); // the objects' frames go
    // Ctrl keeps what is selected and starts another range; Shift extends the active one.
    const bool another = (event->modifiers() & Qt::ControlModifier) && m_dragging != Hit::Corner;
    if (another)
        m_earlierRanges.push_back(m_selection);
    else if (!extend)
        m_earlierRanges.clear();
    switch (m_dragging) {
    case Hit::Corner:
        select({1, 1, maxRows, maxColumns});
        break;
    case Hit::ColumnHeader:
        m_anchor = extend ? m_anchor : CellPos{1, pos.column};
        m_kind = SelectionKind::Columns;
        extendSelection({maxRows, pos.column});
        break;
    case Hit::RowHeader:
        m_anchor = extend ? m_anchor : CellPos{pos.row, 1};
        m_kind = SelectionKind::Rows;
        extendSelection({pos.row, maxColumns});
        break;
    case Hit::Cell:
        if (extend) {
            extendSelection(pos);
        } else {
            m_anchor = m_current = pos;
            m_kind = SelectionKind::Cells;
            extendSelection(pos);
        }
        break;
    }
}

void SheetView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_geometry || !(event->buttons() & Qt::LeftButton))
        return;
    if (m_tool.isActive()) {
        m_tool.move(toSheet(event->position().toPoint()));
        viewport()->update();
        return;
    }
    CellPos pos;
    hitTest(event->position().toPoint(), pos);
    if (m_dragging == Hit::Cell)
        extendSelection(pos);
    else if (m_dragging == Hit::ColumnHeader)
        extendSelection({maxRows, pos.column});
    else if (m_dragging == Hit::RowHeader)
        extendSelection({pos.row, maxColumns});
}

void SheetView::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_geometry || event->button() != Qt::LeftButton)
        return;
    if (m_tool.isActive())
        return reportTool(m_tool.release(toSheet(event->position().toPoint())));
    Q_EMIT selectionFinished();
}

void SheetView::reportTool(const DrawingTool::Result& result) {
    viewport()->update();
    if (result.drawn) {
        Q_EMIT drawingModeChanged(m_tool.mode());
        Q_EMIT objectDrawn(*result.drawn);
    } else if (result.changed) {
        Q_EMIT objectChanged(result.changed->first, result.changed->second);
    } else if (!result.moved.isNull()) {
        Q_EMIT objectsMoved(m_tool.selected(), result.moved);
    }
}

void SheetView::setDrawingMode(int mode) {
    finishEditing(true);
    finishEditingObject(true);
    m_tool.setMode(mode);
    viewport()->update();
    Q_EMIT drawingModeChanged(mode);
}

void SheetView::setEditingPoints(bool on) {
    m_tool.setEditingPoints(on);
    viewport()->update();
}

void SheetView::selectObjects(std::vector<int> objects) {
    m_tool.select(std::move(objects));
    viewport()->update();
    Q_EMIT selectionChanged();
}

void SheetView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (m_tool.mode() == 8)
        return reportTool(m_tool.finish());
    // The first click selected the object under the mouse.
    if (!m_readOnly && m_tool.selected().size() == 1) {
        const auto index = std::size_t(m_tool.selected().front());
        const QPointF at = toSheet(event->position().toPoint());
        if (index < m_sheet->drawings().size() && m_sheet->drawings()[index].showsText() &&
            m_sheet->drawings()[index].bounds.normalized().contains(at))
            return startEditingObject(int(index));
    }
    CellPos pos;
    if (m_geometry && !m_readOnly && hitTest(event->position().toPoint(), pos) == Hit::Cell) {
        setCurrentCell(pos);
        requestEditing(m_sheet->editText(pos));
    }
}

void SheetView::extendSelection(CellPos to) {
    const CellPos anchor = m_kind == SelectionKind::Columns ? CellPos{1, m_anchor.column}
                           : m_kind == SelectionKind::Rows  ? CellPos{m_anchor.row, 1}
                                                            : m_anchor;
    m_selection = {std::min(anchor.row, to.row), std::min(anchor.column, to.column),
                   std::max(anchor.row, to.row), std::max(anchor.column, to.column)};
    if (m_kind == SelectionKind::Cells)
        m_current = m_anchor;
    viewport()->update();
    Q_EMIT selectionChanged();
}

void SheetView::moveCurrent(int rows, int columns, bool extend) {
    if (extend) {
        // The far corner of the selection moves; the anchor stays.
        const CellPos corner{m_selection.top == m_anchor.row ? m_selection.bottom : m_selection.top,
                             m_selection.left == m_anchor.column ? m_selection.right : m_selection.left};
        const CellPos to{std::clamp(corner.row + rows, 1, maxRows),
                         std::clamp(corner.column + columns, 1, maxColumns)};
        m_kind = SelectionKind::Cells;
        extendSelection(to);
        ensureVisible(to);
        return;
    }
    setCurrentCell({m_current.row + rows, m_current.column + columns});
}

void SheetView::ensureVisible(CellPos pos) {
    if (!m_geometry)
        return;
    ensureRows(pos.row + 20);
    // Scrolling counts from the end of the frozen lines; a frozen cell is always in view.
    const QRectF cell = m_geometry->cellRect(pos).translated(-frozenWidth(), -frozenHeight());
    const int width = viewport()->width() - rowHeaderWidth() - int(frozenWidth() * scale());
    const int height = viewport()->height() - columnHeaderHeight() - int(frozenHeight() * scale());
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    if (pos.column > m_sheet->frozenColumns()) {
        if (cell.left() * scale() < h->value())
            h->setValue(int(cell.left() * scale()));
        else if (cell.right() * scale() > h->value() + width)
            h->setValue(int(std::ceil(cell.right() * scale())) - width);
    }
    if (pos.row > m_sheet->frozenRows()) {
        if (cell.top() * scale() < v->value())
            v->setValue(int(cell.top() * scale()));
        else if (cell.bottom() * scale() > v->value() + height)
            v->setValue(int(std::ceil(cell.bottom() * scale())) - height);
    }
}

void SheetView::keyPressEvent(QKeyEvent* event) {
    if (!m_sheet)
        return;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const int page = std::max(1, int(viewport()->height() / (Sheet::standardRowHeight * scale())) - 1);
    switch (event->key()) {
    case Qt::Key_Up:
        return moveCurrent(-1, 0, shift);
    case Qt::Key_Down:
        return moveCurrent(1, 0, shift);
    case Qt::Key_Left:
        return moveCurrent(0, -1, shift);
    case Qt::Key_Right:
        return moveCurrent(0, 1, shift);
    case Qt::Key_PageUp:
        return moveCurrent(-page, 0, shift);
    case Qt::Key_PageDown:
        return moveCurrent(page, 0, shift);
    case Qt::Key_Home:
        return setCurrentCell(event->modifiers() & Qt::ControlModifier ? CellPos{1, 1}
                                                                       : CellPos{m_current.row, 1});
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return moveAfterEnter(shift);
    case Qt::Key_Tab:
        return moveCurrent(0, 1, false);
    case Qt::Key_Backtab:
        return moveCurrent(0, -1, false);
    default:
        break;
    }
    // Result windows show their sheet; what is typed into it goes nowhere.
    if (m_readOnly) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F2)
        return requestEditing(m_sheet->editText(m_current));
    if (event->key() == Qt::Key_Delete) {
        Q_EMIT clearRequested();
        return;
    }
    if (event->key() == Qt::Key_Escape && m_tool.mode() != 0)
        return setDrawingMode(0);
    const QString text = event->text();
    if (!text.isEmpty() && text[0].isPrint() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return requestEditing(text);
    QAbstractScrollArea::keyPressEvent(event);
}

void SheetView::moveAfterEnter(bool back) {
    if (!m_options.moveAfterEnter)
        return;
    const int sign = back ? -1 : 1;
    switch (m_options.direction) {
    case EditingOptions::Direction::Down:
        return moveCurrent(sign, 0, false);
    case EditingOptions::Direction::Right:
        return moveCurrent(0, sign, false);
    case EditingOptions::Direction::Up:
        return moveCurrent(-sign, 0, false);
    case EditingOptions::Direction::Left:
        return moveCurrent(0, -sign, false);
    }
}

void SheetView::requestEditing(const QString& initialText) {
    if (m_readOnly || !m_geometry)
        return;
    if (m_options.editInCell)
        startEditing(initialText);
    else
        Q_EMIT editRequested(initialText);
}

void SheetView::startEditing(const QString& initialText) {
    if (m_readOnly || !m_geometry)
        return;
    if (!m_editor) {
        m_editor = new QLineEdit(viewport());
        m_editor->setObjectName(QStringLiteral("cellEditor"));
        m_editor->setFrame(false);
        m_editor->installEventFilter(this);
    }
    const CellRange* merged = m_sheet->mergeAt(m_current);
    const QRectF cell = merged ? m_geometry->rangeRect(*merged) : m_geometry->cellRect(m_current);
    const QRectF shown = toViewport(cell, m_current);
    const QRect area(int(shown.left()), int(shown.top()), std::max(40, int(shown.width())),
                     std::max(16, int(shown.height())));
    m_editor->setGeometry(area);
    m_editor->setText(initialText);
    m_editor->show();
    m_editor->setFocus();
}

void SheetView::startEditingObject(int index) {
    if (!m_objectEditor) {
        m_objectEditor = new QPlainTextEdit(viewport());
        m_objectEditor->setObjectName(QStringLiteral("objectEditor"));
        m_objectEditor->installEventFilter(this);
    }
    const DrawingObject& object = m_sheet->drawings()[std::size_t(index)];
    const QRectF bounds = object.bounds.normalized();
    const CellPos corner{m_geometry->rowAt(std::max(0.0, bounds.top())),
                         m_geometry->columnAt(std::max(0.0, bounds.left()))};
    const QRectF shown = toViewport(bounds, corner);
    m_objectEditor->setGeometry(int(shown.left()), int(shown.top()), std::max(60, int(shown.width())),
                                std::max(24, int(shown.height())));
    m_objectEditor->setPlainText(object.text);
    m_objectEditor->selectAll();
    m_editedObject = index;
    m_objectEditor->show();
    m_objectEditor->setFocus();
}

void SheetView::finishEditingObject(bool commit) {
    if (!m_objectEditor || !m_objectEditor->isVisible())
        return;
    m_objectEditor->hide();
    const auto index = std::size_t(std::exchange(m_editedObject, -1));
    if (commit && m_sheet && index < m_sheet->drawings().size()) {
        DrawingObject object = m_sheet->drawings()[index];
        if (object.text != m_objectEditor->toPlainText()) {
            object.text = m_objectEditor->toPlainText();
            Q_EMIT objectChanged(int(index), object);
        }
    }
    setFocus();
}

void SheetView::finishEditing(bool commit) {
    if (!m_editor || !m_editor->isVisible())
        return;
    m_editor->hide();
    if (commit && m_sheet && m_editor->text() != m_sheet->editText(m_current))
        Q_EMIT textEntered(m_current, m_editor->text());
    setFocus();
}

bool SheetView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_objectEditor && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            finishEditingObject(false);
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            const bool textBox =
                std::size_t(m_editedObject) < m_sheet->drawings().size() &&
                m_sheet->drawings()[std::size_t(m_editedObject)].kind == DrawingObject::Kind::TextBox;
            if (textBox && (key->modifiers() & Qt::ShiftModifier))
                m_objectEditor->insertPlainText(QStringLiteral("\n"));
            else
                finishEditingObject(true);
            return true;
        }
    }
    if (watched == m_editor && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            finishEditing(false);
            return true;
        }
        if (key->key() == Qt::Key_Tab) {
            finishEditing(true);
            moveCurrent(0, 1, false);
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            finishEditing(true);
            moveAfterEnter(key->modifiers() & Qt::ShiftModifier);
            return true;
        }
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

} // namespace velmora::sheet
