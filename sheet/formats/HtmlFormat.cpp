#include "sheet/formats/HtmlFormat.h"

#include <QStringList>

namespace velmora::sheet {

namespace {

QString borderCss(const char* side, const Border& border) {
    if (border.line == Border::Line::None)
        return {};
    const char* line = "solid";
    double width = 1.0;
    switch (border.line) {
    case Border::Line::Medium:
        width = 2.0;
        break;
    case Border::Line::Thick:
        width = 3.0;
        break;
    case Border::Line::Dashed:
        line = "dashed";
        break;
    case Border::Line::Dotted:
        line = "dotted";
        break;
    case Border::Line::Double:
        line = "double";
        width = 3.0;
        break;
    default:
        break;
    }
    return QStringLiteral("border-%1:%2px %3 %4;")
        .arg(QLatin1StringView(side))
        .arg(width)
        .arg(QLatin1StringView(line), border.colour.name());
}

QString cellCss(const CellStyle& style, const QString& text) {
    QString css = QStringLiteral("font-family:'%1';font-size:%2pt;")
                      .arg(style.fontFamily.toHtmlEscaped())
                      .arg(style.fontSize);
    if (style.bold)
        css += QStringLiteral("font-weight:bold;");
    if (style.italic)
        css += QStringLiteral("font-style:italic;");
    if (style.underline)
        css += QStringLiteral("text-decoration:underline;");
    if (style.textColour != QColor(Qt::black))
        css += QStringLiteral("color:%1;").arg(style.textColour.name());
    if (style.fillColour.isValid())
        css += QStringLiteral("background-color:%1;").arg(style.fillColour.name());
    switch (style.horizontal) {
    case HorizontalAlignment::Left:
        css += QStringLiteral("text-align:left;");
        break;
    case HorizontalAlignment::Centre:
    case HorizontalAlignment::CentreAcrossSelection:
        css += QStringLiteral("text-align:center;");
        break;
    case HorizontalAlignment::Right:
        css += QStringLiteral("text-align:right;");
        break;
    case HorizontalAlignment::General: {
        // As in a sheet: numbers to the right, texts to the left.
        bool isNumber = false;
        text.toDouble(&isNumber);
        css += isNumber ? QStringLiteral("text-align:right;") : QStringLiteral("text-align:left;");
        break;
    }
    }
    css += style.vertical == VerticalAlignment::Top      ? QStringLiteral("vertical-align:top;")
           : style.vertical == VerticalAlignment::Centre ? QStringLiteral("vertical-align:middle;")
                                                         : QStringLiteral("vertical-align:bottom;");
    css += style.wrap ? QStringLiteral("white-space:pre-wrap;") : QStringLiteral("white-space:pre;");
    css += borderCss("left", style.left) + borderCss("top", style.top) + borderCss("right", style.right) +
           borderCss("bottom", style.bottom);
    return css;
}

QString sheetTable(const Sheet& sheet) {
    const CellRange used = sheet.usedRange();
    QString html =
        QStringLiteral("<h2>%1</h2>\n<table style=\"border-collapse:collapse;table-layout:fixed\">\n")
            .arg(sheet.name().toHtmlEscaped());
    html += QStringLiteral("<colgroup>");
    for (int column = 1; column <= used.right; ++column)
        if (!sheet.isColumnHidden(column))
            html += QStringLiteral("<col style=\"width:%1px\">").arg(sheet.columnWidth(column));
    html += QStringLiteral("</colgroup>\n");
    for (int row = 1; row <= used.bottom; ++row) {
        if (sheet.isRowHidden(row))
            continue;
        html += QStringLiteral("<tr style=\"height:%1px\">").arg(sheet.rowHeight(row));
        for (int column = 1; column <= used.right; ++column) {
            if (sheet.isColumnHidden(column))
                continue;
            const CellPos pos{row, column};
            const CellRange* merged = sheet.mergeAt(pos);
            if (merged && (merged->top != row || merged->left != column))
                continue;
            QString spans;
            if (merged && merged->rowCount() > 1)
                spans += QStringLiteral(" rowspan=\"%1\"").arg(merged->rowCount());
            if (merged && merged->columnCount() > 1)
                spans += QStringLiteral(" colspan=\"%1\"").arg(merged->columnCount());
            const QString text = sheet.text(pos);
            html += QStringLiteral("<td%1 style=\"%2\">%3</td>")
                        .arg(spans, cellCss(sheet.style(pos), text), text.toHtmlEscaped());
        }
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

} // namespace

QByteArray writeHtml(const Workbook& workbook) {
    QString html =
        QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n"
                       "</head>\n<body>\n")
            .arg(workbook.title().toHtmlEscaped());
    for (const Sheet& sheet : workbook.sheets())
        html += sheetTable(sheet);
    html += QStringLiteral("</body>\n</html>\n");
    return html.toUtf8();
}

} // namespace velmora::sheet
