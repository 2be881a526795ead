#include "sheet/view/SheetView.h"

#include "sheet/view/SheetPainter.h"

#include <cmath>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace velmora::sheet {

namespace {

constexpr int rowHeaderWidth = 40;
constexpr int columnHeaderHeight = 20;
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
    m_sheet = sheet;
    m_extraRows = 0;
    m_current = m_anchor = {1, 1};
    m_selection = {1, 1, 1, 1};
    m_kind = SelectionKind::Cells;
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    sheetChanged();
    Q_EMIT selectionChanged();
}

void SheetView::sheetChanged() {
    rebuildGeometry();
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
    const QSize area = viewport()->size() - QSize(rowHeaderWidth, columnHeaderHeight);
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
    return m_geometry->rowAt(verticalScrollBar()->value() / scale());
}

void SheetView::setTopRow(int row) {
    if (!m_geometry)
        return;
    row = std::clamp(row, 1, maxRows);
    // Room below the row for a whole screen, so that it can stand at the top.
    const int screenRows = int(std::ceil(viewport()->height() / (m_sheet->defaultRowHeight() * scale())));
    ensureRows(row + screenRows + 1);
    verticalScrollBar()->setValue(int(std::ceil(m_geometry->rowTop(row) * scale())));
}

void SheetView::setReadOnly(bool readOnly) {
    if (readOnly)
        finishEditing(false);
    m_readOnly = readOnly;
}

void SheetView::select(const CellRange& range, SelectionKind kind) {
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

QPointF SheetView::toSheet(QPoint viewportPos) const {
    return {(viewportPos.x() - rowHeaderWidth + horizontalScrollBar()->value()) / scale(),
            (viewportPos.y() - columnHeaderHeight + verticalScrollBar()->value()) / scale()};
}

SheetView::Hit SheetView::hitTest(QPoint viewportPos, CellPos& pos) const {
    const QPointF at = toSheet(viewportPos);
    pos = {m_geometry->rowAt(std::max(0.0, at.y())), m_geometry->columnAt(std::max(0.0, at.x()))};
    const bool inRowHeader = viewportPos.x() < rowHeaderWidth;
    const bool inColumnHeader = viewportPos.y() < columnHeaderHeight;
    if (inRowHeader && inColumnHeader)
        return Hit::Corner;
    if (inColumnHeader)
        return Hit::ColumnHeader;
    if (inRowHeader)
        return Hit::RowHeader;
    return Hit::Cell;
}

CellRange SheetView::visibleCells() const {
    const QPointF topLeft = toSheet({rowHeaderWidth, columnHeaderHeight});
    const QPointF bottomRight = toSheet({viewport()->width(), viewport()->height()});
    return {m_geometry->rowAt(topLeft.y()), m_geometry->columnAt(topLeft.x()),
            m_geometry->rowAt(bottomRight.y()), m_geometry->columnAt(bottomRight.x())};
}

void SheetView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    if (!m_sheet || !m_geometry)
        return;
    const CellRange visible = visibleCells();

    painter.save();
    painter.setClipRect(QRect(rowHeaderWidth, columnHeaderHeight, viewport()->width(), viewport()->height()));
    painter.translate(rowHeaderWidth - horizontalScrollBar()->value(),
                      columnHeaderHeight - verticalScrollBar()->value());
    painter.scale(scale(), scale());
    SheetPainter(*m_sheet, *m_geometry).paint(painter, visible, true);

    const CellRange shown{std::max(m_selection.top, 1), std::max(m_selection.left, 1),
                          std::min(m_selection.bottom, m_geometry->rowCount()),
                          std::min(m_selection.right, m_geometry->columnCount())};
    const QRectF selected = m_geometry->rangeRect(shown);
    painter.fillRect(selected, selectionFill);
    painter.setPen(QPen(selectionFrame, 2.0 / scale()));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(selected);
    const CellRange* merged = m_sheet->mergeAt(m_current);
    painter.setPen(QPen(selectionFrame, 1.0 / scale()));
    painter.drawRect(merged ? m_geometry->rangeRect(*merged) : m_geometry->cellRect(m_current));
    painter.restore();

    paintHeaders(painter, visible);
}

void SheetView::paintHeaders(QPainter& painter, const CellRange& visible) {
    painter.setFont(font());
    const int scrollX = horizontalScrollBar()->value();
    const int scrollY = verticalScrollBar()->value();
    const auto selectedColumn = [this](int column) {
        return column >= m_selection.left && column <= m_selection.right;
    };
    const auto selectedRow = [this](int row) {
        return row >= m_selection.top && row <= m_selection.bottom;
    };

    painter.fillRect(QRect(0, 0, viewport()->width(), columnHeaderHeight), headerColour);
    painter.fillRect(QRect(0, 0, rowHeaderWidth, viewport()->height()), headerColour);
    painter.setPen(Qt::gray);
    for (int column = visible.left; column <= visible.right; ++column) {
        const double width = m_geometry->columnWidth(column) * scale();
        if (width <= 0)
            continue;
        const QRectF cell(rowHeaderWidth + m_geometry->columnLeft(column) * scale() - scrollX, 0, width,
                          columnHeaderHeight);
        if (cell.right() < rowHeaderWidth)
            continue;
        if (selectedColumn(column))
            painter.fillRect(cell, headerSelectedColour);
        painter.drawLine(cell.topRight(), cell.bottomRight());
        painter.drawText(cell, Qt::AlignCenter, columnName(column));
    }
    for (int row = visible.top; row <= visible.bottom; ++row) {
        const double height = m_geometry->rowHeight(row) * scale();
        if (height <= 0)
            continue;
        const QRectF cell(0, columnHeaderHeight + m_geometry->rowTop(row) * scale() - scrollY, rowHeaderWidth,
                          height);
        if (cell.bottom() < columnHeaderHeight)
            continue;
        if (selectedRow(row))
            painter.fillRect(cell, headerSelectedColour);
        painter.drawLine(cell.bottomLeft(), cell.bottomRight());
        painter.drawText(cell, Qt::AlignCenter, QString::number(row));
    }
    painter.fillRect(QRect(0, 0, rowHeaderWidth, columnHeaderHeight), headerColour);
    painter.drawLine(0, columnHeaderHeight - 1, viewport()->width(), columnHeaderHeight - 1);
    painter.drawLine(rowHeaderWidth - 1, 0, rowHeaderWidth - 1, viewport()->height());
}

void SheetView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void SheetView::scrollContentsBy(int, int) {
    finishEditing(true);
    viewport()->update();
}

void SheetView::mousePressEvent(QMouseEvent* event) {
    if (!m_geometry || event->button() != Qt::LeftButton)
        return;
    finishEditing(true);
    CellPos pos;
    m_dragging = hitTest(event->position().toPoint(), pos);
    const bool extend = event->modifiers() & Qt::ShiftModifier;
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
            select(CellRange::single(pos));
        }
        break;
    }
}

void SheetView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_geometry || !(event->buttons() & Qt::LeftButton))
        return;
    CellPos pos;
    hitTest(event->position().toPoint(), pos);
    if (m_dragging == Hit::Cell)
        extendSelection(pos);
    else if (m_dragging == Hit::ColumnHeader)
        extendSelection({maxRows, pos.column});
    else if (m_dragging == Hit::RowHeader)
        extendSelection({pos.row, maxColumns});
}

void SheetView::mouseDoubleClickEvent(QMouseEvent* event) {
    CellPos pos;
    if (m_geometry && !m_readOnly && hitTest(event->position().toPoint(), pos) == Hit::Cell) {
        setCurrentCell(pos);
        startEditing(editText(pos));
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
    const QRectF cell = m_geometry->cellRect(pos);
    const int width = viewport()->width() - rowHeaderWidth;
    const int height = viewport()->height() - columnHeaderHeight;
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    if (cell.left() * scale() < h->value())
        h->setValue(int(cell.left() * scale()));
    else if (cell.right() * scale() > h->value() + width)
        h->setValue(int(std::ceil(cell.right() * scale())) - width);
    if (cell.top() * scale() < v->value())
        v->setValue(int(cell.top() * scale()));
    else if (cell.bottom() * scale() > v->value() + height)
        v->setValue(int(std::ceil(cell.bottom() * scale())) - height);
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
        return moveCurrent(shift ? -1 : 1, 0, false);
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
        return startEditing(editText(m_current));
    if (event->key() == Qt::Key_Delete) {
        Q_EMIT clearRequested();
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text[0].isPrint() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return startEditing(text);
    QAbstractScrollArea::keyPressEvent(event);
}

QString SheetView::editText(CellPos pos) const {
    const QString formula = m_sheet->formula(pos);
    return formula.isEmpty() ? m_sheet->text(pos) : formula;
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
    const QRect area(int(rowHeaderWidth + cell.left() * scale()) - horizontalScrollBar()->value(),
                     int(columnHeaderHeight + cell.top() * scale()) - verticalScrollBar()->value(),
                     std::max(40, int(cell.width() * scale())), std::max(16, int(cell.height() * scale())));
    m_editor->setGeometry(area);
    m_editor->setText(initialText);
    m_editor->show();
    m_editor->setFocus();
}

void SheetView::finishEditing(bool commit) {
    if (!m_editor || !m_editor->isVisible())
        return;
    m_editor->hide();
    if (commit && m_sheet && m_editor->text() != editText(m_current))
        Q_EMIT textEntered(m_current, m_editor->text());
    setFocus();
}

bool SheetView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_editor && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            finishEditing(false);
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Tab) {
            finishEditing(true);
            moveCurrent(key->key() == Qt::Key_Tab ? 0 : 1, key->key() == Qt::Key_Tab ? 1 : 0, false);
            return true;
        }
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

} // namespace velmora::sheet
