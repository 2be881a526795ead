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
    std::int32_t readInt32(qsizetype offset) const;
    /// A length byte above 80 is damage; the text is then read as 80 characters.
    QString readText(qsizetype offset) const;

private:
    QByteArrayView field(qsizetype offset, qsizetype size) const;

    QByteArrayView m_record;
};

/// Writes little-endian fields into a record of fixed size; bytes not written stay zero.
class RecordWriter {
public:
    explicit RecordWriter(qsizetype size) : m_record(size, '\0') {}

    void writeDouble(qsizetype offset, double value);
    void writeUInt16(qsizetype offset, std::uint16_t value);
    void writeInt32(qsizetype offset, std::int32_t value);
    /// Texts longer than 80 characters are cut to their first 80.
    void writeText(qsizetype offset, const QString& text);

    const QByteArray& record() const { return m_record; }

private:
    char* field(qsizetype offset, qsizetype size);

    QByteArray m_record;
};

} // namespace velmora
