#pragma once

#include <cstdint>
#include <QByteArray>
#include <QString>
#include <stdexcept>

namespace velmora {

/// A data file that cannot be read as the record it should hold.
class FileError : public std::runtime_error {
public:
    explicit FileError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

/// Texts in records: one length byte, then at most 80 characters in code page 1252; 81 bytes in all.
inline constexpr int shortTextLength = 80;
inline constexpr int shortTextSize = shortTextLength + 1;

/// Reads little-endian fields of a fixed-size record. Every read checks that the field lies inside
/// the record and throws FileError otherwise.
class RecordReader {
public:
    explicit RecordReader(QByteArrayView record) : m_record(record) {}

    double readDouble(qsizetype offset) const;
    std::uint16_t readUInt16(qsizetype offset) const;
    /// A length byte above size - 1 is damage; the text is then read as size - 1 characters.
    QString readText(qsizetype offset, qsizetype size = shortTextSize) const;
    QByteArrayView bytes(qsizetype offset, qsizetype size) const { return field(offset, size); }

private:
    QByteArrayView field(qsizetype offset, qsizetype size) const;

    QByteArrayView m_record;
};

/// Record types list their fields once, in a static member template that both of these walk:
///
///     template <class Fields, class Self> static void fields(Fields& f, Self& r) {
///         f.text(r.name); f.fill(3); f.real(r.pH); f.uint16(r.method); ...
///     }
///
/// Each field follows the one before it; `fill` names the gaps. Doubles must start at multiples of 8.

/// Writes a record's fields little-endian from offset 0; fill bytes are zero.
class RecordEncoder {
public:
    explicit RecordEncoder(qsizetype size) : m_record(size, '\0') {}

    void real(double value);
    /// A value written for other programs and skipped when reading (mass concentrations).
    void computed(double value) { real(value); }
    void int8(int value) { integer(value, 1); }
    void uint8(int value) { integer(value, 1); }
    void int16(int value) { integer(value, 2); }
    void uint16(int value) { integer(value, 2); }
    void int32(std::int32_t value) { integer(value, 4); }
    /// A length byte and at most size - 1 characters in code page 1252; longer texts are cut.
    void text(const QString& text, qsizetype size = shortTextSize);
    void fill(qsizetype bytes);

    /// The record; throws std::logic_error unless the fields filled it exactly.
    QByteArray record() const;

private:
    void integer(std::int64_t value, qsizetype bytes);
    char* next(qsizetype size);

    QByteArray m_record;
    qsizetype m_offset = 0;
};

/// Reads a record's fields in the order they were written; throws FileError when one lies outside.
class RecordDecoder {
public:
    explicit RecordDecoder(QByteArrayView record) : m_reader(record) {}

    void real(double& value);
    void computed(double) { skip(8); }
    template <class Int>
    void int8(Int& value) {
        value = Int(std::int8_t(readUnsigned(1)));
    }
    template <class Int>
    void uint8(Int& value) {
        value = Int(readUnsigned(1));
    }
    template <class Int>
    void int16(Int& value) {
        value = Int(std::int16_t(readUnsigned(2)));
    }
    template <class Int>
    void uint16(Int& value) {
        value = Int(readUnsigned(2));
    }
    template <class Int>
    void int32(Int& value) {
        value = Int(std::int32_t(readUnsigned(4)));
    }
    /// A length byte above size - 1 is damage; the text is then read as size - 1 characters.
    void text(QString& text, qsizetype size = shortTextSize);
    void fill(qsizetype bytes) { skip(bytes); }

private:
    std::uint32_t readUnsigned(qsizetype bytes);
    void skip(qsizetype bytes);

    RecordReader m_reader;
    qsizetype m_offset = 0;
};

/// The bytes of a record type's fields; `size` is the record size its file format fixes.
template <class Record>
QByteArray encodeRecord(const Record& record, qsizetype size) {
    RecordEncoder encoder(size);
    Record::fields(encoder, record);
    return encoder.record();
}

/// A record read from the first `size` bytes; throws FileError when there are fewer.
template <class Record>
Record decodeRecord(QByteArrayView bytes, qsizetype size) {
    if (bytes.size() < size)
        throw FileError(QStringLiteral("Die Datei ist kürzer als ein Datensatz (%1 von %2 Bytes).")
                            .arg(bytes.size())
                            .arg(size));
    RecordDecoder decoder(bytes.first(size));
    Record record;
    Record::fields(decoder, record);
    return record;
}

} // namespace velmora
