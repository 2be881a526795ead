#include "common/FixedRecord.h"

#include "common/TextCodec.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <QtEndian>

namespace velmora {

QByteArrayView RecordReader::field(qsizetype offset, qsizetype size) const {
    if (offset < 0 || size < 0 || offset > m_record.size() - size)
        throw FileError(QStringLiteral("Der Datensatz ist zu kurz: %1 Bytes ab Position %2 fehlen.")
                            .arg(size)
                            .arg(offset));
    return m_record.sliced(offset, size);
}

double RecordReader::readDouble(qsizetype offset) const {
    return std::bit_cast<double>(qFromLittleEndian<quint64>(field(offset, 8).data()));
}

std::uint16_t RecordReader::readUInt16(qsizetype offset) const {
    return qFromLittleEndian<quint16>(field(offset, 2).data());
}

QString RecordReader::readText(qsizetype offset, qsizetype size) const {
    const QByteArrayView text = field(offset, size);
    const qsizetype length = std::min<qsizetype>(static_cast<unsigned char>(text[0]), size - 1);
    return fromCp1252(text.sliced(1, length));
}

char* RecordEncoder::next(qsizetype size) {
    if (size < 0 || m_offset > m_record.size() - size)
        throw std::logic_error("record fields run past the record");
    char* field = m_record.data() + m_offset;
    m_offset += size;
    return field;
}

void RecordEncoder::real(double value) {
    if (m_offset % 8 != 0)
        throw std::logic_error("a double of a record must start at a multiple of 8");
    qToLittleEndian<quint64>(std::bit_cast<quint64>(value), next(8));
}

void RecordEncoder::integer(std::int64_t value, qsizetype bytes) {
    char* field = next(bytes);
    for (qsizetype i = 0; i < bytes; ++i)
        field[i] = static_cast<char>((static_cast<std::uint64_t>(value) >> (8 * i)) & 0xff);
}

void RecordEncoder::text(const QString& text, qsizetype size) {
    const QByteArray bytes = toCp1252(text).left(std::min<qsizetype>(size - 1, 255));
    char* field = next(size);
    field[0] = static_cast<char>(bytes.size());
    std::memcpy(field + 1, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void RecordEncoder::fill(qsizetype bytes) {
    next(bytes);
}

QByteArray RecordEncoder::record() const {
    if (m_offset != m_record.size())
        throw std::logic_error("record fields do not fill the record");
    return m_record;
}

void RecordDecoder::real(double& value) {
    value = m_reader.readDouble(m_offset);
    m_offset += 8;
}

std::uint32_t RecordDecoder::readUnsigned(qsizetype bytes) {
    const QByteArrayView field = m_reader.bytes(m_offset, bytes);
    m_offset += bytes;
    std::uint32_t value = 0;
    for (qsizetype i = 0; i < bytes; ++i)
        value |= std::uint32_t(static_cast<unsigned char>(field[i])) << (8 * i);
    return value;
}

void RecordDecoder::text(QString& text, qsizetype size) {
    text = m_reader.readText(m_offset, size);
    m_offset += size;
}

void RecordDecoder::skip(qsizetype bytes) {
    m_reader.bytes(m_offset, bytes);
    m_offset += bytes;
}

} // namespace velmora
