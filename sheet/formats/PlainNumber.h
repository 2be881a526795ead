#pragma once

#include <optional>
#include <QString>

namespace velmora::sheet {

/// A cell text that a spreadsheet shows unchanged as a number with `decimals` decimals, so that the
/// spreadsheet writers store it as a number.
struct PlainNumber {
    double value;
    int decimals;
};

/// The number of a text such as "12.500" or "-3"; none for texts a spreadsheet would show otherwise
/// ("007", "-0.0", "1e5", more than 15 digits).
std::optional<PlainNumber> plainNumber(const QString& text);

/// The number format that shows `decimals` decimals: "0.000"; empty (General) for none.
QString decimalFormat(int decimals);

} // namespace velmora::sheet
