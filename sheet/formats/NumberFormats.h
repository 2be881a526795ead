#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace velmora::sheet {

/// The categories of number formats the designer offers, each under its own button.
enum class NumberCategory { FixedAndGeneral, Currency, Percent, Fraction, DateAndTime };

/// The format codes of a category (spreadsheet notation: "." decimals, "," thousands, quoted literals).
QStringList numberFormatsOf(NumberCategory category);

/// The value the list of a category shows each format with; dates and times show `now`.
double sampleValueOf(NumberCategory category, double now);

/// A number as a format code writes it: digits ("0" required, "#" optional) with decimals, thousands
/// separators, a percent sign, a fraction ("# ?/?", "# ??/??"), a quoted literal such as the currency, or a
/// date and time (DD, D, MM, MMM, MMMM, YY, YYYY, hh, h, mm, ss; "mm" after an hour is minutes) of a serial
/// day; separators and names are the locale's. "General" is the number's general text; a code with parts
/// in brackets or of any other kind is shown as the file readers show it (NumberFormatShape).
QString formatWithCode(double value, const QString& code, const QLocale& locale);

} // namespace velmora::sheet
