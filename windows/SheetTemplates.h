#pragma once

#include <optional>
#include <QString>

namespace velmora {

/// Template workbooks live in this directory below the program directory.
inline constexpr const char16_t* templateDirectory = u"Vorlagen/";

/// The template file of a window type, by its kind name; empty for an unknown kind.
QString templateFileName(const QString& kindName);

/// Only rows 1 to 120 and columns 1 to 20 of a template are scanned for markers.
inline constexpr int markerRows = 120;
inline constexpr int markerColumns = 20;

/// The number of a cell text whose first and fifth characters are "*" ("*034*" is 34, "*12a*" is 12,
/// "*-12*" is -12); empty for any other text and for a marker-shaped text without a digit.
std::optional<int> markerNumber(const QString& cellText);

} // namespace velmora
