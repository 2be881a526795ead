#include "sheet/edit/FindReplace.h"

#include <algorithm>

namespace velmora::sheet {

namespace {

Qt::CaseSensitivity sensitivity(const FindOptions& options) {
    return options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

bool matches(const QString& text, const FindOptions& options) {
    if (options.wholeCell)
        return QString::compare(text, options.text, sensitivity(options)) == 0;
    return text.contains(options.text, sensitivity(options));
}

} // namespace

std::optional<CellPos> findNext(const Sheet& sheet, CellPos from, const FindOptions& options) {
    if (options.text.isEmpty())
        return std::nullopt;
    std::vector<CellPos> found;
    for (const auto& [pos, cell] : sheet.cells())
        if (matches(cell.text, options))
            found.push_back(pos);
    if (found.empty())
        return std::nullopt;
    const auto before = [&options](CellPos a, CellPos b) {
        return options.byColumns ? std::pair(a.column, a.row) < std::pair(b.column, b.row) : a < b;
    };
    std::sort(found.begin(), found.end(), before);
    const auto next = std::upper_bound(found.begin(), found.end(), from, before);
    return next == found.end() ? found.front() : *next;
}

QString replacedText(const QString& text, const FindOptions& options, const QString& replacement) {
    if (options.text.isEmpty() || !matches(text, options))
        return text;
    if (options.wholeCell)
        return replacement;
    return QString(text).replace(options.text, replacement, sensitivity(options));
}

int replaceAll(Sheet& sheet, const CellRange& range, const FindOptions& options, const QString& replacement) {
    int changed = 0;
    for (const auto& [pos, cell] : sheet.cellsIn(range)) {
        const QString text = replacedText(cell.text, options, replacement);
        if (text != cell.text) {
            sheet.setText(pos, text);
            ++changed;
        }
    }
    return changed;
}

} // namespace velmora::sheet
