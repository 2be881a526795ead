#include "app/DesktopCommands.h"
#include "app/DesktopFile.h"
#include "app/THauptfenster.h"
#include "MainWindowFixture.h"
#include "sheet/view/SheetBook.h"
#include "variations/TGraphikF.h"
#include "windows/TMDIChild.h"

#include <gtest/gtest.h>
#include <QMdiSubWindow>
#include <QTest>

using namespace velmora;

namespace {

class DesktopTest : public test::ShownMainWindowFixture {
protected:
    static QMdiSubWindow* frameOf(const TMDIChild* child) {
        return qobject_cast<QMdiSubWindow*>(child->parentWidget());
    }

    // A water window in the normal state at `geometry`, its sheet scrolled to `topRow`.
    TMDIChild* openPlaced(const QString& name, const QRect& geometry, int topRow) {
        window->OpenDataFile(waterFile(name + QStringLiteral(".was"), name));
        TMDIChild* child = window->activeResultWindow();
        if (!child)
            throw std::runtime_error("no window");
        frameOf(child)->showNormal();
        frameOf(child)->setGeometry(geometry);
        child->Book()->setTopRow(topRow);
        return child;
    }

    QString saveDesktop(const QString& name = QStringLiteral("arbeit.wdt")) {
        const QString path = data.filePath(name);
        dialogs.saveAnswers = {path};
        window->actions().desktopSpeichern->trigger();
        return path;
    }

    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(fehlt)");
    }

    void restore(const QByteArray& content) {
        window->desktopCommands().restoreDesktop(dataFile(QStringLiteral("von-hand.wdt"), content));
    }

    QStringList captions() const {
        QStringList list;
        for (const TMDIChild* child : window->resultWindows())
            list << child->caption();
        return list;
    }

    void closeAllWindows() {
        window->closeAll();
        QCoreApplication::processEvents();
        ASSERT_TRUE(window->resultWindows().isEmpty());
    }
};

} // namespace

TEST_F(DesktopTest, ThreeWindowsComeBackInTheirOrderPlacesAndRows) {
    window->showNormal();
    const QRect places[] = {{0, 0, 400, 300}, {30, 40, 420, 310}, {60, 80, 440, 320}};
    const QString names[] = {QStringLiteral("Eins"), QStringLiteral("Zwei"), QStringLiteral("Drei")};
    for (int i = 0; i < 3; ++i)
        openPlaced(names[i], places[i], 5 + i);
    // "Zwei" is the active window when the desktop is saved.
    window->activate(window->resultWindows()[1]);
    dialogs.saveAnswers = {data.filePath(QStringLiteral("arbeit.txt"))};
    window->actions().desktopSpeichern->trigger();
    // The name gets the desktop's extension whatever was typed.
    const QString path = data.filePath(QStringLiteral("arbeit.wdt"));
    Desktop expected;
    expected.mainGeometry = QRect(window->pos(), window->size());
    for (const int i : {0, 2, 1})
        expected.windows.push_back({data.filePath(names[i] + QStringLiteral(".was")), places[i], 5 + i});
    EXPECT_EQ(bytesOf(path), desktopText(expected));
    EXPECT_EQ(dialogs.fileDialogs.back(),
              QStringLiteral("Programm-Desktop speichern|%1|Velmora Programm-Desktop (*.wdt)")
                  .arg(window->directories().data));

    closeAllWindows();
    window->move(200, 150);
    dialogs.openFileAnswers = {path};
    window->actions().desktopLaden->trigger();
    EXPECT_TRUE(dialogs.messages.empty()); // no window was open to ask about
    EXPECT_EQ(captions(),
              (QStringList{QStringLiteral("Eins"), QStringLiteral("Drei"), QStringLiteral("Zwei")}));
    EXPECT_EQ(window->activeResultWindow()->caption(), QStringLiteral("Zwei"));
    for (const TMDIChild* child : window->resultWindows()) {
        const int i =
            int(std::find(std::begin(names), std::end(names), child->caption()) - std::begin(names));
        EXPECT_EQ(frameOf(child)->geometry(), places[i]) << i;
        EXPECT_EQ(child->Book()->topRow(), 5 + i) << i;
    }
    EXPECT_EQ(window->pos(), expected.mainGeometry->topLeft());
}

TEST_F(DesktopTest, MaximisedWindowsAreWrittenWithoutPlacement) {
    window->showMaximized();
    QCoreApplication::processEvents();
    window->OpenDataFile(waterFile(QStringLiteral("Eins.was")));
    const QString path = saveDesktop();
    EXPECT_EQ(bytesOf(path).toStdString(),
              "x-1\r\n<" + data.filePath(QStringLiteral("Eins.was")).toStdString() + "\r\n");

    closeAllWindows();
    window->showNormal();
    window->desktopCommands().restoreDesktop(path);
    EXPECT_TRUE(window->isMaximized());
    ASSERT_EQ(window->resultWindows().size(), 1);
    EXPECT_TRUE(frameOf(window->activeResultWindow())->isMaximized());
}

TEST_F(DesktopTest, AChartWindowHasNoDataFileAndIsLeftOut) {
    window->OpenDataFile(QStringLiteral(VELMORA_SOURCE_DIR "/tests/variations/data/mischung.wam"));
    const QString series = window->activeResultWindow()->FileName;
    window->actions().grafikPh->trigger();
    ASSERT_NE(window->activeChart(), nullptr);
    const std::vector<DesktopLine> lines = desktopLines(bytesOf(saveDesktop()));
    QStringList files;
    for (const DesktopLine& line : lines)
        if (line.kind == u'<')
            files << line.value;
    EXPECT_EQ(files, QStringList{series});
}

TEST_F(DesktopTest, AnOpenFileIsBroughtToTheFrontAndPlaced) {
    TMDIChild* first = openPlaced(QStringLiteral("Eins"), {0, 0, 300, 200}, 1);
    openPlaced(QStringLiteral("Zwei"), {10, 10, 300, 200}, 1);
    // Upper-case letters at the line starts read like lower-case ones; a "q" line is ignored; the path
    // keeps its case.
    restore("Q7\r\n<" + first->FileName.toLocal8Bit() + "\r\nL15\r\nT25\r\nW350\r\nH250\r\nP9\r\n");
    EXPECT_EQ(window->resultWindows().size(), 2);
    EXPECT_EQ(window->activeResultWindow(), first);
    EXPECT_EQ(frameOf(first)->geometry(), QRect(15, 25, 350, 250));
    EXPECT_EQ(first->Book()->topRow(), 9);
}

TEST_F(DesktopTest, AMissingFileIsSkippedWithItsPlacement) {
    TMDIChild* open = openPlaced(QStringLiteral("Eins"), {0, 0, 300, 200}, 1);
    const QString later = waterFile(QStringLiteral("Zwei.was"), QStringLiteral("Zwei"));
    restore("<" + data.filePath(QStringLiteral("weg.was")).toLocal8Bit() +
            "\r\nl50\r\nt50\r\nw100\r\nh100\r\n" + "p30\r\n<" + later.toLocal8Bit() + "\r\nl5\r\n");
    EXPECT_EQ(frameOf(open)->geometry(), QRect(0, 0, 300, 200));
    EXPECT_EQ(open->Book()->topRow(), 1);
    EXPECT_EQ(captions(), (QStringList{QStringLiteral("Eins"), QStringLiteral("Zwei")}));
    EXPECT_EQ(frameOf(window->activeResultWindow())->x(), 5);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DesktopTest, PlacementsBeyondAnyScreenAreBounded) {
    TMDIChild* open = openPlaced(QStringLiteral("Eins"), {0, 0, 300, 200}, 1);
    restore("<" + open->FileName.toLocal8Bit() + "\r\nl-99999999\r\nwkeine Zahl\r\nh99999999\r\n");
    EXPECT_EQ(frameOf(open)->x(), -32767);
    EXPECT_EQ(frameOf(open)->height(), 32767);
}

TEST_F(DesktopTest, LoadingAsksToCloseTheOpenWindowsFirst) {
    openPlaced(QStringLiteral("Eins"), {0, 0, 300, 200}, 1);
    const QString path = saveDesktop();
    dialogs.answers = {DialogSeam::Answer::No};
    dialogs.openFileAnswers = {path};
    window->actions().desktopLaden->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Möchten Sie, bevor Sie einen gespeicherten Programm-Desktop "
                             "laden, alle derzeit geöffneten Fenster schließen?"));
    EXPECT_EQ(dialogs.messages[0].buttons, DialogSeam::Buttons::YesNo);
    EXPECT_EQ(window->resultWindows().size(), 1); // the file was open already
    EXPECT_EQ(dialogs.fileDialogs.back(),
              QStringLiteral("Programm-Desktop laden|%1|Velmora Programm-Desktop (*.wdt)")
                  .arg(window->directories().data));

    openPlaced(QStringLiteral("Zwei"), {0, 0, 300, 200}, 1);
    dialogs.openFileAnswers = {path};
    window->actions().desktopLaden->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(captions(), QStringList{QStringLiteral("Eins")});
}

TEST_F(DesktopTest, ADesktopThatCannotBeWrittenIsTold) {
    openPlaced(QStringLiteral("Eins"), {0, 0, 300, 200}, 1);
    saveDesktop(QStringLiteral("fehlt/arbeit.wdt"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, DialogSeam::Icon::Error);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Die Datei konnte nicht erzeugt werden!"));
}

TEST_F(DesktopTest, ADesktopOnTheCommandLineIsRestoredWhenTheWindowIsShown) {
    const QString later = waterFile(QStringLiteral("Zwei.was"), QStringLiteral("Zwei"));
    const QString path = dataFile(QStringLiteral("start.wdt"),
                                  "x40\r\ny30\r\na700\r\nb600\r\n<" + later.toLocal8Bit() + "\r\n");
    window.reset();
    createWindow();
    window->setCommandLinePath(path);
    showWindow();
    EXPECT_EQ(captions(), QStringList{QStringLiteral("Zwei")});
    // Over the placement the configuration holds.
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->size(), QSize(700, 600));
}
