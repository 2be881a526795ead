#pragma once

#include <cstdint>
#include <QByteArray>
#include <QString>

namespace velmora::sheet::biff {

/// Record identifiers used by the writer and the number-format scan.
enum RecordId : std::uint16_t {
    Eof = 0x000A,
    Format = 0x041E,
    Codepage = 0x0042,
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
    Number = 0x0203,
    Rk = 0x027E,
    MulRk = 0x00BD,
    Formula = 0x0006,
    Blank = 0x0201,
    Row = 0x0208,
    ColInfo = 0x007D,
    DefColWidth = 0x0055,
    DefaultRowHeight = 0x0225,
    Dimensions = 0x0200,
    Window2 = 0x023E,
    MergedCells = 0x00E5,
    Bof = 0x0809,
};

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
