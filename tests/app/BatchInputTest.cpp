#include "app/BatchInput.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

BatchAnalysis onlyAnalysis(const BatchInput& input) {
    EXPECT_EQ(input.analyses.size(), 1u);
    return input.analyses.empty() ? BatchAnalysis{} : input.analyses.front();
}

} // namespace

TEST(BatchInput, AbsentFieldsTakeTheDialogDefaults) {
    const BatchAnalysis a = onlyAnalysis(readCsvAnalyses("Analyse;Bearbeiter\n;Labor\n"));
    EXPECT_TRUE(a.readError.isEmpty()) << a.readError.toStdString();
    EXPECT_EQ(a.header.name(), QStringLiteral("Analyse"));
    EXPECT_FALSE(a.header.text(AnalysisHeader::Date).isEmpty());
    EXPECT_EQ(a.method, 1);
    EXPECT_EQ(a.input.pHe, 7.0);
    EXPECT_EQ(a.input.tpHe, 20.0);
    EXPECT_EQ(a.input.ks43, 3.0);
    EXPECT_EQ(a.input.kb82, 0.054);
    EXPECT_EQ(a.input.dic, 2.478);
    EXPECT_EQ(a.input.mWert, 2.432);
    EXPECT_EQ(a.input.tb, 10.0);
    EXPECT_EQ(a.input.k25, 300.0);
    EXPECT_EQ(a.input.totals[6], 2.0);
}

TEST(BatchInput, DetectsTheSeparatorFromTheHeaderLine) {
    const BatchAnalysis semicolon = onlyAnalysis(readCsvAnalyses("Analyse;KS43;cCa\nA;2,5;1,25\n"));
    EXPECT_EQ(semicolon.input.ks43, 2.5);
    EXPECT_EQ(semicolon.input.totals[0], 1.25);

    const BatchInput tabbed = readCsvAnalyses("Analyse\tKS43\r\nB\t3,5\r\n");
    EXPECT_EQ(tabbed.separator, u'\t');
    EXPECT_EQ(onlyAnalysis(tabbed).input.ks43, 3.5);

    const BatchInput commas = readCsvAnalyses("Analyse,KS43,pHe\n\"Well 3, north\",3.25,7.1\n");
    EXPECT_EQ(commas.separator, u',');
    const BatchAnalysis quoted = onlyAnalysis(commas);
    EXPECT_EQ(quoted.header.name(), QStringLiteral("Well 3, north"));
    EXPECT_EQ(quoted.input.ks43, 3.25);
    EXPECT_EQ(quoted.input.pHe, 7.1);
}

TEST(BatchInput, ReadsCodePage1252AndUtf8WithMark) {
    const BatchAnalysis cp1252 = onlyAnalysis(readCsvAnalyses("Analyse;tb\nSchacht S\xfc\x64;12\n"));
    EXPECT_EQ(cp1252.header.name(), QStringLiteral("Schacht Süd"));
    const BatchAnalysis utf8 = onlyAnalysis(readCsvAnalyses("\xef\xbb\xbf"
                                                            "Analyse;tb\nSchacht Süd;12\n"));
    EXPECT_EQ(utf8.header.name(), QStringLiteral("Schacht Süd"));
    EXPECT_EQ(utf8.input.tb, 12.0);
}

TEST(BatchInput, AFaultyRowCarriesItsErrorAndTheOthersAreRead) {
    const BatchInput input = readCsvAnalyses("Analyse;KS43;Methode\n"
                                             "gut;2,5;1\n"
                                             "Wert;abc;1\n"
                                             "Methode;2,5;8\n"
                                             "zu lang;2,5;1;9\n"
                                             "\n"
                                             "auch gut;3;4\n");
    ASSERT_EQ(input.analyses.size(), 5u);
    EXPECT_TRUE(input.analyses[0].readError.isEmpty());
    EXPECT_TRUE(input.analyses[1].readError.contains(QStringLiteral("KS43")));
    EXPECT_TRUE(input.analyses[2].readError.contains(QStringLiteral("Methode")));
    EXPECT_FALSE(input.analyses[3].readError.isEmpty());
    EXPECT_TRUE(input.analyses[4].readError.isEmpty());
    EXPECT_EQ(input.analyses[4].method, 4);
}

TEST(BatchInput, ReportsUnknownColumnsAndRejectsAFileWithoutHeader) {
    const BatchInput input = readCsvAnalyses("Analyse;Labornummer;KS4.3\nA;17;3\n");
    EXPECT_EQ(input.unknownFields, (QStringList{QStringLiteral("Labornummer"), QStringLiteral("KS4.3")}));
    EXPECT_THROW(readCsvAnalyses(""), BatchInputError);
    EXPECT_THROW(readCsvAnalyses("\n\r\n;;;\n"), BatchInputError);
}

TEST(BatchInput, SurvivesBinaryGarbage) {
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 7919 + 13) % 256));
    try {
        const BatchInput input = readCsvAnalyses(garbage);
        for (const BatchAnalysis& a : input.analyses)
            EXPECT_LE(a.header.name().size(), 80);
    } catch (const BatchInputError&) {
    }
}

TEST(BatchInput, ReadsJsonObjectsAndArrays) {
    const BatchAnalysis object =
        onlyAnalysis(readJsonAnalyses(R"({"Analyse": "A", "Methode": 7, "DIC": "1,5", "mWert": 1.25})"));
    EXPECT_EQ(object.method, 7);
    EXPECT_EQ(object.input.dic, 1.5);
    EXPECT_EQ(object.input.mWert, 1.25);

    const BatchInput array = readJsonAnalyses(R"([{"Analyse": "A"}, 5, {"KS43": true}, {"tb": null}])");
    ASSERT_EQ(array.analyses.size(), 4u);
    EXPECT_TRUE(array.analyses[0].readError.isEmpty());
    EXPECT_FALSE(array.analyses[1].readError.isEmpty());
    EXPECT_TRUE(array.analyses[2].readError.contains(QStringLiteral("KS43")));
    EXPECT_EQ(array.analyses[3].input.tb, 10.0);

    EXPECT_THROW(readJsonAnalyses("[{\"Analyse\": "), BatchInputError);
    EXPECT_THROW(readJsonAnalyses(QByteArray(100000, '[')), BatchInputError);
}
