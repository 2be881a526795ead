#include "windows/SheetTemplates.h"

#include "common/NumberText.h"
#include "sheet/formats/FileCode.h"
#include "sheet/formats/WorkbookFile.h"
#include "sheet/model/SheetError.h"
#include "windows/ResultRecord.h"
#include "windows/WindowType.h"

namespace velmora {

std::optional<int> markerNumber(const QString& cellText) {
    if (cellText.size() < 5 || cellText[0] != u'*' || cellText[4] != u'*')
        return std::nullopt;
    return readInteger(cellText);
}

void fillMarkers(sheet::Workbook& workbook, const ResultRecord& record) {
    if (workbook.sheetCount() == 0)
        return;
    sheet::Sheet& sheet = workbook.sheet(0);
    for (int row = 1; row <= markerRows; ++row) {
        for (int column = 1; column <= markerColumns; ++column) {
            const QString text = sheet.text({row, column});
            if (text.isEmpty())
                continue;
            if (const std::optional<QString> value = record.markerText(text))
                sheet.setText({row, column}, *value);
        }
    }
}

sheet::Workbook filledTemplate(const QString& programDirectory, const ResultRecord& record) {
    const QString file = QString::fromUtf16(record.type().templateFile);
    int code = 0;
    sheet::Workbook workbook;
    try {
        workbook =
            sheet::readWorkbookFile(programDirectory + QString::fromUtf16(templateDirectory) + file, code);
    } catch (const sheet::SheetError&) {
        throw TemplateError(
            QStringLiteral("Die erforderliche Vorlagendatei \"%1\" konnte nicht gefunden werden!\r\n"
                           "Bitte stellen Sie sicher, daß sie sich im Verzeichnis %2Vorlagen befindet!")
                .arg(file, programDirectory));
    }
    if (code != sheet::NativeCode)
        throw TemplateError(
            QStringLiteral("Die Vorlagendatei \"%1\" ist ungültig!\r\n\r\nBitte erstellen Sie mit Hilfe des "
                           "Formular-Designers eine gültige Vorlage unter dem Namen \"%1\"\r\nund kopieren "
                           "Sie diese in das Verzeichnis %2Vorlagen.\r\n\r\nEin Beispiel für eine "
                           "Vorlagendatei finden Sie auch im Verzeichnis \"Vorlagen\" der Velmora "
                           "Installations-CD.")
                .arg(file, programDirectory));
    fillMarkers(workbook, record);
    return workbook;
}

} // namespace velmora
