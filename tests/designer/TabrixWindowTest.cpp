#include "designer/TabrixWindow.h"

#include "designer/DesignerDocument.h"
#include "designer/DesignerLanguage.h"
#include "designer/DocumentWindow.h"
#include "designer/FormatCommands.h"
#include "ScriptedDialogs.h"
#include "sheet/formats/FileCode.h"
#include "sheet/formats/WorkbookFile.h"
#include "sheet/view/SheetBook.h"
#include "sheet/view/SheetView.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>

using namespace tabrix;
using namespace velmora::sheet;

namespace {

// The entry reached through the menu bar by the captions of `path`, as a user would open them.
QAction* entry(const QMainWindow& window, const QStringList& path) {
    QList<QAction*> actions = window.menuBar()->actions();
    QAction* found = nullptr;
    for (const QString& caption : path) {
        found = nullptr;
        for (QAction* action : actions)
            if (action->text() == caption)
                found = action;
        if (!found) {
            ADD_FAILURE() << "no entry " << caption.toStdString();
            return nullptr;
        }
        if (found->menu()) {
            Q_EMIT found->menu()->aboutToShow();
            actions = found->menu()->actions();
        }
    }
    return found;
}

// Windows closed go at the next turn of the event loop, which a test takes itself.
void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class TabrixWindowTest : public ::testing::Test {
protected:
    QString file(const QString& name) const { return m_dir.filePath(name); }
    // A copy of a shipped template in the test's folder.
    QString templateCopy(const QString& name) const {
        const QString copy = file(name);
        QFile::copy(QStringLiteral(VELMORA_SOURCE_DIR "/Vorlagen/") + name, copy);
        QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return copy;
    }

    QTemporaryDir m_dir;
    QSettings m_settings{m_dir.filePath(QStringLiteral("Tabrix.ini")), QSettings::IniFormat};
    test::ScriptedDialogs m_dialogs;
};

} // namespace

TEST_F(TabrixWindowTest, ANewBookIsSavedUnderTheNameAndFormatChosen) {
    TabrixWindow window(m_settings);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillmark Tabrix"));
    EXPECT_FALSE(entry(window, {QStringLiteral("&File"), QStringLiteral("&Save")})->isVisible());
    entry(window, {QStringLiteral("&File"), QStringLiteral("&New")})->trigger();
    DesignerDocument* document = window.activeDocument();
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillmark Tabrix - Book1"));
    EXPECT_EQ(window.activeWindow()->book().title(), QStringLiteral("Book1.vts"));
    EXPECT_TRUE(window.activeWindow()->book().showEditBar());

    document->content().setCellText(0, {1, 1}, QStringLiteral("Probe"));
    m_dialogs.saves.push_back({file(QStringLiteral("neu")), Excel97Code});
    entry(window, {QStringLiteral("&File"), QStringLiteral("&Save")})->trigger();
    EXPECT_EQ(m_dialogs.proposals, QStringList{QStringLiteral("Book1")});
    EXPECT_EQ(m_dialogs.proposedCodes, std::vector<int>{NativeCode});
    EXPECT_EQ(document->path(), file(QStringLiteral("neu.xls")));
    EXPECT_EQ(document->code(), Excel97Code);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillmark Tabrix - neu.xls"));
    EXPECT_FALSE(document->isModified());
    int code = 0;
    EXPECT_EQ(readWorkbookFile(file(QStringLiteral("neu.xls")), code).sheet(0).text({1, 1}),
              QStringLiteral("Probe"));
    EXPECT_EQ(code, Excel97Code);
    EXPECT_EQ(window.recentFiles(), QStringList{file(QStringLiteral("neu.xls"))});

    // A second book is proposed under its own title; a failed write leaves no file behind.
    window.newDocument();
    m_dialogs.saves.push_back({file(QStringLiteral("fehlt/neu")), NativeCode});
    EXPECT_FALSE(window.activeDocument()->save(&window));
    EXPECT_EQ(m_dialogs.proposals.last(), QStringLiteral("Book2"));
    EXPECT_EQ(m_dialogs.told.size(), 1);
    EXPECT_TRUE(window.activeDocument()->path().isEmpty());
}

TEST_F(TabrixWindowTest, AReadOnlyWorkbookIsSavedAsInTheNativeFormat) {
    const QString path = templateCopy(QStringLiteral("WasserFenster.vts"));
    QFile(path).setPermissions(QFile::ReadOwner);
    TabrixWindow window(m_settings);
    DesignerDocument* document = window.openDocument(path);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillmark Tabrix - WasserFenster.vts"));
    EXPECT_EQ(window.openDocument(path), document); // the window it has already
    document->content().setCellText(0, {40, 1}, QStringLiteral("geändert"));
    EXPECT_FALSE(document->save(&window));
    EXPECT_EQ(m_dialogs.proposals, QStringList{file(QStringLiteral("WasserFenster"))});
    EXPECT_EQ(m_dialogs.proposedCodes, std::vector<int>{NativeCode});
    EXPECT_EQ(document->path(), path);
}

TEST_F(TabrixWindowTest, EveryTemplateKeepsAChangedCellAndEverythingElse) {
    for (const QString& name :
         QDir(QStringLiteral(VELMORA_SOURCE_DIR "/Vorlagen")).entryList({QStringLiteral("*.vts")})) {
        SCOPED_TRACE(name.toStdString());
        const QString path = templateCopy(name);
        DesignerDocument document{QString()};
        document.open(path);
        document.content().setCellText(0, {60, 3}, QStringLiteral("Änderung 1,5"));
        const Workbook changed = document.content().workbook();
        ASSERT_TRUE(document.save(nullptr));
        DesignerDocument again{QString()};
        again.open(path);
        EXPECT_EQ(again.content().workbook().sheet(0).text({60, 3}), QStringLiteral("Änderung 1,5"));
        EXPECT_TRUE(again.content().workbook() == changed);
    }
    // The import template, an Excel 97 workbook, stays one with every text it holds.
    const QString path = templateCopy(QStringLiteral("ExcelImport.xls"));
    DesignerDocument document{QString()};
    document.open(path);
    EXPECT_EQ(document.code(), Excel97Code);
    document.content().setCellText(0, {60, 3}, QStringLiteral("Änderung"));
    ASSERT_TRUE(document.save(nullptr));
    DesignerDocument again{QString()};
    again.open(path);
    EXPECT_EQ(again.code(), Excel97Code);
    const auto texts = [](const Workbook& book) {
        std::map<CellPos, QString> all;
        for (const auto& [pos, cell] : book.sheet(0).cells())
            if (!cell.text.isEmpty())
                all[pos] = cell.text;
        return all;
    };
    EXPECT_EQ(texts(again.content().workbook()), texts(document.content().workbook()));
    EXPECT_TRUE(m_dialogs.told.isEmpty()) << m_dialogs.told.join(u'\n').toStdString();
}

TEST_F(TabrixWindowTest, TheLineToolTwiceTurnsDrawingOff) {
    TabrixWindow window(m_settings);
    window.show();
    window.newDocument();
    SheetBook& book = window.activeWindow()->book();
    QAction* line = entry(
        window, {QStringLiteral("&Insert"), QStringLiteral("&Drawing Object"), QStringLiteral("&Line")});
    line->trigger();
    EXPECT_EQ(book.drawingMode(), 1);
    EXPECT_TRUE(line->isChecked());
    entry(window, {QStringLiteral("&Insert"), QStringLiteral("&Drawing Object"), QStringLiteral("&Line")})
        ->trigger();
    EXPECT_EQ(book.drawingMode(), 0);
    EXPECT_FALSE(line->isChecked());
    entry(window, {QStringLiteral("&Insert"), QStringLiteral("&Forms Object"), QStringLiteral("&Button")})
        ->trigger();
    entry(window, {QStringLiteral("&Insert"), QStringLiteral("C&ancel Insert Object\tEsc")})->trigger();
    EXPECT_EQ(book.drawingMode(), 0);
}

TEST_F(TabrixWindowTest, DeleteFollowsTheSelection) {
    TabrixWindow window(m_settings);
    window.show();
    window.newDocument();
    SheetBook& book = window.activeWindow()->book();
    book.setDialogRunner([](QDialog&) {
        ADD_FAILURE() << "no dialog expected";
        return false;
    });
    for (int column = 1; column <= 4; ++column)
        book.document().setCellText(0, {1, column}, QString::number(column));
    const QStringList edit{QStringLiteral("&Edit")};
    book.view()->select({1, 2, maxRows, 3}, SheetView::SelectionKind::Columns);
    QAction* remove = entry(window, edit + QStringList{QStringLiteral("&Delete Columns")});
    ASSERT_NE(remove, nullptr);
    EXPECT_EQ(remove->shortcut(), QKeySequence(Qt::Key_Delete));
    remove->trigger();
    EXPECT_EQ(book.getCellText(1, 2), QStringLiteral("4"));

    book.view()->select({2, 1, 3, maxColumns}, SheetView::SelectionKind::Rows);
    EXPECT_NE(entry(window, edit + QStringList{QStringLiteral("&Delete Rows")}), nullptr);
    book.view()->setCurrentCell({1, 1});
    remove = entry(window, edit + QStringList{QStringLiteral("&Delete...")});
    EXPECT_TRUE(remove->shortcut().isEmpty()); // Del clears the contents then
    EXPECT_EQ(
        entry(window, edit + QStringList{QStringLiteral("Cle&ar"), QStringLiteral("&Contents")})->shortcut(),
        QKeySequence(Qt::Key_Delete));

    // Freeze Panes and Page Break read as what they would do.
    book.view()->setCurrentCell({3, 2});
    const QStringList sheet{QStringLiteral("F&ormat"), QStringLiteral("S&heet")};
    entry(window, sheet + QStringList{QStringLiteral("&Freeze Panes")})->trigger();
    EXPECT_EQ(book.workbook().sheet(0).frozenRows(), 2);
    entry(window, sheet + QStringList{QStringLiteral("Un&freeze Panes")})->trigger();
    EXPECT_EQ(book.workbook().sheet(0).frozenColumns(), 0);
    entry(window, {QStringLiteral("&Insert"), QStringLiteral("Page &Break")})->trigger();
    entry(window, {QStringLiteral("&Insert"), QStringLiteral("Remove Page &Break")})->trigger();
    EXPECT_TRUE(book.workbook().sheet(0).print().rowBreaks.empty());
}

TEST_F(TabrixWindowTest, AChangedDocumentAsksBeforeItCloses) {
    TabrixWindow window(m_settings);
    window.show();
    window.newDocument()->content().setCellText(0, {1, 1}, QStringLiteral("x"));
    m_dialogs.answers = {DesignerDialogs::Answer::Cancel, DesignerDialogs::Answer::No};
    EXPECT_FALSE(window.close());
    EXPECT_EQ(m_dialogs.asked, QStringList{QStringLiteral("Save changes to Book1?")});
    EXPECT_EQ(window.documents().size(), 1);
    EXPECT_TRUE(window.close());
}

TEST_F(TabrixWindowTest, AMaximisedStartKeepsTheNormalRectangle) {
    const QRect normal(120, 80, 700, 500);
    {
        TabrixWindow window(m_settings);
        window.setGeometry(normal);
        window.show();
        window.close();
    }
    {
        TabrixWindow window(m_settings);
        EXPECT_EQ(window.geometry(), normal);
        window.showMaximized();
        window.close();
    }
    m_settings.sync();
    EXPECT_EQ(m_settings.value(QStringLiteral("Designer/MDI/Settings/ParentMaximize")).toInt(), 1);
    EXPECT_EQ(m_settings.value(QStringLiteral("Designer/MDI/Settings/ParentRect")).toByteArray().size(), 16);
    TabrixWindow window(m_settings);
    window.showAsLastTime();
    EXPECT_TRUE(window.isMaximized());
    EXPECT_EQ(window.normalGeometry(), normal);

    // A rectangle that is not 16 bytes is passed over.
    m_settings.setValue(QStringLiteral("Designer/MDI/Settings/ParentRect"), QByteArray("kaputt"));
    TabrixWindow fresh(m_settings);
    EXPECT_NE(fresh.geometry(), normal);
}

TEST_F(TabrixWindowTest, ImportsSayWhatTheDetectorFindsAndAboutNamesTheVersion) {
    TabrixWindow window(m_settings);
    m_dialogs.paths = {templateCopy(QStringLiteral("WasserFenster.vts")), file(QStringLiteral("x.xls"))};
    entry(window, {QStringLiteral("&File"), QStringLiteral("&Import"), QStringLiteral("&Tabrix 2.x")})
        ->trigger();
    entry(window, {QStringLiteral("&File"), QStringLiteral("&Import"), QStringLiteral("&Excel 4")})
        ->trigger();
    EXPECT_EQ(m_dialogs.captions, (QStringList{QStringLiteral("Import"), QStringLiteral("Import")}));
    entry(window, {QStringLiteral("&Help"), QStringLiteral("&About Tabrix...")})->trigger();
    EXPECT_EQ(m_dialogs.told,
              (QStringList{QStringLiteral("Not a Tabrix 2.x file."), QStringLiteral("Not an Excel 4 file."),
                           QStringLiteral("Quillmark Tabrix\nVersion 6.0.2 Build 5\n"
                                          "Copyright © Quillmark. All rights reserved.")}));
    EXPECT_TRUE(window.documents().isEmpty());
}

namespace {

QAction* tool(const QMainWindow& window, const char* bar, const QString& text) {
    for (QAction* action : window.findChild<QToolBar*>(QString::fromLatin1(bar))->actions())
        if (action->text() == text)
            return action;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

// The entries of a button's drop-down list, as it shows them when opened.
QList<QAction*> listOf(const QMainWindow& window, const QString& tip) {
    for (const QToolButton* button : window.findChildren<QToolButton*>())
        if (button->toolTip() == tip && button->menu()) {
            Q_EMIT button->menu()->aboutToShow();
            return button->menu()->actions();
        }
    ADD_FAILURE() << "no list " << tip.toStdString();
    return {};
}

} // namespace

TEST_F(TabrixWindowTest, FormattingButtonsWorkOnTheSelectionAndMarkTheCurrentCell) {
    TabrixWindow window(m_settings);
    window.show();
    EXPECT_FALSE(tool(window, "Formatting", QStringLiteral("Bold"))->isEnabled()); // no document yet
    window.newDocument();
    SheetBook& book = window.activeWindow()->book();
    book.document().setCellText(0, {1, 1}, QStringLiteral("=1/4")); // a result shows in its format
    book.view()->select({1, 1, 2, 2});
    const auto style = [&](CellPos pos) {
        return book.workbook().sheet(0).style(pos);
    };

    QAction* bold = tool(window, "Formatting", QStringLiteral("Bold"));
    bold->trigger();
    EXPECT_TRUE(style({2, 2}).bold);
    EXPECT_TRUE(bold->isChecked());
    bold->trigger();
    EXPECT_FALSE(style({1, 1}).bold);
    QAction* centre = tool(window, "Formatting", QStringLiteral("Center"));
    centre->trigger();
    EXPECT_EQ(style({1, 1}).horizontal, HorizontalAlignment::Centre);
    centre->trigger(); // set already: back to general
    EXPECT_EQ(style({1, 1}).horizontal, HorizontalAlignment::General);

    const QList<QAction*> colours = listOf(window, QStringLiteral("Text Color"));
    ASSERT_EQ(colours.size(), 16);
    EXPECT_EQ(colours[9]->text(), QStringLiteral("Red"));
    colours[9]->trigger();
    EXPECT_EQ(style({2, 1}).textColour, QColor(Qt::red));

    const QList<QAction*> percents = listOf(window, QStringLiteral("Percent"));
    ASSERT_FALSE(percents.isEmpty());
    percents.constLast()->trigger();
    EXPECT_FALSE(style({1, 1}).numberFormat.isEmpty());
    EXPECT_TRUE(book.getCellText(1, 1).endsWith(u'%')) << book.getCellText(1, 1).toStdString();
    EXPECT_EQ(listOf(window, QStringLiteral("Date and Time")).size(),
              numberFormatsOf(NumberCategory::DateAndTime).size());

    // Sizes and families typed and entered; one the display does not have changes nothing.
    auto* size = window.findChild<QComboBox*>(QStringLiteral("fontSize"));
    size->setEditText(QStringLiteral("14"));
    QTest::keyClick(size, Qt::Key_Return);
    EXPECT_EQ(style({2, 2}).fontSize, 14.0);
    EXPECT_EQ(size->lineEdit()->maxLength(), 4);
    size->setEditText(QStringLiteral("999"));
    QTest::keyClick(size, Qt::Key_Return);
    EXPECT_EQ(style({2, 2}).fontSize, 14.0);
    auto* name = window.findChild<QComboBox*>(QStringLiteral("fontName"));
    ASSERT_GT(name->count(), 0);
    const QString family = familyOfEntry(name->itemText(0));
    name->setEditText(name->itemText(0));
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(style({1, 2}).fontFamily, family);
    name->setEditText(QStringLiteral("Keine solche Schrift"));
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(style({1, 2}).fontFamily, family);
    EXPECT_TRUE(m_dialogs.told.isEmpty());
}

TEST_F(TabrixWindowTest, ThreeToolBarsTheDrawingOneHiddenAtFirst) {
    TabrixWindow window(m_settings);
    window.show();
    EXPECT_TRUE(window.findChild<QToolBar*>(QStringLiteral("Standard"))->isVisible());
    EXPECT_TRUE(window.findChild<QToolBar*>(QStringLiteral("Formatting"))->isVisible());
    auto* drawing = window.findChild<QToolBar*>(QStringLiteral("Drawing and Forms"));
    EXPECT_FALSE(drawing->isVisible());
    entry(window, {QStringLiteral("&View"), QStringLiteral("&Toolbars"), QStringLiteral("Drawing and Forms")})
        ->trigger();
    EXPECT_TRUE(drawing->isVisible());
    QStringList tips;
    for (QAction* action : drawing->actions())
        if (!action->isSeparator())
            tips << action->text();
    EXPECT_EQ(tips,
              (QStringList{QStringLiteral("Polygo&n Points"), QStringLiteral("&Line"),
                           QStringLiteral("&Rectangle"), QStringLiteral("&Oval"), QStringLiteral("&Arc"),
                           QStringLiteral("&Polygon"), QStringLiteral("&Button"), QStringLiteral("&Checkbox"),
                           QStringLiteral("&Dropdown Listbox"), QStringLiteral("C&hart")}));
    for (QAction* action : drawing->actions())
        EXPECT_TRUE(action->isSeparator() || !action->icon().isNull());
    window.close();
    TabrixWindow again(m_settings);
    again.show();
    EXPECT_TRUE(again.findChild<QToolBar*>(QStringLiteral("Drawing and Forms"))->isVisible()); // kept
}

TEST_F(TabrixWindowTest, TheContextMenuFollowsTheSelectionKind) {
    TabrixWindow window(m_settings);
    window.show();
    window.newDocument();
    SheetBook& book = window.activeWindow()->book();
    const auto entries = [&] {
        Q_EMIT book.view()->customContextMenuRequested({50, 50});
        QStringList texts;
        for (const QAction* action : window.findChild<QMenu*>(QStringLiteral("contextMenu"))->actions())
            if (!action->isSeparator())
                texts << action->text();
        return texts.join(u'|');
    };
    book.view()->select({1, 2, maxRows, 2}, SheetView::SelectionKind::Columns);
    EXPECT_EQ(entries(),
              QStringLiteral("Cu&t|&Copy|&Paste|Paste &Special...|Cop&y Cell Format|&Insert Columns|"
                             "&Delete Columns|Clear Co&ntents|&Format Cells..."));
    book.view()->select({2, 1, 2, maxColumns}, SheetView::SelectionKind::Rows);
    EXPECT_EQ(entries(), QStringLiteral("Cu&t|&Copy|&Paste|Paste &Special...|Cop&y Cell Format|&Insert Rows|"
                                        "&Delete Rows|Clear Co&ntents|&Format Cells..."));
    book.view()->setCurrentCell({3, 3});
    EXPECT_EQ(entries(), QStringLiteral("Cu&t|&Copy|&Paste|Paste &Special...|Cop&y Cell Format|&Insert...|"
                                        "&Delete...|Clear Co&ntents|&Format Cells..."));
    DrawingObject box;
    box.bounds = {10, 10, 40, 20};
    book.document().addObject(0, box);
    book.view()->selectObjects({0});
    EXPECT_EQ(entries(), QStringLiteral("Cu&t|&Copy|&Paste|&Bring To Front|&Send to Back|&Format Object..."));

    // The entries act: rows inserted from the menu of whole rows.
    book.document().setCellText(0, {2, 1}, QStringLiteral("zwei"));
    book.view()->select({2, 1, 2, maxColumns}, SheetView::SelectionKind::Rows);
    entries();
    for (QAction* action : window.findChild<QMenu*>(QStringLiteral("contextMenu"))->actions())
        if (action->text() == QStringLiteral("&Insert Rows"))
            action->trigger();
    EXPECT_EQ(book.getCellText(3, 1), QStringLiteral("zwei"));
}

TEST_F(TabrixWindowTest, TheStatusBarFollowsTheLockKeys) {
    TabrixWindow window(m_settings);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* caps = window.findChild<QWidget*>(QStringLiteral("CAP"));
    ASSERT_NE(caps, nullptr);
    EXPECT_NE(window.findChild<QWidget*>(QStringLiteral("NUM")), nullptr);
    EXPECT_NE(window.findChild<QWidget*>(QStringLiteral("SCRL")), nullptr);
    EXPECT_FALSE(caps->isEnabled());
    QTest::keyClick(window.windowHandle(), Qt::Key_CapsLock);
    EXPECT_TRUE(caps->isEnabled());
    QTest::keyClick(window.windowHandle(), Qt::Key_CapsLock);
    EXPECT_FALSE(caps->isEnabled());
}

TEST_F(TabrixWindowTest, AGermanSystemGetsTheGermanTexts) {
    QTranslator german;
    const QString directory = QCoreApplication::applicationDirPath();
    EXPECT_EQ(loadDesignerLanguage(german, QLocale(QLocale::German, QLocale::Austria), directory),
              QDir(directory).filePath(QStringLiteral("TabrixAPDEU.qm")));
    QTranslator french;
    EXPECT_TRUE(loadDesignerLanguage(french, QLocale(QLocale::French), directory).isEmpty());
    QTranslator twoLetters; // a file named by the two-letter code is found too
    QFile::copy(QDir(directory).filePath(QStringLiteral("TabrixAPDEU.qm")),
                file(QStringLiteral("TabrixAPDE.qm")));
    EXPECT_EQ(loadDesignerLanguage(twoLetters, QLocale(QLocale::German), m_dir.path()),
              file(QStringLiteral("TabrixAPDE.qm")));

    QCoreApplication::installTranslator(&german);
    {
        TabrixWindow window(m_settings);
        window.show();
        window.newDocument()->content().setCellText(0, {1, 1}, QStringLiteral("x"));
        QStringList menus;
        for (const QAction* action : window.menuBar()->actions())
            if (action->isVisible())
                menus << action->text();
        EXPECT_EQ(menus.join(u'|'),
                  QStringLiteral("&Datei|&Bearbeiten|&Ansicht|&Einfügen|F&ormat|E&xtras|&Fenster|&Hilfe"));
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillmark Tabrix - Mappe1"));
        m_dialogs.answers = {DesignerDialogs::Answer::No};
        window.close();
        EXPECT_EQ(m_dialogs.asked, QStringList{QStringLiteral("Änderungen in Mappe1 speichern?")});
    }
    QCoreApplication::removeTranslator(&german);
}

TEST(DesignerTranslation, EveryTextHasItsGermanOne) {
    QFile ts(QStringLiteral(VELMORA_SOURCE_DIR "/designer/TabrixAPDEU.ts"));
    ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(ts.readAll());
    EXPECT_GT(text.count(QStringLiteral("<message>")), 150);
    EXPECT_EQ(text.count(QStringLiteral("<message>")),
              text.count(QRegularExpression(QStringLiteral("<translation>[^<]+</translation>"))));
    EXPECT_FALSE(text.contains(QStringLiteral("unfinished")));
}

TEST_F(TabrixWindowTest, FilesDroppedOntoTheWindowOpen) {
    TabrixWindow window(m_settings);
    window.show();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(templateCopy(QStringLiteral("FeFenster.vts"))),
                  QUrl(QStringLiteral("https://x.invalid/a.vts"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    ASSERT_EQ(window.documents().size(), 1);
    EXPECT_EQ(window.documents().front()->title(), QStringLiteral("FeFenster.vts"));
}

TEST_F(TabrixWindowTest, ADocumentInTwoWindowsAsksOnceWhenItsLastWindowCloses) {
    TabrixWindow window(m_settings);
    window.show();
    DesignerDocument* document = window.newDocument();
    DocumentWindow* first = window.activeWindow();
    entry(window, {QStringLiteral("&Window"), QStringLiteral("&New Window")})->trigger();
    DocumentWindow* second = window.activeWindow();
    ASSERT_NE(first, second);
    EXPECT_EQ(&second->document(), document);
    EXPECT_EQ(first->parentWidget()->windowTitle(), QStringLiteral("Book1:1"));
    EXPECT_EQ(second->parentWidget()->windowTitle(), QStringLiteral("Book1:2"));

    // Each window shows its own sheet of the one workbook; an edit in one is undone in the other.
    second->book().document().insertSheet(1, QStringLiteral("Zweite"));
    second->book().setCurrentSheet(1);
    first->book().document().setCellText(0, {1, 1}, QStringLiteral("gemeinsam"));
    EXPECT_EQ(second->book().workbook().sheet(0).text({1, 1}), QStringLiteral("gemeinsam"));
    EXPECT_EQ(first->book().currentSheet(), 0);
    EXPECT_EQ(second->book().currentSheet(), 1);
    second->book().document().undoStack().undo();
    EXPECT_EQ(first->book().getCellText(1, 1), QString());
    first->book().document().setCellText(0, {1, 1}, QStringLiteral("x"));
    EXPECT_EQ(first->parentWidget()->windowTitle(), QStringLiteral("Book1:1 *"));

    // The first window goes without a question, the last one asks.
    first->parentWidget()->close();
    flushDeletes();
    EXPECT_TRUE(m_dialogs.asked.isEmpty());
    ASSERT_EQ(window.windows().size(), 1);
    EXPECT_EQ(window.activeWindow()->parentWidget()->windowTitle(), QStringLiteral("Book1 *"));
    m_dialogs.answers = {DesignerDialogs::Answer::Cancel};
    window.activeWindow()->parentWidget()->close();
    EXPECT_EQ(m_dialogs.asked.size(), 1);
    EXPECT_EQ(window.windows().size(), 1);

    // Close takes the document with all its windows after one question.
    window.newWindow();
    m_dialogs.answers = {DesignerDialogs::Answer::No};
    entry(window, {QStringLiteral("&File"), QStringLiteral("&Close")})->trigger();
    flushDeletes();
    EXPECT_EQ(m_dialogs.asked.size(), 2);
    EXPECT_TRUE(window.windows().isEmpty());
    EXPECT_TRUE(window.documents().isEmpty());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillmark Tabrix"));
}

// The pictures of the README: `VELMORA_SCREENSHOT_DIR=docs build/bin/designer_tests
// --gtest_filter='*Pictures*'`.
TEST_F(TabrixWindowTest, PicturesOfATemplateInBothLanguages) {
    const QString directory = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    if (directory.isEmpty())
        GTEST_SKIP() << "VELMORA_SCREENSHOT_DIR names where the pictures go";
    QTranslator german;
    ASSERT_FALSE(
        loadDesignerLanguage(german, QLocale(QLocale::German), QCoreApplication::applicationDirPath())
            .isEmpty());
    for (const bool inGerman : {false, true}) {
        if (inGerman)
            QCoreApplication::installTranslator(&german);
        m_settings.setValue(QStringLiteral("Designer/MDI/Settings/ChildMaximize"), 1);
        TabrixWindow window(m_settings);
        window.resize(1100, 700);
        window.show();
        window.openDocument(templateCopy(QStringLiteral("WasserFenster.vts")));
        window.activeWindow()->book().view()->setCurrentCell({5, 2});
        QTest::qWait(50);
        EXPECT_TRUE(window.grab().save(QDir(directory).filePath(inGerman ? QStringLiteral("tabrix-de.png")
                                                                         : QStringLiteral("tabrix-en.png"))));
        window.close();
        flushDeletes();
    }
    QCoreApplication::removeTranslator(&german);
}

TEST_F(TabrixWindowTest, TheCommandLineOpensItsPathsOrANewBook) {
    {
        TabrixWindow window(m_settings);
        window.openCommandLine({QStringLiteral("/dde")});
        ASSERT_EQ(window.documents().size(), 1);
        EXPECT_EQ(window.activeDocument()->title(), QStringLiteral("Book1"));
    }
    TabrixWindow window(m_settings);
    window.openCommandLine({QStringLiteral("/dde"), templateCopy(QStringLiteral("KorrFenster.vts")),
                            templateCopy(QStringLiteral("SandFenster.vts")),
                            file(QStringLiteral("fehlt.vts"))});
    QStringList titles;
    for (const DesignerDocument* document : window.documents())
        titles << document->title();
    EXPECT_EQ(titles, (QStringList{QStringLiteral("KorrFenster.vts"), QStringLiteral("SandFenster.vts")}));
    EXPECT_EQ(m_dialogs.told.size(), 1); // the missing file
}

TEST_F(TabrixWindowTest, ArrangeIconsLinesUpTheMinimisedWindowsAtTheBottom) {
    TabrixWindow window(m_settings);
    window.resize(900, 600);
    window.show();
    window.newDocument();
    window.newDocument();
    const QList<DocumentWindow*> shown = window.windows();
    for (DocumentWindow* document : shown)
        document->parentWidget()->showMinimized();
    entry(window, {QStringLiteral("&Window"), QStringLiteral("&Arrange Icons")})->trigger();
    const QWidget* first = shown[0]->parentWidget();
    const QWidget* second = shown[1]->parentWidget();
    EXPECT_EQ(first->x(), 0);
    EXPECT_EQ(second->x(), first->width());
    EXPECT_EQ(first->geometry().bottom() + 1, first->parentWidget()->height());
    EXPECT_EQ(second->y(), first->y());
}
