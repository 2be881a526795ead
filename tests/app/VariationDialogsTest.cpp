#include "app/THauptfenster.h"
#include "common/Units.h"
#include "MainWindowFixture.h"
#include "sheet/view/SheetBook.h"
#include "variations/TemperatureForm.h"
#include "variations/TTemperaturdaten.h"
#include "variations/TTemperaturF.h"
#include "windows/AnalysisForm.h"
#include "windows/TWasserF.h"
#include "windows/WaterSource.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

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
