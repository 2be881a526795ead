#include "common/FixedRecord.h"

#include "common/TextCodec.h"

#include <gtest/gtest.h>
#include <limits>

using namespace velmora;

TEST(TextCodec, RoundTripsGermanTextThroughCodePage1252) {
    const QString text = QStringLiteral("Größe: 12,5 °C, 3 µS/cm, 5 € – „Maß“");
    const QByteArray bytes = toCp1252(text);
    EXPECT_EQ(bytes.size(), text.size());
    EXPECT_EQ(bytes.at(2), char(0xF6));
    EXPECT_EQ(fromCp1252(bytes), text);
    EXPECT_EQ(fromCp1252(toCp1252(QStringLiteral("Ω ≤ 😀"))), QStringLiteral("? ? ?"));
}

TEST(FixedRecord, WritesLittleEndianFieldsAtTheirOffsets) {
    RecordWriter writer(32);
    writer.writeDouble(8, 1.0);
    writer.writeUInt16(16, 0x0102);
    writer.writeInt32(20, -2);
    const QByteArray& r = writer.record();
    EXPECT_EQ(r.mid(8, 8), QByteArray::fromHex("000000000000f03f"));
    EXPECT_EQ(r.mid(16, 2), QByteArray::fromHex("0201"));
    EXPECT_EQ(r.mid(20, 4), QByteArray::fromHex("feffffff"));
    EXPECT_EQ(r.left(8), QByteArray(8, '\0'));

    const RecordReader reader(r);
    EXPECT_EQ(reader.readDouble(8), 1.0);
    EXPECT_EQ(reader.readUInt16(16), 0x0102);
    EXPECT_EQ(reader.readInt32(20), -2);
}

TEST(FixedRecord, CutsTextsTo80CharactersAndClearsTheRest) {
    RecordWriter writer(shortTextSize);
    writer.writeText(0, QString(100, u'y'));
    writer.writeText(0, QStringLiteral("Süd"));
    const QByteArray& r = writer.record();
    EXPECT_EQ(r.at(0), char(3));
    EXPECT_EQ(r.mid(4), QByteArray(shortTextSize - 4, '\0'));
    writer.writeText(0, QString(100, u'y'));
    EXPECT_EQ(RecordReader(writer.record()).readText(0), QString(80, u'y'));
}

TEST(FixedRecord, ReadingOutsideTheRecordFailsWithAMessage) {
    const QByteArray record(100, 'x');
    const RecordReader reader(record);
    EXPECT_THROW(reader.readDouble(93), FileError);
    EXPECT_THROW(reader.readDouble(-1), FileError);
    EXPECT_THROW(reader.readText(20), FileError);
    EXPECT_THROW(reader.readUInt16(std::numeric_limits<qsizetype>::max() - 1), FileError);
    EXPECT_NO_THROW(reader.readDouble(92));
    try {
        reader.readText(50);
    } catch (const FileError& error) {
        EXPECT_FALSE(error.message().isEmpty());
    }
}

TEST(FixedRecord, ADamagedLengthByteReadsAtMost80Characters) {
    QByteArray record(shortTextSize, 'z');
    record[0] = char(250);
    EXPECT_EQ(RecordReader(record).readText(0), QString(80, u'z'));
}
