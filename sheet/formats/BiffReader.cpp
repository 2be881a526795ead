#include "sheet/formats/BiffReader.h"

#include "common/TextCodec.h"
#include "sheet/formats/BiffInput.h"
#include "sheet/formats/BiffRecords.h"
#include "sheet/formats/FileCode.h"
#include "sheet/formats/NumberFormatShape.h"
#include "sheet/model/SheetError.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <map>
#include <optional>
#include <QtEndian>

namespace velmora::sheet {

namespace {

using namespace biff;

enum class Generation { Biff2, Biff3, Biff4, Biff5, Biff8 };

// Sub-stream types of a BOF record.
constexpr std::uint16_t globalsType = 0x0005;
constexpr std::uint16_t worksheetType = 0x0010;
constexpr std::uint16_t biff4WorkbookType = 0x0100;

// Fonts and XFs are addressed by 16-bit indexes; a file with more is damaged.
constexpr std::size_t maxIndexed = 65536;

struct FontEntry {
    QString family = QStringLiteral("Arial");
    double size = 10.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int colour = 0x7FFF; // automatic
};

struct XfEntry {
    int font = 0;
    int format = 0;
    std::uint8_t alignment = 0x20;
    std::uint16_t protection = 0x0001; ///< bit 0 locked, bit 1 formula hidden
    std::uint32_t lines = 0;
    std::uint32_t moreLines = 0;
    std::uint16_t colours = 0;
};

struct SheetEntry {
    qsizetype position;
    QString name;
};

// What a cell record says about its look: the style and the shape of its number format.
struct CellFormat {
    const CellStyle* style;
    NumberFormatShape shape;
};

Generation generationOf(std::uint16_t bofId, std::uint16_t version) {
    switch (bofId) {
    case Biff2Bof:
        return Generation::Biff2;
    case Biff3Bof:
        return Generation::Biff3;
    case Biff4Bof:
        return Generation::Biff4;
    default:
        return version >= 0x0600 ? Generation::Biff8 : Generation::Biff5;
    }
}

bool isBof(std::uint16_t id) {
    return id == Bof || id == Biff2Bof || id == Biff3Bof || id == Biff4Bof;
}

// What a BOF record begins: the workbook globals, a worksheet, a chart, ...
std::uint16_t substreamType(const Record& bof) {
    FieldReader fields(bof);
    fields.u16(); // the version
    return fields.u16();
}

// An RK value: a 30-bit integer or the high 30 bits of a double, either possibly divided by 100.
double rkValue(std::uint32_t rk) {
    double value =
        (rk & 0x02) ? double(std::int32_t(rk) >> 2) : std::bit_cast<double>(std::uint64_t(rk & ~3u) << 32);
    if (rk & 0x01)
        value /= 100.0;
    return value;
}

QString errorText(std::uint8_t code) {
    switch (code) {
    case 0x00:
        return QStringLiteral("#NULL!");
    case 0x07:
        return QStringLiteral("#DIV/0!");
    case 0x0F:
        return QStringLiteral("#VALUE!");
    case 0x17:
        return QStringLiteral("#REF!");
    case 0x1D:
        return QStringLiteral("#NAME?");
    case 0x24:
        return QStringLiteral("#NUM!");
    case 0x2A:
        return QStringLiteral("#N/A");
    default:
        return QStringLiteral("#WERT!");
    }
}

// A boolean is written as the number it stands for.
QString booleanOrErrorText(std::uint8_t value, bool isError) {
    return isError ? errorText(value) : QString::number(value ? 1 : 0);
}

Border::Line borderLine(unsigned code) {
    switch (code) {
    case 0:
        return Border::Line::None;
    case 1:
        return Border::Line::Thin;
    case 2:
        return Border::Line::Medium;
    case 4:
    case 7:
        return Border::Line::Dotted;
    case 5:
        return Border::Line::Thick;
    case 6:
        return Border::Line::Double;
    default:
        return Border::Line::Dashed; // the dashed and dash-dotted lines
    }
}

HorizontalAlignment horizontalAlignment(unsigned code) {
    switch (code) {
    case 1:
    case 4:
    case 5:
        return HorizontalAlignment::Left;
    case 2:
    case 7:
        return HorizontalAlignment::Centre;
    case 3:
        return HorizontalAlignment::Right;
    case 6:
        return HorizontalAlignment::CentreAcrossSelection;
    default:
        return HorizontalAlignment::General;
    }
}

VerticalAlignment verticalAlignment(unsigned code) {
    return code == 0 || code == 3 ? VerticalAlignment::Top
           : code == 2            ? VerticalAlignment::Bottom
                                  : VerticalAlignment::Centre;
}

// Widths in characters of the standard font: a digit is 7 pixels wide, and a column has 5 pixels of
// padding.
double widthPixels(double characters) {
    return characters * 7.0 + 5.0;
}

double twipsToPixels(unsigned twips) {
    return twips / 15.0;
}

class BiffReader {
public:
    explicit BiffReader(QByteArrayView stream) : m_stream(stream) {}

    Workbook read(int& code) {
        m_workbook.sheets().clear();
        RecordInput input(m_stream, 0, m_stream.size());
        Record record;
        if (!input.next(record) || !isBof(record.id))
            throw StreamDamage{QStringLiteral("der Datenstrom beginnt nicht mit einem BOF-Datensatz")};
        m_generation = generationOf(record.id, FieldReader(record).u16());
        const std::uint16_t type = substreamType(record);
        if (type == globalsType && m_generation >= Generation::Biff5)
            readWorkbook(input);
        else
            readSequentially(input, type);
        if (m_workbook.sheets().empty())
            throw SheetError(QStringLiteral("Die Arbeitsmappe enthält keine Tabelle."));
        code = m_generation == Generation::Biff8 ? Excel97Code : Excel5Code;
        return std::move(m_workbook);
    }

private:
    bool biff8() const { return m_generation == Generation::Biff8; }

    [[noreturn]] static void damaged(const QString& reason) { throw StreamDamage{reason}; }

    // A BIFF5 or BIFF8 workbook: the globals, then each worksheet where its BOUNDSHEET says it begins, up
    // to where the next one begins, so that each byte is read once.
    void readWorkbook(RecordInput& input) {
        readSubstream(input, nullptr);
        buildStyles();
        std::vector<qsizetype> starts;
        for (const SheetEntry& entry : m_boundSheets)
            starts.push_back(entry.position);
        std::sort(starts.begin(), starts.end());
        if (std::adjacent_find(starts.begin(), starts.end()) != starts.end())
            damaged(QStringLiteral("zwei Tabellen beginnen an derselben Stelle"));
        // A BOUNDSHEET inside a worksheet names no sheet of the workbook: the list is the globals' one.
        const std::vector<SheetEntry> sheets = m_boundSheets;
        for (const SheetEntry& entry : sheets) {
            const auto next = std::upper_bound(starts.begin(), starts.end(), entry.position);
            RecordInput sheetInput(m_stream, entry.position, next == starts.end() ? m_stream.size() : *next);
            Record bof;
            if (!sheetInput.next(bof) || bof.id != Bof)
                damaged(QStringLiteral("Tabelle „%1“ beginnt nicht mit einem BOF-Datensatz").arg(entry.name));
            if (substreamType(bof) != worksheetType)
                continue; // a chart or macro sheet
            readSubstream(sheetInput, &addSheet(entry.name));
        }
    }

    // BIFF2 to BIFF4, or a lone worksheet: sub-streams one after the other, the first already begun.
    void readSequentially(RecordInput& input, std::uint16_t type) {
        while (true) {
            if (type == worksheetType)
                readSubstream(input, &addSheet({}));
            else if (type == globalsType || type == biff4WorkbookType)
                readSubstream(input, nullptr);
            else
                readSubstream(input, nullptr, false);
            Record record;
            do {
                if (!input.next(record))
                    return;
            } while (!isBof(record.id));
            type = substreamType(record);
        }
    }

    Sheet& addSheet(const QString& name) {
        if (m_workbook.sheetCount() >= maxSheets)
            throw SheetError(QStringLiteral("Die Arbeitsmappe hat mehr als %1 Tabellen.").arg(maxSheets));
        m_columnRecords = 0;
        m_rowRecords = 0;
        m_standardWidthSeen = false;
        m_pendingFormula.reset();
        return m_workbook.addSheet(name);
    }

    // The records up to the EOF that closes the sub-stream; embedded sub-streams (charts) are passed over.
    void readSubstream(RecordInput& input, Sheet* sheet, bool handle = true) {
        int depth = 0;
        Record record;
        while (input.next(record)) {
            if (isBof(record.id)) {
                ++depth;
            } else if (record.id == Eof) {
                if (depth-- == 0)
                    return;
            } else if (depth == 0 && handle) {
                FieldReader fields(record);
                if (!handleGlobal(record.id, fields) && sheet)
                    handleSheet(record.id, fields, *sheet);
            }
        }
    }

    QString byteText(QByteArrayView bytes) const {
        return m_codepage == 1200 ? QString::fromLatin1(bytes) : fromCp1252(bytes);
    }

    QString byteText8(FieldReader& fields) { return byteText(fields.bytes(fields.u8())); }
    QString byteText16(FieldReader& fields) { return byteText(fields.bytes(fields.u16())); }

    // A cell's text from LABEL, RSTRING or STRING: BIFF8 writes it as Unicode, older ones in the code page.
    QString labelText(FieldReader& fields) { return biff8() ? fields.unicodeText16() : byteText16(fields); }

    // Records of the workbook's tables, which BIFF2 to BIFF4 keep inside the worksheet.
    bool handleGlobal(std::uint16_t id, FieldReader& fields) {
        switch (id) {
        case Codepage:
            m_codepage = fields.u16();
            return true;
        case DateMode:
            m_epoch1904 = fields.u16() != 0;
            return true;
        case Font:
        case Biff34Font:
            readFont(fields);
            return true;
        case Format:
        case Biff23Format:
            readFormat(id, fields);
            return true;
        case Xf:
        case Biff2Xf:
        case Biff3Xf:
        case Biff4Xf:
            readXf(fields);
            return true;
        case Palette:
            for (int i = 0, count = fields.u16(); i < std::min(count, paletteSize); ++i) {
                const int red = fields.u8();
                const int green = fields.u8();
                const int blue = fields.u8();
                fields.u8();
                m_palette[std::size_t(i)] = qRgb(red, green, blue);
            }
            return true;
        case BoundSheet:
            readBoundSheet(fields);
            return true;
        case Sst:
            fields.u32();
            for (std::uint32_t count = fields.u32(); count > 0 && fields.remaining() > 0; --count)
                m_sst.push_back(fields.unicodeText16());
            return true;
        default:
            return false;
        }
    }

    void readFont(FieldReader& fields) {
        if (m_fonts.size() >= maxIndexed)
            damaged(QStringLiteral("mehr als %1 Schriften").arg(maxIndexed));
        FontEntry font;
        font.size = fields.u16() / 20.0;
        const std::uint16_t options = fields.u16();
        font.italic = options & 0x02;
        if (m_generation == Generation::Biff2) {
            font.bold = options & 0x01;
            font.underline = options & 0x04;
            font.family = byteText8(fields);
        } else if (m_generation <= Generation::Biff4) {
            font.colour = fields.u16();
            font.family = byteText8(fields);
        } else {
            font.colour = fields.u16();
            font.bold = fields.u16() >= 700;
            fields.u16();
            font.underline = fields.u8() != 0;
            fields.skip(3);
            font.family = biff8() ? fields.unicodeText8() : byteText8(fields);
        }
        m_fonts.push_back(font);
    }

    // BIFF2 and BIFF3 number their formats by their order.
    void readFormat(std::uint16_t id, FieldReader& fields) {
        const int index = id == Format ? fields.u16() : m_listedFormats++;
        const QString code = biff8() ? fields.unicodeText16() : byteText8(fields);
        m_formats[index] = shapeOfFormat(code);
    }

    void readXf(FieldReader& fields) {
        if (m_xfs.size() >= maxIndexed)
            damaged(QStringLiteral("mehr als %1 Zellformate").arg(maxIndexed));
        XfEntry xf;
        if (m_generation <= Generation::Biff4) {
            // Older generations: the look stays the standard one; the number format is what matters.
            xf.font = fields.u8();
            xf.format = m_generation == Generation::Biff2 ? 0 : fields.u8();
        } else {
            xf.font = fields.u16();
            xf.format = fields.u16();
            xf.protection = fields.u16();
            xf.alignment = fields.u8();
            if (biff8())
                fields.skip(3);
            else
                fields.u8();
            xf.lines = fields.u32();
            xf.moreLines = fields.u32();
            if (biff8())
                xf.colours = fields.u16();
        }
        m_xfs.push_back(xf);
    }

    void readBoundSheet(FieldReader& fields) {
        if (m_boundSheets.size() >= std::size_t(maxSheets))
            throw SheetError(QStringLiteral("Die Arbeitsmappe hat mehr als %1 Tabellen.").arg(maxSheets));
        const qsizetype position = fields.u32();
        fields.u16(); // visibility and type; the sheet's own BOF tells worksheets from the others
        const QString name = biff8() ? fields.unicodeText8() : byteText8(fields);
        if (position >= m_stream.size())
            damaged(QStringLiteral("Tabelle „%1“ beginnt hinter dem Ende des Datenstroms").arg(name));
        m_boundSheets.push_back({position, name});
    }

    QColor colour(int index) const {
        static constexpr QRgb fixed[] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00,
                                         0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF};
        if (index >= 0 && index < firstPaletteIndex)
            return QColor(fixed[index]);
        if (index >= firstPaletteIndex && index < firstPaletteIndex + paletteSize)
            return QColor(m_palette[std::size_t(index - firstPaletteIndex)]);
        return {};
    }

    Border border(unsigned line, int colourIndex) const {
        Border result;
        result.line = borderLine(line);
        if (result.line != Border::Line::None) {
            const QColor c = colour(colourIndex);
            result.colour = c.isValid() ? c : QColor(Qt::black);
        }
        return result;
    }

    // The styles of BIFF5 and BIFF8 XFs, once fonts and palette are known.
    void buildStyles() {
        m_styles.reserve(m_xfs.size());
        for (const XfEntry& xf : m_xfs) {
            CellStyle style;
            // Font index 4 does not exist; the indexes after it count from 5.
            const std::size_t fontIndex = std::size_t(xf.font < 4 ? xf.font : xf.font - 1);
            if (fontIndex < m_fonts.size()) {
                const FontEntry& font = m_fonts[fontIndex];
                style.fontFamily = font.family;
                style.fontSize = font.size;
                style.bold = font.bold;
                style.italic = font.italic;
                style.underline = font.underline;
                const QColor text = colour(font.colour);
                style.textColour = text.isValid() ? text : QColor(Qt::black);
            }
            style.horizontal = horizontalAlignment(xf.alignment & 0x07);
            style.wrap = xf.alignment & 0x08;
            style.locked = xf.protection & 0x01;
            style.formulaHidden = xf.protection & 0x02;
            style.vertical = verticalAlignment((xf.alignment >> 4) & 0x07);
            int pattern = 0;
            int foreground = 64;
            if (biff8()) {
                style.left = border(xf.lines & 0x0F, int((xf.lines >> 16) & 0x7F));
                style.right = border((xf.lines >> 4) & 0x0F, int((xf.lines >> 23) & 0x7F));
                style.top = border((xf.lines >> 8) & 0x0F, int(xf.moreLines & 0x7F));
                style.bottom = border((xf.lines >> 12) & 0x0F, int((xf.moreLines >> 7) & 0x7F));
                pattern = int(xf.moreLines >> 26);
                foreground = xf.colours & 0x7F;
            } else {
                foreground = int(xf.lines & 0x7F);
                pattern = int((xf.lines >> 16) & 0x3F);
                style.bottom = border((xf.lines >> 22) & 0x07, int(xf.lines >> 25));
                style.top = border(xf.moreLines & 0x07, int((xf.moreLines >> 9) & 0x7F));
                style.left = border((xf.moreLines >> 3) & 0x07, int((xf.moreLines >> 16) & 0x7F));
                style.right = border((xf.moreLines >> 6) & 0x07, int((xf.moreLines >> 23) & 0x7F));
            }
            if (pattern != 0)
                style.fillColour = colour(foreground);
            m_styles.push_back(style);
        }
    }

    NumberFormatShape formatShape(int index) const {
        if (const auto it = m_formats.find(index); it != m_formats.end())
            return it->second;
        // BIFF2 and BIFF3 list every format they use; later generations name built-in ones by index.
        return m_generation >= Generation::Biff4 ? shapeOfBuiltInFormat(index) : NumberFormatShape{};
    }

    CellFormat xfFormat(std::size_t xf) const {
        const CellStyle* style = xf < m_styles.size() ? &m_styles[xf] : &m_standardStyle;
        return {style, xf < m_xfs.size() ? formatShape(m_xfs[xf].format) : NumberFormatShape{}};
    }

    // A cell's XF index, or in BIFF2 its three attribute bytes, which name the number format directly.
    CellFormat cellFormat(FieldReader& fields) {
        if (m_generation != Generation::Biff2)
            return xfFormat(fields.u16());
        fields.u8();
        const int format = fields.u8() & 0x3F;
        fields.u8();
        return {&m_standardStyle, formatShape(format)};
    }

    void setCell(Sheet& sheet, unsigned row, unsigned column, const CellStyle& style, const QString& text) {
        if (row >= unsigned(maxRows) || column >= unsigned(maxColumns))
            return; // beyond what a sheet holds
        if (++m_cellWrites > maxCells)
            throw SheetError(QStringLiteral("Die Arbeitsmappe hat mehr als %1 Zellen.").arg(maxCells));
        const CellPos pos{int(row) + 1, int(column) + 1};
        sheet.setText(pos, text);
        sheet.setStyle(pos, style);
    }

    void setNumber(Sheet& sheet, unsigned row, unsigned column, const CellFormat& format, double value) {
        setCell(sheet, row, column, *format.style, numberText(value, format.shape, m_epoch1904));
    }

    void handleSheet(std::uint16_t id, FieldReader& fields, Sheet& sheet) {
        switch (id) {
        case Blank:
        case Biff2Blank: {
            const unsigned row = fields.u16();
            const unsigned column = fields.u16();
            setCell(sheet, row, column, *cellFormat(fields).style, {});
            break;
        }
        case MulBlank: {
            const unsigned row = fields.u16();
            const unsigned first = fields.u16();
            for (unsigned column = first; fields.remaining() >= 4; ++column)
                setCell(sheet, row, column, *xfFormat(fields.u16()).style, {});
            break;
        }
        case Number:
        case Biff2Number:
        case Biff2Integer: {
            const unsigned row = fields.u16();
            const unsigned column = fields.u16();
            const CellFormat format = cellFormat(fields);
            setNumber(sheet, row, column, format, id == Biff2Integer ? fields.u16() : fields.f64());
            break;
        }
        case Rk: {
            const unsigned row = fields.u16();
            const unsigned column = fields.u16();
            const CellFormat format = cellFormat(fields);
            setNumber(sheet, row, column, format, rkValue(fields.u32()));
            break;
        }
        case MulRk: {
            const unsigned row = fields.u16();
            const unsigned first = fields.u16();
            for (unsigned column = first; fields.remaining() >= 8; ++column) {
                const CellFormat format = xfFormat(fields.u16());
                setNumber(sheet, row, column, format, rkValue(fields.u32()));
            }
            break;
        }
        case Label:
        case RString:
        case Biff2Label: {
            const unsigned row = fields.u16();
            const unsigned column = fields.u16();
            const CellFormat format = cellFormat(fields);
            setCell(sheet, row, column, *format.style,
                    id == Biff2Label ? byteText8(fields) : labelText(fields));
            break;
        }
        case LabelSst: {
            const unsigned row = fields.u16();
            const unsigned column = fields.u16();
            const CellFormat format = cellFormat(fields);
            const std::uint32_t index = fields.u32();
            if (index >= m_sst.size())
                damaged(QStringLiteral("Text %1 fehlt in der Texttabelle").arg(index));
            setCell(sheet, row, column, *format.style, m_sst[index]);
            break;
        }
        case BoolErr:
        case Biff2BoolErr: {
            const unsigned row = fields.u16();
            const unsigned column = fields.u16();
            const CellFormat format = cellFormat(fields);
            const std::uint8_t value = fields.u8();
            setCell(sheet, row, column, *format.style, booleanOrErrorText(value, fields.u8() != 0));
            break;
        }
        case Formula:
        case Biff3Formula:
        case Biff4Formula:
            readFormula(fields, sheet);
            break;
        case String:
        case Biff2String:
            if (m_pendingFormula) {
                const auto [row, column, style] = *m_pendingFormula;
                m_pendingFormula.reset();
                setCell(sheet, row, column, *style,
                        id == Biff2String ? byteText8(fields) : labelText(fields));
            }
            break;
        case Row:
        case Biff2Row:
            readRow(id, fields, sheet);
            break;
        case ColInfo:
        case Biff2ColWidth:
            readColumns(id, fields, sheet);
            break;
        case DefColWidth:
            if (!m_standardWidthSeen)
                // Spreadsheet programs round the default width up to a multiple of 8 pixels.
                sheet.setDefaultColumnWidth(std::ceil(widthPixels(fields.u16()) / 8.0) * 8.0);
            break;
        case StandardWidth:
            m_standardWidthSeen = true;
            sheet.setDefaultColumnWidth(widthPixels(fields.u16() / 256.0));
            break;
        case DefaultRowHeight:
            fields.u16();
            sheet.setDefaultRowHeight(twipsToPixels(fields.u16()));
            break;
        case Biff2DefaultRowHeight:
            sheet.setDefaultRowHeight(twipsToPixels(fields.u16() & 0x7FFF));
            break;
        case MergedCells:
            readMerges(fields, sheet);
            break;
        default:
            break;
        }
    }

    // A formula shows its last result; a text result follows in a STRING record.
    void readFormula(FieldReader& fields, Sheet& sheet) {
        const unsigned row = fields.u16();
        const unsigned column = fields.u16();
        const CellFormat format = cellFormat(fields);
        const QByteArray result = fields.bytes(8);
        const auto byte = [&result](int i) {
            return std::uint8_t(result[i]);
        };
        if (byte(6) != 0xFF || byte(7) != 0xFF) {
            setNumber(sheet, row, column, format, qFromLittleEndian<double>(result.constData()));
            return;
        }
        switch (byte(0)) {
        case 0:
            m_pendingFormula = PendingFormula{row, column, format.style};
            break;
        case 1:
        case 2:
            setCell(sheet, row, column, *format.style, booleanOrErrorText(byte(2), byte(0) == 2));
            break;
        default:
            setCell(sheet, row, column, *format.style, {});
            break;
        }
    }

    void readRow(std::uint16_t id, FieldReader& fields, Sheet& sheet) {
        if (++m_rowRecords > std::size_t(maxRows))
            damaged(QStringLiteral("mehr als %1 Zeilenangaben in einer Tabelle").arg(maxRows));
        const int row = fields.u16() + 1;
        fields.u16();
        fields.u16();
        const std::uint16_t height = fields.u16();
        if (id == Biff2Row) {
            if (!(height & 0x8000))
                sheet.setRowHeight(row, twipsToPixels(height & 0x7FFF));
            return;
        }
        fields.u16();
        fields.u16();
        const std::uint16_t options = fields.u16();
        if (options & 0x0040)
            sheet.setRowHeight(row, twipsToPixels(height & 0x7FFF));
        if (options & 0x0020)
            sheet.setRowHidden(row, true);
    }

    void readColumns(std::uint16_t id, FieldReader& fields, Sheet& sheet) {
        if (++m_columnRecords > std::size_t(maxColumns))
            damaged(QStringLiteral("mehr als %1 Spaltenangaben in einer Tabelle").arg(maxColumns));
        const int first = id == ColInfo ? fields.u16() : fields.u8();
        const int last = std::min(id == ColInfo ? fields.u16() : fields.u8(), maxColumns - 1);
        const double width = widthPixels(fields.u16() / 256.0);
        bool hidden = false;
        if (id == ColInfo) {
            fields.u16();
            hidden = fields.u16() & 0x0001;
        }
        for (int column = first; column <= last; ++column) {
            sheet.setColumnWidth(column + 1, width);
            if (hidden)
                sheet.setColumnHidden(column + 1, true);
        }
    }

    void readMerges(FieldReader& fields, Sheet& sheet) {
        const int count = fields.u16();
        if (count > fields.remaining() / 8)
            damaged(QStringLiteral("die verbundenen Bereiche sind unvollständig"));
        for (int i = 0; i < count; ++i) {
            CellRange range;
            range.top = fields.u16() + 1;
            range.bottom = fields.u16() + 1;
            range.left = fields.u16() + 1;
            range.right = fields.u16() + 1;
            if (range.bottom < range.top || range.right < range.left || range.right > maxColumns)
                damaged(QStringLiteral("ungültiger verbundener Bereich"));
            if (sheet.merges().size() >= maxMerges)
                throw SheetError(
                    QStringLiteral("Die Tabelle hat mehr als %1 verbundene Bereiche.").arg(maxMerges));
            sheet.merge(range);
        }
    }

    struct PendingFormula {
        unsigned row;
        unsigned column;
        const CellStyle* style;
    };

    QByteArrayView m_stream;
    Workbook m_workbook;
    Generation m_generation = Generation::Biff8;
    int m_codepage = 1252;
    bool m_epoch1904 = false;
    std::vector<FontEntry> m_fonts;
    std::map<int, NumberFormatShape> m_formats;
    int m_listedFormats = 0;
    std::vector<XfEntry> m_xfs;
    std::array<QRgb, paletteSize> m_palette = defaultPalette;
    std::vector<SheetEntry> m_boundSheets;
    std::vector<QString> m_sst;
    std::vector<CellStyle> m_styles;
    const CellStyle m_standardStyle;
    std::size_t m_cellWrites = 0;
    std::size_t m_rowRecords = 0;
    std::size_t m_columnRecords = 0;
    bool m_standardWidthSeen = false;
    std::optional<PendingFormula> m_pendingFormula;
};

} // namespace

Workbook readBiffStream(QByteArrayView stream, int& code) {
    try {
        return BiffReader(stream).read(code);
    } catch (const StreamDamage& damage) {
        throw SheetError(QStringLiteral("Die Excel-Arbeitsmappe ist beschädigt: %1.").arg(damage.reason));
    }
}

bool startsLikeBiffStream(QByteArrayView bytes) {
    if (bytes.size() < 8)
        return false;
    const std::uint16_t id = qFromLittleEndian<quint16>(bytes.data());
    const std::uint16_t size = qFromLittleEndian<quint16>(bytes.data() + 2);
    return isBof(id) && size >= 4 && size <= 20;
}

} // namespace velmora::sheet
