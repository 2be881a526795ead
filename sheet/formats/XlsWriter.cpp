#include "sheet/formats/XlsWriter.h"

#include "common/TextCodec.h"
#include "sheet/formats/BiffRecords.h"
#include "sheet/formats/PlainNumber.h"
#include "sheet/model/SheetError.h"

#include <array>
#include <cmath>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>
#include <map>
#include <optional>
#include <QtEndian>
#include <tuple>

namespace velmora::sheet {

namespace {

using namespace biff;

constexpr int styleXfCount = 15;       // XFs 0 to 14 are style XFs
constexpr int defaultCellXf = 15;      // the cell XF of cells without one of their own
constexpr int firstCustomFormat = 164; // indexes below are built-in formats

struct FontKey {
    QString family;
    double size;
    bool bold, italic, underline;
    QRgb colour;
    bool operator<(const FontKey& other) const {
        return std::tie(family, size, bold, italic, underline, colour) <
               std::tie(other.family, other.size, other.bold, other.italic, other.underline, other.colour);
    }
};

struct XfKey {
    int font;
    int format;
    HorizontalAlignment horizontal;
    VerticalAlignment vertical;
    bool wrap;
    int fill;                                   // palette index, or -1
    std::array<std::pair<int, int>, 4> borders; // left, top, right, bottom: line style, palette index
    bool locked;
    bool formulaHidden;
    auto operator<=>(const XfKey&) const = default;
};

int lineStyle(Border::Line line) {
    switch (line) {
    case Border::Line::None:
        return 0;
    case Border::Line::Thin:
        return 1;
    case Border::Line::Medium:
        return 2;
    case Border::Line::Dashed:
        return 3;
    case Border::Line::Dotted:
        return 4;
    case Border::Line::Thick:
        return 5;
    case Border::Line::Double:
        return 6;
    }
    return 0;
}

int horizontalCode(HorizontalAlignment alignment) {
    switch (alignment) {
    case HorizontalAlignment::General:
        return 0;
    case HorizontalAlignment::Left:
        return 1;
    case HorizontalAlignment::Centre:
        return 2;
    case HorizontalAlignment::Right:
        return 3;
    case HorizontalAlignment::CentreAcrossSelection:
        return 6;
    }
    return 0;
}

// Row heights in twips; a pixel at 96 dpi is 15 twips.
std::uint16_t twips(double pixels) {
    return std::uint16_t(std::clamp(std::round(pixels * 15.0), 0.0, 8191.0));
}

int verticalCode(VerticalAlignment alignment) {
    return alignment == VerticalAlignment::Top ? 0 : alignment == VerticalAlignment::Centre ? 1 : 2;
}

class BiffWriter {
public:
    BiffWriter(const Workbook& book, BiffVersion version)
        : m_book(book), m_biff8(version == BiffVersion::Biff8), m_maxRows(m_biff8 ? 65536 : 16384) {}

    QByteArray write() {
        for (const Sheet& sheet : m_book.sheets())
            m_cellXfs.push_back(collectSheet(sheet));
        std::vector<QByteArray> sheetStreams;
        for (std::size_t i = 0; i < m_book.sheets().size(); ++i)
            sheetStreams.push_back(writeSheet(m_book.sheets()[i], m_cellXfs[i]));

        std::vector<qsizetype> positionFields;
        Stream globals = writeGlobals(positionFields);
        qsizetype position = globals.data().size();
        for (std::size_t i = 0; i < sheetStreams.size(); ++i) {
            qToLittleEndian(std::uint32_t(position), globals.data().data() + positionFields[i]);
            position += sheetStreams[i].size();
        }
        QByteArray stream = globals.data();
        for (const QByteArray& sheetStream : sheetStreams)
            stream += sheetStream;
        return stream;
    }

private:
    qsizetype maxBody() const { return m_biff8 ? 8224 : 2080; }

    int paletteIndex(const QColor& colour) {
        const QRgb rgb = colour.rgb() & 0xFFFFFF;
        for (std::size_t i = 0; i < m_palette.size(); ++i)
            if (m_palette[i] == rgb)
                return firstPaletteIndex + int(i);
        // Replace entries from the end of the palette, keeping the basic colours at its start.
        if (m_nextCustomColour >= 8) {
            m_palette[std::size_t(m_nextCustomColour)] = rgb;
            return firstPaletteIndex + m_nextCustomColour--;
        }
        return firstPaletteIndex; // palette full: black
    }

    int fontIndex(const CellStyle& style) {
        const FontKey key{style.fontFamily, style.fontSize,  style.bold,
                          style.italic,     style.underline, style.textColour.rgb() & 0xFFFFFF};
        const auto [it, inserted] = m_fonts.try_emplace(key, int(m_fonts.size()));
        if (inserted)
            m_fontOrder.push_back(key);
        return it->second + 5; // font index 4 does not exist; our fonts follow the four defaults
    }

    int formatIndex(const QString& format) {
        if (format.isEmpty())
            return 0;
        const auto [it, inserted] = m_formats.try_emplace(format, firstCustomFormat + int(m_formats.size()));
        return it->second;
    }

    int xfIndex(const CellStyle& style, const QString& numberFormat) {
        XfKey key{fontIndex(style),
                  formatIndex(numberFormat),
                  style.horizontal,
                  style.vertical,
                  style.wrap,
                  style.fillColour.isValid() ? paletteIndex(style.fillColour) : -1,
                  {},
                  style.locked,
                  style.formulaHidden};
        const Border* borders[] = {&style.left, &style.top, &style.right, &style.bottom};
        for (int i = 0; i < 4; ++i)
            key.borders[std::size_t(i)] = {
                lineStyle(borders[i]->line),
                borders[i]->line == Border::Line::None ? 0 : paletteIndex(borders[i]->colour)};
        const auto [it, inserted] = m_xfs.try_emplace(key, styleXfCount + 1 + int(m_xfs.size()));
        if (inserted)
            m_xfOrder.push_back(key);
        return it->second;
    }

    // The XF of every cell of a sheet, with the formats its numbers need.
    std::map<CellPos, int> collectSheet(const Sheet& sheet) {
        std::map<CellPos, int> xfs;
        for (const auto& [pos, cell] : sheet.cells()) {
            if (pos.row > m_maxRows || pos.column > maxColumns)
                continue;
            const std::optional<PlainNumber> number = plainNumber(cell.text);
            xfs[pos] = xfIndex(cell.style, number ? decimalFormat(number->decimals) : QString());
            if (!number && !cell.text.isEmpty() && m_biff8)
                sstIndex(cell.text);
        }
        return xfs;
    }

    std::uint32_t sstIndex(const QString& text) {
        const auto [it, inserted] = m_sstIndexes.try_emplace(text, std::uint32_t(m_sst.size()));
        if (inserted)
            m_sst.push_back(text);
        ++m_sstTotal;
        return it->second;
    }

    QByteArray byteString(const QString& text, int maxLength) const { return toCp1252(text).left(maxLength); }

    // A short text with an 8-bit length: BIFF8 writes it as UTF-16, BIFF5 in code page 1252.
    void shortString(Bytes& out, const QString& text) const {
        if (m_biff8) {
            const QString cut = text.left(255);
            out.u8(std::uint8_t(cut.size())).u8(1).utf16(cut);
        } else {
            const QByteArray bytes = byteString(text, 255);
            out.u8(std::uint8_t(bytes.size())).raw(bytes);
        }
    }

    Bytes bof(std::uint16_t type) const {
        Bytes body;
        if (m_biff8)
            body.u16(0x0600).u16(type).u16(0x0DBB).u16(0x07CC).u32(0).u32(0x0006);
        else
            body.u16(0x0500).u16(type).u16(0x0DBB).u16(0x07CC);
        return body;
    }

    void writeFont(Stream& out, const FontKey& font) {
        Bytes body;
        body.u16(std::uint16_t(std::lround(font.size * 20.0)))
            .u16(font.italic ? 0x0002 : 0x0000)
            .u16(font.colour == 0 ? 0x7FFF : std::uint16_t(paletteIndex(QColor(font.colour))))
            .u16(font.bold ? 700 : 400)
            .u16(0)
            .u8(font.underline ? 1 : 0)
            .u8(0)
            .u8(0)
            .u8(0);
        shortString(body, font.family);
        out.add(Font, body);
    }

    void writeXf(Stream& out, int font, int format, bool isStyle, const XfKey* cell) {
        // A style XF with parent 0xFFF, or a cell XF, locked and its formula hidden as the cell says.
        const std::uint16_t type = isStyle ? 0xFFF5
                                           : std::uint16_t((!cell || cell->locked ? 0x01 : 0) |
                                                           (cell && cell->formulaHidden ? 0x02 : 0));
        std::uint8_t alignment = 0x20; // bottom
        std::uint32_t lines = 0;
        std::uint32_t moreLines = 0;
        int fill = -1;
        if (cell) {
            alignment = std::uint8_t(horizontalCode(cell->horizontal) | (cell->wrap ? 0x08 : 0) |
                                     (verticalCode(cell->vertical) << 4));
            fill = cell->fill;
        }
        const auto border = [cell](int side) {
            return cell ? cell->borders[std::size_t(side)] : std::pair{0, 0};
        };
        const auto [leftStyle, leftColour] = border(0);
        const auto [topStyle, topColour] = border(1);
        const auto [rightStyle, rightColour] = border(2);
        const auto [bottomStyle, bottomColour] = border(3);
        const std::uint8_t usedAttributes = isStyle ? 0x00 : 0xFC;
        const int pattern = fill >= 0 ? 1 : 0;
        const int foreground = fill >= 0 ? fill : 64;
        Bytes body;
        body.u16(std::uint16_t(font)).u16(std::uint16_t(format)).u16(type);
        if (m_biff8) {
            lines = std::uint32_t(leftStyle) | std::uint32_t(rightStyle) << 4 | std::uint32_t(topStyle) << 8 |
                    std::uint32_t(bottomStyle) << 12 | std::uint32_t(leftColour) << 16 |
                    std::uint32_t(rightColour) << 23;
            moreLines =
                std::uint32_t(topColour) | std::uint32_t(bottomColour) << 7 | std::uint32_t(pattern) << 26;
            body.u8(alignment).u8(0).u8(0).u8(usedAttributes).u32(lines).u32(moreLines);
            body.u16(std::uint16_t(foreground | 65 << 7));
        } else {
            lines = std::uint32_t(foreground) | std::uint32_t(65) << 7 | std::uint32_t(pattern) << 16 |
                    std::uint32_t(bottomStyle) << 22 | std::uint32_t(bottomColour) << 25;
            moreLines = std::uint32_t(topStyle) | std::uint32_t(leftStyle) << 3 |
                        std::uint32_t(rightStyle) << 6 | std::uint32_t(topColour) << 9 |
                        std::uint32_t(leftColour) << 16 | std::uint32_t(rightColour) << 23;
            body.u8(alignment).u8(usedAttributes).u32(lines).u32(moreLines);
        }
        out.add(Xf, body);
    }

    void writeFormat(Stream& out, int index, const QString& format) const {
        Bytes body;
        body.u16(std::uint16_t(index));
        if (m_biff8) {
            body.u16(std::uint16_t(format.size())).u8(1).utf16(format);
        } else {
            const QByteArray bytes = byteString(format, 255);
            body.u8(std::uint8_t(bytes.size())).raw(bytes);
        }
        out.add(Format, body);
    }

    void writeSst(Stream& out) const {
        // Strings may not be cut inside their 3-byte header; their characters continue after a flags byte.
        std::vector<QByteArray> records;
        Bytes first;
        first.u32(m_sstTotal).u32(std::uint32_t(m_sst.size()));
        QByteArray current = first.data();
        const auto room = [&current, this] {
            return maxBody() - current.size();
        };
        for (const QString& text : m_sst) {
            if (room() < 5) {
                records.push_back(current);
                current.clear();
            }
            Bytes header;
            header.u16(std::uint16_t(text.size())).u8(1);
            current += header.data();
            qsizetype written = 0;
            while (true) {
                const qsizetype chars = std::min<qsizetype>(room() / 2, text.size() - written);
                Bytes part;
                part.utf16(text.mid(written, chars));
                current += part.data();
                written += chars;
                if (written == text.size())
                    break;
                records.push_back(current);
                current = QByteArray(1, char(1));
            }
        }
        records.push_back(current);
        out.add(Sst, records.front());
        for (std::size_t i = 1; i < records.size(); ++i)
            out.add(Continue, records[i]);
    }

    Stream writeGlobals(std::vector<qsizetype>& positionFields) {
        Stream out(maxBody());
        out.add(Bof, bof(0x0005));
        out.add(Codepage, Bytes().u16(m_biff8 ? 1200 : 1252));
        out.add(Window1,
                Bytes().u16(0).u16(0).u16(0x4000).u16(0x2000).u16(0x0038).u16(0).u16(0).u16(1).u16(0x0258));

        // Fonts may add colours to the palette; their records are built before the palette is written.
        Stream fonts(maxBody());
        const FontKey standard{QStringLiteral("Arial"), 10.0, false, false, false, 0};
        for (int i = 0; i < 4; ++i)
            writeFont(fonts, standard);
        for (const FontKey& font : m_fontOrder)
            writeFont(fonts, font);
        out.append(fonts.data());
        for (const auto& [format, index] : m_formats)
            writeFormat(out, index, format);
        for (int i = 0; i < styleXfCount; ++i)
            writeXf(out, 0, 0, true, nullptr);
        writeXf(out, 0, 0, false, nullptr);
        for (const XfKey& key : m_xfOrder)
            writeXf(out, key.font, key.format, false, &key);
        out.add(Style, Bytes().u16(0x8000).u8(0).u8(0xFF));

        Bytes palette;
        palette.u16(paletteSize);
        for (QRgb rgb : m_palette)
            palette.u8(std::uint8_t(qRed(rgb)))
                .u8(std::uint8_t(qGreen(rgb)))
                .u8(std::uint8_t(qBlue(rgb)))
                .u8(0);
        out.add(Palette, palette);

        for (const Sheet& sheet : m_book.sheets()) {
            positionFields.push_back(out.data().size() + 4);
            Bytes body;
            body.u32(0);
            if (m_biff8)
                body.u8(0).u8(0);
            else
                body.u16(0);
            shortString(body, sheet.name().left(31));
            out.add(BoundSheet, body);
        }
        if (m_biff8)
            writeSst(out);
        out.add(Eof, QByteArray());
        return out;
    }

    QByteArray writeSheet(const Sheet& sheet, const std::map<CellPos, int>& xfs) {
        Stream out(maxBody());
        out.add(Bof, bof(0x0010));
        const CellRange used = sheet.usedRange();
        const int lastRow = std::min(used.bottom, m_maxRows);
        const int lastColumn = std::min(used.right, maxColumns);
        Bytes dimensions;
        if (m_biff8)
            dimensions.u32(0).u32(std::uint32_t(lastRow)).u16(0).u16(std::uint16_t(lastColumn)).u16(0);
        else
            dimensions.u16(0).u16(std::uint16_t(lastRow)).u16(0).u16(std::uint16_t(lastColumn)).u16(0);
        out.add(Dimensions, dimensions);

        // Widths in characters: a digit of Arial 10 is 7 pixels wide, and a column has 5 pixels of padding.
        const auto characters = [](double pixels) {
            return std::max(0.0, (pixels - 5.0) / 7.0);
        };
        out.add(DefColWidth, Bytes().u16(std::uint16_t(
                                 std::min(255.0, std::round(characters(sheet.defaultColumnWidth()))))));
        out.add(DefaultRowHeight, Bytes().u16(0).u16(twips(sheet.defaultRowHeight())));
        std::set<int> columns(sheet.hiddenColumns());
        for (const auto& entry : sheet.columnWidths())
            columns.insert(entry.first);
        for (int column : columns) {
            if (column > maxColumns)
                break;
            out.add(ColInfo, Bytes()
                                 .u16(std::uint16_t(column - 1))
                                 .u16(std::uint16_t(column - 1))
                                 .u16(std::uint16_t(std::min(
                                     65535.0, std::round(characters(sheet.columnWidth(column)) * 256.0))))
                                 .u16(defaultCellXf)
                                 .u16(sheet.isColumnHidden(column) ? 1 : 0)
                                 .u16(0));
        }

        std::set<int> rows(sheet.hiddenRows());
        for (const auto& entry : sheet.rowHeights())
            rows.insert(entry.first);
        for (int row : rows) {
            if (row > m_maxRows)
                break;
            const std::uint16_t flags = 0x0100 | (sheet.isRowHidden(row) ? 0x0020 : 0) | 0x0040;
            out.add(Row, Bytes()
                             .u16(std::uint16_t(row - 1))
                             .u16(0)
                             .u16(std::uint16_t(lastColumn))
                             .u16(twips(sheet.rowHeight(row)))
                             .u16(0)
                             .u16(0)
                             .u16(flags)
                             .u16(defaultCellXf));
        }

        for (const auto& [pos, cell] : sheet.cells()) {
            const auto xf = xfs.find(pos);
            if (xf == xfs.end())
                continue;
            Bytes body;
            body.u16(std::uint16_t(pos.row - 1))
                .u16(std::uint16_t(pos.column - 1))
                .u16(std::uint16_t(xf->second));
            if (cell.text.isEmpty()) {
                out.add(Blank, body);
            } else if (const std::optional<PlainNumber> number = plainNumber(cell.text)) {
                out.add(Number, body.f64(number->value));
            } else if (m_biff8) {
                out.add(LabelSst, body.u32(m_sstIndexes.at(cell.text)));
            } else {
                const QByteArray bytes = byteString(cell.text, 255);
                out.add(Label, body.u16(std::uint16_t(bytes.size())).raw(bytes));
            }
        }

        const std::uint16_t window = 0x02B6 | (&sheet == &m_book.sheets().front() ? 0x0400 : 0);
        if (m_biff8)
            out.add(Window2, Bytes().u16(window).u16(0).u16(0).u32(64).u16(0).u16(0).u32(0));
        else
            out.add(Window2, Bytes().u16(window).u16(0).u16(0).u32(0));

        // At most 1026 ranges fit into one record.
        std::vector<CellRange> merges;
        for (const CellRange& merged : sheet.merges())
            if (merged.bottom <= m_maxRows && merged.right <= maxColumns)
                merges.push_back(merged);
        for (std::size_t first = 0; first < merges.size(); first += 1026) {
            const std::size_t count = std::min<std::size_t>(1026, merges.size() - first);
            Bytes body;
            body.u16(std::uint16_t(count));
            for (std::size_t i = first; i < first + count; ++i)
                body.u16(std::uint16_t(merges[i].top - 1))
                    .u16(std::uint16_t(merges[i].bottom - 1))
                    .u16(std::uint16_t(merges[i].left - 1))
                    .u16(std::uint16_t(merges[i].right - 1));
            out.add(MergedCells, body);
        }
        out.add(Eof, QByteArray());
        return out.data();
    }

    const Workbook& m_book;
    bool m_biff8;
    int m_maxRows;
    std::array<QRgb, paletteSize> m_palette = defaultPalette;
    int m_nextCustomColour = paletteSize - 1;
    std::map<FontKey, int> m_fonts;
    std::vector<FontKey> m_fontOrder;
    std::map<QString, int> m_formats;
    std::map<XfKey, int> m_xfs;
    std::vector<XfKey> m_xfOrder;
    std::vector<std::map<CellPos, int>> m_cellXfs;
    std::map<QString, std::uint32_t> m_sstIndexes;
    std::vector<QString> m_sst;
    std::uint32_t m_sstTotal = 0;
};

} // namespace

QByteArray writeBiffStream(const Workbook& workbook, BiffVersion version) {
    return BiffWriter(workbook, version).write();
}

QByteArray writeXls(const Workbook& workbook, BiffVersion version) {
    const QByteArray stream = writeBiffStream(workbook, version);
    gsf_init();
    GsfOutput* memory = gsf_output_memory_new();
    GsfOutfile* compound = gsf_outfile_msole_new(memory);
    GsfOutput* child =
        gsf_outfile_new_child(compound, version == BiffVersion::Biff8 ? "Workbook" : "Book", FALSE);
    const bool written = child && gsf_output_write(child, std::size_t(stream.size()),
                                                   reinterpret_cast<const guint8*>(stream.constData()));
    const bool childClosed = child && gsf_output_close(child);
    if (child)
        g_object_unref(child);
    const bool closed = gsf_output_close(GSF_OUTPUT(compound));
    g_object_unref(compound);
    QByteArray file;
    if (written && childClosed && closed) {
        GsfOutputMemory* bytes = GSF_OUTPUT_MEMORY(memory);
        file = QByteArray(reinterpret_cast<const char*>(gsf_output_memory_get_bytes(bytes)),
                          qsizetype(gsf_output_size(memory)));
    }
    g_object_unref(memory);
    if (file.isEmpty())
        throw SheetError(QStringLiteral("Die Excel-Datei konnte nicht erzeugt werden."));
    return file;
}

} // namespace velmora::sheet
