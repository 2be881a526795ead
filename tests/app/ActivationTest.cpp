#include "app/THauptfenster.h"
#include "app/TOptionenF.h"
#include "MainWindowFixture.h"
#include "sheet/view/SheetBook.h"
#include "sheet/view/SheetView.h"
#include "windows/TEingabeform.h"
#include "windows/TMDIChild.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace velmora;

namespace {

// The user's way through the program: the main window shown and active, commands through their keys,
// dialogs through their buttons.
class ActivationTest : public test::ShownMainWindowFixture {
protected:
    // A key typed into the main window, where its focus is.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window.get(), key, modifiers);
    }

    // "Neu" by its key, the name typed, "Berechnen" clicked.
    TMDIChild* compute(const QString& name) {
        press(Qt::Key_N);
        TEingabeform& dialog = window->analysisDialog();
        EXPECT_TRUE(dialog.isVisible());
        auto* analyse = dialog.findChild<QLineEdit*>(QStringLiteral("Analyse"));
        analyse->clear();
        QTest::keyClicks(analyse, name);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
        // The desktop gives the main window the focus back.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window->activeResultWindow();
    }

    QStringList captions() const {
        QStringList list;
        for (const TMDIChild* child : window->resultWindows())
            list << child->caption();
        return list;
    }

    QString unsavedQuestion(const QString& caption) const {
        return QStringLiteral("Fenster %1 wurde noch nicht gespeichert !\r\nDennoch schließen?").arg(caption);
    }
};

} // namespace

TEST_F(ActivationTest, ACalculatedWindowIsTheOneEveryCommandActsOn) {
    TMDIChild* first = compute(QStringLiteral("Brunnen"));
    ASSERT_NE(first, nullptr);
    first->Saved = true;
    TMDIChild* computed = compute(QStringLiteral("Neu"));
    ASSERT_NE(computed, nullptr);
    EXPECT_EQ(computed->caption(), QStringLiteral("Neu"));
    EXPECT_TRUE(window->actions().temperatur->isEnabled());

    press(Qt::Key_S);
    ASSERT_EQ(dialogs.saveProposals.size(), 1u);
    EXPECT_EQ(dialogs.saveProposals[0], QDir(window->directories().data).filePath(QStringLiteral("Neu")));

    // Zoom works at once, without a click into the new window.
    auto* zoomBox = window->findChild<QComboBox*>(QStringLiteral("zoomBox"));
    zoomBox->setCurrentIndex(14);
    Q_EMIT zoomBox->activated(14);
    EXPECT_EQ(computed->Book()->viewScale(), 60);
    EXPECT_EQ(window->resultWindows().front()->Book()->viewScale(), 100);

    computed->Book()->view()->select({5, 2, 5, 2});
    press(Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Neu\n"));

    press(Qt::Key_P);
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_EQ(computed->Book()->title(), QStringLiteral("Velmora - Neu"));

    // "Strg+W" closes the active window, after its question, also while its sheet has the focus.
    QTest::mouseClick(computed->Book()->view()->viewport(), Qt::LeftButton, {}, QPoint(60, 60));
    ASSERT_EQ(window->focusWidget(), computed->Book()->view());
    press(Qt::Key_W);
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, unsavedQuestion(QStringLiteral("Neu")));
    EXPECT_EQ(captions(), QStringList{QStringLiteral("Brunnen")});
}

TEST_F(ActivationTest, CuttingAndPastingEditTheReportButNotTheWater) {
    TMDIChild* computed = compute(QStringLiteral("Bericht"));
    ASSERT_NE(computed, nullptr);
    const QByteArray record = computed->record().encode();
    computed->Book()->view()->select({5, 2, 5, 2});
    press(Qt::Key_X);
    EXPECT_EQ(computed->Book()->getCellText(5, 2), QString());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Bericht\n"));
    computed->Book()->view()->setCurrentCell({1, 8});
    press(Qt::Key_V);
    EXPECT_EQ(computed->Book()->getCellText(1, 8), QStringLiteral("Bericht"));
    EXPECT_EQ(computed->record().encode(), record);
    EXPECT_FALSE(computed->Saved);
}

TEST_F(ActivationTest, CancellingOneQuestionAtQuittingKeepsEveryWindow) {
    compute(QStringLiteral("Brunnen"));
    dialogs.saveAnswers = {data.filePath(QStringLiteral("brunnen.was"))};
    press(Qt::Key_S);
    compute(QStringLiteral("Eins"));
    compute(QStringLiteral("Zwei"));
    const QStringList open{QStringLiteral("Brunnen"), QStringLiteral("Eins"), QStringLiteral("Zwei")};
    ASSERT_EQ(captions(), open);

    dialogs.answers = {DialogSeam::Answer::Ok, DialogSeam::Answer::Cancel};
    EXPECT_FALSE(window->close());
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, unsavedQuestion(QStringLiteral("Eins")));
    EXPECT_EQ(dialogs.messages[1].text, unsavedQuestion(QStringLiteral("Zwei")));
    EXPECT_EQ(captions(), open);
    EXPECT_TRUE(window->isVisible());

    // Confirmed, every window closes, each asked once.
    EXPECT_TRUE(window->close());
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.messages.size(), 4u);
    EXPECT_TRUE(captions().isEmpty());
}

TEST_F(ActivationTest, AnExplorerHiddenFromTheStartKeepsItsWidth) {
    const IniFile profile(config.filePath(QStringLiteral("velmora.ini")));
    profile.write(QStringLiteral("Explorer"), QStringLiteral("Zustand"), QStringLiteral("0"));
    profile.write(QStringLiteral("Explorer"), QStringLiteral("Breite"), QStringLiteral("240"));
    window.reset();
    createWindow();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    ASSERT_TRUE(window->close());
    EXPECT_EQ(profile.read(QStringLiteral("Explorer"), QStringLiteral("Breite")), QStringLiteral("240"));
}

TEST_F(ActivationTest, TheFolderBrowserOfTheOptionsShowsItsPrompt) {
    auto* options = window->findChild<TOptionenF*>();
    ASSERT_NE(options, nullptr);
    // The options are modal: the user acts inside them while F9 waits.
    QTimer::singleShot(0, options, [options] {
        QTest::mouseClick(options->findChild<QPushButton*>(QStringLiteral("datenverzeichnisWaehlen")),
                          Qt::LeftButton);
        options->reject();
    });
    press(Qt::Key_F9, Qt::NoModifier);
    EXPECT_FALSE(options->isVisible());
    EXPECT_EQ(dialogs.directoryQuestions,
              std::vector<QString>{
                  QStringLiteral("Verzeichnis auswählen|Bitte wählen Sie das gewünschte Verzeichnis")});
}

TEST_F(ActivationTest, F1InEveryDialogOpensItsPage) {
    ASSERT_NE(compute(QStringLiteral("Brunnen")), nullptr);
    for (const auto& [command, page] : dialogCommands()) {
        command->trigger();
        QDialog* dialog = shownDialog();
        ASSERT_NE(dialog, nullptr) << page.toStdString();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
        const std::size_t opened = dialogs.openedUrls.size();
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_F1);
        ASSERT_EQ(dialogs.openedUrls.size(), opened + 1) << page.toStdString();
        EXPECT_EQ(dialogs.openedUrls.back().toLocalFile(), program.path() + QStringLiteral("Hilfe/") + page);
        dialog->reject();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
}

TEST_F(ActivationTest, F1InAResultWindowOpensItsPageAndElsewhereTheStartPage) {
    TMDIChild* water = compute(QStringLiteral("Brunnen"));
    ASSERT_NE(water, nullptr);
    water->Book()->view()->setFocus();
    press(Qt::Key_F1, Qt::NoModifier);
    ASSERT_EQ(dialogs.openedUrls.size(), 1u);
    EXPECT_EQ(dialogs.openedUrls[0].toLocalFile(),
              program.path() + QStringLiteral("Hilfe/wasserfenster.htm"));
    water->close();
    window->setFocus();
    press(Qt::Key_F1, Qt::NoModifier);
    ASSERT_EQ(dialogs.openedUrls.size(), 2u);
    EXPECT_EQ(dialogs.openedUrls[1].toLocalFile(), program.path() + QStringLiteral("Hilfe/index.htm"));
}
