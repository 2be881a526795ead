#include "app/BatchCommand.h"

#include "engine/AnalysisInput.h"
#include "engine/Engine.h"
#include "TestData.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>

using namespace velmora;

namespace {

struct BatchRun {
    int exitCode;
    QString out;
    QString err;
};

BatchRun runBatch(const QStringList& arguments, const QByteArray& standardInput = {}) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code = runBatchCommand(arguments, outStream, errStream, [&] { return standardInput; });
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

QStringList lines(const QString& text) {
    return text.split(u'\n', Qt::SkipEmptyParts);
}

EngineState evaluateDirectly(const AnalysisInput& input, int method) {
    EngineState engine;
    storeAnalysisInput(engine.water, input, method);
    runEngine(engine, method);
    return engine;
}

} // namespace

TEST(BatchCommand, EvaluatesTheBundledExamples) {
    const BatchRun csv =
        runBatch({QStringLiteral("evaluate"), test::examplesPath(QStringLiteral("analysen.csv"))});
    EXPECT_EQ(csv.exitCode, batchOk) << csv.err.toStdString();
    const QStringList rows = lines(csv.out);
    ASSERT_EQ(rows.size(), 9);
    EXPECT_TRUE(rows[0].startsWith(QStringLiteral("Analyse;pH(tb);SI;pH(SIe);pHC(tb);dpH;D;Bewertung;")));
    for (const QString& row : rows.mid(1)) {
        EXPECT_EQ(row.count(u';'), 14) << row.toStdString();
        EXPECT_TRUE(row.endsWith(QStringLiteral(";ok"))) << row.toStdString();
    }

    const BatchRun json =
        runBatch({QStringLiteral("evaluate"), test::examplesPath(QStringLiteral("analysen.json"))});
    EXPECT_EQ(json.exitCode, batchOk);
    EXPECT_EQ(QJsonDocument::fromJson(json.out.toUtf8()).array().size(), 2);
}

TEST(BatchCommand, JsonCarriesTheEngineResultsExactly) {
    const QByteArray analysis = R"({"Analyse": "A", "Methode": 3, "KS43": 2.2, "KB82": 0.15, "tb": 12,
                                    "cCa": 1.6, "cMg": 0.5, "cSO4": 0.7})";
    const BatchRun run = runBatch({QStringLiteral("evaluate"), QStringLiteral("--json")}, analysis);
    ASSERT_EQ(run.exitCode, batchOk) << run.err.toStdString();
    const QJsonObject result = QJsonDocument::fromJson(run.out.toUtf8()).array().at(0).toObject();

    AnalysisInput input{7, 20, 2.2, 20, 0.15, 20, 2.478, 2.432, 12, 300, {1.6, 0.5, 2, 2, 0.7, 2, 2}};
    const EngineState expected = evaluateDirectly(input, 3);
    const QJsonArray slots = result[QStringLiteral("slots")].toArray();
    ASSERT_EQ(slots.size(), 3);
    for (int number = 1; number <= 3; ++number) {
        const QJsonArray values = slots[number - 1].toArray();
        ASSERT_EQ(values.size(), 40);
        for (int pos = 0; pos < 40; ++pos)
            EXPECT_EQ(values[pos].toDouble(), expected.results[number][std::size_t(pos)])
                << number << '/' << pos;
    }
    EXPECT_EQ(result[QStringLiteral("pHm")].toDouble(), expected.water.pHm);
    EXPECT_EQ(result[QStringLiteral("caEq")].toDouble(), expected.water.caEq);
    EXPECT_EQ(result[QStringLiteral("lastMethod")].toInt(), 3);
    EXPECT_TRUE(result[QStringLiteral("converged")].toBool());
    EXPECT_TRUE(result[QStringLiteral("error")].isNull());
}

TEST(BatchCommand, EachAnalysisStartsFromFreshRecords) {
    const QByteArray second = "Analyse;Methode;DIC;mWert\nB;7;1,9;1,7\n";
    const QByteArray both = "Analyse;Methode;KS43;DIC;mWert\nA;4;4,5;5;\nB;7;;1,9;1,7\n";
    const QStringList alone = lines(runBatch({QStringLiteral("evaluate")}, second).out);
    const QStringList after = lines(runBatch({QStringLiteral("evaluate")}, both).out);
    ASSERT_EQ(after.size(), 3);
    EXPECT_EQ(after[2], alone[1]);
}

TEST(BatchCommand, FailedRowsGetTheirErrorAndExitCode1) {
    const QByteArray analyses = "Analyse;KS43;cCa\nohne Calcium;2;0\nunlesbar;x;2\ngut;2;2\n";
    const BatchRun run = runBatch({QStringLiteral("evaluate"), QStringLiteral("-")}, analyses);
    EXPECT_EQ(run.exitCode, batchRowFailed);
    const QStringList rows = lines(run.out);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_TRUE(rows[1].contains(QStringLiteral("Rechenfehler"))) << rows[1].toStdString();
    EXPECT_TRUE(rows[2].contains(QStringLiteral("KS43"))) << rows[2].toStdString();
    EXPECT_TRUE(rows[3].endsWith(QStringLiteral(";ok")));

    const BatchRun json = runBatch({QStringLiteral("evaluate"), QStringLiteral("--json")}, R"([{"cCa": 0}])");
    EXPECT_EQ(json.exitCode, batchRowFailed);
    const QJsonObject failed = QJsonDocument::fromJson(json.out.toUtf8()).array().at(0).toObject();
    EXPECT_TRUE(failed[QStringLiteral("error")].toString().contains(QStringLiteral("Rechenfehler")));
    EXPECT_FALSE(failed.contains(QStringLiteral("slots")));
}

TEST(BatchCommand, UnusableArgumentsAndFilesExitWith2) {
    EXPECT_EQ(runBatch({}).exitCode, batchUnusable);
    EXPECT_EQ(runBatch({QStringLiteral("export")}).exitCode, batchUnusable);
    EXPECT_EQ(runBatch({QStringLiteral("evaluate"), QStringLiteral("--xml")}).exitCode, batchUnusable);
    EXPECT_EQ(
        runBatch({QStringLiteral("evaluate"), QStringLiteral("a.csv"), QStringLiteral("b.csv")}).exitCode,
        batchUnusable);
    QTemporaryDir dir;
    EXPECT_EQ(runBatch({QStringLiteral("evaluate"), dir.path()}).exitCode, batchUnusable);
    EXPECT_EQ(runBatch({QStringLiteral("evaluate"), dir.filePath(QStringLiteral("fehlt.csv"))}).exitCode,
              batchUnusable);
    EXPECT_EQ(runBatch({QStringLiteral("evaluate")}, "").exitCode, batchUnusable);
    EXPECT_EQ(runBatch({QStringLiteral("evaluate"), QStringLiteral("--json")}, "{oops").exitCode,
              batchUnusable);

    const BatchRun help = runBatch({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, batchOk);
    EXPECT_TRUE(help.out.contains(QStringLiteral("Ionenbilanzfehler")));
}

TEST(BatchCommand, QuotesOutputFieldsThatHoldTheSeparator) {
    const BatchRun run =
        runBatch({QStringLiteral("evaluate")}, "Analyse,KS43\n\"Well 3, \"\"north\"\"\",3.0\n");
    const QStringList rows = lines(run.out);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[0].startsWith(QStringLiteral("Analyse,pH(tb),")));
    EXPECT_TRUE(rows[1].startsWith(QStringLiteral("\"Well 3, \"\"north\"\"\",")));
}
