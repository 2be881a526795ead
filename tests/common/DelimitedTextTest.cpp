#include "common/DelimitedText.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

// A text with every kind of line end, quoted fields over lines and doubled quotes, and a last record
// without a line end.
const QString tricky = QStringLiteral("a;\"b;\"\"c\"\"\"\r\n\"d\ne\";f\rg;;\n\n\"h\r\n\";i");

std::vector<QStringList> splitInLines(const QString& text, const DelimitedLimits& limits = {}) {
    std::vector<QStringList> records;
    DelimitedSplitter splitter(u';', limits);
    qsizetype start = 0;
    for (qsizetype end; (end = text.indexOf(u'\n', start)) >= 0; start = end + 1)
        splitter.feed(QStringView(text).mid(start, end + 1 - start), records);
    splitter.feed(QStringView(text).mid(start), records);
    splitter.finish(records);
    return records;
}

} // namespace

TEST(DelimitedText, TextInLinesSplitsAsTheWholeText) {
    const std::vector<QStringList> expected{
        {QStringLiteral("a"), QStringLiteral("b;\"c\"")}, {QStringLiteral("d\ne"), QStringLiteral("f")},
        {QStringLiteral("g"), QString(), QString()},      {QString()},
        {QStringLiteral("h\r\n"), QStringLiteral("i")},
    };
    EXPECT_EQ(splitDelimited(tricky, u';'), expected);
    EXPECT_EQ(splitInLines(tricky), expected);
}

// The limits count over all pieces, not per piece.
TEST(DelimitedText, LimitsCountOverAllPieces) {
    try {
        splitInLines(tricky, {3});
        ADD_FAILURE() << "a fourth record passed";
    } catch (const DelimitedLimitError& error) {
        EXPECT_EQ(error.limit, DelimitedLimitError::Limit::Records);
    }
    DelimitedLimits filled;
    filled.filledFields = 6;
    EXPECT_THROW(splitInLines(tricky, filled), DelimitedLimitError);
    filled.filledFields = 7;
    EXPECT_EQ(splitInLines(tricky, filled).size(), 5u);
}
