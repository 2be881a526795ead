#pragma once

#include "engine/AnalysisHeader.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QLocale>

namespace velmora {

/// The header a calculation dialog gives its result, from its edits "Analyse", "Bearbeiter",
/// "DateTimePicker1" (as the locale's short date), "Anmerkung1" and "Anmerkung2". `Form` is the
/// dialog's generated form.
template <class Form>
AnalysisHeader headerOfEdits(const Form& ui) {
    return AnalysisHeader(ui.Analyse->text(), ui.Bearbeiter->text(),
                          QLocale().toString(ui.DateTimePicker1->date(), QLocale::ShortFormat),
                          ui.Anmerkung1->text(), ui.Anmerkung2->text());
}

} // namespace velmora
