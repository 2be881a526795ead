#include "sheet/formats/HtmlFormat.h"

#include "SampleWorkbooks.h"

#include <gtest/gtest.h>

using namespace velmora::sheet;

TEST(HtmlFormat, OneTablePerSheetWithSpansAndEscapedTexts) {
    Workbook book = test::everyFeature();
    const QString html = QString::fromUtf8(writeHtml(book));
    EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    EXPECT_EQ(html.count(QStringLiteral("<table")), 2);
    EXPECT_TRUE(html.contains(QStringLiteral("colspan=\"4\"")));
    EXPECT_TRUE(html.contains(QStringLiteral("rowspan=\"3\" colspan=\"2\"")));
    EXPECT_TRUE(html.contains(QStringLiteral("&lt;&amp;&gt;")));
    EXPECT_TRUE(html.contains(QStringLiteral(">µS/cm</td>")));
    EXPECT_TRUE(html.contains(QStringLiteral("font-weight:bold;")));
    EXPECT_TRUE(html.contains(QStringLiteral("<title>Velmora - Brunnen Süd</title>")));
}
