#pragma once

#include "engine/AnalysisHeader.h"
#include "engine/AnalysisInput.h"

#include <array>
#include <functional>
#include <optional>
#include <QString>

namespace velmora {

/// The form logic of "Eingabe der Wasserkenndaten" apart from its widgets: which edits a method reads,
/// how their texts are checked and read, and the defaults of the header texts. The dialog and the batch
/// evaluator both run on it.

/// A numeric edit of the dialog, by its object name.
struct AnalysisField {
    const char16_t* name;
    double& (*target)(AnalysisInput& input);
};

/// The seventeen numeric edits that make up an AnalysisInput: the carbonate quantities, temperatures
/// and conductivity, then the seven ion amounts cCa ... cCl.
extern const std::array<AnalysisField, 17> analysisFields;

/// Whether the dialog reads the edit for `method` (1 to 7): it hides the carbonate quantities the method
/// does not take; the temperatures, the conductivity and the ions are always read.
bool methodReadsField(int method, const AnalysisField& field);

/// The dialog's syntax check of a number text: the other decimal separator is turned into the locale's,
/// then the locale's float syntax must accept the whole text.
bool isValidNumberText(const QString& text);

/// The outcome of "&Berechnen"'s checks: the input, or the message the dialog shows and the edit it is
/// about.
struct AnalysisReading {
    std::optional<AnalysisInput> input;
    QString message;
    QString field;
};

/// The checks of "&Berechnen" before the engine runs, in the dialog's order: every text the method reads
/// is a number, the name is not blank, and the numbers are read. `textOf` gives an edit's text by object
/// name. A negative number, which the edits' key filter cannot type, fails as an invalid value.
AnalysisReading readAnalysisTexts(const std::function<QString(const QString& field)>& textOf,
                                  const QString& name, int method);

inline constexpr const char16_t* invalidValuesMessage = u"Bitte geben Sie gültige Werte ein!";
inline constexpr const char16_t* missingNameMessage = u"Bitte geben Sie einen Namen für die Analyse ein!";

/// The header texts a new analysis starts with: the name "Analyse", the account's full name (else its
/// login) as editor, today's date as the locale's short date, no remarks.
AnalysisHeader defaultAnalysisHeader();

} // namespace velmora
