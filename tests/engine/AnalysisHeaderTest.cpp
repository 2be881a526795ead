#include "engine/AnalysisHeader.h"

#include "common/FixedRecord.h"

#include <gtest/gtest.h>

using namespace velmora;

TEST(AnalysisHeader, KeepsTheFirst80CharactersOfALongerText) {
    const QString longName = QString(79, u'a') + QStringLiteral("ßxyz");
    AnalysisHeader header(longName, QStringLiteral("Bearbeiter"), QStringLiteral("09.12.2026"), {}, {});
    EXPECT_EQ(header.name(), QString(79, u'a') + QStringLiteral("ß"));
    EXPECT_EQ(header.text(AnalysisHeader::Editor), QStringLiteral("Bearbeiter"));
}

TEST(AnalysisHeader, SurvivesTheRecordWithGermanTexts) {
    const AnalysisHeader header(QStringLiteral("Brunnen Süd"), QStringLiteral("Jörg Maß"),
                                QStringLiteral("09.12.2026"), QStringLiteral("t = 12,5 °C, 0,5 µS"),
                                QString(80, u'x'));
    const QByteArray record = encodeRecord(header, AnalysisHeader::storedSize);
    EXPECT_EQ(record[0], char(11));
    EXPECT_EQ(record[81], char(8));
    EXPECT_EQ(record[324], char(80));
    EXPECT_EQ(record.at(81 + 1 + 1), char(0xF6)); // "ö" in code page 1252
    EXPECT_EQ(decodeRecord<AnalysisHeader>(record, AnalysisHeader::storedSize), header);
}

TEST(AnalysisHeader, ReadingATooShortRecordFails) {
    const QByteArray record =
        encodeRecord(AnalysisHeader(QStringLiteral("a"), {}, {}, {}, {}), AnalysisHeader::storedSize);
    EXPECT_THROW(
        decodeRecord<AnalysisHeader>(record.left(AnalysisHeader::storedSize - 1), AnalysisHeader::storedSize),
        FileError);
}
