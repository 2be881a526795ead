#pragma once

#include "sheet/model/Sheet.h"
#include "sheet/view/DrawingTool.h"
#include "sheet/view/EditingOptions.h"
#include "sheet/view/SheetGeometry.h"

#include <memory>
#include <QAbstractScrollArea>
#include <vector>

class QLineEdit;
class QPlainTextEdit;

namespace velmora::sheet {

/// Shows one sheet with row and column headers, gridlines, styles, merged cells and drawing objects at a
/// zoom of 10 to 200 %, its frozen rows and columns pinned, and keeps a selection: ranges of cells, whole
/// rows or whole columns (Ctrl adds one), the current cell at the anchor of the last. In read-only mode
/// typed keys are discarded; otherwise typing, F2 or a double click edit the current cell, and page breaks
/// are drawn; a double click on an object that shows a text edits that text.
class SheetView : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class SelectionKind { Cells, Rows, Columns };

    explicit SheetView(QWidget* parent = nullptr);
    ~SheetView() override;

    /// The shown sheet; it must outlive the view or be replaced first.
    void setSheet(Sheet* sheet);
    Sheet* sheet() const { return m_sheet; }
    /// Re-reads sizes and contents after the sheet changed.
    void sheetChanged();

    int zoom() const { return m_zoom; }
    void setZoom(int percent);

    int topRow() const;
    void setTopRow(int row);

    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    /// Where Enter moves and whether cells are edited in place; the view leaves recalculation to others.
    void setEditingOptions(const EditingOptions& options) { m_options = options; }

    CellPos currentCell() const { return m_current; }
    /// The active range: the last one selected.
    CellRange selection() const { return m_selection; }
    /// Every selected range, the active one last.
    std::vector<CellRange> selectedRanges() const;
    bool isEditing() const;
    SelectionKind selectionKind() const { return m_kind; }
    void select(const CellRange& range, SelectionKind kind = SelectionKind::Cells);
    void setCurrentCell(CellPos pos);

    /// The object-drawing mode (DrawingTool's codes); the next drag or click draws that object and ends it.
    int drawingMode() const { return m_tool.mode(); }
    void setDrawingMode(int mode);
    /// The drawing objects selected, by index; selecting cells deselects them.
    const std::vector<int>& selectedObjects() const { return m_tool.selected(); }
    void selectObjects(std::vector<int> objects);
    /// Polygon point editing: the points of the one selected polygon are shown and can be dragged.
    bool isEditingPoints() const { return m_tool.isEditingPoints(); }
    void setEditingPoints(bool on);

Q_SIGNALS:
    void selectionChanged();
    /// The mouse button that made a selection was released.
    void selectionFinished();
    /// The user typed `text` into the cell; the owner of the sheet puts it there.
    void textEntered(CellPos pos, const QString& text);
    /// The user began to edit the current cell, starting from `text`, while cells are not edited in place.
    void editRequested(const QString& text);
    /// The user pressed Delete on the selection.
    void clearRequested();
    /// The user drew an object; the owner of the sheet adds it.
    void objectDrawn(const DrawingObject& object);
    /// The user dragged the selected objects `by` sheet pixels.
    void objectsMoved(const std::vector<int>& objects, QPointF by);
    /// The user resized an object or moved a point of a polygon: `object` is how it is to be.
    void objectChanged(int index, const DrawingObject& object);
    void drawingModeChanged(int mode);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Hit { Corner, ColumnHeader, RowHeader, Cell };

    double scale() const { return m_zoom / 100.0; }
    void rebuildGeometry();
    /// Extends the rows the view can scroll through to at least `rows`.
    void ensureRows(int rows);
    void updateScrollBars();
    /// Sheet coordinates (pixels at 100 %) of a viewport position in the cell area.
    QPointF toSheet(QPoint viewportPos) const;
    /// Where a rectangle of the sheet stands in the viewport; frozen lines do not scroll.
    QRectF toViewport(const QRectF& sheetRect, CellPos pos) const;
    /// The size of the frozen rows and columns, in sheet pixels.
    double frozenWidth() const;
    double frozenHeight() const;
    /// Paints one of the four panes: `clip` in viewport coordinates, scrolled along where `scrollX` and
    /// `scrollY` say.
    void paintPane(QPainter& painter, const QRectF& clip, bool scrollX, bool scrollY);
    Hit hitTest(QPoint viewportPos, CellPos& pos) const;
    void extendSelection(CellPos to);
    void moveCurrent(int rows, int columns, bool extend);
    void ensureVisible(CellPos pos);
    /// Edits the current cell in place, or asks the owner to, as the options say.
    void requestEditing(const QString& initialText);
    void startEditing(const QString& initialText);
    /// Edits the text of the object at `index` in place: Enter keeps it (Shift+Enter starts a new line
    /// of a text box), Escape leaves it as it was; a click elsewhere keeps it too.
    void startEditingObject(int index);
    void finishEditingObject(bool commit);
    /// Moves the current cell as Enter does; `back` for Shift+Enter.
    void moveAfterEnter(bool back);
    void finishEditing(bool commit);
    /// The room of the row numbers and column letters; none when the sheet hides them.
    int rowHeaderWidth() const;
    int columnHeaderHeight() const;
    void paintHeaders(QPainter& painter, const CellRange& visible);
    /// The frames and handles of the selected objects and what is being drawn, in sheet coordinates.
    void paintObjectSelection(QPainter& painter) const;
    /// Hands a finished drawing or drag to the owner.
    void reportTool(const DrawingTool::Result& result);
    /// The cells of the sheet a rectangle of the viewport shows, scrolled as asked.
    CellRange cellsUnder(const QRectF& clip, bool scrollX, bool scrollY) const;

    Sheet* m_sheet = nullptr;
    std::unique_ptr<SheetGeometry> m_geometry;
    int m_zoom = 100;
    bool m_readOnly = false;
    QPlainTextEdit* m_objectEditor = nullptr;
    int m_editedObject = -1;
    EditingOptions m_options;
    CellPos m_current{1, 1};
    CellPos m_anchor{1, 1};
    CellRange m_selection{1, 1, 1, 1};
    std::vector<CellRange> m_earlierRanges; ///< ranges selected before the active one (Ctrl)
    SelectionKind m_kind = SelectionKind::Cells;
    Hit m_dragging = Hit::Corner;
    int m_extraRows = 0; ///< rows reached by scrolling beyond the used range
    QLineEdit* m_editor = nullptr;
    DrawingTool m_tool;
};

} // namespace velmora::sheet
