#include "sheet/view/SheetPrinter.h"

#include "sheet/view/SheetGeometry.h"
#include "sheet/view/SheetPainter.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <QDateTime>
#include <QLocale>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <set>

namespace velmora::sheet {

namespace {

constexpr double headerHeight = 28.0; // room for the header above the cells, pixels at 100 %
constexpr double footerHeight = 22.0;
constexpr double headingWidth = 40.0; // printed row numbers, pixels at 100 % before the zoom
constexpr double headingHeight = 20.0;

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

QPageLayout pageLayout(const PrintSettings& print) {
    return QPageLayout(QPageSize(print.paper),
                       print.orientation == PrintSettings::Orientation::Landscape ? QPageLayout::Landscape
                                                                                  : QPageLayout::Portrait,
                       print.margins, QPageLayout::Millimeter);
}

namespace {

// Room for cells and headings on a page, pixels at 100 % (the header and footer taken off).
QSizeF pageRoom(const QPageLayout& layout) {
    const QRectF paint = layout.paintRect(QPageLayout::Millimeter); // points would be whole ones
    const double toPixels = 96.0 / 25.4;
    return {paint.width() * toPixels, paint.height() * toPixels - headerHeight - footerHeight};
}

QSizeF headingSize(const PrintSettings& print) {
    return print.headings ? QSizeF(headingWidth, headingHeight) : QSizeF();
}

std::vector<CellRange> pagesAtZoom(const Sheet& sheet, QSizeF room, double zoom) {
    const QSizeF headings = headingSize(sheet.print());
    return paginate(sheet, room.width() / zoom - headings.width(), room.height() / zoom - headings.height());
}

std::pair<std::size_t, std::size_t> pagesAcrossAndDown(const std::vector<CellRange>& pages) {
    std::set<int> lefts, tops;
    for (const CellRange& page : pages) {
        lefts.insert(page.left);
        tops.insert(page.top);
    }
    return {lefts.size(), tops.size()};
}

// Fitting only ever shrinks: from the estimate of the whole range's size, a few per cent at a time
// until the pages fit or the smallest scale is reached (manual breaks may forbid fitting at all).
double fittingZoom(const Sheet& sheet, QSizeF room) {
    const PrintSettings& print = sheet.print();
    const CellRange range = printedRange(sheet);
    const SheetGeometry geometry(sheet, range.bottom + 1, range.right + 1);
    const QSizeF size = geometry.rangeRect(range).size() + headingSize(print);
    const double minimum = PrintSettings::minScale / 100.0;
    double zoom = std::clamp(std::min(print.pagesWide * room.width() / std::max(1.0, size.width()),
                                      print.pagesTall * room.height() / std::max(1.0, size.height())),
                             minimum, 1.0);
    while (zoom > minimum) {
        const auto [across, down] = pagesAcrossAndDown(pagesAtZoom(sheet, room, zoom));
        if (across <= std::size_t(print.pagesWide) && down <= std::size_t(print.pagesTall))
            break;
        zoom = std::max(minimum, zoom * 0.97);
    }
    return zoom;
}

void drawMarginText(QPainter& painter, const QRectF& band, Qt::Alignment vertical,
                    const PageMarginText& text) {
    painter.drawText(band, Qt::AlignLeft | vertical, text.left);
    painter.drawText(band, Qt::AlignHCenter | vertical, text.centre);
    painter.drawText(band, Qt::AlignRight | vertical, text.right);
}

// Row numbers left of the page's rows and column letters above its columns, in sheet pixels.
void drawHeadings(QPainter& painter, const SheetGeometry& geometry, const std::vector<int>& rows,
                  const std::vector<int>& columns) {
    painter.setPen(Qt::black);
    double y = headingHeight;
    for (int row : rows) {
        const QRectF cell(0, y, headingWidth, geometry.rowHeight(row));
        if (cell.height() > 0) {
            painter.drawRect(cell);
            painter.drawText(cell, Qt::AlignCenter, QString::number(row));
        }
        y += cell.height();
    }
    double x = headingWidth;
    for (int column : columns) {
        const QRectF cell(x, 0, geometry.columnWidth(column), headingHeight);
        if (cell.width() > 0) {
            painter.drawRect(cell);
            painter.drawText(cell, Qt::AlignCenter, columnName(column));
        }
        x += cell.width();
    }
}

std::vector<int> lines(std::optional<std::pair<int, int>> titles, int first, int last) {
    std::vector<int> all;
    if (titles)
        for (int line = titles->first; line <= titles->second; ++line)
            all.push_back(line);
    for (int line = first; line <= last; ++line)
        all.push_back(line);
    return all;
}

/// Paints one page of a sheet: the header and footer, then its cells at the sheet's zoom.
class PagePainter {
public:
    PagePainter(QPainter& painter, const Sheet& sheet, const SheetOnPaper& paper, int resolution)
        : m_painter(painter), m_sheet(sheet), m_paper(paper), m_resolution(resolution),
          m_room(pageRoom(paper.layout)) {}

    void paint(const CellRange& cells, const PageFacts& facts) {
        m_painter.save();
        m_painter.scale(m_resolution / 96.0, m_resolution / 96.0);
        paintMargins(facts);
        paintCells(cells);
        m_painter.restore();
    }

private:
    void paintMargins(const PageFacts& facts) {
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(9.0 * 96.0 / m_resolution); // the painter is scaled to the device already
        m_painter.setFont(font);
        m_painter.setPen(Qt::black);
        const PrintSettings& print = m_sheet.print();
        drawMarginText(m_painter, QRectF(0, 0, m_room.width(), headerHeight - 6), Qt::AlignBottom,
                       pageMarginText(print.header, facts));
        drawMarginText(m_painter, QRectF(0, headerHeight + m_room.height(), m_room.width(), footerHeight),
                       Qt::AlignBottom, pageMarginText(print.footer, facts));
    }

    void paintCells(const CellRange& cells) {
        const PrintSettings& print = m_sheet.print();
        const SheetGeometry geometry(m_sheet, cells.bottom + 1, cells.right + 1);
        const TitleLines titles = titleLines(m_sheet);
        // Title rows and columns repeat on pages that do not show them anyway.
        const bool repeatRows = titles.rows && cells.top > titles.rows->second;
        const bool repeatColumns = titles.columns && cells.left > titles.columns->second;
        const double rowsHeight =
            repeatRows ? geometry.rangeRect({titles.rows->first, 1, titles.rows->second, 1}).height() : 0.0;
        const double columnsWidth =
            repeatColumns ? geometry.rangeRect({1, titles.columns->first, 1, titles.columns->second}).width()
                          : 0.0;
        const QSizeF headings = headingSize(print);
        const QSizeF content =
            (QSizeF(columnsWidth, rowsHeight) + geometry.rangeRect(cells).size() + headings) * m_paper.zoom;
        const double left =
            print.centreHorizontally ? std::max(0.0, (m_room.width() - content.width()) / 2) : 0.0;
        const double top =
            headerHeight +
            (print.centreVertically ? std::max(0.0, (m_room.height() - content.height()) / 2) : 0.0);
        m_painter.save();
        m_painter.translate(left, top);
        m_painter.scale(m_paper.zoom, m_paper.zoom);
        if (print.headings)
            drawHeadings(m_painter, geometry,
                         lines(repeatRows ? titles.rows : std::nullopt, cells.top, cells.bottom),
                         lines(repeatColumns ? titles.columns : std::nullopt, cells.left, cells.right));
        m_painter.translate(headings.width(), headings.height());
        const SheetPainter painter(m_sheet, geometry);
        const auto paintPart = [&](const CellRange& range, QPointF at) {
            const QRectF source = geometry.rangeRect(range);
            m_painter.save();
            m_painter.translate(at - source.topLeft());
            m_painter.setClipRect(source);
            painter.paint(m_painter, range, print.gridlines);
            m_painter.restore();
        };
        if (repeatRows && repeatColumns)
            paintPart(
                {titles.rows->first, titles.columns->first, titles.rows->second, titles.columns->second},
                {0, 0});
        if (repeatRows)
            paintPart({titles.rows->first, cells.left, titles.rows->second, cells.right}, {columnsWidth, 0});
        if (repeatColumns)
            paintPart({cells.top, titles.columns->first, cells.bottom, titles.columns->second},
                      {0, rowsHeight});
        paintPart(cells, {columnsWidth, rowsHeight});
        m_painter.restore();
    }

    QPainter& m_painter;
    const Sheet& m_sheet;
    const SheetOnPaper& m_paper;
    double m_resolution;
    QSizeF m_room;
};

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

SheetOnPaper sheetOnPaper(const Sheet& sheet, const QPageLayout& layout) {
    SheetOnPaper paper;
    paper.layout = layout;
    const QSizeF room = pageRoom(paper.layout);
    paper.zoom = sheet.print().fitToPages ? fittingZoom(sheet, room) : sheet.print().scale / 100.0;
    paper.pages = pagesAtZoom(sheet, room, paper.zoom);
    return paper;
}

int printWorkbook(const Workbook& workbook, const QString& title, QPrinter& printer) {
    printer.setPageLayout(pageLayout(workbook.sheet(0).print()));
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    // A PDF file takes each sheet on its own paper; printers and the preview keep the paper a job began
    // with, so there the other sheets are laid out on it. The pages of all sheets are counted first.
    const bool paperPerSheet = printer.paintEngine()->type() == QPaintEngine::Pdf;
    std::vector<SheetOnPaper> sheets;
    int pageCount = 0;
    for (const Sheet& sheet : workbook.sheets()) {
        sheets.push_back(
            sheetOnPaper(sheet, paperPerSheet ? pageLayout(sheet.print()) : printer.pageLayout()));
        pageCount += int(sheets.back().pages.size());
    }
    const QDateTime now = QDateTime::currentDateTime();
    PageFacts facts{title,
                    {},
                    0,
                    pageCount,
                    QLocale().toString(now.date(), QLocale::ShortFormat),
                    QLocale().toString(now.time(), QLocale::ShortFormat)};
    for (std::size_t index = 0; index < sheets.size(); ++index) {
        const Sheet& sheet = workbook.sheet(int(index));
        facts.sheetName = sheet.name();
        PagePainter page(painter, sheet, sheets[index], printer.resolution());
        for (const CellRange& cells : sheets[index].pages) {
            if (facts.page > 0) {
                if (paperPerSheet)
                    printer.setPageLayout(sheets[index].layout);
                printer.newPage();
            }
            ++facts.page;
            page.paint(cells, facts);
        }
    }
    painter.end();
    return facts.page;
}

} // namespace velmora::sheet
