#pragma once

#include "sheet/model/Sheet.h"

#include <optional>
#include <QPolygonF>
#include <vector>

namespace velmora::sheet {

/// What the mouse does to drawing objects, in sheet coordinates: in a drawing mode it draws a new object
/// (dragging its bounds, or clicking the points of a polygon, which a double click ends); otherwise a
/// press on a corner of a selected object resizes it, on a point of the one selected polygon while points
/// are edited moves that point, and on an object selects it (with `adding`, next to those selected), and
/// dragging moves the selected ones. The view feeds it its mouse events and paints what it shows; its
/// owner records the results.
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

    /// Polygon point editing: the points of the one selected polygon can be dragged.
    bool isEditingPoints() const { return m_editingPoints; }
    void setEditingPoints(bool on) { m_editingPoints = on; }

    /// True when the press is the tool's: in a drawing mode, or on an object of `sheet`. A corner or
    /// point counts within `grip` of it.
    bool press(QPointF at, bool adding, const Sheet& sheet, double grip);
    void move(QPointF at);

    /// What a release or a double click finished.
    struct Result {
        std::optional<DrawingObject> drawn;                   ///< a new object, the drawing mode ended
        QPointF moved;                                        ///< how far the selected objects were dragged
        std::optional<std::pair<int, DrawingObject>> changed; ///< an object resized or a point moved
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
    /// The object being resized or reshaped, as it would be released now.
    std::optional<DrawingObject> reshaped() const;

private:
    enum class Action { None, Drawing, DrawingPolygon, Moving, Resizing, MovingPoint };

    DrawingObject newObject(QRectF bounds) const;
    /// Starts resizing or moving a point where `at` grips one; false where it grips none.
    bool grip(QPointF at, const Sheet& sheet, double grip);

    int m_mode = 0;
    std::vector<int> m_selected;
    Action m_action = Action::None;
    QPointF m_start;
    QPointF m_last;
    QPolygonF m_points;
    bool m_editingPoints = false;
    int m_target = -1;        ///< the object being resized or reshaped
    DrawingObject m_original; ///< and how it was
    QPointF m_fixed;          ///< the corner that stays while resizing
    int m_point = -1;         ///< the polygon point being moved
};

} // namespace velmora::sheet
