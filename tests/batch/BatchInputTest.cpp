#include "batch/BatchInput.h"

#include "Analyses.h"
#include "windows/AnalysisForm.h"

#include <gtest/gtest.h>
#include <QBuffer>

using namespace velmora;
using test::analysesCsv;

namespace {

BatchAnalysis onlyAnalysis(const BatchInput& input) {
    EXPECT_EQ(input.analyses.size(), 1u);
    return input.analyses.empty() ? BatchAnalysis{} : input.analyses.front();
}

QString errorOf(const QHash<QString, QString>& changed) {
    return onlyAnalysis(readCsvAnalyses(analysesCsv({changed}))).readError;
}

} // namespace

TEST(BatchInput, ReadsEveryFieldAsTheDialogDoes) {
    const BatchAnalysis a =
        onlyAnalysis(readCsvAnalyses(analysesCsv({{{QStringLiteral("KS43"), QStringLiteral("4.35")},
                                                   {QStringLiteral("cCl"), QStringLiteral("0,88")}}})));
    EXPECT_TRUE(a.readError.isEmpty()) << a.readError.toStdString();
    EXPECT_EQ(a.header.name(), QStringLiteral("Analyse"));
    EXPECT_EQ(a.header,
              AnalysisHeader(QStringLiteral("Analyse"), defaultAnalysisHeader().text(AnalysisHeader::Editor),
                             defaultAnalysisHeader().text(AnalysisHeader::Date), {}, {}));
    EXPECT_EQ(a.method, 1);
    EXPECT_EQ(a.input.pHe, 7.0);
    EXPECT_EQ(a.input.ks43, 4.35);
    EXPECT_EQ(a.input.tb, 10.0);
    EXPECT_EQ(a.input.totals[6], 0.88);
}

TEST(BatchInput, ChecksEachRowAsTheDialogChecksItsEdits) {
    const QString invalid = QStringLiteral("Bitte geben Sie gültige Werte ein!");
    EXPECT_EQ(errorOf({{QStringLiteral("KS43"), QString()}}), invalid + QStringLiteral(" (KS43: „“)"));
    EXPECT_EQ(errorOf({{QStringLiteral("cCa"), QStringLiteral("1.234,5")}}),
              invalid + QStringLiteral(" (cCa: „1.234,5“)"));
    EXPECT_EQ(errorOf({{QStringLiteral("tb"), QStringLiteral("10 °C")}}),
              invalid + QStringLiteral(" (tb: „10 °C“)"));
    EXPECT_EQ(errorOf({{QStringLiteral("Analyse"), QStringLiteral("  ")}}),
              QStringLiteral("Bitte geben Sie einen Namen für die Analyse ein!"));
    EXPECT_EQ(errorOf({{QStringLiteral("cMg"), QStringLiteral("-0,5")}}),
              QStringLiteral("Negative Werte sind nicht zulässig (cMg: „-0,5“)"));
    EXPECT_EQ(errorOf({{QStringLiteral("KB82"), QStringLiteral("-1")},
                       {QStringLiteral("Methode"), QStringLiteral("2")}}),
              QStringLiteral("Negative Werte sind nicht zulässig (KB82: „-1“)"));
    EXPECT_EQ(errorOf({{QStringLiteral("k25"), QStringLiteral("-300")}}),
              QStringLiteral("Negative Werte sind nicht zulässig (k25: „-300“)"));
    EXPECT_EQ(errorOf({{QStringLiteral("Methode"), QStringLiteral("8")}}),
              QStringLiteral("Ungültige Methode „8“ (erlaubt sind 1 bis 7)"));
    EXPECT_EQ(errorOf({{QStringLiteral("Methode"), QStringLiteral("1a")}}),
              QStringLiteral("Ungültige Methode „1a“ (erlaubt sind 1 bis 7)"));
    // Cells of quantities the method does not read may stay empty.
    EXPECT_EQ(errorOf({{QStringLiteral("KB82"), QString()},
                       {QStringLiteral("DIC"), QStringLiteral("x")},
                       {QStringLiteral("mWert"), QString()}}),
              QString());
    EXPECT_EQ(errorOf({{QStringLiteral("pHe"), QString()},
                       {QStringLiteral("KS43"), QString()},
                       {QStringLiteral("Methode"), QStringLiteral("7")}}),
              QString());
}

TEST(BatchInput, AColumnTheMethodNeedsMustBeThere) {
    const BatchInput input =
        readCsvAnalyses("Analyse;Methode;pHe;tpHe;KS43;tKS43;tKB82;tb;k25;cMg;cNa;cK;cSO4;cNO3;cCl\n"
                        "A;1;7;20;3;20;20;10;300;1;1;1;1;1;1\n");
    EXPECT_EQ(onlyAnalysis(input).readError, QStringLiteral("Spalte cCa fehlt"));
    const BatchInput json = readJsonAnalyses(R"({"Analyse": "A", "Methode": 7, "DIC": 1.5})");
    EXPECT_EQ(onlyAnalysis(json).readError, QStringLiteral("Feld tpHe fehlt"));
}

TEST(BatchInput, DetectsTheSeparatorsFromTheFile) {
    const BatchInput semicolon =
        readCsvAnalyses(analysesCsv({{{QStringLiteral("KS43"), QStringLiteral("2,5")}}}));
    EXPECT_EQ(semicolon.separator, u';');
    EXPECT_EQ(semicolon.decimalSeparator, u',');
    EXPECT_EQ(onlyAnalysis(semicolon).input.ks43, 2.5);

    const QByteArray points = QByteArray(analysesCsv({{}})).replace(',', '.');
    EXPECT_EQ(readCsvAnalyses(points).decimalSeparator, u'.');
    const BatchInput tabbed = readCsvAnalyses(QByteArray(points).replace(';', '\t').replace("\n", "\r\n"));
    EXPECT_EQ(tabbed.separator, u'\t');
    EXPECT_TRUE(onlyAnalysis(tabbed).readError.isEmpty()) << onlyAnalysis(tabbed).readError.toStdString();

    const BatchInput commas =
        readCsvAnalyses(QByteArray(points).replace(';', ',').replace("\nAnalyse,", "\n\"Well 3, north\","));
    EXPECT_EQ(commas.separator, u',');
    EXPECT_EQ(commas.decimalSeparator, u'.');
    EXPECT_EQ(onlyAnalysis(commas).header.name(), QStringLiteral("Well 3, north"));
}

TEST(BatchInput, ReadsCodePage1252AndUtf8WithMark) {
    const QByteArray utf8 = analysesCsv({{{QStringLiteral("Analyse"), QStringLiteral("Schacht Süd")}}});
    const BatchAnalysis cp1252 = onlyAnalysis(readCsvAnalyses(QByteArray(utf8).replace("Süd", "S\xfc\x64")));
    EXPECT_EQ(cp1252.header.name(), QStringLiteral("Schacht Süd"));
    const BatchAnalysis marked = onlyAnalysis(readCsvAnalyses("\xef\xbb\xbf" + utf8));
    EXPECT_EQ(marked.header.name(), QStringLiteral("Schacht Süd"));
}

// The file is read line by line, but its code page is the whole file's: one byte of code page 1252 on the
// last line makes the first line's UTF-8 bytes characters of 1252 too.
TEST(BatchInput, TheCodePageIsDecidedForTheWholeFile) {
    const QByteArray utf8 = analysesCsv({{{QStringLiteral("Analyse"), QStringLiteral("Schacht Süd")}},
                                         {{QStringLiteral("Analyse"), QStringLiteral("Schacht Nord")}}});
    const BatchInput input = readCsvAnalyses(QByteArray(utf8).replace("Nord", "N\xf6rd"));
    ASSERT_EQ(input.analyses.size(), 2u);
    EXPECT_EQ(input.analyses[0].header.name(), QStringLiteral("Schacht SÃ¼d"));
    EXPECT_EQ(input.analyses[1].header.name(), QStringLiteral("Schacht Nörd"));
}

// A quoted name may run over a line end, blank rows are no analyses, and the count the reader gives
// before the first analysis is the number it then hands out.
TEST(BatchInput, TheReaderCountsTheAnalysesItWillHandOut) {
    QByteArray file = analysesCsv({{{QStringLiteral("Analyse"), QStringLiteral("\"Brunnen\r\n3\"")}},
                                   {{QStringLiteral("Analyse"), QStringLiteral("B")}}});
    file.replace("\nB;", "\n;;\n\r\nB;");
    file.append(" ; ;"); // a blank last row without a line end
    QBuffer buffer(&file);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    CsvAnalysisReader reader(buffer);
    EXPECT_EQ(reader.analysisCount(), 2u);
    QStringList names;
    for (BatchAnalysis analysis; reader.next(analysis);) {
        EXPECT_EQ(analysis.readError, QString());
        names << analysis.header.name();
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral("Brunnen\r\n3"), QStringLiteral("B")}));
}

TEST(BatchInput, ARowOfAnotherWidthFailsAndTheOthersAreRead) {
    QByteArray file = analysesCsv({{{QStringLiteral("Analyse"), QStringLiteral("gut")}},
                                   {{QStringLiteral("Analyse"), QStringLiteral("auch gut")}}});
    file.append("zu kurz;1;7\n");
    file.append(analysesCsv({{{QStringLiteral("Analyse"), QStringLiteral("zu lang;9")}}}).split('\n')[1] +
                "\n");
    const BatchInput input = readCsvAnalyses(file);
    ASSERT_EQ(input.analyses.size(), 4u);
    EXPECT_TRUE(input.analyses[0].readError.isEmpty());
    EXPECT_TRUE(input.analyses[1].readError.isEmpty());
    EXPECT_EQ(input.analyses[2].readError, QStringLiteral("Die Zeile hat 3 Felder, die Kopfzeile 19."));
    EXPECT_EQ(input.analyses[3].readError, QStringLiteral("Die Zeile hat 20 Felder, die Kopfzeile 19."));
}

TEST(BatchInput, ReportsUnknownColumnsAndRejectsFilesWithoutHeaderOrText) {
    const BatchInput input = readCsvAnalyses("Analyse;Labornummer;KS4.3\nA;17;3\n");
    EXPECT_EQ(input.unknownFields, (QStringList{QStringLiteral("Labornummer"), QStringLiteral("KS4.3")}));
    EXPECT_THROW(readCsvAnalyses(""), BatchInputError);
    EXPECT_THROW(readCsvAnalyses("\n\r\n;;;\n"), BatchInputError);
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 7919 + 13) % 256));
    try {
        readCsvAnalyses(garbage);
        ADD_FAILURE() << "binary data read as analyses";
    } catch (const BatchInputError& error) {
        EXPECT_STREQ(error.what(), "Die Datei ist keine Textdatei.");
    }
}

TEST(BatchInput, ReadsJsonObjectsAndArrays) {
    const BatchAnalysis object = onlyAnalysis(readJsonAnalyses(
        R"({"Analyse": "A", "Methode": 7, "DIC": "1,5", "mWert": 1.25, "tpHe": 20, "tKS43": 20, "tKB82": 20,
            "tb": 10, "k25": 300, "cCa": 2, "cMg": 2, "cNa": 2, "cK": 2, "cSO4": 2, "cNO3": 2, "cCl": 2})"));
    EXPECT_TRUE(object.readError.isEmpty()) << object.readError.toStdString();
    EXPECT_EQ(object.method, 7);
    EXPECT_EQ(object.input.dic, 1.5);
    EXPECT_EQ(object.input.mWert, 1.25);

    const BatchInput array = readJsonAnalyses(R"([5, {"KS43": true}])");
    ASSERT_EQ(array.analyses.size(), 2u);
    EXPECT_EQ(array.analyses[0].readError, QStringLiteral("Der Eintrag ist kein JSON-Objekt."));
    EXPECT_EQ(array.analyses[1].readError, QStringLiteral("Ungültiger Wert für KS43: weder Text noch Zahl"));

    try {
        readJsonAnalyses("[{\"Analyse\": ");
        ADD_FAILURE() << "a broken JSON file was read";
    } catch (const BatchInputError& error) {
        EXPECT_STREQ(error.what(), "Die JSON-Datei ist fehlerhaft (Zeichen 13).");
    }
    EXPECT_THROW(readJsonAnalyses(QByteArray(100000, '[')), BatchInputError);
}

TEST(BatchInput, AHeaderOfManyUnknownColumnsIsReadInLinearTime) {
    QStringList names;
    for (int i = 0; i < 100000; ++i)
        names << QStringLiteral("Spalte%1").arg(i);
    const BatchInput input = readCsvAnalyses((names.join(u';') + u'\n').toUtf8());
    EXPECT_EQ(input.unknownFields.size(), 100000);
    EXPECT_EQ(input.unknownFields.front(), QStringLiteral("Spalte0"));
}
