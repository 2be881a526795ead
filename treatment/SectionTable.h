#pragma once

#include <array>
#include <QString>

namespace velmora {

/// The design of a rapid-decarbonisation vessel as one table of texts: row 0 the section letters, rows 1
/// to 5 velocity (m/h), height (mm), diameter (mm), volume (m³) and residence time (min); column 0 the row
/// labels, columns 1 to 6 the sections A to F, column 7 the totals. The design works on the texts: a value
/// is written with two decimals and read back from them.
class SectionTable {
public:
    static constexpr int rows = 6;
    static constexpr int columns = 8;
    enum Row { Letters, Velocity, Height, Diameter, Volume, Time };
    enum Column { Labels, A, B, C, D, E, F, Total };

    /// The initial contents: labels, letters, the fixed velocities and heights, "-- --" where a section
    /// has no such value.
    static SectionTable initial();

    const QString& text(int row, int column) const { return m_cells[std::size_t(row)][std::size_t(column)]; }
    QString& cell(int row, int column) { return m_cells[std::size_t(row)][std::size_t(column)]; }
    const QString& cell(int row, int column) const { return text(row, column); }
    void setText(int row, int column, const QString& text) { cell(row, column) = text; }
    /// The cell read with the strict reading that takes what it has read: "-- --" and "" are 0.
    double value(int row, int column) const;
    /// Writes `value` with two decimals and a point, "1500.00".
    void setValue(int row, int column, double value);

    bool operator==(const SectionTable&) const = default;

private:
    std::array<std::array<QString, columns>, rows> m_cells;
};

/// The number at the start of `text`, as far as it goes; 0 where none starts there.
double leadingNumber(const QString& text);

} // namespace velmora
