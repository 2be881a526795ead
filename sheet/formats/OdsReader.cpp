#include "sheet/formats/OdsReader.h"

#include "sheet/formats/ZipArchive.h"
#include "sheet/model/SheetError.h"

#include <array>
#include <cmath>
#include <optional>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace velmora::sheet {

namespace {

using namespace Qt::StringLiterals;

constexpr QLatin1StringView tableNamespace("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
constexpr QLatin1StringView styleNamespace("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
constexpr QLatin1StringView textNamespace("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
constexpr QLatin1StringView officeNamespace("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
constexpr QLatin1StringView numberNamespace("urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0");
constexpr QLatin1StringView svgNamespace("urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0");
constexpr QLatin1StringView formatNamespace("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");

// Characters a cell text may hold, as in the other spreadsheet formats.
constexpr qsizetype maxCellText = 32767;
// Parent styles form a chain no longer than this; a longer one loops.
constexpr int maxStyleDepth = 32;
// Styles a file may define; more are damage.
constexpr std::size_t maxStyles = 65536;

[[noreturn]] void damaged(const QString& reason) {
    throw SheetError(QStringLiteral("Die OpenDocument-Tabelle ist beschädigt (%1).").arg(reason));
}

// A repeat count of the file, at least one.
int repeatCount(const QXmlStreamAttributes& attributes, QLatin1StringView name) {
    bool ok = false;
    const qint64 count = attributes.value(tableNamespace, name).toLongLong(&ok);
    return ok && count > 1 ? int(std::min<qint64>(count, 1 << 24)) : 1;
}

bool isHidden(const QXmlStreamAttributes& attributes) {
    const QStringView visibility = attributes.value(tableNamespace, "visibility"_L1);
    return visibility == u"collapse" || visibility == u"filter";
}

// "1.8264in", "2.5cm", "12pt" in units of which an inch has `perInch` (96 pixels, 72 points); nothing
// for another unit or no length.
std::optional<double> length(QStringView text, double perInch) {
    static const QRegularExpression pattern(QStringLiteral("^(-?[0-9]*\\.?[0-9]+)(in|cm|mm|pt|pc|px)$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed().toString());
    if (!match.hasMatch())
        return std::nullopt;
    const double value = match.capturedView(1).toDouble();
    const QStringView unit = match.capturedView(2);
    const double unitsPerInch = unit == u"in"   ? 1.0
                                : unit == u"cm" ? 2.54
                                : unit == u"mm" ? 25.4
                                : unit == u"pt" ? 72.0
                                : unit == u"pc" ? 6.0
                                                : 96.0;
    // The same unit keeps its value exactly.
    const double size = unitsPerInch == perInch ? value : value / unitsPerInch * perInch;
    if (!std::isfinite(size) || size < 0.0 || size > 10000.0)
        return std::nullopt;
    return size;
}

std::optional<double> pixels(QStringView text) {
    return length(text, 96.0);
}

std::optional<QColor> colour(QStringView text) {
    const QColor parsed = QColor::fromString(text.trimmed());
    return text.trimmed().startsWith(u'#') && parsed.isValid() ? std::optional<QColor>(parsed) : std::nullopt;
}

// "0.74pt solid #000000" or "none": the line drawn as thick as its width says.
Border border(QStringView text) {
    Border result;
    double widthPoints = 0.75;
    QStringView style;
    for (QStringView token : text.split(u' ', Qt::SkipEmptyParts)) {
        if (const std::optional<QColor> c = colour(token))
            result.colour = *c;
        else if (const std::optional<double> width = length(token, 72.0))
            widthPoints = *width;
        else
            style = token;
    }
    if (style.isEmpty() || style == u"none" || style == u"hidden" || widthPoints <= 0.0)
        return {};
    result.line = style.startsWith(u"double") ? Border::Line::Double
                  : style == u"dotted"        ? Border::Line::Dotted
                  : style != u"solid"         ? Border::Line::Dashed
                  : widthPoints < 1.5         ? Border::Line::Thin
                  : widthPoints < 2.25        ? Border::Line::Medium
                                              : Border::Line::Thick;
    return result;
}

// What one style element says; what it leaves out its parent says.
struct StyleEntry {
    QString parent;
    std::optional<QString> fontName;
    std::optional<double> fontSize;
    std::optional<bool> bold, italic, underline, wrap;
    std::optional<QColor> textColour;
    std::optional<QColor> fillColour;             ///< invalid: no fill
    std::array<std::optional<Border>, 4> borders; ///< left, top, right, bottom
    std::optional<HorizontalAlignment> horizontal;
    std::optional<VerticalAlignment> vertical;
    std::optional<QString> numberStyle;
    std::optional<double> columnWidth;
    std::optional<double> rowHeight;
};

// The styles of both parts: cell styles by name with their parents, column and row styles, number
// styles by the decimals they fix, and the font declarations' families.
class StyleTable {
public:
    void read(const QByteArray& part) {
        QXmlStreamReader xml(part);
        StyleEntry* current = nullptr;
        QString numberStyle;
        while (!xml.atEnd()) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            if (token == QXmlStreamReader::EndElement && xml.namespaceUri() == styleNamespace &&
                (xml.name() == u"style" || xml.name() == u"default-style"))
                current = nullptr;
            if (token == QXmlStreamReader::EndElement && xml.name() == u"number-style")
                numberStyle.clear();
            if (token != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes attributes = xml.attributes();
            const QStringView name = xml.name();
            if (xml.namespaceUri() == styleNamespace && (name == u"style" || name == u"default-style")) {
                current = startStyle(attributes, name == u"default-style");
            } else if (xml.namespaceUri() == styleNamespace && name == u"font-face") {
                QString family = attributes.value(svgNamespace, "font-family"_L1).toString();
                if (family.size() >= 2 && family.startsWith(u'\'') && family.endsWith(u'\''))
                    family = family.mid(1, family.size() - 2);
                if (!family.isEmpty())
                    m_fontFamilies[attributes.value(styleNamespace, "name"_L1).toString()] = family;
            } else if (current && xml.namespaceUri() == styleNamespace) {
                readProperties(name, attributes, *current);
            } else if (name == u"number-style" && xml.namespaceUri() == numberNamespace) {
                numberStyle = attributes.value(styleNamespace, "name"_L1).toString();
                m_decimals[numberStyle] = std::nullopt;
                m_numberParts[numberStyle] = 0;
            } else if (!numberStyle.isEmpty() && xml.namespaceUri() == numberNamespace) {
                // Plain decimals only, as in the other formats: grouping, texts or exponents make a
                // general number.
                bool ok = false;
                const int decimals = attributes.value(numberNamespace, "decimal-places"_L1).toInt(&ok);
                const bool plain = name == u"number" && ok && decimals >= 0 && decimals <= 15 &&
                                   attributes.value(numberNamespace, "grouping"_L1) != u"true" &&
                                   m_numberParts[numberStyle]++ == 0;
                m_decimals[numberStyle] = plain ? std::optional<int>(decimals) : std::nullopt;
            }
        }
        if (xml.hasError())
            damaged(xml.errorString());
    }

    // The look of a cell style, each property from the nearest style in its chain that gives it.
    CellStyle cellStyle(const QString& name) const {
        CellStyle style;
        style.fontFamily = fontFamily(lookUp(name, &StyleEntry::fontName).value_or(style.fontFamily));
        style.fontSize = lookUp(name, &StyleEntry::fontSize).value_or(style.fontSize);
        style.bold = lookUp(name, &StyleEntry::bold).value_or(false);
        style.italic = lookUp(name, &StyleEntry::italic).value_or(false);
        style.underline = lookUp(name, &StyleEntry::underline).value_or(false);
        style.wrap = lookUp(name, &StyleEntry::wrap).value_or(false);
        style.textColour = lookUp(name, &StyleEntry::textColour).value_or(style.textColour);
        style.fillColour = lookUp(name, &StyleEntry::fillColour).value_or(QColor());
        style.horizontal = lookUp(name, &StyleEntry::horizontal).value_or(HorizontalAlignment::General);
        style.vertical = lookUp(name, &StyleEntry::vertical).value_or(VerticalAlignment::Bottom);
        Border* sides[] = {&style.left, &style.top, &style.right, &style.bottom};
        for (std::size_t side = 0; side < 4; ++side)
            *sides[side] =
                find(name, [side](const StyleEntry& entry) { return entry.borders[side].has_value(); })
                    .value_or(StyleEntry{})
                    .borders[side]
                    .value_or(Border{});
        return style;
    }

    // The decimals the number style of a cell style fixes; none for a general number.
    std::optional<int> decimals(const QString& name) const {
        const std::optional<QString> numberStyle = lookUp(name, &StyleEntry::numberStyle);
        const auto found = numberStyle ? m_decimals.find(*numberStyle) : m_decimals.end();
        return found != m_decimals.end() ? found->second : std::nullopt;
    }

    std::optional<double> columnWidth(const QString& name) const {
        return lookUp(name, &StyleEntry::columnWidth);
    }
    std::optional<double> rowHeight(const QString& name) const {
        return lookUp(name, &StyleEntry::rowHeight);
    }

private:
    StyleEntry* startStyle(const QXmlStreamAttributes& attributes, bool isDefault) {
        const QStringView family = attributes.value(styleNamespace, "family"_L1);
        if (family != u"table-cell" && family != u"table-column" && family != u"table-row")
            return nullptr;
        if (m_styles.size() >= maxStyles)
            damaged(QStringLiteral("mehr als %1 Formatvorlagen").arg(maxStyles));
        // The default style of cells is the root of every chain; its name is no style name a file can give.
        const QString name = isDefault ? QStringLiteral(":default-") + family.toString()
                                       : attributes.value(styleNamespace, "name"_L1).toString();
        StyleEntry& entry = m_styles[name];
        entry = {};
        entry.parent = attributes.value(styleNamespace, "parent-style-name"_L1).toString();
        if (entry.parent.isEmpty() && !isDefault && family == u"table-cell")
            entry.parent = QStringLiteral(":default-table-cell");
        if (const QStringView data = attributes.value(styleNamespace, "data-style-name"_L1); !data.isEmpty())
            entry.numberStyle = data.toString();
        return &entry;
    }

    static void readProperties(QStringView element, const QXmlStreamAttributes& attributes,
                               StyleEntry& entry) {
        const auto value = [&attributes](QLatin1StringView ns, QLatin1StringView name) {
            return attributes.value(ns, name);
        };
        if (element == u"text-properties") {
            if (const QStringView font = value(styleNamespace, "font-name"_L1); !font.isEmpty())
                entry.fontName = font.toString();
            else if (const QStringView family = value(formatNamespace, "font-family"_L1); !family.isEmpty())
                entry.fontName = family.toString().remove(u'\'');
            if (const std::optional<double> size = length(value(formatNamespace, "font-size"_L1), 72.0);
                size && *size > 0.0 && *size < 1000.0)
                entry.fontSize = *size;
            if (const QStringView weight = value(formatNamespace, "font-weight"_L1); !weight.isEmpty())
                entry.bold = weight == u"bold" || weight.toInt() >= 600;
            if (const QStringView style = value(formatNamespace, "font-style"_L1); !style.isEmpty())
                entry.italic = style == u"italic" || style == u"oblique";
            if (const QStringView underline = value(styleNamespace, "text-underline-style"_L1);
                !underline.isEmpty())
                entry.underline = underline != u"none";
            if (const std::optional<QColor> c = colour(value(formatNamespace, "color"_L1)))
                entry.textColour = *c;
        } else if (element == u"table-cell-properties") {
            if (const QStringView background = value(formatNamespace, "background-color"_L1);
                !background.isEmpty())
                entry.fillColour = colour(background).value_or(QColor());
            if (const QStringView all = value(formatNamespace, "border"_L1); !all.isEmpty())
                entry.borders.fill(border(all));
            const QLatin1StringView sides[] = {"border-left"_L1, "border-top"_L1, "border-right"_L1,
                                               "border-bottom"_L1};
            for (std::size_t side = 0; side < 4; ++side)
                if (const QStringView line = value(formatNamespace, sides[side]); !line.isEmpty())
                    entry.borders[side] = border(line);
            if (const QStringView wrap = value(formatNamespace, "wrap-option"_L1); !wrap.isEmpty())
                entry.wrap = wrap == u"wrap";
            const QStringView vertical = value(styleNamespace, "vertical-align"_L1);
            if (vertical == u"top")
                entry.vertical = VerticalAlignment::Top;
            else if (vertical == u"middle")
                entry.vertical = VerticalAlignment::Centre;
            else if (!vertical.isEmpty())
                entry.vertical = VerticalAlignment::Bottom;
            // Aligned by the type of the value is the general alignment, whatever the paragraph says.
            if (value(styleNamespace, "text-align-source"_L1) == u"value-type")
                entry.horizontal = HorizontalAlignment::General;
        } else if (element == u"paragraph-properties" && !entry.horizontal) {
            const QStringView align = value(formatNamespace, "text-align"_L1);
            if (align == u"center")
                entry.horizontal = HorizontalAlignment::Centre;
            else if (align == u"end" || align == u"right")
                entry.horizontal = HorizontalAlignment::Right;
            else if (!align.isEmpty())
                entry.horizontal = HorizontalAlignment::Left;
        } else if (element == u"table-column-properties") {
            entry.columnWidth = pixels(value(styleNamespace, "column-width"_L1));
        } else if (element == u"table-row-properties") {
            entry.rowHeight = pixels(value(styleNamespace, "row-height"_L1));
        }
    }

    template <typename Says>
    std::optional<StyleEntry> find(const QString& name, Says says) const {
        QString style = name.isEmpty() ? QStringLiteral(":default-table-cell") : name;
        for (int depth = 0; depth < maxStyleDepth && !style.isEmpty(); ++depth) {
            const auto found = m_styles.find(style);
            if (found == m_styles.end())
                return std::nullopt;
            if (says(found->second))
                return found->second;
            style = found->second.parent;
        }
        return std::nullopt;
    }

    template <typename Value>
    Value lookUp(const QString& name, Value StyleEntry::*member) const {
        const std::optional<StyleEntry> entry =
            find(name, [member](const StyleEntry& candidate) { return (candidate.*member).has_value(); });
        return entry ? (*entry).*member : Value{};
    }

    // Cell styles name a font by its declaration ("DejaVu Sans1"), not by its family.
    QString fontFamily(const QString& declaration) const {
        const auto found = m_fontFamilies.find(declaration);
        return found != m_fontFamilies.end() ? found->second : declaration;
    }

    std::map<QString, StyleEntry> m_styles;
    std::map<QString, std::optional<int>> m_decimals;
    std::map<QString, int> m_numberParts;
    std::map<QString, QString> m_fontFamilies;
};

// "PT14H05M00S" as "14:05:00".
QString durationText(QStringView duration) {
    static const QRegularExpression pattern(QStringLiteral("^-?PT(\\d+)H(\\d+)M(\\d+(?:\\.\\d*)?)S$"));
    const QRegularExpressionMatch match = pattern.match(duration.toString());
    if (!match.hasMatch())
        return duration.toString();
    return QStringLiteral("%1:%2:%3")
        .arg(match.captured(1).toInt(), 2, 10, QLatin1Char('0'))
        .arg(match.captured(2).toInt(), 2, 10, QLatin1Char('0'))
        .arg(qRound(match.captured(3).toDouble()), 2, 10, QLatin1Char('0'));
}

// The text a cell shows, by the type of its value, as the ".xls" reader gives it: numbers with the
// decimals of their style or as general numbers, dates as "2026-12-09", truth values as 1 and 0.
QString valueText(const QXmlStreamAttributes& attributes, const QString& shown, std::optional<int> decimals) {
    const QStringView type = attributes.value(officeNamespace, "value-type"_L1);
    if (type == u"float" || type == u"percentage" || type == u"currency") {
        bool ok = false;
        const double value = attributes.value(officeNamespace, "value"_L1).toDouble(&ok);
        if (!ok || !std::isfinite(value))
            return shown;
        return decimals ? QString::number(value, 'f', *decimals) : QString::number(value, 'g', 15);
    }
    if (type == u"date") {
        QString date = attributes.value(officeNamespace, "date-value"_L1).toString();
        date.replace(u'T', u' ');
        return date.left(19);
    }
    if (type == u"time")
        return durationText(attributes.value(officeNamespace, "time-value"_L1));
    if (type == u"boolean")
        return attributes.value(officeNamespace, "boolean-value"_L1) == u"true" ? QStringLiteral("1")
                                                                                : QStringLiteral("0");
    return shown;
}

// Cells of a row alike: one cell, or several that the file repeats.
struct CellRun {
    int column = 0;
    int repeat = 1;
    int spannedColumns = 1;
    int spannedRows = 1;
    QString style; ///< empty: the cells have no style of their own
    QString text;
};

// The sheets of the content: cells where they stand with their texts and looks, merged ranges, widths,
// heights, hidden rows and columns, and the named ranges.
class ContentReader {
public:
    ContentReader(Workbook& book, const StyleTable& styles) : m_book(book), m_styles(styles) {
        m_book.sheets().clear();
    }

    void read(const QByteArray& content) {
        QXmlStreamReader xml(content);
        while (!xml.atEnd()) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            if (token == QXmlStreamReader::EndElement && xml.name() == u"table-row" &&
                xml.namespaceUri() == tableNamespace)
                endRow();
            if (token != QXmlStreamReader::StartElement || xml.namespaceUri() != tableNamespace)
                continue;
            const QXmlStreamAttributes attributes = xml.attributes();
            if (xml.name() == u"table") {
                startSheet(attributes.value(tableNamespace, "name"_L1).toString());
            } else if (xml.name() == u"named-range") {
                const QString reference =
                    sheetRangeReference(attributes.value(tableNamespace, "cell-range-address"_L1).toString());
                const QString name = attributes.value(tableNamespace, "name"_L1).toString();
                // "_xlnm." names are the print ranges other programs keep as names.
                if (!name.isEmpty() && !name.startsWith(QStringLiteral("_xlnm.")) && !reference.isEmpty() &&
                    m_book.definedNames().size() < std::size_t(maxSheets))
                    m_book.definedNames()[name] = reference;
            } else if (!m_sheet) {
                continue;
            } else if (xml.name() == u"table-column") {
                readColumns(attributes);
            } else if (xml.name() == u"table-row") {
                m_rowRepeat = repeatCount(attributes, "number-rows-repeated"_L1);
                m_rowHidden = isHidden(attributes);
                m_rowHeight =
                    m_styles.rowHeight(attributes.value(tableNamespace, "style-name"_L1).toString());
                m_runs.clear();
                m_cellColumn = 0;
            } else if (xml.name() == u"table-cell") {
                readCell(xml);
            } else if (xml.name() == u"covered-table-cell") {
                m_cellColumn = std::min(m_cellColumn + repeatCount(attributes, "number-columns-repeated"_L1),
                                        maxColumns);
                cellText(xml);
            }
        }
        if (xml.hasError())
            damaged(xml.errorString());
        if (m_book.sheets().empty())
            throw SheetError(QStringLiteral("Die Arbeitsmappe enthält keine Tabelle."));
    }

private:
    void startSheet(const QString& name) {
        if (m_book.sheetCount() >= maxSheets)
            throw SheetError(QStringLiteral("Die Arbeitsmappe hat mehr als %1 Tabellen.").arg(maxSheets));
        m_sheet = &m_book.addSheet(name);
        m_row = 0;
        m_column = 0;
    }

    void readColumns(const QXmlStreamAttributes& attributes) {
        const int repeat = repeatCount(attributes, "number-columns-repeated"_L1);
        const bool hidden = isHidden(attributes);
        const std::optional<double> width =
            m_styles.columnWidth(attributes.value(tableNamespace, "style-name"_L1).toString());
        for (int column = m_column; column < std::min(m_column + repeat, maxColumns); ++column) {
            if (hidden)
                m_sheet->setColumnHidden(column + 1, true);
            if (width)
                m_sheet->setColumnWidth(column + 1, *width);
        }
        m_column = std::min(m_column + repeat, maxColumns);
    }

    void readCell(QXmlStreamReader& xml) {
        const QXmlStreamAttributes attributes = xml.attributes();
        CellRun run;
        run.column = m_cellColumn;
        run.repeat = repeatCount(attributes, "number-columns-repeated"_L1);
        run.spannedColumns = repeatCount(attributes, "number-columns-spanned"_L1);
        run.spannedRows = repeatCount(attributes, "number-rows-spanned"_L1);
        run.style = attributes.value(tableNamespace, "style-name"_L1).toString();
        run.text = valueText(attributes, cellText(xml), m_styles.decimals(run.style));
        m_cellColumn = std::min(m_cellColumn + run.repeat, maxColumns);
        if (!run.text.isEmpty() || !run.style.isEmpty() || run.spannedColumns > 1 || run.spannedRows > 1)
            m_runs.push_back(std::move(run));
    }

    // The paragraphs of a cell, one per line, with their spaces, tabs and line breaks; reads to the end
    // of the cell.
    static QString cellText(QXmlStreamReader& xml) {
        QString text;
        int paragraphs = 0;
        for (int depth = 1; depth > 0 && !xml.atEnd();) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            if (token == QXmlStreamReader::EndElement) {
                --depth;
            } else if (token == QXmlStreamReader::Characters) {
                text += xml.text();
            } else if (token == QXmlStreamReader::StartElement) {
                ++depth;
                if (xml.namespaceUri() != textNamespace)
                    continue;
                if (xml.name() == u"p" && paragraphs++ > 0)
                    text += u'\n';
                else if (xml.name() == u"s")
                    text += QString(
                        std::clamp(xml.attributes().value(textNamespace, "c"_L1).toInt(), 1, 1000), u' ');
                else if (xml.name() == u"tab")
                    text += u'\t';
                else if (xml.name() == u"line-break")
                    text += u'\n';
            }
            if (text.size() > maxCellText)
                text.truncate(maxCellText);
        }
        return text;
    }

    void endRow() {
        if (!m_sheet)
            return;
        const int lastRow = std::min(m_row + m_rowRepeat, maxRows);
        // Rows repeated to the sheet's end are the file's filler: they get no heights of their own.
        const bool filler = m_row + m_rowRepeat > maxRows && m_runs.empty();
        for (int row = m_row; row < lastRow; ++row) {
            if (m_rowHidden)
                m_sheet->setRowHidden(row + 1, true);
            if (m_rowHeight && !filler)
                m_sheet->setRowHeight(row + 1, *m_rowHeight);
            for (const CellRun& run : m_runs)
                placeRun(row, run);
        }
        m_row = lastRow;
    }

    void placeRun(int row, const CellRun& run) {
        // Blanks repeated over more cells than a row holds style whole rows or columns: not made cells.
        const bool blanksToo = run.repeat * qint64(m_rowRepeat) <= maxColumns;
        const CellStyle style = m_styles.cellStyle(run.style);
        for (int k = 0; k < run.repeat && run.column + k < maxColumns; ++k) {
            const CellPos pos{row + 1, run.column + k + 1};
            if (run.spannedColumns > 1 || run.spannedRows > 1) {
                if (m_sheet->merges().size() >= maxMerges)
                    throw SheetError(
                        QStringLiteral("Die Tabelle hat mehr als %1 verbundene Bereiche.").arg(maxMerges));
                m_sheet->merge({pos.row, pos.column, std::min(pos.row + run.spannedRows - 1, maxRows),
                                std::min(pos.column + run.spannedColumns - 1, maxColumns)});
            }
            if (run.text.isEmpty() && (run.style.isEmpty() || !blanksToo))
                continue;
            if (++m_cells > maxCells)
                throw SheetError(QStringLiteral("Die Arbeitsmappe hat mehr als %1 Zellen.").arg(maxCells));
            m_sheet->setText(pos, run.text);
            m_sheet->setStyle(pos, style);
        }
    }

    Workbook& m_book;
    const StyleTable& m_styles;
    Sheet* m_sheet = nullptr;
    int m_row = 0;
    int m_column = 0;
    int m_rowRepeat = 1;
    bool m_rowHidden = false;
    std::optional<double> m_rowHeight;
    int m_cellColumn = 0;
    std::vector<CellRun> m_runs;
    std::size_t m_cells = 0;
};

} // namespace

bool looksLikeOds(QByteArrayView bytes) {
    return looksLikeZip(bytes) &&
           bytes.first(std::min<qsizetype>(bytes.size(), 128))
               .contains(QByteArrayView("mimetypeapplication/vnd.oasis.opendocument.spreadsheet"));
}

Workbook readOds(QByteArrayView file) {
    const ZipEntries entries = readZipArchive(file);
    StyleTable styles;
    for (const char* part : {"styles.xml", "content.xml"})
        if (const auto found = entries.find(QString::fromLatin1(part)); found != entries.end())
            styles.read(found->second);
    const auto content = entries.find(QStringLiteral("content.xml"));
    if (content == entries.end())
        damaged(QStringLiteral("der Inhalt fehlt"));
    Workbook book;
    ContentReader(book, styles).read(content->second);
    book.setTitle(firstElementText(entries, QStringLiteral("meta.xml"), u"title"));
    return book;
}

} // namespace velmora::sheet
