#pragma once

#include "sheet/model/Workbook.h"

namespace velmora::sheet::test {

/// Texts a German laboratory report holds, with gaps between them.
inline Workbook germanTexts() {
    Workbook book;
    Sheet& report = book.sheet(0);
    report.setName(QStringLiteral("Bericht"));
    report.setText({1, 1}, QStringLiteral("Wasseranalyse Brunnen Süd"));
    report.setText({2, 1}, QStringLiteral("Temperatur"));
    report.setText({2, 2}, QStringLiteral("12.500"));
    report.setText({2, 3}, QStringLiteral("°C"));
    report.setText({3, 1}, QStringLiteral("Leitfähigkeit"));
    report.setText({3, 2}, QStringLiteral("-0.250"));
    report.setText({3, 4}, QStringLiteral("µS/cm"));
    report.setText({5, 1}, QStringLiteral("Maß, Größe, Straße"));
    report.setText({5, 5}, QStringLiteral("25"));
    report.setText({6, 2}, QStringLiteral("007"));
    report.setText({6, 3}, QStringLiteral("1.234,5"));
    report.setText({7, 1}, QString(255, u'ä'));
    report.setText({9, 7}, QStringLiteral("*034*"));
    Sheet& second = book.addSheet(QStringLiteral("Zweite Tabelle"));
    second.setText({1, 1}, QStringLiteral("0"));
    second.setText({2, 2}, QStringLiteral("Ende"));
    return book;
}

/// A workbook that uses every feature of the model.
inline Workbook everyFeature() {
    Workbook book = germanTexts();
    book.setTitle(QStringLiteral("Velmora - Brunnen Süd"));
    book.definedNames()[QStringLiteral("Ergebnis")] = QStringLiteral("Bericht!B2:B3");
    Sheet& sheet = book.sheet(0);
    CellStyle heading;
    heading.fontFamily = QStringLiteral("DejaVu Sans");
    heading.fontSize = 14.5;
    heading.bold = heading.italic = heading.underline = true;
    heading.textColour = QColor(0x12, 0x34, 0x56);
    heading.fillColour = QColor(0xee, 0xee, 0xcc);
    heading.horizontal = HorizontalAlignment::CentreAcrossSelection;
    heading.vertical = VerticalAlignment::Centre;
    heading.wrap = true;
    heading.numberFormat = QStringLiteral("#,##0.00");
    heading.left = {Border::Line::Thin, Qt::black};
    heading.top = {Border::Line::Medium, QColor(0x80, 0, 0)};
    heading.right = {Border::Line::Dashed, Qt::blue};
    heading.bottom = {Border::Line::Double, QColor(0, 0x80, 0, 0x80)};
    sheet.setStyle({1, 1}, heading);
    CellStyle number;
    number.horizontal = HorizontalAlignment::Right;
    number.locked = false;
    number.formulaHidden = true;
    sheet.setStyle({2, 2}, number);
    sheet.setStyle({4, 4}, heading); // styled, no text
    sheet.setText({8, 1}, QStringLiteral("Zeile 1\r\nZeile 2\tmit Tab \x01 und \"Anführung\" <&>"));
    sheet.setText({8, 2}, QStringLiteral("  führende und folgende Leerzeichen  "));
    sheet.setColumnWidth(1, 180.5);
    sheet.setColumnWidth(3, 40);
    sheet.setRowHeight(1, 30);
    sheet.setRowHidden(10, true);
    sheet.setColumnHidden(6, true);
    sheet.setDefaultColumnWidth(70);
    sheet.setDefaultRowHeight(18);
    sheet.merge({1, 1, 1, 4});
    sheet.merge({11, 2, 13, 3});
    sheet.setFrozen(2, 1);
    sheet.setProtected(true);
    PrintSettings& print = sheet.print();
    print.area = CellRange{1, 1, 120, 20};
    print.titleRows = CellRange{1, 1, 2, 256};
    print.orientation = PrintSettings::Orientation::Landscape;
    print.margins = {15, 10, 12.5, 20};
    print.rowBreaks = {40, 80};
    print.columnBreaks = {10};
    print.paper = QPageSize::Letter;
    print.header = QStringLiteral("&L<Velmora & Co>&R&D");
    print.footer.clear();
    print.scale = 80;
    print.fitToPages = true;
    print.pagesWide = 2;
    print.pagesTall = 3;
    print.centreHorizontally = true;
    print.gridlines = true;
    print.headings = true;
    DrawingObject line;
    line.kind = DrawingObject::Kind::Line;
    line.bounds = {10, 20, 300, 0};
    line.lineWidth = 2;
    DrawingObject box;
    box.kind = DrawingObject::Kind::TextBox;
    box.bounds = {50, 60, 120.25, 40};
    box.fillColour = QColor(255, 255, 200);
    box.text = QStringLiteral("Hinweis: Probe gekühlt");
    DrawingObject polygon;
    polygon.kind = DrawingObject::Kind::Polygon;
    polygon.bounds = {5, 5, 30, 30};
    polygon.points = {{0, 0}, {30, 0}, {15, 30}};
    DrawingObject oval;
    oval.kind = DrawingObject::Kind::Oval;
    oval.bounds = {200, 20, 40, 30};
    DrawingObject arc;
    arc.kind = DrawingObject::Kind::Arc;
    arc.bounds = {250, 20, 40, 30};
    DrawingObject rectangle;
    rectangle.bounds = {300, 20, 40, 30};
    rectangle.lineColour = QColor(0x80, 0, 0, 0x80);
    DrawingObject button;
    button.kind = DrawingObject::Kind::Button;
    button.bounds = {10, 120, 90, 24};
    button.text = QStringLiteral("Berechnen");
    DrawingObject checkBox;
    checkBox.kind = DrawingObject::Kind::CheckBox;
    checkBox.bounds = {110, 120, 120, 20};
    checkBox.text = QStringLiteral("mit Calcit");
    checkBox.checked = true;
    DrawingObject listBox;
    listBox.kind = DrawingObject::Kind::ListBox;
    listBox.bounds = {240, 120, 100, 20};
    listBox.source = CellRange{1, 1, 3, 1};
    listBox.selectedEntry = 2;
    DrawingObject chart;
    chart.kind = DrawingObject::Kind::Chart;
    chart.bounds = {10, 160, 320, 200};
    chart.text = QStringLiteral("pH\x01-Verlauf"); // a title XML cannot carry as it is
    chart.source = CellRange{2, 1, 3, 2};
    chart.chartType = DrawingObject::ChartType::Pie;
    sheet.drawings() = {line, box, polygon, oval, arc, rectangle, button, checkBox, listBox, chart};
    book.sheet(1).setDefaultStyle(number);
    book.sheet(1).setShowGridlines(false);
    book.sheet(1).setShowHeadings(false);
    book.setShowTabs(false);
    return book;
}

/// A table with the looks every spreadsheet format holds the same: fonts, colours, fills, each line of
/// border, alignments and wrap, numbers and texts, a merge, hidden lines, heights.
inline Workbook styledTable() {
    Workbook book;
    Sheet& sheet = book.sheet(0);
    sheet.setName(QStringLiteral("Messwerte"));
    CellStyle heading;
    heading.fontFamily = QStringLiteral("DejaVu Sans");
    heading.fontSize = 12;
    heading.bold = true;
    heading.textColour = QColor(0x15, 0x65, 0xa8);
    heading.fillColour = QColor(0xee, 0xee, 0xcc);
    heading.vertical = VerticalAlignment::Centre;
    sheet.setText({1, 1}, QStringLiteral("Wasseranalyse Brunnen Süd"));
    sheet.setStyle({1, 1}, heading);
    const Border::Line lines[] = {Border::Line::Thin,   Border::Line::Medium, Border::Line::Thick,
                                  Border::Line::Dashed, Border::Line::Dotted, Border::Line::Double};
    const char* const texts[] = {"Calcium", "7.500", "-3", "mg/l", "0.01", "µS/cm"};
    for (int i = 0; i < 6; ++i) {
        CellStyle style;
        style.fontFamily = i % 2 ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans");
        style.fontSize = 9 + i;
        style.italic = i == 1;
        style.underline = i == 2;
        style.horizontal = i < 3 ? HorizontalAlignment::Left : HorizontalAlignment::Right;
        style.vertical = i == 4 ? VerticalAlignment::Top : VerticalAlignment::Bottom;
        style.bottom = {lines[i], i == 3 ? QColor(Qt::blue) : QColor(Qt::black)};
        style.left = {lines[5 - i], QColor(0x80, 0, 0)};
        sheet.setText({3, i + 1}, QString::fromUtf8(texts[i]));
        sheet.setStyle({3, i + 1}, style);
    }
    CellStyle wrapped;
    wrapped.wrap = true;
    wrapped.horizontal = HorizontalAlignment::Centre;
    sheet.setText({5, 1}, QStringLiteral("Zeile 1\nZeile 2"));
    sheet.setStyle({5, 1}, wrapped);
    sheet.setText({8, 2}, QStringLiteral("verbunden"));
    sheet.merge({8, 2, 9, 3});
    sheet.setText({12, 1}, QStringLiteral("verborgen"));
    sheet.setRowHidden(12, true);
    sheet.setColumnHidden(5, true);
    sheet.setRowHeight(1, 30);
    sheet.setRowHeight(5, 40);
    book.addSheet(QStringLiteral("Zweite Tabelle")).setText({2, 2}, QStringLiteral("Ende"));
    return book;
}

} // namespace velmora::sheet::test
