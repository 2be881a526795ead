#pragma once

#include "app/THauptfenster.h"
#include "engine/Engine.h"
#include "ScriptedDialogs.h"
#include "TemplateFolder.h"
#include "windows/WaterRecord.h"

#include <gtest/gtest.h>
#include <memory>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace velmora::test {

/// A main window of its own for each test: program folder with the shipped templates (the import
/// template among them), configuration and data in temporary folders, every dialog answered by the script.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const QDir shipped(QStringLiteral(VELMORA_SOURCE_DIR "/Vorlagen"));
        for (const QString& name : shipped.entryList(QDir::Files))
            QFile::copy(shipped.filePath(name), program.path() + QStringLiteral("Vorlagen/") + name);
        createWindow();
    }

    void createWindow() {
        window = std::make_unique<THauptfenster>(THauptfenster::Settings{
            program.path(), IniFile(config.filePath(QStringLiteral("velmora.ini"))),
            IniFile(config.filePath(QStringLiteral("mru.ini"))), dataHome.path(), false, &engine});
    }

    /// A data file with the given name in the data folder.
    QString dataFile(const QString& name, const QByteArray& content = "x") {
        const QString path = data.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return path;
    }

    /// A water file named `name` in the data folder whose analysis is called `analysis`.
    QString waterFile(const QString& name, const QString& analysis = QStringLiteral("Analyse")) {
        return dataFile(name, WaterRecord(AnalysisHeader(analysis, {}, {}, {}, {}), {}).encode());
    }

    ScriptedDialogs dialogs;
    EngineState engine;
    ProgramFolder program;
    QTemporaryDir config;
    QTemporaryDir dataHome;
    QTemporaryDir data;
    std::unique_ptr<THauptfenster> window;
};

/// The fixture with the main window shown and active, as the user works with it.
class ShownMainWindowFixture : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        showWindow();
    }

    void showWindow() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
};

} // namespace velmora::test
