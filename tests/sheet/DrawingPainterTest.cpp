#include "sheet/view/DrawingPainter.h"

#include "SampleWorkbooks.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include <set>

using namespace velmora::sheet;

namespace {

QImage painted(const DrawingObject& object, const Sheet& sheet) {
    QImage image(400, 400, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintDrawing(painter, object, sheet);
    return image;
}

std::set<QRgb> coloursIn(const QImage& image, const QRect& area) {
    std::set<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

} // namespace

// Every kind leaves its mark inside its bounds and nothing outside them; a chart draws its data.
TEST(DrawingPainter, EveryKindPaintsWithinItsBounds) {
    const Workbook book = velmora::sheet::test::everyFeature();
    const Sheet& sheet = book.sheet(0);
    for (const DrawingObject& object : sheet.drawings()) {
        const QImage image = painted(object, sheet);
        const QRect inside = object.bounds.toAlignedRect().adjusted(-2, -2, 2, 2);
        EXPECT_GT(coloursIn(image, inside).size(), 1u) << int(object.kind);
        QImage outside = image.copy();
        QPainter(&outside).fillRect(inside, Qt::white);
        EXPECT_EQ(coloursIn(outside, outside.rect()).size(), 1u) << int(object.kind);
    }

    // A pie of the two rows of B2:B3 shows two slices in the chart's colours, a checked box its mark.
    DrawingObject chart = sheet.drawings().back();
    ASSERT_EQ(chart.kind, DrawingObject::Kind::Chart);
    const std::size_t withData = coloursIn(painted(chart, sheet), chart.bounds.toAlignedRect()).size();
    chart.source.reset();
    const std::size_t empty = coloursIn(painted(chart, sheet), chart.bounds.toAlignedRect()).size();
    EXPECT_GT(withData, empty);
    DrawingObject box = sheet.drawings()[7];
    ASSERT_EQ(box.kind, DrawingObject::Kind::CheckBox);
    const QRect mark(int(box.bounds.left()) + 4, int(box.bounds.center().y()) - 6, 13, 13);
    const std::size_t checked = coloursIn(painted(box, sheet), mark).size();
    box.checked = false;
    EXPECT_GT(checked, coloursIn(painted(box, sheet), mark).size());
}
