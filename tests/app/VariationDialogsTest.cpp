#include "app/THauptfenster.h"
#include "common/Units.h"
#include "MainWindowFixture.h"
#include "SampleWaters.h"
#include "sheet/view/SheetBook.h"
#include "variations/TemperatureForm.h"
#include "variations/TGraphikF.h"
#include "variations/TMischdaten.h"
#include "variations/TMischwasserF.h"
#include "variations/TTemperaturdaten.h"
#include "variations/TTemperaturF.h"
#include "windows/AnalysisForm.h"
#include "windows/TWasserF.h"
#include "windows/WaterSource.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

using namespace velmora;

namespace {

class TemperatureDialogTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        QFile golden(QStringLiteral(VELMORA_SOURCE_DIR "/tests/windows/data/brunnen-sued.was"));
        ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
        window->show();
        window->OpenDataFile(dataFile(QStringLiteral("brunnen-sued.was"), golden.readAll()));
        ASSERT_NE(window->activeWaterSource(), nullptr);
        window->actions().temperatur->trigger();
    }

    TTemperaturdaten& dialog() const { return window->temperatureDialog(); }
    QLineEdit* edit(const char* name) const {
        return dialog().findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    void clickOk(const char* start, const char* end) {
        edit("Tstart")->setText(QString::fromLatin1(start));
        edit("Tend")->setText(QString::fromLatin1(end));
        dialog().findChild<QPushButton*>(QStringLiteral("ok"))->click();
    }
};

} // namespace

TEST_F(TemperatureDialogTest, OkOpensATemperatureWindowOfTheActiveWater) {
    ASSERT_TRUE(dialog().isVisible());
    EXPECT_FALSE(window->centralWidget()->isEnabled());
    EXPECT_EQ(edit("Analyse")->text(), window->activeWaterSource()->analysisHeader().name());
    clickOk("10", "15");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(window->centralWidget()->isEnabled());
    const auto* series = dynamic_cast<const TTemperaturF*>(window->activeResultWindow());
    ASSERT_NE(series, nullptr);
    const VariationRecord& record = series->record().series;
    EXPECT_EQ(record.rangeStart, 10.0);
    EXPECT_EQ(record.rangeEnd, 15.0);
    EXPECT_NEAR(units::kelvinToCelsius(record.rows[10][slot::tEval]), 15.0, 1e-9);
    EXPECT_EQ(record.inputMethod, window->findChild<TWasserF*>()->inputMethod());
    EXPECT_EQ(series->Book()->getCellText(40, 3), QStringLiteral("10.000"));

    // A second series leaves the first window's record as it was.
    window->OpenDataFile(
        dataFile(QStringLiteral("zweite.was"), window->findChild<TWasserF*>()->record().encode()));
    window->actions().temperatur->trigger();
    clickOk("0", "70");
    EXPECT_EQ(series->record().series.rangeEnd, 15.0);
}

TEST_F(TemperatureDialogTest, WrongInputsAreToldAndNothingIsComputed) {
    const struct {
        const char* start;
        const char* end;
        const char16_t* message;
        DialogSeam::Icon icon;
    } cases[] = {{"20", "20", temperatureRangeMessage, DialogSeam::Icon::Error},
                 {"30", "20", temperatureRangeMessage, DialogSeam::Icon::Error},
                 {"0", "71", temperatureRangeMessage, DialogSeam::Icon::Error},
                 {"", "70", temperatureRangeMessage, DialogSeam::Icon::Error}};
    for (const auto& c : cases) {
        dialogs.messages.clear();
        clickOk(c.start, c.end);
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.start << "-" << c.end;
        EXPECT_EQ(dialogs.messages[0].text, QString::fromUtf16(c.message));
        EXPECT_EQ(dialogs.messages[0].icon, c.icon);
        EXPECT_TRUE(dialog().isVisible());
    }
    dialogs.messages.clear();
    edit("Analyse")->setText(QStringLiteral("  "));
    clickOk("0", "70");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QString::fromUtf16(missingNameMessage));
    EXPECT_EQ(dialogs.messages[0].icon, DialogSeam::Icon::Warning);
    EXPECT_EQ(window->resultWindows().size(), 1);
}

namespace {

class MixingDialogTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        window->show();
        openWater("brunnen.was", QStringLiteral("Brunnen"), test::evaluatedWater(1, 10));
        openWater("fluss.was", QStringLiteral("Fluss"), test::surfaceWater(20));
        window->actions().mischwasser->trigger();
    }

    void openWater(const char* file, const QString& name, const WaterWindowData& water) {
        window->OpenDataFile(dataFile(QString::fromLatin1(file),
                                      WaterRecord(AnalysisHeader(name, {}, {}, {}, {}), water).encode()));
    }

    TMischdaten& dialog() const { return window->mixingDialog(); }
    template <class Widget>
    Widget* child(const char* name) const {
        return dialog().findChild<Widget*>(QString::fromLatin1(name));
    }
    void clickOk() { child<QPushButton>("ok")->click(); }
};

} // namespace

TEST_F(MixingDialogTest, ListsTheOpenWatersAndNamesTheMixtureAfterTheLast) {
    ASSERT_TRUE(dialog().isVisible());
    const auto* list = child<QTreeWidget>("ListView1");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("0"));
    EXPECT_EQ(list->topLevelItem(1)->text(1), QStringLiteral("Fluss"));
    EXPECT_EQ(child<QListWidget>("ListBox2")->count(), 2);
    EXPECT_EQ(child<QLineEdit>("Analyse")->text(), QStringLiteral("Fluss"));
}

TEST_F(MixingDialogTest, TheTrackBarsAndTheirEditsFollowEachOther) {
    auto* start = child<QLineEdit>("lstart");
    auto* end = child<QLineEdit>("lend");
    start->clear();
    QTest::keyClicks(start, QStringLiteral("150"));
    EXPECT_EQ(child<QSlider>("TrackBar1")->value(), 100);
    EXPECT_EQ(start->text(), QStringLiteral("100"));
    EXPECT_EQ(child<QLabel>("Label11")->text(), QStringLiteral("0"));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(end, Qt::Key_Backspace);
    EXPECT_EQ(end->text(), QStringLiteral("0"));
    EXPECT_EQ(child<QSlider>("TrackBar2")->value(), 0);
    child<QSlider>("TrackBar2")->setValue(35);
    EXPECT_EQ(end->text(), QStringLiteral("35"));
    EXPECT_EQ(child<QLabel>("Label12")->text(), QStringLiteral("35"));
    EXPECT_EQ(child<QLabel>("Label13")->text(), QStringLiteral("65"));
}

TEST_F(MixingDialogTest, ASeriesOfTwoWatersOpensAMixingWindow) {
    child<QListWidget>("ListBox1")->setCurrentRow(0);
    child<QListWidget>("ListBox2")->setCurrentRow(1);
    child<QTabWidget>("PageControl1")->setCurrentIndex(1);
    EXPECT_EQ(child<QLineEdit>("Anmerkung2")->text(), QStringLiteral("Mischen von Brunnen und Fluss"));
    child<QLineEdit>("Analyse")->setText(QStringLiteral("Reihe"));
    child<QSlider>("TrackBar1")->setValue(0);
    child<QSlider>("TrackBar2")->setValue(100);
    clickOk();
    EXPECT_TRUE(dialogs.messages.empty());
    const auto* mixing = dynamic_cast<const TMischwasserF*>(window->activeResultWindow());
    ASSERT_NE(mixing, nullptr);
    EXPECT_EQ(mixing->caption(), QStringLiteral("Reihe"));
    const MixingRecords& records = mixing->record().records;
    EXPECT_EQ(records.mixture.header.text(AnalysisHeader::Remark2),
              QStringLiteral("Mischen von Brunnen und Fluss"));
    EXPECT_EQ(records.mixture.rows[0][slot::caTotal], test::surfaceWater(20).totals[0]);
    EXPECT_EQ(records.mixture.rangeEnd, 100.0);

    // The same water twice makes no series, and says nothing.
    window->actions().mischwasser->trigger();
    child<QListWidget>("ListBox1")->setCurrentRow(1);
    child<QListWidget>("ListBox2")->setCurrentRow(1);
    child<QTabWidget>("PageControl1")->setCurrentIndex(1);
    clickOk();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialog().isVisible());
}

TEST_F(MixingDialogTest, FixedSharesMixIntoANewWaterWindow) {
    child<QTabWidget>("PageControl1")->setCurrentIndex(0);
    auto* list = child<QTreeWidget>("ListView1");
    list->topLevelItem(0)->setText(0, QStringLiteral("1"));
    list->topLevelItem(1)->setText(0, QStringLiteral("3"));
    child<QLineEdit>("Analyse")->setText(QStringLiteral("Mischung"));
    clickOk();
    EXPECT_TRUE(dialogs.messages.empty());
    const auto* mixture = dynamic_cast<const TWasserF*>(window->activeResultWindow());
    ASSERT_NE(mixture, nullptr);
    EXPECT_EQ(mixture->caption(), QStringLiteral("Mischung"));
    EXPECT_EQ(mixture->inputMethod(), 9);
    EXPECT_TRUE(mixture->FileName.isEmpty());
    const double expected =
        0.25 * test::evaluatedWater(1, 10).totals[0] + 0.75 * test::surfaceWater(20).totals[0];
    EXPECT_NEAR(mixture->record().water.totals[0], expected, 1e-15);
}

TEST_F(MixingDialogTest, WrongSharesAndAMissingNameAreTold) {
    auto* list = child<QTreeWidget>("ListView1");
    list->topLevelItem(0)->setText(0, QStringLiteral("x"));
    clickOk();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QString::fromUtf16(invalidValuesMessage));

    // Shares of 0 make no mixture: nothing is said.
    dialogs.messages.clear();
    list->topLevelItem(0)->setText(0, QStringLiteral("0"));
    clickOk();
    EXPECT_TRUE(dialogs.messages.empty());

    list->topLevelItem(0)->setText(0, QStringLiteral("1"));
    child<QLineEdit>("Analyse")->clear();
    clickOk();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QString::fromUtf16(missingNameMessage));
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_EQ(window->resultWindows().size(), 2);
}

namespace {

class ChartWindowTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        window->show();
        QFile golden(QStringLiteral(VELMORA_SOURCE_DIR "/tests/variations/data/mischung.wam"));
        ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
        window->OpenDataFile(dataFile(QStringLiteral("mischung.wam"), golden.readAll()));
        source = window->activeResultWindow();
        ASSERT_NE(source, nullptr);
    }

    TMDIChild* source = nullptr;
};

} // namespace

TEST_F(ChartWindowTest, PhAndSiOpenTwoChartsThatKeepTheirBars) {
    EXPECT_EQ(window->actions().grafikPh->text(), QStringLiteral("pH bei tb"));
    window->actions().grafikPh->trigger();
    const TGraphikF* ph = window->activeChart();
    ASSERT_NE(ph, nullptr);
    EXPECT_EQ(ph->windowTitle(), QStringLiteral("pH bei Bewertungstemperatur - Mischung Süd/Fluss"));
    EXPECT_EQ(window->ChartKind, 10);
    // While a chart is active it offers printing and closing, but no sheet commands and no further chart.
    EXPECT_FALSE(window->actions().grafikPh->isEnabled());
    EXPECT_FALSE(window->actions().kopieren->isEnabled());
    EXPECT_TRUE(window->actions().drucken->isEnabled());

    window->activate(source);
    window->actions().grafikSi->trigger();
    const TGraphikF* si = window->activeChart();
    ASSERT_NE(si, nullptr);
    EXPECT_NE(si, ph);
    EXPECT_EQ(window->ChartKind, 11);
    const std::array<double, 11> phBars = ph->content().values;
    source->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(ph->content().values, phBars);
    EXPECT_EQ(si->content().labels.back(), QStringLiteral("100,0"));
}

TEST_F(ChartWindowTest, TheChartPrintsAndSavesAsPictureAndStaysCentred) {
    window->actions().grafikPh->trigger();
    TGraphikF* chart = window->activeChart();
    ASSERT_NE(chart, nullptr);
    chart->resize(1001, 800);
    EXPECT_EQ(chart->panel()->geometry(), QRect(500 - 232, 400 - 232, 465, 465));

    int printed = 0;
    dialogs.printAnswer = [&printed](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir::temp().filePath(QStringLiteral("velmora-diagramm.pdf")));
        ++printed;
        return true;
    };
    window->actions().drucken->trigger();
    EXPECT_EQ(printed, 1);

    const QString png = data.filePath(QStringLiteral("bild"));
    const QString svg = data.filePath(QStringLiteral("bild.svg"));
    dialogs.saveAnswers = {png + QStringLiteral("|PNG-Bild (*.png)"),
                           svg + QStringLiteral("|SVG-Grafik (*.svg)")};
    chart->savePicture();
    chart->savePicture();
    QFile pngFile(png + QStringLiteral(".png"));
    ASSERT_TRUE(pngFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pngFile.read(8) == QByteArray("\x89PNG\r\n\x1a\n"));
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svgFile.readAll().contains("<svg"));
    EXPECT_TRUE(dialogs.messages.empty());
}
