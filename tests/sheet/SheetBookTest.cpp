#include "sheet/view/SheetBook.h"

#include "PdfPages.h"
#include "SampleWorkbooks.h"
#include "sheet/formats/FileCode.h"
#include "sheet/model/SheetError.h"
#include "sheet/view/PageSetupDialog.h"
#include "sheet/view/SheetPrinter.h"
#include "sheet/view/SheetView.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora::sheet;

namespace {

void typeChar(QWidget* widget, QChar c) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

using velmora::test::pdfPageCount;

template <typename Widget>
Widget* child(const QWidget& parent, const char* name) {
    auto* widget = parent.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

class SheetBookTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_book.resize(800, 600);
        m_book.setWorkbook(test::germanTexts());
        m_book.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_book));
    }

    SheetBook m_book;
};

} // namespace

TEST_F(SheetBookTest, ZoomStaysWithin10And200Percent) {
    m_book.setViewScale(10);
    EXPECT_EQ(m_book.viewScale(), 10);
    m_book.setViewScale(200);
    EXPECT_EQ(m_book.viewScale(), 200);
    m_book.setViewScale(5);
    EXPECT_EQ(m_book.viewScale(), 10);
    m_book.setViewScale(1000);
    EXPECT_EQ(m_book.viewScale(), 200);
    EXPECT_EQ(m_book.property("ViewScale").toInt(), 200);
}

TEST_F(SheetBookTest, TopRowScrollsAtEveryZoom) {
    for (int zoom : {10, 75, 100, 137, 200}) {
        m_book.setViewScale(zoom);
        m_book.setTopRow(50);
        EXPECT_EQ(m_book.topRow(), 50) << zoom << " %";
        m_book.setTopRow(1);
        EXPECT_EQ(m_book.topRow(), 1) << zoom << " %";
    }
    m_book.setTopRow(3000);
    EXPECT_EQ(m_book.topRow(), 3000);
}

TEST_F(SheetBookTest, CellTextsAreShownExactly) {
    m_book.setCellText(4, 2, QStringLiteral("  7.500 mmol/l "));
    EXPECT_EQ(m_book.getCellText(4, 2), QStringLiteral("  7.500 mmol/l "));
    EXPECT_EQ(m_book.getCellText(2, 3), QStringLiteral("°C"));
    EXPECT_EQ(m_book.getCellText(200, 200), QString());
    EXPECT_THROW(m_book.setCellText(0, 1, QStringLiteral("x")), SheetError);
}

TEST_F(SheetBookTest, CopiesTheSelectionAsTextAndHtml) {
    m_book.view()->select({2, 1, 3, 3});
    m_book.copySelection();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), QStringLiteral("Temperatur\t12.500\t°C\nLeitfähigkeit\t-0.250\t\n"));
    EXPECT_TRUE(data->html().contains(QStringLiteral("<td>Leitfähigkeit</td>")));
}

TEST_F(SheetBookTest, ReadOnlyModeDiscardsTypedKeysButCutsAndPastes) {
    m_book.setReadOnly(true);
    m_book.view()->setCurrentCell({2, 1});
    typeChar(m_book.view(), u'x');
    QTest::keyClick(m_book.view(), Qt::Key_Delete);
    QTest::keyClick(m_book.view(), Qt::Key_F2);
    EXPECT_EQ(m_book.getCellText(2, 1), QStringLiteral("Temperatur"));
    EXPECT_EQ(m_book.view()->findChild<QLineEdit*>(QStringLiteral("cellEditor")), nullptr);
    // Navigation still works.
    QTest::keyClick(m_book.view(), Qt::Key_Down);
    EXPECT_EQ(m_book.view()->currentCell(), (CellPos{3, 1}));
    // The commands of the edit menu still edit the report.
    m_book.view()->select({3, 1, 3, 1});
    m_book.cutSelection();
    EXPECT_EQ(m_book.getCellText(3, 1), QString());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Leitfähigkeit\n"));
    m_book.view()->setCurrentCell({5, 2});
    m_book.pasteClipboard();
    EXPECT_EQ(m_book.getCellText(5, 2), QStringLiteral("Leitfähigkeit"));
}

TEST_F(SheetBookTest, EditingModeTypesIntoTheCurrentCell) {
    m_book.view()->setCurrentCell({10, 2});
    typeChar(m_book.view(), u'7');
    auto* editor = m_book.view()->findChild<QLineEdit*>(QStringLiteral("cellEditor"));
    ASSERT_NE(editor, nullptr);
    typeChar(editor, u',');
    typeChar(editor, u'5');
    typeChar(editor, u'ä');
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(m_book.getCellText(10, 2), QStringLiteral("7,5ä"));
    EXPECT_EQ(m_book.view()->currentCell(), (CellPos{11, 2}));

    QApplication::clipboard()->setText(QStringLiteral("a\tb\nc\td\n"));
    m_book.view()->setCurrentCell({20, 3});
    m_book.pasteClipboard();
    EXPECT_EQ(m_book.getCellText(20, 4), QStringLiteral("b"));
    EXPECT_EQ(m_book.getCellText(21, 3), QStringLiteral("c"));
}

TEST_F(SheetBookTest, EditsAreUndoneAndRedoneWithTheirKeys) {
    int modifications = 0;
    QObject::connect(&m_book, &SheetBook::modified, [&] { ++modifications; });
    m_book.view()->setCurrentCell({2, 2});
    typeChar(m_book.view(), u'9');
    QTest::keyClick(m_book.view()->findChild<QLineEdit*>(QStringLiteral("cellEditor")), Qt::Key_Return);
    EXPECT_EQ(m_book.getCellText(2, 2), QStringLiteral("9"));
    m_book.view()->select({3, 1, 3, 2});
    QTest::keyClick(m_book.view(), Qt::Key_Delete);
    EXPECT_EQ(m_book.getCellText(3, 1), QString());

    QTest::keyClick(m_book.view(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_book.getCellText(3, 1), QStringLiteral("Leitfähigkeit"));
    QTest::keyClick(m_book.view(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_book.getCellText(2, 2), QStringLiteral("12.500"));
    EXPECT_FALSE(m_book.document().isModified());
    QTest::keyClick(m_book.view(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(m_book.getCellText(2, 2), QStringLiteral("9"));
    EXPECT_EQ(modifications, 5);

    // A block copied inside the component keeps its styles; cutting is undone as one step.
    Workbook styled = test::germanTexts();
    CellStyle bold;
    bold.bold = true;
    styled.sheet(0).setStyle({2, 1}, bold);
    m_book.setWorkbook(styled);
    m_book.view()->select({2, 1, 2, 2});
    m_book.cutSelection();
    EXPECT_EQ(m_book.workbook().sheet(0).style({2, 1}), CellStyle());
    m_book.view()->setCurrentCell({30, 3});
    m_book.pasteClipboard();
    EXPECT_EQ(m_book.getCellText(30, 4), QStringLiteral("12.500"));
    EXPECT_EQ(m_book.workbook().sheet(0).style({30, 3}), bold);
    m_book.document().undoStack().undo();
    m_book.document().undoStack().undo();
    EXPECT_EQ(m_book.workbook(), styled);
}

// Where a cell's middle stands on the screen at 100 %, unscrolled: headers of 40 and 20 pixels.
QPoint cellCentre(CellPos pos) {
    return {40 + (pos.column - 1) * 64 + 32, 20 + (pos.row - 1) * 17 + 8};
}

TEST_F(SheetBookTest, EditBarShowsAndEditsTheCurrentCell) {
    m_book.setShowEditBar(true);
    m_book.setShowEditBarCellRef(true);
    auto* bar = m_book.findChild<QLineEdit*>(QStringLiteral("editBar"));
    auto* reference = m_book.findChild<QLineEdit*>(QStringLiteral("editBarCellRef"));
    ASSERT_TRUE(bar && reference);
    EXPECT_TRUE(bar->isVisible());
    m_book.view()->setCurrentCell({2, 2});
    EXPECT_EQ(bar->text(), QStringLiteral("12.500"));
    EXPECT_EQ(reference->text(), QStringLiteral("B2"));

    m_book.view()->setCurrentCell({12, 2});
    bar->clear();
    QTest::keyClicks(bar, QStringLiteral("=B2*2"));
    QTest::keyClick(bar, Qt::Key_Return);
    EXPECT_EQ(m_book.getCellText(12, 2), QStringLiteral("25"));
    EXPECT_EQ(bar->text(), QStringLiteral("=B2*2")); // the formula, not its result
    m_book.setCellText(2, 2, QStringLiteral("1"));   // a program filling the sheet: formulas follow
    EXPECT_EQ(m_book.getCellText(12, 2), QStringLiteral("2"));

    for (const auto& [typed, current] :
         {std::pair(QStringLiteral("d4"), CellPos{4, 4}), std::pair(QStringLiteral("B2:C3"), CellPos{2, 2}),
          std::pair(QStringLiteral("keine"), CellPos{2, 2})}) {
        reference->setText(typed);
        QTest::keyClick(reference, Qt::Key_Return);
        EXPECT_EQ(m_book.view()->currentCell(), current) << typed.toStdString();
    }
    EXPECT_EQ(m_book.view()->selection(), (CellRange{2, 2, 3, 3}));
    EXPECT_EQ(reference->text(), QStringLiteral("B2"));

    m_book.setReadOnly(true);
    m_book.view()->setCurrentCell({3, 1});
    EXPECT_TRUE(bar->isReadOnly());
}

TEST_F(SheetBookTest, OptionsSetWhereEnterMovesWhereCellsAreEditedAndWhenFormulasCompute) {
    m_book.setShowEditBar(true);
    m_book.setDialogRunner([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Optionen"));
        auto* direction = child<QComboBox>(dialog, "richtung");
        child<QCheckBox>(dialog, "verschieben")->setChecked(false);
        EXPECT_FALSE(direction->isEnabled());
        child<QCheckBox>(dialog, "verschieben")->setChecked(true);
        direction->setCurrentIndex(1); // to the right
        child<QCheckBox>(dialog, "inZelleBearbeiten")->setChecked(false);
        child<QCheckBox>(dialog, "automatischBerechnen")->setChecked(false);
        return true;
    });
    m_book.options();
    const EditingOptions expected{true, EditingOptions::Direction::Right, false, false};
    EXPECT_EQ(m_book.editingOptions(), expected);

    // Typing goes into the edit bar; Enter there puts it into the cell.
    SheetView* view = m_book.view();
    view->setCurrentCell({12, 2});
    typeChar(view, u'=');
    auto* bar = child<QLineEdit>(m_book, "editBar");
    EXPECT_EQ(view->findChild<QLineEdit*>(QStringLiteral("cellEditor")), nullptr);
    EXPECT_TRUE(bar->hasFocus());
    QTest::keyClicks(bar, QStringLiteral("B2*2"));
    QTest::keyClick(bar, Qt::Key_Return);
    EXPECT_EQ(m_book.workbook().sheet(0).formula({12, 2}), QStringLiteral("=B2*2"));
    EXPECT_EQ(m_book.getCellText(12, 2), QString()); // computed with F9 only
    QTest::keyClick(view, Qt::Key_F9);
    EXPECT_EQ(m_book.getCellText(12, 2), QStringLiteral("25"));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(view->currentCell(), (CellPos{12, 3}));
    QTest::keyClick(view, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(view->currentCell(), (CellPos{12, 2}));

    // Without the edit bar cells are edited in place after all; cancelling keeps the options.
    m_book.setShowEditBar(false);
    typeChar(view, u'5');
    EXPECT_NE(view->findChild<QLineEdit*>(QStringLiteral("cellEditor")), nullptr);
    m_book.setDialogRunner([](QDialog& dialog) {
        child<QCheckBox>(dialog, "automatischBerechnen")->setChecked(true);
        return false;
    });
    EXPECT_THROW(m_book.options(), SheetError);
    EXPECT_EQ(m_book.editingOptions(), expected);

    // Computing automatically again brings the formulas up to date at once.
    m_book.setCellText(2, 2, QStringLiteral("1"));
    EXPECT_EQ(m_book.getCellText(12, 2), QStringLiteral("25"));
    m_book.setEditingOptions({});
    EXPECT_EQ(m_book.getCellText(12, 2), QStringLiteral("2"));
}

TEST_F(SheetBookTest, CtrlAddsRangesAndTheSelectionKindFollows) {
    QWidget* viewport = m_book.view()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, cellCentre({2, 2}));
    EXPECT_EQ(m_book.selection().kind(), 1);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier, cellCentre({5, 4}));
    EXPECT_EQ(m_book.selection().ranges, (std::vector<CellRange>{{2, 2, 2, 2}, {5, 4, 5, 4}}));
    EXPECT_EQ(m_book.selection().kind(), 2);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(cellCentre({1, 3}).x(), 10));
    EXPECT_EQ(m_book.selection().kind(), 5);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier, QPoint(cellCentre({1, 5}).x(), 10));
    EXPECT_EQ(m_book.selection().kind(), 6);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(20, cellCentre({4, 1}).y()));
    EXPECT_EQ(m_book.selection().kind(), 3);
    typeChar(m_book.view(), u'x');
    EXPECT_EQ(m_book.selection().kind(), 11);
}

TEST_F(SheetBookTest, FrozenRowsAndColumnsStayWhileTheRestScrolls) {
    Workbook book = test::germanTexts();
    book.sheet(0).setFrozen(2, 1);
    m_book.setWorkbook(book);
    m_book.setTopRow(100);
    EXPECT_EQ(m_book.topRow(), 100);
    QWidget* viewport = m_book.view()->viewport();
    // The frozen row 2 and column A are where they were; below them the sheet goes on at row 100.
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, cellCentre({2, 3}));
    EXPECT_EQ(m_book.view()->currentCell(), (CellPos{2, 3}));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, cellCentre({3, 1}));
    EXPECT_EQ(m_book.view()->currentCell(), (CellPos{100, 1}));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, cellCentre({4, 2}));
    EXPECT_EQ(m_book.view()->currentCell(), (CellPos{101, 2}));
    // Moving up from row 100 reaches the frozen rows without scrolling past them.
    m_book.view()->setCurrentCell({1, 1});
    EXPECT_EQ(m_book.topRow(), 100);
}

TEST_F(SheetBookTest, FormatCellsChangesOnlyWhatWasChanged) {
    Workbook book = test::germanTexts();
    CellStyle italic;
    italic.italic = true;
    book.sheet(0).setStyle({3, 2}, italic);
    m_book.setWorkbook(book);
    m_book.view()->select({2, 2, 3, 3});
    QStringList percentList;
    m_book.setDialogRunner([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Zellen formatieren"));
        auto* categories = dialog.findChild<QListWidget*>(QStringLiteral("kategorie"));
        auto* formats = dialog.findChild<QListWidget*>(QStringLiteral("formate"));
        categories->setCurrentRow(2);
        for (int i = 0; i < formats->count(); ++i)
            percentList << formats->item(i)->text();
        formats->setCurrentRow(1);
        dialog.findChild<QCheckBox*>(QStringLiteral("fett"))->setChecked(true);
        dialog.findChild<QComboBox*>(QStringLiteral("horizontal"))->setCurrentIndex(3);
        auto* fill = dialog.findChild<QComboBox*>(QStringLiteral("fuellung"));
        fill->setCurrentIndex(fill->findText(QStringLiteral("Yellow")));
        dialog.findChild<QComboBox*>(QStringLiteral("rahmenUnten"))->setCurrentIndex(1);
        child<QCheckBox>(dialog, "gesperrt")->setChecked(false);
        return true;
    });
    m_book.formatCells();
    EXPECT_EQ(percentList, (QStringList{QStringLiteral("12%    0%"), QStringLiteral("12,3%    0.0%"),
                                        QStringLiteral("12,34%    0.00%")}));
    CellStyle expected;
    expected.bold = true;
    expected.horizontal = HorizontalAlignment::Right;
    expected.numberFormat = QStringLiteral("0.0%");
    expected.fillColour = QColor(0xFFFF00);
    expected.bottom.line = Border::Line::Thin;
    expected.locked = false;
    const Sheet& sheet = m_book.workbook().sheet(0);
    EXPECT_EQ(sheet.style({2, 2}), expected);
    EXPECT_EQ(sheet.style({2, 3}), expected);
    expected.italic = true; // what the dialog left alone stays as it was
    EXPECT_EQ(sheet.style({3, 2}), expected);
    m_book.document().undoStack().undo();
    EXPECT_EQ(m_book.workbook(), book);

    m_book.setDialogRunner([](QDialog&) { return false; });
    try {
        m_book.formatCells();
        ADD_FAILURE() << "not cancelled";
    } catch (const SheetError& error) {
        EXPECT_TRUE(error.isCancelled());
    }
    EXPECT_EQ(m_book.workbook(), book);
}

// Each dialog of the component, filled in as a user would, does its operation on the shown sheet.
TEST_F(SheetBookTest, SearchGoToSortShiftAndPasteContentsDialogs) {
    Workbook book = test::germanTexts();
    book.definedNames()[QStringLiteral("Ergebnis")] = QStringLiteral("Bericht!B2:B3");
    m_book.setWorkbook(book);
    const auto widget = [](QDialog& dialog, const char* name) {
        QWidget* found = dialog.findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    };
    const auto click = [&](QDialog& dialog, const char* name) {
        QTest::mouseClick(widget(dialog, name), Qt::LeftButton);
    };
    QStringList messages;
    m_book.setDialogRunner([&](QDialog& dialog) {
        EXPECT_FALSE(widget(dialog, "ersetzen")->isVisibleTo(&dialog));
        static_cast<QLineEdit*>(widget(dialog, "suchen"))->setText(QStringLiteral("e"));
        click(dialog, "weiter");
        click(dialog, "weiter");
        static_cast<QLineEdit*>(widget(dialog, "suchen"))->setText(QStringLiteral("nirgends"));
        click(dialog, "weiter");
        messages << dialog.findChild<QLabel*>(QStringLiteral("meldung"))->text();
        return true;
    });
    m_book.view()->setCurrentCell({1, 1});
    m_book.find();
    EXPECT_EQ(m_book.view()->currentCell(), (CellPos{3, 1}));
    m_book.setDialogRunner([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ersetzen"));
        static_cast<QLineEdit*>(widget(dialog, "suchen"))->setText(QStringLiteral("temperatur"));
        static_cast<QLineEdit*>(widget(dialog, "ersetzen"))->setText(QStringLiteral("Wassertemperatur"));
        static_cast<QCheckBox*>(widget(dialog, "ganzeZelle"))->setChecked(true);
        click(dialog, "alleErsetzen");
        messages << dialog.findChild<QLabel*>(QStringLiteral("meldung"))->text();
        return true;
    });
    m_book.replace();
    EXPECT_EQ(messages, (QStringList{QStringLiteral("„nirgends“ wurde nicht gefunden."),
                                     QStringLiteral("1 Zelle ersetzt.")}));
    EXPECT_EQ(m_book.getCellText(2, 1), QStringLiteral("Wassertemperatur"));

    m_book.setDialogRunner([&](QDialog& dialog) {
        static_cast<QListWidget*>(widget(dialog, "namen"))->setCurrentRow(0);
        return true;
    });
    m_book.goTo();
    EXPECT_EQ(m_book.view()->selection(), (CellRange{2, 2, 3, 2}));
    m_book.setDialogRunner([&](QDialog& dialog) {
        static_cast<QLineEdit*>(widget(dialog, "bezug"))->setText(QStringLiteral("zweite"));
        return true;
    });
    try {
        m_book.goTo();
        ADD_FAILURE() << "an unknown name was accepted";
    } catch (const SheetError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("„zweite“ ist kein Bezug und kein Name."));
    }

    // Rows 2 and 3 by column B: descending keeps 12.500 first, ascending puts -0.250 first.
    m_book.view()->select({2, 1, 3, 2});
    m_book.setDialogRunner([&](QDialog& dialog) {
        auto* key = static_cast<QComboBox*>(widget(dialog, "schluessel1"));
        key->setCurrentIndex(key->findText(QStringLiteral("Spalte B")));
        static_cast<QCheckBox*>(widget(dialog, "absteigend1"))->setChecked(true);
        return true;
    });
    m_book.sort();
    EXPECT_EQ(m_book.getCellText(2, 1), QStringLiteral("Wassertemperatur"));
    m_book.setDialogRunner([&](QDialog& dialog) {
        static_cast<QCheckBox*>(widget(dialog, "absteigend1"))->setChecked(false);
        return true;
    });
    m_book.sort();
    EXPECT_EQ(m_book.getCellText(2, 1), QStringLiteral("Leitfähigkeit"));

    m_book.view()->select({2, 2, 3, 2});
    m_book.setDialogRunner([&](QDialog& dialog) {
        static_cast<QRadioButton*>(widget(dialog, "abwaerts"))->setChecked(true);
        return true;
    });
    m_book.insertCells();
    EXPECT_EQ(m_book.getCellText(4, 2), QStringLiteral("-0.250"));
    m_book.setDialogRunner([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Zellen löschen"));
        static_cast<QRadioButton*>(widget(dialog, "ganzeZeile"))->setChecked(true);
        return true;
    });
    m_book.deleteCells();
    EXPECT_EQ(m_book.getCellText(2, 2), QStringLiteral("-0.250"));

    m_book.view()->select({2, 1, 2, 2});
    m_book.copySelection();
    m_book.view()->setCurrentCell({10, 4});
    m_book.setDialogRunner([&](QDialog& dialog) {
        static_cast<QRadioButton*>(widget(dialog, "werte"))->setChecked(true);
        static_cast<QCheckBox*>(widget(dialog, "transponieren"))->setChecked(true);
        return true;
    });
    m_book.pasteContents();
    EXPECT_EQ(m_book.getCellText(10, 4), m_book.getCellText(2, 1));
    EXPECT_EQ(m_book.getCellText(11, 4), QStringLiteral("-0.250"));
}

TEST_F(SheetBookTest, FormatPainterGivesTheNextSelectionTheStyles) {
    Workbook book = test::germanTexts();
    CellStyle bold;
    bold.bold = true;
    book.sheet(0).setStyle({2, 1}, bold);
    m_book.setWorkbook(book);
    std::vector<bool> states;
    QObject::connect(&m_book, &SheetBook::formatPainterChanged, [&](bool on) { states.push_back(on); });
    m_book.view()->setCurrentCell({2, 1});
    m_book.copyCellFormat();
    EXPECT_TRUE(m_book.isFormatPainterOn());
    QTest::mouseClick(m_book.view()->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre({5, 3}));
    EXPECT_EQ(m_book.workbook().sheet(0).style({5, 3}), bold);
    EXPECT_FALSE(m_book.isFormatPainterOn());
    QTest::mouseClick(m_book.view()->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre({6, 3}));
    EXPECT_EQ(m_book.workbook().sheet(0).style({6, 3}), CellStyle()); // once only
    m_book.copyCellFormat();
    m_book.copyCellFormat(); // the second switches it off
    EXPECT_EQ(states, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(m_book.getCellText(5, 3), QString()); // styles only
}

TEST_F(SheetBookTest, SheetTabsSwitchTheShownSheet) {
    m_book.setCurrentSheet(1);
    EXPECT_EQ(m_book.getCellText(2, 2), QStringLiteral("Ende"));
    m_book.setCurrentSheet(0);
    EXPECT_EQ(m_book.getCellText(2, 2), QStringLiteral("12.500"));
}

TEST_F(SheetBookTest, PrintsEveryUsedPageToPdf) {
    Workbook book = test::germanTexts();
    for (int row = 1; row <= 120; ++row)
        book.sheet(0).setText({row, 1}, QStringLiteral("Zeile %1").arg(row));
    m_book.setWorkbook(book);
    m_book.setTitle(QStringLiteral("Velmora - Probe"));
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("druck.pdf")));
    m_book.setPrinter(&printer);
    int dialogs = 0;
    m_book.setPrintDialog([&dialogs](QPrinter&) { return ++dialogs > 0; });
    m_book.printBook(true);
    EXPECT_EQ(dialogs, 1);
    // 120 rows of 17 px do not fit one A4 page; the second sheet has a page of its own.
    EXPECT_GE(pdfPageCount(printer.outputFileName()), 3);

    m_book.setPrintDialog([](QPrinter&) { return false; });
    try {
        m_book.printBook(true);
        FAIL() << "no error for a cancelled print";
    } catch (const SheetError& error) {
        EXPECT_TRUE(error.isCancelled());
    }
}

// The preview shows the pages printing gives: as many, starting where the template's breaks are.
TEST_F(SheetBookTest, PrintPreviewOfATemplateShowsThePrintedPages) {
    const QString shipped = QStringLiteral(VELMORA_SOURCE_DIR "/Vorlagen/MischwasserFenster.vts");
    m_book.readWorkbook(shipped);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("druck.pdf")));
    m_book.setPrinter(&printer);
    int previewPages = -1;
    m_book.setDialogRunner([&](QDialog& dialog) {
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        preview->updatePreview();
        previewPages = preview->pageCount();
        return true;
    });
    m_book.printPreview();
    m_book.setPrintDialog([](QPrinter&) { return true; });
    m_book.printBook(true);
    EXPECT_GT(previewPages, 0);
    EXPECT_EQ(previewPages, pdfPageCount(printer.outputFileName()));

    std::size_t printed = 0;
    for (const Sheet& sheet : m_book.workbook().sheets())
        printed += sheetOnPaper(sheet).pages.size();
    EXPECT_EQ(printed, std::size_t(previewPages));
    const Sheet& sheet = m_book.workbook().sheet(0);
    const std::vector<CellRange> pages = sheetOnPaper(sheet).pages;
    ASSERT_FALSE(sheet.print().rowBreaks.empty());
    for (const int row : sheet.print().rowBreaks)
        EXPECT_TRUE(
            std::any_of(pages.begin(), pages.end(), [row](const CellRange& p) { return p.top == row; }))
            << "no page starts at row " << row;
}

TEST_F(SheetBookTest, PageSetupThroughItsDialogUndoneAsOneStep) {
    m_book.setDialogRunner([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Seite einrichten"));
        auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        auto* area = child<QLineEdit>(dialog, "druckbereich");
        for (const char* wrong : {"A0", "A1:IW2", "B", "1:2"}) {
            area->setText(QString::fromLatin1(wrong));
            EXPECT_FALSE(ok->isEnabled()) << wrong;
        }
        area->setText(QStringLiteral("$A$1:$C$40"));
        child<QLineEdit>(dialog, "wiederholungszeilen")->setText(QStringLiteral("$1:$2"));
        child<QLineEdit>(dialog, "wiederholungsspalten")->setText(QStringLiteral("a"));
        EXPECT_TRUE(ok->isEnabled());
        child<QRadioButton>(dialog, "querformat")->setChecked(true);
        auto* paper = child<QComboBox>(dialog, "papier");
        paper->setCurrentIndex(paper->findData(int(QPageSize::A5)));
        child<QRadioButton>(dialog, "anpassen")->setChecked(true);
        child<QSpinBox>(dialog, "seitenHoch")->setValue(3);
        child<QDoubleSpinBox>(dialog, "randLinks")->setValue(12.5);
        child<QCheckBox>(dialog, "horizontalZentrieren")->setChecked(true);
        child<QLineEdit>(dialog, "kopfzeile")->setText(QStringLiteral("&L&F&R&D"));
        child<QLineEdit>(dialog, "fusszeile")->clear();
        child<QCheckBox>(dialog, "gitternetz")->setChecked(true);
        child<QCheckBox>(dialog, "koepfe")->setChecked(true);
        return true;
    });
    m_book.pageSetup();
    PrintSettings expected;
    expected.area = CellRange{1, 1, 40, 3};
    expected.titleRows = CellRange{1, 1, 2, maxColumns};
    expected.titleColumns = CellRange{1, 1, maxRows, 1};
    expected.orientation = PrintSettings::Orientation::Landscape;
    expected.paper = QPageSize::A5;
    expected.fitToPages = true;
    expected.pagesTall = 3;
    expected.margins.setLeft(12.5);
    expected.centreHorizontally = true;
    expected.header = QStringLiteral("&L&F&R&D");
    expected.footer.clear();
    expected.gridlines = true;
    expected.headings = true;
    EXPECT_EQ(m_book.workbook().sheet(0).print(), expected);

    // The dialog shows what it set; cancelling it changes nothing.
    m_book.setDialogRunner([&](QDialog& dialog) {
        EXPECT_EQ(static_cast<PageSetupDialog&>(dialog).settings(), expected);
        return false;
    });
    try {
        m_book.pageSetup();
        FAIL() << "a cancelled page setup was not told";
    } catch (const SheetError& error) {
        EXPECT_TRUE(error.isCancelled());
    }
    EXPECT_EQ(m_book.workbook().sheet(0).print(), expected);
    m_book.document().undoStack().undo();
    EXPECT_EQ(m_book.workbook().sheet(0).print(), PrintSettings{});
}

// Sheet properties, names, sizes and the default font, each through its dialog and undone as one step.
TEST_F(SheetBookTest, SheetPropertiesNamesSizesAndFontDialogs) {
    const auto clickAt = [this](QPoint at) {
        QTest::mouseClick(m_book.view()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        return m_book.view()->currentCell();
    };
    auto* tabs = m_book.findChild<QTabBar*>();
    EXPECT_TRUE(tabs->isVisible());
    EXPECT_EQ(clickAt({45, 25}), (CellPos{1, 1})); // right of the row numbers, below the letters
    m_book.setDialogRunner([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tabelleneigenschaften"));
        EXPECT_EQ(child<QLineEdit>(dialog, "name")->text(), QStringLiteral("Bericht"));
        child<QLineEdit>(dialog, "name")->setText(QStringLiteral("Messwerte"));
        child<QCheckBox>(dialog, "koepfe")->setChecked(false);
        child<QCheckBox>(dialog, "blattregister")->setChecked(false);
        return true;
    });
    m_book.sheetProperties();
    EXPECT_FALSE(tabs->isVisible());
    EXPECT_EQ(m_book.workbook().sheet(0).name(), QStringLiteral("Messwerte"));
    EXPECT_EQ(clickAt({45, 25}), (CellPos{2, 1})); // without headings the cells begin at the corner
    m_book.document().undoStack().undo();
    EXPECT_TRUE(tabs->isVisible());
    EXPECT_EQ(clickAt({45, 25}), (CellPos{1, 1}));
    EXPECT_EQ(m_book.workbook().sheet(0).name(), QStringLiteral("Bericht"));

    QStringList messages;
    m_book.view()->select({2, 2, 3, 2});
    m_book.setDialogRunner([&](QDialog& dialog) {
        EXPECT_EQ(child<QLineEdit>(dialog, "bezug")->text(), QStringLiteral("Bericht!B2:B3"));
        child<QLineEdit>(dialog, "name")->setText(QStringLiteral("2x"));
        QTest::mouseClick(child<QPushButton>(dialog, "hinzufuegen"), Qt::LeftButton);
        messages << child<QLabel>(dialog, "meldung")->text();
        child<QLineEdit>(dialog, "name")->setText(QStringLiteral("Werte"));
        QTest::mouseClick(child<QPushButton>(dialog, "hinzufuegen"), Qt::LeftButton);
        child<QLineEdit>(dialog, "name")->setText(QStringLiteral("Kopf"));
        child<QLineEdit>(dialog, "bezug")->setText(QStringLiteral("Bericht!$A$1"));
        QTest::mouseClick(child<QPushButton>(dialog, "hinzufuegen"), Qt::LeftButton);
        auto* list = child<QListWidget>(dialog, "namen");
        messages << list->item(0)->text() + u' ' + list->item(1)->text();
        list->setCurrentRow(1); // "Werte"
        QTest::mouseClick(child<QPushButton>(dialog, "loeschen"), Qt::LeftButton);
        child<QLineEdit>(dialog, "name")->setText(QStringLiteral("Ende"));
        child<QLineEdit>(dialog, "bezug")->setText(QStringLiteral("Bericht!C9"));
        dialog.accept(); // OK adds the name typed last
        return dialog.result() == QDialog::Accepted;
    });
    m_book.defineName();
    EXPECT_EQ(messages,
              (QStringList{QStringLiteral("„2x“ ist kein gültiger Name."), QStringLiteral("Kopf Werte")}));
    EXPECT_EQ(m_book.workbook().definedNames(),
              (std::map<QString, QString>{{QStringLiteral("Ende"), QStringLiteral("Bericht!C9")},
                                          {QStringLiteral("Kopf"), QStringLiteral("Bericht!A1")}}));

    // Two ranges of rows get the height in one step.
    m_book.view()->select({2, 1, 3, 1});
    QTest::mouseClick(m_book.view()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      QPoint(45, 20 + 17 * 5 + 5));
    m_book.setDialogRunner([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Zeilenhöhe"));
        EXPECT_EQ(child<QDoubleSpinBox>(dialog, "groesse")->value(), 17.0);
        child<QDoubleSpinBox>(dialog, "groesse")->setValue(25.5);
        return true;
    });
    m_book.rowHeight();
    for (int row : {2, 3, 6})
        EXPECT_EQ(m_book.workbook().sheet(0).rowHeight(row), 25.5) << row;
    EXPECT_EQ(m_book.workbook().sheet(0).rowHeight(4), 17.0);
    m_book.document().undoStack().undo();
    EXPECT_EQ(m_book.workbook().sheet(0).rowHeight(2), 17.0);
    EXPECT_EQ(m_book.workbook().sheet(0).rowHeight(6), 17.0);

    m_book.setDialogRunner([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Standardbreite"));
        child<QDoubleSpinBox>(dialog, "groesse")->setValue(80);
        return true;
    });
    m_book.defaultWidth();
    EXPECT_EQ(m_book.workbook().sheet(0).defaultColumnWidth(), 80.0);

    m_book.setDialogRunner([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Standardschrift"));
        EXPECT_EQ(child<QFontComboBox>(dialog, "schriftart")->currentText(), QStringLiteral("Arial"));
        child<QFontComboBox>(dialog, "schriftart")->setEditText(QStringLiteral("Liberation Serif"));
        child<QDoubleSpinBox>(dialog, "groesse")->setValue(11);
        return true;
    });
    m_book.defaultFont();
    EXPECT_EQ(m_book.workbook().sheet(1).defaultStyle().fontFamily, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(m_book.workbook().sheet(0).style({3, 1}).fontSize, 11.0);
}

// Drawing objects are drawn, selected, moved, reordered and deleted with the mouse and keys, each an
// undoable step. The cells begin 40 pixels right and 20 below the viewport's corner.
TEST_F(SheetBookTest, DrawingObjectsWithTheMouse) {
    QWidget* viewport = m_book.view()->viewport();
    const auto drag = [viewport](QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mousePress(viewport, Qt::LeftButton, modifiers, from);
        QTest::mouseMove(viewport, to);
        QTest::mouseRelease(viewport, Qt::LeftButton, modifiers, to);
    };
    std::vector<int> modes;
    QObject::connect(&m_book, &SheetBook::drawingModeChanged, [&](int mode) { modes.push_back(mode); });
    const auto objects = [this] {
        return m_book.workbook().sheet(0).drawings();
    };

    m_book.setDrawingMode(2);
    drag({100, 50}, {200, 120});
    ASSERT_EQ(objects().size(), 1u);
    EXPECT_EQ(objects()[0].kind, DrawingObject::Kind::Rectangle);
    EXPECT_EQ(objects()[0].bounds, QRectF(60, 30, 100, 70));
    EXPECT_EQ(m_book.drawingMode(), 0);
    EXPECT_EQ(modes, (std::vector<int>{2, 0}));
    EXPECT_EQ(m_book.selection().kind(), 9);

    // A click in a mode draws the object at its default size; a chart shows the selected cells.
    m_book.view()->select({2, 1, 3, 2});
    m_book.setDrawingMode(5);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    ASSERT_EQ(objects().size(), 2u);
    EXPECT_EQ(objects()[1].kind, DrawingObject::Kind::Chart);
    EXPECT_EQ(objects()[1].bounds, QRectF(260, 180, 96, 24));
    EXPECT_EQ(objects()[1].source, (CellRange{2, 1, 3, 2}));

    // Dragging the rectangle moves it; Ctrl adds the chart to the selection.
    drag({150, 60}, {170, 90});
    EXPECT_EQ(objects()[0].bounds, QRectF(80, 60, 100, 70));
    EXPECT_EQ(m_book.selection().objects, (std::vector<int>{0}));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier, QPoint(310, 210));
    EXPECT_EQ(m_book.selection().kind(), 10);
    m_book.sendToBack(); // both: the order stays
    EXPECT_EQ(objects()[0].kind, DrawingObject::Kind::Rectangle);
    m_book.view()->selectObjects({1});
    m_book.sendToBack();
    EXPECT_EQ(objects()[0].kind, DrawingObject::Kind::Chart);
    EXPECT_EQ(m_book.selection().objects, (std::vector<int>{0}));

    // A polygon takes a point per click and ends with a double click.
    m_book.setDrawingMode(8);
    for (const QPoint at : {QPoint(400, 40), QPoint(460, 40), QPoint(430, 90)})
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(430, 90));
    ASSERT_EQ(objects().size(), 3u);
    EXPECT_EQ(objects()[2].kind, DrawingObject::Kind::Polygon);
    EXPECT_EQ(objects()[2].bounds, QRectF(360, 20, 60, 50));
    EXPECT_EQ(objects()[2].points, (QList<QPointF>{{0, 0}, {60, 0}, {30, 50}}));

    // Escape leaves a mode; a mode that does not exist is refused.
    m_book.setDrawingMode(9);
    QTest::keyClick(m_book.view(), Qt::Key_Escape);
    EXPECT_EQ(m_book.drawingMode(), 0);
    EXPECT_THROW(m_book.setDrawingMode(6), SheetError);

    // Delete takes the selected objects away, undo brings them back; a click on a cell deselects them.
    m_book.selectAllObjects();
    EXPECT_EQ(m_book.selection().objects, (std::vector<int>{0, 1, 2}));
    QTest::keyClick(m_book.view(), Qt::Key_Delete);
    EXPECT_TRUE(objects().empty());
    m_book.document().undoStack().undo();
    EXPECT_EQ(objects().size(), 3u);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(700, 500));
    EXPECT_EQ(m_book.selection().kind(), 1);

    // Every step is undone in turn: polygon, order, order, move, chart, rectangle.
    for (int step = 0; step < 6; ++step)
        m_book.document().undoStack().undo();
    EXPECT_TRUE(objects().empty());
}

// A corner of a selected object resizes it, a point of a polygon moves while points are edited, and
// Format Object changes what was changed on every selected object.
TEST_F(SheetBookTest, ObjectsResizedReshapedAndFormatted) {
    QWidget* viewport = m_book.view()->viewport();
    const auto drag = [viewport](QPoint from, QPoint to) {
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(viewport, to);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
    };
    Workbook book = test::germanTexts();
    DrawingObject polygon;
    polygon.kind = DrawingObject::Kind::Polygon;
    polygon.bounds = {100, 100, 40, 20};
    polygon.points = {{0, 0}, {40, 0}, {20, 20}};
    DrawingObject list;
    list.kind = DrawingObject::Kind::ListBox;
    list.bounds = {200, 100, 80, 20};
    list.fillColour = Qt::white;
    book.sheet(0).drawings() = {polygon, list};
    m_book.setWorkbook(book);
    const auto objects = [this] {
        return m_book.workbook().sheet(0).drawings();
    };

    m_book.view()->selectObjects({0});
    drag({40 + 140, 20 + 120}, {40 + 180, 20 + 160}); // the bottom-right corner, 40 further each way
    EXPECT_EQ(objects()[0].bounds, QRectF(100, 100, 80, 60));
    EXPECT_EQ(objects()[0].points, (QList<QPointF>{{0, 0}, {80, 0}, {40, 60}}));

    m_book.setEditingPolygonPoints(true);
    drag({40 + 140, 20 + 160}, {40 + 140, 20 + 200}); // the third point, 40 down
    EXPECT_EQ(objects()[0].bounds, QRectF(100, 100, 80, 100));
    EXPECT_EQ(objects()[0].points, (QList<QPointF>{{0, 0}, {80, 0}, {40, 100}}));
    m_book.setEditingPolygonPoints(false);
    m_book.document().undoStack().undo();
    EXPECT_EQ(objects()[0].bounds, QRectF(100, 100, 80, 60));

    m_book.view()->selectObjects({0, 1});
    m_book.setDialogRunner([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Objekt formatieren"));
        EXPECT_FALSE(child<QLineEdit>(dialog, "quelle")->isEnabled()); // the polygon, shown first, has none
        auto* line = child<QComboBox>(dialog, "linienfarbe");
        line->setCurrentIndex(line->findText(QStringLiteral("Red")));
        child<QDoubleSpinBox>(dialog, "linienstaerke")->setValue(3);
        return true;
    });
    m_book.formatObject();
    EXPECT_EQ(objects()[0].lineColour, QColor(Qt::red));
    EXPECT_EQ(objects()[1].lineColour, QColor(Qt::red));
    EXPECT_EQ(objects()[1].lineWidth, 3.0);
    EXPECT_EQ(objects()[1].fillColour, QColor(Qt::white)); // not changed in the dialog

    m_book.view()->selectObjects({1});
    m_book.setDialogRunner([](QDialog& dialog) {
        auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        child<QLineEdit>(dialog, "quelle")->setText(QStringLiteral("A1:"));
        EXPECT_FALSE(ok->isEnabled());
        child<QLineEdit>(dialog, "quelle")->setText(QStringLiteral("$A$1:$A$3"));
        EXPECT_TRUE(ok->isEnabled());
        child<QSpinBox>(dialog, "auswahl")->setValue(2);
        return true;
    });
    m_book.formatObject();
    EXPECT_EQ(objects()[1].source, (CellRange{1, 1, 3, 1}));
    EXPECT_EQ(objects()[1].selectedEntry, 2);
    m_book.document().undoStack().undo();
    EXPECT_FALSE(objects()[1].source.has_value());

    m_book.view()->selectObjects({});
    EXPECT_THROW(m_book.formatObject(), SheetError);
}

TEST_F(SheetBookTest, ObjectTextsAreEditedWhereTheyStand) {
    Workbook book = test::germanTexts();
    DrawingObject box;
    box.kind = DrawingObject::Kind::TextBox;
    box.bounds = {100, 100, 120, 60};
    box.text = QStringLiteral("alt");
    DrawingObject button = box;
    button.kind = DrawingObject::Kind::Button;
    button.bounds = {300, 100, 96, 24};
    DrawingObject rectangle = box;
    rectangle.kind = DrawingObject::Kind::Rectangle;
    rectangle.bounds = {100, 200, 50, 50};
    book.sheet(0).drawings() = {box, button, rectangle};
    m_book.setWorkbook(book);
    QWidget* viewport = m_book.view()->viewport();
    const auto text = [this](int index) {
        return m_book.workbook().sheet(0).drawings()[std::size_t(index)].text;
    };
    const auto editorAfterDoubleClick = [&](QPoint at) {
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
        auto* editor = viewport->findChild<QPlainTextEdit*>(QStringLiteral("objectEditor"));
        return editor && editor->isVisible() ? editor : nullptr;
    };

    // A text box: Shift+Enter starts a new line, Enter keeps the text as one step.
    QPlainTextEdit* editor = editorAfterDoubleClick({40 + 150, 20 + 130});
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("alt"));
    QTest::keyClicks(editor, QStringLiteral("Zeile 1"));
    QTest::keyClick(editor, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(editor, QStringLiteral("Zeile 2"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(text(0), QStringLiteral("Zeile 1\nZeile 2"));
    m_book.document().undoStack().undo();
    EXPECT_EQ(text(0), QStringLiteral("alt"));

    // A button's caption: Escape leaves it, a click elsewhere keeps what was typed.
    editor = editorAfterDoubleClick({40 + 340, 20 + 110});
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("Weg"));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(text(1), QStringLiteral("alt"));
    editor = editorAfterDoubleClick({40 + 340, 20 + 110});
    QTest::keyClicks(editor, QStringLiteral("Rechnen"));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, {500, 400});
    EXPECT_EQ(text(1), QStringLiteral("Rechnen"));

    // Moving on with the keys leaves the objects: Delete then clears a cell, not them.
    m_book.view()->selectObjects({0});
    QTest::keyClick(m_book.view(), Qt::Key_Right);
    EXPECT_TRUE(m_book.selection().objects.empty());
    QTest::keyClick(m_book.view(), Qt::Key_Delete);
    EXPECT_EQ(m_book.workbook().sheet(0).drawings().size(), 3u);

    // A rectangle shows no text, and a read-only sheet keeps its objects as they are.
    EXPECT_EQ(editorAfterDoubleClick({40 + 120, 20 + 220}), nullptr);
    m_book.setReadOnly(true);
    EXPECT_EQ(editorAfterDoubleClick({40 + 150, 20 + 130}), nullptr);
}

TEST_F(SheetBookTest, PrintAreaAndTitlesFromTheSelection) {
    m_book.view()->select({2, 1, 9, 2});
    m_book.setPrintArea();
    EXPECT_EQ(m_book.workbook().sheet(0).print().area, (CellRange{2, 1, 9, 2}));
    m_book.view()->select({1, 1, maxRows, maxColumns}); // the whole sheet: only as far as it is used
    m_book.setPrintArea();
    EXPECT_EQ(m_book.workbook().sheet(0).print().area, m_book.workbook().sheet(0).usedRange());

    m_book.view()->select({1, 1, 2, maxColumns});
    m_book.setPrintTitles();
    m_book.view()->select({1, 2, maxRows, 3});
    m_book.setPrintTitles();
    const PrintSettings& print = m_book.workbook().sheet(0).print();
    EXPECT_EQ(print.titleRows, (CellRange{1, 1, 2, maxColumns}));
    EXPECT_EQ(print.titleColumns, (CellRange{1, 2, maxRows, 3}));

    for (const CellRange& range : {CellRange{2, 2, 3, 3}, CellRange{1, 1, maxRows, maxColumns}}) {
        m_book.view()->select(range);
        try {
            m_book.setPrintTitles();
            FAIL() << "print titles taken from " << rangeReference(range).toStdString();
        } catch (const SheetError& error) {
            EXPECT_EQ(
                error.message(),
                QStringLiteral("Als Drucktitel können nur ganze Zeilen und ganze Spalten gewählt werden."));
        }
    }
    m_book.clearPrintTitles();
    m_book.clearPrintArea();
    EXPECT_EQ(m_book.workbook().sheet(0).print(), PrintSettings{});
    m_book.document().undoStack().undo();
    EXPECT_TRUE(m_book.workbook().sheet(0).print().area.has_value());
}

TEST_F(SheetBookTest, ReadsFilesAndReportsFailures) {
    QTemporaryDir dir;
    m_book.setTitle(QStringLiteral("Titel bleibt"));
    m_book.writeWorkbook(dir.filePath(QStringLiteral("a.vts")), NativeCode);
    m_book.setCellText(1, 1, QStringLiteral("geändert"));
    EXPECT_EQ(m_book.readWorkbook(dir.filePath(QStringLiteral("a.vts"))), NativeCode);
    EXPECT_EQ(m_book.getCellText(1, 1), QStringLiteral("Wasseranalyse Brunnen Süd"));
    EXPECT_EQ(m_book.title(), QStringLiteral("Titel bleibt"));
    try {
        m_book.readWorkbook(dir.filePath(QStringLiteral("fehlt.vts")));
        FAIL() << "a missing file was read";
    } catch (const SheetError& error) {
        EXPECT_FALSE(error.isCancelled());
        EXPECT_TRUE(error.message().contains(QStringLiteral("fehlt.vts")));
    }
    EXPECT_EQ(m_book.getCellText(1, 1), QStringLiteral("Wasseranalyse Brunnen Süd"));
}

TEST_F(SheetBookTest, TheDesignerStartsWithTheWorkbookGivenAndAMissingOneFails) {
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("designer"));
    const QString arguments = dir.filePath(QStringLiteral("arguments"));
    m_book.setDesignerProgram(program);
    try {
        m_book.startDesigner();
        FAIL() << "a missing designer was started";
    } catch (const SheetError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("Der Formular-Designer „%1“ wurde nicht gefunden.").arg(program));
    }
    QFile script(program);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\necho \"$#:$1\" > '%1.part' && mv '%1.part' '%1'\n")
                     .arg(arguments)
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_book.startDesigner(QStringLiteral("/t/Mein Blatt.vts"));
    for (int waited = 0; waited < 5000 && !QFile::exists(arguments); waited += 10)
        QTest::qWait(10);
    QFile written(arguments);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("1:/t/Mein Blatt.vts\n"));
}
