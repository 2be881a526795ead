#include "sheet/view/SheetPrinter.h"

#include "sheet/view/SheetGeometry.h"
#include "sheet/view/SheetPainter.h"

#include <functional>
#include <optional>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace velmora::sheet {

namespace {

constexpr double headerHeight = 28.0; // room for the title above the cells, pixels at 100 %
constexpr double footerHeight = 22.0;

CellRange printedRange(const Sheet& sheet) {
    return sheet.print().area.value_or(sheet.usedRange());
}

// Splits lines first..last into runs that fit into `room`, starting a run at every break.
std::vector<std::pair<int, int>> splitLines(int first, int last, double room, const std::set<int>& breaks,
                                            const std::function<double(int)>& size) {
    std::vector<std::pair<int, int>> runs;
    int start = first;
    double used = 0.0;
    for (int line = first; line <= last; ++line) {
        const double extent = size(line);
        const bool full = used + extent > room && line > start;
        if (full || (breaks.contains(line) && line > start)) {
            runs.emplace_back(start, line - 1);
            start = line;
            used = 0.0;
        }
        used += extent;
    }
    runs.emplace_back(start, last);
    return runs;
}

/// One printed page: the cells it shows of one sheet.
struct PrintPage {
    int sheet;
    CellRange cells;
};

struct TitleLines {
    std::optional<std::pair<int, int>> rows;
    std::optional<std::pair<int, int>> columns;
};

TitleLines titleLines(const Sheet& sheet) {
    TitleLines titles;
    if (sheet.print().titleRows)
        titles.rows = std::pair{sheet.print().titleRows->top, sheet.print().titleRows->bottom};
    if (sheet.print().titleColumns)
        titles.columns = std::pair{sheet.print().titleColumns->left, sheet.print().titleColumns->right};
    return titles;
}

} // namespace

std::vector<CellRange> paginate(const Sheet& sheet, double pageWidth, double pageHeight) {
    const CellRange range = printedRange(sheet);
    const SheetGeometry geometry(sheet, range.bottom + 1, range.right + 1);
    const TitleLines titles = titleLines(sheet);
    const double titleHeight =
        titles.rows ? geometry.rangeRect({titles.rows->first, 1, titles.rows->second, 1}).height() : 0.0;
    const double titleWidth =
        titles.columns ? geometry.rangeRect({1, titles.columns->first, 1, titles.columns->second}).width()
                       : 0.0;
    const auto rows = splitLines(range.top, range.bottom, std::max(1.0, pageHeight - titleHeight),
                                 sheet.print().rowBreaks, [&](int row) { return geometry.rowHeight(row); });
    const auto columns =
        splitLines(range.left, range.right, std::max(1.0, pageWidth - titleWidth), sheet.print().columnBreaks,
                   [&](int column) { return geometry.columnWidth(column); });
    std::vector<CellRange> pages;
    for (const auto& [left, right] : columns)
        for (const auto& [top, bottom] : rows)
            pages.push_back({top, left, bottom, right});
    return pages;
}

int printWorkbook(const Workbook& workbook, const QString& title, QPrinter& printer) {
    const double scale = printer.resolution() / 96.0;
    // Every sheet prints in its own orientation and margins; the pages of all sheets are counted first.
    struct SheetPages {
        QPageLayout layout;
        QSizeF size; ///< room for cells, pixels at 100 %
        std::vector<CellRange> pages;
    };
    std::vector<SheetPages> sheets;
    int pageCount = 0;
    for (const Sheet& sheet : workbook.sheets()) {
        QPageLayout layout = printer.pageLayout();
        layout.setUnits(QPageLayout::Millimeter);
        layout.setOrientation(sheet.print().orientation == PrintSettings::Orientation::Landscape
                                  ? QPageLayout::Landscape
                                  : QPageLayout::Portrait);
        layout.setMargins(sheet.print().margins);
        const QRect paintRect = layout.paintRectPixels(printer.resolution());
        const QSizeF size(paintRect.width() / scale,
                          paintRect.height() / scale - headerHeight - footerHeight);
        sheets.push_back({layout, size, paginate(sheet, size.width(), size.height())});
        pageCount += int(sheets.back().pages.size());
    }

    printer.setPageLayout(sheets.front().layout);
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    int number = 0;
    for (std::size_t index = 0; index < sheets.size(); ++index) {
        for (const CellRange& cellsOnPage : sheets[index].pages) {
            if (number > 0) {
                printer.setPageLayout(sheets[index].layout);
                printer.newPage();
            }
            ++number;
            const double pageWidth = sheets[index].size.width();
            const double pageHeight = sheets[index].size.height();
            const PrintPage current{int(index), cellsOnPage};
            const Sheet& sheet = workbook.sheet(current.sheet);
            const SheetGeometry geometry(sheet, current.cells.bottom + 1, current.cells.right + 1);
            const TitleLines titles = titleLines(sheet);

            painter.save();
            painter.scale(scale, scale);
            QFont headerFont(QStringLiteral("Arial"));
            headerFont.setPointSizeF(9.0 * 96.0 / printer.resolution());
            painter.setFont(headerFont);
            painter.setPen(Qt::black);
            painter.drawText(QRectF(0, 0, pageWidth, headerHeight - 6), Qt::AlignHCenter | Qt::AlignBottom,
                             title);
            painter.drawText(QRectF(0, headerHeight + pageHeight, pageWidth, footerHeight),
                             Qt::AlignHCenter | Qt::AlignBottom,
                             QStringLiteral("Seite %1 von %2").arg(number).arg(pageCount));

            // Title rows and columns repeat on pages that do not show them anyway.
            const bool repeatRows = titles.rows && current.cells.top > titles.rows->second;
            const bool repeatColumns = titles.columns && current.cells.left > titles.columns->second;
            const double top = headerHeight;
            const double rowsHeight =
                repeatRows ? geometry.rangeRect({titles.rows->first, 1, titles.rows->second, 1}).height()
                           : 0.0;
            const double columnsWidth =
                repeatColumns
                    ? geometry.rangeRect({1, titles.columns->first, 1, titles.columns->second}).width()
                    : 0.0;
            const SheetPainter cells(sheet, geometry);
            const auto paintPart = [&](const CellRange& range, QPointF at) {
                const QRectF source = geometry.rangeRect(range);
                painter.save();
                painter.translate(at - source.topLeft());
                painter.setClipRect(source);
                cells.paint(painter, range, false);
                painter.restore();
            };
            if (repeatRows && repeatColumns)
                paintPart(
                    {titles.rows->first, titles.columns->first, titles.rows->second, titles.columns->second},
                    {0, top});
            if (repeatRows)
                paintPart({titles.rows->first, current.cells.left, titles.rows->second, current.cells.right},
                          {columnsWidth, top});
            if (repeatColumns)
                paintPart(
                    {current.cells.top, titles.columns->first, current.cells.bottom, titles.columns->second},
                    {0, top + rowsHeight});
            paintPart(current.cells, {columnsWidth, top + rowsHeight});
            painter.restore();
        }
    }
    painter.end();
    return number;
}

} // namespace velmora::sheet
