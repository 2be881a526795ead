#include "sheet/formats/VtsFormat.h"

#include "sheet/model/SheetError.h"

#include <array>
#include <QHash>
#include <QLocale>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace velmora::sheet {

namespace {

const QString xmlNamespace = QStringLiteral("urn:velmora:workbook");

template <typename Enum>
struct EnumName {
    Enum value;
    const char16_t* name;
};

constexpr std::array<EnumName<HorizontalAlignment>, 5> horizontalNames{{
    {HorizontalAlignment::General, u"general"},
    {HorizontalAlignment::Left, u"left"},
    {HorizontalAlignment::Centre, u"centre"},
    {HorizontalAlignment::Right, u"right"},
    {HorizontalAlignment::CentreAcrossSelection, u"centre-across"},
}};
constexpr std::array<EnumName<VerticalAlignment>, 3> verticalNames{{
    {VerticalAlignment::Top, u"top"},
    {VerticalAlignment::Centre, u"centre"},
    {VerticalAlignment::Bottom, u"bottom"},
}};
constexpr std::array<EnumName<Border::Line>, 7> lineNames{{
    {Border::Line::None, u"none"},
    {Border::Line::Thin, u"thin"},
    {Border::Line::Medium, u"medium"},
    {Border::Line::Thick, u"thick"},
    {Border::Line::Dashed, u"dashed"},
    {Border::Line::Dotted, u"dotted"},
    {Border::Line::Double, u"double"},
}};
constexpr std::array<EnumName<DrawingObject::Kind>, 10> drawingNames{{
    {DrawingObject::Kind::Line, u"line"},
    {DrawingObject::Kind::Rectangle, u"rectangle"},
    {DrawingObject::Kind::Oval, u"oval"},
    {DrawingObject::Kind::Arc, u"arc"},
    {DrawingObject::Kind::Polygon, u"polygon"},
    {DrawingObject::Kind::TextBox, u"textbox"},
    {DrawingObject::Kind::Button, u"button"},
    {DrawingObject::Kind::CheckBox, u"checkbox"},
    {DrawingObject::Kind::ListBox, u"listbox"},
    {DrawingObject::Kind::Chart, u"chart"},
}};
constexpr std::array<EnumName<DrawingObject::ChartType>, 3> chartNames{{
    {DrawingObject::ChartType::Bar, u"bar"},
    {DrawingObject::ChartType::Line, u"line"},
    {DrawingObject::ChartType::Pie, u"pie"},
}};

template <typename Enum, std::size_t n>
QString nameOf(const std::array<EnumName<Enum>, n>& names, Enum value) {
    for (const auto& entry : names)
        if (entry.value == value)
            return QString::fromUtf16(entry.name);
    return {};
}

QString number(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString colourName(const QColor& colour) {
    return colour.alpha() == 255 ? colour.name(QColor::HexRgb) : colour.name(QColor::HexArgb);
}

// Texts XML 1.0 cannot carry as they are (carriage returns, control characters, lone surrogates).
bool needsEncoding(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if ((c.unicode() < 0x20 && c != u'\t' && c != u'\n') || c.unicode() == 0xFFFE ||
            c.unicode() == 0xFFFF)
            return true;
        if (c.isHighSurrogate() && (i + 1 == text.size() || !text[i + 1].isLowSurrogate()))
            return true;
        if (c.isLowSurrogate() && (i == 0 || !text[i - 1].isHighSurrogate()))
            return true;
    }
    return false;
}

// An attribute keeps only what XML 1.0 can carry; the texts that go there are single lines.
QString attributeText(const QString& text) {
    QString kept;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QString one = text.mid(i, text[i].isHighSurrogate() ? 2 : 1);
        if (!needsEncoding(one))
            kept += one;
        i += one.size() - 1;
    }
    return kept;
}

QByteArray utf16Bytes(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

QString fromUtf16Bytes(const QByteArray& bytes) {
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text.append(QChar(char16_t(quint8(bytes[i]) | (quint8(bytes[i + 1]) << 8))));
    return text;
}

// ---- writing ----

class VtsWriter {
public:
    explicit VtsWriter(QByteArray* out) : m_xml(out) { m_xml.setAutoFormatting(true); }

    void write(const Workbook& book) {
        collectStyles(book);
        m_xml.writeStartDocument();
        m_xml.writeDefaultNamespace(xmlNamespace);
        m_xml.writeStartElement(xmlNamespace, QStringLiteral("workbook"));
        const bool formulas = std::any_of(book.sheets().begin(), book.sheets().end(), [](const Sheet& sheet) {
            return std::any_of(sheet.cells().begin(), sheet.cells().end(),
                               [](const auto& entry) { return !entry.second.formula.isEmpty(); });
        });
        m_xml.writeAttribute(QStringLiteral("version"),
                             QString::number(formulas ? vtsVersion : vtsVersionWithoutFormulas));
        if (!book.title().isEmpty())
            m_xml.writeAttribute(QStringLiteral("title"), book.title());
        if (!book.showTabs())
            m_xml.writeAttribute(QStringLiteral("tabs"), QStringLiteral("0"));
        writeStyles();
        if (!book.definedNames().empty()) {
            m_xml.writeStartElement(QStringLiteral("names"));
            for (const auto& [name, reference] : book.definedNames()) {
                m_xml.writeEmptyElement(QStringLiteral("name"));
                m_xml.writeAttribute(QStringLiteral("name"), name);
                m_xml.writeAttribute(QStringLiteral("ref"), reference);
            }
            m_xml.writeEndElement();
        }
        for (const Sheet& sheet : book.sheets())
            writeSheet(sheet);
        m_xml.writeEndElement();
        m_xml.writeEndDocument();
    }

private:
    void collectStyles(const Workbook& book) {
        for (const Sheet& sheet : book.sheets()) {
            styleId(sheet.defaultStyle());
            for (const auto& entry : sheet.cells())
                styleId(entry.second.style);
        }
    }

    QString styleId(const CellStyle& style) {
        const auto known = m_styleIds.constFind(style);
        if (known != m_styleIds.cend())
            return QStringLiteral("s%1").arg(*known);
        m_styleIds.insert(style, m_styles.size());
        m_styles.push_back(style);
        return QStringLiteral("s%1").arg(m_styles.size() - 1);
    }

    void writeStyles() {
        const CellStyle plain;
        m_xml.writeStartElement(QStringLiteral("styles"));
        for (std::size_t i = 0; i < m_styles.size(); ++i) {
            const CellStyle& s = m_styles[i];
            const bool hasBorders =
                s.left != Border{} || s.top != Border{} || s.right != Border{} || s.bottom != Border{};
            if (hasBorders)
                m_xml.writeStartElement(QStringLiteral("style"));
            else
                m_xml.writeEmptyElement(QStringLiteral("style"));
            m_xml.writeAttribute(QStringLiteral("id"), QStringLiteral("s%1").arg(i));
            m_xml.writeAttribute(QStringLiteral("font"), s.fontFamily);
            m_xml.writeAttribute(QStringLiteral("size"), number(s.fontSize));
            if (s.bold)
                m_xml.writeAttribute(QStringLiteral("bold"), QStringLiteral("1"));
            if (s.italic)
                m_xml.writeAttribute(QStringLiteral("italic"), QStringLiteral("1"));
            if (s.underline)
                m_xml.writeAttribute(QStringLiteral("underline"), QStringLiteral("1"));
            if (s.textColour != plain.textColour)
                m_xml.writeAttribute(QStringLiteral("color"), colourName(s.textColour));
            if (s.fillColour.isValid())
                m_xml.writeAttribute(QStringLiteral("fill"), colourName(s.fillColour));
            if (s.horizontal != plain.horizontal)
                m_xml.writeAttribute(QStringLiteral("halign"), nameOf(horizontalNames, s.horizontal));
            if (s.vertical != plain.vertical)
                m_xml.writeAttribute(QStringLiteral("valign"), nameOf(verticalNames, s.vertical));
            if (s.wrap)
                m_xml.writeAttribute(QStringLiteral("wrap"), QStringLiteral("1"));
            if (!s.locked)
                m_xml.writeAttribute(QStringLiteral("unlocked"), QStringLiteral("1"));
            if (s.formulaHidden)
                m_xml.writeAttribute(QStringLiteral("formula-hidden"), QStringLiteral("1"));
            if (!s.numberFormat.isEmpty())
                m_xml.writeAttribute(QStringLiteral("format"), s.numberFormat);
            if (hasBorders) {
                writeBorder(u"left", s.left);
                writeBorder(u"top", s.top);
                writeBorder(u"right", s.right);
                writeBorder(u"bottom", s.bottom);
                m_xml.writeEndElement();
            }
        }
        m_xml.writeEndElement();
    }

    void writeBorder(const char16_t* side, const Border& border) {
        if (border == Border{})
            return;
        m_xml.writeEmptyElement(QStringLiteral("border"));
        m_xml.writeAttribute(QStringLiteral("side"), QString::fromUtf16(side));
        m_xml.writeAttribute(QStringLiteral("line"), nameOf(lineNames, border.line));
        m_xml.writeAttribute(QStringLiteral("color"), colourName(border.colour));
    }

    void writeSheet(const Sheet& sheet) {
        m_xml.writeStartElement(QStringLiteral("sheet"));
        m_xml.writeAttribute(QStringLiteral("name"), sheet.name());
        m_xml.writeAttribute(QStringLiteral("style"), styleId(sheet.defaultStyle()));
        m_xml.writeAttribute(QStringLiteral("column-width"), number(sheet.defaultColumnWidth()));
        m_xml.writeAttribute(QStringLiteral("row-height"), number(sheet.defaultRowHeight()));
        if (sheet.frozenRows() > 0)
            m_xml.writeAttribute(QStringLiteral("frozen-rows"), QString::number(sheet.frozenRows()));
        if (sheet.frozenColumns() > 0)
            m_xml.writeAttribute(QStringLiteral("frozen-columns"), QString::number(sheet.frozenColumns()));
        if (sheet.isProtected())
            m_xml.writeAttribute(QStringLiteral("protected"), QStringLiteral("1"));
        if (!sheet.showGridlines())
            m_xml.writeAttribute(QStringLiteral("gridlines"), QStringLiteral("0"));
        if (!sheet.showHeadings())
            m_xml.writeAttribute(QStringLiteral("headings"), QStringLiteral("0"));

        writeLines(u"column", sheet.columnWidths(), sheet.hiddenColumns(), u"width");
        writeLines(u"row", sheet.rowHeights(), sheet.hiddenRows(), u"height");
        for (const CellRange& merged : sheet.merges()) {
            m_xml.writeEmptyElement(QStringLiteral("merge"));
            m_xml.writeAttribute(QStringLiteral("ref"), rangeReference(merged));
        }
        for (const auto& [pos, cell] : sheet.cells())
            writeCell(pos, cell, sheet.defaultStyle());
        writePrint(sheet.print());
        for (const DrawingObject& object : sheet.drawings())
            writeDrawing(object);
        m_xml.writeEndElement();
    }

    // Sizes and visibility of columns or rows, one element per line that differs from the default.
    void writeLines(const char16_t* element, const std::map<int, double>& sizes, const std::set<int>& hidden,
                    const char16_t* sizeName) {
        std::set<int> lines(hidden);
        for (const auto& entry : sizes)
            lines.insert(entry.first);
        for (int line : lines) {
            m_xml.writeEmptyElement(QString::fromUtf16(element));
            m_xml.writeAttribute(QStringLiteral("index"), QString::number(line));
            if (const auto it = sizes.find(line); it != sizes.end())
                m_xml.writeAttribute(QString::fromUtf16(sizeName), number(it->second));
            if (hidden.contains(line))
                m_xml.writeAttribute(QStringLiteral("hidden"), QStringLiteral("1"));
        }
    }

    void writeCell(CellPos pos, const Cell& cell, const CellStyle& sheetStyle) {
        if (cell.text.isEmpty())
            m_xml.writeEmptyElement(QStringLiteral("c"));
        else
            m_xml.writeStartElement(QStringLiteral("c"));
        m_xml.writeAttribute(QStringLiteral("r"), cellReference(pos));
        if (cell.style != sheetStyle)
            m_xml.writeAttribute(QStringLiteral("s"), styleId(cell.style));
        if (!cell.formula.isEmpty())
            m_xml.writeAttribute(QStringLiteral("f"), cell.formula);
        if (cell.text.isEmpty())
            return;
        writeText(cell.text);
        m_xml.writeEndElement();
    }

    // An element's text, with the encoding attribute where XML cannot carry it as it is.
    void writeText(const QString& text) {
        if (needsEncoding(text)) {
            m_xml.writeAttribute(QStringLiteral("encoding"), QStringLiteral("utf16le-base64"));
            m_xml.writeCharacters(QString::fromLatin1(utf16Bytes(text).toBase64()));
        } else {
            m_xml.writeCharacters(text);
        }
    }

    void writePrint(const PrintSettings& print) {
        if (print == PrintSettings{})
            return;
        m_xml.writeStartElement(QStringLiteral("print"));
        if (print.orientation == PrintSettings::Orientation::Landscape)
            m_xml.writeAttribute(QStringLiteral("orientation"), QStringLiteral("landscape"));
        if (print.area)
            m_xml.writeAttribute(QStringLiteral("area"), rangeReference(*print.area));
        if (print.titleRows)
            m_xml.writeAttribute(QStringLiteral("title-rows"), rangeReference(*print.titleRows));
        if (print.titleColumns)
            m_xml.writeAttribute(QStringLiteral("title-columns"), rangeReference(*print.titleColumns));
        m_xml.writeAttribute(QStringLiteral("margin-left"), number(print.margins.left()));
        m_xml.writeAttribute(QStringLiteral("margin-top"), number(print.margins.top()));
        m_xml.writeAttribute(QStringLiteral("margin-right"), number(print.margins.right()));
        m_xml.writeAttribute(QStringLiteral("margin-bottom"), number(print.margins.bottom()));
        const PrintSettings plain;
        if (print.paper != plain.paper)
            m_xml.writeAttribute(QStringLiteral("paper"), QPageSize::key(print.paper));
        if (print.header != plain.header)
            m_xml.writeAttribute(QStringLiteral("header"), attributeText(print.header));
        if (print.footer != plain.footer)
            m_xml.writeAttribute(QStringLiteral("footer"), attributeText(print.footer));
        if (print.scale != plain.scale)
            m_xml.writeAttribute(QStringLiteral("scale"), QString::number(print.scale));
        if (print.fitToPages) {
            m_xml.writeAttribute(QStringLiteral("fit-wide"), QString::number(print.pagesWide));
            m_xml.writeAttribute(QStringLiteral("fit-tall"), QString::number(print.pagesTall));
        }
        writeFlag(u"centre-horizontally", print.centreHorizontally);
        writeFlag(u"centre-vertically", print.centreVertically);
        writeFlag(u"gridlines", print.gridlines);
        writeFlag(u"headings", print.headings);
        for (int row : print.rowBreaks) {
            m_xml.writeEmptyElement(QStringLiteral("break"));
            m_xml.writeAttribute(QStringLiteral("row"), QString::number(row));
        }
        for (int column : print.columnBreaks) {
            m_xml.writeEmptyElement(QStringLiteral("break"));
            m_xml.writeAttribute(QStringLiteral("column"), QString::number(column));
        }
        m_xml.writeEndElement();
    }

    void writeFlag(const char16_t* name, bool on) {
        if (on)
            m_xml.writeAttribute(QString::fromUtf16(name), QStringLiteral("1"));
    }

    void writeDrawing(const DrawingObject& object) {
        m_xml.writeStartElement(QStringLiteral("drawing"));
        m_xml.writeAttribute(QStringLiteral("kind"), nameOf(drawingNames, object.kind));
        m_xml.writeAttribute(QStringLiteral("x"), number(object.bounds.x()));
        m_xml.writeAttribute(QStringLiteral("y"), number(object.bounds.y()));
        m_xml.writeAttribute(QStringLiteral("width"), number(object.bounds.width()));
        m_xml.writeAttribute(QStringLiteral("height"), number(object.bounds.height()));
        m_xml.writeAttribute(QStringLiteral("line"), colourName(object.lineColour));
        m_xml.writeAttribute(QStringLiteral("line-width"), number(object.lineWidth));
        if (object.fillColour.isValid())
            m_xml.writeAttribute(QStringLiteral("fill"), colourName(object.fillColour));
        writeFlag(u"checked", object.checked);
        if (object.source)
            m_xml.writeAttribute(QStringLiteral("source"), rangeReference(*object.source));
        if (object.selectedEntry > 0)
            m_xml.writeAttribute(QStringLiteral("selected"), QString::number(object.selectedEntry));
        if (object.kind == DrawingObject::Kind::Chart)
            m_xml.writeAttribute(QStringLiteral("chart"), nameOf(chartNames, object.chartType));
        for (const QPointF& point : object.points) {
            m_xml.writeEmptyElement(QStringLiteral("point"));
            m_xml.writeAttribute(QStringLiteral("x"), number(point.x()));
            m_xml.writeAttribute(QStringLiteral("y"), number(point.y()));
        }
        if (!object.text.isEmpty()) {
            m_xml.writeStartElement(QStringLiteral("text"));
            writeText(object.text);
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    QXmlStreamWriter m_xml;
    std::vector<CellStyle> m_styles;
    QHash<CellStyle, std::size_t> m_styleIds;
};

// ---- reading ----

class VtsReader {
public:
    explicit VtsReader(const QByteArray& document) : m_xml(document) {}

    Workbook read() {
        Workbook book;
        book.sheets().clear();
        if (!nextElement() || m_xml.name() != u"workbook" || m_xml.namespaceUri() != xmlNamespace)
            fail(QStringLiteral("Die Datei ist keine Arbeitsmappe."));
        m_version = integer(u"version", 0, 1'000'000);
        if (m_version != vtsVersion && m_version != vtsVersionWithoutFormulas)
            fail(QStringLiteral("Die Arbeitsmappe hat die Formatversion %1; gelesen wird Version %2.")
                     .arg(m_version)
                     .arg(vtsVersion));
        book.setTitle(text(u"title"));
        book.setShowTabs(text(u"tabs") != u"0");
        while (nextChild()) {
            if (m_xml.name() == u"styles")
                readStyles();
            else if (m_xml.name() == u"names")
                readNames(book);
            else if (m_xml.name() == u"sheet" && book.sheetCount() >= maxSheets)
                fail(QStringLiteral("Die Arbeitsmappe hat mehr als %1 Tabellen.").arg(maxSheets));
            else if (m_xml.name() == u"sheet")
                book.sheets().push_back(readSheet());
            else
                unexpected();
        }
        if (m_xml.hasError())
            failAsXml();
        while (!m_xml.atEnd()) {
            m_xml.readNext();
            if (m_xml.isStartElement())
                unexpected();
        }
        if (m_xml.hasError())
            failAsXml();
        if (book.sheets().empty())
            fail(QStringLiteral("Die Arbeitsmappe enthält keine Tabelle."));
        return book;
    }

private:
    // The XML reader's own reason is English and speaks of its parser; the user learns where.
    [[noreturn]] void failAsXml() const { fail(QStringLiteral("Der Inhalt ist kein gültiges XML.")); }
    [[noreturn]] void fail(const QString& reason) const {
        throw SheetError(QStringLiteral("Die Arbeitsmappe ist beschädigt (Zeile %1): %2")
                             .arg(m_xml.lineNumber())
                             .arg(reason));
    }
    [[noreturn]] void unexpected() const {
        fail(QStringLiteral("unerwartetes Element „%1“").arg(m_xml.name()));
    }

    bool nextElement() {
        while (!m_xml.atEnd()) {
            m_xml.readNext();
            if (m_xml.isStartElement())
                return true;
        }
        if (m_xml.hasError())
            failAsXml();
        return false;
    }

    // The next child element of the current element; false at its end.
    bool nextChild() {
        const bool found = m_xml.readNextStartElement();
        if (m_xml.hasError())
            failAsXml();
        return found;
    }

    QString text(const char16_t* name, const QString& fallback = {}) const {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        return attributes.hasAttribute(QString::fromUtf16(name))
                   ? attributes.value(QString::fromUtf16(name)).toString()
                   : fallback;
    }

    QString required(const char16_t* name) const {
        if (!m_xml.attributes().hasAttribute(QString::fromUtf16(name)))
            fail(QStringLiteral("Attribut „%1“ fehlt").arg(QString::fromUtf16(name)));
        return text(name);
    }

    int integer(const char16_t* name, int min, int max) const {
        bool ok = false;
        const int value = required(name).toInt(&ok);
        if (!ok || value < min || value > max)
            fail(QStringLiteral("Attribut „%1“ ist keine Zahl von %2 bis %3")
                     .arg(QString::fromUtf16(name))
                     .arg(min)
                     .arg(max));
        return value;
    }

    int optionalInteger(const char16_t* name, int fallback, int min, int max) const {
        return m_xml.attributes().hasAttribute(QString::fromUtf16(name)) ? integer(name, min, max) : fallback;
    }

    double real(const char16_t* name, double fallback, double min, double max) const {
        if (!m_xml.attributes().hasAttribute(QString::fromUtf16(name)))
            return fallback;
        bool ok = false;
        const double value = text(name).toDouble(&ok);
        if (!ok || !(value >= min && value <= max))
            fail(QStringLiteral("Attribut „%1“ ist keine gültige Zahl").arg(QString::fromUtf16(name)));
        return value;
    }

    bool flag(const char16_t* name) const { return text(name) == u"1"; }

    QColor colour(const char16_t* name, const QColor& fallback) const {
        if (!m_xml.attributes().hasAttribute(QString::fromUtf16(name)))
            return fallback;
        const QColor value = QColor::fromString(text(name));
        if (!value.isValid())
            fail(QStringLiteral("Attribut „%1“ ist keine Farbe").arg(QString::fromUtf16(name)));
        return value;
    }

    template <typename Enum, std::size_t n>
    Enum choice(const char16_t* name, const std::array<EnumName<Enum>, n>& names, Enum fallback) const {
        if (!m_xml.attributes().hasAttribute(QString::fromUtf16(name)))
            return fallback;
        const QString value = text(name);
        for (const auto& entry : names)
            if (value == entry.name)
                return entry.value;
        fail(QStringLiteral("Attribut „%1“ hat den unbekannten Wert „%2“")
                 .arg(QString::fromUtf16(name), value));
    }

    CellRange range(const char16_t* name) const {
        CellRange value;
        if (!parseRangeReference(required(name), value) || value.bottom > maxRows || value.right > maxColumns)
            fail(QStringLiteral("Attribut „%1“ ist kein Zellbereich").arg(QString::fromUtf16(name)));
        return value;
    }

    void readStyles() {
        while (nextChild()) {
            if (m_xml.name() != u"style")
                unexpected();
            const QString id = required(u"id");
            CellStyle style;
            style.fontFamily = text(u"font", style.fontFamily);
            style.fontSize = real(u"size", style.fontSize, 1.0, 409.0);
            style.bold = flag(u"bold");
            style.italic = flag(u"italic");
            style.underline = flag(u"underline");
            style.textColour = colour(u"color", style.textColour);
            style.fillColour = colour(u"fill", QColor());
            style.horizontal = choice(u"halign", horizontalNames, style.horizontal);
            style.vertical = choice(u"valign", verticalNames, style.vertical);
            style.wrap = flag(u"wrap");
            style.locked = !flag(u"unlocked");
            style.formulaHidden = flag(u"formula-hidden");
            style.numberFormat = text(u"format");
            while (nextChild()) {
                if (m_xml.name() != u"border")
                    unexpected();
                const QString side = required(u"side");
                Border border{choice(u"line", lineNames, Border::Line::None), colour(u"color", Qt::black)};
                if (side == u"left")
                    style.left = border;
                else if (side == u"top")
                    style.top = border;
                else if (side == u"right")
                    style.right = border;
                else if (side == u"bottom")
                    style.bottom = border;
                else
                    fail(QStringLiteral("unbekannte Rahmenseite „%1“").arg(side));
                m_xml.skipCurrentElement();
            }
            if (m_styles.contains(id))
                fail(QStringLiteral("Formatvorlage „%1“ doppelt").arg(id));
            m_styles.insert(id, style);
        }
    }

    const CellStyle& style(const QString& id) const {
        const auto it = m_styles.constFind(id);
        if (it == m_styles.constEnd())
            fail(QStringLiteral("unbekannte Formatvorlage „%1“").arg(id));
        return *it;
    }

    void readNames(Workbook& book) {
        while (nextChild()) {
            if (m_xml.name() != u"name")
                unexpected();
            book.definedNames()[required(u"name")] = required(u"ref");
            m_xml.skipCurrentElement();
        }
    }

    Sheet readSheet() {
        Sheet sheet(required(u"name"));
        sheet.setDefaultStyle(style(required(u"style")));
        sheet.setDefaultColumnWidth(real(u"column-width", Sheet::standardColumnWidth, 0.0, 10000.0));
        sheet.setDefaultRowHeight(real(u"row-height", Sheet::standardRowHeight, 0.0, 10000.0));
        sheet.setFrozen(optionalInteger(u"frozen-rows", 0, 0, maxRows),
                        optionalInteger(u"frozen-columns", 0, 0, maxColumns));
        sheet.setProtected(flag(u"protected"));
        sheet.setShowGridlines(text(u"gridlines") != u"0");
        sheet.setShowHeadings(text(u"headings") != u"0");
        while (nextChild()) {
            const auto name = m_xml.name();
            if (name == u"column") {
                const int column = integer(u"index", 1, maxColumns);
                if (m_xml.attributes().hasAttribute(QStringLiteral("width")))
                    sheet.setColumnWidth(column, real(u"width", 0.0, 0.0, 10000.0));
                sheet.setColumnHidden(column, flag(u"hidden"));
                m_xml.skipCurrentElement();
            } else if (name == u"row") {
                const int row = integer(u"index", 1, maxRows);
                if (m_xml.attributes().hasAttribute(QStringLiteral("height")))
                    sheet.setRowHeight(row, real(u"height", 0.0, 0.0, 10000.0));
                sheet.setRowHidden(row, flag(u"hidden"));
                m_xml.skipCurrentElement();
            } else if (name == u"merge") {
                if (sheet.merges().size() >= maxMerges)
                    fail(QStringLiteral("Die Tabelle hat mehr als %1 verbundene Bereiche.").arg(maxMerges));
                sheet.merge(range(u"ref"));
                m_xml.skipCurrentElement();
            } else if (name == u"c") {
                readCell(sheet);
            } else if (name == u"print") {
                readPrint(sheet.print());
            } else if (name == u"drawing") {
                sheet.drawings().push_back(readDrawing());
            } else {
                unexpected();
            }
        }
        return sheet;
    }

    void readCell(Sheet& sheet) {
        if (++m_cells > maxCells)
            fail(QStringLiteral("Die Arbeitsmappe hat mehr als %1 Zellen.").arg(maxCells));
        const CellRange at = range(u"r");
        if (at.rowCount() != 1 || at.columnCount() != 1)
            fail(QStringLiteral("Zellbezug „%1“ nennt mehr als eine Zelle").arg(text(u"r")));
        const CellPos pos{at.top, at.left};
        const CellStyle cellStyle =
            m_xml.attributes().hasAttribute(QStringLiteral("s")) ? style(text(u"s")) : sheet.defaultStyle();
        const QString formula = text(u"f");
        if (!formula.isEmpty() && (m_version < vtsVersion || !formula.startsWith(u'=')))
            fail(QStringLiteral("Zelle %1 hat eine Formel, die ihre Formatversion nicht kennt")
                     .arg(cellReference(pos)));
        const QString content = elementText(QStringLiteral("Zelle %1").arg(cellReference(pos)));
        sheet.setStyle(pos, cellStyle);
        sheet.setFormula(pos, formula, content);
    }

    // The text of the current element, decoded where it was written encoded; `where` names it in errors.
    QString elementText(const QString& where) {
        const bool encoded = m_xml.attributes().hasAttribute(QStringLiteral("encoding"));
        if (encoded && text(u"encoding") != u"utf16le-base64")
            fail(QStringLiteral("unbekannte Kodierung „%1“").arg(text(u"encoding")));
        const QString content = m_xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        if (m_xml.hasError())
            failAsXml();
        if (!encoded)
            return content;
        const auto decoded =
            QByteArray::fromBase64Encoding(content.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            fail(QStringLiteral("%1 ist falsch kodiert").arg(where));
        return fromUtf16Bytes(*decoded);
    }

    void readPrint(PrintSettings& print) {
        print.orientation = text(u"orientation") == u"landscape" ? PrintSettings::Orientation::Landscape
                                                                 : PrintSettings::Orientation::Portrait;
        if (m_xml.attributes().hasAttribute(QStringLiteral("area")))
            print.area = range(u"area");
        if (m_xml.attributes().hasAttribute(QStringLiteral("title-rows")))
            print.titleRows = range(u"title-rows");
        if (m_xml.attributes().hasAttribute(QStringLiteral("title-columns")))
            print.titleColumns = range(u"title-columns");
        print.margins = QMarginsF(real(u"margin-left", 20.0, 0.0, PrintSettings::maxMargin),
                                  real(u"margin-top", 20.0, 0.0, PrintSettings::maxMargin),
                                  real(u"margin-right", 20.0, 0.0, PrintSettings::maxMargin),
                                  real(u"margin-bottom", 20.0, 0.0, PrintSettings::maxMargin));
        if (m_xml.attributes().hasAttribute(QStringLiteral("paper")))
            print.paper = paper(text(u"paper"));
        print.header = text(u"header", print.header);
        print.footer = text(u"footer", print.footer);
        print.scale =
            optionalInteger(u"scale", print.scale, PrintSettings::minScale, PrintSettings::maxScale);
        print.fitToPages = m_xml.attributes().hasAttribute(QStringLiteral("fit-wide"));
        if (print.fitToPages) {
            print.pagesWide = integer(u"fit-wide", 1, PrintSettings::maxPagesPerAxis);
            print.pagesTall = integer(u"fit-tall", 1, PrintSettings::maxPagesPerAxis);
        }
        print.centreHorizontally = flag(u"centre-horizontally");
        print.centreVertically = flag(u"centre-vertically");
        print.gridlines = flag(u"gridlines");
        print.headings = flag(u"headings");
        while (nextChild()) {
            if (m_xml.name() != u"break")
                unexpected();
            if (m_xml.attributes().hasAttribute(QStringLiteral("row")))
                print.rowBreaks.insert(integer(u"row", 1, maxRows));
            else
                print.columnBreaks.insert(integer(u"column", 1, maxColumns));
            m_xml.skipCurrentElement();
        }
    }

    QPageSize::PageSizeId paper(const QString& key) const {
        for (QPageSize::PageSizeId id : printPapers)
            if (QPageSize::key(id) == key)
                return id;
        fail(QStringLiteral("Attribut „paper“ hat den unbekannten Wert „%1“").arg(key));
    }

    DrawingObject readDrawing() {
        DrawingObject object;
        object.kind = choice(u"kind", drawingNames, DrawingObject::Kind::Rectangle);
        constexpr double extent = 1e7;
        object.bounds = QRectF(real(u"x", 0.0, -extent, extent), real(u"y", 0.0, -extent, extent),
                               real(u"width", 0.0, -extent, extent), real(u"height", 0.0, -extent, extent));
        object.lineColour = colour(u"line", Qt::black);
        object.lineWidth = real(u"line-width", 1.0, 0.0, 1000.0);
        object.fillColour = colour(u"fill", QColor());
        object.checked = flag(u"checked");
        if (m_xml.attributes().hasAttribute(QStringLiteral("source")))
            object.source = range(u"source");
        object.selectedEntry = optionalInteger(u"selected", 0, 0, maxRows);
        object.chartType = choice(u"chart", chartNames, DrawingObject::ChartType::Bar);
        while (nextChild()) {
            if (m_xml.name() == u"point") {
                object.points.append(
                    QPointF(real(u"x", 0.0, -extent, extent), real(u"y", 0.0, -extent, extent)));
                m_xml.skipCurrentElement();
            } else if (m_xml.name() == u"text") {
                object.text = elementText(QStringLiteral("Der Text eines Zeichenobjekts"));
            } else {
                unexpected();
            }
        }
        return object;
    }

    QXmlStreamReader m_xml;
    QHash<QString, CellStyle> m_styles;
    std::size_t m_cells = 0;
    int m_version = 0;
};

} // namespace

QByteArray writeVts(const Workbook& workbook) {
    QByteArray document;
    VtsWriter(&document).write(workbook);
    return document;
}

Workbook readVts(const QByteArray& document) {
    return VtsReader(document).read();
}

} // namespace velmora::sheet
