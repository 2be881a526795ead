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

namespace {

// One field of every kind, in the layout rules of the data files.
struct Sample {
    QString name;
    QString longText;
    int level = 0;
    int count = 0;
    int delta = 0;
    std::int32_t total = 0;
    double value = 0;

    bool operator==(const Sample&) const = default;

    template <class Fields, class Self>
    static void fields(Fields& f, Self& r) {
        f.text(r.name);          // 0
        f.text(r.longText, 101); // 81
        f.uint8(r.level);        // 182
        f.int8(r.delta);         // 183
        f.uint16(r.count);       // 184
        f.int32(r.total);        // 186
        f.fill(2);               // 190
        f.real(r.value);         // 192
    }
};
constexpr qsizetype sampleSize = 200;

struct Misaligned {
    double value = 0;
    template <class Fields, class Self>
    static void fields(Fields& f, Self& r) {
        f.fill(4);
        f.real(r.value);
    }
};

} // namespace

TEST(FixedRecord, FieldsFollowEachOtherLittleEndian) {
    const Sample sample{QStringLiteral("Süd"), QString(120, u'y'), 200, 0x0102, -2, -3, 1.0};
    const QByteArray bytes = encodeRecord(sample, sampleSize);
    ASSERT_EQ(bytes.size(), sampleSize);
    EXPECT_EQ(bytes.left(4), QByteArray::fromHex("0353fc64"));
    EXPECT_EQ(bytes.mid(4, 77), QByteArray(77, '\0'));
    EXPECT_EQ(bytes.at(81), char(100)); // a 101-byte text holds 100 characters
    EXPECT_EQ(bytes.mid(182, 8), QByteArray::fromHex("c8fe0201fdffffff"));
    EXPECT_EQ(bytes.mid(192, 8), QByteArray::fromHex("000000000000f03f"));

    Sample expected = sample;
    expected.longText = QString(100, u'y');
    EXPECT_EQ(decodeRecord<Sample>(bytes, sampleSize), expected);
    // Bytes after the record are not read.
    EXPECT_EQ(decodeRecord<Sample>(bytes + QByteArray(9, 'x'), sampleSize), expected);
}

TEST(FixedRecord, ALayoutThatDoesNotFitTheRecordIsAProgrammingError) {
    EXPECT_THROW(encodeRecord(Sample{}, sampleSize + 8), std::logic_error);
    EXPECT_THROW(encodeRecord(Sample{}, sampleSize - 8), std::logic_error);
    EXPECT_THROW(encodeRecord(Misaligned{}, 12), std::logic_error);
}

TEST(FixedRecord, EveryShorterRecordFailsToRead) {
    const QByteArray bytes = encodeRecord(Sample{}, sampleSize);
    for (qsizetype size = 0; size < sampleSize; ++size)
        EXPECT_THROW(decodeRecord<Sample>(bytes.left(size), sampleSize), FileError) << size;
    // A reader that was handed a record too short for its own fields says so too.
    RecordDecoder decoder(bytes.left(10));
    double value = 0;
    decoder.fill(8);
    EXPECT_THROW(decoder.real(value), FileError);
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
        EXPECT_EQ(error.message(),
                  QStringLiteral("Der Datensatz ist zu kurz: 81 Bytes ab Position 50 fehlen."));
    }
}

TEST(FixedRecord, ADamagedLengthByteReadsAtMostTheField) {
    QByteArray record(shortTextSize, 'z');
    record[0] = char(250);
    EXPECT_EQ(RecordReader(record).readText(0), QString(80, u'z'));
    EXPECT_EQ(RecordReader(record).readText(0, 21), QString(20, u'z'));
}
