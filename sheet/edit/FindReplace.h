#pragma once

#include "sheet/model/Sheet.h"

#include <optional>

namespace velmora::sheet {

struct FindOptions {
    QString text;
    bool matchCase = false;
    bool wholeCell = false; ///< the cell's whole text, not a part of it
    bool byColumns = false; ///< down each column first instead of along each row
};

/// The next cell after `from` whose text matches, in reading order and round the end back to the start;
/// `from` itself comes last. Empty when no cell matches or the text to find is empty.
std::optional<CellPos> findNext(const Sheet& sheet, CellPos from, const FindOptions& options);

/// `text` with every match replaced; unchanged when nothing matches.
QString replacedText(const QString& text, const FindOptions& options, const QString& replacement);

/// Replaces every match in the cells of `range`; returns the number of cells changed.
int replaceAll(Sheet& sheet, const CellRange& range, const FindOptions& options, const QString& replacement);

} // namespace velmora::sheet
