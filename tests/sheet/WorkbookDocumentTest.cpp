#include "sheet/edit/WorkbookDocument.h"

#include "SampleWorkbooks.h"
#include "sheet/edit/Selection.h"
#include "sheet/formats/VtsFormat.h"
#include "sheet/model/SheetError.h"

#include <functional>
#include <gtest/gtest.h>

using namespace velmora::sheet;

namespace {

// Workbooks compared whole; a difference shows both in the component's format.
::testing::AssertionResult sameWorkbook(const Workbook& actual, const Workbook& expected) {
    if (actual == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "actual:\n"
                                         << writeVts(actual).toStdString() << "\nexpected:\n"
                                         << writeVts(expected).toStdString();
}

class WorkbookDocumentTest : public ::testing::Test {
protected:
    void SetUp() override { m_document.reset(test::germanTexts()); }

    Sheet& expected() { return m_expected.sheet(0); }

    // The operation gives m_expected; undoing it the workbook before, redoing it m_expected again.
    void expectUndoable(const std::function<void()>& operation) {
        const Workbook before = m_document.workbook();
        operation();
        EXPECT_TRUE(sameWorkbook(m_document.workbook(), m_expected)) << "after the operation";
        m_document.undoStack().undo();
        EXPECT_TRUE(sameWorkbook(m_document.workbook(), before)) << "after undo";
        m_document.undoStack().redo();
        EXPECT_TRUE(sameWorkbook(m_document.workbook(), m_expected)) << "after redo";
    }

    // A refused operation names its reason and leaves the workbook and its history as they were.
    void expectRefused(const std::function<void()>& operation, const QString& message) {
        const Workbook before = m_document.workbook();
        const int commands = m_document.undoStack().count();
        try {
            operation();
            ADD_FAILURE() << "not refused";
        } catch (const SheetError& error) {
            EXPECT_EQ(error.message(), message);
        }
        EXPECT_TRUE(sameWorkbook(m_document.workbook(), before));
        EXPECT_EQ(m_document.undoStack().count(), commands);
    }

    WorkbookDocument m_document;
    Workbook m_expected = test::germanTexts();
};

DrawingObject shape(DrawingObject::Kind kind, QRectF bounds) {
    DrawingObject object;
    object.kind = kind;
    object.bounds = bounds;
    return object;
}

CellStyle boldStyle() {
    CellStyle style;
    style.bold = true;
    return style;
}

} // namespace

TEST_F(WorkbookDocumentTest, CellTextsAndStyles) {
    expected().setText({2, 2}, QStringLiteral("13,0"));
    expectUndoable([&] { m_document.setCellText(0, {2, 2}, QStringLiteral("13,0")); });
    EXPECT_EQ(m_document.undoStack().text(0), QStringLiteral("Eingabe in B2"));

    // Whole columns reach as far as the sheet is used (row 9), not to its last row.
    m_document.reset(test::germanTexts());
    m_expected = test::germanTexts();
    for (int row = 1; row <= 9; ++row)
        expected().setStyle({row, 2}, boldStyle());
    expectUndoable([&] {
        m_document.changeStyle(
            0, {{1, 2, maxRows, 2}}, [](CellStyle& style) { style.bold = true; }, QStringLiteral("Fett"));
    });
}

TEST_F(WorkbookDocumentTest, ClearKindsTakeTextsStylesOrBoth) {
    Workbook styled = test::germanTexts();
    styled.sheet(0).setStyle({2, 1}, boldStyle());
    styled.sheet(0).setStyle({4, 1}, boldStyle());
    for (const ClearKind kind : {ClearKind::All, ClearKind::Formats, ClearKind::Contents}) {
        m_document.reset(styled);
        m_expected = styled;
        for (const CellPos pos : {CellPos{2, 1}, CellPos{3, 1}, CellPos{4, 1}}) {
            if (kind != ClearKind::Formats)
                expected().setText(pos, QString());
            if (kind != ClearKind::Contents)
                expected().setStyle(pos, CellStyle());
        }
        expectUndoable([&] { m_document.clear(0, {{2, 1, 4, 1}}, kind); });
    }
}

TEST_F(WorkbookDocumentTest, FillDownAndRightCopyTheFirstLine) {
    m_document.setCellText(0, {10, 1}, QStringLiteral("x"));
    m_document.changeStyle(
        0, {{10, 2, 10, 2}}, [](CellStyle& style) { style.bold = true; }, QStringLiteral("Fett"));
    m_expected = m_document.workbook();
    for (int row = 11; row <= 12; ++row) {
        expected().setText({row, 1}, QStringLiteral("x"));
        expected().setStyle({row, 2}, boldStyle());
    }
    expectUndoable([&] { m_document.fillDown(0, {{10, 1, 12, 2}}); });

    m_expected = m_document.workbook();
    expected().setText({2, 2}, QStringLiteral("Temperatur"));
    expected().setText({2, 3}, QStringLiteral("Temperatur"));
    expectUndoable([&] { m_document.fillRight(0, {{2, 1, 2, 3}}); });
}

TEST_F(WorkbookDocumentTest, PastesAllValuesFormatsAndTransposed) {
    CellBlock block = copyBlock(test::germanTexts().sheet(0), {2, 1, 3, 2});
    block.cells[0].style = boldStyle();
    const struct {
        PasteKind kind;
        bool transpose;
    } cases[] = {{PasteKind::All, false},
                 {PasteKind::Values, false},
                 {PasteKind::Formats, false},
                 {PasteKind::All, true}};
    for (const auto& paste : cases) {
        m_document.reset(test::germanTexts());
        m_expected = test::germanTexts();
        if (paste.kind != PasteKind::Formats) {
            expected().setText({20, 1}, QStringLiteral("Temperatur"));
            expected().setText(paste.transpose ? CellPos{21, 1} : CellPos{20, 2}, QStringLiteral("12.500"));
            expected().setText(paste.transpose ? CellPos{20, 2} : CellPos{21, 1},
                               QStringLiteral("Leitfähigkeit"));
            expected().setText({21, 2}, QStringLiteral("-0.250"));
        }
        if (paste.kind != PasteKind::Values)
            expected().setStyle({20, 1}, boldStyle());
        expectUndoable([&] { m_document.paste(0, {20, 1}, block, paste.kind, paste.transpose); });
    }
}

TEST_F(WorkbookDocumentTest, SortsRowsByUpToThreeKeys) {
    Workbook table;
    const QStringList rows[] = {{QStringLiteral("b"), QStringLiteral("2")},
                                {QStringLiteral(""), QStringLiteral("9")},
                                {QStringLiteral("a"), QStringLiteral("10")},
                                {QStringLiteral("B"), QStringLiteral("1,5")},
                                {QStringLiteral("7"), QStringLiteral("x")}};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 2; ++c)
            table.sheet(0).setText({r + 1, c + 1}, rows[r][c]);
    table.sheet(0).setStyle({3, 2}, boldStyle()); // the style moves with its row
    m_document.reset(table);
    m_expected = table;
    // Numbers before texts, texts without regard to case, empty last; ties by the second key, descending.
    const int order[] = {5, 3, 1, 4, 2};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 2; ++c) {
            const CellPos from{order[r], c + 1};
            expected().setText({r + 1, c + 1}, table.sheet(0).text(from));
            expected().setStyle({r + 1, c + 1}, table.sheet(0).style(from));
        }
    expectUndoable([&] { m_document.sort(0, {1, 1, 5, 2}, {{{1, true}, {2, false}}, true}); });

    expectRefused(
        [&] {
            m_document.sort(0, {1, 1, 5, 2}, {{{3, true}}, true});
        },
        QStringLiteral("Der Sortierschlüssel liegt außerhalb des Bereichs."));
    expectRefused(
        [&] {
            m_document.sort(0, {1, 1, 5, 2}, {{}, true});
        },
        QStringLiteral("Es können ein bis drei Sortierschlüssel angegeben werden."));
}

TEST_F(WorkbookDocumentTest, SortsColumns) {
    Workbook table;
    table.sheet(0).setText({1, 1}, QStringLiteral("3"));
    table.sheet(0).setText({1, 2}, QStringLiteral("1"));
    table.sheet(0).setText({2, 1}, QStringLiteral("drei"));
    table.sheet(0).setText({2, 2}, QStringLiteral("eins"));
    m_document.reset(table);
    m_expected = table;
    expected().setText({1, 1}, QStringLiteral("1"));
    expected().setText({1, 2}, QStringLiteral("3"));
    expected().setText({2, 1}, QStringLiteral("eins"));
    expected().setText({2, 2}, QStringLiteral("drei"));
    expectUndoable([&] { m_document.sort(0, {1, 1, 2, 2}, {{{1, true}}, false}); });
}

TEST_F(WorkbookDocumentTest, FindsAndReplaces) {
    const Sheet& sheet = m_document.workbook().sheet(0);
    const FindOptions options{QStringLiteral("e"), false, false, false};
    EXPECT_EQ(findNext(sheet, {1, 1}, options), (CellPos{2, 1}));
    EXPECT_EQ(findNext(sheet, {5, 1}, options), (CellPos{1, 1})); // round the end
    FindOptions byColumns = options;
    byColumns.byColumns = true;
    EXPECT_EQ(findNext(sheet, {5, 1}, byColumns), (CellPos{1, 1}));
    FindOptions whole{QStringLiteral("TEMPERATUR"), false, true, false};
    EXPECT_EQ(findNext(sheet, {1, 1}, whole), (CellPos{2, 1}));
    whole.matchCase = true;
    EXPECT_EQ(findNext(sheet, {1, 1}, whole), std::nullopt);

    expected().setText({2, 1}, QStringLiteral("Temperatur (Wasser)"));
    int changed = 0;
    expectUndoable([&] {
        changed = m_document.replaceAll(0, {QStringLiteral("temperatur"), false, true, false},
                                        QStringLiteral("Temperatur (Wasser)"));
    });
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(m_document.replaceAll(0, {QStringLiteral("nirgends"), false, false, false}, QString()), 0);
    EXPECT_EQ(m_document.undoStack().index(), 1); // nothing recorded for no change
}

TEST_F(WorkbookDocumentTest, InsertingAndDeletingRowsMovesEverythingWithThem) {
    Workbook laidOut = test::germanTexts();
    Sheet& sheet = laidOut.sheet(0);
    sheet.setRowHeight(3, 30);
    sheet.setRowHidden(6, true);
    sheet.merge({2, 2, 4, 3});
    sheet.print().rowBreaks = {5};
    sheet.print().area = CellRange{1, 1, 9, 7};
    sheet.drawings().push_back(shape(DrawingObject::Kind::Rectangle, QRectF(10, 100, 50, 20)));
    DrawingObject chart = shape(DrawingObject::Kind::Chart, QRectF(10, 10, 50, 20));
    chart.source = CellRange{2, 1, 5, 2};
    sheet.drawings().push_back(chart);
    m_document.reset(laidOut);

    m_expected = laidOut;
    Sheet& moved = expected();
    moved.removeCells({3, 1, maxRows, maxColumns});
    for (const auto& [pos, cell] : sheet.cellsIn({3, 1, maxRows, maxColumns}))
        moved.putCells({{{pos.row + 2, pos.column}, cell}});
    SheetLayout layout = moved.layout();
    layout.rowHeights = {{5, 30}};
    layout.hiddenRows = {8};
    layout.merges = {{2, 2, 6, 3}}; // the insertion falls inside: it grows
    layout.print.rowBreaks = {7};
    layout.print.area = CellRange{1, 1, 11, 7};
    layout.drawings[0].bounds.moveTop(100 + 2 * 17);
    layout.drawings[1].source = CellRange{2, 1, 7, 2}; // the data a chart shows follows its cells
    moved.setLayout(layout);
    expectUndoable([&] { m_document.insertRows(0, 3, 2); });

    m_document.reset(laidOut);
    m_expected = laidOut;
    Sheet& deleted = expected();
    deleted.removeCells({2, 1, maxRows, maxColumns});
    for (const auto& [pos, cell] : sheet.cellsIn({4, 1, maxRows, maxColumns}))
        deleted.putCells({{{pos.row - 2, pos.column}, cell}});
    layout = deleted.layout();
    layout.rowHeights.clear();
    layout.hiddenRows = {4};
    layout.merges = {{2, 2, 2, 3}}; // what is left of it: one row of two cells
    layout.print.rowBreaks = {3};
    layout.print.area = CellRange{1, 1, 7, 7};
    layout.drawings[0].bounds.moveTop(100 - 17 - 30);
    layout.drawings[1].source = CellRange{2, 1, 3, 2};
    deleted.setLayout(layout);
    expectUndoable([&] { m_document.deleteRows(0, 2, 2); });
}

TEST_F(WorkbookDocumentTest, InsertingAndDeletingColumns) {
    m_expected = test::germanTexts();
    Sheet& moved = expected();
    moved.removeCells({1, 2, maxRows, maxColumns});
    for (const auto& [pos, cell] : test::germanTexts().sheet(0).cellsIn({1, 2, maxRows, maxColumns}))
        moved.putCells({{{pos.row, pos.column + 1}, cell}});
    expectUndoable([&] { m_document.insertColumns(0, 2, 1); });

    m_document.reset(test::germanTexts());
    m_expected = test::germanTexts();
    Sheet& deleted = expected();
    deleted.removeCells({1, 1, maxRows, maxColumns});
    for (const auto& [pos, cell] : test::germanTexts().sheet(0).cellsIn({1, 2, maxRows, maxColumns}))
        deleted.putCells({{{pos.row, pos.column - 1}, cell}});
    expectUndoable([&] { m_document.deleteColumns(0, 1, 1); });
}

TEST_F(WorkbookDocumentTest, InsertingAndDeletingCellsMovesOnlyTheirBand) {
    // B2:B3 shifted down: only column B below row 2 moves.
    expected().setText({2, 2}, QString());
    expected().setText({3, 2}, QString());
    expected().setText({4, 2}, QStringLiteral("12.500"));
    expected().setText({5, 2}, QStringLiteral("-0.250"));
    expected().setText({6, 2}, QString());
    expected().setText({8, 2}, QStringLiteral("007"));
    expectUndoable([&] { m_document.insertCells(0, {2, 2, 3, 2}, Axis::Rows); });

    m_document.reset(test::germanTexts());
    m_expected = test::germanTexts();
    expected().setText({2, 1}, QStringLiteral("12.500"));
    expected().setText({2, 2}, QStringLiteral("°C"));
    expected().setText({2, 3}, QString());
    expectUndoable([&] { m_document.deleteCells(0, {2, 1, 2, 1}, Axis::Columns); });
}

TEST_F(WorkbookDocumentTest, RefusesShiftsThatLoseCellsOrSplitMerges) {
    m_document.setCellText(0, {maxRows, 1}, QStringLiteral("unten"));
    expectRefused([&] { m_document.insertRows(0, 2, 1); },
                  QStringLiteral("Zellen würden aus der Tabelle geschoben."));
    m_document.merge(0, {20, 1, 20, 3}, false);
    expectRefused(
        [&] {
            m_document.insertCells(0, {10, 2, 10, 2}, Axis::Rows);
        },
        QStringLiteral("Verbundene Zellen können dabei nicht geteilt werden."));
    expectRefused([&] { m_document.deleteRows(0, 0, 1); },
                  QStringLiteral("Die Zeilen oder Spalten 0 bis 0 liegen außerhalb der Tabelle."));
}

TEST_F(WorkbookDocumentTest, LineSizesAndHiddenLines) {
    SheetLayout layout = expected().layout();
    layout.rowHeights = {{2, 25}, {3, 25}};
    expected().setLayout(layout);
    expectUndoable([&] { m_document.setRowHeight(0, 2, 3, 25); });

    m_document.reset(test::germanTexts());
    m_expected = test::germanTexts();
    expected().setDefaultColumnWidth(80);
    expectUndoable([&] { m_document.setDefaultColumnWidth(0, 80); });

    m_document.reset(test::germanTexts());
    m_expected = test::germanTexts();
    expected().setColumnHidden(2, true);
    expected().setColumnHidden(3, true);
    expectUndoable([&] { m_document.setColumnsHidden(0, 2, 3, true); });
    m_expected = test::germanTexts();
    expectUndoable([&] { m_document.setColumnsHidden(0, 1, 3, false); });

    expectRefused([&] { m_document.setRowHeight(0, 1, 1, -1); },
                  QStringLiteral("Die Größe muss zwischen 0 und 2000 Pixeln liegen."));

    // AutoFit: the 255 "ä" of A7 need more than the standard width; column E's "25" less.
    m_document.autoFitColumns(0, 1, 5);
    const Sheet& fitted = m_document.workbook().sheet(0);
    EXPECT_GT(fitted.columnWidth(1), 500.0);
    EXPECT_LT(fitted.columnWidth(5), 40.0);
    EXPECT_EQ(fitted.columnWidths().count(6), 0u);
}

TEST_F(WorkbookDocumentTest, SheetSettings) {
    expected().merge({1, 1, 1, 4});
    for (int column = 1; column <= 4; ++column) {
        CellStyle style;
        style.horizontal = HorizontalAlignment::CentreAcrossSelection;
        expected().setStyle({1, column}, style);
    }
    expectUndoable([&] { m_document.merge(0, {1, 1, 1, 4}, true); });

    m_expected = m_document.workbook();
    expected().unmerge({1, 1, 1, 4});
    expectUndoable([&] { m_document.unmerge(0, {1, 2, 1, 2}); });

    m_expected = m_document.workbook();
    expected().setFrozen(2, 1);
    expectUndoable([&] { m_document.setFrozen(0, 2, 1); });
    expected().setProtected(true);
    expectUndoable([&] { m_document.setProtected(0, true); });
    expected().print().rowBreaks = {5};
    expected().print().columnBreaks = {3};
    expectUndoable([&] { m_document.togglePageBreak(0, {5, 3}); });
    // A break in the cell's row is taken away with the one in its column; A1 carries none.
    expected().print().rowBreaks.clear();
    expected().print().columnBreaks.clear();
    expectUndoable([&] { m_document.togglePageBreak(0, {5, 3}); });
    const int commands = m_document.undoStack().count();
    m_document.togglePageBreak(0, {1, 1});
    EXPECT_EQ(m_document.undoStack().count(), commands);

    PrintSettings page = test::everyFeature().sheet(0).print();
    expected().print() = page;
    expectUndoable([&] { m_document.setPrintSettings(0, page); });
    const std::pair<std::function<void(PrintSettings&)>, QString> refused[] = {
        {[](PrintSettings& p) { p.scale = 9; },
         QStringLiteral("Der Maßstab muss zwischen 10 und 400 % liegen.")},
        {[](PrintSettings& p) { p.scale = 401; },
         QStringLiteral("Der Maßstab muss zwischen 10 und 400 % liegen.")},
        {[](PrintSettings& p) { p.pagesWide = 0; },
         QStringLiteral("Angepasst werden kann auf 1 bis 100 Seiten breit und hoch.")},
        {[](PrintSettings& p) { p.pagesTall = 101; },
         QStringLiteral("Angepasst werden kann auf 1 bis 100 Seiten breit und hoch.")},
        {[](PrintSettings& p) { p.margins.setTop(-1); },
         QStringLiteral("Die Seitenränder müssen zwischen 0 und 500 mm liegen.")},
        {[](PrintSettings& p) { p.margins.setRight(500.5); },
         QStringLiteral("Die Seitenränder müssen zwischen 0 und 500 mm liegen.")},
    };
    for (const auto& [change, message] : refused) {
        PrintSettings wrong = page;
        change(wrong);
        expectRefused([&] { m_document.setPrintSettings(0, wrong); }, message);
    }
}

// On a protected sheet only unlocked cells change, and nothing that moves cells or objects; how the sheet
// prints and shows, and its protection, still do.
TEST_F(WorkbookDocumentTest, AProtectedSheetKeepsItsLockedCells) {
    CellStyle open;
    open.locked = false;
    m_document.changeStyle(0, {CellRange{2, 2, 2, 2}}, [&](CellStyle& style) { style = open; }, {});
    m_document.setCellText(0, {2, 3}, QStringLiteral("=B2*2"));
    m_document.changeStyle(0, {CellRange{2, 3, 2, 3}}, [](CellStyle& style) { style.formulaHidden = true; },
                           {});
    m_document.setProtected(0, true);
    EXPECT_EQ(m_document.workbook().sheet(0).editText({2, 3}), QStringLiteral("25"));

    const QString locked =
        QStringLiteral("Gesperrte Zellen einer geschützten Tabelle können nicht geändert werden.");
    const QString sheet =
        QStringLiteral("Die Tabelle ist geschützt. Heben Sie den Blattschutz auf, um sie zu ändern.");
    expectRefused([&] { m_document.setCellText(0, {1, 1}, QStringLiteral("x")); }, locked);
    expectRefused([&] { m_document.setCellText(0, {30, 30}, QStringLiteral("x")); }, locked); // an empty cell
    expectRefused([&] { m_document.clear(0, {CellRange{2, 1, 2, 2}}, ClearKind::Contents); }, locked);
    expectRefused(
        [&] {
            m_document.changeStyle(0, {CellRange{1, 1, 1, 1}}, [](CellStyle& style) { style.locked = false; },
                                   {});
        },
        locked);
    expectRefused([&] { m_document.insertRows(0, 2, 1); }, sheet);
    expectRefused([&] { m_document.deleteColumns(0, 5, 1); }, sheet);
    expectRefused([&] { m_document.setRowHeight(0, 1, 1, 30); }, sheet);
    expectRefused([&] { m_document.merge(0, {5, 5, 6, 6}, false); }, sheet);
    expectRefused([&] { m_document.addObject(0, shape(DrawingObject::Kind::Oval, QRectF(0, 0, 5, 5))); },
                  sheet);

    // The unlocked cell takes input, and the formula reading it follows.
    m_document.setCellText(0, {2, 2}, QStringLiteral("4"));
    EXPECT_EQ(m_document.workbook().sheet(0).text({2, 3}), QStringLiteral("8"));
    m_document.togglePageBreak(0, {3, 1});
    m_document.setFrozen(0, 1, 0);
    m_document.setProtected(0, false);
    EXPECT_EQ(m_document.workbook().sheet(0).editText({2, 3}), QStringLiteral("=B2*2"));
    m_document.setCellText(0, {1, 1}, QStringLiteral("x"));
    EXPECT_EQ(m_document.workbook().sheet(0).text({1, 1}), QStringLiteral("x"));
}

TEST_F(WorkbookDocumentTest, DrawingObjectsAndTheirOrder) {
    const DrawingObject line = shape(DrawingObject::Kind::Line, QRectF(0, 0, 10, 10));
    const DrawingObject oval = shape(DrawingObject::Kind::Oval, QRectF(5, 5, 10, 10));
    const DrawingObject arc = shape(DrawingObject::Kind::Arc, QRectF(9, 9, 10, 10));
    m_document.addObject(0, line);
    m_document.addObject(0, oval);
    m_document.addObject(0, arc);
    m_expected = m_document.workbook();
    expected().drawings() = {oval, arc, line};
    expectUndoable([&] { m_document.bringToFront(0, {0}); });
    m_expected = m_document.workbook();
    expected().drawings() = {line, oval, arc};
    expectUndoable([&] { m_document.sendToBack(0, {2}); });
    m_expected = m_document.workbook();
    expected().drawings() = {oval};
    expectUndoable([&] { m_document.removeObjects(0, {2, 0, 2}); });
    expectRefused([&] { m_document.changeObject(0, 1, line); },
                  QStringLiteral("Das Zeichenobjekt 1 gibt es nicht."));
}

TEST_F(WorkbookDocumentTest, SheetsAndNames) {
    m_expected.sheets().insert(m_expected.sheets().begin() + 1, Sheet(QStringLiteral("Tabelle3")));
    expectUndoable([&] { m_document.insertSheet(1); });
    m_expected.sheets().erase(m_expected.sheets().begin());
    expectUndoable([&] { m_document.deleteSheet(0); });
    m_expected.sheet(0).setName(QStringLiteral("Neu"));
    expectUndoable([&] { m_document.renameSheet(0, QStringLiteral(" Neu ")); });
    m_expected.definedNames()[QStringLiteral("Summe")] = QStringLiteral("Neu!A1:B2");
    expectUndoable([&] { m_document.defineName(QStringLiteral("Summe"), QStringLiteral("Neu!$A$1:$B$2")); });

    expectRefused([&] { m_document.renameSheet(0, QStringLiteral("zweite tabelle")); },
                  QStringLiteral("Eine Tabelle „zweite tabelle“ gibt es schon."));
    expectRefused([&] { m_document.defineName(QStringLiteral("B7"), QStringLiteral("Neu!A1")); },
                  QStringLiteral("„B7“ ist kein gültiger Name."));
    expectRefused([&] { m_document.defineName(QStringLiteral("X"), QStringLiteral("A1")); },
                  QStringLiteral("„A1“ ist kein Bereich einer Tabelle."));
    m_expected.definedNames() = {{QStringLiteral("Kopf"), QStringLiteral("Neu!A1")}};
    expectUndoable([&] {
        m_document.setDefinedNames({{QStringLiteral("Kopf"), QStringLiteral("'Neu'!$A$1")}});
    });
    expectRefused(
        [&] {
            m_document.setDefinedNames({{QStringLiteral("A"), QStringLiteral("Neu!A1")},
                                        {QStringLiteral("1x"), QStringLiteral("Neu!A1")}});
        },
        QStringLiteral("„1x“ ist kein gültiger Name."));

    // Sheet properties are one step; the tabs belong to the workbook.
    m_expected.sheet(0).setName(QStringLiteral("Bericht 2"));
    m_expected.sheet(0).setShowGridlines(false);
    m_expected.setShowTabs(false);
    const int steps = m_document.undoStack().count();
    expectUndoable([&] {
        m_document.setSheetProperties(0, {QStringLiteral("Bericht 2 "), false, true, false});
    });
    EXPECT_EQ(m_document.undoStack().count(), steps + 1);
    EXPECT_EQ(m_document.sheetProperties(0),
              (SheetProperties{QStringLiteral("Bericht 2"), false, true, false}));
    m_document.setSheetProperties(0, {QStringLiteral("Bericht 2"), false, true, false});
    EXPECT_EQ(m_document.undoStack().count(), steps + 1);
    expectRefused(
        [&] {
            m_document.setSheetProperties(0, {QStringLiteral("Zweite Tabelle"), true, true, true});
        },
        QStringLiteral("Eine Tabelle „Zweite Tabelle“ gibt es schon."));

    m_document.deleteSheet(0);
    expectRefused([&] { m_document.deleteSheet(0); },
                  QStringLiteral("Die letzte Tabelle einer Arbeitsmappe kann nicht gelöscht werden."));
}

// Cells in the default font follow a new one on every sheet; cells with a font of their own keep it.
TEST_F(WorkbookDocumentTest, DefaultFontOfTheWorkbook) {
    CellStyle own;
    own.fontFamily = QStringLiteral("Courier New");
    m_document.changeStyle(0, {CellRange{1, 1, 1, 1}}, [&](CellStyle& style) { style = own; }, {});
    CellStyle bold = boldStyle();
    m_document.changeStyle(0, {CellRange{2, 1, 2, 1}}, [&](CellStyle& style) { style = bold; }, {});
    m_expected = m_document.workbook();
    const auto renewed = [](CellStyle style) {
        style.fontFamily = QStringLiteral("DejaVu Sans");
        style.fontSize = 12;
        return style;
    };
    for (Sheet& sheet : m_expected.sheets()) {
        const CellStyle old = sheet.defaultStyle();
        sheet.visitCellsIn(sheet.usedRange(), [&](CellPos pos, const Cell& cell) {
            if (cell.style.fontFamily == old.fontFamily && cell.style.fontSize == old.fontSize)
                sheet.setStyle(pos, renewed(cell.style));
        });
        sheet.setDefaultStyle(renewed(old));
    }
    expected().setStyle({1, 1}, own);
    expected().setStyle({2, 1}, renewed(bold));
    expectUndoable([&] { m_document.setDefaultFont(QStringLiteral("DejaVu Sans"), 12); });
    EXPECT_EQ(m_document.workbook().sheet(0).style({1, 1}).fontFamily, QStringLiteral("Courier New"));
    EXPECT_EQ(m_document.workbook().sheet(0).style({2, 1}).fontSize, 12.0);
    EXPECT_EQ(m_document.workbook().sheet(1).defaultStyle().fontSize, 12.0);
    expectRefused([&] { m_document.setDefaultFont(QStringLiteral(" "), 10); },
                  QStringLiteral("Eine Schrift braucht einen Namen und eine Größe von 1 bis 409 Punkt."));
    expectRefused([&] { m_document.setDefaultFont(QStringLiteral("Arial"), 0.5); },
                  QStringLiteral("Eine Schrift braucht einen Namen und eine Größe von 1 bis 409 Punkt."));
    m_document.setProtected(1, true);
    expectRefused(
        [&] { m_document.setDefaultFont(QStringLiteral("Arial"), 9); },
        QStringLiteral("Die Tabelle ist geschützt. Heben Sie den Blattschutz auf, um sie zu ändern."));
}

TEST_F(WorkbookDocumentTest, ModifiedFollowsTheHistory) {
    int edits = 0;
    QObject::connect(&m_document, &WorkbookDocument::edited, [&] { ++edits; });
    EXPECT_FALSE(m_document.isModified());
    m_document.setCellText(0, {1, 1}, QStringLiteral("a"));
    EXPECT_TRUE(m_document.isModified());
    m_document.undoStack().undo();
    EXPECT_FALSE(m_document.isModified());
    m_document.undoStack().redo();
    m_document.markSaved();
    EXPECT_FALSE(m_document.isModified());
    m_document.setCellText(0, {1, 1}, QStringLiteral("a")); // no change, nothing recorded
    EXPECT_FALSE(m_document.isModified());
    EXPECT_EQ(edits, 3);
    m_document.reset(Workbook());
    EXPECT_EQ(edits, 3);
    EXPECT_FALSE(m_document.undoStack().canUndo());
}

TEST(Selection, KindCodes) {
    const CellRange cells{2, 2, 4, 4};
    const CellRange rows{2, 1, 3, maxColumns};
    const CellRange columns{1, 2, maxRows, 2};
    const CellRange all{1, 1, maxRows, maxColumns};
    const struct {
        std::vector<CellRange> ranges;
        std::vector<int> objects;
        bool editing;
        int kind;
    } table[] = {
        {{cells}, {}, false, 1},      {{cells, cells}, {}, false, 2}, {{rows}, {}, false, 3},
        {{rows, rows}, {}, false, 4}, {{columns}, {}, false, 5},      {{columns, columns}, {}, false, 6},
        {{all}, {}, false, 7},        {{all, all}, {}, false, 8},     {{cells, rows}, {}, false, 2},
        {{cells}, {0}, false, 9},     {{cells}, {0, 1}, false, 10},   {{cells}, {0}, true, 11},
    };
    for (const auto& row : table) {
        Selection selection;
        selection.ranges = row.ranges;
        selection.objects = row.objects;
        selection.editingCell = row.editing;
        EXPECT_EQ(selection.kind(), row.kind) << row.kind;
    }
}

TEST(CellBlock, TravelsThroughTheClipboardFormats) {
    Sheet sheet = test::germanTexts().sheet(0);
    sheet.setStyle({2, 2}, boldStyle());
    const CellBlock block = copyBlock(sheet, {2, 1, 4, 3}); // row 4 is empty: the extent survives
    EXPECT_EQ(decodeBlock(encodeBlock(block)), block);
    EXPECT_EQ(blockText(block), QStringLiteral("Temperatur\t12.500\t°C\nLeitfähigkeit\t-0.250\t\n\t\t\n"));
    const CellBlock html = blockFromHtml(blockHtml(block), CellStyle());
    EXPECT_EQ(html.rows, 3);
    EXPECT_EQ(html.columns, 3);
    EXPECT_EQ(html.at(1, 0).text, QStringLiteral("Leitfähigkeit"));
    EXPECT_EQ(blockFromText(QStringLiteral("a\t\"b\tc\"\nd\n"), CellStyle()).at(0, 1).text,
              QStringLiteral("b\tc"));

    // Anything else under the component's type is no block.
    EXPECT_EQ(decodeBlock(QByteArrayLiteral("<workbook")).rows, 0);
    Workbook huge;
    huge.sheet(0).print().area = CellRange{1, 1, maxRows, maxColumns};
    EXPECT_EQ(decodeBlock(writeVts(huge)).rows, 0);
}
