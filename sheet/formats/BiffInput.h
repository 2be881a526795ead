#pragma once

#include <cstdint>
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace velmora::sheet::biff {

/// Damage found in a BIFF stream: a record too short for its fields, a length or index outside it.
struct StreamDamage {
    QString reason;
};

/// One record with the bodies of the CONTINUE records that follow it.
struct Record {
    std::uint16_t id = 0;
    qsizetype offset = 0; ///< of its header in the stream
    std::vector<QByteArrayView> parts;
};

/// The records of a stream one after the other, from a position up to an end.
class RecordInput {
public:
    RecordInput(QByteArrayView stream, qsizetype from, qsizetype end);

    /// The next record; false at the end. A body that runs past the end is damage.
    bool next(Record& record);

private:
    QByteArrayView m_stream;
    qsizetype m_at;
    qsizetype m_end;
};

/// Reads the fields of one record, on through its continuations. Every read is checked against what
/// is left; reading past it throws StreamDamage.
class FieldReader {
public:
    explicit FieldReader(const Record& record);

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    double f64();
    void skip(qsizetype count);
    /// Bytes left in the current part and all that follow.
    qsizetype remaining() const { return m_left; }

    /// `count` bytes, which may cross into a continuation.
    QByteArray bytes(qsizetype count);
    /// A BIFF8 text: a 16-bit (or 8-bit) character count, option flags, the characters (8-bit ones are
    /// Latin-1) and rich-text or phonetic data after them, skipped. A continuation inside the
    /// characters starts with a flags byte of its own.
    QString unicodeText16();
    QString unicodeText8();

private:
    QString unicodeText(qsizetype count);
    [[noreturn]] void damaged() const;
    bool atPartEnd() const;
    void enterData();

    const Record& m_record;
    std::size_t m_part = 0;
    qsizetype m_at = 0;
    qsizetype m_left = 0;
};

} // namespace velmora::sheet::biff
