#pragma once

#include "sheet/model/CellRange.h"

#include <optional>
#include <QMarginsF>
#include <set>

namespace velmora::sheet {

/// How a sheet goes onto paper.
struct PrintSettings {
    enum class Orientation { Portrait, Landscape };

    std::optional<CellRange> area;         ///< empty: the used range
    std::optional<CellRange> titleRows;    ///< rows repeated on every page (columns ignored)
    std::optional<CellRange> titleColumns; ///< columns repeated on every page (rows ignored)
    Orientation orientation = Orientation::Portrait;
    QMarginsF margins{20.0, 20.0, 20.0, 20.0}; ///< millimetres
    std::set<int> rowBreaks;                   ///< a new page starts at each of these rows
    std::set<int> columnBreaks;                ///< a new page starts at each of these columns

    bool operator==(const PrintSettings&) const = default;
};

} // namespace velmora::sheet
