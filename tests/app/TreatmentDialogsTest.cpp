#include "app/THauptfenster.h"
#include "MainWindowFixture.h"
#include "sheet/view/SheetBook.h"
#include "treatment/TEntcarDaten.h"
#include "treatment/TEntsauDaten.h"
#include "treatment/TKorrDaten.h"
#include "treatment/TKorrosionF.h"
#include "treatment/TZugabeDaten.h"
#include "TreatmentWaters.h"
#include "windows/TWasserF.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

using namespace velmora;

namespace {

// A main window with one water open and active; the commands are used as a user uses them.
class TreatmentDialogTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        window->show();
    }

    void openWater(const WaterWindowData& water, const QString& name = QStringLiteral("Brunnen Süd")) {
        const AnalysisHeader header(name, QStringLiteral("Jörg Maß"), QStringLiteral("01.12.26"),
                                    QStringLiteral("gekühlt"), QStringLiteral("vom Labor"));
        window->OpenDataFile(dataFile(name + QStringLiteral(".was"), WaterRecord(header, water).encode()));
        ASSERT_NE(window->activeWaterSource(), nullptr);
    }

    // The dialog the command shows: the one visible child dialog of the main window.
    QDialog* show(QAction* command) {
        command->trigger();
        for (QDialog* dialog : window->findChildren<QDialog*>())
            if (dialog->isVisible())
                return dialog;
        return nullptr;
    }

    template <class Widget>
    Widget* child(QDialog* dialog, const char* name) const {
        auto* widget = dialog->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Types `text` into the emptied edit key by key, as a user does.
    void type(QDialog* dialog, const char* edit, const char* text) {
        auto* line = child<QLineEdit>(dialog, edit);
        line->clear();
        QTest::keyClicks(line, QString::fromUtf8(text));
    }

    void click(QDialog* dialog, const char* button) { child<QAbstractButton>(dialog, button)->click(); }

    const TWasserF* activeWater() const {
        return dynamic_cast<const TWasserF*>(window->activeResultWindow());
    }
    QString remark2() const { return activeWater()->record().header.text(AnalysisHeader::Remark2); }
};

TEST_F(TreatmentDialogTest, DosingToAWantedPhOpensTheDosedWater) {
    openWater(test::evaluatedWater());
    QDialog* dialog = show(window->actions().zugabe);
    ASSERT_EQ(dialog, &window->dosingDialog());
    EXPECT_FALSE(window->centralWidget()->isEnabled());
    EXPECT_EQ(child<QLineEdit>(dialog, "Analyse")->text(), QStringLiteral("Brunnen Süd"));
    EXPECT_EQ(child<QLineEdit>(dialog, "Anmerkung1")->text(), QStringLiteral("gekühlt"));
    type(dialog, "phin", "6.5");
    EXPECT_EQ(child<QLineEdit>(dialog, "phin")->text(), QStringLiteral("6,5"));
    type(dialog, "cxin1", "-0,1x");
    EXPECT_EQ(child<QLineEdit>(dialog, "cxin1")->text(), QStringLiteral("-0,1"));
    type(dialog, "cxin1", "0.1");
    click(dialog, "ok");

    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(window->centralWidget()->isEnabled());
    ASSERT_NE(activeWater(), nullptr);
    EXPECT_EQ(window->resultWindows().size(), 2);
    EXPECT_TRUE(activeWater()->caption().startsWith(QStringLiteral("Brunnen Süd-"))); // made unique
    EXPECT_TRUE(activeWater()->FileName.isEmpty());
    EXPECT_TRUE(remark2().endsWith(QStringLiteral(" ml HCl-Zugabe mit c(HCl) =0,1 mol/l")))
        << remark2().toStdString();
    EXPECT_EQ(activeWater()->inputMethod(), 7);
    EXPECT_NEAR(activeWater()->waterData().slots[1][slot::pH], 6.5, 0.0004);
}

TEST_F(TreatmentDialogTest, ADoseThatMissesItsPhClosesTheDialogWithoutAWindow) {
    openWater(test::acidicWater());
    QDialog* dialog = show(window->actions().zugabe);
    click(dialog, "RadioGroup1Item5"); // Ca(OH)2
    type(dialog, "phin", "10,02");
    click(dialog, "ok");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(window->resultWindows().size(), 1);
    EXPECT_TRUE(window->centralWidget()->isEnabled());
}

TEST_F(TreatmentDialogTest, AWantedPhOutsideItsRangeIsToldAndTheFocusGoesToIt) {
    openWater(test::evaluatedWater());
    QDialog* dialog = show(window->actions().zugabe);
    type(dialog, "phin", "3,5");
    click(dialog, "ok");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("pH-Wert bitte im Bereich 4 < pH-Wert < 7.210"));
    EXPECT_EQ(dialogs.messages[0].icon, DialogSeam::Icon::Error);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->focusWidget(), child<QLineEdit>(dialog, "phin"));
    EXPECT_EQ(window->resultWindows().size(), 1);
}

TEST_F(TreatmentDialogTest, AGivenAmountOnTheSecondPage) {
    openWater(test::evaluatedWater());
    QDialog* dialog = show(window->actions().zugabe);
    child<QTabWidget>(dialog, "PageControl1")->setCurrentIndex(1);
    click(dialog, "RadioGroup2Item3"); // NaOH
    type(dialog, "menge", "2");
    type(dialog, "cxin2", "0,5");
    click(dialog, "ok");
    ASSERT_NE(activeWater(), nullptr);
    EXPECT_EQ(remark2(), QStringLiteral("2.000 ml/l NaOH-Zugabe mit c(NaOH)=0,5 mol/l"));
    const std::array<double, 7>& totals = activeWater()->waterData().totals;
    EXPECT_NEAR(totals[2], test::evaluatedWater().totals[2] + 1e-3, 1e-15);
}

TEST_F(TreatmentDialogTest, TheCorrosionWindowJudgesTheWaterAndSavesItsRecord) {
    openWater(test::evaluatedWater());
    QDialog* dialog = show(window->actions().korrosion);
    ASSERT_EQ(dialog, &window->corrosionDialog());
    EXPECT_EQ(child<QLineEdit>(dialog, "Anmerkung2")->text(), QStringLiteral("vom Labor"));
    type(dialog, "o2", "0.1");
    click(dialog, "ok");
    EXPECT_TRUE(dialogs.messages.empty());
    const auto* corrosion = dynamic_cast<const TKorrosionF*>(window->activeResultWindow());
    ASSERT_NE(corrosion, nullptr);
    EXPECT_TRUE(corrosion->caption().startsWith(QStringLiteral("Brunnen Süd-")));
    EXPECT_EQ(corrosion->record().o2Mass, 0.1);
    EXPECT_EQ(corrosion->Book()->getCellText(31, 1),
              QStringLiteral("Beurteilung der gleichmäßigen Flächenkorrosion:"));
    EXPECT_EQ(corrosion->Book()->getCellText(42, 1),
              QStringLiteral("Die örtliche Korrosion wird verhindert."));
    // A corrosion window has no water: the calculations on a water are off, and so are the charts.
    for (QAction* command :
         {window->actions().zugabe, window->actions().korrosion, window->actions().entsaeuerung,
          window->actions().entcarbonisierung, window->actions().mischwasser, window->actions().temperatur,
          window->actions().grafikPh})
        EXPECT_FALSE(command->isEnabled()) << command->objectName().toStdString();

    const std::optional<QString> saved =
        window->activeResultWindow()->SaveFile(data.filePath(QStringLiteral("netz")));
    ASSERT_TRUE(saved);
    EXPECT_TRUE(saved->endsWith(QStringLiteral("netz.wak")));
    QFile file(*saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes, corrosion->record().encode());
    window->activeResultWindow()->close();
    window->OpenDataFile(dataFile(QStringLiteral("kopie.wak"), bytes));
    const auto* reopened = dynamic_cast<const TKorrosionF*>(window->activeResultWindow());
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->record().encode(), bytes);
    EXPECT_EQ(reopened->Book()->getCellText(42, 1),
              QStringLiteral("Die örtliche Korrosion wird verhindert."));
}

TEST_F(TreatmentDialogTest, AShortCorrosionFileIsToldAndNotOpened) {
    window->OpenDataFile(dataFile(QStringLiteral("kurz.wak"), QByteArray(4119, '\0')));
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Die Datei ") +
                                            data.filePath(QStringLiteral("kurz.wak")) +
                                            QStringLiteral(" konnte nicht geöffnet werden"));
    for (const QMdiSubWindow* sub : window->workspace()->subWindowList())
        EXPECT_TRUE(sub->isHidden());
}

TEST_F(TreatmentDialogTest, ADeacidificationThatDoesNotConvergeWaitsForAnotherInterval) {
    openWater(test::softWater(), QStringLiteral("Quelle"));
    QDialog* dialog = show(window->actions().entsaeuerung);
    ASSERT_EQ(dialog, &window->deacidificationDialog());
    auto* interval = child<QSlider>(dialog, "TrackBar1");
    EXPECT_EQ(interval->value(), -1);
    interval->setValue(0);
    click(dialog, "ok");
    EXPECT_TRUE(child<QLabel>(dialog, "warnlabel")->isVisible());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(window->resultWindows().size(), 1);

    // Choosing the method again brings the interval back to "normal"; that one converges.
    click(dialog, "RadioGroup1Item0");
    EXPECT_EQ(interval->value(), -1);
    click(dialog, "ok");
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_NE(activeWater(), nullptr);
    EXPECT_TRUE(remark2().startsWith(QStringLiteral("Ents. mit Weißkalkhydrat Ca(OH)2, theor. Verbrauch: ")));
    EXPECT_LT(std::fabs(activeWater()->waterData().slots[1][slot::si]), 0.00004);

    // The next showing hides the warning again.
    window->activate(window->resultWindows().front());
    dialog = show(window->actions().entsaeuerung);
    EXPECT_FALSE(child<QLabel>(dialog, "warnlabel")->isVisible());
}

TEST_F(TreatmentDialogTest, NoToTheFiltrationQuestionKeepsTheDialog) {
    openWater(test::evaluatedWater());
    QDialog* dialog = show(window->actions().entsaeuerung);
    click(dialog, "RadioGroup1Item2"); // calcium carbonate
    dialogs.answers = {DialogSeam::Answer::No};
    click(dialog, "ok");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, DialogSeam::Icon::Confirmation);
    EXPECT_EQ(dialogs.messages[0].buttons, DialogSeam::Buttons::YesNo);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(window->resultWindows().size(), 1);
}

TEST_F(TreatmentDialogTest, DecarbonisationShowsTheRangeAndNoToMagnesiumCreatesNothing) {
    openWater(test::magnesiumWater());
    QDialog* dialog = show(window->actions().entcarbonisierung);
    ASSERT_EQ(dialog, &window->decarbonisationDialog());
    EXPECT_EQ(child<QLabel>(dialog, "hco3label")->text(),
              QString::number(test::magnesiumWater().slots[1][slot::hco3] * 1000, 'f', 3));
    type(dialog, "RHin", "1");
    dialogs.answers = {DialogSeam::Answer::Yes, DialogSeam::Answer::No};
    click(dialog, "ok");
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(window->resultWindows().size(), 1);

    click(dialog, "RadioGroup1Item1"); // HCl
    click(dialog, "ok");
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_NE(activeWater(), nullptr);
    EXPECT_TRUE(remark2().startsWith(QStringLiteral("Entcarb. mit HCl; theor. Zugabe: ")))
        << remark2().toStdString();
    EXPECT_NEAR(activeWater()->waterData().slots[1][slot::hco3], 1e-3, 1e-7);
}

TEST_F(TreatmentDialogTest, HelpOpensEachDialogsPage) {
    openWater(test::evaluatedWater());
    const std::pair<QAction*, const char*> pages[] = {
        {window->actions().zugabe, "saeurelauge.htm"},
        {window->actions().korrosion, "korrosion.htm"},
        {window->actions().entsaeuerung, "entsaeuerung.htm"},
        {window->actions().entcarbonisierung, "entcarbonisierung.htm"},
        {window->actions().schnellentcarbonisierung, "schnellentcarbonisierung.htm"},
        {window->actions().hEntcarbonisierung, "h-entcarbonisierung.htm"},
        {window->actions().enthaertung, "enthaertung.htm"}};
    for (const auto& [command, page] : pages) {
        QDialog* dialog = show(command);
        click(dialog, "hilfe");
        ASSERT_FALSE(dialogs.openedUrls.empty());
        EXPECT_TRUE(dialogs.openedUrls.back().toLocalFile().endsWith(QStringLiteral("/Hilfe/") +
                                                                     QString::fromLatin1(page)));
        EXPECT_TRUE(QFile::exists(QStringLiteral(VELMORA_SOURCE_DIR "/Hilfe/") + QString::fromLatin1(page)))
            << page;
        click(dialog, "abbrechen");
        EXPECT_TRUE(window->centralWidget()->isEnabled());
    }
}

} // namespace
