#include "batch/JobRunner.h"

#include "app/IniFile.h"
#include "app/THauptfenster.h"
#include "batch/BatchCommand.h"
#include "engine/Engine.h"
#include "filters/FilterRecords.h"
#include "ScriptedDialogs.h"
#include "treatment/PlantRecords.h"
#include "TreatmentWaters.h"
#include "windows/TMDIChild.h"
#include "windows/WaterRecord.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

using namespace velmora;

namespace {

struct JobRun {
    int exitCode;
    std::vector<QJsonObject> lines;
    QString err;
};

JobRun runJob(const QByteArray& job, const QString& directory) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code = runJobs(job, directory, outStream, errStream);
    outStream.flush();
    JobRun run{code, {}, err};
    for (const QString& line : out.split(u'\n', Qt::SkipEmptyParts))
        run.lines.push_back(QJsonDocument::fromJson(line.toUtf8()).object());
    return run;
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The header's date is the day's: it is compared apart.
QByteArray withoutDate(QByteArray record) {
    return record.replace(162, 81, QByteArray(81, '\0'));
}

// The program's main window, driven as the user drives it.
struct ProgramSession {
    test::ScriptedDialogs dialogs;
    QTemporaryDir config;
    EngineState engine;
    THauptfenster window{{QCoreApplication::applicationDirPath() + u'/',
                          IniFile(config.filePath(QStringLiteral("velmora.ini"))),
                          IniFile(config.filePath(QStringLiteral("mru.ini"))), config.path(), false,
                          &engine}};

    // The bytes the active result window saves.
    QByteArray savedResult(const QString& name) {
        TMDIChild* result = window.activeResultWindow();
        const std::optional<QString> path = result ? result->SaveFile(name) : std::nullopt;
        return path ? bytesOf(*path) : QByteArray();
    }
};

class JobRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::copy(QStringLiteral(VELMORA_SOURCE_DIR "/tests/windows/data/brunnen-sued.was"), water);
        QDir::setCurrent(dir.path());
    }
    void TearDown() override { QDir::setCurrent(QCoreApplication::applicationDirPath()); }

    QTemporaryDir dir;
    const QString water = dir.filePath(QStringLiteral("brunnen-sued.was"));
};

} // namespace

// The job saves the file that a user's clicks in the program save.
TEST_F(JobRunnerTest, ATemperatureJobWritesWhatTheDialogWrites) {
    const JobRun run = runJob(R"({"dialog": "TTemperaturdaten", "windows": ["brunnen-sued.was"],
                                  "fields": {"Tstart": "10", "Tend": "15", "Analyse": "Reihe"}})",
                              dir.path());
    ASSERT_EQ(run.exitCode, batchOk) << run.err.toStdString();
    ASSERT_EQ(run.lines.size(), 1u);
    const QJsonObject& line = run.lines[0];
    EXPECT_EQ(line[QStringLiteral("window")].toString(), QStringLiteral("Temperaturfenster"));
    EXPECT_EQ(line[QStringLiteral("title")].toString(), QStringLiteral("Reihe"));
    EXPECT_EQ(line[QStringLiteral("locale")].toString(), QStringLiteral("de_DE"));
    EXPECT_TRUE(line[QStringLiteral("messages")].toArray().isEmpty());
    EXPECT_FALSE(line[QStringLiteral("dialogOpen")].toBool());
    const QString saved = line[QStringLiteral("file")].toString();
    EXPECT_EQ(saved, dir.filePath(QStringLiteral("Reihe.wat")));

    // The same through the program's own window and dialog.
    ProgramSession gui;
    gui.window.OpenDataFile(water, false);
    gui.window.actions().temperatur->trigger();
    QDialog* dialog = gui.window.findChild<QDialog*>(QStringLiteral("TTemperaturdaten"));
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>(QStringLiteral("Tstart"))->setText(QStringLiteral("10"));
    dialog->findChild<QLineEdit*>(QStringLiteral("Tend"))->setText(QStringLiteral("15"));
    dialog->findChild<QLineEdit*>(QStringLiteral("Analyse"))->setText(QStringLiteral("Reihe"));
    dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click();
    EXPECT_TRUE(withoutDate(bytesOf(saved)) ==
                withoutDate(gui.savedResult(dir.filePath(QStringLiteral("gui")))));
}

TEST_F(JobRunnerTest, AMixingJobWritesWhatTheDialogWrites) {
    const QString river = dir.filePath(QStringLiteral("fluss.was"));
    QFile file(river);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        WaterRecord(AnalysisHeader(QStringLiteral("Fluss"), {}, {}, {}, {}), test::surfaceWater()).encode());
    file.close();
    const JobRun run =
        runJob(R"({"dialog": "TMischdaten", "windows": ["brunnen-sued.was", "fluss.was"], "page": 1,
                                  "fields": {"ListBox1": "Brunnen Süd", "ListBox2": "Fluss", "TrackBar1": 10,
                                             "TrackBar2": 90, "Analyse": "Reihe"}})",
               dir.path());
    ASSERT_EQ(run.exitCode, batchOk) << run.err.toStdString();
    const QString saved = run.lines.at(0)[QStringLiteral("file")].toString();

    ProgramSession gui;
    gui.window.OpenDataFile(water, false);
    gui.window.OpenDataFile(river, false);
    gui.window.actions().mischwasser->trigger();
    QDialog* dialog = gui.window.findChild<QDialog*>(QStringLiteral("TMischdaten"));
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QListWidget*>(QStringLiteral("ListBox1"))->setCurrentRow(0);
    dialog->findChild<QListWidget*>(QStringLiteral("ListBox2"))->setCurrentRow(1);
    dialog->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
    dialog->findChild<QSlider*>(QStringLiteral("TrackBar1"))->setValue(10);
    dialog->findChild<QSlider*>(QStringLiteral("TrackBar2"))->setValue(90);
    dialog->findChild<QLineEdit*>(QStringLiteral("Analyse"))->setText(QStringLiteral("Reihe"));
    dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click();
    const QByteArray expected = gui.savedResult(dir.filePath(QStringLiteral("gui")));
    ASSERT_EQ(expected.size(), 12408);
    EXPECT_TRUE(withoutDate(bytesOf(saved)) == withoutDate(expected));
}

TEST_F(JobRunnerTest, TreatmentJobsWriteWhatTheDialogsWrite) {
    const JobRun run = runJob(R"([
        {"dialog": "TKorrDaten", "windows": ["brunnen-sued.was"], "fields": {"o2": "6,5", "Analyse": "Netz"}},
        {"dialog": "TZugabeDaten", "windows": ["brunnen-sued.was"],
         "fields": {"RadioGroup1": 3, "cxin1": "0,1", "phin": "8.5", "Analyse": "Lauge"}}])",
                              dir.path());
    ASSERT_EQ(run.exitCode, batchOk) << run.err.toStdString();
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0][QStringLiteral("window")].toString(), QStringLiteral("Korrosionsfenster"));
    EXPECT_EQ(run.lines[0][QStringLiteral("file")].toString(), dir.filePath(QStringLiteral("Netz.wak")));
    EXPECT_EQ(run.lines[1][QStringLiteral("window")].toString(), QStringLiteral("Wasserfenster"));

    ProgramSession gui;
    gui.window.OpenDataFile(water, false);
    gui.window.actions().korrosion->trigger();
    QDialog* corrosion = gui.window.findChild<QDialog*>(QStringLiteral("TKorrDaten"));
    ASSERT_NE(corrosion, nullptr);
    corrosion->findChild<QLineEdit*>(QStringLiteral("o2"))->setText(QStringLiteral("6,5"));
    corrosion->findChild<QLineEdit*>(QStringLiteral("Analyse"))->setText(QStringLiteral("Netz"));
    corrosion->findChild<QPushButton*>(QStringLiteral("ok"))->click();
    EXPECT_TRUE(withoutDate(bytesOf(dir.filePath(QStringLiteral("Netz.wak")))) ==
                withoutDate(gui.savedResult(dir.filePath(QStringLiteral("gui")))));

    gui.window.OpenDataFile(water, false);
    gui.window.actions().zugabe->trigger();
    QDialog* dosing = gui.window.findChild<QDialog*>(QStringLiteral("TZugabeDaten"));
    ASSERT_NE(dosing, nullptr);
    dosing->findChild<QRadioButton*>(QStringLiteral("RadioGroup1Item3"))->click();
    dosing->findChild<QLineEdit*>(QStringLiteral("cxin1"))->setText(QStringLiteral("0,1"));
    dosing->findChild<QLineEdit*>(QStringLiteral("phin"))->setText(QStringLiteral("8,5"));
    dosing->findChild<QLineEdit*>(QStringLiteral("Analyse"))->setText(QStringLiteral("Lauge"));
    dosing->findChild<QPushButton*>(QStringLiteral("ok"))->click();
    const QByteArray expected = gui.savedResult(dir.filePath(QStringLiteral("gui")));
    ASSERT_EQ(expected.size(), 1584);
    EXPECT_TRUE(withoutDate(bytesOf(run.lines[1][QStringLiteral("file")].toString())) ==
                withoutDate(expected));
}

TEST_F(JobRunnerTest, TreatmentJobsAnswerQuestionsAndShowTheIterationWarning) {
    QFile soft(dir.filePath(QStringLiteral("quelle.was")));
    ASSERT_TRUE(soft.open(QIODevice::WriteOnly));
    soft.write(
        WaterRecord(AnalysisHeader(QStringLiteral("Quelle"), {}, {}, {}, {}), test::softWater()).encode());
    soft.close();
    const JobRun run = runJob(R"([
        {"dialog": "TEntsauDaten", "windows": ["brunnen-sued.was"], "fields": {"RadioGroup1": 2},
         "answers": ["no"]},
        {"dialog": "TEntsauDaten", "windows": ["quelle.was"], "fields": {"TrackBar1": 0}},
        {"dialog": "TEntsauDaten", "windows": ["quelle.was"], "fields": {"RadioGroup1": 0, "TrackBar1": 0, "Analyse": "Quelle entsäuert"},
         "click": ["ok", {"fields": {"TrackBar1": -1}}, "ok"], "save": "entsaeuert"}])",
                              dir.path());
    ASSERT_EQ(run.lines.size(), 3u) << run.err.toStdString();
    const QJsonArray asked = run.lines[0][QStringLiteral("messages")].toArray();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].toObject()[QStringLiteral("icon")].toString(), QStringLiteral("question"));
    EXPECT_TRUE(asked[0].toObject()[QStringLiteral("text")].toString().startsWith(
        QStringLiteral("Mindestens ein Wert des zu entsäuernden Wassers")));
    EXPECT_TRUE(run.lines[0][QStringLiteral("dialogOpen")].toBool());

    EXPECT_EQ(run.lines[1][QStringLiteral("visibleWarnings")].toArray(),
              QJsonArray{QStringLiteral(
                  "bitte wiederholen Sie die Berechnung\nmit einem anderen Iterationsintervall")});
    EXPECT_TRUE(run.lines[1][QStringLiteral("window")].isNull());

    EXPECT_EQ(run.lines[2][QStringLiteral("file")].toString(),
              dir.filePath(QStringLiteral("entsaeuert.was")));
    EXPECT_EQ(run.exitCode, batchOk);
}

TEST_F(JobRunnerTest, APlantJobNeedsNoWaterAndClicksTheButtonItNames) {
    const JobRun run = runJob(R"([
        {"dialog": "THEntDaten", "fields": {"Analyse": "Normal", "t": "4"}, "click": ["normal"]},
        {"dialog": "THEntDaten", "fields": {"Analyse": "Optimiert", "t": "4"}, "click": ["optimiert"]},
        {"dialog": "TSchnellDaten", "fields": {"Analyse": "", "Q": "0"}}])",
                              dir.path());
    ASSERT_EQ(run.lines.size(), 3u) << run.err.toStdString();
    EXPECT_EQ(run.lines[0][QStringLiteral("window")].toString(),
              QStringLiteral("H-Entcarbonisierungsfenster"));
    HDecarbonisationRecord normal;
    normal.decode(bytesOf(dir.filePath(QStringLiteral("Normal.whe"))));
    HDecarbonisationRecord optimised;
    optimised.decode(bytesOf(dir.filePath(QStringLiteral("Optimiert.whe"))));
    EXPECT_EQ(normal.design.time, 4.0);
    EXPECT_GT(optimised.design.time, 4.0);
    const QJsonArray told = run.lines[2][QStringLiteral("messages")].toArray();
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told[0].toObject()[QStringLiteral("text")].toString(),
              QStringLiteral("Bitte geben Sie einen Namen für die Analyse ein!"));
    EXPECT_EQ(run.lines[2][QStringLiteral("focus")].toString(), QStringLiteral("Analyse"));
    EXPECT_EQ(run.exitCode, batchRowFailed);
}

TEST_F(JobRunnerTest, FilterJobsAnswerTheirQuestionsAndInputBoxes) {
    const JobRun run = runJob(R"([
        {"dialog": "TAktivKohle", "fields": {"Ana": "Kohle", "VolumenStrom": "100"}, "answers": ["no"],
         "click": ["BerechnenBt", "Button1"]},
        {"dialog": "TFeMnForm", "fields": {"Ana": "Eisen", "Eisen": "1", "pHWert": "8", "Sauerstoff": "8",
         "WasserTemperatur": "10", "Filterschichthoehe": "1,5", "VolStrom": "100"}, "inputs": ["30", "12"],
         "click": ["Button1"]},
        {"dialog": "TFeMnForm", "fields": {"Ana": "Eisen", "VolStrom": "50"}, "click": ["Button1"]},
        {"dialog": "TSandfilter", "fields": {"Ana": "Sand", "TabControl1": 2, "FiltertypRG": 1,
         "VolumenstromE": "50"}, "click": ["Button1"]}])",
                              dir.path());
    ASSERT_EQ(run.lines.size(), 4u) << run.err.toStdString();
    const QString diameter =
        QStringLiteral("Der Durchmesser sollte weniger als 3600 mm betragen. Ist dieser größer, "
                       "empfiehlt sich eine Leistungsaufteilung.\n\r");
    EXPECT_EQ(
        run.lines[0][QStringLiteral("messages")].toArray(),
        (QJsonArray{
            QJsonObject{{QStringLiteral("icon"), QStringLiteral("information")},
                        {QStringLiteral("text"),
                         diameter + QStringLiteral("Weitere Informationen erhalten Sie in der Hilfe.")}},
            QJsonObject{{QStringLiteral("icon"), QStringLiteral("information")},
                        {QStringLiteral("text"), diameter + QStringLiteral("Möchten Sie fortfahren?")}}}));
    EXPECT_EQ(run.lines[0][QStringLiteral("visibleWarnings")].toArray(),
              QJsonArray{QStringLiteral("!! Bitte ändern Sie die Leistungsaufteilung !!")});
    EXPECT_TRUE(run.lines[0][QStringLiteral("dialogOpen")].toBool());
    EXPECT_EQ(run.lines[0][QStringLiteral("focus")].toString(), QStringLiteral("Leistung"));

    EXPECT_EQ(run.lines[1][QStringLiteral("inputBoxes")].toArray(),
              (QJsonArray{QStringLiteral("Filtrationsgeschwindigkeit"),
                          QStringLiteral("Filtrationsgeschwindigkeit")}));
    IronFilterRecord iron;
    iron.decode(bytesOf(dir.filePath(QStringLiteral("Eisen.wff"))));
    EXPECT_EQ(iron.design.chosenVelocity, 12.0);
    EXPECT_EQ(iron.design.pressureFilter, 1);
    // The report hands its inputs back; the input box it needs again is cancelled when the inputs run out.
    EXPECT_EQ(run.lines[2][QStringLiteral("inputBoxes")].toArray().size(), 1);
    EXPECT_TRUE(run.lines[2][QStringLiteral("window")].isNull());

    SandFilterRecord sand;
    sand.decode(bytesOf(dir.filePath(QStringLiteral("Sand.wsf"))));
    EXPECT_EQ(sand.head.index, 2);
    EXPECT_EQ(sand.velocity, 12.0); // the preset of this kind in a pressure filter
    EXPECT_EQ(sand.pressureFilter, 1);
    EXPECT_EQ(run.exitCode, batchOk);
}

TEST_F(JobRunnerTest, MessagesFocusAndASeriesOfJobsInOneSession) {
    QFile::copy(water, dir.filePath(QStringLiteral("zweites.was")));
    const JobRun run = runJob(R"([
        {"dialog": "TTemperaturdaten", "windows": ["brunnen-sued.was"], "fields": {"Tstart": "30", "Tend": "20"}},
        {"dialog": "TMischdaten", "windows": ["zweites.was"], "page": 1,
         "fields": {"ListBox1": "Brunnen Süd", "ListBox2": "Brunnen Süd-0", "TrackBar1": 20, "TrackBar2": 80,
                    "Analyse": "Verschnitt"}, "save": "verschnitt"}])",
                              dir.path());
    ASSERT_EQ(run.exitCode, batchOk) << run.err.toStdString();
    ASSERT_EQ(run.lines.size(), 2u);
    const QJsonArray messages = run.lines[0][QStringLiteral("messages")].toArray();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].toObject()[QStringLiteral("icon")].toString(), QStringLiteral("error"));
    EXPECT_EQ(messages[0].toObject()[QStringLiteral("text")].toString(),
              QStringLiteral("Bitte geben Sie einen gültigen Temperaturbereich an"));
    EXPECT_TRUE(run.lines[0][QStringLiteral("dialogOpen")].toBool());
    EXPECT_TRUE(run.lines[0][QStringLiteral("window")].isNull());
    EXPECT_EQ(run.lines[1][QStringLiteral("window")].toString(), QStringLiteral("Mischwasserfenster"));
    EXPECT_EQ(run.lines[1][QStringLiteral("file")].toString(),
              dir.filePath(QStringLiteral("verschnitt.wam")));
    EXPECT_EQ(bytesOf(dir.filePath(QStringLiteral("verschnitt.wam"))).size(), 12408);
}

TEST_F(JobRunnerTest, UnusableJobsExitWith2) {
    const std::pair<const char*, const char*> jobs[] = {
        {"{", "Kein gültiges JSON (Byte 1).\n"},
        {"17", "Ein Auftrag ist ein JSON-Objekt oder ein Array davon.\n"},
        {R"({"dialog": "TUnbekannt"})", "Unbekannter Dialog „TUnbekannt“.\n"},
        {R"({"dialog": "TTemperaturdaten", "windows": ["brunnen-sued.was"], "fields": {"gibtsnicht": "1"}})",
         "Das Feld „gibtsnicht“ gibt es im Dialog nicht.\n"},
        // Without a water window the command is disabled, as it is for a user.
        {R"({"dialog": "TTemperaturdaten"})", "Der Dialog „TTemperaturdaten“ wurde nicht gezeigt.\n"},
        {R"({"dialog": "TMischdaten", "windows": ["fehlt.was"]})",
         "Die Datei „fehlt.was“ konnte nicht geöffnet werden.\n"},
    };
    for (const auto& [job, message] : jobs) {
        const JobRun run = runJob(job, dir.path());
        EXPECT_EQ(run.exitCode, batchUnusable) << job;
        EXPECT_EQ(run.err.toStdString(), message) << job;
    }
}

// The example jobs of the README run on the water files the example analyses give.
TEST_F(JobRunnerTest, TheExampleJobsRun) {
    QDir(dir.path()).mkdir(QStringLiteral("Daten"));
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    QBuffer noInput;
    ASSERT_EQ(runBatchCommand({QStringLiteral("evaluate"), QStringLiteral("--save-dir"),
                               QStringLiteral("Daten"), QStringLiteral(VELMORA_EXAMPLES_DIR "/analysen.csv")},
                              outStream, errStream, noInput),
              batchOk);
    for (const char* job : {"temperatur-job.json", "mischung-job.json", "aufbereitung-jobs.json",
                            "anlagen-jobs.json", "filter-jobs.json"}) {
        const JobRun run =
            runJob(bytesOf(QStringLiteral(VELMORA_EXAMPLES_DIR "/") + QString::fromLatin1(job)), dir.path());
        EXPECT_EQ(run.exitCode, batchOk) << job << run.err.toStdString();
        for (const QJsonObject& line : run.lines)
            EXPECT_FALSE(line[QStringLiteral("file")].isNull()) << job;
    }
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Brunnen 1 Temperaturreihe.wat"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Verschnitt Brunnen 1 und 2.wam"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Brunnen 1 zu 2 wie 1 zu 3.was"))));
    for (const char* treated : {"Brunnen 1 Korrosion.wak", "Brunnen 2 entsäuert.was",
                                "Brunnen 1 entcarbonisiert.was", "Talsperre mit Natronlauge.was"})
        EXPECT_TRUE(QFile::exists(dir.filePath(QString::fromUtf8(treated)))) << treated;
    for (const char* filter :
         {"Aktivkohle Werk Ost.waf", "Enteisenung Brunnen 1.wff", "Sandfilter Werk Ost.wsf"})
        EXPECT_TRUE(QFile::exists(dir.filePath(QString::fromUtf8(filter)))) << filter;
}
