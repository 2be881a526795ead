#pragma once

namespace velmora::sheet {

/// How the component edits, as "Optionen" sets it.
struct EditingOptions {
    enum class Direction { Down, Right, Up, Left };

    bool moveAfterEnter = true; ///< Enter moves the current cell (Shift+Enter the other way)
    Direction direction = Direction::Down;
    /// Typing, F2 and a double click edit in the cell; otherwise in the edit bar, where it is shown.
    bool editInCell = true;
    bool automaticRecalculation = true; ///< otherwise formulas are computed with F9 only

    bool operator==(const EditingOptions&) const = default;
};

} // namespace velmora::sheet
