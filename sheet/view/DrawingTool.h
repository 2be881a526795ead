#pragma once

#include "sheet/model/Sheet.h"

#include <optional>
#include <QPolygonF>
#include <vector>

namespace velmora::sheet {

/// What the mouse does to drawing objects, in sheet coordinates: in a drawing mode it draws a new object
/// (dragging its bounds, or clicking the points of a polygon, which a double click ends); otherwise a
/// press on an object selects it (with `adding`, next to those selected) and dragging moves the selected
/// ones. The view feeds it its mouse events and paints what it shows; its owner records the results.
class DrawingTool {
public:
    /// The drawing modes: 0 none, 1 line, 2 rectangle, 3 oval, 4 arc, 5 chart, 7 button, 8 polygon,
    /// 9 check box, 10 list box.
    static std::optional<DrawingObject::Kind> kindOfMode(int mode);

    int mode() const { return m_mode; }
    /// Raises SheetError for a code that is no mode.
    void setMode(int mode);

    const std::vector<int>& selected() const { return m_selected; }
    void select(std::vector<int> objects) { m_selected = std::move(objects); }

    /// True when the press is the tool's: in a drawing mode, or on an object of `sheet`.
    bool press(QPointF at, bool adding, const Sheet& sheet);
    void move(QPointF at);

    /// What a release or a double click finished.
    struct Result {
        std::optional<DrawingObject> drawn; ///< a new object, the drawing mode ended
        QPointF moved;                      ///< how far the selected objects were dragged
    };
    Result release(QPointF at);
    /// Ends a polygon being drawn (two points at least).
    Result finish();
    /// Whether a press started something that the release ends.
    bool isActive() const { return m_action != Action::None; }

    /// The rectangle being drawn, or the outline of the polygon so far.
    std::optional<QPolygonF> sketch() const;
    /// Where the selected objects are while they are dragged.
    QPointF dragOffset() const { return m_action == Action::Moving ? m_last - m_start : QPointF(); }

private:
    enum class Action { None, Drawing, DrawingPolygon, Moving };

    DrawingObject newObject(QRectF bounds) const;

    int m_mode = 0;
    std::vector<int> m_selected;
    Action m_action = Action::None;
    QPointF m_start;
    QPointF m_last;
    QPolygonF m_points;
};

} // namespace velmora::sheet
