#include "sheet/view/DrawingTool.h"

#include "sheet/model/SheetError.h"

#include <algorithm>
#include <cmath>

namespace velmora::sheet {

namespace {

constexpr double minimumDrag = 3.0; // pixels; less is a click, which draws an object of the default size
const QSizeF defaultSize(96, 24);

// The topmost object under `at`: the last one drawn wins.
std::optional<int> objectAt(const Sheet& sheet, QPointF at) {
    const std::vector<DrawingObject>& objects = sheet.drawings();
    for (int index = int(objects.size()) - 1; index >= 0; --index) {
        // Lines and thin shapes are hard to hit exactly; a few pixels around them count.
        if (objects[std::size_t(index)].bounds.normalized().adjusted(-3, -3, 3, 3).contains(at))
            return index;
    }
    return std::nullopt;
}

} // namespace

std::optional<DrawingObject::Kind> DrawingTool::kindOfMode(int mode) {
    using Kind = DrawingObject::Kind;
    switch (mode) {
    case 1:
        return Kind::Line;
    case 2:
        return Kind::Rectangle;
    case 3:
        return Kind::Oval;
    case 4:
        return Kind::Arc;
    case 5:
        return Kind::Chart;
    case 7:
        return Kind::Button;
    case 8:
        return Kind::Polygon;
    case 9:
        return Kind::CheckBox;
    case 10:
        return Kind::ListBox;
    default:
        return std::nullopt;
    }
}

void DrawingTool::setMode(int mode) {
    if (mode != 0 && !kindOfMode(mode))
        throw SheetError(QStringLiteral("Den Zeichenmodus %1 gibt es nicht.").arg(mode));
    m_mode = mode;
    m_action = Action::None;
    m_points.clear();
}

bool DrawingTool::grip(QPointF at, const Sheet& sheet, double grip) {
    const auto near = [&](QPointF point) {
        return std::abs(point.x() - at.x()) <= grip && std::abs(point.y() - at.y()) <= grip;
    };
    for (const int index : m_selected) {
        if (index < 0 || std::size_t(index) >= sheet.drawings().size())
            continue;
        const DrawingObject& object = sheet.drawings()[std::size_t(index)];
        if (m_editingPoints && m_selected.size() == 1 && object.kind == DrawingObject::Kind::Polygon) {
            for (int point = 0; point < object.points.size(); ++point)
                if (near(object.bounds.topLeft() + object.points[point])) {
                    m_action = Action::MovingPoint;
                    m_target = index;
                    m_original = object;
                    m_point = point;
                    return true;
                }
        }
        const QRectF bounds = object.bounds.normalized();
        const QPointF corners[] = {bounds.topLeft(), bounds.topRight(), bounds.bottomRight(),
                                   bounds.bottomLeft()};
        for (int corner = 0; corner < 4; ++corner)
            if (near(corners[corner])) {
                m_action = Action::Resizing;
                m_target = index;
                m_original = object;
                m_fixed = corners[(corner + 2) % 4];
                return true;
            }
    }
    return false;
}

bool DrawingTool::press(QPointF at, bool adding, const Sheet& sheet, double grip) {
    m_start = m_last = at;
    if (m_mode == 8) {
        // The last point follows the mouse; a click fixes it where it is and starts the next one.
        if (m_action != Action::DrawingPolygon)
            m_points = {at};
        else
            m_points.back() = at;
        m_points << at;
        m_action = Action::DrawingPolygon;
        return true;
    }
    if (m_mode != 0) {
        m_action = Action::Drawing;
        return true;
    }
    if (this->grip(at, sheet, grip))
        return true;
    const std::optional<int> hit = objectAt(sheet, at);
    if (!hit) {
        m_selected.clear();
        return false;
    }
    const bool isSelected = std::find(m_selected.begin(), m_selected.end(), *hit) != m_selected.end();
    if (adding && !isSelected)
        m_selected.push_back(*hit);
    else if (!isSelected)
        m_selected = {*hit};
    m_action = Action::Moving;
    return true;
}

void DrawingTool::move(QPointF at) {
    m_last = at;
    if (m_action == Action::DrawingPolygon && !m_points.isEmpty())
        m_points.back() = at;
}

DrawingTool::Result DrawingTool::release(QPointF at) {
    move(at);
    Result result;
    switch (m_action) {
    case Action::Drawing: {
        const QRectF dragged = QRectF(m_start, at).normalized();
        const bool clicked = dragged.width() < minimumDrag && dragged.height() < minimumDrag;
        // A line keeps its direction: its bounds run from where it started to where it ended.
        QRectF bounds = clicked ? QRectF(m_start, defaultSize) : dragged;
        if (!clicked && kindOfMode(m_mode) == DrawingObject::Kind::Line)
            bounds = QRectF(m_start, at);
        result.drawn = newObject(bounds);
        m_mode = 0;
        m_action = Action::None;
        break;
    }
    case Action::Moving:
        result.moved = at - m_start;
        m_action = Action::None;
        break;
    case Action::Resizing:
    case Action::MovingPoint:
        result.changed = std::pair(m_target, *reshaped());
        m_action = Action::None;
        break;
    default:
        break;
    }
    return result;
}

DrawingTool::Result DrawingTool::finish() {
    Result result;
    if (m_action != Action::DrawingPolygon)
        return result;
    // The double click repeated the last point.
    QPolygonF points = m_points;
    while (points.size() > 1 && points.back() == points[points.size() - 2])
        points.removeLast();
    if (points.size() >= 2) {
        const QRectF bounds = points.boundingRect();
        DrawingObject polygon = newObject(bounds);
        for (const QPointF& point : points)
            polygon.points.append(point - bounds.topLeft());
        result.drawn = polygon;
    }
    m_points.clear();
    m_mode = 0;
    m_action = Action::None;
    return result;
}

std::optional<DrawingObject> DrawingTool::reshaped() const {
    DrawingObject object = m_original;
    if (m_action == Action::Resizing) {
        // A line keeps which of its ends is where; polygons scale their points with the bounds.
        const QRectF before = m_original.bounds.normalized();
        const QRectF after = QRectF(m_fixed, m_last).normalized();
        const double sx = before.width() > 0 ? after.width() / before.width() : 1.0;
        const double sy = before.height() > 0 ? after.height() / before.height() : 1.0;
        for (QPointF& point : object.points)
            point = QPointF(point.x() * sx, point.y() * sy);
        const bool flippedX = m_original.bounds.width() < 0;
        const bool flippedY = m_original.bounds.height() < 0;
        object.bounds =
            QRectF(QPointF(flippedX ? after.right() : after.left(), flippedY ? after.bottom() : after.top()),
                   QPointF(flippedX ? after.left() : after.right(), flippedY ? after.top() : after.bottom()));
        return object;
    }
    if (m_action == Action::MovingPoint) {
        // The bounds follow the points: the polygon's top-left corner is where its points begin.
        QPolygonF points;
        for (const QPointF& point : m_original.points)
            points << m_original.bounds.topLeft() + point;
        points[m_point] = m_last;
        const QRectF bounds = points.boundingRect();
        object.bounds = bounds;
        object.points.clear();
        for (const QPointF& point : points)
            object.points.append(point - bounds.topLeft());
        return object;
    }
    return std::nullopt;
}

std::optional<QPolygonF> DrawingTool::sketch() const {
    if (m_action == Action::DrawingPolygon)
        return m_points;
    if (m_action == Action::Drawing)
        return QPolygonF(QRectF(m_start, m_last).normalized());
    return std::nullopt;
}

DrawingObject DrawingTool::newObject(QRectF bounds) const {
    DrawingObject object;
    object.kind = *kindOfMode(m_mode);
    object.bounds = bounds;
    switch (object.kind) {
    case DrawingObject::Kind::Button:
        object.text = QStringLiteral("Schaltfläche");
        break;
    case DrawingObject::Kind::CheckBox:
        object.text = QStringLiteral("Kontrollkästchen");
        break;
    default:
        break;
    }
    return object;
}

} // namespace velmora::sheet
