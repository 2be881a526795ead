#pragma once

#include "sheet/model/CellRange.h"

#include <optional>
#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace velmora::sheet {

/// A shape, form control or chart drawn over the cells. Geometry in pixels at 100 %, from the sheet's
/// top-left corner.
struct DrawingObject {
    enum class Kind { Line, Rectangle, Oval, Arc, Polygon, TextBox, Button, CheckBox, ListBox, Chart };
    enum class ChartType { Bar, Line, Pie };

    Kind kind = Kind::Rectangle;
    QRectF bounds;
    QColor lineColour = Qt::black;
    QColor fillColour; ///< invalid: not filled
    double lineWidth = 1.0;
    QString text;          ///< text boxes, the caption of buttons and check boxes, a chart's title
    QList<QPointF> points; ///< polygons, relative to the top-left corner of bounds
    bool checked = false;  ///< check boxes
    /// List boxes: the cells whose texts are the entries. Charts: the data, a series per column, a
    /// category per row; a first column of texts names the categories.
    std::optional<CellRange> source;
    int selectedEntry = 0; ///< list boxes: the entry shown, from 1; 0 for none
    ChartType chartType = ChartType::Bar;

    bool operator==(const DrawingObject&) const = default;

    /// Whether the object shows its text: text boxes, buttons, check boxes and charts (their title).
    bool showsText() const {
        return kind == Kind::TextBox || kind == Kind::Button || kind == Kind::CheckBox || kind == Kind::Chart;
    }
};

} // namespace velmora::sheet
