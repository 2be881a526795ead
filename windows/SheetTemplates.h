#pragma once

#include "sheet/model/Workbook.h"

#include <optional>
#include <QString>
#include <stdexcept>

namespace velmora {

class ResultRecord;

/// Template workbooks live in this directory below the program directory.
inline constexpr const char16_t* templateDirectory = u"Vorlagen/";

/// Only rows 1 to 120 and columns 1 to 20 of a template are scanned for markers.
inline constexpr int markerRows = 120;
inline constexpr int markerColumns = 20;

/// The number of a cell text whose first and fifth characters are "*" ("*034*" is 34, "*12a*" is 12,
/// "*-12*" is -12); empty for any other text and for a marker-shaped text without a digit.
std::optional<int> markerNumber(const QString& cellText);

/// A template that cannot be used; the message is the one the user is shown.
class TemplateError : public std::runtime_error {
public:
    explicit TemplateError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

/// Replaces the marker cells of the first sheet (rows 1 to 120, columns 1 to 20) by the record's texts.
void fillMarkers(sheet::Workbook& workbook, const ResultRecord& record);

/// The template of the record's window type, read from `programDirectory` + "Vorlagen/" and filled.
/// Throws TemplateError with the message for a missing or unreadable template or one of another format.
sheet::Workbook filledTemplate(const QString& programDirectory, const ResultRecord& record);

} // namespace velmora
