#include "sheet/edit/Selection.h"

namespace velmora::sheet {

namespace {

int singleKind(const CellRange& range) {
    const bool rows = Selection::isWholeRows(range);
    const bool columns = Selection::isWholeColumns(range);
    return rows && columns ? 7 : rows ? 3 : columns ? 5 : 1;
}

} // namespace

int Selection::kind() const {
    if (editingCell)
        return 11;
    if (!objects.empty())
        return objects.size() == 1 ? 9 : 10;
    if (ranges.empty())
        return 1;
    const int first = singleKind(ranges.front());
    for (const CellRange& range : ranges)
        if (singleKind(range) != first)
            return 2;
    return ranges.size() == 1 ? first : first + 1;
}

} // namespace velmora::sheet
