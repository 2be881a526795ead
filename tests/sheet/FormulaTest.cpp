#include "QtPrinters.h"
#include "sheet/edit/WorkbookDocument.h"
#include "sheet/formula/FormulaTokens.h"
#include "sheet/formula/Recalculation.h"

#include <gtest/gtest.h>
#include <QSignalSpy>

using namespace velmora::sheet;

namespace {

// 10 December 2026, 14:30.
constexpr double fixedNow = 46366.0 + 14.5 / 24.0;

// Column A holds the formulas of `formulas`, column B and C the data they read; the shown texts of A.
QStringList results(const QStringList& formulas, Workbook book = {}) {
    Sheet& sheet = book.sheet(0);
    sheet.setText({1, 2}, QStringLiteral("2.5"));
    sheet.setText({2, 2}, QStringLiteral("4"));
    sheet.setText({3, 2}, QStringLiteral("abc"));
    sheet.setText({4, 2}, QStringLiteral("-1,5")); // a German decimal comma is a number too
    sheet.setText({1, 3}, QStringLiteral("0"));
    for (int i = 0; i < formulas.size(); ++i)
        sheet.setFormula({i + 1, 1}, formulas[i], QStringLiteral("alt"));
    FormulaEngine().recalculate(book, fixedNow);
    QStringList shown;
    for (int i = 0; i < formulas.size(); ++i)
        shown << book.sheet(0).text({i + 1, 1});
    return shown;
}

} // namespace

TEST(Formula, EveryFunctionGivesItsKnownValue) {
    const QStringList formulas{
        QStringLiteral("=SUM(B1:B4)"),
        QStringLiteral("=AVERAGE(B1:B2)"),
        QStringLiteral("=MIN(B1:B4)"),
        QStringLiteral("=MAX(B1:B4; 7)"),
        QStringLiteral("=ROUND(2.675, 2)"),
        QStringLiteral("=ROUND(-2.5, 0)"),
        QStringLiteral("=ROUND(1234, -2)"),
        QStringLiteral("=IF(B1>2, \"ja\", \"nein\")"),
        QStringLiteral("=IF(C1, 1)"),
        QStringLiteral("=AND(B1>1, B2>3)"),
        QStringLiteral("=OR(B1>5, FALSE)"),
        QStringLiteral("=NOW()"),
        QStringLiteral("=TODAY()"),
        QStringLiteral("=TEXT(B1, \"0.000\")"),
        QStringLiteral("=CONCATENATE(B3, \"-\", B1)"),
        QStringLiteral("=ABS(B4)"),
        QStringLiteral("=SQRT(B2)"),
        QStringLiteral("=LN(EXP(2))"),
        QStringLiteral("=LOG10(1000)"),
        QStringLiteral("=PI()"),
        QStringLiteral("=-2^2"),
        QStringLiteral("=1+2*3-4/2"),
        QStringLiteral("=50%"),
        QStringLiteral("=B3&\"!\"&B2"),
        QStringLiteral("=\"a\"=\"A\""),
        QStringLiteral("=B1<B3"),
        QStringLiteral("=sum(b1:b2)"),
        QStringLiteral("=C9"),
    };
    const QStringList expected{
        QStringLiteral("5"),          QStringLiteral("3.25"),
        QStringLiteral("-1.5"),       QStringLiteral("7"),
        QStringLiteral("2.68"),       QStringLiteral("-3"),
        QStringLiteral("1200"),       QStringLiteral("ja"),
        QStringLiteral("FALSE"),      QStringLiteral("TRUE"),
        QStringLiteral("FALSE"),      QStringLiteral("2026-12-10 14:30:00"),
        QStringLiteral("2026-12-10"), QStringLiteral("2.500"),
        QStringLiteral("abc-2.5"),    QStringLiteral("1.5"),
        QStringLiteral("2"),          QStringLiteral("2"),
        QStringLiteral("3"),          QStringLiteral("3.14159265358979"),
        QStringLiteral("4"),          QStringLiteral("5"),
        QStringLiteral("0.5"),        QStringLiteral("abc!4"),
        QStringLiteral("TRUE"),       QStringLiteral("TRUE"),
        QStringLiteral("6.5"),        QStringLiteral("0"),
    };
    EXPECT_EQ(results(formulas), expected);
}

TEST(Formula, ErrorsAreShownByName) {
    const QStringList formulas{
        QStringLiteral("=B1/C1"),    QStringLiteral("=NOSUCH(1)"),      QStringLiteral("=Unbekannt+1"),
        QStringLiteral("=Fehlt!A1"), QStringLiteral("=B3*2"),           QStringLiteral("=SQRT(-1)"),
        QStringLiteral("=LN(0)"),    QStringLiteral("=AVERAGE(C5:C9)"), QStringLiteral("=1+"),
        QStringLiteral("=(1"),       QStringLiteral("=A1+1"),           QStringLiteral("=B1:B2"),
        QStringLiteral("=#REF!+1"),  QStringLiteral("=ROUND(1)"),       QStringLiteral("=EXP(1000)"),
    };
    const QStringList expected{
        QStringLiteral("#DIV/0!"), QStringLiteral("#NAME?"),  QStringLiteral("#NAME?"),
        QStringLiteral("#REF!"),   QStringLiteral("#VALUE!"), QStringLiteral("#NUM!"),
        QStringLiteral("#NUM!"),   QStringLiteral("#DIV/0!"), QStringLiteral("#NAME?"),
        QStringLiteral("#NAME?"),  QStringLiteral("#DIV/0!"), QStringLiteral("#VALUE!"),
        QStringLiteral("#REF!"),   QStringLiteral("#VALUE!"), QStringLiteral("#NUM!"),
    };
    EXPECT_EQ(results(formulas), expected); // A11 passes on A1's error
}

TEST(Formula, FormulasFollowWhatTheyReadWhereverTheyStand) {
    Workbook book;
    book.addSheet(QStringLiteral("Zweite Tabelle")).setText({1, 1}, QStringLiteral("10"));
    book.definedNames()[QStringLiteral("Basis")] = QStringLiteral("Zweite Tabelle!A1");
    Sheet& sheet = book.sheet(0);
    sheet.setFormula({1, 1}, QStringLiteral("=A2*2"), {}); // reads a formula below it
    sheet.setFormula({2, 1}, QStringLiteral("='Zweite Tabelle'!A1+Basis"), {});
    sheet.setFormula({3, 1}, QStringLiteral("=A4+1"), {}); // a circle of two
    sheet.setFormula({4, 1}, QStringLiteral("=A3+1"), {});
    sheet.setFormula({5, 1}, QStringLiteral("=SUM(A1:A5)"), {}); // reads itself
    sheet.setFormula({6, 1}, QStringLiteral("=A1/3"), {});
    CellStyle twoDecimals;
    twoDecimals.numberFormat = QStringLiteral("0.00");
    sheet.setStyle({6, 1}, twoDecimals);
    EXPECT_EQ(FormulaEngine().recalculate(book, fixedNow), 6);
    EXPECT_EQ(sheet.text({1, 1}), QStringLiteral("40"));
    EXPECT_EQ(sheet.text({2, 1}), QStringLiteral("20"));
    EXPECT_EQ(sheet.text({3, 1}), QStringLiteral("#REF!"));
    EXPECT_EQ(sheet.text({4, 1}), QStringLiteral("#REF!"));
    EXPECT_EQ(sheet.text({5, 1}), QStringLiteral("#REF!"));
    EXPECT_EQ(sheet.text({6, 1}), QStringLiteral("13.33"));
    EXPECT_EQ(sheet.formula({6, 1}), QStringLiteral("=A1/3"));
}

TEST(Formula, LongChainsAndDeepNestingStayWithinBounds) {
    Workbook book;
    Sheet& sheet = book.sheet(0);
    sheet.setText({1, 1}, QStringLiteral("0"));
    for (int row = 2; row <= 20000; ++row)
        sheet.setFormula({row, 1}, QStringLiteral("=A%1+1").arg(row - 1), {});
    sheet.setFormula({1, 2}, QString(1000, u'(') + u'1' + QString(1000, u')'), {});
    sheet.setFormula({2, 2}, u'=' + QString(50, u'(') + u'1' + QString(50, u')'), {});
    QString sum = QStringLiteral("=1");
    for (int i = 0; i < 1500; ++i)
        sum += QStringLiteral("+1");
    sheet.setFormula({3, 2}, sum, {});
    sheet.setFormula({4, 2}, QStringLiteral("=") + QString(3000, u'-') + u'1', {});
    FormulaEngine().recalculate(book, fixedNow);
    EXPECT_EQ(sheet.text({20000, 1}), QStringLiteral("19999"));
    EXPECT_EQ(sheet.text({1, 2}), QStringLiteral("#NAME?")); // no "=": tokens, but too deep
    EXPECT_EQ(sheet.text({2, 2}), QStringLiteral("1"));
    EXPECT_EQ(sheet.text({3, 2}), QStringLiteral("1501"));
    EXPECT_EQ(sheet.text({4, 2}), QStringLiteral("#NAME?"));
}

TEST(FormulaTokens, CopiedFormulasMoveTheirRelativeParts) {
    EXPECT_EQ(movedFormula(QStringLiteral("=A1+$B$2+B$3+'Zweite Tabelle'!C3:D4*SUM(x)"), 1, 2),
              QStringLiteral("=C2+$B$2+D$3+'Zweite Tabelle'!E4:F5*SUM(x)"));
    EXPECT_EQ(movedFormula(QStringLiteral("=A2+\"A1\""), -1, 0), QStringLiteral("=A1+\"A1\""));
    EXPECT_EQ(movedFormula(QStringLiteral("=A1*2"), -1, 0), QStringLiteral("=#REF!*2"));
    EXPECT_EQ(movedFormula(QStringLiteral("=LOG10(A1)"), 0, 1), QStringLiteral("=LOG10(B1)"));
    EXPECT_EQ(movedFormula(QStringLiteral("=\"offen"), 1, 1), QStringLiteral("=\"offen")); // left as it is
    const auto tokens = tokenizeFormula(u"Tabelle1!A1:B2 <> 'It''s'!$C$3");
    ASSERT_TRUE(tokens);
    ASSERT_EQ(tokens->size(), 3u);
    EXPECT_EQ(referenceText((*tokens)[0].reference), QStringLiteral("Tabelle1!A1:B2"));
    EXPECT_EQ((*tokens)[1].text, QStringLiteral("<>"));
    EXPECT_EQ(referenceText((*tokens)[2].reference), QStringLiteral("'It''s'!$C$3"));
    const auto beyond = tokenizeFormula(u"A99999999"); // beyond the last row: a name, not a cell
    ASSERT_TRUE(beyond);
    EXPECT_EQ((*beyond)[0].kind, FormulaToken::Kind::Name);
    EXPECT_FALSE(tokenizeFormula(u"1 ~ 2"));
}

TEST(FormulaDocument, EditsRecalculateAndReferencesFollowMovedCells) {
    WorkbookDocument document;
    Workbook book;
    book.addSheet(QStringLiteral("Summen"));
    book.definedNames()[QStringLiteral("Werte")] = QStringLiteral("Tabelle1!A1:A3");
    document.reset(book);
    document.setCellText(0, {1, 1}, QStringLiteral("1"));
    document.setCellText(0, {2, 1}, QStringLiteral("2"));
    document.setCellText(0, {3, 1}, QStringLiteral("=A1+A2"));
    document.setCellText(1, {1, 1}, QStringLiteral("=SUM(Tabelle1!A1:A3)+SUM(Werte)"));
    const auto text = [&](int sheet, CellPos pos) {
        return document.workbook().sheet(sheet).text(pos);
    };
    EXPECT_EQ(text(0, {3, 1}), QStringLiteral("3"));
    EXPECT_EQ(text(1, {1, 1}), QStringLiteral("12"));
    EXPECT_TRUE(document.hasFormulas());

    document.setCellText(0, {1, 1}, QStringLiteral("5"));
    EXPECT_EQ(text(0, {3, 1}), QStringLiteral("7"));
    EXPECT_EQ(text(1, {1, 1}), QStringLiteral("28"));
    document.undoStack().undo();
    EXPECT_EQ(text(1, {1, 1}), QStringLiteral("12"));

    // Two rows inserted above row 2: every reference to row 2 and below follows, on either sheet.
    document.insertRows(0, 2, 2);
    const Sheet& first = document.workbook().sheet(0);
    EXPECT_EQ(first.formula({5, 1}), QStringLiteral("=A1+A4"));
    EXPECT_EQ(document.workbook().sheet(1).formula({1, 1}),
              QStringLiteral("=SUM(Tabelle1!A1:A5)+SUM(Werte)"));
    EXPECT_EQ(document.workbook().definedNames().at(QStringLiteral("Werte")),
              QStringLiteral("Tabelle1!A1:A5"));
    EXPECT_EQ(text(1, {1, 1}), QStringLiteral("12"));
    document.undoStack().undo();
    EXPECT_EQ(first.formula({3, 1}), QStringLiteral("=A1+A2"));
    EXPECT_EQ(document.workbook().definedNames().at(QStringLiteral("Werte")),
              QStringLiteral("Tabelle1!A1:A3"));

    // The row a formula reads is deleted.
    document.deleteRows(0, 1, 1);
    EXPECT_EQ(first.formula({2, 1}), QStringLiteral("=#REF!+A1"));
    EXPECT_EQ(text(0, {2, 1}), QStringLiteral("#REF!"));
    document.undoStack().undo();
    EXPECT_EQ(text(0, {3, 1}), QStringLiteral("3"));

    // Filling down moves the relative references.
    document.setCellText(0, {1, 2}, QStringLiteral("=A1*10"));
    document.fillDown(0, {{1, 2, 3, 2}});
    EXPECT_EQ(first.formula({3, 2}), QStringLiteral("=A3*10"));
    EXPECT_EQ(text(0, {3, 2}), QStringLiteral("30"));
    // Values paste the shown text, not the formula.
    document.paste(0, {10, 2}, copyBlock(first, {3, 2, 3, 2}), PasteKind::Values);
    EXPECT_EQ(first.formula({10, 2}), QString());
    EXPECT_EQ(text(0, {10, 2}), QStringLiteral("30"));
    document.paste(0, {10, 3}, copyBlock(first, {3, 2, 3, 2}), PasteKind::Formulas);
    EXPECT_EQ(first.formula({10, 3}), QStringLiteral("=B10*10"));
}

namespace {

// Every cell's shown text, sheet by sheet, as the differences of two workbooks are best read.
QStringList shownTexts(const Workbook& book) {
    QStringList texts;
    for (int i = 0; i < book.sheetCount(); ++i)
        for (const auto& [pos, cell] : book.sheet(i).cells())
            texts << QStringLiteral("%1!%2=%3").arg(book.sheet(i).name(), cellReference(pos), cell.text);
    return texts;
}

struct Edit {
    const char* name;
    std::function<void()> apply;
};

} // namespace

TEST(FormulaDocument, EachEditComputesWhatItConcernsAsAFullRunWould) {
    Workbook book;
    book.addSheet(QStringLiteral("Summen"));
    book.definedNames()[QStringLiteral("Werte")] = QStringLiteral("Tabelle1!A1:A3");
    Sheet& first = book.sheet(0);
    for (int row = 1; row <= 6; ++row)
        first.setText({row, 1}, QString::number(row));
    first.setFormula({1, 2}, QStringLiteral("=A1*2"), {});
    first.setFormula({2, 2}, QStringLiteral("=B1+A2"), {});
    first.setFormula({3, 2}, QStringLiteral("=B2/A3"), {});
    first.setFormula({4, 2}, QStringLiteral("=B5+C9"), {}); // a circle that also reads a plain cell
    first.setFormula({5, 2}, QStringLiteral("=B4+1"), {});
    first.setFormula({6, 2}, QStringLiteral("=IF(A6>3, B4, 0)"), {}); // behind the circle
    first.setFormula({1, 4}, QStringLiteral("=Summen!A1+1"), {});
    Sheet& second = book.sheet(1);
    second.setFormula({1, 1}, QStringLiteral("=SUM(Werte)+SUM(Tabelle1!B1:B3)"), {});
    second.setFormula({2, 1}, QStringLiteral("=CONCATENATE(Tabelle1!A6, \"-\", A1)"), {});
    WorkbookDocument document;
    document.reset(book);

    const auto expectAsFullRun = [&](const char* edit) {
        Workbook full = document.workbook();
        FormulaEngine().recalculate(full);
        EXPECT_EQ(shownTexts(document.workbook()), shownTexts(full)) << edit;
    };
    const auto all = [](int row, int column, int bottom, int right) {
        return std::vector<CellRange>{{row, column, bottom, right}};
    };
    const Edit edits[] = {
        {"a number the chain reads",
         [&] {
             document.setCellText(0, {1, 1}, QStringLiteral("10"));
         }},
        {"a number the circle reads",
         [&] {
             document.setCellText(0, {9, 3}, QStringLiteral("4"));
         }},
        {"a number read through a name",
         [&] {
             document.setCellText(0, {3, 1}, QStringLiteral("0"));
         }},
        {"a new formula",
         [&] {
             document.setCellText(0, {7, 1}, QStringLiteral("=B3*2"));
         }},
        {"a number format on a formula",
         [&] {
             document.changeStyle(0, all(3, 2, 3, 2),
                                  [](CellStyle& style) { style.numberFormat = QStringLiteral("0.000"); }, {});
         }},
        {"cleared contents",
         [&] {
             document.clear(0, all(1, 1, 2, 1), ClearKind::Contents);
         }},
        {"a pasted block",
         [&] {
             document.paste(1, {1, 1}, copyBlock(document.workbook().sheet(0), {1, 1, 3, 1}));
         }},
        {"a sorted range",
         [&] {
             document.sort(0, {1, 1, 6, 1}, SortOrder{{{1, false}}, true});
         }},
        {"a text on the other sheet",
         [&] {
             document.setCellText(1, {1, 1}, QStringLiteral("7"));
         }},
        {"replaced numbers",
         [&] {
             document.replaceAll(0, FindOptions{QStringLiteral("5")}, QStringLiteral("50"));
         }},
    };
    for (const Edit& edit : edits) {
        edit.apply();
        expectAsFullRun(edit.name);
    }
    for (const Edit& edit : edits) {
        document.undoStack().undo();
        expectAsFullRun(edit.name);
    }
    document.undoStack().setIndex(document.undoStack().count()); // all redone at once
    expectAsFullRun("all redone");
}

TEST(FormulaDocument, AnEditLeavesTheFormulasItDoesNotConcernAlone) {
    WorkbookDocument document;
    document.setCellText(0, {1, 1}, QStringLiteral("1"));
    document.setCellText(0, {1, 2}, QStringLiteral("=A1+1"));
    document.setCellText(0, {2, 2}, QStringLiteral("=A2+1"));
    Sheet& sheet = document.unrecordedWorkbook().sheet(0);
    // Results made stale behind the engine's back show which formulas an edit computes.
    sheet.setFormula({1, 2}, QStringLiteral("=A1+1"), QStringLiteral("alt"));
    sheet.setFormula({2, 2}, QStringLiteral("=A2+1"), QStringLiteral("alt"));
    document.setCellText(0, {1, 1}, QStringLiteral("5"));
    EXPECT_EQ(sheet.text({1, 2}), QStringLiteral("6"));
    EXPECT_EQ(sheet.text({2, 2}), QStringLiteral("alt"));
    document.recalculate();
    EXPECT_EQ(sheet.text({2, 2}), QStringLiteral("1"));

    // A program filling a cell: what reads it follows, and the document says so.
    QSignalSpy changed(&document, &WorkbookDocument::changed);
    document.setUnrecordedText(0, {2, 1}, QStringLiteral("41"));
    EXPECT_EQ(sheet.text({2, 2}), QStringLiteral("42"));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(document.undoStack().count(), 4);
}

TEST(FormulaEngine, TheClockMovesOnInEveryRunAndCirclesStayBroken) {
    Workbook book;
    Sheet& sheet = book.sheet(0);
    sheet.setFormula({1, 1}, QStringLiteral("=NOW()"), {});
    sheet.setFormula({2, 1}, QStringLiteral("=A1+1"), {});
    sheet.setFormula({3, 1}, QStringLiteral("=A3+B1"), {});
    FormulaEngine engine;
    engine.recalculate(book, 100.0);
    EXPECT_EQ(sheet.text({2, 1}), QStringLiteral("101"));
    EXPECT_EQ(engine.recalculateChanged(book, {}, 200.0), 3);
    EXPECT_EQ(sheet.text({2, 1}), QStringLiteral("201"));
    sheet.setText({1, 2}, QStringLiteral("1"));
    engine.recalculateChanged(book, {{0, CellRange::single({1, 2})}}, 200.0);
    EXPECT_EQ(sheet.text({3, 1}), QStringLiteral("#REF!"));
    // A formula removed behind a changed range: every formula is computed again.
    sheet.setText({3, 1}, QStringLiteral("7"));
    sheet.setFormula({2, 1}, QStringLiteral("=A3*2"), QStringLiteral("alt"));
    EXPECT_EQ(engine.recalculateChanged(book, {{0, CellRange::single({3, 1})}}, 200.0), 2);
    EXPECT_EQ(sheet.text({2, 1}), QStringLiteral("14"));
    // Another workbook than the last run's.
    Workbook other = book;
    other.sheet(0).setFormula({2, 1}, QStringLiteral("=A3*3"), QStringLiteral("alt"));
    engine.recalculateChanged(other, {}, 200.0);
    EXPECT_EQ(other.sheet(0).text({2, 1}), QStringLiteral("21"));
}
