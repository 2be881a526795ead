#include "sheet/formats/BiffRecords.h"

#include <bit>
#include <QtEndian>

namespace velmora::sheet::biff {

Bytes& Bytes::u8(std::uint8_t value) {
    m_data.append(char(value));
    return *this;
}

Bytes& Bytes::u16(std::uint16_t value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    m_data.append(bytes, 2);
    return *this;
}

Bytes& Bytes::u32(std::uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    m_data.append(bytes, 4);
    return *this;
}

Bytes& Bytes::f64(double value) {
    char bytes[8];
    qToLittleEndian(std::bit_cast<std::uint64_t>(value), bytes);
    m_data.append(bytes, 8);
    return *this;
}

Bytes& Bytes::raw(const QByteArray& bytes) {
    m_data.append(bytes);
    return *this;
}

Bytes& Bytes::utf16(const QString& text) {
    for (QChar c : text)
        u16(c.unicode());
    return *this;
}

void Stream::add(std::uint16_t id, const QByteArray& body) {
    qsizetype offset = 0;
    do {
        const qsizetype chunk = std::min(m_maxBody, body.size() - offset);
        Bytes header;
        header.u16(offset == 0 ? id : std::uint16_t(Continue)).u16(std::uint16_t(chunk));
        m_data += header.data();
        m_data += body.mid(offset, chunk);
        offset += chunk;
    } while (offset < body.size());
}

} // namespace velmora::sheet::biff
