#include "sheet/view/DrawingPainter.h"

#include "sheet/formula/FormulaValue.h"
#include "sheet/view/SheetPainter.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QPieSeries>
#include <QPolygonF>

namespace velmora::sheet {

namespace {

constexpr double padding = 4.0;
constexpr int maxChartSeries = 32; // more columns would only be an unreadable chart
constexpr int maxChartCategories = 500;

QFont controlFont(const QPainter& painter) {
    return cellFont(CellStyle{}, painter.device());
}

void paintButton(QPainter& painter, const DrawingObject& object) {
    painter.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.0));
    painter.setBrush(object.fillColour.isValid() ? object.fillColour : QColor(0xE8, 0xE8, 0xE8));
    painter.drawRoundedRect(object.bounds, 3, 3);
    painter.setPen(Qt::black);
    painter.setFont(controlFont(painter));
    painter.drawText(object.bounds, Qt::AlignCenter | Qt::TextWordWrap, object.text);
}

void paintCheckBox(QPainter& painter, const DrawingObject& object) {
    const double side = std::min(13.0, object.bounds.height());
    const QRectF box(object.bounds.left() + padding, object.bounds.center().y() - side / 2, side, side);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    if (object.checked) {
        painter.setPen(QPen(Qt::black, 2.0));
        painter.drawPolyline(QPolygonF{box.topLeft() + QPointF(side * 0.2, side * 0.5),
                                       box.topLeft() + QPointF(side * 0.42, side * 0.75),
                                       box.topLeft() + QPointF(side * 0.8, side * 0.25)});
    }
    painter.setPen(Qt::black);
    painter.setFont(controlFont(painter));
    painter.drawText(object.bounds.adjusted(box.width() + 2 * padding, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter, object.text);
}

// A closed drop-down list: the chosen entry and the button that opens it.
void paintListBox(QPainter& painter, const DrawingObject& object, const Sheet& sheet) {
    painter.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.0));
    painter.setBrush(Qt::white);
    painter.drawRect(object.bounds);
    const double button = std::min(16.0, object.bounds.width() / 2);
    const QRectF arrow(object.bounds.right() - button, object.bounds.top(), button, object.bounds.height());
    painter.setBrush(QColor(0xE8, 0xE8, 0xE8));
    painter.drawRect(arrow);
    painter.setBrush(Qt::black);
    painter.setPen(Qt::NoPen);
    const QPointF centre = arrow.center();
    painter.drawPolygon(QPolygonF{centre + QPointF(-4, -2), centre + QPointF(4, -2), centre + QPointF(0, 3)});
    if (object.source && object.selectedEntry >= 1 && object.selectedEntry <= object.source->rowCount()) {
        painter.setPen(Qt::black);
        painter.setFont(controlFont(painter));
        painter.drawText(object.bounds.adjusted(padding, 0, -button - padding, 0),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         sheet.text({object.source->top + object.selectedEntry - 1, object.source->left}));
    }
}

// The source as categories (rows) and series (columns); a first column of texts names the categories.
struct ChartData {
    QStringList categories;
    QStringList seriesNames;
    std::vector<std::vector<double>> series; ///< per series, a value per category
};

ChartData chartData(const CellRange& source, const Sheet& sheet) {
    ChartData data;
    const int lastRow = std::min(source.bottom, source.top + maxChartCategories - 1);
    bool namedRows = source.columnCount() > 1;
    for (int row = source.top; row <= lastRow && namedRows; ++row)
        namedRows = !cellNumber(sheet.text({row, source.left}));
    const int firstColumn = namedRows ? source.left + 1 : source.left;
    const int lastColumn = std::min(source.right, firstColumn + maxChartSeries - 1);
    for (int row = source.top; row <= lastRow; ++row)
        data.categories << (namedRows ? sheet.text({row, source.left})
                                      : QString::number(row - source.top + 1));
    for (int column = firstColumn; column <= lastColumn; ++column) {
        data.seriesNames << QStringLiteral("Spalte ") + columnName(column);
        std::vector<double>& values = data.series.emplace_back();
        for (int row = source.top; row <= lastRow; ++row)
            values.push_back(cellNumber(sheet.text({row, column})).value_or(0.0));
    }
    return data;
}

void addSeries(QChart& chart, const DrawingObject& object, const ChartData& data) {
    switch (object.chartType) {
    case DrawingObject::ChartType::Bar: {
        auto* bars = new QBarSeries;
        for (std::size_t i = 0; i < data.series.size(); ++i) {
            auto* set = new QBarSet(data.seriesNames[qsizetype(i)]);
            for (double value : data.series[i])
                set->append(value);
            bars->append(set);
        }
        chart.addSeries(bars);
        break;
    }
    case DrawingObject::ChartType::Line:
        for (std::size_t i = 0; i < data.series.size(); ++i) {
            auto* line = new QLineSeries;
            line->setName(data.seriesNames[qsizetype(i)]);
            for (std::size_t point = 0; point < data.series[i].size(); ++point)
                line->append(double(point + 1), data.series[i][point]);
            chart.addSeries(line);
        }
        break;
    case DrawingObject::ChartType::Pie:
        if (!data.series.empty()) {
            auto* pie = new QPieSeries;
            for (std::size_t point = 0; point < data.series.front().size(); ++point)
                pie->append(data.categories[qsizetype(point)], std::max(0.0, data.series.front()[point]));
            chart.addSeries(pie);
        }
        break;
    }
    chart.createDefaultAxes();
}

// Qt Charts draws into a scene; the scene renders into the sheet's painter at the object's place.
void paintChart(QPainter& painter, const DrawingObject& object, const Sheet& sheet) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setTitle(object.text);
    chart->legend()->setVisible(object.chartType == DrawingObject::ChartType::Pie ||
                                object.source.has_value());
    if (object.source)
        addSeries(*chart, object, chartData(*object.source, sheet));
    QGraphicsScene scene;
    scene.addItem(chart); // the scene owns the chart
    chart->setGeometry(QRectF(QPointF(0, 0), object.bounds.size()));
    scene.setSceneRect(chart->geometry());
    scene.render(&painter, object.bounds, scene.sceneRect());
    painter.setPen(QPen(object.lineColour, object.lineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(object.bounds);
}

} // namespace

void paintDrawing(QPainter& painter, const DrawingObject& object, const Sheet& sheet) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(object.lineColour, object.lineWidth));
    painter.setBrush(object.fillColour.isValid() ? QBrush(object.fillColour) : QBrush(Qt::NoBrush));
    const QRectF& bounds = object.bounds;
    switch (object.kind) {
    case DrawingObject::Kind::Line:
        painter.drawLine(bounds.topLeft(), bounds.bottomRight());
        break;
    case DrawingObject::Kind::Rectangle:
        painter.drawRect(bounds);
        break;
    case DrawingObject::Kind::Oval:
        painter.drawEllipse(bounds);
        break;
    case DrawingObject::Kind::Arc:
        // A quarter of the ellipse that fills twice the bounds, curving from the top left to the bottom
        // right.
        painter.drawArc(
            QRectF(bounds.left() - bounds.width(), bounds.top(), 2 * bounds.width(), 2 * bounds.height()), 0,
            90 * 16);
        break;
    case DrawingObject::Kind::Polygon: {
        QPolygonF polygon;
        for (const QPointF& point : object.points)
            polygon << bounds.topLeft() + point;
        painter.drawPolygon(polygon);
        break;
    }
    case DrawingObject::Kind::TextBox:
        painter.drawRect(bounds);
        painter.setFont(controlFont(painter));
        painter.drawText(bounds.adjusted(padding, 2, -padding, -2),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, object.text);
        break;
    case DrawingObject::Kind::Button:
        paintButton(painter, object);
        break;
    case DrawingObject::Kind::CheckBox:
        paintCheckBox(painter, object);
        break;
    case DrawingObject::Kind::ListBox:
        paintListBox(painter, object, sheet);
        break;
    case DrawingObject::Kind::Chart:
        paintChart(painter, object, sheet);
        break;
    }
    painter.restore();
}

} // namespace velmora::sheet
