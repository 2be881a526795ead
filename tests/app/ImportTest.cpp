#include "app/AnalysisImport.h"
#include "app/THauptfenster.h"
#include "engine/Engine.h"
#include "MainWindowFixture.h"
#include "sheet/formats/FileCode.h"
#include "sheet/formats/WorkbookFile.h"
#include "sheet/model/Workbook.h"
#include "windows/TEingabeform.h"
#include "windows/TMDIChild.h"

#include <gtest/gtest.h>
#include <map>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace velmora;

namespace {

// Two one-sheet workbooks: the template's markers and the laboratory's texts at the same cells.
struct ImportSheets {
    sheet::Workbook marks;
    sheet::Workbook cells;

    void put(int row, int column, const QString& mark, const QString& text) {
        marks.sheet(0).setText({row, column}, mark);
        cells.sheet(0).setText({row, column}, text);
    }
};

QString valueOf(const ImportValues& values, QStringView field) {
    for (std::size_t i = 0; i < importQuantities.size(); ++i)
        if (field == QStringView(importQuantities[i].field))
            return values[i];
    return QStringLiteral("(kein Feld)");
}

} // namespace

TEST(AnalysisImportTest, MarkersNameTheQuantityOfTheSameCell) {
    ImportSheets sheets;
    sheets.put(1, 1, QStringLiteral("*001*"), QStringLiteral("Brunnen 3"));
    sheets.put(2, 1, QStringLiteral("*018*"), QStringLiteral("2,5"));
    sheets.put(3, 1, QStringLiteral("*026*"), QStringLiteral("100"));
    // "*" first and fifth, whatever stands between: the tolerant parser reads the number.
    sheets.put(4, 1, QStringLiteral("*15 * SI"), QStringLiteral("-0,2"));
    sheets.put(5, 1, QStringLiteral("*18"), QStringLiteral("9"));       // no marker: fifth is no "*"
    sheets.put(6, 1, QStringLiteral("*003*"), QStringLiteral("heute")); // the date is not imported
    sheets.put(7, 1, QStringLiteral("*011*"), QString(100, u'1'));
    sheets.put(8, 1, QStringLiteral("*004*"), QString(100, u'b'));
    sheets.put(121, 1, QStringLiteral("*006*"), QStringLiteral("7"));    // below the 120 rows
    sheets.put(1, 21, QStringLiteral("*007*"), QStringLiteral("3"));     // right of the 20 columns
    sheets.put(120, 20, QStringLiteral("*016*"), QStringLiteral("560")); // the last cell that counts

    ImportValues values;
    values[4] = QStringLiteral("vorher"); // pHe of an import before
    ASSERT_TRUE(takeImportValues(sheets.cells, sheets.marks, values));
    EXPECT_EQ(valueOf(values, u"Analyse"), QStringLiteral("Brunnen 3"));
    EXPECT_EQ(valueOf(values, u"cCa"), QStringLiteral("2,5"));
    EXPECT_EQ(valueOf(values, u"cMg"), QStringLiteral("4,11353352529823")); // 100 / 24.31, German
    EXPECT_EQ(valueOf(values, u"SIe"), QStringLiteral("-0,2"));
    EXPECT_EQ(valueOf(values, u"tpHe"), QString(80, u'1'));
    EXPECT_EQ(valueOf(values, u"Anmerkung1"), QString(100, u'b'));
    EXPECT_EQ(valueOf(values, u"pHe"), QStringLiteral("vorher"));
    EXPECT_EQ(valueOf(values, u"KS43"), QString());
    EXPECT_EQ(valueOf(values, u"k25"), QStringLiteral("560"));
    EXPECT_FALSE(isImportMarker(QStringLiteral("*18")));
    EXPECT_TRUE(isImportMarker(QStringLiteral("*018*")));
}

TEST(AnalysisImportTest, AMassThatIsNoNumberLeavesTheIonAsItWas) {
    ImportSheets sheets;
    sheets.put(1, 1, QStringLiteral("*025*"), QStringLiteral("n. b."));
    sheets.put(1, 2, QStringLiteral("*031*"), QStringLiteral("35,45"));
    ImportValues values;
    values[15] = QStringLiteral("1,5"); // cCa of the import before
    ASSERT_TRUE(takeImportValues(sheets.cells, sheets.marks, values));
    EXPECT_EQ(valueOf(values, u"cCa"), QStringLiteral("1,5"));
    EXPECT_EQ(valueOf(values, u"cCl"), QStringLiteral("1"));
}

TEST(AnalysisImportTest, WorkbooksWithoutASheetAreInvalidData) {
    sheet::Workbook none;
    none.sheets().clear();
    ImportValues values;
    EXPECT_FALSE(takeImportValues(none, sheet::Workbook(), values));
    EXPECT_FALSE(takeImportValues(sheet::Workbook(), none, values));
}

namespace {

class ImportTest : public test::ShownMainWindowFixture {
protected:
    TEingabeform& dialog() const { return window->analysisDialog(); }

    // "&Importieren" by its key, the file chosen in its dialog.
    void importFile(const QString& path) {
        dialogs.openFileAnswers = {path};
        QTest::keyClick(window.get(), Qt::Key_I, Qt::ControlModifier);
    }

    std::map<QString, QString> fieldTexts() const {
        std::map<QString, QString> texts;
        for (const QLineEdit* edit : dialog().findChildren<QLineEdit*>())
            if (!edit->objectName().isEmpty() && !edit->objectName().startsWith(u"qt_"))
                texts[edit->objectName()] = edit->text();
        return texts;
    }

    static QString example(const QString& extension) {
        return QStringLiteral(VELMORA_SOURCE_DIR "/examples/Laboranalyse.") + extension;
    }

    QString templatePath() const { return importTemplatePath(program.path()); }
};

const std::map<QString, QString> exampleTexts = {
    {QStringLiteral("Analyse"), QStringLiteral("Brunnen 3 Rohwasser")},
    {QStringLiteral("Bearbeiter"), QStringLiteral("M. Albers")},
    {QStringLiteral("Anmerkung1"), QStringLiteral("Probenahme am Brunnenkopf, 02.12.2026")},
    {QStringLiteral("Anmerkung2"), QStringLiteral("Prüfbericht 2026-1187")},
    {QStringLiteral("pHe"), QStringLiteral("7.42")},
    {QStringLiteral("KS43"), QStringLiteral("3.12")},
    {QStringLiteral("KB82"), QStringLiteral("0.11")},
    {QStringLiteral("DIC"), QStringLiteral("3.24")},
    {QStringLiteral("mWert"), QStringLiteral("3.12")},
    {QStringLiteral("tpHe"), QStringLiteral("11.3")},
    {QStringLiteral("tKS43"), QStringLiteral("20.0")},
    {QStringLiteral("tKB82"), QStringLiteral("20.0")},
    {QStringLiteral("tb"), QStringLiteral("10")},
    {QStringLiteral("SIe"), QStringLiteral("0")},
    {QStringLiteral("k25"), QStringLiteral("560")},
    // The masses stand after the amounts in the template, so the ions are the masses divided; the
    // dialog's update then writes both columns with three decimals.
    {QStringLiteral("cCa"), QStringLiteral("2.250")},
    {QStringLiteral("rCa"), QStringLiteral("90.200")},
    {QStringLiteral("cMg"), QStringLiteral("0.510")},
    {QStringLiteral("rMg"), QStringLiteral("12.400")},
    {QStringLiteral("cNa"), QStringLiteral("0.796")},
    {QStringLiteral("rNa"), QStringLiteral("18.300")},
    {QStringLiteral("cK"), QStringLiteral("0.054")},
    {QStringLiteral("rK"), QStringLiteral("2.100")},
    {QStringLiteral("cSO4"), QStringLiteral("1.000")},
    {QStringLiteral("rSO4"), QStringLiteral("96.100")},
    {QStringLiteral("cNO3"), QStringLiteral("0.195")},
    {QStringLiteral("rNO3"), QStringLiteral("12.100")},
    {QStringLiteral("cCl"), QStringLiteral("1.128")},
    {QStringLiteral("rCl"), QStringLiteral("40.000")},
};

} // namespace

TEST_F(ImportTest, TheShippedTemplateFillsTheDialogFromTheExampleWorkbook) {
    importFile(example(QStringLiteral("xls")));
    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(
        dialogs.fileDialogs[0],
        QStringLiteral("Datei auswählen|%1|Tabellen (*.xls *.xlsx *.ods)").arg(window->directories().data));
    ASSERT_TRUE(dialog().isVisible());
    EXPECT_EQ(dialog().windowTitle(), QStringLiteral("Import der Wasserkenndaten aus Laboranalyse.xls"));
    EXPECT_TRUE(dialogs.messages.empty());
    std::map<QString, QString> texts = fieldTexts();
    for (const auto& [field, text] : exampleTexts)
        EXPECT_EQ(texts[field], text) << field.toStdString();

    // The user checks and computes as for an entry by hand.
    QTest::mouseClick(dialog().findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_FALSE(window->importPending());
    ASSERT_NE(window->activeResultWindow(), nullptr);
    EXPECT_EQ(window->activeResultWindow()->caption(), QStringLiteral("Brunnen 3 Rohwasser"));
    // What the dialog shows is what is computed.
    EXPECT_DOUBLE_EQ(engine.water.caTotal, 2.250 / 1000);
    EXPECT_EQ(engine.water.siTarget, 0.0);
}

TEST_F(ImportTest, TheSameSheetAsXlsXlsxAndOdsGivesTheSameDialog) {
    std::map<QString, QString> first;
    for (const QString& extension : {QStringLiteral("xls"), QStringLiteral("xlsx"), QStringLiteral("ods")}) {
        // Every import starts from a dialog the one before did not fill.
        for (QLineEdit* edit : dialog().findChildren<QLineEdit*>())
            edit->setText(QStringLiteral("x"));
        window->importAnalysisFile(example(extension), templatePath());
        ASSERT_TRUE(dialog().isVisible()) << extension.toStdString();
        const std::map<QString, QString> texts = fieldTexts();
        if (first.empty())
            first = texts;
        EXPECT_EQ(texts, first) << extension.toStdString();
        dialog().reject();
    }
}

TEST_F(ImportTest, CancellingTheFileDialogChangesNothing) {
    const std::map<QString, QString> before = fieldTexts();
    QTest::keyClick(window.get(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_FALSE(window->importPending());
    EXPECT_EQ(fieldTexts(), before);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ImportTest, AFileThatCannotBeReadIsToldAndClosesTheDialog) {
    importFile(dataFile(QStringLiteral("labor.xls"), "keine Arbeitsmappe"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, DialogSeam::Icon::Warning);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral(
                  "Auf die zu importierende Datenquelle konnte nicht zugegriffen werden.\r\nBitte stellen "
                  "Sie sicher, daß diese Datei gültige Daten enthält und in keinem anderen Programm "
                  "geöffnet ist!"));
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_FALSE(window->importPending());
}

TEST_F(ImportTest, AMissingTemplateIsToldWithItsPath) {
    ASSERT_TRUE(QFile::remove(templatePath()));
    importFile(example(QStringLiteral("ods")));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, DialogSeam::Icon::Warning);
    EXPECT_EQ(
        dialogs.messages[0].text,
        QStringLiteral("Auf die Importvorlage %1Vorlagen/ExcelImport.xls konnte nicht zugegriffen "
                       "werden.\r\nBitte stellen Sie sicher, daß diese Datei gültige Daten enthält und in "
                       "keinem anderen Programm geöffnet ist!\r\n\r\nHinweise zur Erstellung von Vorlagen "
                       "finden Sie in der Programmdokumentation")
            .arg(program.path()));
    EXPECT_FALSE(dialog().isVisible());
}

TEST_F(ImportTest, QuantitiesTheTemplateDoesNotMarkKeepThePreviousImport) {
    importFile(example(QStringLiteral("xlsx")));
    dialog().reject();
    // A template of the laboratory's newer sheet marks the pH only, in another cell.
    sheet::Workbook marks;
    marks.sheet(0).setText({2, 2}, QStringLiteral("*006*"));
    sheet::writeWorkbookFile(marks, templatePath(), sheet::Excel97Code);
    sheet::Workbook newer;
    newer.sheet(0).setText({2, 2}, QStringLiteral("8,1"));
    const QString newerPath = data.filePath(QStringLiteral("neuer.xlsx"));
    sheet::writeWorkbookFile(newer, newerPath, sheet::XlsxCode);
    importFile(newerPath);
    ASSERT_TRUE(dialog().isVisible());
    std::map<QString, QString> expected = exampleTexts;
    expected[QStringLiteral("pHe")] = QStringLiteral("8,1");
    std::map<QString, QString> texts = fieldTexts();
    for (const auto& [field, text] : expected)
        EXPECT_EQ(texts[field], text) << field.toStdString();
    EXPECT_EQ(dialog().windowTitle(), QStringLiteral("Import der Wasserkenndaten aus neuer.xlsx"));
}
