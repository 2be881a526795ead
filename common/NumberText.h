#pragma once

#include <optional>
#include <QLocale>
#include <QString>

namespace velmora {

/// Reads a number from text typed by a user or found in a sheet cell, repairing it instead of rejecting
/// it: a "," that does not fit is read as ".", any other character that does not fit is deleted, and
/// the text is parsed again. After 200 parses the result is 0. Empty is returned for a text that is
/// empty or that the repairs reduce to nothing, and for a value out of the double range.
std::optional<double> readNumber(const QString& text);

/// readNumber with whole-number syntax (no decimal point, no exponent); 32-bit range.
std::optional<int> readInteger(const QString& text);

/// Fixed point with three decimals and "." whatever the locale: 7.5 gives "7.500".
QString formatNumber(double value);

/// Formats with a digit pattern such as "#0.00", "#.###" or "#,##0.00": "0" is a required digit, "#"
/// an optional one, "," groups thousands; decimal and group separators are the locale's.
QString formatPattern(double value, QStringView pattern, const QLocale& locale = QLocale());

} // namespace velmora
