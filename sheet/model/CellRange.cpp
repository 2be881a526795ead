#include "sheet/model/CellRange.h"

namespace velmora::sheet {

namespace {

// Column letters then row digits, each optionally behind "$"; returns false unless the whole text fits.
bool parseCell(QStringView text, CellPos& pos) {
    qsizetype i = 0;
    if (i < text.size() && text[i] == u'$')
        ++i;
    long long column = 0;
    const qsizetype lettersStart = i;
    while (i < text.size() && text[i].toUpper() >= u'A' && text[i].toUpper() <= u'Z' && column < 1'000'000)
        column = column * 26 + (text[i++].toUpper().unicode() - u'A' + 1);
    if (i == lettersStart)
        return false;
    if (i < text.size() && text[i] == u'$')
        ++i;
    long long row = 0;
    const qsizetype digitsStart = i;
    while (i < text.size() && text[i].isDigit() && row < 100'000'000)
        row = row * 10 + text[i++].digitValue();
    if (i == digitsStart || i != text.size() || row < 1 || column > 1'000'000 || row >= 100'000'000)
        return false;
    pos = {int(row), int(column)};
    return true;
}

} // namespace

QString columnName(int column) {
    QString name;
    for (int n = column; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(u'A' + (n - 1) % 26));
    return name;
}

QString cellReference(CellPos pos) {
    return columnName(pos.column) + QString::number(pos.row);
}

QString rangeReference(const CellRange& range) {
    const QString topLeft = cellReference({range.top, range.left});
    if (range.rowCount() == 1 && range.columnCount() == 1)
        return topLeft;
    return topLeft + u':' + cellReference({range.bottom, range.right});
}

bool parseRangeReference(QStringView text, CellRange& range) {
    const qsizetype colon = text.indexOf(u':');
    CellPos first;
    CellPos second;
    if (colon < 0) {
        if (!parseCell(text, first))
            return false;
        second = first;
    } else if (!parseCell(text.left(colon), first) || !parseCell(text.mid(colon + 1), second)) {
        return false;
    }
    range = {std::min(first.row, second.row), std::min(first.column, second.column),
             std::max(first.row, second.row), std::max(first.column, second.column)};
    return true;
}

// "Bericht!$B$2:$B$3", "'Zweite Tabelle'!$A$1" or "$Bericht.$B$2:.$B$3" as "Bericht!B2:B3"; empty
// for an expression that is no range of a sheet.
QString sheetRangeReference(QString expression) {
    expression.remove(u'$');
    qsizetype separator = expression.lastIndexOf(u'!');
    if (separator < 0) {
        // The OpenDocument form names the sheet before a dot, again at the range's end.
        const qsizetype colon = expression.indexOf(QStringLiteral(":."));
        if (colon >= 0)
            expression.remove(colon + 1, 1);
        separator = expression.lastIndexOf(u'.');
    }
    if (separator <= 0)
        return {};
    QString sheet = expression.left(separator);
    if (sheet.size() >= 2 && sheet.startsWith(u'\'') && sheet.endsWith(u'\''))
        sheet = sheet.mid(1, sheet.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
    CellRange range;
    if (!parseRangeReference(QStringView(expression).mid(separator + 1), range))
        return {};
    return sheet + u'!' + rangeReference(range);
}

std::optional<std::pair<QString, CellRange>> splitSheetRange(const QString& reference) {
    const qsizetype bang = reference.lastIndexOf(u'!');
    CellRange range;
    if (bang <= 0 || !parseRangeReference(QStringView(reference).mid(bang + 1), range))
        return std::nullopt;
    return std::pair(reference.left(bang), range);
}

} // namespace velmora::sheet
