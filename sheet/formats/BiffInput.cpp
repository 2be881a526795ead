#include "sheet/formats/BiffInput.h"

#include "sheet/formats/BiffRecords.h"

#include <bit>
#include <QtEndian>

namespace velmora::sheet::biff {

RecordInput::RecordInput(QByteArrayView stream, qsizetype from, qsizetype end)
    : m_stream(stream), m_at(from), m_end(std::min(end, stream.size())) {}

bool RecordInput::next(Record& record) {
    if (m_at + 4 > m_end)
        return false;
    const auto header = [this](qsizetype at, std::uint16_t& id) {
        id = qFromLittleEndian<quint16>(m_stream.data() + at);
        const qsizetype size = qFromLittleEndian<quint16>(m_stream.data() + at + 2);
        if (at + 4 + size > m_end)
            throw StreamDamage{QStringLiteral("Datensatz bei Byte %1 reicht über das Ende hinaus").arg(at)};
        return size;
    };
    record.offset = m_at;
    record.parts.clear();
    const qsizetype size = header(m_at, record.id);
    record.parts.push_back(m_stream.sliced(m_at + 4, size));
    m_at += 4 + size;
    while (m_at + 4 <= m_end && qFromLittleEndian<quint16>(m_stream.data() + m_at) == Continue) {
        std::uint16_t id = 0;
        const qsizetype part = header(m_at, id);
        record.parts.push_back(m_stream.sliced(m_at + 4, part));
        m_at += 4 + part;
    }
    return true;
}

FieldReader::FieldReader(const Record& record) : m_record(record) {
    for (QByteArrayView part : record.parts)
        m_left += part.size();
}

void FieldReader::damaged() const {
    throw StreamDamage{QStringLiteral("Datensatz 0x%1 bei Byte %2 ist zu kurz")
                           .arg(m_record.id, 4, 16, QLatin1Char('0'))
                           .arg(m_record.offset)};
}

bool FieldReader::atPartEnd() const {
    return m_part < m_record.parts.size() && m_at == m_record.parts[m_part].size();
}

// Parts are entered only when a byte is read from them, so that a text knows where its part ended.
void FieldReader::enterData() {
    while (atPartEnd()) {
        ++m_part;
        m_at = 0;
    }
    if (m_part >= m_record.parts.size())
        damaged();
}

std::uint8_t FieldReader::u8() {
    enterData();
    --m_left;
    return std::uint8_t(m_record.parts[m_part][m_at++]);
}

std::uint16_t FieldReader::u16() {
    const std::uint16_t low = u8();
    return std::uint16_t(low | u8() << 8);
}

std::uint32_t FieldReader::u32() {
    const std::uint32_t low = u16();
    return low | std::uint32_t(u16()) << 16;
}

double FieldReader::f64() {
    const std::uint64_t low = u32();
    return std::bit_cast<double>(low | std::uint64_t(u32()) << 32);
}

void FieldReader::skip(qsizetype count) {
    if (count < 0 || count > m_left)
        damaged();
    while (count > 0) {
        enterData();
        const qsizetype step = std::min(count, m_record.parts[m_part].size() - m_at);
        m_at += step;
        m_left -= step;
        count -= step;
    }
}

QByteArray FieldReader::bytes(qsizetype count) {
    if (count < 0 || count > m_left)
        damaged();
    QByteArray out;
    out.reserve(count);
    while (out.size() < count) {
        enterData();
        const qsizetype step = std::min(count - out.size(), m_record.parts[m_part].size() - m_at);
        out.append(m_record.parts[m_part].sliced(m_at, step));
        m_at += step;
        m_left -= step;
    }
    return out;
}

QString FieldReader::unicodeText16() {
    return unicodeText(u16());
}

QString FieldReader::unicodeText8() {
    return unicodeText(u8());
}

QString FieldReader::unicodeText(qsizetype count) {
    const std::uint8_t flags = u8();
    bool wide = flags & 0x01;
    const qsizetype runs = (flags & 0x08) ? u16() : 0;
    const qsizetype phonetic = (flags & 0x04) ? qsizetype(u32()) : 0;
    // Each character takes at least one byte; a count beyond what is left is damage, not a reservation.
    if (count > m_left)
        damaged();
    QString text;
    text.reserve(count);
    while (text.size() < count) {
        // Characters that go on in a continuation restate there whether they are 8 or 16 bits wide.
        if (atPartEnd())
            wide = u8() & 0x01;
        text.append(QChar(wide ? u16() : u8()));
    }
    skip(runs * 4);
    skip(phonetic);
    return text;
}

} // namespace velmora::sheet::biff
