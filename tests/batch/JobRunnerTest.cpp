#include "batch/JobRunner.h"

#include "app/IniFile.h"
#include "app/THauptfenster.h"
#include "batch/BatchCommand.h"
#include "engine/Engine.h"
#include "ScriptedDialogs.h"
#include "windows/TMDIChild.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
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
    test::ScriptedDialogs dialogs;
    QTemporaryDir config;
    EngineState engine;
    THauptfenster window({QCoreApplication::applicationDirPath() + u'/',
                          IniFile(config.filePath(QStringLiteral("velmora.ini"))),
                          IniFile(config.filePath(QStringLiteral("mru.ini"))), config.path(), false,
                          &engine});
    window.OpenDataFile(water, false);
    window.actions().temperatur->trigger();
    QDialog* dialog = window.findChild<QDialog*>(QStringLiteral("TTemperaturdaten"));
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>(QStringLiteral("Tstart"))->setText(QStringLiteral("10"));
    dialog->findChild<QLineEdit*>(QStringLiteral("Tend"))->setText(QStringLiteral("15"));
    dialog->findChild<QLineEdit*>(QStringLiteral("Analyse"))->setText(QStringLiteral("Reihe"));
    dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click();
    ASSERT_NE(window.activeResultWindow(), nullptr);
    const std::optional<QString> gui =
        window.activeResultWindow()->SaveFile(dir.filePath(QStringLiteral("gui")));
    ASSERT_TRUE(gui.has_value());
    EXPECT_TRUE(withoutDate(bytesOf(saved)) == withoutDate(bytesOf(*gui)));
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
    ASSERT_EQ(runBatchCommand({QStringLiteral("evaluate"), QStringLiteral("--save-dir"),
                               QStringLiteral("Daten"), QStringLiteral(VELMORA_EXAMPLES_DIR "/analysen.csv")},
                              outStream, errStream, [] { return QByteArray(); }),
              batchOk);
    for (const char* job : {"temperatur-job.json", "mischung-job.json"}) {
        const JobRun run =
            runJob(bytesOf(QStringLiteral(VELMORA_EXAMPLES_DIR "/") + QString::fromLatin1(job)), dir.path());
        EXPECT_EQ(run.exitCode, batchOk) << job << run.err.toStdString();
        for (const QJsonObject& line : run.lines)
            EXPECT_FALSE(line[QStringLiteral("file")].isNull()) << job;
    }
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Brunnen 1 Temperaturreihe.wat"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Verschnitt Brunnen 1 und 2.wam"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Brunnen 1 zu 2 wie 1 zu 3.was"))));
}
