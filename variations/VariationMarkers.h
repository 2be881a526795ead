#pragma once

#include "variations/VariationRecord.h"

#include <optional>
#include <QString>

namespace velmora {

/// A marker of the mixing and temperature templates: "*006*", or with a selector letter in its fifth
/// place, "*040a*".
struct VariationMarker {
    int number;
    QChar selector; ///< the fifth character ("*" where there is none)
};

/// The marker a cell text is: it begins with "*" and has "*" as its fifth or sixth character; the
/// number is read from the whole text.
std::optional<VariationMarker> variationMarker(const QString& cellText);

/// Markers 40 to 71 with a row selector "a" (row 0) to "k" (row 10): an element of that row; empty for
/// other numbers and selectors.
std::optional<QString> rowMarkerText(const VariationRecord& record, const VariationMarker& marker);

} // namespace velmora
