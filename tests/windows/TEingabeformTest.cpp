#include "windows/TEingabeform.h"

#include "engine/AnalysisInput.h"
#include "engine/Engine.h"
#include "FakeMdiHost.h"
#include "Mnemonics.h"
#include "ScriptedDialogs.h"
#include "windows/CalculationHost.h"
#include "windows/MdiHost.h"
#include "windows/TWasserF.h"
#include "windows/UniqueTitle.h"

#include <gtest/gtest.h>
#include <memory>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace velmora;

namespace {

// The main window as the dialog sees it: it keeps the windows the dialog hands over.
class RecordingHost : public CalculationHost, public test::FakeMdiHost {
public:
    const WaterSource* activeWaterSource() const override { return activeWater; }
    bool importPending() const override { return importing; }
    void setImportPending(bool pending) override { importing = pending; }
    QList<QString> childCaptions() const override { return captions; }
    QList<TMDIChild*> resultWindows() const override {
        QList<TMDIChild*> windows;
        for (const auto& window : created)
            windows << window.get();
        return windows;
    }
    TMDIChild* activeResultWindow() const override {
        return created.empty() ? nullptr : created.back().get();
    }
    void setNewWindowCaption(const QString& caption) override { newCaption = caption; }
    MdiHost& windowHost() override { return *this; }
    void showResultWindow(TMDIChild* window, const QString& fileName) override {
        created.emplace_back(window);
        fileNames << fileName;
    }
    void openHelpPage(const QString& page) override { helpPages << page; }

    const TWasserF& lastWindow() const { return dynamic_cast<const TWasserF&>(*created.back()); }

    const WaterSource* activeWater = nullptr;
    bool importing = false;
    QString newCaption;
    std::vector<std::unique_ptr<TMDIChild>> created;
    QStringList fileNames;
    QStringList helpPages;
};

class TEingabeformTest : public ::testing::Test {
protected:
    QLineEdit* edit(const char* name) const {
        return dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    }

    void setText(const char* name, const QString& text) const { edit(name)->setText(text); }

    test::ScriptedDialogs dialogs;
    RecordingHost host;
    EngineState engine;
    TEingabeform dialog{host, engine};
};

} // namespace

TEST_F(TEingabeformTest, EveryMethodComputesAndCreatesItsWindow) {
    for (int item = 0; item < 7; ++item) {
        dialog.prepare();
        dialog.selectItem(item);
        setText("Analyse", QStringLiteral("Probe %1").arg(item));
        dialog.BitBtn1Click();
        EXPECT_TRUE(dialogs.messages.empty()) << item << ": " << dialogs.messages.front().text.toStdString();
        ASSERT_EQ(host.created.size(), std::size_t(item + 1));
        EXPECT_EQ(host.fileNames.back(), QStringLiteral("NONAME1.was"));
        EXPECT_EQ(engine.lastMethod, item + 1);
        EXPECT_EQ(host.newCaption, QStringLiteral("Probe %1").arg(item));
        // The window holds its own copy of what the engine computed.
        EXPECT_EQ(host.lastWindow().record().header.name(), QStringLiteral("Probe %1").arg(item));
        EXPECT_EQ(host.lastWindow().record().water, WaterWindowData::takeFrom(engine));
    }
    // The defaults of the dialog: c(Ca) 2 mmol/l, tb 10 °C.
    EXPECT_DOUBLE_EQ(engine.water.caTotal, 0.002);
    EXPECT_DOUBLE_EQ(engine.water.tEval, 283.15);
}

TEST_F(TEingabeformTest, InvalidTextsStopTheCalculation) {
    dialog.prepare();
    const QString invalid = QStringLiteral("Bitte geben Sie gültige Werte ein!");
    const std::pair<const char*, const char*> cases[] = {
        {"cCa", "1.234,5"}, // two separators once "." has become ","
        {"rMg", "abc"},     // the mass concentrations are checked although they are not used
        {"k25", ""},        {"KS43", "-"}, {"SIe", "-"}, {"SIe", ""},
    };
    for (const auto& [name, text] : cases) {
        const QString before = edit(name)->text();
        setText(name, QString::fromUtf8(text));
        dialog.BitBtn1Click();
        ASSERT_FALSE(dialogs.messages.empty()) << name;
        EXPECT_EQ(dialogs.messages.back().text, invalid) << name;
        EXPECT_EQ(dialogs.messages.back().icon, DialogSeam::Icon::Warning);
        setText(name, before);
    }
    EXPECT_TRUE(host.created.empty());

    setText("KS43", QStringLiteral("abc")); // hidden under item 6: not checked
    dialog.selectItem(6);
    setText("Analyse", QStringLiteral("   "));
    dialog.BitBtn1Click();
    EXPECT_EQ(dialogs.messages.back().text,
              QStringLiteral("Bitte geben Sie einen Namen für die Analyse ein!"));
    EXPECT_TRUE(host.created.empty());
}

TEST_F(TEingabeformTest, TheRequiredSaturationIndexIsTheSaturationPhsTarget) {
    dialog.prepare();
    EXPECT_EQ(edit("SIe")->text(), QStringLiteral("0"));
    // Typed as the user types: the minus passes the key filter of this edit.
    edit("SIe")->clear();
    QTest::keyClicks(edit("SIe"), QStringLiteral("-0,2"));
    EXPECT_EQ(edit("SIe")->text(), QStringLiteral("-0,2"));
    dialog.BitBtn1Click();
    ASSERT_EQ(host.created.size(), 1u);
    EXPECT_DOUBLE_EQ(engine.water.siTarget, -0.2);
    EXPECT_DOUBLE_EQ(host.lastWindow().record().water.siTarget, -0.2);

    // A window's SI(e) comes back with its water.
    host.activeWater = &host.lastWindow();
    edit("SIe")->setText(QStringLiteral("1"));
    dialog.prepare();
    EXPECT_EQ(edit("SIe")->text(), QStringLiteral("-0.200"));
    host.activeWater = nullptr;
}

TEST_F(TEingabeformTest, AWaterWithoutCalciumIsAnInvalidInput) {
    dialog.prepare();
    setText("cCa", QStringLiteral("0"));
    dialog.BitBtn1Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Bitte geben Sie gültige Werte ein!"));
    EXPECT_TRUE(host.created.empty());
}

TEST_F(TEingabeformTest, TitlesAreMadeUniqueAgainstOpenWindows) {
    dialog.prepare();
    host.captions = {QStringLiteral("analyse")};
    const int counter = uniqueTitleCounter();
    dialog.BitBtn1Click();
    EXPECT_EQ(dialog.PendingTitle(), QStringLiteral("Analyse-%1").arg(counter));
    EXPECT_EQ(host.newCaption, dialog.PendingTitle());
    // The header keeps the name as typed.
    EXPECT_EQ(host.lastWindow().record().header.name(), QStringLiteral("Analyse"));
}

TEST_F(TEingabeformTest, ItemSixReadsOnlyDicAndMValue) {
    dialog.prepare();
    dialog.BitBtn1Click(); // item 0: pH and KS(4,3)
    const double ks43 = engine.water.ks43;
    dialog.prepare();
    dialog.selectItem(6);
    setText("KS43", QStringLiteral("9"));
    EXPECT_TRUE(edit("KS43")->isHidden());
    EXPECT_FALSE(edit("mWert")->isHidden());
    dialog.BitBtn1Click();
    EXPECT_EQ(engine.lastMethod, 7);
    // KS(4,3) is computed from c(DIC) and the m-value, not read from the hidden edit.
    EXPECT_NE(engine.water.ks43, 0.009);
    EXPECT_NE(engine.water.ks43, ks43);
}

TEST_F(TEingabeformTest, PrefillsFromTheActiveWaterWindow) {
    for (int method : {7, 9}) {
        EngineState computed;
        AnalysisInput input{7, 20, 3, 20, 0.054, 20, 2.2, 2.1, 12, 450, {1.5, 0.5, 1, 0.1, 0.6, 0.2, 0.9}};
        storeAnalysisInput(computed.water, input, method);
        runEngine(computed, method);
        TWasserF water(host, WaterRecord(AnalysisHeader(QStringLiteral("Quelle"), QStringLiteral("Labor"), {},
                                                        QStringLiteral("x"), {}),
                                         WaterWindowData::takeFrom(computed)));
        host.activeWater = &water;
        dialog.prepare();
        EXPECT_TRUE(dialog.findChild<QRadioButton*>(QStringLiteral("RadioGroup1Item6"))->isChecked())
            << method;
        EXPECT_EQ(edit("Analyse")->text(), QStringLiteral("Quelle"));
        EXPECT_EQ(edit("DIC")->text(), QStringLiteral("2.200"));
        EXPECT_EQ(edit("tb")->text(), QStringLiteral("12.000"));
        EXPECT_EQ(edit("cMg")->text(), QStringLiteral("0.500"));
        EXPECT_EQ(edit("rCa")->text(), QStringLiteral("60.120"));
        host.activeWater = nullptr;
    }

    // An import fills the dialog itself.
    host.importing = true;
    dialog.setWindowTitle(QStringLiteral("Import"));
    dialog.prepare();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Import"));
    dialog.reject();
    EXPECT_FALSE(host.importing);
}

TEST_F(TEingabeformTest, LeavingAnIonEditUpdatesItsPartner) {
    dialog.prepare();
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QLineEdit* cCa = edit("cCa");
    cCa->setFocus();
    cCa->setText(QStringLiteral("1"));
    edit("cMg")->setFocus();
    EXPECT_EQ(edit("rCa")->text(), QStringLiteral("40.080"));

    QLineEdit* rMg = edit("rMg");
    rMg->setFocus();
    rMg->setText(QStringLiteral("48,62"));
    edit("rNa")->setFocus();
    EXPECT_EQ(edit("cMg")->text(), QStringLiteral("2.000"));

    // A text that cannot be read leaves the partner as it is.
    QLineEdit* cNa = edit("cNa");
    cNa->setFocus();
    cNa->setText(QStringLiteral("."));
    edit("cK")->setFocus();
    EXPECT_EQ(edit("rNa")->text(), QStringLiteral("45.980"));
    dialog.reject();
}

TEST_F(TEingabeformTest, EveryAltKeyLeadsToOneControl) {
    EXPECT_EQ(test::mnemonicClashes(dialog), QStringList());
    EXPECT_EQ(test::mnemonicsOf(dialog).at(QStringLiteral("b")), QStringList{QStringLiteral("&Berechnen")});
}
