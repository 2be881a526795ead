#include "app/THauptfenster.h"
#include "filters/FilterDialog.h"
#include "filters/FilterReports.h"
#include "filters/TAktivKohle.h"
#include "filters/TFeMnForm.h"
#include "filters/TSandfilter.h"
#include "FilterSamples.h"
#include "MainWindowFixture.h"
#include "Mnemonics.h"
#include "sheet/view/SheetBook.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

using namespace velmora;

namespace {

using Icon = DialogSeam::Icon;
using Answer = DialogSeam::Answer;

// The filter dialogs work without a water; their reports hand their designs back.
class FilterDialogTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        window->show();
    }

    template <class Dialog>
    Dialog& show(QAction* command) {
        command->trigger();
        Dialog* dialog = window->findChild<Dialog*>();
        EXPECT_TRUE(dialog && dialog->isVisible());
        return *dialog;
    }

    template <class Control = QLineEdit>
    Control* control(QDialog& dialog, const char* name) const {
        auto* found = dialog.findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(QDialog& dialog, const char* name) const {
        if (auto* box = dialog.findChild<QComboBox*>(QString::fromLatin1(name)))
            return box->currentText();
        return control(dialog, name)->text();
    }
    /// Types into an edit or an editable combo box, so that its handlers run as for a user.
    void type(QDialog& dialog, const char* name, const QString& value) {
        if (auto* box = dialog.findChild<QComboBox*>(QString::fromLatin1(name))) {
            box->setEditText(value);
            return;
        }
        control(dialog, name)->setText(value);
    }
    void click(QDialog& dialog, const char* name) { control<QAbstractButton>(dialog, name)->click(); }
    void name(QDialog& dialog) {
        const AnalysisHeader h = test::filterHeader();
        type(dialog, "Ana", h.name());
        type(dialog, "Bearb", h.text(AnalysisHeader::Editor));
        type(dialog, "Anm1", h.text(AnalysisHeader::Remark1));
        type(dialog, "Anm2", h.text(AnalysisHeader::Remark2));
        control<QDateEdit>(dialog, "DateTimePicker1")->setDate(QDate(2026, 12, 10));
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& m : dialogs.messages)
            out.push_back(m.text.toStdString());
        return out;
    }
    template <class Report>
    const Report* activeReport() const {
        return dynamic_cast<const Report*>(window->activeResultWindow());
    }
    /// Saves the active report and opens its file again, so that the reopened window is the active one.
    template <class Report>
    const Report* reopen(const QString& name) {
        const std::optional<QString> saved = window->activeResultWindow()->SaveFile(data.filePath(name));
        EXPECT_TRUE(saved);
        window->activeResultWindow()->parentWidget()->close();
        QCoreApplication::processEvents();
        window->OpenDataFile(*saved);
        return activeReport<Report>();
    }
};

// ---- activated carbon

TEST_F(FilterDialogTest, CarbonFilterWarnsOfAWideCircleAndAsksOnOk) {
    auto& d = show<TAktivKohle>(window->actions().aktivkohlefilter);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Aktivkohle"));
    EXPECT_EQ(text(d, "Belastung"), QStringLiteral("1,5"));
    EXPECT_EQ(text(d, "Geschwindigkeit"), QStringLiteral("5,0"));
    EXPECT_EQ(control<QLabel>(d, "Hinw2")->text(), QStringLiteral("von 5000mm nicht überschreiten."));
    EXPECT_EQ(control<QLabel>(d, "Prozent")->text(), QStringLiteral("x 100% Leistung"));
    EXPECT_EQ(text(d, "VolumenStrom"), QStringLiteral("0"));
    EXPECT_EQ(text(d, "Verhaeltnis"), QStringLiteral("3"));
    EXPECT_FALSE(control<QLabel>(d, "Hinweis")->isVisibleTo(&d));

    click(d, "Button1");
    type(d, "Ana", QStringLiteral("Werk Ost"));
    click(d, "Button1");
    EXPECT_EQ(texts(), (std::vector<std::string>{"Bitte geben Sie einen Namen für die Analyse ein!",
                                                 "Bitte geben Sie einen Volumenstrom an!"}));
    EXPECT_EQ(d.focusWidget(), control(d, "VolumenStrom"));

    dialogs.messages.clear();
    type(d, "VolumenStrom", QStringLiteral("100"));
    click(d, "BerechnenBt");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Information);
    EXPECT_EQ(
        dialogs.messages[0].text,
        QStringLiteral("Der Durchmesser sollte weniger als 3600 mm betragen. Ist dieser größer, empfiehlt "
                       "sich eine Leistungsaufteilung.\n\rWeitere Informationen erhalten Sie in der Hilfe."));
    EXPECT_EQ(text(d, "Volumen"), QStringLiteral("66,667"));
    EXPECT_EQ(text(d, "Hoehe"), QStringLiteral("3333"));
    EXPECT_EQ(text(d, "HoeheRund"), QStringLiteral("3400"));
    EXPECT_EQ(text(d, "Durchmesser"), QStringLiteral("5046"));
    EXPECT_EQ(text(d, "DurchmesserGerundet"), QStringLiteral("5100"));
    EXPECT_TRUE(isMarkedRed(control(d, "DurchmesserGerundet")));
    EXPECT_TRUE(isMarkedRed(control<QComboBox>(d, "Leistung")));
    EXPECT_TRUE(control<QLabel>(d, "Hinweis")->isVisible());

    // In "OK" the same diameter is a question; "No" keeps the dialog without a window.
    dialogs.answers = {Answer::No};
    click(d, "Button1");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].buttons, DialogSeam::Buttons::YesNo);
    EXPECT_EQ(
        dialogs.messages[1].text,
        QStringLiteral("Der Durchmesser sollte weniger als 3600 mm betragen. Ist dieser größer, empfiehlt "
                       "sich eine Leistungsaufteilung.\n\rMöchten Sie fortfahren?"));
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(window->resultWindows().isEmpty());

    // Five filters: each narrower than the limit, and the report writes the design as computed.
    type(d, "Leistung", QStringLiteral("5"));
    EXPECT_EQ(control<QLabel>(d, "Prozent")->text(), QStringLiteral("x 25% Leistung"));
    EXPECT_EQ(text(d, "Anzahl"), QStringLiteral("5"));
    EXPECT_EQ(text(d, "DurchmesserGerundet"), QStringLiteral("2600"));
    EXPECT_FALSE(isMarkedRed(control(d, "DurchmesserGerundet")));
    EXPECT_FALSE(control<QLabel>(d, "Hinweis")->isVisible());
    EXPECT_EQ(text(d, "RechteckBreiteGerundet"), QStringLiteral("1300"));
    EXPECT_EQ(text(d, "FlaecheRechteckNeu"), QStringLiteral("5,070"));
    name(d);
    click(d, "Button1");
    const auto* report = activeReport<TAKohleReport>();
    ASSERT_NE(report, nullptr);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(report->caption(), QStringLiteral("Werk Ost"));
    EXPECT_EQ(report->record().encode(), test::carbonSample().encode());
    EXPECT_EQ(report->Book()->getCellText(18, 4), QStringLiteral("3400"));
    EXPECT_EQ(report->Book()->getCellText(2, 1), QStringLiteral("Adsorption organischer Stoffe"));
}

TEST_F(FilterDialogTest, CarbonFilterJudgesTheBedHeightByThePurpose) {
    auto& d = show<TAktivKohle>(window->actions().aktivkohlefilter);
    type(d, "VolumenStrom", QStringLiteral("100"));
    type(d, "Leistung", QStringLiteral("5"));
    dialogs.messages.clear();
    type(d, "Belastung", QStringLiteral("1,0"));
    type(d, "Geschwindigkeit", QStringLiteral("6"));
    click(d, "BerechnenBt"); // h = 6000 mm
    EXPECT_EQ(texts(), (std::vector<std::string>{"Die Filterschichthöhe ist größer als die Empfehlung!"}));
    EXPECT_TRUE(isMarkedRed(control(d, "HoeheRund")));
    EXPECT_TRUE(isMarkedRed(control<QComboBox>(d, "Belastung")));

    dialogs.messages.clear();
    control<QTabBar>(d, "TabControl1")->setCurrentIndex(2); // presets 15 and 30: h = 2000 mm
    EXPECT_EQ(text(d, "Belastung"), QStringLiteral("15,0"));
    EXPECT_EQ(text(d, "HoeheRund"), QStringLiteral("2000"));
    EXPECT_FALSE(isMarkedRed(control(d, "HoeheRund")));
    EXPECT_EQ(control<QLabel>(d, "Hinw2")->text(), QStringLiteral("zwischen 2000mm und 3000mm haben."));
    control<QComboBox>(d, "Geschwindigkeit")->setCurrentIndex(0); // 25 m/h: h = 1667 mm
    click(d, "BerechnenBt");
    EXPECT_EQ(texts(), (std::vector<std::string>{"Die Filterschichthöhe ist kleiner als die Empfehlung!"}));
    EXPECT_EQ(text(d, "HoeheRund"), QStringLiteral("1700"));
    EXPECT_EQ(d.focusWidget()->objectName().toStdString(), "Belastung");

    // The number of filters stays between 2 and 15, a load typed away comes back as the preset.
    for (const char* typed : {"1", "16", ""}) {
        type(d, "Leistung", QString::fromLatin1(typed));
        EXPECT_EQ(text(d, "Leistung"), QStringLiteral("2")) << typed;
    }
    type(d, "Belastung", QString());
    EXPECT_EQ(text(d, "Belastung"), QStringLiteral("15,0"));
    // A load the strict conversion cannot read stops silently and brings the presets back.
    dialogs.messages.clear();
    type(d, "Belastung", QStringLiteral("1,2,3"));
    click(d, "BerechnenBt");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(text(d, "Belastung"), QStringLiteral("15,0"));
}

TEST_F(FilterDialogTest, ARectangularCarbonFilterIsNotAskedAboutItsDiameter) {
    auto& d = show<TAktivKohle>(window->actions().aktivkohlefilter);
    click(d, "RechteckRB");
    EXPECT_FALSE(control<QGroupBox>(d, "KreisPL")->isVisible());
    EXPECT_TRUE(control<QGroupBox>(d, "RechteckPL")->isVisible());
    type(d, "Ana", QStringLiteral("Halle"));
    type(d, "VolumenStrom", QStringLiteral("100"));
    control<QComboBox>(d, "Verhaeltnis")->setCurrentText(QStringLiteral("2"));
    click(d, "Button1");
    EXPECT_TRUE(dialogs.messages.empty());
    const auto* report = activeReport<TAKohleReport>();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->record().design.circle.roundedDiameter, 5100.0); // computed, not asked about
    EXPECT_EQ(report->record().design.rectangle.ratio, 2.0);
    EXPECT_EQ(report->record().inputs.ratio, 2.0);
    click(show<TAktivKohle>(window->actions().aktivkohlefilter), "KreisRB"); // for the next test's sake
}

TEST_F(FilterDialogTest, ACarbonReportHandsItsDesignBackToTheDialog) {
    auto& d = show<TAktivKohle>(window->actions().aktivkohlefilter);
    control<QTabBar>(d, "TabControl1")->setCurrentIndex(1);
    type(d, "VolumenStrom", QStringLiteral("80"));
    type(d, "Leistung", QStringLiteral("4"));
    type(d, "Belastung", QStringLiteral("4,0"));
    control<QComboBox>(d, "Verhaeltnis")->setCurrentText(QStringLiteral("1,4"));
    name(d);
    click(d, "Button1");
    const auto* first = activeReport<TAKohleReport>();
    ASSERT_NE(first, nullptr);
    const CarbonFilterRecord design = first->record();

    // A second window of other inputs keeps its own design.
    show<TAktivKohle>(window->actions().aktivkohlefilter);
    control<QTabBar>(d, "TabControl1")->setCurrentIndex(0);
    type(d, "VolumenStrom", QStringLiteral("30"));
    type(d, "Leistung", QStringLiteral("3"));
    type(d, "Ana", QStringLiteral("Zweiter"));
    click(d, "Button1");
    ASSERT_NE(activeReport<TAKohleReport>(), first);
    EXPECT_EQ(first->record().encode(), design.encode());
    EXPECT_EQ(activeReport<TAKohleReport>()->record().design.flow, 30.0);

    window->activate(const_cast<TAKohleReport*>(first));
    const auto* reopened = reopen<TAKohleReport>(QStringLiteral("kohle"));
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->record().encode(), design.encode());
    dialogs.messages.clear();
    show<TAktivKohle>(window->actions().aktivkohlefilter);
    EXPECT_EQ(control<QTabBar>(d, "TabControl1")->currentIndex(), 1);
    EXPECT_EQ(text(d, "VolumenStrom"), QStringLiteral("80"));
    EXPECT_EQ(text(d, "Leistung"), QStringLiteral("4"));
    EXPECT_EQ(text(d, "Belastung"), QStringLiteral("4"));
    EXPECT_EQ(text(d, "Verhaeltnis"), QStringLiteral("1,4"));
    EXPECT_EQ(text(d, "Anm2"), QStringLiteral("Entwurf"));
    EXPECT_EQ(text(d, "HoeheRund"), QStringLiteral("3800"));
    control<QDateEdit>(d, "DateTimePicker1")->setDate(QDate(2026, 12, 10));
    click(d, "Button1");
    const auto* again = activeReport<TAKohleReport>();
    ASSERT_NE(again, reopened);
    EXPECT_EQ(again->record().encode(), design.encode());
}

// ---- iron removal

TEST_F(FilterDialogTest, IronFilterAsksForAVelocityAbove28MetresAnHour) {
    auto& d = show<TFeMnForm>(window->actions().enteisenungsfilter);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Enteisenung"));
    EXPECT_EQ(text(d, "KornDurchmesser"), QStringLiteral("1"));
    EXPECT_EQ(text(d, "REVerh"), QStringLiteral("3"));
    EXPECT_FALSE(control(d, "FilGeschwGew")->isEnabled());
    for (const auto& [edit, value] : {std::pair{"Eisen", "1"},
                                      {"pHWert", "8"},
                                      {"Sauerstoff", "8"},
                                      {"WasserTemperatur", "10"},
                                      {"Filterschichthoehe", "1,5"},
                                      {"VolStrom", "100"}})
        type(d, edit, QString::fromLatin1(value));
    dialogs.textAnswers = {QStringLiteral("30"), QStringLiteral("12")};
    click(d, "DimBt");
    const std::string tooFast =
        "Die Filtrationsgeschwindigkeit ist größer als 28 m/h. Geben Sie eine neue Geschwindigkeit ein.";
    EXPECT_EQ(texts(),
              (std::vector<std::string>{tooFast, tooFast,
                                        "Da die Filtrationsgeschwindigkeit größer als 7 m/h ist kommt nur "
                                        "eine Filtration im Druckfilter in Frage."}));
    EXPECT_EQ(text(d, "FilGeschwGew"), QStringLiteral("12,000"));
    EXPECT_TRUE(control(d, "FilGeschwGew")->isEnabled());
    EXPECT_TRUE(control<QRadioButton>(d, "DruckRB")->isChecked());
    EXPECT_FALSE(control<QRadioButton>(d, "OffenRB")->isEnabled());
    EXPECT_FALSE(control<QRadioButton>(d, "RechteckRB")->isEnabled());
    EXPECT_EQ(text(d, "FilFlaeche"), QStringLiteral("8,333"));

    // A cancelled input box stops "OK" without a window.
    dialogs.messages.clear();
    type(d, "Ana", QStringLiteral("Schnell"));
    click(d, "Button1");
    EXPECT_EQ(texts(), (std::vector<std::string>{tooFast}));
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(window->resultWindows().isEmpty());
}

TEST_F(FilterDialogTest, IronFilterOffersTheOpenFilterBelow7MetresAnHour) {
    auto& d = show<TFeMnForm>(window->actions().enteisenungsfilter);
    for (const auto& [edit, value] : {std::pair{"Eisen", "1"},
                                      {"pHWert", "6"},
                                      {"Sauerstoff", "8"},
                                      {"WasserTemperatur", "10"},
                                      {"Filterschichthoehe", "1,5"},
                                      {"VolStrom", "20"}})
        type(d, edit, QString::fromLatin1(value));
    click(d, "DimBt");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(text(d, "FilGeschwGew"), QStringLiteral("4,32"));
    EXPECT_TRUE(control<QRadioButton>(d, "OffenRB")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(d, "RechteckRB")->isEnabled());
    click(d, "RechteckRB");
    EXPECT_TRUE(control<QGroupBox>(d, "RechteckPL")->isVisible());
    EXPECT_EQ(text(d, "REBreite"), QStringLiteral("1242"));
    EXPECT_EQ(text(d, "REBreiteG"), QStringLiteral("1300")); // 51 mm added before the rounding
    EXPECT_EQ(text(d, "KRDurchG"), QStringLiteral("2500"));

    // A limit stops with its warning and the focus on its edit.
    type(d, "pHWert", QStringLiteral("15"));
    click(d, "DimBt");
    EXPECT_EQ(texts(), (std::vector<std::string>{"Der pH-Wert ist zu groß."}));
    EXPECT_EQ(d.focusWidget(), control(d, "pHWert"));
    type(d, "pHWert", QStringLiteral("6,,"));
    click(d, "DimBt");
    EXPECT_EQ(texts().back(), "Es wurden nicht alle Werte korrekt eingegeben.\r\nBitte korrigieren!");
}

TEST_F(FilterDialogTest, AnIronFilterOf3600MillimetresIsAQuestionOnOk) {
    auto& d = show<TFeMnForm>(window->actions().enteisenungsfilter);
    for (const auto& [edit, value] : {std::pair{"Eisen", "1"},
                                      {"pHWert", "7"},
                                      {"Sauerstoff", "8"},
                                      {"WasserTemperatur", "10"},
                                      {"Filterschichthoehe", "1,5"},
                                      {"VolStrom", "152"}})
        type(d, edit, QString::fromLatin1(value));
    click(d, "DimBt");
    EXPECT_EQ(text(d, "KRDurchG"), QStringLiteral("3600")); // the limit includes 3600 mm
    EXPECT_TRUE(isMarkedRed(control(d, "KRDurchG")));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text,
              QStringLiteral(
                  "Der Durchmesser eines Filters sollte nicht größer sein als 3600mm.\r\nBitte ändern Sie "
                  "die Leistungsaufteilung zur Verkleinerung des Durchmessers,\r\noder wählen Sie einen "
                  "rechteckigen Querschnitt."));
    name(d);
    dialogs.messages.clear();
    dialogs.answers = {Answer::No};
    click(d, "Button1");
    ASSERT_EQ(dialogs.messages.size(), 1u); // the pressure-filter rule was told already
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Der Durchmesser eines Filters sollte nicht größer sein als "
                             "3600 mm.\r\n\r\nMöchten Sie dennoch fortfahren?"));
    EXPECT_TRUE(window->resultWindows().isEmpty());

    type(d, "FilLeis", QStringLiteral("4"));
    type(d, "VolStrom", QStringLiteral("100"));
    click(d, "Button1");
    const auto* report = activeReport<TFeMnReport>();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->record().encode(), test::ironSample().encode());

    // The report hands its inputs back, and the dialog reproduces the design.
    const auto* reopened = reopen<TFeMnReport>(QStringLiteral("eisen"));
    ASSERT_NE(reopened, nullptr);
    show<TFeMnForm>(window->actions().enteisenungsfilter);
    EXPECT_EQ(text(d, "VolStrom"), QStringLiteral("100"));
    EXPECT_EQ(text(d, "Filterschichthoehe"), QStringLiteral("1,5"));
    EXPECT_EQ(text(d, "FilLeis"), QStringLiteral("4"));
    EXPECT_EQ(text(d, "Eisen"), QStringLiteral("1"));
    EXPECT_EQ(text(d, "Sauerstoff"), QStringLiteral("8"));
    EXPECT_EQ(text(d, "pHWert"), QStringLiteral("7"));
    EXPECT_EQ(text(d, "WasserTemperatur"), QStringLiteral("10"));
    EXPECT_EQ(text(d, "KornDurchmesser"), QStringLiteral("1"));
    EXPECT_EQ(text(d, "Ana"), QStringLiteral("Werk Ost"));
    EXPECT_EQ(text(d, "KRDurchG"), QStringLiteral("1700"));
    control<QDateEdit>(d, "DateTimePicker1")->setDate(QDate(2026, 12, 10));
    click(d, "Button1");
    const auto* again = activeReport<TFeMnReport>();
    ASSERT_NE(again, reopened);
    EXPECT_EQ(again->record().encode(), test::ironSample().encode());
}

// ---- sand filter

TEST_F(FilterDialogTest, APressureSandFilterWiderThan3600MillimetresStops) {
    auto& d = show<TSandfilter>(window->actions().sandfilter);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Sandfilter"));
    EXPECT_EQ(text(d, "FiltrationsgeschwindigkeitCB"), QStringLiteral("5,0")); // open filter
    EXPECT_FALSE(control(d, "DurchmesserE")->isVisible());
    click(d, "FiltertypRGItem1");
    EXPECT_EQ(text(d, "FiltrationsgeschwindigkeitCB"), QStringLiteral("15,0"));
    EXPECT_EQ(control<QComboBox>(d, "FiltrationsgeschwindigkeitCB")->count(), 21);
    EXPECT_TRUE(control(d, "DurchmesserE")->isVisible());
    EXPECT_EQ(text(d, "HoeheCB"), QStringLiteral("2000"));
    type(d, "VolumenstromE", QStringLiteral("200"));
    name(d);
    click(d, "Button1");
    EXPECT_EQ(texts(), (std::vector<std::string>{
                           "Der Durchmesser ist größer als 3600 mm. Bitte ändern Sie die Auslegungsdaten."}));
    EXPECT_EQ(text(d, "FlaecheE"), QStringLiteral("13,33"));
    EXPECT_EQ(text(d, "DurchmesserE"), QStringLiteral("4120"));
    EXPECT_EQ(text(d, "DurchmesserRundE"), QStringLiteral("4200"));
    EXPECT_EQ(text(d, "GesamthoeheE"), QStringLiteral("3000"));
    EXPECT_TRUE(isMarkedRed(control(d, "DurchmesserRundE")));
    EXPECT_TRUE(window->resultWindows().isEmpty());

    type(d, "LeistungsaufteilungCB", QStringLiteral("4"));
    EXPECT_EQ(text(d, "LeistungsaufteilungE"), QStringLiteral("33,33 %"));
    click(d, "Button1");
    const auto* report = activeReport<TSandReport>();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->record().encode(), test::sandSample().encode());
    EXPECT_EQ(report->Book()->getCellText(2, 1), QStringLiteral("Direktfiltration"));

    const auto* reopened = reopen<TSandReport>(QStringLiteral("sand"));
    ASSERT_NE(reopened, nullptr);
    dialogs.messages.clear();
    show<TSandfilter>(window->actions().sandfilter);
    EXPECT_TRUE(control<QRadioButton>(d, "FiltertypRGItem1")->isChecked());
    EXPECT_EQ(text(d, "VolumenstromE"), QStringLiteral("200"));
    EXPECT_EQ(text(d, "FiltrationsgeschwindigkeitCB"), QStringLiteral("15"));
    EXPECT_EQ(text(d, "LeistungsaufteilungCB"), QStringLiteral("4"));
    EXPECT_EQ(text(d, "DurchmesserRundE"), QStringLiteral("2400"));
    EXPECT_TRUE(dialogs.messages.empty());
    control<QDateEdit>(d, "DateTimePicker1")->setDate(QDate(2026, 12, 10));
    click(d, "Button1");
    const auto* again = activeReport<TSandReport>();
    ASSERT_NE(again, reopened);
    EXPECT_EQ(again->record().encode(), test::sandSample().encode());
}

TEST_F(FilterDialogTest, AnOpenSandFilterGoesOnAndSeveralLayersRunFaster) {
    auto& d = show<TSandfilter>(window->actions().sandfilter);
    click(d, "FiltertypRGItem0");
    type(d, "VolumenstromE", QStringLiteral("200"));
    click(d, "BitBtn2");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(text(d, "FlaecheE"), QStringLiteral("40"));
    EXPECT_EQ(text(d, "DurchmesserRundE"), QStringLiteral("7200"));
    EXPECT_TRUE(isMarkedRed(control(d, "DurchmesserRundE")));

    type(d, "HoeheCB", QStringLiteral("1400"));
    click(d, "BitBtn2");
    EXPECT_EQ(texts(), (std::vector<std::string>{"Die Filterschichthöhe ist zu klein gewählt."}));
    EXPECT_EQ(text(d, "HoeheCB"), QStringLiteral("2000"));

    click(d, "FiltrationsartRGItem1");
    EXPECT_TRUE(control<QLabel>(d, "MehrschichtfiltrationL")->isVisible());
    auto* velocities = control<QComboBox>(d, "FiltrationsgeschwindigkeitCB");
    EXPECT_EQ(velocities->itemText(0), QStringLiteral("5,2"));
    EXPECT_EQ(velocities->itemText(6), QStringLiteral("9,1"));
    EXPECT_EQ(text(d, "FiltrationsgeschwindigkeitCB"), QStringLiteral("6,5"));
    EXPECT_EQ(text(d, "HoeheCB"), QStringLiteral("2500"));
    EXPECT_EQ(text(d, "FlaecheE"), QStringLiteral("0"));

    // Too slow: a warning, or in "OK" a question whose "No" opens no window.
    dialogs.messages.clear();
    type(d, "FiltrationsgeschwindigkeitCB", QStringLiteral("3"));
    type(d, "Ana", QStringLiteral("Langsam"));
    dialogs.answers = {Answer::No};
    click(d, "Button1");
    EXPECT_EQ(
        texts(),
        (std::vector<std::string>{
            "Die Filtrationsgeschwindigkeit ist ungewöhnlich klein gewählt.\r\nMöchten Sie fortfahren?"}));
    EXPECT_EQ(text(d, "FiltrationsgeschwindigkeitCB"), QStringLiteral("6,5")); // the open filter's preset
    EXPECT_TRUE(window->resultWindows().isEmpty());
    type(d, "FiltrationsgeschwindigkeitCB", QStringLiteral("12"));
    click(d, "BitBtn2");
    EXPECT_EQ(texts().back(), "Die Filtrationsgeschwindigkeit ist zu groß gewählt.");
    EXPECT_EQ(text(d, "FiltrationsgeschwindigkeitCB"), QStringLiteral("6,5"));
    type(d, "VolumenstromE", QStringLiteral("0"));
    click(d, "BitBtn2");
    EXPECT_EQ(texts().back(), "Bitte geben Sie einen Volumenstrom ein!");
}

TEST_F(FilterDialogTest, EveryAltKeyOfTheFilterDialogsLeadsToOneControl) {
    for (QDialog* dialog : std::initializer_list<QDialog*>{
             &window->carbonFilterDialog(), &window->ironFilterDialog(), &window->sandFilterDialog()})
        EXPECT_EQ(test::mnemonicClashes(*dialog), QStringList()) << dialog->objectName().toStdString();
}

} // namespace
