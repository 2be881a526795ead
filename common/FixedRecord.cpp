#include "common/FixedRecord.h"

#include "common/TextCodec.h"

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

std::int32_t RecordReader::readInt32(qsizetype offset) const {
    return qFromLittleEndian<qint32>(field(offset, 4).data());
}

QString RecordReader::readText(qsizetype offset) const {
    const QByteArrayView text = field(offset, shortTextSize);
    const int length = std::min<int>(static_cast<unsigned char>(text[0]), shortTextLength);
    return fromCp1252(text.sliced(1, length));
}

char* RecordWriter::field(qsizetype offset, qsizetype size) {
    if (offset < 0 || size < 0 || offset > m_record.size() - size)
        throw std::out_of_range("record field outside the record");
    return m_record.data() + offset;
}

void RecordWriter::writeDouble(qsizetype offset, double value) {
    qToLittleEndian<quint64>(std::bit_cast<quint64>(value), field(offset, 8));
}

void RecordWriter::writeUInt16(qsizetype offset, std::uint16_t value) {
    qToLittleEndian<quint16>(value, field(offset, 2));
}

void RecordWriter::writeInt32(qsizetype offset, std::int32_t value) {
    qToLittleEndian<qint32>(value, field(offset, 4));
}

void RecordWriter::writeText(qsizetype offset, const QString& text) {
    const QByteArray bytes = toCp1252(text).left(shortTextLength);
    char* target = field(offset, shortTextSize);
    std::memset(target, 0, shortTextSize);
    target[0] = static_cast<char>(bytes.size());
    std::memcpy(target + 1, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace velmora
