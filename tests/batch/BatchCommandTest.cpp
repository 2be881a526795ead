#include "batch/BatchCommand.h"

#include "Analyses.h"
#include "batch/BatchAnalysis.h"
#include "engine/AnalysisInput.h"
#include "engine/Engine.h"
#include "GeneratedAnalyses.h"
#include "sheet/formats/FileCode.h"
#include "sheet/formats/WorkbookFile.h"
#include "TestData.h"
#include "windows/WaterRecord.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>
#include <sys/stat.h>

using namespace velmora;
using test::analysesCsv;

namespace {

struct BatchRun {
    int exitCode;
    QString out;
    QString err;
    QStringList progress; ///< the lines a terminal would show
};

BatchRun runBatch(const QStringList& arguments, const QByteArray& standardInput = {},
                  bool onTerminal = false) {
    QString out;
    QString err;
    QStringList progress;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    QBuffer input;
    input.setData(standardInput);
    input.open(QIODevice::ReadOnly);
    std::function<void(const QString&)> showProgress;
    if (onTerminal)
        showProgress = [&progress](const QString& line) {
            progress << line;
        };
    const int code = runBatchCommand(arguments, outStream, errStream, input, showProgress);
    outStream.flush();
    errStream.flush();
    return {code, out, err, progress};
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
                                    "tpHe": 20, "tKS43": 20, "tKB82": 20, "k25": 300, "cCa": 1.6, "cMg": 0.5,
                                    "cNa": 2, "cK": 2, "cSO4": 0.7, "cNO3": 2, "cCl": 2})";
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
    const QHash<QString, QString> b{{QStringLiteral("Analyse"), QStringLiteral("B")},
                                    {QStringLiteral("Methode"), QStringLiteral("7")},
                                    {QStringLiteral("DIC"), QStringLiteral("1,9")},
                                    {QStringLiteral("mWert"), QStringLiteral("1,7")}};
    const QByteArray second = analysesCsv({b});
    const QByteArray both = analysesCsv({{{QStringLiteral("Analyse"), QStringLiteral("A")},
                                          {QStringLiteral("Methode"), QStringLiteral("4")},
                                          {QStringLiteral("KS43"), QStringLiteral("4,5")},
                                          {QStringLiteral("DIC"), QStringLiteral("5")}},
                                         b});
    const QStringList alone = lines(runBatch({QStringLiteral("evaluate")}, second).out);
    const QStringList after = lines(runBatch({QStringLiteral("evaluate")}, both).out);
    ASSERT_EQ(after.size(), 3);
    EXPECT_EQ(after[2], alone[1]);
}

TEST(BatchCommand, FailedRowsGetTheDialogsMessageAndExitCode1) {
    const QByteArray analyses = analysesCsv({{{QStringLiteral("Analyse"), QStringLiteral("ohne Calcium")},
                                              {QStringLiteral("cCa"), QStringLiteral("0")}},
                                             {{QStringLiteral("Analyse"), QStringLiteral("unlesbar")},
                                              {QStringLiteral("KS43"), QStringLiteral("x")}},
                                             {{QStringLiteral("Analyse"), QStringLiteral("gut")}}});
    const BatchRun run = runBatch({QStringLiteral("evaluate"), QStringLiteral("-")}, analyses);
    EXPECT_EQ(run.exitCode, batchRowFailed);
    const QStringList rows = lines(run.out);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[1], QStringLiteral("ohne Calcium;;;;;;;;;;;;;;Bitte geben Sie gültige Werte ein!"));
    EXPECT_EQ(rows[2],
              QStringLiteral("unlesbar;;;;;;;;;;;;;;Bitte geben Sie gültige Werte ein! (KS43: „x“)"));
    EXPECT_TRUE(rows[3].endsWith(QStringLiteral(";ok")));

    const BatchRun json = runBatch({QStringLiteral("evaluate"), QStringLiteral("--json")}, R"([{"cCa": 0}])");
    EXPECT_EQ(json.exitCode, batchRowFailed);
    const QJsonObject failed = QJsonDocument::fromJson(json.out.toUtf8()).array().at(0).toObject();
    EXPECT_EQ(failed[QStringLiteral("error")].toString(), QStringLiteral("Feld pHe fehlt"));
    EXPECT_FALSE(failed.contains(QStringLiteral("slots")));
}

TEST(BatchCommand, NumbersComeBackWithTheDecimalSeparatorOfTheInput) {
    const QStringList comma = lines(runBatch({QStringLiteral("evaluate")}, analysesCsv({{}})).out);
    ASSERT_EQ(comma.size(), 2);
    EXPECT_TRUE(comma[1].startsWith(QStringLiteral("Analyse;7,"))) << comma[1].toStdString();
    const QStringList point =
        lines(runBatch({QStringLiteral("evaluate")}, QByteArray(analysesCsv({{}})).replace(',', '.')).out);
    ASSERT_EQ(point.size(), 2);
    EXPECT_TRUE(point[1].startsWith(QStringLiteral("Analyse;7."))) << point[1].toStdString();
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
    const BatchRun binary =
        runBatch({QStringLiteral("evaluate")}, QByteArray("Analyse;KS43\n\0\x01\x02", 16));
    EXPECT_EQ(binary.exitCode, batchUnusable);
    EXPECT_EQ(binary.err, QStringLiteral("Die Datei ist keine Textdatei.\n"));

    const BatchRun help = runBatch({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, batchOk);
    EXPECT_TRUE(help.out.contains(QStringLiteral("Ionenbilanzfehler")));
}

// Several threads give the output of one, byte for byte, in the order of the input.
TEST(BatchCommand, TheNumberOfThreadsChangesNothingInTheOutput) {
    const QList<QHash<QString, QString>> rows = test::generatedAnalysisRows(300);
    QJsonArray json;
    for (const QHash<QString, QString>& row : rows) {
        QJsonObject object;
        for (auto cell = row.begin(); cell != row.end(); ++cell)
            object[cell.key()] = cell.value();
        json.append(object);
    }
    const QByteArray csv = test::analysesCsv(rows);
    const QByteArray jsonText = QJsonDocument(json).toJson();
    const BatchRun one =
        runBatch({QStringLiteral("evaluate"), QStringLiteral("-j"), QStringLiteral("1")}, csv);
    const BatchRun three =
        runBatch({QStringLiteral("evaluate"), QStringLiteral("-j"), QStringLiteral("3")}, csv);
    ASSERT_NE(one.exitCode, batchUnusable) << one.err.toStdString();
    EXPECT_EQ(lines(one.out).size(), 301);
    EXPECT_EQ(three.out, one.out);
    EXPECT_EQ(three.exitCode, one.exitCode);
    const BatchRun jsonOne = runBatch(
        {QStringLiteral("evaluate"), QStringLiteral("--json"), QStringLiteral("-j"), QStringLiteral("1")},
        jsonText);
    const BatchRun jsonTwo = runBatch(
        {QStringLiteral("evaluate"), QStringLiteral("--json"), QStringLiteral("-j"), QStringLiteral("2")},
        jsonText);
    EXPECT_EQ(jsonTwo.out, jsonOne.out);
    EXPECT_EQ(runBatch({QStringLiteral("evaluate")}, csv).out, one.out); // as many threads as cores

    const BatchRun none =
        runBatch({QStringLiteral("evaluate"), QStringLiteral("-j"), QStringLiteral("0")}, csv);
    EXPECT_EQ(none.exitCode, batchUnusable);
    EXPECT_TRUE(none.err.startsWith(QStringLiteral("-j nimmt eine Anzahl Threads ab 1.")))
        << none.err.toStdString();
}

// A long evaluation tells every thousandth analysis and the last, in growing order whatever the threads;
// without a terminal nobody asks for progress, and the command writes none.
TEST(BatchCommand, ProgressCountsInThousands) {
    EXPECT_EQ(progressText(12000, 100000).toStdString(), "12 000 / 100 000 Analysen");
    EXPECT_EQ(progressText(7, 999).toStdString(), "7 / 999 Analysen");
    QByteArray unreadable = "Analyse;Methode\n";
    for (int row = 0; row < 2500; ++row)
        unreadable += "A;0\n"; // evaluated at once
    for (const char* threads : {"1", "3"}) {
        const BatchRun run =
            runBatch({QStringLiteral("evaluate"), QStringLiteral("-j"), QString::fromLatin1(threads)},
                     unreadable, true);
        EXPECT_EQ(run.progress, (QStringList{QStringLiteral("1 000 / 2 500 Analysen"),
                                             QStringLiteral("2 000 / 2 500 Analysen"),
                                             QStringLiteral("2 500 / 2 500 Analysen")}))
            << threads;
        EXPECT_EQ(lines(run.out).size(), 2501);
    }
    const BatchRun quiet = runBatch({QStringLiteral("evaluate")}, analysesCsv({{}}));
    EXPECT_FALSE(quiet.err.contains(QStringLiteral("Analysen")));
}

// Whatever the number of analyses, the evaluation holds three blocks of them: a block is handed on before
// the second after it is read, and the blocks follow the input.
TEST(BatchCommand, EvaluatesInBlocksOfAThousand) {
    std::size_t handedOut = 0;
    std::vector<std::size_t> blocks;
    std::vector<QString> firstNames;
    evaluateInBlocks(
        [&handedOut](BatchAnalysis& analysis) {
            if (handedOut == 2001)
                return false;
            analysis = BatchAnalysis();
            analysis.header.setText(AnalysisHeader::Name, QString::number(handedOut++));
            analysis.readError = QStringLiteral("nicht gelesen");
            return true;
        },
        2,
        [&](const std::vector<BatchResult>& results) {
            EXPECT_LE(handedOut, (blocks.size() + 2) * 1000) << "read too far ahead";
            blocks.push_back(results.size());
            firstNames.push_back(results.front().header.name());
        });
    EXPECT_EQ(blocks, (std::vector<std::size_t>{1000, 1000, 1}));
    EXPECT_EQ(firstNames,
              (std::vector<QString>{QStringLiteral("0"), QStringLiteral("1000"), QStringLiteral("2000")}));
}

TEST(BatchCommand, QuotesOutputFieldsThatHoldTheSeparator) {
    const QByteArray analyses =
        QByteArray(analysesCsv({{{QStringLiteral("Analyse"), QStringLiteral("Well")}}}))
            .replace(',', '.')
            .replace(';', ',')
            .replace("\nWell,", "\n\"Well 3, \"\"north\"\"\",");
    const BatchRun run = runBatch({QStringLiteral("evaluate")}, analyses);
    const QStringList rows = lines(run.out);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[0].startsWith(QStringLiteral("Analyse,pH(tb),")));
    EXPECT_TRUE(rows[1].startsWith(QStringLiteral("\"Well 3, \"\"north\"\"\",")));
}

TEST(BatchCommand, SavesWaterFilesNamedAfterTheirAnalyses) {
    QTemporaryDir dir;
    const QByteArray analyses = analysesCsv({{{QStringLiteral("Analyse"), QStringLiteral("Brunnen 1/Süd")},
                                              {QStringLiteral("KS43"), QStringLiteral("2,5")}},
                                             {{QStringLiteral("Analyse"), QStringLiteral("Brunnen 1/Süd")}},
                                             {{QStringLiteral("Analyse"), QStringLiteral(":*?")}},
                                             {{QStringLiteral("Analyse"), QStringLiteral("ohne Calcium")}}});
    const BatchRun run =
        runBatch({QStringLiteral("evaluate"), QStringLiteral("--save-dir"), dir.path()}, analyses);
    EXPECT_EQ(run.exitCode, batchOk) << run.err.toStdString();
    const QStringList files = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files, (QStringList{QStringLiteral("Brunnen 1Süd (2).was"), QStringLiteral("Brunnen 1Süd.was"),
                                  QStringLiteral("Wasserfenster.was"), QStringLiteral("ohne Calcium.was")}));
    QFile first(dir.filePath(QStringLiteral("Brunnen 1Süd.was")));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.size(), 1584);
    WaterRecord saved;
    saved.decode(first.readAll());
    EXPECT_EQ(saved.header.name(), QStringLiteral("Brunnen 1/Süd"));
    EXPECT_DOUBLE_EQ(saved.water.ks43, 0.0025);
    EXPECT_EQ(saved.water.method, 1);

    EXPECT_EQ(runBatch({QStringLiteral("evaluate"), QStringLiteral("--save-dir"),
                        dir.filePath(QStringLiteral("fehlt"))},
                       analyses)
                  .exitCode,
              batchUnusable);
}

TEST(BatchCommand, ExportsADataFileThroughItsTemplate) {
    QTemporaryDir dir;
    runBatch({QStringLiteral("evaluate"), QStringLiteral("--save-dir"), dir.path()},
             analysesCsv({{{QStringLiteral("Analyse"), QStringLiteral("Quelle")},
                           {QStringLiteral("KS43"), QStringLiteral("1,5")}}}));
    const QString water = dir.filePath(QStringLiteral("Quelle.was"));
    for (const auto& [name, code] :
         {std::pair{"a.xls", sheet::Excel97Code}, std::pair{"b.xls", sheet::Excel5Code},
          std::pair{"c.txt", sheet::TextCode}, std::pair{"d.vts", sheet::NativeCode},
          std::pair{"f.XLSX", sheet::XlsxCode}}) {
        const QString out = dir.filePath(QString::fromLatin1(name));
        QStringList arguments{QStringLiteral("export"), water, out};
        if (code == sheet::Excel5Code)
            arguments << QStringLiteral("--code") << QStringLiteral("4");
        const BatchRun run = runBatch(arguments);
        ASSERT_EQ(run.exitCode, batchOk) << name << run.err.toStdString();
        int readCode = 0;
        const sheet::Workbook exported = sheet::readWorkbookFile(out, readCode);
        EXPECT_EQ(readCode, code) << name;
        EXPECT_EQ(exported.sheet(0).text({5, 2}), QStringLiteral("Quelle")) << name;
        EXPECT_EQ(exported.sheet(0).text({11, 2}), QStringLiteral("7.000")) << name;
    }
    const BatchRun html = runBatch({QStringLiteral("export"), water, dir.filePath(QStringLiteral("e.htm"))});
    EXPECT_EQ(html.exitCode, batchOk);

    QFile::copy(water, dir.filePath(QStringLiteral("kurz.was")));
    QFile::resize(dir.filePath(QStringLiteral("kurz.was")), 1583);
    const BatchRun shortFile = runBatch({QStringLiteral("export"), dir.filePath(QStringLiteral("kurz.was")),
                                         dir.filePath(QStringLiteral("x.xls"))});
    EXPECT_EQ(shortFile.exitCode, batchRowFailed);
    const QJsonArray messages =
        QJsonDocument::fromJson(shortFile.out.toUtf8()).object()[QStringLiteral("messages")].toArray();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].toObject()[QStringLiteral("text")].toString(),
              QStringLiteral("Die Datei %1 konnte nicht geöffnet werden")
                  .arg(dir.filePath(QStringLiteral("kurz.was"))));
    EXPECT_EQ(shortFile.err, QStringLiteral("Die Datei %1 konnte nicht geöffnet werden\n")
                                 .arg(dir.filePath(QStringLiteral("kurz.was"))));
    const BatchRun pdf = runBatch({QStringLiteral("export"), water, dir.filePath(QStringLiteral("x.pdf"))});
    EXPECT_EQ(pdf.exitCode, batchUnusable);
    EXPECT_EQ(pdf.err,
              QStringLiteral("Die Endung von „%1“ ist keine der Ausgabeformate .xls, .xlsx, .htm, .txt, "
                             ".vts.\n")
                  .arg(dir.filePath(QStringLiteral("x.pdf"))));
    EXPECT_EQ(runBatch({QStringLiteral("export"), dir.filePath(QStringLiteral("x.abc")),
                        dir.filePath(QStringLiteral("y.xls"))})
                  .exitCode,
              batchUnusable);
    EXPECT_EQ(runBatch({QStringLiteral("export"), water}).exitCode, batchUnusable);
    EXPECT_EQ(runBatch({QStringLiteral("export"), water, dir.filePath(QStringLiteral("y.xls")),
                        QStringLiteral("--code"), QStringLiteral("9")})
                  .exitCode,
              batchUnusable);
}

TEST(BatchCommand, ExportsMixingAndTemperatureSeries) {
    QTemporaryDir dir;
    const struct {
        const char* file;
        const char* firstRow;
        const char* lastRow;
    } series[] = {{"mischung.wam", "0,0", "100,0"}, {"temperatur.wat", "0.000", "70.000"}};
    for (const auto& [file, firstRow, lastRow] : series) {
        const QString out = dir.filePath(QString::fromLatin1(file) + QStringLiteral(".txt"));
        const BatchRun run = runBatch(
            {QStringLiteral("export"),
             QStringLiteral(VELMORA_SOURCE_DIR "/tests/variations/data/") + QString::fromLatin1(file), out});
        ASSERT_EQ(run.exitCode, batchOk) << file << run.err.toStdString();
        // The line says what the window would say: its kind, its title, the file written, no message.
        const QJsonObject line = QJsonDocument::fromJson(run.out.toUtf8()).object();
        EXPECT_EQ(line[QStringLiteral("window")].toString(), QString::fromLatin1(file).endsWith(u"wam")
                                                                 ? QStringLiteral("Mischwasserfenster")
                                                                 : QStringLiteral("Temperaturfenster"));
        EXPECT_EQ(line[QStringLiteral("title")].toString(), QStringLiteral("Mischung Süd/Fluss"));
        EXPECT_EQ(line[QStringLiteral("file")].toString(), out);
        EXPECT_TRUE(line[QStringLiteral("messages")].toArray().isEmpty());
        int code = 0;
        const sheet::Sheet sheet = sheet::readWorkbookFile(out, code).sheet(0);
        EXPECT_EQ(sheet.text({5, 3}), QStringLiteral("Mischung Süd/Fluss")) << file;
        // The head of the table: the share of water A (with the locale's separator), or tb, of the first
        // and the last row.
        EXPECT_EQ(sheet.text({40, 3}).toStdString(), firstRow) << file;
        EXPECT_EQ(sheet.text({40, 13}).toStdString(), lastRow) << file;
    }
}

TEST(BatchCommand, ExportsTheTreatmentPlantAndFilterWindows) {
    QTemporaryDir dir;
    const struct {
        const char* file;
        const char* window;
        const char* title;
        int row, column; // a cell the report fills from the record
        const char* text;
    } reports[] = {
        {"treatment/data/rohrnetz.wak", "Korrosionsfenster", "Brunnen Süd", 30, 1,
         "Un- und niedriglegierte Eisenwerkstoffe"},
        {"treatment/data/reaktor.wse", "Schnellentcarbonisierungsfenster", "Werk Ost", 15, 4, "0.527"},
        {"treatment/data/h-entcarbonisierung.whe", "H-Entcarbonisierungsfenster", "Werk Ost", 16, 4,
         "2400.000"},
        {"treatment/data/enthaertung.weh", "Enthärtungsfenster", "Werk Ost", 11, 4, "7"},
        {"filters/data/aktivkohle.waf", "Aktivkohlefenster", "Werk Ost", 18, 4, "3400"},
        {"filters/data/enteisenung.wff", "Enteisenungsfenster", "Werk Ost", 23, 4, "2500 mm"},
        {"filters/data/sandfilter.wsf", "Sandfilter-Fenster", "Werk Ost", 11, 4, "Druckfilter"},
    };
    for (const auto& report : reports) {
        const QString out =
            dir.filePath(QFileInfo(QString::fromLatin1(report.file)).fileName() + QStringLiteral(".txt"));
        const BatchRun run =
            runBatch({QStringLiteral("export"),
                      QStringLiteral(VELMORA_SOURCE_DIR "/tests/") + QString::fromLatin1(report.file), out});
        ASSERT_EQ(run.exitCode, batchOk) << report.file << run.err.toStdString();
        const QJsonObject line = QJsonDocument::fromJson(run.out.toUtf8()).object();
        EXPECT_EQ(line[QStringLiteral("window")].toString(), QString::fromUtf8(report.window));
        EXPECT_EQ(line[QStringLiteral("title")].toString(), QString::fromUtf8(report.title));
        int code = 0;
        const sheet::Sheet sheet = sheet::readWorkbookFile(out, code).sheet(0);
        EXPECT_EQ(sheet.text({report.row, report.column}).toStdString(), report.text) << report.file;
    }
}

TEST(BatchCommand, DrawsTheChartOfASeries) {
    QTemporaryDir dir;
    const QString mixing = QStringLiteral(VELMORA_SOURCE_DIR "/tests/variations/data/mischung.wam");
    const QString temperature = QStringLiteral(VELMORA_SOURCE_DIR "/tests/variations/data/temperatur.wat");
    const struct {
        QString file;
        const char* flag;
        const char* out;
        QByteArray start;
    } charts[] = {{mixing, "--ph", "ph.png", QByteArray("\x89PNG")},
                  {temperature, "--si", "si.svg", QByteArray("<?xml")},
                  {temperature, "--ph", "ph.pdf", QByteArray("%PDF")}};
    for (const auto& chart : charts) {
        const QString out = dir.filePath(QString::fromLatin1(chart.out));
        const BatchRun run =
            runBatch({QStringLiteral("chart"), chart.file, QString::fromLatin1(chart.flag), out});
        ASSERT_EQ(run.exitCode, batchOk) << chart.out << run.err.toStdString();
        QFile written(out);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(written.readAll().startsWith(chart.start)) << chart.out;
    }
    const QString png = dir.filePath(QStringLiteral("x.png"));
    EXPECT_EQ(runBatch({QStringLiteral("chart"), mixing, png}).exitCode, batchUnusable);
    const BatchRun water = runBatch(
        {QStringLiteral("chart"), QStringLiteral(VELMORA_SOURCE_DIR "/tests/windows/data/brunnen-sued.was"),
         QStringLiteral("--ph"), png});
    EXPECT_EQ(water.exitCode, batchUnusable);
    EXPECT_TRUE(water.err.contains(QStringLiteral("keine Mischwasser- oder Temperaturdatei")));
    QFile::copy(mixing, dir.filePath(QStringLiteral("kurz.wam")));
    QFile::resize(dir.filePath(QStringLiteral("kurz.wam")), 12407);
    EXPECT_EQ(runBatch({QStringLiteral("chart"), dir.filePath(QStringLiteral("kurz.wam")),
                        QStringLiteral("--si"), png})
                  .exitCode,
              batchRowFailed);
    EXPECT_FALSE(QFile::exists(png));
}

TEST(BatchCommand, AnExportWithoutItsTemplateFailsWithTheWindowsMessage) {
    QTemporaryDir dir;
    runBatch({QStringLiteral("evaluate"), QStringLiteral("--save-dir"), dir.path()},
             analysesCsv({{{QStringLiteral("Analyse"), QStringLiteral("Quelle")}}}));
    // A program folder of its own whose template is missing, then damaged.
    const QString program =
        QCoreApplication::applicationDirPath() + QStringLiteral("/Vorlagen/WasserFenster.vts");
    const QString kept = dir.filePath(QStringLiteral("kept.vts"));
    ASSERT_TRUE(QFile::rename(program, kept));
    const BatchRun missing = runBatch({QStringLiteral("export"), dir.filePath(QStringLiteral("Quelle.was")),
                                       dir.filePath(QStringLiteral("a.htm"))});
    QFile damaged(program);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("<vts");
    damaged.close();
    const BatchRun invalid = runBatch({QStringLiteral("export"), dir.filePath(QStringLiteral("Quelle.was")),
                                       dir.filePath(QStringLiteral("b.htm"))});
    QFile::remove(program);
    ASSERT_TRUE(QFile::rename(kept, program));

    EXPECT_EQ(missing.exitCode, batchRowFailed);
    EXPECT_EQ(missing.err,
              QStringLiteral("Die erforderliche Vorlagendatei \"WasserFenster.vts\" konnte nicht gefunden "
                             "werden!\nBitte stellen Sie sicher, daß sie sich im Verzeichnis %1/Vorlagen "
                             "befindet!\n")
                  .arg(QCoreApplication::applicationDirPath()));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("a.htm"))));
    EXPECT_EQ(invalid.exitCode, batchRowFailed);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("b.htm"))));
}

TEST(BatchCommand, FileNamesLoseControlCharactersOfTheAnalysisName) {
    QTemporaryDir dir;
    const BatchRun run =
        runBatch({QStringLiteral("evaluate"), QStringLiteral("--save-dir"), dir.path()},
                 analysesCsv({{{QStringLiteral("Analyse"), QStringLiteral("Brunnen\tNord")}}}));
    EXPECT_EQ(run.exitCode, batchOk) << run.err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
              QStringList{QStringLiteral("BrunnenNord.was")});
    const BatchRun json = runBatch(
        {QStringLiteral("evaluate"), QStringLiteral("--json"), QStringLiteral("--save-dir"), dir.path()},
        R"({"Analyse": "\u0000", "tpHe": 20, "KS43": 3, "pHe": 7, "tKS43": 20, "tKB82": 20, "tb": 10,
                     "k25": 300, "cCa": 2, "cMg": 2, "cNa": 2, "cK": 2, "cSO4": 2, "cNO3": 2, "cCl": 2})");
    EXPECT_EQ(json.exitCode, batchOk) << json.err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("BrunnenNord.was"), QStringLiteral("Wasserfenster.was")}));
}

TEST(BatchCommand, AnInputThatIsNoRegularFileIsRefused) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("analysen.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const BatchRun run = runBatch({QStringLiteral("evaluate"), fifo});
    EXPECT_EQ(run.exitCode, batchUnusable);
    EXPECT_EQ(run.err, QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.\n").arg(fifo));
}

namespace {

QString exampleWorkbook(const QString& extension) {
    return test::examplesPath(QStringLiteral("Laboranalyse.") + extension);
}

} // namespace

TEST(BatchCommand, ImportsLaboratoryWorkbooksAsTheDialogWouldEvaluateThem) {
    const BatchRun run =
        runBatch({QStringLiteral("import"), exampleWorkbook(QStringLiteral("xls")),
                  exampleWorkbook(QStringLiteral("xlsx")), exampleWorkbook(QStringLiteral("ods"))});
    ASSERT_EQ(run.exitCode, batchOk) << run.err.toStdString();
    const QStringList rows = lines(run.out);
    ASSERT_EQ(rows.size(), 4);
    // The dialog's texts after the import, evaluated by "evaluate" from a laboratory file of analyses.
    const BatchRun typed =
        runBatch({QStringLiteral("evaluate")},
                 "Analyse;Bearbeiter;Methode;pHe;tpHe;KS43;tKS43;KB82;tKB82;DIC;mWert;tb;k25;cCa;cMg;cNa;cK;"
                 "cSO4;cNO3;cCl\n"
                 "Brunnen 3 Rohwasser;M. "
                 "Albers;1;7,42;11,3;3,12;20,0;0,11;20,0;3,24;3,12;10;560;2,250;0,510;0,796;0,054;"
                 "1,000;0,195;1,128\n");
    ASSERT_EQ(typed.exitCode, batchOk) << typed.err.toStdString();
    EXPECT_EQ(rows, (QStringList{lines(typed.out)[0], lines(typed.out)[1], lines(typed.out)[1],
                                 lines(typed.out)[1]}));
}

TEST(BatchCommand, AWorkbookThatFailsDoesNotStopTheOthers) {
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("kaputt.xlsx"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("PK\x03\x04 nur der Anfang");
    file.close();
    const BatchRun run = runBatch(
        {QStringLiteral("import"), QStringLiteral("--json"), broken, exampleWorkbook(QStringLiteral("ods"))});
    EXPECT_EQ(run.exitCode, batchRowFailed);
    const QJsonArray results = QJsonDocument::fromJson(run.out.toUtf8()).array();
    ASSERT_EQ(results.size(), 2);
    EXPECT_EQ(results[0][QStringLiteral("Analyse")].toString(), QStringLiteral("kaputt.xlsx"));
    EXPECT_EQ(
        results[0][QStringLiteral("error")].toString(),
        QStringLiteral(
            "Auf die zu importierende Datenquelle konnte nicht zugegriffen werden.\r\nBitte stellen Sie "
            "sicher, daß diese Datei gültige Daten enthält und in keinem anderen Programm geöffnet "
            "ist!"));
    EXPECT_EQ(results[1][QStringLiteral("Analyse")].toString(), QStringLiteral("Brunnen 3 Rohwasser"));
    EXPECT_TRUE(results[1][QStringLiteral("error")].isNull());
}

TEST(BatchCommand, ImportsThroughAnotherTemplateAndMethod) {
    QTemporaryDir dir;
    // A template that marks the name and the pH only: every other field is empty at the first import.
    sheet::Workbook marks;
    marks.sheet(0).setText({5, 2}, QStringLiteral("*001*"));
    marks.sheet(0).setText({12, 2}, QStringLiteral("*006*"));
    const QString narrow = dir.filePath(QStringLiteral("schmal.xls"));
    sheet::writeWorkbookFile(marks, narrow, sheet::Excel97Code);
    const BatchRun run = runBatch({QStringLiteral("import"), QStringLiteral("--template"), narrow,
                                   exampleWorkbook(QStringLiteral("xls"))});
    EXPECT_EQ(run.exitCode, batchRowFailed);
    EXPECT_EQ(lines(run.out).value(1),
              QStringLiteral("Laboranalyse.xls;;;;;;;;;;;;;;Bitte geben Sie gültige Werte ein!"));

    // Method 3 reads KS(4,3) and KB(8,2): the pH is computed.
    const BatchRun method =
        runBatch({QStringLiteral("import"), QStringLiteral("--method"), QStringLiteral("3"),
                  QStringLiteral("--save-dir"), dir.path(), exampleWorkbook(QStringLiteral("xlsx"))});
    ASSERT_EQ(method.exitCode, batchOk) << method.err.toStdString();
    WaterRecord saved;
    QFile file(dir.filePath(QStringLiteral("Brunnen 3 Rohwasser.was")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    saved.decode(file.readAll());
    EXPECT_EQ(saved.water.method, 3);
    EXPECT_EQ(saved.header.text(AnalysisHeader::Editor), QStringLiteral("M. Albers"));
    EXPECT_NE(lines(method.out).value(1).section(u';', 8, 8), QStringLiteral("7,420"));
}

TEST(BatchCommand, ImportArgumentsThatCannotBeUsedExitWith2) {
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("import")},
          QStringList{QStringLiteral("import"), QStringLiteral("--method"), QStringLiteral("8"),
                      QStringLiteral("a.xls")},
          QStringList{QStringLiteral("import"), QStringLiteral("--save-dir"), QStringLiteral("/fehlt/ganz"),
                      exampleWorkbook(QStringLiteral("xls"))}}) {
        const BatchRun run = runBatch(arguments);
        EXPECT_EQ(run.exitCode, batchUnusable) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
}
