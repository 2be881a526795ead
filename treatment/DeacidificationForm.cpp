#include "treatment/DeacidificationForm.h"

#include "common/NumberText.h"
#include "engine/Engine.h"
#include "engine/EngineError.h"
#include "treatment/TreatedWater.h"
#include "windows/AnalysisForm.h"
#include "windows/WaterWindowData.h"

namespace velmora {

namespace {

constexpr double alreadySaturated = -0.0001; // an index the calculation no longer raises

// Recommendations of DVGW W 214, section 3.2, in mol/l.
constexpr double carbonateCapacityLimit = 0.0015;
constexpr double carbonateCalciumLimit = 0.00075;
constexpr double dolomiteCapacityLimit = 0.0025;

// A value that equals a limit as typed meets it, though the engine's units lie a rounding error beside.
bool exceeds(double value, double limit) {
    return value > limit * (1.0 + 1e-12);
}

FormMessage aboutSi(const char* text, DialogSeam::Icon icon) {
    return {QString::fromUtf8(text), icon, QStringLiteral("SI")};
}

} // namespace

std::optional<QString> applicabilityQuestion(DeacidificationMethod method, const WaterWindowData& water) {
    const double capacity = water.ks43 + 2.0 * water.kb82;
    if (method == DeacidificationMethod::CalciumCarbonate &&
        (exceeds(capacity, carbonateCapacityLimit) || exceeds(water.totals[0], carbonateCalciumLimit)))
        return QString::fromUtf8("Mindestens ein Wert des zu entsäuernden Wassers entspricht nicht den "
                                 "Empfehlungen nach DVGW W214.\n\r"
                                 "Abschnitt 3.2 - Kriterien zur Überprüfung der Anwendbarkeit - empfiehlt "
                                 "bei Filtration über poröses "
                                 "Calciumcarbonat folgende Werte:\n\r"
                                 "Ks4,3 + 2 Kb8,2 <= 1,5 mmol/l sowie  c(Ca) <= 0,75 mmol/l.\r\n\r\n"
                                 "Soll die Berechnung fortgesetzt werden?");
    if (method == DeacidificationMethod::Dolomite && exceeds(capacity, dolomiteCapacityLimit))
        return QString::fromUtf8(
            "Das zu entsäuernde Wasser entspricht nicht den Empfehlungen nach DVGW W214.\n\r"
            "Abschnitt 3.2 - Kriterien zur Überprüfung der Anwendbarkeit - empfiehlt bei Filtration\n\r"
            "über halbgebrannten Dolomit, daß Ks4,3 + 2 Kb8,2 <= 2,5 mmol/l ist.\r\n\r\n"
            "Soll die Berechnung fortgesetzt werden?");
    return std::nullopt;
}

FormResult runDeacidificationForm(EngineState& engine, const WaterWindowData& source, AnalysisHeader& header,
                                  const QString& targetSi, DeacidificationMethod method, int trackBarPosition,
                                  const Confirmation& confirm) {
    const double waterSi = source.slots[1][slot::si];
    if (!convertsOrIsBlank(targetSi))
        return FormResult::told({QStringLiteral("Bitte geben Sie einen gültigen Wert ein!")});
    if (header.name().trimmed().isEmpty())
        return FormResult::told(missingNameFormMessage());
    if (waterSi > 0.0)
        return FormResult::told({QString::fromUtf8("Entsäuerung nicht möglich!\r\n"
                                                   "Der Sättigungsindex des Wassers ist größer/gleich 0")});
    const std::optional<double> target = readNumber(targetSi.trimmed());
    if (targetSi.trimmed().isEmpty() || !target || *target > 0.0)
        return FormResult::told(aboutSi("Bitte geben Sie einen gültigen Wert für den Sättigungsindex ein",
                                        DialogSeam::Icon::Error));
    if (*target < waterSi)
        return FormResult::told(
            aboutSi("Der eingegebene Sättigungsindex liegt unter dem des zu entsäuernden Wassers",
                    DialogSeam::Icon::Warning));
    if (const std::optional<QString> question = applicabilityQuestion(method, source))
        if (!confirm(*question))
            return FormResult::ignored();

    if (waterSi >= alreadySaturated)
        return FormResult::abandoned({QString::fromUtf8("Sättigungsindex ist bereits größer/gleich 0\r\n"
                                                        "Entsäuerung nicht möglich !")});
    try {
        // Every attempt, also one after an iteration that did not converge, starts from the window's water.
        loadWaterToTreat(source, engine.water);
        const DeacidificationRun run =
            deacidify(engine.water, method, *target, iterationInterval(trackBarPosition));
        if (!run.converged)
            return FormResult::notConverged();
        header.setText(AnalysisHeader::Remark2, deacidificationRemark(method, run.consumption));
        solveTreatedWater(engine);
    } catch (const EngineError&) {
        return FormResult::told({QString::fromUtf16(invalidValuesMessage)});
    }
    return FormResult::done();
}

} // namespace velmora
