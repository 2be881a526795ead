#pragma once

#include "sheet/model/CellRange.h"

#include <optional>
#include <QMarginsF>
#include <QPageSize>
#include <QString>
#include <set>

namespace velmora::sheet {

/// How a sheet goes onto paper.
struct PrintSettings {
    enum class Orientation { Portrait, Landscape };

    std::optional<CellRange> area;         ///< empty: the used range
    std::optional<CellRange> titleRows;    ///< rows repeated on every page (columns ignored)
    std::optional<CellRange> titleColumns; ///< columns repeated on every page (rows ignored)
    Orientation orientation = Orientation::Portrait;
    QPageSize::PageSizeId paper = QPageSize::A4;
    QMarginsF margins{20.0, 20.0, 20.0, 20.0}; ///< millimetres
    std::set<int> rowBreaks;                   ///< a new page starts at each of these rows
    std::set<int> columnBreaks;                ///< a new page starts at each of these columns
    /// Above and below the cells of every page; the codes are those of pageMarginText().
    QString header = QStringLiteral("&F");
    QString footer = QStringLiteral("Seite &P von &N");
    int scale = 100; ///< percent, 10 to 400; ignored when fitting to pages
    bool fitToPages = false;
    int pagesWide = 1; ///< when fitting: the cells shrink until they take at most this many pages across
    int pagesTall = 1; ///< and down
    bool centreHorizontally = false;
    bool centreVertically = false;
    bool gridlines = false; ///< the sheet's gridlines printed
    bool headings = false;  ///< row numbers and column letters printed

    static constexpr int minScale = 10;
    static constexpr int maxScale = 400;
    static constexpr int maxPagesPerAxis = 100;
    static constexpr double maxMargin = 500.0; ///< millimetres

    bool operator==(const PrintSettings&) const = default;
};

/// The papers offered, with their keys in files.
inline constexpr QPageSize::PageSizeId printPapers[] = {
    QPageSize::A3,     QPageSize::A4,    QPageSize::A5,       QPageSize::B5,
    QPageSize::Letter, QPageSize::Legal, QPageSize::Executive};

/// The three parts of a header or footer, with the codes replaced: "&L", "&C" and "&R" start the left,
/// centred and right part (the centred one without a code), "&F" is the title, "&A" the sheet's name,
/// "&P" the page number, "&N" the number of pages, "&D" the date, "&T" the time and "&&" an ampersand.
struct PageMarginText {
    QString left, centre, right;
};

struct PageFacts {
    QString title;
    QString sheetName;
    int page = 1;
    int pages = 1;
    QString date;
    QString time;
};

PageMarginText pageMarginText(const QString& codes, const PageFacts& facts);

} // namespace velmora::sheet
