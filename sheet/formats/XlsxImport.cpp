#include "sheet/formats/XlsxImport.h"

#include "sheet/formats/NumberFormatShape.h"
#include "sheet/formula/FormulaEvaluator.h"
#include "sheet/formula/FormulaTokens.h"
#include "sheet/model/SheetError.h"

#include <cmath>
#include <map>
#include <memory>
#include <new>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/import_interface.hpp>
#include <orcus/spreadsheet/import_interface_view.hpp>
#include <QDate>
#include <QRegularExpression>
#include <QTime>

namespace velmora::sheet {

namespace {

namespace ss = orcus::spreadsheet;
namespace iface = orcus::spreadsheet::iface;

// The largest sheet the file formats address; cells beyond the component's limits are passed over.
constexpr ss::row_t fileRows = 1048576;
constexpr ss::col_t fileColumns = 16384;

// A range format over more cells than a row holds styles a whole row or column: it gives its look to
// the cells that have one of their own, without making empty cells of the rest.
constexpr long maxFormattedBlanks = maxColumns;
// Shared formulas kept of one sheet; a cell sharing one beyond them keeps the result its file holds.
constexpr std::size_t maxSharedFormulas = 65536;

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Office Open XML writes characters XML cannot hold as "_x000D_"; "_x005F_" escapes an underscore.
QString unescapedText(std::string_view text) {
    QString result = utf8(text);
    if (!result.contains(QStringLiteral("_x")))
        return result;
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString decoded;
    qsizetype from = 0;
    for (QRegularExpressionMatchIterator it = escape.globalMatch(result); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        decoded += QStringView(result).mid(from, match.capturedStart() - from);
        decoded += QChar(char16_t(match.captured(1).toUShort(nullptr, 16)));
        from = match.capturedEnd();
    }
    return decoded + result.mid(from);
}

bool withinSheet(ss::row_t row, ss::col_t column) {
    return row >= 0 && column >= 0 && row < maxRows && column < maxColumns;
}

double pixels(double value, orcus::length_unit_t unit) {
    using Unit = orcus::length_unit_t;
    switch (unit) {
    case Unit::centimeter:
        return value / 2.54 * 96.0;
    case Unit::millimeter:
        return value / 25.4 * 96.0;
    case Unit::inch:
        return value * 96.0;
    case Unit::point:
        return value * 96.0 / 72.0;
    case Unit::twip:
        return value / 15.0;
    case Unit::pixel:
        return value;
    case Unit::xlsx_column_digit:
        // Widths count digits of the standard font, 7 pixels wide, the column's padding included.
        return value * 7.0;
    default:
        return std::nan("");
    }
}

// A size a sheet can show; anything else (negative, not finite, absurd) is left out.
bool usableSize(double size) {
    return std::isfinite(size) && size >= 0.0 && size <= 10000.0;
}

Border::Line borderLine(ss::border_style_t style) {
    using Style = ss::border_style_t;
    switch (style) {
    case Style::unknown:
    case Style::none:
        return Border::Line::None;
    case Style::solid:
    case Style::hair:
    case Style::thin:
        return Border::Line::Thin;
    case Style::medium:
        return Border::Line::Medium;
    case Style::thick:
        return Border::Line::Thick;
    case Style::dotted:
        return Border::Line::Dotted;
    case Style::double_border:
    case Style::double_thin:
        return Border::Line::Double;
    default:
        return Border::Line::Dashed; // the dashed and dash-dotted lines
    }
}

HorizontalAlignment horizontalAlignment(ss::hor_alignment_t alignment) {
    switch (alignment) {
    case ss::hor_alignment_t::left:
    case ss::hor_alignment_t::justified:
    case ss::hor_alignment_t::filled:
        return HorizontalAlignment::Left;
    case ss::hor_alignment_t::center:
    case ss::hor_alignment_t::distributed:
        return HorizontalAlignment::Centre;
    case ss::hor_alignment_t::right:
        return HorizontalAlignment::Right;
    default:
        return HorizontalAlignment::General;
    }
}

VerticalAlignment verticalAlignment(ss::ver_alignment_t alignment) {
    switch (alignment) {
    case ss::ver_alignment_t::top:
    case ss::ver_alignment_t::justified:
        return VerticalAlignment::Top;
    case ss::ver_alignment_t::middle:
    case ss::ver_alignment_t::distributed:
        return VerticalAlignment::Centre;
    default:
        return VerticalAlignment::Bottom;
    }
}

// A cell as the file gives it, turned into its text once the formats are known.
struct PendingCell {
    enum class Kind { Empty, Text, Number, DateTime };
    Kind kind = Kind::Empty;
    QString text;
    double number = 0.0;
    QDate date;
    QTime time;
    std::optional<std::size_t> format;
    QString formula; ///< one the component computes; the others leave their result as a text
};

struct CellFormat {
    CellStyle style;
    NumberFormatShape shape;
};

// Counts every cell of the workbook against the component's limit.
class CellBudget {
public:
    void spend(std::size_t cells = 1) {
        m_cells += cells;
        if (m_cells > maxCells)
            throw SheetError(QStringLiteral("Die Arbeitsmappe hat mehr als %1 Zellen.").arg(maxCells));
    }

private:
    std::size_t m_cells = 0;
};

class SheetImport : public iface::import_sheet,
                    public iface::import_sheet_properties,
                    public iface::import_sheet_view,
                    public iface::import_formula {
public:
    // The sheet is named by its index: the workbook's list of sheets grows while the file is read.
    SheetImport(Workbook& book, int index, CellBudget& budget, const std::vector<QString>& strings)
        : m_book(book), m_index(index), m_budget(budget), m_strings(strings) {}

    const std::map<CellPos, PendingCell>& cells() const { return m_cells; }

    // The range formats too wide to make cells of, for the cells that exist at the end.
    std::optional<std::size_t> rangeFormatAt(CellPos pos) const {
        for (auto it = m_rangeFormats.rbegin(); it != m_rangeFormats.rend(); ++it)
            if (it->first.contains(pos))
                return it->second;
        return std::nullopt;
    }

    iface::import_sheet_view* get_sheet_view() override { return this; }
    iface::import_sheet_properties* get_sheet_properties() override { return this; }
    iface::import_formula* get_formula() override { return this; }

    // import_sheet
    void set_auto(ss::row_t row, ss::col_t column, std::string_view text) override {
        if (PendingCell* cell = at(row, column)) {
            cell->kind = PendingCell::Kind::Text;
            cell->text = unescapedText(text);
        }
    }
    void set_string(ss::row_t row, ss::col_t column, ss::string_id_t index) override {
        if (index >= m_strings.size())
            throw SheetError(QStringLiteral("Text %1 fehlt in der Texttabelle.").arg(index));
        if (PendingCell* cell = at(row, column)) {
            cell->kind = PendingCell::Kind::Text;
            cell->text = m_strings[index];
        }
    }
    void set_value(ss::row_t row, ss::col_t column, double value) override {
        if (PendingCell* cell = at(row, column)) {
            cell->kind = PendingCell::Kind::Number;
            cell->number = value;
        }
    }
    void set_bool(ss::row_t row, ss::col_t column, bool value) override {
        set_value(row, column, value ? 1 : 0);
    }
    void set_date_time(ss::row_t row, ss::col_t column, int year, int month, int day, int hour, int minute,
                       double second) override {
        const QDate date(year, month, day);
        if (!date.isValid())
            return;
        if (PendingCell* cell = at(row, column)) {
            cell->kind = PendingCell::Kind::DateTime;
            cell->date = date;
            cell->time = QTime(0, 0).addSecs(
                std::clamp(hour * 3600 + minute * 60 + int(std::lround(second)), 0, 86399));
        }
    }
    void set_format(ss::row_t row, ss::col_t column, std::size_t format) override {
        if (PendingCell* cell = at(row, column))
            cell->format = format;
    }
    void set_format(ss::row_t firstRow, ss::col_t firstColumn, ss::row_t lastRow, ss::col_t lastColumn,
                    std::size_t format) override {
        const ss::row_t top = std::max(firstRow, 0);
        const ss::col_t left = std::max(firstColumn, 0);
        const ss::row_t bottom = std::min(lastRow, ss::row_t(maxRows - 1));
        const ss::col_t right = std::min(lastColumn, ss::col_t(maxColumns - 1));
        if (top > bottom || left > right)
            return;
        if (long(bottom - top + 1) * long(right - left + 1) > maxFormattedBlanks) {
            m_rangeFormats.emplace_back(CellRange{top + 1, left + 1, bottom + 1, right + 1}, format);
            return;
        }
        for (ss::row_t row = top; row <= bottom; ++row)
            for (ss::col_t column = left; column <= right; ++column)
                set_format(row, column, format);
    }
    void fill_down_cells(ss::row_t row, ss::col_t column, ss::row_t count) override {
        const auto source = m_cells.find(CellPos{row + 1, column + 1});
        if (source == m_cells.end() || !withinSheet(row, column))
            return;
        const PendingCell copy = source->second;
        for (ss::row_t below = row + 1; below < std::min<ss::row_t>(row + count, maxRows); ++below)
            if (PendingCell* cell = at(below, column))
                *cell = copy;
    }
    ss::range_size_t get_sheet_size() const override { return {fileRows, fileColumns}; }

    // import_sheet_properties
    void set_column_width(ss::col_t column, double width, orcus::length_unit_t unit) override {
        const double size = pixels(width, unit);
        if (column >= 0 && column < maxColumns && usableSize(size))
            sheet().setColumnWidth(column + 1, size);
    }
    void set_column_hidden(ss::col_t column, bool hidden) override {
        if (column >= 0 && column < maxColumns)
            sheet().setColumnHidden(column + 1, hidden);
    }
    void set_row_height(ss::row_t row, double height, orcus::length_unit_t unit) override {
        const double size = pixels(height, unit);
        if (row >= 0 && row < maxRows && usableSize(size))
            sheet().setRowHeight(row + 1, size);
    }
    void set_row_hidden(ss::row_t row, bool hidden) override {
        if (row >= 0 && row < maxRows)
            sheet().setRowHidden(row + 1, hidden);
    }
    void set_merge_cell_range(const ss::range_t& range) override {
        if (!withinSheet(range.first.row, range.first.column) || range.last.row < range.first.row ||
            range.last.column < range.first.column)
            return;
        if (sheet().merges().size() >= maxMerges)
            throw SheetError(
                QStringLiteral("Die Tabelle hat mehr als %1 verbundene Bereiche.").arg(maxMerges));
        sheet().merge({range.first.row + 1, range.first.column + 1, std::min(range.last.row + 1, maxRows),
                       std::min(range.last.column + 1, maxColumns)});
    }

    // import_sheet_view
    void set_sheet_active() override {}
    void set_split_pane(double, double, const ss::address_t&, ss::sheet_pane_t) override {}
    void set_frozen_pane(ss::col_t columns, ss::row_t rows, const ss::address_t&, ss::sheet_pane_t) override {
        sheet().setFrozen(std::clamp(rows, 0, maxRows), std::clamp(columns, 0, maxColumns));
    }
    void set_selected_range(ss::sheet_pane_t, ss::range_t) override {}

    // import_formula: a formula shows its last result.
    void set_position(ss::row_t row, ss::col_t column) override {
        m_formulaRow = row;
        m_formulaColumn = column;
        m_formulaResult.reset();
    }
    void set_formula(ss::formula_grammar_t, std::string_view formula) override {
        m_formula = u'=' + QString::fromUtf8(formula.data(), qsizetype(formula.size()));
    }
    // Cells that share a formula name it once, at the first; the others hold it moved by their distance.
    void set_shared_formula_index(std::size_t index) override { m_sharedIndex = index; }
    void set_result_string(std::string_view value) override {
        m_formulaResult = PendingCell{PendingCell::Kind::Text, unescapedText(value), 0.0, {}, {}, {}, {}};
    }
    void set_result_value(double value) override {
        m_formulaResult = PendingCell{PendingCell::Kind::Number, {}, value, {}, {}, {}, {}};
    }
    void set_result_bool(bool value) override { set_result_value(value ? 1 : 0); }
    void set_result_empty() override { m_formulaResult.reset(); }
    void commit() override {
        const CellPos pos{m_formulaRow + 1, m_formulaColumn + 1};
        if (m_sharedIndex && !m_formula.isEmpty() && m_shared.size() < maxSharedFormulas)
            m_shared.insert_or_assign(*m_sharedIndex, std::pair(m_formula, pos));
        else if (const auto shared = m_sharedIndex ? m_shared.find(*m_sharedIndex) : m_shared.end();
                 m_formula.isEmpty() && shared != m_shared.end())
            m_formula = movedFormula(shared->second.first, pos.row - shared->second.second.row,
                                     pos.column - shared->second.second.column);
        PendingCell* cell =
            m_formulaResult || !m_formula.isEmpty() ? at(m_formulaRow, m_formulaColumn) : nullptr;
        if (cell && m_formulaResult) {
            cell->kind = m_formulaResult->kind;
            cell->text = m_formulaResult->text;
            cell->number = m_formulaResult->number;
        }
        if (cell && isComputableFormula(m_formula))
            cell->formula = m_formula;
        m_formulaResult.reset();
        m_formula.clear();
        m_sharedIndex.reset();
    }

private:
    PendingCell* at(ss::row_t row, ss::col_t column) {
        if (!withinSheet(row, column))
            return nullptr; // beyond what a sheet holds
        const auto [it, inserted] = m_cells.try_emplace(CellPos{row + 1, column + 1});
        if (inserted)
            m_budget.spend();
        return &it->second;
    }

    Sheet& sheet() { return m_book.sheet(m_index); }

    Workbook& m_book;
    int m_index;
    CellBudget& m_budget;
    const std::vector<QString>& m_strings;
    std::map<CellPos, PendingCell> m_cells;
    std::vector<std::pair<CellRange, std::size_t>> m_rangeFormats;
    ss::row_t m_formulaRow = -1;
    ss::col_t m_formulaColumn = -1;
    std::optional<PendingCell> m_formulaResult;
    QString m_formula;
    std::optional<std::size_t> m_sharedIndex;
    std::map<std::size_t, std::pair<QString, CellPos>> m_shared; ///< index -> formula and where it stands
};

class SharedStrings : public iface::import_shared_strings {
public:
    const std::vector<QString>& strings() const { return m_strings; }

    std::size_t append(std::string_view text) override {
        m_strings.push_back(unescapedText(text));
        return m_strings.size() - 1;
    }
    std::size_t add(std::string_view text) override { return append(text); }
    void set_segment_font(std::size_t) override {}
    void set_segment_bold(bool) override {}
    void set_segment_italic(bool) override {}
    void set_segment_font_name(std::string_view) override {}
    void set_segment_font_size(double) override {}
    void set_segment_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                                ss::color_elem_t) override {}
    void append_segment(std::string_view text) override { m_segments += unescapedText(text); }
    std::size_t commit_segments() override {
        m_strings.push_back(std::move(m_segments));
        m_segments.clear();
        return m_strings.size() - 1;
    }

private:
    std::vector<QString> m_strings;
    QString m_segments;
};

class Styles : public iface::import_styles {
public:
    explicit Styles(const std::vector<CellFormatExtras>& extras) : m_extras(extras) {}

    // The look of a cell format; the first one is that of cells that name none.
    const CellFormat& cellFormat(std::optional<std::size_t> index) const {
        const std::size_t i = index.value_or(0);
        return i < m_cellFormats.size() ? m_cellFormats[i] : m_standard;
    }

    // fonts
    void set_font_count(std::size_t) override {}
    void set_font_bold(bool bold) override { m_font.bold = bold; }
    void set_font_italic(bool italic) override { m_font.italic = italic; }
    void set_font_name(std::string_view name) override { m_font.fontFamily = utf8(name); }
    void set_font_size(double points) override {
        if (std::isfinite(points) && points > 0.0 && points < 1000.0)
            m_font.fontSize = points;
    }
    void set_font_underline(ss::underline_t underline) override {
        m_font.underline = underline != ss::underline_t::none;
    }
    void set_font_underline_width(ss::underline_width_t) override {}
    void set_font_underline_mode(ss::underline_mode_t) override {}
    void set_font_underline_type(ss::underline_type_t) override {}
    void set_font_underline_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                                  ss::color_elem_t) override {}
    void set_font_color(ss::color_elem_t, ss::color_elem_t red, ss::color_elem_t green,
                        ss::color_elem_t blue) override {
        m_font.textColour = QColor(red, green, blue);
    }
    void set_strikethrough_style(ss::strikethrough_style_t) override {}
    void set_strikethrough_type(ss::strikethrough_type_t) override {}
    void set_strikethrough_width(ss::strikethrough_width_t) override {}
    void set_strikethrough_text(ss::strikethrough_text_t) override {}
    std::size_t commit_font() override { return commit(m_fonts, m_font); }

    // fills
    void set_fill_count(std::size_t) override {}
    void set_fill_pattern_type(ss::fill_pattern_t pattern) override { m_fill.pattern = pattern; }
    void set_fill_fg_color(ss::color_elem_t, ss::color_elem_t red, ss::color_elem_t green,
                           ss::color_elem_t blue) override {
        m_fill.colour = QColor(red, green, blue);
    }
    void set_fill_bg_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override {}
    std::size_t commit_fill() override { return commit(m_fills, m_fill); }

    // borders
    void set_border_count(std::size_t) override {}
    void set_border_style(ss::border_direction_t direction, ss::border_style_t style) override {
        if (BorderEntry::Side* side = m_border.side(direction))
            side->style = style;
    }
    void set_border_color(ss::border_direction_t direction, ss::color_elem_t, ss::color_elem_t red,
                          ss::color_elem_t green, ss::color_elem_t blue) override {
        if (BorderEntry::Side* side = m_border.side(direction))
            side->colour = QColor(red, green, blue);
    }
    void set_border_width(ss::border_direction_t, double, orcus::length_unit_t) override {}
    std::size_t commit_border() override { return commit(m_borders, m_border); }

    // protection
    void set_cell_hidden(bool) override {}
    void set_cell_locked(bool) override {}
    void set_cell_print_content(bool) override {}
    void set_cell_formula_hidden(bool) override {}
    std::size_t commit_cell_protection() override { return 0; }

    // number formats: the spreadsheet format names them by its own identifier, the other by their order
    void set_number_format_count(std::size_t) override {}
    void set_number_format_identifier(std::size_t id) override { m_numberFormatId = id; }
    void set_number_format_code(std::string_view code) override { m_numberFormatCode = utf8(code); }
    std::size_t commit_number_format() override {
        const std::size_t key = m_numberFormatId.value_or(m_numberFormatsCommitted);
        ++m_numberFormatsCommitted;
        m_numberFormats[key] = shapeOfFormat(m_numberFormatCode);
        m_numberFormatId.reset();
        m_numberFormatCode.clear();
        return key;
    }

    // cell formats
    void set_cell_xf_count(std::size_t) override {}
    void set_cell_style_xf_count(std::size_t) override {}
    void set_dxf_count(std::size_t) override {}
    void set_xf_font(std::size_t index) override { m_xf.font = index; }
    void set_xf_fill(std::size_t index) override { m_xf.fill = index; }
    void set_xf_border(std::size_t index) override { m_xf.border = index; }
    void set_xf_protection(std::size_t) override {}
    void set_xf_number_format(std::size_t index) override { m_xf.numberFormat = index; }
    void set_xf_style_xf(std::size_t) override {}
    void set_xf_apply_alignment(bool) override {}
    void set_xf_horizontal_alignment(ss::hor_alignment_t alignment) override { m_xf.horizontal = alignment; }
    void set_xf_vertical_alignment(ss::ver_alignment_t alignment) override { m_xf.vertical = alignment; }
    std::size_t commit_cell_xf() override {
        m_cellFormats.push_back(resolve(m_xf, m_cellFormats.size()));
        m_xf = {};
        return m_cellFormats.size() - 1;
    }
    std::size_t commit_cell_style_xf() override { return discard(); }
    std::size_t commit_dxf() override { return discard(); }

    // named cell styles
    void set_cell_style_count(std::size_t) override {}
    void set_cell_style_name(std::string_view) override {}
    void set_cell_style_xf(std::size_t) override {}
    void set_cell_style_builtin(std::size_t) override {}
    void set_cell_style_parent_name(std::string_view) override {}
    std::size_t commit_cell_style() override { return 0; }

private:
    struct FillEntry {
        ss::fill_pattern_t pattern = ss::fill_pattern_t::none;
        QColor colour;
    };

    struct BorderEntry {
        struct Side {
            ss::border_style_t style = ss::border_style_t::none;
            QColor colour = Qt::black;
        };
        Side left, top, right, bottom;

        Side* side(ss::border_direction_t direction) {
            switch (direction) {
            case ss::border_direction_t::left:
                return &left;
            case ss::border_direction_t::top:
                return &top;
            case ss::border_direction_t::right:
                return &right;
            case ss::border_direction_t::bottom:
                return &bottom;
            default:
                return nullptr; // diagonals are not drawn
            }
        }
    };

    struct XfEntry {
        std::size_t font = 0;
        std::size_t fill = 0;
        std::size_t border = 0;
        std::size_t numberFormat = 0;
        ss::hor_alignment_t horizontal = ss::hor_alignment_t::unknown;
        ss::ver_alignment_t vertical = ss::ver_alignment_t::unknown;
    };

    // Formats, fonts, fills and borders are numbered in the order the file gives them.
    template <typename Entry>
    static std::size_t commit(std::vector<Entry>& entries, Entry& entry) {
        if (entries.size() >= maxIndexed)
            throw SheetError(
                QStringLiteral("Die Arbeitsmappe hat mehr als %1 Formatangaben.").arg(maxIndexed));
        entries.push_back(std::exchange(entry, Entry{}));
        return entries.size() - 1;
    }

    std::size_t discard() {
        m_xf = {};
        return 0;
    }

    static Border border(const BorderEntry::Side& side) {
        Border result;
        result.line = borderLine(side.style);
        if (result.line != Border::Line::None)
            result.colour = side.colour.isValid() ? side.colour : QColor(Qt::black);
        return result;
    }

    CellFormat resolve(const XfEntry& xf, std::size_t index) const {
        if (m_cellFormats.size() >= maxIndexed)
            throw SheetError(
                QStringLiteral("Die Arbeitsmappe hat mehr als %1 Formatangaben.").arg(maxIndexed));
        CellFormat format;
        CellStyle& style = format.style;
        if (xf.font < m_fonts.size())
            style = m_fonts[xf.font];
        if (xf.fill < m_fills.size() && m_fills[xf.fill].pattern != ss::fill_pattern_t::none)
            style.fillColour = m_fills[xf.fill].colour;
        if (xf.border < m_borders.size()) {
            const BorderEntry& entry = m_borders[xf.border];
            style.left = border(entry.left);
            style.top = border(entry.top);
            style.right = border(entry.right);
            style.bottom = border(entry.bottom);
        }
        style.horizontal = horizontalAlignment(xf.horizontal);
        style.vertical = verticalAlignment(xf.vertical);
        if (index < m_extras.size()) {
            style.wrap = m_extras[index].wrap;
            style.locked = m_extras[index].locked;
            style.formulaHidden = m_extras[index].formulaHidden;
            style.underline = style.underline || m_extras[index].underline;
            if (m_extras[index].centreAcrossSelection)
                style.horizontal = HorizontalAlignment::CentreAcrossSelection;
        }
        const auto known = m_numberFormats.find(xf.numberFormat);
        format.shape =
            known != m_numberFormats.end() ? known->second : shapeOfBuiltInFormat(int(xf.numberFormat));
        return format;
    }

    static constexpr std::size_t maxIndexed = 65536;

    const std::vector<CellFormatExtras>& m_extras;
    CellStyle m_font;
    std::vector<CellStyle> m_fonts;
    FillEntry m_fill;
    std::vector<FillEntry> m_fills;
    BorderEntry m_border;
    std::vector<BorderEntry> m_borders;
    std::optional<std::size_t> m_numberFormatId;
    QString m_numberFormatCode;
    std::size_t m_numberFormatsCommitted = 0;
    std::map<std::size_t, NumberFormatShape> m_numberFormats;
    XfEntry m_xf;
    std::vector<CellFormat> m_cellFormats;
    const CellFormat m_standard;
};

class GlobalSettings : public iface::import_global_settings {
public:
    bool epoch1904() const { return m_epoch1904; }

    void set_origin_date(int year, int, int) override { m_epoch1904 = year == 1904; }
    void set_default_formula_grammar(ss::formula_grammar_t grammar) override { m_grammar = grammar; }
    ss::formula_grammar_t get_default_formula_grammar() const override { return m_grammar; }
    void set_character_set(orcus::character_set_t) override {}

private:
    bool m_epoch1904 = false;
    ss::formula_grammar_t m_grammar = ss::formula_grammar_t::unknown;
};

class DefinedNames : public iface::import_named_expression {
public:
    explicit DefinedNames(Workbook& book) : m_book(book) {}

    void set_base_position(const ss::src_address_t&) override {}
    void set_named_expression(std::string_view name, std::string_view expression) override {
        m_name = utf8(name);
        m_reference = sheetRangeReference(utf8(expression));
    }
    void set_named_range(std::string_view name, std::string_view range) override {
        set_named_expression(name, range);
    }
    void commit() override {
        if (!m_name.isEmpty() && !m_reference.isEmpty() && m_book.definedNames().size() < maxSheets)
            m_book.definedNames()[m_name] = m_reference;
        m_name.clear();
        m_reference.clear();
    }

private:
    Workbook& m_book;
    QString m_name;
    QString m_reference;
};

// "A1", "$B$7", "A1:C3", "Bericht!A1" or "$Bericht.$A$1:.$C$3"; the sheet a reference names is not needed
// where the library asks.
class ReferenceResolver : public iface::import_reference_resolver {
public:
    ss::src_address_t resolve_address(std::string_view address) override {
        const ss::src_range_t range = resolve_range(address);
        if (range.first.row != range.last.row || range.first.column != range.last.column)
            throw SheetError(QStringLiteral("Ungültiger Zellbezug „%1“.").arg(utf8(address)));
        return range.first;
    }
    ss::src_range_t resolve_range(std::string_view text) override {
        QStringList corners = utf8(text).remove(u'$').split(u':');
        for (QString& corner : corners)
            corner.remove(0, std::max(corner.lastIndexOf(u'!'), corner.lastIndexOf(u'.')) + 1);
        CellRange range;
        if (corners.size() > 2 || !parseRangeReference(corners.join(u':'), range))
            throw SheetError(QStringLiteral("Ungültiger Zellbezug „%1“.").arg(utf8(text)));
        return {{0, range.top - 1, range.left - 1}, {0, range.bottom - 1, range.right - 1}};
    }
};

class WorkbookImport : public iface::import_factory {
public:
    explicit WorkbookImport(const std::vector<CellFormatExtras>& extras) : m_styles(extras), m_names(m_book) {
        m_book.sheets().clear();
    }

    Workbook finish() {
        if (m_book.sheets().empty())
            throw SheetError(QStringLiteral("Die Arbeitsmappe enthält keine Tabelle."));
        for (std::size_t i = 0; i < m_imports.size(); ++i)
            fillSheet(*m_imports[i], m_book.sheets()[i]);
        return std::move(m_book);
    }

    iface::import_global_settings* get_global_settings() override { return &m_settings; }
    iface::import_shared_strings* get_shared_strings() override { return &m_strings; }
    iface::import_named_expression* get_named_expression() override { return &m_names; }
    iface::import_styles* get_styles() override { return &m_styles; }
    iface::import_reference_resolver* get_reference_resolver(ss::formula_ref_context_t) override {
        return &m_resolver;
    }
    iface::import_sheet* append_sheet(ss::sheet_t, std::string_view name) override {
        if (m_book.sheetCount() >= maxSheets)
            throw SheetError(QStringLiteral("Die Arbeitsmappe hat mehr als %1 Tabellen.").arg(maxSheets));
        m_book.addSheet(utf8(name));
        m_imports.push_back(
            std::make_unique<SheetImport>(m_book, m_book.sheetCount() - 1, m_budget, m_strings.strings()));
        return m_imports.back().get();
    }
    iface::import_sheet* get_sheet(std::string_view name) override {
        const QString wanted = utf8(name);
        for (std::size_t i = 0; i < m_imports.size(); ++i)
            if (m_book.sheets()[i].name() == wanted)
                return m_imports[i].get();
        return nullptr;
    }
    iface::import_sheet* get_sheet(ss::sheet_t index) override {
        return index >= 0 && std::size_t(index) < m_imports.size() ? m_imports[std::size_t(index)].get()
                                                                   : nullptr;
    }
    void finalize() override {}

private:
    QString cellText(const PendingCell& cell, const NumberFormatShape& shape) const {
        using Kind = NumberFormatShape::Kind;
        switch (cell.kind) {
        case PendingCell::Kind::Empty:
            return {};
        case PendingCell::Kind::Text:
            return cell.text;
        case PendingCell::Kind::Number:
            return numberText(cell.number, shape, m_settings.epoch1904());
        case PendingCell::Kind::DateTime:
            break;
        }
        const QString date = cell.date.toString(QStringLiteral("yyyy-MM-dd"));
        const QString time = cell.time.toString(QStringLiteral("HH:mm:ss"));
        switch (shape.kind) {
        case Kind::Time:
            return time;
        case Kind::DateTime:
            return date + u' ' + time;
        case Kind::Date:
            return date;
        default:
            return cell.time == QTime(0, 0) ? date : date + u' ' + time;
        }
    }

    void fillSheet(const SheetImport& import, Sheet& sheet) const {
        for (const auto& [pos, cell] : import.cells()) {
            const CellFormat& format =
                m_styles.cellFormat(cell.format ? cell.format : import.rangeFormatAt(pos));
            // The model keeps no number format of the file: a result shown with one stays the file's.
            const bool computed = format.shape.kind == NumberFormatShape::Kind::General;
            sheet.setFormula(pos, computed ? cell.formula : QString(), cellText(cell, format.shape));
            sheet.setStyle(pos, format.style);
        }
    }

    Workbook m_book;
    CellBudget m_budget;
    SharedStrings m_strings;
    Styles m_styles;
    GlobalSettings m_settings;
    DefinedNames m_names;
    ReferenceResolver m_resolver;
    std::vector<std::unique_ptr<SheetImport>> m_imports;
};

} // namespace

Workbook importXlsx(const QByteArray& archive, const std::vector<CellFormatExtras>& extras) {
    WorkbookImport import(extras);
    try {
        orcus::orcus_xlsx(&import).read_stream(
            std::string_view(archive.constData(), std::size_t(archive.size())));
    } catch (const SheetError&) {
        throw;
    } catch (const std::bad_alloc&) {
        throw SheetError(QStringLiteral("Die Excel-Arbeitsmappe ist zu groß zum Lesen."));
    } catch (const std::exception& error) {
        throw SheetError(QStringLiteral("Die Excel-Arbeitsmappe ist beschädigt (%1).")
                             .arg(QString::fromUtf8(error.what())));
    }
    return import.finish();
}

} // namespace velmora::sheet
