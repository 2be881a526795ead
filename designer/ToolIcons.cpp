#include "designer/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace tabrix {

namespace {

constexpr int width = 16;
constexpr int height = 15;

void drawPage(QPainter& p, QRectF page) {
    p.setBrush(Qt::white);
    p.drawRect(page);
}

void drawLetter(QPainter& p, const QString& letter, bool bold, bool italic, bool underline) {
    QFont font(QStringLiteral("Serif"));
    font.setPixelSize(13);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    p.setFont(font);
    p.drawText(QRectF(0, 0, width, height), Qt::AlignCenter, letter);
}

void drawLines(QPainter& p, Qt::Alignment alignment) {
    for (int i = 0; i < 4; ++i) {
        const double length = i % 2 == 0 ? 12 : 8;
        const double left = alignment == Qt::AlignLeft    ? 2
                            : alignment == Qt::AlignRight ? 14 - length
                                                          : 8 - length / 2;
        p.drawLine(QPointF(left, 3.5 + i * 3), QPointF(left + length, 3.5 + i * 3));
    }
}

void draw(QPainter& p, ToolGlyph glyph) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case ToolGlyph::New:
        drawPage(p, {3.5, 1.5, 9, 12});
        break;
    case ToolGlyph::Open:
        p.setBrush(QColor(0xF0, 0xD0, 0x60));
        p.drawPolygon(QPolygonF{{1.5, 3.5}, {6.5, 3.5}, {7.5, 5.5}, {14.5, 5.5}, {14.5, 12.5}, {1.5, 12.5}});
        break;
    case ToolGlyph::Save:
        p.setBrush(QColor(0x40, 0x60, 0xA0));
        p.drawRect(QRectF(1.5, 1.5, 13, 12));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        break;
    case ToolGlyph::Print:
        drawPage(p, {4.5, 1.5, 7, 5});
        p.setBrush(QColor(0xC0, 0xC0, 0xC0));
        p.drawRect(QRectF(1.5, 6.5, 13, 6));
        break;
    case ToolGlyph::PrintPreview:
        drawPage(p, {2.5, 1.5, 9, 12});
        p.drawEllipse(QRectF(6.5, 5.5, 5, 5));
        p.drawLine(QPointF(11, 10), QPointF(14, 13));
        break;
    case ToolGlyph::Cut:
        p.drawEllipse(QRectF(2.5, 9.5, 4, 4));
        p.drawEllipse(QRectF(9.5, 9.5, 4, 4));
        p.drawLine(QPointF(5, 10), QPointF(11, 1));
        p.drawLine(QPointF(11, 10), QPointF(5, 1));
        break;
    case ToolGlyph::Copy:
        drawPage(p, {1.5, 1.5, 8, 9});
        drawPage(p, {6.5, 4.5, 8, 9});
        break;
    case ToolGlyph::Paste:
        p.setBrush(QColor(0xB0, 0x80, 0x40));
        p.drawRect(QRectF(1.5, 2.5, 10, 11));
        drawPage(p, {6.5, 5.5, 8, 8});
        break;
    case ToolGlyph::FormatPainter:
        p.setBrush(QColor(0xF0, 0xD0, 0x60));
        p.drawRect(QRectF(2.5, 1.5, 11, 5));
        p.drawLine(QPointF(8, 7), QPointF(8, 14));
        break;
    case ToolGlyph::DrawingBar:
        p.setBrush(QColor(0x60, 0xA0, 0xE0));
        p.drawEllipse(QRectF(1.5, 1.5, 8, 8));
        p.setBrush(QColor(0xF0, 0xD0, 0x60));
        p.drawRect(QRectF(6.5, 6.5, 8, 7));
        break;
    case ToolGlyph::Bold:
        drawLetter(p, QStringLiteral("B"), true, false, false);
        break;
    case ToolGlyph::Italic:
        drawLetter(p, QStringLiteral("I"), false, true, false);
        break;
    case ToolGlyph::Underline:
        drawLetter(p, QStringLiteral("U"), false, false, true);
        break;
    case ToolGlyph::TextColour:
        drawLetter(p, QStringLiteral("A"), true, false, false);
        p.fillRect(QRectF(2, 12, 12, 3), Qt::red);
        break;
    case ToolGlyph::AlignLeft:
        drawLines(p, Qt::AlignLeft);
        break;
    case ToolGlyph::AlignCentre:
        drawLines(p, Qt::AlignHCenter);
        break;
    case ToolGlyph::AlignRight:
        drawLines(p, Qt::AlignRight);
        break;
    case ToolGlyph::MergeAndCentre:
        p.drawRect(QRectF(0.5, 2.5, 15, 10));
        p.drawLine(QPointF(3, 7.5), QPointF(13, 7.5));
        p.drawPolyline(QPolygonF{{5, 5.5}, {3, 7.5}, {5, 9.5}});
        p.drawPolyline(QPolygonF{{11, 5.5}, {13, 7.5}, {11, 9.5}});
        break;
    case ToolGlyph::FixedAndGeneral:
        drawLetter(p, QStringLiteral(".0"), true, false, false);
        break;
    case ToolGlyph::Currency:
        drawLetter(p, QStringLiteral("€"), true, false, false);
        break;
    case ToolGlyph::Percent:
        drawLetter(p, QStringLiteral("%"), true, false, false);
        break;
    case ToolGlyph::Fraction:
        drawLetter(p, QStringLiteral("½"), true, false, false);
        break;
    case ToolGlyph::DateAndTime:
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(1.5, 1.5, 12, 12));
        p.drawPolyline(QPolygonF{{7.5, 3.5}, {7.5, 7.5}, {10.5, 9.5}});
        break;
    case ToolGlyph::PolygonPoints:
        p.drawPolygon(QPolygonF{{2, 12}, {6, 2}, {14, 6}, {11, 13}});
        for (const QPointF point : {QPointF(2, 12), QPointF(6, 2), QPointF(14, 6), QPointF(11, 13)})
            p.fillRect(QRectF(point - QPointF(1.5, 1.5), QSizeF(3, 3)), Qt::black);
        break;
    case ToolGlyph::Line:
        p.drawLine(QPointF(2, 13), QPointF(14, 2));
        break;
    case ToolGlyph::Rectangle:
        p.drawRect(QRectF(2.5, 3.5, 11, 8));
        break;
    case ToolGlyph::Oval:
        p.drawEllipse(QRectF(1.5, 3.5, 13, 8));
        break;
    case ToolGlyph::Arc:
        p.drawArc(QRectF(-8, 2, 20, 24), 0, 90 * 16);
        break;
    case ToolGlyph::Polygon:
        p.drawPolygon(QPolygonF{{2, 12}, {6, 2}, {14, 6}, {11, 13}});
        break;
    case ToolGlyph::Button:
        p.setBrush(QColor(0xE0, 0xE0, 0xE0));
        p.drawRoundedRect(QRectF(1.5, 3.5, 13, 8), 2, 2);
        break;
    case ToolGlyph::CheckBox:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 2.5, 10, 10));
        p.drawPolyline(QPolygonF{{4.5, 7.5}, {6.5, 10}, {11, 4.5}});
        break;
    case ToolGlyph::ListBox:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(0.5, 3.5, 15, 8));
        p.setBrush(QColor(0xC0, 0xC0, 0xC0));
        p.drawRect(QRectF(9.5, 3.5, 6, 8));
        break;
    case ToolGlyph::Chart:
        for (const auto& [left, top] : {std::pair(2.5, 8.5), std::pair(6.5, 3.5), std::pair(10.5, 6.5)}) {
            p.setBrush(QColor(0x40, 0x70, 0xC0));
            p.drawRect(QRectF(left, top, 3, 13.5 - top));
        }
        break;
    }
}

QPixmap pixmap(ToolGlyph glyph, int scale) {
    QPixmap image(width * scale, height * scale);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, glyph);
    return image;
}

} // namespace

QIcon toolIcon(ToolGlyph glyph) {
    QIcon icon;
    icon.addPixmap(pixmap(glyph, 1));
    icon.addPixmap(pixmap(glyph, 2));
    return icon;
}

} // namespace tabrix
