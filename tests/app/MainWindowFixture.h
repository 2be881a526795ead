#pragma once

#include "app/MainActions.h"
#include "app/THauptfenster.h"
#include "engine/Engine.h"
#include "ScriptedDialogs.h"
#include "TemplateFolder.h"
#include "windows/WaterRecord.h"

#include <gtest/gtest.h>
#include <memory>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <utility>
#include <vector>

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

    /// Every calculation dialog: the command that shows it and the help page it names.
    std::vector<std::pair<QAction*, QString>> dialogCommands() const {
        const MainActions& a = window->actions();
        const std::pair<QAction*, const char*> commands[] = {
            {a.neu, "eingabe.htm"},
            {a.mischwasser, "mischwasser.htm"},
            {a.temperatur, "temperatur.htm"},
            {a.zugabe, "saeurelauge.htm"},
            {a.korrosion, "korrosion.htm"},
            {a.entsaeuerung, "entsaeuerung.htm"},
            {a.entcarbonisierung, "entcarbonisierung.htm"},
            {a.schnellentcarbonisierung, "schnellentcarbonisierung.htm"},
            {a.hEntcarbonisierung, "h-entcarbonisierung.htm"},
            {a.enthaertung, "enthaertung.htm"},
            {a.aktivkohlefilter, "aktivkohlefilter.htm"},
            {a.enteisenungsfilter, "enteisenungsfilter.htm"},
            {a.sandfilter, "sandfilter.htm"},
        };
        std::vector<std::pair<QAction*, QString>> list;
        for (const auto& [command, page] : commands)
            list.emplace_back(command, QString::fromLatin1(page));
        return list;
    }

    /// The dialog a command has shown; nullptr when none is.
    QDialog* shownDialog() const {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget != window.get() && widget->isVisible())
                if (auto* dialog = qobject_cast<QDialog*>(widget))
                    return dialog;
        return nullptr;
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
