#include "sheet/formats/XlsxWriter.h"

#include "sheet/formats/PlainNumber.h"
#include "sheet/formula/FormulaTokens.h"
#include "sheet/model/SheetError.h"

#include <cmath>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <vector>
#include <xlsxwriter.h>

namespace velmora::sheet {

namespace {

// Excel's limits: characters of a cell text and of a sheet name, and page breaks per sheet.
constexpr qsizetype maxCellText = 32767;
constexpr qsizetype maxSheetName = 31;
constexpr std::size_t maxPageBreaks = 1023;

constexpr double millimetresPerInch = 25.4;

[[noreturn]] void failed(lxw_error error) {
    throw SheetError(QStringLiteral("Die Excel-Datei konnte nicht erzeugt werden: %1.")
                         .arg(QString::fromUtf8(lxw_strerror(error))));
}

void check(lxw_error error) {
    if (error != LXW_NO_ERROR)
        failed(error);
}

lxw_color_t rgb(const QColor& colour) {
    return lxw_color_t(colour.rgb() & 0xFFFFFF);
}

std::uint8_t borderStyle(Border::Line line) {
    switch (line) {
    case Border::Line::None:
        return LXW_BORDER_NONE;
    case Border::Line::Thin:
        return LXW_BORDER_THIN;
    case Border::Line::Medium:
        return LXW_BORDER_MEDIUM;
    case Border::Line::Thick:
        return LXW_BORDER_THICK;
    case Border::Line::Dashed:
        return LXW_BORDER_DASHED;
    case Border::Line::Dotted:
        return LXW_BORDER_DOTTED;
    case Border::Line::Double:
        return LXW_BORDER_DOUBLE;
    }
    return LXW_BORDER_NONE;
}

std::uint8_t horizontalAlignment(HorizontalAlignment alignment) {
    switch (alignment) {
    case HorizontalAlignment::General:
        return LXW_ALIGN_NONE;
    case HorizontalAlignment::Left:
        return LXW_ALIGN_LEFT;
    case HorizontalAlignment::Centre:
        return LXW_ALIGN_CENTER;
    case HorizontalAlignment::Right:
        return LXW_ALIGN_RIGHT;
    case HorizontalAlignment::CentreAcrossSelection:
        return LXW_ALIGN_CENTER_ACROSS;
    }
    return LXW_ALIGN_NONE;
}

// A name Excel accepts: none of []:*?/\, no apostrophe at either end, at most 31 characters, and
// different from the names before it regardless of case.
QString acceptableSheetName(const QString& name, QSet<QString>& taken) {
    QString base;
    for (const QChar c : name)
        base += QStringLiteral("[]:*?/\\").contains(c) ? u'_' : c;
    while (base.startsWith(u'\''))
        base.remove(0, 1);
    while (base.endsWith(u'\''))
        base.chop(1);
    if (base.isEmpty())
        base = QStringLiteral("Tabelle");
    base = base.left(maxSheetName);
    QString candidate = base;
    for (int number = 2; taken.contains(candidate.toLower()); ++number) {
        const QString suffix = QStringLiteral(" (%1)").arg(number);
        candidate = base.left(maxSheetName - suffix.size()) + suffix;
    }
    taken.insert(candidate.toLower());
    return candidate;
}

// A sheet name as a formula names it: in quotes where it holds more than letters, digits and "_".
QString quotedSheetName(const QString& name) {
    const bool plain =
        !name.isEmpty() && !name.front().isDigit() &&
        std::all_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber() || c == u'_'; });
    if (plain)
        return name;
    QString quoted = name;
    return u'\'' + quoted.replace(u'\'', QStringLiteral("''")) + u'\'';
}

// A text with its "_x0041_"-like sequences escaped, which readers would otherwise take for escapes of
// characters: the library escapes only the characters XML cannot hold.
QString escapedUnderscores(const QString& text) {
    static const QRegularExpression escapeLike(QStringLiteral("_(x[0-9A-Fa-f]{4}_)"));
    if (!text.contains(QStringLiteral("_x")))
        return text;
    QString escaped = text;
    return escaped.replace(escapeLike, QStringLiteral("_x005F_\\1"));
}

QString absoluteReference(const CellRange& range) {
    const auto cell = [](int row, int column) {
        return QStringLiteral("$%1$%2").arg(columnName(column)).arg(row);
    };
    return cell(range.top, range.left) + u':' + cell(range.bottom, range.right);
}

class XlsxBuilder {
public:
    explicit XlsxBuilder(const Workbook& book) : m_book(book) {}

    void write(const QString& path) {
        QByteArray directory = QFileInfo(path).absolutePath().toLocal8Bit();
        lxw_workbook_options options{};
        options.tmpdir = directory.data();
        m_workbook = workbook_new_opt(path.toLocal8Bit().constData(), &options);
        if (!m_workbook)
            failed(LXW_ERROR_MEMORY_MALLOC_FAILED);
        try {
            build();
        } catch (...) {
            workbook_close(m_workbook);
            throw;
        }
        check(workbook_close(m_workbook));
    }

private:
    void build() {
        QByteArray title = m_book.title().toUtf8();
        lxw_doc_properties properties{};
        properties.title = title.data();
        if (!title.isEmpty())
            check(workbook_set_properties(m_workbook, &properties));
        QSet<QString> taken;
        for (const Sheet& sheet : m_book.sheets())
            m_sheetNames.push_back(acceptableSheetName(sheet.name(), taken));
        for (std::size_t i = 0; i < m_book.sheets().size(); ++i) {
            lxw_worksheet* worksheet =
                workbook_add_worksheet(m_workbook, m_sheetNames[i].toUtf8().constData());
            if (!worksheet)
                failed(LXW_ERROR_MEMORY_MALLOC_FAILED);
            writeSheet(m_book.sheets()[i], worksheet);
        }
        for (const auto& [name, reference] : m_book.definedNames())
            defineName(name, reference);
    }

    // "Bericht!B2:B3" becomes "='Bericht'!$B$2:$B$3"; a name Excel refuses or a reference to no sheet
    // of the workbook is left out, as the ".xls" files leave out all names.
    void defineName(const QString& name, const QString& reference) {
        const qsizetype bang = reference.lastIndexOf(u'!');
        QString sheetName = reference.left(std::max<qsizetype>(bang, 0));
        if (sheetName.size() >= 2 && sheetName.startsWith(u'\'') && sheetName.endsWith(u'\''))
            sheetName =
                sheetName.mid(1, sheetName.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
        CellRange range;
        if (!parseRangeReference(QStringView(reference).mid(bang + 1), range))
            return;
        std::size_t sheet = 0;
        while (sheet < m_book.sheets().size() && m_book.sheets()[sheet].name() != sheetName)
            ++sheet;
        if (sheet == m_book.sheets().size())
            return;
        const QByteArray formula =
            (u'=' + quotedSheetName(m_sheetNames[sheet]) + u'!' + absoluteReference(range)).toUtf8();
        workbook_define_name(m_workbook, name.toUtf8().constData(), formula.constData());
    }

    lxw_format* format(const CellStyle& style, const QString& numberFormat) {
        CellStyle key = style;
        key.numberFormat = numberFormat;
        if (lxw_format* known = m_formats.value(key))
            return known;
        lxw_format* format = workbook_add_format(m_workbook);
        if (!format)
            failed(LXW_ERROR_MEMORY_MALLOC_FAILED);
        format_set_font_name(format, style.fontFamily.toUtf8().constData());
        format_set_font_size(format, style.fontSize);
        if (style.bold)
            format_set_bold(format);
        if (style.italic)
            format_set_italic(format);
        if (style.underline)
            format_set_underline(format, LXW_UNDERLINE_SINGLE);
        if (rgb(style.textColour) != 0)
            format_set_font_color(format, rgb(style.textColour));
        if (style.fillColour.isValid()) {
            format_set_pattern(format, LXW_PATTERN_SOLID);
            format_set_bg_color(format, rgb(style.fillColour));
        }
        if (style.horizontal != HorizontalAlignment::General)
            format_set_align(format, horizontalAlignment(style.horizontal));
        if (style.vertical == VerticalAlignment::Top)
            format_set_align(format, LXW_ALIGN_VERTICAL_TOP);
        else if (style.vertical == VerticalAlignment::Centre)
            format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
        if (style.wrap)
            format_set_text_wrap(format);
        if (!style.locked)
            format_set_unlocked(format);
        if (style.formulaHidden)
            format_set_hidden(format);
        if (!numberFormat.isEmpty())
            format_set_num_format(format, numberFormat.toUtf8().constData());
        const auto side = [format](const Border& border, auto setStyle, auto setColour) {
            if (border.line == Border::Line::None)
                return;
            setStyle(format, borderStyle(border.line));
            setColour(format, rgb(border.colour));
        };
        side(style.left, format_set_left, format_set_left_color);
        side(style.top, format_set_top, format_set_top_color);
        side(style.right, format_set_right, format_set_right_color);
        side(style.bottom, format_set_bottom, format_set_bottom_color);
        m_formats.insert(key, format);
        return format;
    }

    void writeCell(lxw_worksheet* worksheet, CellPos pos, const Cell& cell) {
        const lxw_row_t row = lxw_row_t(pos.row - 1);
        const lxw_col_t column = lxw_col_t(pos.column - 1);
        if (!cell.formula.isEmpty()) {
            // The result goes along, for programs that show a file without computing it.
            const QByteArray formula = formulaWithCommas(cell.formula).toUtf8();
            if (const std::optional<PlainNumber> number = plainNumber(cell.text))
                check(worksheet_write_formula_num(worksheet, row, column, formula.constData(),
                                                  format(cell.style, {}), number->value));
            else
                check(worksheet_write_formula_str(worksheet, row, column, formula.constData(),
                                                  format(cell.style, {}), cell.text.toUtf8().constData()));
        } else if (cell.text.isEmpty()) {
            check(worksheet_write_blank(worksheet, row, column, format(cell.style, {})));
        } else if (const std::optional<PlainNumber> number = plainNumber(cell.text)) {
            check(worksheet_write_number(worksheet, row, column, number->value,
                                         format(cell.style, decimalFormat(number->decimals))));
        } else {
            check(worksheet_write_string(worksheet, row, column,
                                         escapedUnderscores(cell.text).left(maxCellText).toUtf8().constData(),
                                         format(cell.style, {})));
        }
    }

    void writeLayout(const Sheet& sheet, lxw_worksheet* worksheet) {
        // The format has no default width of its own here: columns without one get the sheet's.
        for (int column = 1; column <= maxColumns; ++column) {
            const bool own = sheet.columnWidths().contains(column);
            const bool hidden = sheet.isColumnHidden(column);
            if (!own && !hidden && sheet.defaultColumnWidth() == Sheet::standardColumnWidth)
                continue;
            lxw_row_col_options options{};
            options.hidden = hidden;
            check(worksheet_set_column_pixels_opt(worksheet, lxw_col_t(column - 1), lxw_col_t(column - 1),
                                                  std::lround(sheet.columnWidth(column)), nullptr, &options));
        }
        // Without it, the rows would have the library's default of 15 points, not the sheet's height.
        worksheet_set_default_row(worksheet, sheet.defaultRowHeight() * 0.75, LXW_FALSE);
        std::set<int> rows(sheet.hiddenRows());
        for (const auto& entry : sheet.rowHeights())
            rows.insert(entry.first);
        for (int row : rows) {
            lxw_row_col_options options{};
            options.hidden = sheet.isRowHidden(row);
            check(worksheet_set_row_pixels_opt(worksheet, lxw_row_t(row - 1),
                                               std::lround(sheet.rowHeight(row)), nullptr, &options));
        }
        if (sheet.frozenRows() > 0 || sheet.frozenColumns() > 0)
            worksheet_freeze_panes(worksheet, lxw_row_t(sheet.frozenRows()),
                                   lxw_col_t(sheet.frozenColumns()));
        if (sheet.isProtected())
            worksheet_protect(worksheet, nullptr, nullptr);
        worksheet_gridlines(worksheet, uint8_t((sheet.showGridlines() ? LXW_SHOW_SCREEN_GRIDLINES : 0) |
                                               (sheet.print().gridlines ? LXW_SHOW_PRINT_GRIDLINES : 0)));
    }

    void writePrintSettings(const PrintSettings& print, lxw_worksheet* worksheet) {
        if (print.orientation == PrintSettings::Orientation::Landscape)
            worksheet_set_landscape(worksheet);
        worksheet_set_margins(
            worksheet, print.margins.left() / millimetresPerInch, print.margins.right() / millimetresPerInch,
            print.margins.top() / millimetresPerInch, print.margins.bottom() / millimetresPerInch);
        if (print.area)
            check(worksheet_print_area(worksheet, lxw_row_t(print.area->top - 1),
                                       lxw_col_t(print.area->left - 1), lxw_row_t(print.area->bottom - 1),
                                       lxw_col_t(print.area->right - 1)));
        if (print.titleRows)
            check(worksheet_repeat_rows(worksheet, lxw_row_t(print.titleRows->top - 1),
                                        lxw_row_t(print.titleRows->bottom - 1)));
        if (print.titleColumns)
            check(worksheet_repeat_columns(worksheet, lxw_col_t(print.titleColumns->left - 1),
                                           lxw_col_t(print.titleColumns->right - 1)));
        breaks<lxw_row_t>(print.rowBreaks, worksheet, worksheet_set_h_pagebreaks);
        breaks<lxw_col_t>(print.columnBreaks, worksheet, worksheet_set_v_pagebreaks);
        worksheet_set_paper(worksheet, excelPaper(print.paper));
        // The header codes are the ones the format uses; it takes at most 255 characters.
        check(worksheet_set_header(worksheet, print.header.left(255).toUtf8().constData()));
        check(worksheet_set_footer(worksheet, print.footer.left(255).toUtf8().constData()));
        if (print.fitToPages)
            worksheet_fit_to_pages(worksheet, uint16_t(print.pagesWide), uint16_t(print.pagesTall));
        else
            worksheet_set_print_scale(worksheet, uint16_t(print.scale));
        if (print.centreHorizontally)
            worksheet_center_horizontally(worksheet);
        if (print.centreVertically)
            worksheet_center_vertically(worksheet);
        if (print.headings)
            worksheet_print_row_col_headers(worksheet);
    }

    // The format's paper numbers.
    static uint8_t excelPaper(QPageSize::PageSizeId paper) {
        switch (paper) {
        case QPageSize::Letter:
            return 1;
        case QPageSize::Legal:
            return 5;
        case QPageSize::Executive:
            return 7;
        case QPageSize::A3:
            return 8;
        case QPageSize::A5:
            return 11;
        case QPageSize::B5:
            return 34;
        default:
            return 9;
        }
    }

    // A new page at row or column n is a break after the one before; the list ends with a zero.
    template <typename Index>
    static void breaks(const std::set<int>& starts, lxw_worksheet* worksheet,
                       lxw_error (*set)(lxw_worksheet*, Index*)) {
        std::vector<Index> list;
        for (int start : starts)
            if (start > 1 && list.size() < maxPageBreaks)
                list.push_back(Index(start - 1));
        if (list.empty())
            return;
        list.push_back(0);
        check(set(worksheet, list.data()));
    }

    void writeSheet(const Sheet& sheet, lxw_worksheet* worksheet) {
        writeLayout(sheet, worksheet);
        writePrintSettings(sheet.print(), worksheet);
        // A merge writes blanks over its range; the cells written after it keep their own looks.
        for (const CellRange& merged : sheet.merges())
            check(worksheet_merge_range(worksheet, lxw_row_t(merged.top - 1), lxw_col_t(merged.left - 1),
                                        lxw_row_t(merged.bottom - 1), lxw_col_t(merged.right - 1), "",
                                        nullptr));
        for (const auto& [pos, cell] : sheet.cells())
            writeCell(worksheet, pos, cell);
    }

    const Workbook& m_book;
    lxw_workbook* m_workbook = nullptr;
    std::vector<QString> m_sheetNames;
    QHash<CellStyle, lxw_format*> m_formats;
};

} // namespace

QByteArray writeXlsx(const Workbook& workbook) {
    // The library writes to a file only; the caller's safe writer puts the bytes in place.
    QTemporaryDir directory;
    if (!directory.isValid())
        throw SheetError(QStringLiteral("Die Excel-Datei konnte nicht erzeugt werden: Kein Platz für "
                                        "temporäre Dateien."));
    const QString path = directory.filePath(QStringLiteral("mappe.xlsx"));
    XlsxBuilder(workbook).write(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SheetError(QStringLiteral("Die Excel-Datei konnte nicht erzeugt werden."));
    return file.readAll();
}

} // namespace velmora::sheet
