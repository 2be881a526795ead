#include "app/AnalysisImport.h"

#include "common/NumberText.h"
#include "common/Units.h"
#include "sheet/formats/WorkbookFile.h"
#include "sheet/model/SheetError.h"
#include "sheet/model/Workbook.h"

#include <QLocale>

namespace velmora {

const std::array<ImportQuantity, 22> importQuantities = {{
    {1, u"Analyse"}, {2, u"Bearbeiter"}, {4, u"Anmerkung1"}, {5, u"Anmerkung2"}, {6, u"pHe"},
    {7, u"KS43"},    {8, u"KB82"},       {9, u"DIC"},        {10, u"mWert"},     {11, u"tpHe"},
    {12, u"tKS43"},  {13, u"tKB82"},     {14, u"tb"},        {15, u"SIe"},       {16, u"k25"},
    {18, u"cCa"},    {19, u"cMg"},       {20, u"cNa"},       {21, u"cK"},        {22, u"cSO4"},
    {23, u"cNO3"},   {24, u"cCl"},
}};

namespace {

constexpr int templateRows = 120;
constexpr int templateColumns = 20;
constexpr int firstMassMarker = 25;
constexpr int lastMassMarker = 31;
constexpr int massToAmount = firstMassMarker - 18;
constexpr int lastTextMarker = 5;
constexpr qsizetype maxNumberTextLength = 80;

const QString accessMessage = QStringLiteral(
    "Bitte stellen Sie sicher, daß diese Datei gültige Daten enthält und in keinem anderen Programm geöffnet "
    "ist!");

std::optional<std::size_t> slotOf(int number) {
    for (std::size_t i = 0; i < importQuantities.size(); ++i)
        if (importQuantities[i].number == number)
            return i;
    return std::nullopt;
}

// A mass concentration as the amount of substance the dialog's field holds; nothing for a text that is
// no number.
std::optional<QString> amountOfMass(const QString& text, int ion) {
    const std::optional<double> mass = readNumber(text);
    if (!mass)
        return std::nullopt;
    QString amount = QString::number(*mass / units::molarMasses[ion], 'g', 15);
    return amount.replace(u'.', QLocale().decimalPoint());
}

} // namespace

bool isImportMarker(const QString& text) {
    return text.size() >= 5 && text[0] == u'*' && text[4] == u'*';
}

bool takeImportValues(const sheet::Workbook& workbook, const sheet::Workbook& importTemplate,
                      ImportValues& values) {
    if (workbook.sheetCount() == 0 || importTemplate.sheetCount() == 0)
        return false;
    const sheet::Sheet& marks = importTemplate.sheet(0);
    const sheet::Sheet& cells = workbook.sheet(0);
    for (int row = 1; row <= templateRows; ++row) {
        for (int column = 1; column <= templateColumns; ++column) {
            const QString mark = marks.text({row, column});
            if (!isImportMarker(mark))
                continue;
            const int number = readInteger(mark).value_or(0);
            const QString text = cells.text({row, column});
            if (number >= firstMassMarker && number <= lastMassMarker) {
                const int ion = number - firstMassMarker;
                if (const std::optional<QString> amount = amountOfMass(text, ion))
                    values[*slotOf(number - massToAmount)] = *amount;
            } else if (const std::optional<std::size_t> slot = slotOf(number)) {
                values[*slot] = number <= lastTextMarker ? text : text.left(maxNumberTextLength);
            }
        }
    }
    return true;
}

std::optional<ImportFailure> importAnalysisFile(const QString& workbookPath, const QString& templatePath,
                                                ImportValues& values) {
    int code = 0;
    sheet::Workbook workbook;
    try {
        workbook = sheet::readWorkbookFile(workbookPath, code);
    } catch (const sheet::SheetError&) {
        return ImportFailure{false, QStringLiteral("Auf die zu importierende Datenquelle konnte nicht "
                                                   "zugegriffen werden.\r\n") +
                                        accessMessage};
    }
    sheet::Workbook importTemplate;
    try {
        importTemplate = sheet::readWorkbookFile(templatePath, code);
    } catch (const sheet::SheetError&) {
        return ImportFailure{false,
                             QStringLiteral("Auf die Importvorlage %1 konnte nicht zugegriffen "
                                            "werden.\r\n%2\r\n\r\nHinweise zur Erstellung von Vorlagen "
                                            "finden Sie in der Programmdokumentation")
                                 .arg(templatePath, accessMessage)};
    }
    if (!takeImportValues(workbook, importTemplate, values))
        return ImportFailure{true, QStringLiteral("Das zu importierende Dokument enthält ungültige Daten!")};
    return std::nullopt;
}

std::vector<std::pair<QString, QString>> importedFieldTexts(const ImportValues& values) {
    std::vector<std::pair<QString, QString>> texts;
    for (std::size_t i = 0; i < importQuantities.size(); ++i)
        texts.emplace_back(QString::fromUtf16(importQuantities[i].field), values[i]);
    return texts;
}

QString importTemplatePath(const QString& programDirectory) {
    return programDirectory + QStringLiteral("Vorlagen/ExcelImport.xls");
}

} // namespace velmora
