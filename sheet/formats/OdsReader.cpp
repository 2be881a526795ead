#include "sheet/formats/OdsReader.h"

#include "sheet/formats/SpreadsheetImport.h"
#include "sheet/formats/ZipArchive.h"
#include "sheet/model/SheetError.h"

#include <cmath>
#include <QRegularExpression>
#include <QSet>
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

// What the styles say that the import library does not report: whether cells wrap, how many decimals
// their number style fixes (both following the parent styles where a style says nothing) and the
// families of the declared fonts.
class CellStyleTable {
public:
    void read(const QByteArray& part) {
        QXmlStreamReader xml(part);
        QString current;
        QString numberStyle;
        while (!xml.atEnd()) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            if (token == QXmlStreamReader::EndElement && xml.name() == u"number-style")
                numberStyle.clear();
            if (token != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes attributes = xml.attributes();
            if (xml.name() == u"style" && xml.namespaceUri() == styleNamespace) {
                current = attributes.value(styleNamespace, "family"_L1) == u"table-cell"
                              ? attributes.value(styleNamespace, "name"_L1).toString()
                              : QString();
                if (current.isEmpty())
                    continue;
                Entry& entry = m_styles[current];
                entry.parent = attributes.value(styleNamespace, "parent-style-name"_L1).toString();
                if (const QStringView data = attributes.value(styleNamespace, "data-style-name"_L1);
                    !data.isEmpty())
                    entry.numberStyle = data.toString();
            } else if (xml.name() == u"font-face" && xml.namespaceUri() == styleNamespace) {
                QString family = attributes.value(svgNamespace, "font-family"_L1).toString();
                if (family.size() >= 2 && family.startsWith(u'\'') && family.endsWith(u'\''))
                    family = family.mid(1, family.size() - 2);
                if (!family.isEmpty())
                    m_fontFamilies[attributes.value(styleNamespace, "name"_L1).toString()] = family;
            } else if (xml.name() == u"table-cell-properties" && !current.isEmpty()) {
                const QStringView wrap = attributes.value(formatNamespace, "wrap-option"_L1);
                if (!wrap.isEmpty())
                    m_styles[current].wrap = wrap == u"wrap";
            } else if (xml.name() == u"number-style" && xml.namespaceUri() == numberNamespace) {
                numberStyle = attributes.value(styleNamespace, "name"_L1).toString();
                m_decimals[numberStyle] = std::nullopt;
            } else if (!numberStyle.isEmpty() && xml.namespaceUri() == numberNamespace) {
                // Plain decimals only, as in the other formats: grouping, texts or exponents make a
                // general number.
                bool ok = false;
                const int decimals = attributes.value(numberNamespace, "decimal-places"_L1).toInt(&ok);
                const bool plain = xml.name() == u"number" &&
                                   attributes.value(numberNamespace, "grouping"_L1) != u"true" && ok &&
                                   decimals >= 0 && decimals <= 15 && !m_seenNumber.contains(numberStyle);
                m_seenNumber.insert(numberStyle);
                m_decimals[numberStyle] = plain ? std::optional<int>(decimals) : std::nullopt;
            }
        }
    }

    // The import library names a font by its declaration ("DejaVu Sans1"), not by its family.
    QString fontFamily(const QString& declaration) const {
        const auto found = m_fontFamilies.find(declaration);
        return found != m_fontFamilies.end() ? found->second : declaration;
    }

    bool wraps(const QString& name) const {
        const Entry* entry = find(name, [](const Entry& e) { return e.wrap.has_value(); });
        return entry && *entry->wrap;
    }

    // The decimals of the cells of a style; none for a general number.
    std::optional<int> decimals(const QString& name) const {
        const Entry* entry = find(name, [](const Entry& e) { return !e.numberStyle.isEmpty(); });
        const auto found = entry ? m_decimals.find(entry->numberStyle) : m_decimals.end();
        return found != m_decimals.end() ? found->second : std::nullopt;
    }

private:
    struct Entry {
        QString parent;
        std::optional<bool> wrap;
        QString numberStyle;
    };

    template <typename Says>
    const Entry* find(const QString& name, Says says) const {
        QString style = name;
        for (int depth = 0; depth < maxStyleDepth && !style.isEmpty(); ++depth) {
            const auto found = m_styles.find(style);
            if (found == m_styles.end())
                return nullptr;
            if (says(found->second))
                return &found->second;
            style = found->second.parent;
        }
        return nullptr;
    }

    std::map<QString, Entry> m_styles;
    std::map<QString, std::optional<int>> m_decimals;
    std::map<QString, QString> m_fontFamilies;
    QSet<QString> m_seenNumber;
};

// "PT14H05M00S" as "14:05:00".
QString durationText(QStringView duration) {
    static const QRegularExpression pattern(QStringLiteral("^-?PT(\\d+)H(\\d+)M(\\d+(?:\\.\\d*)?)S$"));
    const QRegularExpressionMatch match = pattern.match(duration);
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
    int column = 0;        // where the cells stand
    int libraryColumn = 0; // where the import library put them: it counts no covered cells
    int repeat = 1;
    int spannedColumns = 1;
    int spannedRows = 1;
    bool wraps = false;
    QString text;
};

// Places the cells of the content where they stand, with their texts, and the looks the import
// library read for them; with merged ranges and hidden rows and columns, which it does not report.
class ContentReader {
public:
    ContentReader(Workbook& book, const CellStyleTable& styles) : m_book(book), m_styles(styles) {
        for (const Sheet& sheet : book.sheets())
            m_library.push_back(sheet.cells());
        for (Sheet& sheet : book.sheets())
            sheet.clearCells();
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
            if (xml.name() == u"table") {
                ++m_sheetIndex;
                m_row = 0;
                m_column = 0;
            } else if (sheet() && xml.name() == u"table-column") {
                const int repeat = repeatCount(xml.attributes(), "number-columns-repeated"_L1);
                if (isHidden(xml.attributes()))
                    for (int column = m_column; column < std::min(m_column + repeat, maxColumns); ++column)
                        sheet()->setColumnHidden(column + 1, true);
                m_column = std::min(m_column + repeat, maxColumns);
            } else if (sheet() && xml.name() == u"table-row") {
                m_rowRepeat = repeatCount(xml.attributes(), "number-rows-repeated"_L1);
                m_rowHidden = isHidden(xml.attributes());
                m_runs.clear();
                m_cellColumn = 0;
                m_libraryColumn = 0;
            } else if (sheet() && xml.name() == u"table-cell") {
                readCell(xml);
            } else if (sheet() && xml.name() == u"covered-table-cell") {
                m_cellColumn = std::min(
                    m_cellColumn + repeatCount(xml.attributes(), "number-columns-repeated"_L1), maxColumns);
                cellText(xml);
            }
        }
        if (xml.hasError())
            throw SheetError(
                QStringLiteral("Die OpenDocument-Tabelle ist beschädigt (%1).").arg(xml.errorString()));
    }

private:
    Sheet* sheet() const {
        return m_sheetIndex >= 0 && m_sheetIndex < m_book.sheetCount() ? &m_book.sheet(m_sheetIndex)
                                                                       : nullptr;
    }

    void readCell(QXmlStreamReader& xml) {
        const QXmlStreamAttributes attributes = xml.attributes();
        CellRun run;
        run.column = m_cellColumn;
        run.libraryColumn = m_libraryColumn;
        run.repeat = repeatCount(attributes, "number-columns-repeated"_L1);
        run.spannedColumns = repeatCount(attributes, "number-columns-spanned"_L1);
        run.spannedRows = repeatCount(attributes, "number-rows-spanned"_L1);
        const QString style = attributes.value(tableNamespace, "style-name"_L1).toString();
        run.wraps = m_styles.wraps(style);
        run.text = valueText(attributes, cellText(xml), m_styles.decimals(style));
        m_cellColumn = std::min(m_cellColumn + run.repeat, maxColumns);
        m_libraryColumn = std::min(m_libraryColumn + run.repeat, maxColumns);
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
        Sheet* current = sheet();
        if (!current)
            return;
        const int lastRow = std::min(m_row + m_rowRepeat, maxRows);
        for (int row = m_row; row < lastRow; ++row) {
            if (m_rowHidden)
                current->setRowHidden(row + 1, true);
            for (const CellRun& run : m_runs)
                placeRun(*current, row, run);
        }
        m_row = lastRow;
    }

    void placeRun(Sheet& sheet, int row, const CellRun& run) {
        const std::map<CellPos, Cell>& library = m_library[std::size_t(m_sheetIndex)];
        // Blanks repeated over more cells than a row holds style whole rows or columns: not made cells.
        const bool blanksToo = run.repeat * qint64(m_rowRepeat) <= maxColumns;
        for (int k = 0; k < run.repeat && run.column + k < maxColumns; ++k) {
            const CellPos pos{row + 1, run.column + k + 1};
            if (run.spannedColumns > 1 || run.spannedRows > 1) {
                if (sheet.merges().size() >= maxMerges)
                    throw SheetError(
                        QStringLiteral("Die Tabelle hat mehr als %1 verbundene Bereiche.").arg(maxMerges));
                sheet.merge({pos.row, pos.column, std::min(pos.row + run.spannedRows - 1, maxRows),
                             std::min(pos.column + run.spannedColumns - 1, maxColumns)});
            }
            const auto read = library.find(CellPos{row + 1, run.libraryColumn + k + 1});
            if (run.text.isEmpty() && (read == library.end() || !blanksToo))
                continue;
            if (++m_cells > maxCells)
                throw SheetError(QStringLiteral("Die Arbeitsmappe hat mehr als %1 Zellen.").arg(maxCells));
            CellStyle style = read != library.end() ? read->second.style : sheet.defaultStyle();
            style.wrap = style.wrap || run.wraps;
            style.fontFamily = m_styles.fontFamily(style.fontFamily);
            sheet.setText(pos, run.text);
            sheet.setStyle(pos, style);
        }
    }

    Workbook& m_book;
    const CellStyleTable& m_styles;
    std::vector<std::map<CellPos, Cell>> m_library;
    int m_sheetIndex = -1;
    int m_row = 0;
    int m_column = 0;
    int m_rowRepeat = 1;
    bool m_rowHidden = false;
    int m_cellColumn = 0;
    int m_libraryColumn = 0;
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
    // The library reads a repacked archive, whose sizes are the ones just checked.
    Workbook book = importSpreadsheet(writeZipArchive(entries), SpreadsheetKind::Ods);
    CellStyleTable styles;
    for (const char* part : {"styles.xml", "content.xml"})
        if (const auto found = entries.find(QString::fromLatin1(part)); found != entries.end())
            styles.read(found->second);
    const auto content = entries.find(QStringLiteral("content.xml"));
    if (content == entries.end())
        throw SheetError(QStringLiteral("Die OpenDocument-Tabelle ist beschädigt (der Inhalt fehlt)."));
    ContentReader(book, styles).read(content->second);
    book.setTitle(firstElementText(entries, QStringLiteral("meta.xml"), u"title"));
    return book;
}

} // namespace velmora::sheet
