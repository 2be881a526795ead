#include "app/ResultWindowClasses.h"
#include "app/THauptfenster.h"
#include "app/TInfoBox.h"
#include "app/TOptionenF.h"
#include "app/TrayController.h"
#include "common/DelimitedText.h"
#include "engine/Engine.h"
#include "LibreOffice.h"
#include "MainWindowFixture.h"
#include "Mnemonics.h"
#include "ScriptedDialogs.h"
#include "sheet/view/SheetBook.h"
#include "sheet/view/SheetView.h"
#include "TemplateFolder.h"
#include "windows/TEingabeform.h"
#include "windows/TMDIChild.h"
#include "windows/TWasserF.h"
#include "windows/WaterRecord.h"
#include "windows/WindowType.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace velmora;

namespace {

class MainWindowTest : public test::MainWindowFixture {
protected:
    TMDIChild* open(const QString& name) {
        window->OpenDataFile(waterFile(name));
        return window->activeResultWindow();
    }

    const MainActions& actions() const { return window->actions(); }
};

} // namespace

// The actions follow the enabling table: every command the event changes has the table's state.
void expectCommands(const MainActions& actions, const CommandChanges& changes) {
    for (std::size_t i = 0; i < changes.size(); ++i) {
        if (!changes[i])
            continue;
        const QAction* action = actions.command(Command(i));
        EXPECT_EQ(action->isEnabled(), changes[i]->enabled) << action->objectName().toStdString();
        if (!changes[i]->text.isEmpty()) {
            EXPECT_EQ(action->text(), changes[i]->text);
        }
    }
}

TEST_F(MainWindowTest, StartsWithTheWindowCommandsDisabled) {
    expectCommands(actions(), commandsAtStart());
    for (QAction* command :
         {actions().schnellentcarbonisierung, actions().hEntcarbonisierung, actions().enthaertung,
          actions().aktivkohlefilter, actions().enteisenungsfilter, actions().sandfilter})
        EXPECT_TRUE(command->isEnabled()) << command->objectName().toStdString();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Velmora Version 2.0"));
    EXPECT_EQ(window->findChild<QComboBox*>(QStringLiteral("zoomBox"))->currentText(),
              QStringLiteral("100 %"));
}

TEST_F(MainWindowTest, EnablingFollowsTheActiveWindowType) {
    ASSERT_NE(open(QStringLiteral("a.was")), nullptr);
    expectCommands(actions(), commandsOnActivation(&windowTypeOf(WindowKind::Water)));
    EXPECT_TRUE(actions().korrosion->isEnabled());
    // Opening "&Berechnen" enables the mixing whenever a window is open.
    actions().mischwasser->setEnabled(false);
    Q_EMIT actions().berechnenMenu->aboutToShow();
    EXPECT_TRUE(actions().mischwasser->isEnabled());
}

TEST_F(MainWindowTest, ClosingAWaterWindowDisablesTheWaterCommands) {
    open(QStringLiteral("a.was"));
    EXPECT_TRUE(actions().alleSchliessen->isEnabled());
    window->workspace()->closeActiveSubWindow();
    EXPECT_FALSE(actions().temperatur->isEnabled());
    EXPECT_FALSE(actions().speichernUnter->isEnabled());
    QCoreApplication::processEvents();
    EXPECT_FALSE(actions().alleSchliessen->isEnabled());
    EXPECT_TRUE(window->workspace()->subWindowList().isEmpty() ||
                window->workspace()->subWindowList().front()->isHidden());
}

TEST_F(MainWindowTest, EachWindowRemembersItsZoom) {
    auto* zoomBox = window->findChild<QComboBox*>(QStringLiteral("zoomBox"));
    TMDIChild* first = open(QStringLiteral("a.was"));
    QMdiSubWindow* firstSub = window->workspace()->activeSubWindow();
    zoomBox->setCurrentIndex(14);
    Q_EMIT zoomBox->activated(14);
    EXPECT_EQ(first->ZoomIndex, 14);
    EXPECT_EQ(first->Book()->viewScale(), 60);

    open(QStringLiteral("b.was"));
    EXPECT_EQ(zoomBox->currentText(), QStringLiteral("100 %"));
    window->workspace()->setActiveSubWindow(firstSub);
    EXPECT_EQ(zoomBox->currentText(), QStringLiteral("60 %"));
}

TEST_F(MainWindowTest, AFileIsOpenOnceAndUnknownFilesAreIgnored) {
    const QString path = waterFile(QStringLiteral("Brunnen.was"), QStringLiteral("Brunnen"));
    window->OpenDataFile(path);
    QFile::link(path, data.filePath(QStringLiteral("verweis.was")));
    window->OpenDataFile(data.filePath(QStringLiteral("verweis.was")));
    window->OpenDataFile(dataFile(QStringLiteral("notiz.txt")));
    window->OpenDataFile(data.filePath(QStringLiteral("fehlt.was")));
    window->OpenDataFile(dataFile(QStringLiteral("gross.WAS.bak")));
    ASSERT_EQ(window->workspace()->subWindowList().size(), 1);
    TMDIChild* opened = window->activeResultWindow();
    EXPECT_EQ(opened->FileName, QFileInfo(path).canonicalFilePath());
    EXPECT_EQ(opened->caption(), QStringLiteral("Brunnen"));
    EXPECT_EQ(window->recentFiles().paths(), QStringList{QFileInfo(path).canonicalFilePath()});
    // A desktop written in capitals is no desktop and no data file.
    window->handlePath(dataFile(QStringLiteral("Sitzung.WDT")));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowTest, PathsFromASecondInstanceWaitForTheWindowToShow) {
    const QString path = waterFile(QStringLiteral("spaet.was"));
    window->pathFromSecondInstance(path);
    EXPECT_TRUE(window->workspace()->subWindowList().isEmpty());
    window->show();
    window->pathFromSecondInstance(path);
    EXPECT_EQ(window->workspace()->subWindowList().size(), 1);
}

TEST_F(MainWindowTest, ClosingAsksEveryUnsavedWindowAndCancelKeepsTheProgram) {
    TMDIChild* unsaved = open(QStringLiteral("a.was"));
    unsaved->Saved = false;
    window->show();
    dialogs.answers = {DialogSeam::Answer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->workspace()->subWindowList().front()->isHidden());

    EXPECT_TRUE(window->close());
    IniFile profile(config.filePath(QStringLiteral("velmora.ini")));
    EXPECT_EQ(profile.read(QStringLiteral("Explorer"), QStringLiteral("Zustand")), QStringLiteral("1"));
    IniFile mru(config.filePath(QStringLiteral("mru.ini")));
    EXPECT_FALSE(mru.read(QStringLiteral("MRUList"), QStringLiteral("H0")).isEmpty());
}

TEST_F(MainWindowTest, HelpAndBookGoThroughTheShell) {
    actions().hilfe->trigger();
    ASSERT_EQ(dialogs.openedUrls.size(), 1u);
    EXPECT_EQ(dialogs.openedUrls[0].toLocalFile(), program.path() + QStringLiteral("Hilfe/index.htm"));

    actions().buch->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Das Dokument ist nicht verfügbar!"));

    QFile book(program.path() + QStringLiteral("Velmora"));
    ASSERT_TRUE(book.open(QIODevice::WriteOnly));
    book.close();
    dialogs.urlOpens = false;
    actions().buch->trigger();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[1].text.startsWith(
        QStringLiteral("Das Dokument konnte nicht geöffnet werden.\r\n")));
}

TEST_F(MainWindowTest, TheProjectMenuCaptionFollowsTheExplorer) {
    auto* explorer = window->findChild<QTabWidget*>(QStringLiteral("explorer"));
    window->show();
    Q_EMIT actions().projektMenu->aboutToShow();
    EXPECT_EQ(actions().projektverwaltung->text(), QStringLiteral("Projekt&verwaltung ausblenden"));
    actions().explorerUmschalten->trigger();
    EXPECT_TRUE(explorer->isHidden());
    Q_EMIT actions().projektMenu->aboutToShow();
    EXPECT_EQ(actions().projektverwaltung->text(), QStringLiteral("Projekt&verwaltung einblenden"));
    actions().projektverwaltung->trigger();
    EXPECT_FALSE(explorer->isHidden());
    EXPECT_EQ(explorer->currentIndex(), 0);
    explorer->setCurrentIndex(1);
    Q_EMIT actions().projektMenu->aboutToShow();
    EXPECT_EQ(actions().projektverwaltung->text(), QStringLiteral("Projekt&verwaltung anzeigen"));
    EXPECT_FALSE(actions().projektLoeschen->isEnabled());
}

TEST_F(MainWindowTest, OptionsCheckTheDataDirectoryAndStoreTheirValues) {
    auto* options = window->findChild<TOptionenF*>();
    ASSERT_NE(options, nullptr);
    options->prepare(false);
    auto* dataField = options->findChild<QLineEdit*>(QStringLiteral("datenverzeichnis"));
    auto* projectField = options->findChild<QLineEdit*>(QStringLiteral("projektverzeichnis"));
    auto* tray = options->findChild<QCheckBox*>(QStringLiteral("minimizeToTray"));
    IniFile profile(config.filePath(QStringLiteral("velmora.ini")));

    dataField->setText(QStringLiteral("/gibt/es/nicht"));
    options->speichernClick();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Bitte geben Sie ein gültiges Datenverzeichnis an!"));
    EXPECT_EQ(profile.read(QStringLiteral("Verzeichnisse"), QStringLiteral("Datenverzeichnis")),
              program.path());

    dataField->clear();
    tray->setChecked(true);
    options->speichernClick();
    EXPECT_EQ(profile.read(QStringLiteral("Verzeichnisse"), QStringLiteral("Datenverzeichnis")),
              program.path());
    EXPECT_EQ(profile.read(QStringLiteral("System"), QStringLiteral("MinimizeToTray")), QStringLiteral("1"));
    EXPECT_TRUE(window->tray().isOn());

    // A new project directory: the projects move there on Yes.
    QFile project(program.path() + QStringLiteral("Kläranlage.wpr"));
    ASSERT_TRUE(project.open(QIODevice::WriteOnly));
    project.close();
    options->prepare(true);
    tray->setChecked(false);
    projectField->setText(data.path());
    dialogs.answers = {DialogSeam::Answer::Yes};
    options->speichernClick();
    EXPECT_TRUE(QFile::exists(data.filePath(QStringLiteral("Kläranlage.wpr"))));
    EXPECT_FALSE(QFile::exists(program.path() + QStringLiteral("Kläranlage.wpr")));
    EXPECT_EQ(window->directories().projects, data.path());
    EXPECT_FALSE(window->tray().isOn());
    EXPECT_EQ(profile.read(QStringLiteral("System"), QStringLiteral("MinimizeToTray")), QStringLiteral("0"));
}

TEST_F(MainWindowTest, WithoutANotificationAreaMinimisingStaysOnTheTaskBar) {
    window->tray().setOn(true);
    window->show();
    window->showMinimized();
    EXPECT_FALSE(window->tray().isInTray());
}

TEST_F(MainWindowTest, ARecentEntryOfADeletedFileIsRemovedWhenChosen) {
    const QString path = waterFile(QStringLiteral("weg.was"));
    window->OpenDataFile(path);
    window->workspace()->closeAllSubWindows();
    QFile::remove(path);
    QMenu* recent = window->findChild<QMenu*>(QStringLiteral("zuletzt"));
    ASSERT_EQ(recent->actions().size(), 1);
    recent->actions().front()->trigger();
    EXPECT_TRUE(window->recentFiles().paths().isEmpty());
    EXPECT_FALSE(recent->isEnabled());
}

namespace {

// The main window with the shipped water template and the real window types.
class WaterMainWindowTest : public MainWindowTest {
protected:
    // "&Neu...", then "&Berechnen" with the dialog's texts as they are.
    TWasserF* calculate(const QString& name) {
        window->actions().neu->trigger();
        window->analysisDialog().findChild<QLineEdit*>(QStringLiteral("Analyse"))->setText(name);
        window->analysisDialog().BitBtn1Click();
        return dynamic_cast<TWasserF*>(window->activeResultWindow());
    }
};

} // namespace

TEST_F(WaterMainWindowTest, NewCalculatesIntoAFilledWaterWindow) {
    TWasserF* water = calculate(QStringLiteral("Brunnen"));
    ASSERT_NE(water, nullptr);
    EXPECT_EQ(water->caption(), QStringLiteral("Brunnen"));
    EXPECT_EQ(water->FileName, QStringLiteral("NONAME1.was"));
    EXPECT_FALSE(water->Saved);
    EXPECT_EQ(water->Book()->getCellText(5, 2), QStringLiteral("Brunnen"));
    EXPECT_EQ(water->Book()->getCellText(11, 2), QStringLiteral("7.000"));
    EXPECT_TRUE(window->actions().temperatur->isEnabled());
    for (const auto& message : dialogs.messages)
        ADD_FAILURE() << message.text.toStdString();

    // A second analysis of the same name gets a title of its own.
    TWasserF* second = calculate(QStringLiteral("Brunnen"));
    EXPECT_NE(second, water);
    EXPECT_TRUE(second->caption().startsWith(QStringLiteral("Brunnen-")));
}

TEST_F(WaterMainWindowTest, AnAnalysisWithoutRootIsToldAndStillShown) {
    window->actions().neu->trigger();
    TEingabeform& dialog = window->analysisDialog();
    dialog.selectItem(6);
    dialog.findChild<QLineEdit*>(QStringLiteral("mWert"))->setText(QStringLiteral("900"));
    dialog.BitBtn1Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, DialogSeam::Icon::Information);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("Genauigkeit nicht erreicht")));
    EXPECT_NE(window->activeWaterSource(), nullptr);
}

TEST_F(WaterMainWindowTest, SaveAsWritesTheTypeOrExportsAndRemembersTheFilter) {
    TWasserF* water = calculate(QStringLiteral("A/B: 1"));
    ASSERT_NE(water, nullptr);
    const QString typed = data.filePath(QStringLiteral("test.txt"));
    dialogs.saveAnswers = {typed + QStringLiteral("|Wasserdateien (*.was)")};
    window->actions().speichernUnter->trigger();
    ASSERT_EQ(dialogs.saveProposals.size(), 1u);
    EXPECT_EQ(dialogs.saveProposals[0], QDir(window->directories().data).filePath(QStringLiteral("AB 1")));
    // The window and the recent list name the file that was written.
    const QString written = data.filePath(QStringLiteral("test.was"));
    EXPECT_TRUE(QFile::exists(written));
    EXPECT_FALSE(QFile::exists(typed));
    EXPECT_EQ(water->FileName, written);
    EXPECT_TRUE(water->Saved);
    EXPECT_EQ(window->recentFiles().paths(), QStringList{written});

    // An export leaves the window unsaved and stays out of the recent list, which holds only files
    // the program opens; the chosen entry is proposed next time.
    water->Saved = false;
    dialogs.saveAnswers = {data.filePath(QStringLiteral("bericht.htm")) +
                           QStringLiteral("|HTML Dateien (*.htm)")};
    window->actions().speichernUnter->trigger();
    EXPECT_TRUE(QFile::exists(data.filePath(QStringLiteral("bericht.htm"))));
    EXPECT_FALSE(water->Saved);
    EXPECT_EQ(window->recentFiles().paths(), QStringList{written});

    // Cancelling changes nothing.
    window->actions().speichernUnter->trigger();
    EXPECT_EQ(window->recentFiles().paths(), QStringList{written});
    EXPECT_EQ(water->FileName, data.filePath(QStringLiteral("bericht.htm")));
}

TEST_F(WaterMainWindowTest, ANameTypedWithoutExtensionGetsTheChosenEntrysExtension) {
    TWasserF* water = calculate(QStringLiteral("Brunnen"));
    ASSERT_NE(water, nullptr);
    const std::pair<const char*, const char*> choices[] = {
        {"Wasserdateien (*.was)", "probe.was"},      {"Excel 5 und 7/95 (*.xls)", "probe.xls"},
        {"Excel 97/Excel 8 (*.xls)", "probe.xls"},   {"HTML Dateien (*.htm)", "probe.htm"},
        {"Text mit Tabulator (*.txt)", "probe.txt"}, {"Excel 2007-365 Dateien (*.xlsx)", "probe.xlsx"},
    };
    for (const auto& [filter, written] : choices) {
        QFile::remove(data.filePath(QString::fromLatin1(written)));
        dialogs.saveAnswers = {data.filePath(QStringLiteral("probe|")) + QString::fromUtf8(filter)};
        window->actions().speichernUnter->trigger();
        EXPECT_TRUE(QFile::exists(data.filePath(QString::fromLatin1(written)))) << filter;
        EXPECT_FALSE(QFile::exists(data.filePath(QStringLiteral("probe")))) << filter;
        EXPECT_EQ(water->FileName, data.filePath(QString::fromLatin1(written))) << filter;
    }
    EXPECT_EQ(window->recentFiles().paths(), QStringList{data.filePath(QStringLiteral("probe.was"))});
}

// Another spreadsheet program reads the exported workbook with the texts the window shows.
TEST_F(WaterMainWindowTest, LibreOfficeShowsTheXlsxExportWithTheWindowsTexts) {
    if (!test::hasLibreOffice())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed; the export is not compared with it";
    TWasserF* water = calculate(QStringLiteral("Brunnen Süd"));
    ASSERT_NE(water, nullptr);
    dialogs.saveAnswers = {data.filePath(QStringLiteral("bericht|Excel 2007-365 Dateien (*.xlsx)"))};
    window->actions().speichernUnter->trigger();
    const QString csv = test::convertWithLibreOffice(
        data.filePath(QStringLiteral("bericht.xlsx")),
        QStringLiteral("csv:Text - txt - csv (StarCalc):9,34,76,1,,0,false,true,true"), QStringLiteral("csv"),
        data.path());
    ASSERT_FALSE(csv.isEmpty()) << "LibreOffice made no file";
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::vector<QStringList> rows = splitDelimited(QString::fromUtf8(file.readAll()), u'\t');
    const sheet::Sheet& shown = water->Book()->workbook().sheet(0);
    const sheet::CellRange used = shown.usedRange();
    for (int row = 1; row <= used.bottom; ++row)
        for (int column = 1; column <= used.right; ++column) {
            const QStringList fields =
                std::size_t(row) <= rows.size() ? rows[std::size_t(row - 1)] : QStringList();
            EXPECT_EQ(fields.value(column - 1), shown.text({row, column}))
                << sheet::cellReference({row, column}).toStdString();
        }
    EXPECT_LE(rows.size(), std::size_t(used.bottom));
}

TEST_F(WaterMainWindowTest, TheWaterIsTheSourceOfTheNextAnalysis) {
    window->actions().neu->trigger();
    TEingabeform& dialog = window->analysisDialog();
    dialog.selectItem(6);
    dialog.findChild<QLineEdit*>(QStringLiteral("Analyse"))->setText(QStringLiteral("Mischung"));
    dialog.BitBtn1Click();
    window->actions().neu->trigger();
    EXPECT_TRUE(dialog.findChild<QRadioButton*>(QStringLiteral("RadioGroup1Item6"))->isChecked());
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("Analyse"))->text(), QStringLiteral("Mischung"));
    dialog.reject();
}

TEST_F(MainWindowTest, TheAboutBoxLinksOpenThroughTheShell) {
    window->show();
    actions().info->trigger();
    auto* about = window->findChild<TInfoBox*>();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(window->menuBar()->isEnabled());
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("version"))->text(),
              QStringLiteral("2.0 - 14.06.2006"));

    auto* mail = about->findChild<QLabel*>(QStringLiteral("mail"));
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(mail, &enter);
    EXPECT_TRUE(mail->styleSheet().contains(QStringLiteral("red")));
    QTest::mouseClick(mail, Qt::LeftButton);
    ASSERT_EQ(dialogs.openedUrls.size(), 1u);
    EXPECT_EQ(dialogs.openedUrls[0].scheme(), QStringLiteral("mailto"));
    EXPECT_TRUE(dialogs.openedUrls[0].query().contains(QStringLiteral("subject=Velmora")));
    QTest::mouseClick(about->findChild<QLabel*>(QStringLiteral("webseite")), Qt::LeftButton);
    EXPECT_EQ(dialogs.openedUrls.size(), 2u);

    about->accept();
    EXPECT_TRUE(window->menuBar()->isEnabled());
}

TEST_F(WaterMainWindowTest, AShortWaterFileLeavesNoWindowAndNoRecentEntry) {
    const QString path = dataFile(QStringLiteral("kurz.was"), QByteArray(1583, '\0'));
    window->OpenDataFile(path);
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Die Datei %1 konnte nicht geöffnet werden").arg(path));
    EXPECT_TRUE(window->recentFiles().paths().isEmpty());
    for (const QMdiSubWindow* sub : window->workspace()->subWindowList())
        EXPECT_TRUE(sub->isHidden());

    // One of 1600 bytes loads; the tail is ignored.
    window->OpenDataFile(dataFile(QStringLiteral("kurz.was"), QByteArray(1600, '\0')));
    EXPECT_NE(window->activeWaterSource(), nullptr);
    EXPECT_EQ(window->recentFiles().paths().size(), 1);
}

TEST_F(MainWindowTest, EveryResultSheetOffersTheClipboardCommands) {
    TMDIChild* water = open(QStringLiteral("a.was"));
    const QList<QAction*> menu = water->Book()->view()->actions();
    EXPECT_EQ(menu, (QList<QAction*>{actions().ausschneiden, actions().kopieren, actions().einfuegen}));
    EXPECT_EQ(water->Book()->view()->contextMenuPolicy(), Qt::ActionsContextMenu);
}

TEST_F(MainWindowTest, EveryAltKeyOfTheOptionsAndTheAboutBoxLeadsToOneControl) {
    EXPECT_EQ(test::mnemonicClashes(*window->findChild<TOptionenF*>()), QStringList());
    EXPECT_EQ(test::mnemonicClashes(*window->findChild<TInfoBox*>()), QStringList());
}

// A series saved by an earlier run opens into its window, fills its template and saves the same bytes.
TEST_F(MainWindowTest, MixingAndTemperatureFilesOpenIntoTheirWindows) {
    const struct {
        const char* file;
        WindowKind kind;
        const char* caption; // both series are named alike: the second gets the program-wide counter
    } files[] = {{"mischung.wam", WindowKind::Mixing, "Mischung Süd/Fluss"},
                 {"temperatur.wat", WindowKind::Temperature, "Mischung Süd/Fluss-"}};
    for (const auto& [file, kind, caption] : files) {
        SCOPED_TRACE(file);
        QFile golden(QStringLiteral(VELMORA_SOURCE_DIR "/tests/variations/data/") +
                     QString::fromLatin1(file));
        ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
        const QByteArray bytes = golden.readAll();
        window->OpenDataFile(dataFile(QString::fromLatin1(file), bytes));
        TMDIChild* opened = window->activeResultWindow();
        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(opened->type().kind, kind);
        EXPECT_TRUE(opened->caption().startsWith(QString::fromUtf8(caption)))
            << opened->caption().toStdString();
        EXPECT_TRUE(dialogs.messages.empty());
        for (int row = 1; row <= 120; ++row)
            for (int column = 1; column <= 20; ++column)
                EXPECT_FALSE(opened->Book()->getCellText(row, column).startsWith(u'*'))
                    << row << "/" << column << ": " << opened->Book()->getCellText(row, column).toStdString();
        const std::optional<QString> saved = opened->SaveFile(data.filePath(QStringLiteral("kopie")));
        ASSERT_TRUE(saved.has_value());
        QFile copy(*saved);
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_TRUE(copy.readAll() == bytes);
    }
    EXPECT_EQ(window->resultWindows().size(), 2);
}

TEST_F(MainWindowTest, EveryWindowTypeHasItsWindowAndRecord) {
    for (const WindowType& type : windowTypes) {
        const std::unique_ptr<ResultRecord> record = createRecord(type);
        ASSERT_NE(record, nullptr) << type.name().toStdString();
        EXPECT_EQ(&record->type(), &type);
        const std::unique_ptr<TMDIChild> child(createWindowForFile(type, *window));
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(child->KindName, type.name());
    }
}

TEST_F(MainWindowTest, TheDesignerOpensTheActiveWindowsTemplate) {
    // A designer that writes down what it was given.
    const QString arguments = data.filePath(QStringLiteral("arguments"));
    QFile designer(program.path() + QStringLiteral("tabrix"));
    ASSERT_TRUE(designer.open(QIODevice::WriteOnly));
    designer.write(QStringLiteral("#!/bin/sh\necho \"$#:$1\" >> '%1'\n").arg(arguments).toUtf8());
    designer.close();
    designer.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const auto lines = [&](int count) {
        for (int waited = 0; waited < 5000; waited += 10) {
            QFile written(arguments);
            if (written.open(QIODevice::ReadOnly) && written.readAll().count('\n') >= count)
                break;
            QTest::qWait(10);
        }
        QFile written(arguments);
        written.open(QIODevice::ReadOnly);
        return QString::fromUtf8(written.readAll());
    };
    actions().formulardesigner->trigger();
    EXPECT_EQ(lines(1), QStringLiteral("0:\n"));
    window->OpenDataFile(waterFile(QStringLiteral("Brunnen.was")));
    actions().formulardesigner->trigger();
    EXPECT_EQ(lines(2), QStringLiteral("0:\n1:%1Vorlagen/WasserFenster.vts\n").arg(program.path()));
    EXPECT_TRUE(dialogs.messages.empty());
}
