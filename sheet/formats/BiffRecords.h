#pragma once

#include <array>
#include <cstdint>
#include <QByteArray>
#include <QColor>
#include <QString>

namespace velmora::sheet::biff {

/// Record identifiers of BIFF5 and BIFF8, most of them also of BIFF3 and BIFF4.
enum RecordId : std::uint16_t {
    Eof = 0x000A,
    Format = 0x041E,
    Codepage = 0x0042,
    DateMode = 0x0022,
    Window1 = 0x003D,
    Continue = 0x003C,
    Font = 0x0031,
    Xf = 0x00E0,
    Style = 0x0293,
    Palette = 0x0092,
    BoundSheet = 0x0085,
    Sst = 0x00FC,
    LabelSst = 0x00FD,
    Label = 0x0204,
    RString = 0x00D6,
    Number = 0x0203,
    Rk = 0x027E,
    MulRk = 0x00BD,
    Formula = 0x0006,
    String = 0x0207,
    BoolErr = 0x0205,
    Blank = 0x0201,
    MulBlank = 0x00BE,
    Row = 0x0208,
    ColInfo = 0x007D,
    DefColWidth = 0x0055,
    StandardWidth = 0x0099,
    DefaultRowHeight = 0x0225,
    Dimensions = 0x0200,
    Window2 = 0x023E,
    MergedCells = 0x00E5,
    Bof = 0x0809,
};

/// Record identifiers that differ in the older generations.
enum OldRecordId : std::uint16_t {
    Biff2Blank = 0x0001,
    Biff2Integer = 0x0002,
    Biff2Number = 0x0003,
    Biff2Label = 0x0004,
    Biff2BoolErr = 0x0005,
    Biff2String = 0x0007,
    Biff2Row = 0x0008,
    Biff2Bof = 0x0009,
    Biff2ColWidth = 0x0024,
    Biff2DefaultRowHeight = 0x0025,
    Biff2Xf = 0x0043,
    Biff23Format = 0x001E,
    Biff3Bof = 0x0209,
    Biff34Font = 0x0231,
    Biff3Formula = 0x0206,
    Biff3Xf = 0x0243,
    Biff4Bof = 0x0409,
    Biff4Formula = 0x0406,
    Biff4Xf = 0x0443,
};

/// Colour indexes 0 to 7 are fixed; 8 to 63 name the palette, which a workbook may change.
inline constexpr int firstPaletteIndex = 8;
inline constexpr int paletteSize = 56;

/// The colours of the default palette, indexes 8 to 63.
inline constexpr std::array<QRgb, paletteSize> defaultPalette{
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000, 0x008000,
    0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080, 0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF,
    0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF, 0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000,
    0x008080, 0x0000FF, 0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696, 0x003366, 0x339966,
    0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333};

/// Little-endian field writer for the body of one record.
class Bytes {
public:
    Bytes& u8(std::uint8_t value);
    Bytes& u16(std::uint16_t value);
    Bytes& u32(std::uint32_t value);
    Bytes& f64(double value);
    Bytes& raw(const QByteArray& bytes);
    /// Characters as UTF-16LE.
    Bytes& utf16(const QString& text);

    const QByteArray& data() const { return m_data; }
    qsizetype size() const { return m_data.size(); }

private:
    QByteArray m_data;
};

/// A BIFF stream: records of a 16-bit id, a 16-bit size and their body. Bodies above the size limit
/// of the generation continue in CONTINUE records.
class Stream {
public:
    explicit Stream(qsizetype maxBody) : m_maxBody(maxBody) {}

    void add(std::uint16_t id, const QByteArray& body);
    void add(std::uint16_t id, const Bytes& body) { add(id, body.data()); }
    /// Appends another stream's bytes as they are.
    void append(const QByteArray& records) { m_data += records; }

    QByteArray& data() { return m_data; }
    const QByteArray& data() const { return m_data; }

private:
    qsizetype m_maxBody;
    QByteArray m_data;
};

} // namespace velmora::sheet::biff
