#include "treatment/SectionTable.h"

namespace velmora {

SectionTable SectionTable::initial() {
    SectionTable table;
    const char* const initialRows[rows][columns] = {
        {"", "A", "B", "C", "D", "E", "F", "Ges"},
        {"v / (m/h)", "30", "-- --", "85", "-- --", "2700", "900", ""},
        {"h / mm", "1500", "", "4000", "", "-- --", "500", ""},
        {"d / mm", "", "-- --", "", "-- --", "", "", ""},
        {"V / m3", "", "", "", "", "-- --", "", ""},
        {"t / min", "", "", "", "", "", "", ""},
    };
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            table.setText(row, column, QString::fromLatin1(initialRows[row][column]));
    return table;
}

double SectionTable::value(int row, int column) const {
    return leadingNumber(text(row, column));
}

void SectionTable::setValue(int row, int column, double value) {
    setText(row, column, QString::number(value, 'f', 2));
}

double leadingNumber(const QString& text) {
    // Sign, digits, one point and its digits: the longest start of that shape.
    qsizetype end = 0;
    if (end < text.size() && (text[end] == u'-' || text[end] == u'+'))
        ++end;
    while (end < text.size() && text[end].isDigit())
        ++end;
    if (end < text.size() && text[end] == u'.')
        for (++end; end < text.size() && text[end].isDigit();)
            ++end;
    bool ok = false;
    const double value = text.left(end).toDouble(&ok);
    return ok ? value : 0.0;
}

} // namespace velmora
