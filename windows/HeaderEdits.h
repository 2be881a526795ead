#pragma once

#include "engine/AnalysisHeader.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QLocale>

namespace velmora {

/// The header a calculation dialog gives its result, from its edits "Analyse", "Bearbeiter",
/// "DateTimePicker1" (as the locale's short date) and "Anmerkung1", and `remark2`. `Form` is the
/// dialog's generated form.
template <class Form>
AnalysisHeader headerOfEdits(const Form& ui, const QString& remark2) {
    return AnalysisHeader(ui.Analyse->text(), ui.Bearbeiter->text(),
                          QLocale().toString(ui.DateTimePicker1->date(), QLocale::ShortFormat),
                          ui.Anmerkung1->text(), remark2);
}

/// The header of a dialog that also has the edit "Anmerkung2".
template <class Form>
AnalysisHeader headerOfEdits(const Form& ui) {
    return headerOfEdits(ui, ui.Anmerkung2->text());
}

/// The show step of a calculation dialog: the header edits take the texts of the active water's
/// header (the date picker is left to the dialog).
template <class Form>
void showHeaderInEdits(Form& ui, const AnalysisHeader& header) {
    ui.Analyse->setText(header.text(AnalysisHeader::Name));
    ui.Bearbeiter->setText(header.text(AnalysisHeader::Editor));
    ui.Anmerkung1->setText(header.text(AnalysisHeader::Remark1));
    if constexpr (requires { ui.Anmerkung2; })
        ui.Anmerkung2->setText(header.text(AnalysisHeader::Remark2));
}

} // namespace velmora
