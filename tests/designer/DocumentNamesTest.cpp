#include "designer/DocumentNames.h"

#include <gtest/gtest.h>

using namespace tabrix;

TEST(DocumentNames, SaveAsProposesThePathOrTheTitleUpToItsFirstStop) {
    EXPECT_EQ(proposedSaveName({}, QStringLiteral("Book1"), 12), QStringLiteral("Book1"));
    EXPECT_EQ(proposedSaveName({}, QStringLiteral("my book"), 12), QStringLiteral("my"));
    for (const char* title : {"a#b", "a%b", "a;b", "a/b", "a\\b"})
        EXPECT_EQ(proposedSaveName({}, QString::fromLatin1(title), 12), QStringLiteral("a")) << title;
    EXPECT_EQ(proposedSaveName({}, QStringLiteral("Wasser.vts"), 12), QStringLiteral("Wasser"));
    // The path wins over the title; only the extension of the document's own format goes.
    EXPECT_EQ(proposedSaveName(QStringLiteral("/t/Mein Blatt.VTS"), QStringLiteral("x"), 12),
              QStringLiteral("/t/Mein Blatt"));
    EXPECT_EQ(proposedSaveName(QStringLiteral("/t/alt.xls"), {}, 11), QStringLiteral("/t/alt"));
    EXPECT_EQ(proposedSaveName(QStringLiteral("/t/alt.xls"), {}, 12), QStringLiteral("/t/alt.xls"));
}

TEST(DocumentNames, ExcelAndNativeDocumentsTakeTheirExtension) {
    EXPECT_EQ(savedPath(QStringLiteral("/t/neu"), 11), QStringLiteral("/t/neu.xls"));
    EXPECT_EQ(savedPath(QStringLiteral("/t/neu"), 4), QStringLiteral("/t/neu.xls"));
    EXPECT_EQ(savedPath(QStringLiteral("/t/neu.XLS"), 11), QStringLiteral("/t/neu.XLS"));
    EXPECT_EQ(savedPath(QStringLiteral("/t/neu"), 12), QStringLiteral("/t/neu.vts"));
    EXPECT_EQ(savedPath(QStringLiteral("/t/neu.xls"), 12), QStringLiteral("/t/neu.xls.vts"));
    EXPECT_EQ(savedPath(QStringLiteral("/t/neu"), 9), QStringLiteral("/t/neu")); // as chosen
    for (const SaveFormat& format : saveFormats())
        EXPECT_TRUE(format.filter.endsWith(QStringLiteral("(*") + extensionOfCode(format.code) + u')'))
            << format.filter.toStdString();
}
