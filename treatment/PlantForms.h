#pragma once

#include "treatment/PlantRecords.h"
#include "windows/FormMessage.h"

namespace velmora {

/// The error of a design the texts give no numbers for: "Bitte geben Sie gültige Werte ein", without "!".
FormMessage invalidDesignMessage();

/// The texts of "Schnellentcarbonisierung".
struct RapidTexts {
    QString flow, time, hco3, calcium;
};

/// "OK" of "Schnellentcarbonisierung" apart from its widgets: needs a name, designs the vessel from the
/// texts read tolerantly and writes the ten texts and the table into `record`; its water block is left
/// to the caller.
FormResult runRapidDecarbonisationForm(RapidDecarbonisationRecord& record, const AnalysisHeader& header,
                                       const RapidTexts& texts);

/// "normale Berechnung" (or, `optimised`, "optimierte Berechnung") of "Entcarbonisierung durch
/// Ionenaustausch" apart from its widgets: the texts must convert strictly ("." read as the locale's
/// separator), the name must be there, Q and t above 0 and the hydrogencarbonate not below; then the design
/// goes with the header and the texts into `record`.
FormResult runHDecarbonisationForm(HDecarbonisationRecord& record, const AnalysisHeader& header,
                                   const QString& flow, const QString& time, const QString& hco3,
                                   bool optimised);

/// The texts of "Enthärtung".
struct SofteningTexts {
    QString flow, time, residual, hardness, sodium;
};

/// "OK" of "Enthärtung" apart from its widgets: needs a name, designs the column from the texts read
/// tolerantly and writes it with the header and the texts into `record`.
FormResult runSofteningForm(SofteningRecord& record, const AnalysisHeader& header,
                            const SofteningTexts& texts);

} // namespace velmora
