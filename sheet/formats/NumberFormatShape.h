#pragma once

#include <QString>

namespace velmora::sheet {

/// What a spreadsheet number format makes of a number, as far as the cell text read from a file needs
/// it: a fixed count of decimals ("0.000"), a date, a time, both, or anything else, which is written as
/// a general number.
struct NumberFormatShape {
    enum class Kind { General, Decimals, Date, Time, DateTime };
    Kind kind = Kind::General;
    int decimals = 0;

    bool operator==(const NumberFormatShape&) const = default;
};

/// The shape of a format code such as "0.000", "DD.MM.YYYY" or "[h]:mm:ss".
NumberFormatShape shapeOfFormat(const QString& code);
/// The shape of a built-in format the file names by index only.
NumberFormatShape shapeOfBuiltInFormat(int index);

/// The text of a number: decimals as the format fixes them, dates as "2026-12-09", times as "14:05:00",
/// both as "2026-12-09 14:05:00", otherwise up to 15 significant digits. Dates count days from the
/// workbook's epoch (1900, or 1904 for workbooks from older Macintosh programs).
QString numberText(double value, NumberFormatShape shape, bool epoch1904);

} // namespace velmora::sheet
