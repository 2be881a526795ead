#include "app/THauptfenster.h"
#include "common/NumberText.h"
#include "MainWindowFixture.h"
#include "SampleWaters.h"
#include "sheet/view/SheetBook.h"
#include "treatment/PlantWindows.h"
#include "treatment/TEnthDaten.h"
#include "treatment/THEntDaten.h"
#include "treatment/TSchnellDaten.h"
#include "windows/TWasserF.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace velmora;

namespace {

// The plant commands work with and without a water window.
class PlantDialogTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        window->show();
    }

    void openWater() {
        const AnalysisHeader header(QStringLiteral("Brunnen Süd"), QStringLiteral("Jörg Maß"),
                                    QStringLiteral("01.12.26"), QStringLiteral("gekühlt"),
                                    QStringLiteral("Labor"));
        window->OpenDataFile(dataFile(QStringLiteral("brunnen.was"), WaterRecord(header, water).encode()));
        ASSERT_NE(window->activeWaterSource(), nullptr);
    }

    QString text(QDialog& dialog, const char* edit) const {
        return dialog.findChild<QLineEdit*>(QString::fromLatin1(edit))->text();
    }
    void type(QDialog& dialog, const char* edit, const char* text) {
        auto* line = dialog.findChild<QLineEdit*>(QString::fromLatin1(edit));
        line->clear();
        QTest::keyClicks(line, QString::fromUtf8(text));
    }
    void click(QDialog& dialog, const char* button) {
        dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
    }

    const WaterWindowData water = test::evaluatedWater();
};

TEST_F(PlantDialogTest, RapidDecarbonisationWithoutAWaterStartsFromItsDefaults) {
    ASSERT_TRUE(window->actions().schnellentcarbonisierung->isEnabled());
    window->actions().schnellentcarbonisierung->trigger();
    TSchnellDaten& dialog = window->rapidDecarbonisationDialog();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(text(dialog, "Analyse"), QString());
    EXPECT_EQ(text(dialog, "cain"), QStringLiteral("3"));
    EXPECT_EQ(text(dialog, "hco3in"), QStringLiteral("2"));
    EXPECT_EQ(text(dialog, "Q"), QStringLiteral("150"));
    click(dialog, "ok");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Bitte geben Sie einen Namen für die Analyse ein!"));
    EXPECT_EQ(dialog.focusWidget(), dialog.findChild<QLineEdit*>(QStringLiteral("Analyse")));

    type(dialog, "Q", "0");
    type(dialog, "Analyse", "Reaktor");
    click(dialog, "ok");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, QStringLiteral("Bitte geben Sie gültige Werte ein"));
    EXPECT_EQ(dialogs.messages[1].icon, DialogSeam::Icon::Error);
    EXPECT_TRUE(window->resultWindows().isEmpty());

    type(dialog, "Q", "150");
    type(dialog, "t", "1x5"); // digits only
    EXPECT_EQ(text(dialog, "t"), QStringLiteral("15"));
    click(dialog, "ok");
    const auto* reactor = dynamic_cast<const TSchnellF*>(window->activeResultWindow());
    ASSERT_NE(reactor, nullptr);
    EXPECT_EQ(reactor->caption(), QStringLiteral("Reaktor"));
    EXPECT_EQ(reactor->record().texts[RapidDecarbonisationRecord::P], QStringLiteral("0.527"));
    EXPECT_EQ(reactor->record().water.pHm, 0.0); // no water window: no water
    EXPECT_EQ(reactor->Book()->getCellText(15, 4), QStringLiteral("0.527"));
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(PlantDialogTest, ARapidDecarbonisationFileBringsBackItsWater) {
    openWater();
    window->actions().schnellentcarbonisierung->trigger();
    TSchnellDaten& dialog = window->rapidDecarbonisationDialog();
    EXPECT_EQ(text(dialog, "Analyse"), QStringLiteral("Brunnen Süd"));
    EXPECT_EQ(text(dialog, "Anmerkung2"), QStringLiteral("Labor"));
    EXPECT_EQ(text(dialog, "cain"), formatNumber(2 * water.slots[1][slot::caFree] * 1000).trimmed());
    EXPECT_EQ(text(dialog, "hco3in"), formatNumber(water.slots[1][slot::hco3] * 1000).trimmed());
    click(dialog, "ok");
    const auto* reactor = dynamic_cast<const TSchnellF*>(window->activeResultWindow());
    ASSERT_NE(reactor, nullptr);
    EXPECT_EQ(reactor->record().water.pHm, water.pHm);
    const std::optional<QString> saved =
        window->activeResultWindow()->SaveFile(data.filePath(QStringLiteral("reaktor")));
    ASSERT_TRUE(saved);
    EXPECT_TRUE(saved->endsWith(QStringLiteral("reaktor.wse")));

    engine.water = WaterState{};
    window->OpenDataFile(dataFile(QStringLiteral("kopie.wse"), reactor->record().encode()));
    const auto* reopened = dynamic_cast<const TSchnellF*>(window->activeResultWindow());
    ASSERT_NE(reopened, nullptr);
    EXPECT_NE(reopened, reactor);
    EXPECT_TRUE(reopened->caption().startsWith(QStringLiteral("Brunnen Süd-")));
    EXPECT_EQ(engine.water.pHm, water.pHm);
    EXPECT_EQ(engine.water.caTotal, water.totals[0]);
}

TEST_F(PlantDialogTest, HDecarbonisationHasANormalAndAnOptimisedCalculation) {
    window->actions().hEntcarbonisierung->trigger();
    THEntDaten& dialog = window->hDecarbonisationDialog();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(text(dialog, "hco3in"), QStringLiteral("3"));
    dialog.findChild<QLineEdit*>(QStringLiteral("Analyse"))->setText(QStringLiteral("Säule"));
    type(dialog, "t", "4");
    click(dialog, "normal");
    const auto* normal = dynamic_cast<const THEntcarF*>(window->activeResultWindow());
    ASSERT_NE(normal, nullptr);
    EXPECT_EQ(normal->record().design.time, 4.0);
    EXPECT_EQ(normal->record().time, QStringLiteral("4"));

    window->actions().hEntcarbonisierung->trigger();
    EXPECT_EQ(text(dialog, "t"), QStringLiteral("4")); // kept from the last use
    dialog.findChild<QLineEdit*>(QStringLiteral("Analyse"))->setText(QStringLiteral("Säule"));
    click(dialog, "optimiert");
    const auto* optimised = dynamic_cast<const THEntcarF*>(window->activeResultWindow());
    ASSERT_NE(optimised, nullptr);
    EXPECT_NE(optimised, normal);
    EXPECT_TRUE(optimised->caption().startsWith(QStringLiteral("Säule-")));
    EXPECT_GT(optimised->record().design.time, 4.0);
    EXPECT_LE(optimised->record().design.specificFlow, 30.0);
    EXPECT_EQ(optimised->record().time, QStringLiteral("4")); // the text as entered
    EXPECT_EQ(optimised->Book()->getCellText(13, 4), formatNumber(optimised->record().design.time));
}

TEST_F(PlantDialogTest, HDecarbonisationRefusesTextsThatAreNoNumbersAndValuesOutOfRange) {
    window->actions().hEntcarbonisierung->trigger();
    THEntDaten& dialog = window->hDecarbonisationDialog();
    dialog.findChild<QLineEdit*>(QStringLiteral("Analyse"))->setText(QStringLiteral("Säule"));
    type(dialog, "hco3in", "3,,");
    click(dialog, "normal");
    type(dialog, "hco3in", "-1");
    click(dialog, "optimiert");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Bitte geben Sie gültige Werte ein!"));
    EXPECT_EQ(dialogs.messages[0].icon, DialogSeam::Icon::Warning);
    EXPECT_EQ(dialogs.messages[1].text, QStringLiteral("Bitte geben Sie gültige Werte ein"));
    EXPECT_EQ(dialogs.messages[1].icon, DialogSeam::Icon::Error);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(window->resultWindows().isEmpty());
}

TEST_F(PlantDialogTest, SofteningTakesTheWatersHardnessAndSodium) {
    openWater();
    window->actions().enthaertung->trigger();
    TEnthDaten& dialog = window->softeningDialog();
    EXPECT_EQ(text(dialog, "CaMg"),
              formatNumber((water.slots[1][slot::caFree] + water.slots[1][slot::mgFree]) * 2000).trimmed());
    EXPECT_EQ(text(dialog, "Nain"), formatNumber(water.slots[1][slot::naFree] * 1000).trimmed());
    click(dialog, "optimiert");
    const auto* softener = dynamic_cast<const TEnthF*>(window->activeResultWindow());
    ASSERT_NE(softener, nullptr);
    EXPECT_GE(softener->record().design.level, 100.0);
    EXPECT_LE(softener->record().design.level, 300.0);
    // A plant window has no water: only the mixing of the open waters stays possible.
    EXPECT_TRUE(window->actions().mischwasser->isEnabled());
    EXPECT_FALSE(window->actions().zugabe->isEnabled());
    EXPECT_FALSE(window->actions().grafikSi->isEnabled());

    // Without a water window the dialog starts from its own values again.
    softener->parentWidget()->close();
    window->findChild<TWasserF*>()->parentWidget()->close();
    QCoreApplication::processEvents();
    window->actions().enthaertung->trigger();
    EXPECT_EQ(text(dialog, "CaMg"), QStringLiteral("7"));
    EXPECT_EQ(text(dialog, "Nain"), QStringLiteral("2"));
    EXPECT_EQ(text(dialog, "Analyse"), QString());
}

} // namespace
