#include "windows/TMDIChild.h"

#include "FakeMdiHost.h"
#include "ScriptedDialogs.h"
#include "sheet/formats/FileCode.h"
#include "sheet/view/SheetBook.h"
#include "TemplateFolder.h"
#include "windows/MdiHost.h"
#include "windows/ResultRecord.h"
#include "windows/SheetTemplates.h"
#include "windows/UniqueTitle.h"
#include "windows/WindowType.h"

#include <gtest/gtest.h>
#include <map>
#include <QCoreApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>

using namespace velmora;

namespace {

// A record with a marker table of its own, saved as a water file of zeros.
class ReportRecord : public ResultRecord {
public:
    std::map<int, QString> markers{{12, QStringLiteral("7.250")}, {34, QStringLiteral("Brunnen Süd")}};

    const WindowType& type() const override { return windowTypeOf(WindowKind::Water); }
    QByteArray encode() const override { return QByteArray(type().recordSize, '\0'); }
    void decode(QByteArrayView) override {}
    std::optional<QString> markerText(const QString& cellText) const override {
        const std::optional<int> number = markerNumber(cellText);
        const auto it = number ? markers.find(*number) : markers.end();
        return it == markers.end() ? std::nullopt : std::optional<QString>(it->second);
    }
};

class ReportWindow : public TMDIChild {
public:
    explicit ReportWindow(MdiHost& host) : TMDIChild(host, windowTypeOf(WindowKind::Water)) {}

    const ResultRecord& record() const override { return report; }
    ReportRecord report;

protected:
    ResultRecord& mutableRecord() override { return report; }
};

sheet::Workbook markerTemplate() {
    sheet::Workbook book;
    sheet::Sheet& s = book.sheet(0);
    s.setText({1, 1}, QStringLiteral("*12*"));
    s.setText({1, 2}, QStringLiteral("**12"));
    s.setText({1, 3}, QStringLiteral("*12a*"));
    s.setText({1, 4}, QStringLiteral("*000*"));
    s.setText({1, 5}, QStringLiteral("*-12*"));
    s.setText({1, 6}, QStringLiteral("*xyz*"));
    s.setText({2, 1}, QStringLiteral("*034*"));
    s.setText({120, 20}, QStringLiteral("*012*"));
    s.setText({121, 1}, QStringLiteral("*012*"));
    s.setText({1, 21}, QStringLiteral("*012*"));
    s.setText({3, 1}, QStringLiteral("pH-Wert"));
    return book;
}

class TMDIChildTest : public ::testing::Test {
protected:
    test::ScriptedDialogs dialogs;
    test::ProgramFolder program;
    test::FakeMdiHost host{program.path()};
};

} // namespace

TEST_F(TMDIChildTest, ReplacesMarkersInRows1To120AndColumns1To20) {
    program.writeTemplate(WindowKind::Water, markerTemplate());
    ReportWindow window(host);
    host.zoom = 5; // "150 %"
    ASSERT_TRUE(window.showContents());
    const sheet::SheetBook& book = *window.Book();
    EXPECT_EQ(book.getCellText(1, 1), QStringLiteral("*12*"));
    EXPECT_EQ(book.getCellText(1, 2), QStringLiteral("**12"));
    EXPECT_EQ(book.getCellText(1, 3), QStringLiteral("7.250"));
    EXPECT_EQ(book.getCellText(1, 4), QStringLiteral("*000*"));
    EXPECT_EQ(book.getCellText(1, 5), QStringLiteral("*-12*"));
    EXPECT_EQ(book.getCellText(1, 6), QStringLiteral("*xyz*"));
    EXPECT_EQ(book.getCellText(2, 1), QStringLiteral("Brunnen Süd"));
    EXPECT_EQ(book.getCellText(120, 20), QStringLiteral("7.250"));
    EXPECT_EQ(book.getCellText(121, 1), QStringLiteral("*012*"));
    EXPECT_EQ(book.getCellText(1, 21), QStringLiteral("*012*"));
    EXPECT_EQ(book.getCellText(3, 1), QStringLiteral("pH-Wert"));
    // Loading the template resets the zoom box to 100 %, which the sheet then takes.
    EXPECT_EQ(host.zoom, 10);
    EXPECT_EQ(book.viewScale(), 100);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(TMDIChildTest, EveryShowStartsFromTheTemplateAgain) {
    program.writeTemplate(WindowKind::Water, markerTemplate());
    ReportWindow window(host);
    window.showContents();
    window.report.markers[12] = QStringLiteral("8.000");
    window.showContents();
    EXPECT_EQ(window.Book()->getCellText(1, 3), QStringLiteral("8.000"));
    window.SkipTemplate = true;
    window.report.markers[12] = QStringLiteral("9.000");
    window.showContents();
    EXPECT_EQ(window.Book()->getCellText(1, 3), QStringLiteral("8.000"));
    EXPECT_FALSE(window.SkipTemplate);
}

TEST_F(TMDIChildTest, AMissingTemplateIsReportedAndTheWindowCloses) {
    QMdiArea area;
    auto* window = new ReportWindow(host);
    QMdiSubWindow* sub = area.addSubWindow(window);
    sub->show();
    EXPECT_FALSE(window->showContents());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, DialogSeam::Icon::Error);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral(
                  "Die erforderliche Vorlagendatei \"WasserFenster.vts\" konnte nicht gefunden werden!\r\n"
                  "Bitte stellen Sie sicher, daß sie sich im Verzeichnis %1Vorlagen befindet!")
                  .arg(program.path()));
    EXPECT_TRUE(window->Saved);
    EXPECT_TRUE(window->SkipTemplate);
    QCoreApplication::processEvents();
    EXPECT_TRUE(sub->isHidden());
    EXPECT_EQ(dialogs.messages.size(), 1u); // closing asked nothing
}

TEST_F(TMDIChildTest, ATemplateOfAnotherFormatIsInvalid) {
    program.writeTemplate(WindowKind::Water, markerTemplate(), sheet::Excel97Code);
    ReportWindow window(host);
    EXPECT_FALSE(window.showContents());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(
        QStringLiteral("Die Vorlagendatei \"WasserFenster.vts\" ist ungültig!\r\n\r\nBitte erstellen Sie")));
    EXPECT_TRUE(dialogs.messages[0].text.contains(
        QStringLiteral("in das Verzeichnis %1Vorlagen.").arg(program.path())));
}

TEST_F(TMDIChildTest, AnUnsavedWindowAsksBeforeClosing) {
    program.writeTemplate(WindowKind::Water, markerTemplate());
    QMdiArea area;
    auto* window = new ReportWindow(host);
    window->setWindowTitle(QStringLiteral("Brunnen"));
    QMdiSubWindow* sub = area.addSubWindow(window);
    sub->show();

    dialogs.answers = {DialogSeam::Answer::Cancel};
    EXPECT_FALSE(sub->close());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Fenster Brunnen wurde noch nicht gespeichert !\r\nDennoch schließen?"));
    EXPECT_EQ(dialogs.messages[0].buttons, DialogSeam::Buttons::OkCancel);
    EXPECT_EQ(host.closings, 0);

    dialogs.answers = {DialogSeam::Answer::Ok};
    EXPECT_TRUE(sub->close());
    EXPECT_EQ(host.closings, 1);
}

TEST_F(TMDIChildTest, ASavedWindowClosesWithoutQuestion) {
    QMdiArea area;
    auto* window = new ReportWindow(host);
    window->Saved = true;
    QMdiSubWindow* sub = area.addSubWindow(window);
    sub->show();
    EXPECT_TRUE(sub->close());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(TMDIChildTest, ExportsByFilterIndexAndZooms) {
    program.writeTemplate(WindowKind::Water, markerTemplate());
    ReportWindow window(host);
    window.showContents();
    const QString exported = program.path() + QStringLiteral("export.xls");
    window.SaveFileAs(exported, 3);
    int code = 0;
    EXPECT_EQ(sheet::readWorkbookFile(exported, code).sheet(0).text({2, 1}), QStringLiteral("Brunnen Süd"));
    EXPECT_EQ(code, sheet::Excel97Code);
    window.SaveFileAs(program.path() + QStringLiteral("nichts.txt"), 9);
    EXPECT_FALSE(QFile::exists(program.path() + QStringLiteral("nichts.txt")));
    EXPECT_FALSE(window.Saved); // an export is no save

    host.zoom = 14; // "60 %"
    window.SetZoom(QStringLiteral("60 %"));
    EXPECT_EQ(window.Book()->viewScale(), 60);
    EXPECT_EQ(window.ZoomIndex, 14);
}

TEST_F(TMDIChildTest, CaptionsOfOtherWindowsMakeTheCaptionUnique) {
    ReportWindow window(host);
    window.setWindowTitle(QStringLiteral("Probe"));
    host.captions = {QStringLiteral("Probe"), QStringLiteral("probe")};
    host.active = QStringLiteral("Probe"); // the window itself
    const int counter = uniqueTitleCounter();
    window.MakeCaptionUnique();
    EXPECT_EQ(window.caption(), QStringLiteral("Probe-%1").arg(counter));
}

TEST_F(TMDIChildTest, PrintingGoesThroughTheDialogSeam) {
    program.writeTemplate(WindowKind::Water, markerTemplate());
    ReportWindow window(host);
    window.setWindowTitle(QStringLiteral("Brunnen"));
    window.showContents();
    window.PrintSheet(); // cancelled in the dialog: nothing printed, nothing reported
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_EQ(window.Book()->title(), QStringLiteral("Velmora - Brunnen"));
    EXPECT_TRUE(dialogs.messages.empty());
}
