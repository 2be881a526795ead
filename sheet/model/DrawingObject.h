#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace velmora::sheet {

/// A shape drawn over the cells. Geometry in pixels at 100 % zoom, from the sheet's top-left corner.
struct DrawingObject {
    enum class Kind { Line, Rectangle, Oval, Arc, Polygon, TextBox };

    Kind kind = Kind::Rectangle;
    QRectF bounds;
    QColor lineColour = Qt::black;
    QColor fillColour; ///< invalid: not filled
    double lineWidth = 1.0;
    QString text;          ///< text boxes
    QList<QPointF> points; ///< polygons, relative to the top-left corner of bounds

    bool operator==(const DrawingObject&) const = default;
};

} // namespace velmora::sheet
