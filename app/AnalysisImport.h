#pragma once

#include <array>
#include <optional>
#include <QString>
#include <utility>
#include <vector>

namespace velmora {

namespace sheet {
class Workbook;
}

/// A quantity an import template can mark: the marker's number and the analysis dialog's field.
struct ImportQuantity {
    int number;
    const char16_t* field;
};

/// The quantities of the import, in the order their fields are filled; the mass concentrations (markers
/// 25 to 31) go to the fields of the amounts (18 to 24).
extern const std::array<ImportQuantity, 22> importQuantities;

/// The value of every quantity, in the order of importQuantities, as the last imports left them: a
/// quantity the template does not mark keeps the value of the import before (empty before the first).
using ImportValues = std::array<QString, importQuantities.size()>;

/// Whether a template cell's text is an import marker: "*" first and fifth, as in "*018*".
bool isImportMarker(const QString& text);

/// Takes the values of `workbook` where `importTemplate` marks them (rows 1 to 120, columns 1 to 20 of
/// the first sheet of each). Texts are taken as they stand (numbers cut to 80 characters); a mass
/// concentration is divided by the ion's molar mass and written with up to 15 significant digits and
/// the locale's decimal separator, and one that is no number leaves the ion as it was. False when the
/// workbooks have no sheet to read.
bool takeImportValues(const sheet::Workbook& workbook, const sheet::Workbook& importTemplate,
                      ImportValues& values);

/// The failure of an import, as the user is told it.
struct ImportFailure {
    bool isError; ///< an error box; a warning box otherwise
    QString message;
};

/// The import of `workbookPath` through the template `templatePath`: both read (any workbook format the
/// spreadsheet component reads), then takeImportValues(). Nothing on success.
std::optional<ImportFailure> importAnalysisFile(const QString& workbookPath, const QString& templatePath,
                                                ImportValues& values);

/// The dialog's fields with their values: (object name, text) in the order of importQuantities.
std::vector<std::pair<QString, QString>> importedFieldTexts(const ImportValues& values);

/// The template below the program directory (with its trailing "/").
QString importTemplatePath(const QString& programDirectory);

} // namespace velmora
