#include "sheet/formats/TextFormat.h"

#include "common/DelimitedText.h"
#include "common/TextCodec.h"
#include "sheet/model/SheetError.h"

namespace velmora::sheet {

QByteArray writeText(const Workbook& workbook) {
    const Sheet& sheet = workbook.sheet(0);
    const CellRange used = sheet.usedRange();
    QString text;
    for (int row = 1; row <= used.bottom; ++row) {
        QStringList fields;
        for (int column = 1; column <= used.right; ++column)
            fields << quoteDelimited(sheet.text({row, column}), u'\t');
        while (!fields.isEmpty() && fields.back().isEmpty())
            fields.removeLast();
        text += fields.join(u'\t') + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

Workbook readText(const QByteArray& content) {
    Workbook workbook;
    Sheet& sheet = workbook.sheet(0);
    std::vector<QStringList> records;
    try {
        records = splitDelimited(decodeTextFile(content), u'\t', {maxRows, maxColumns, maxCells});
    } catch (const DelimitedLimitError& error) {
        switch (error.limit) {
        case DelimitedLimitError::Limit::Records:
            throw SheetError(QStringLiteral("Die Textdatei hat mehr als %1 Zeilen.").arg(maxRows));
        case DelimitedLimitError::Limit::FieldsPerRecord:
            throw SheetError(
                QStringLiteral("Eine Zeile der Textdatei hat mehr als %1 Spalten.").arg(maxColumns));
        case DelimitedLimitError::Limit::FilledFields:
            throw SheetError(QStringLiteral("Die Textdatei hat mehr als %1 gefüllte Zellen.").arg(maxCells));
        }
    }
    for (std::size_t row = 0; row < records.size(); ++row) {
        for (qsizetype column = 0; column < records[row].size(); ++column)
            sheet.setText({int(row) + 1, int(column) + 1}, records[row][column]);
    }
    return workbook;
}

} // namespace velmora::sheet
