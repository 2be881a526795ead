#include "treatment/DecarbonisationForm.h"

#include "common/NumberText.h"
#include "common/Units.h"
#include "engine/Engine.h"
#include "engine/EngineError.h"
#include "treatment/TreatedWater.h"
#include "windows/AnalysisForm.h"
#include "windows/WaterWindowData.h"

namespace velmora {

namespace {

constexpr double lowestResidual = 0.3; // mmol/l

} // namespace

QString hydrogencarbonateText(const WaterWindowData& water) {
    return formatNumber(units::molToMmol(water.slots[1][slot::hco3])).trimmed();
}

FormResult runDecarbonisationForm(EngineState& engine, const WaterWindowData& source, AnalysisHeader& header,
                                  const QString& residual, DecarbonisationAgent agent,
                                  const Confirmation& confirm) {
    const double hco3 = units::molToMmol(source.slots[1][slot::hco3]);
    const QString shown = hydrogencarbonateText(source);
    if (!convertsOrIsBlank(residual))
        return FormResult::told({QStringLiteral("Bitte geben Sie einen gültigen Wert ein!")});
    if (header.name().trimmed().isEmpty())
        return FormResult::told(missingNameFormMessage());
    // The upper end is also the value as shown: typed as shown, it is outside the range. A water of at
    // most 0.3 mmol/l leaves no residual to choose.
    const std::optional<double> rh = readNumber(residual.trimmed());
    if (!rh || *rh <= lowestResidual || *rh >= hco3 || *rh >= readNumber(shown).value_or(hco3))
        return FormResult::told(
            {QStringLiteral("Bitte geben Sie einen Wert zwischen 0.3 und ") + shown + QStringLiteral(" ein!"),
             DialogSeam::Icon::Error, QStringLiteral("RHin")});
    try {
        loadWaterToTreat(source, engine.water);
        const auto askBoth = [&confirm] {
            return confirm(QString::fromUtf16(magnesiumQuestions[0])) &&
                   confirm(QString::fromUtf16(magnesiumQuestions[1]));
        };
        const DecarbonisationRun run = decarbonise(engine.water, agent, *rh, askBoth);
        if (!run.succeeded)
            return FormResult::ignored();
        header.setText(AnalysisHeader::Remark2, decarbonisationRemark(agent, run.dose));
        solveTreatedWater(engine);
    } catch (const EngineError&) {
        return FormResult::told({QString::fromUtf16(invalidValuesMessage)});
    }
    return FormResult::done();
}

} // namespace velmora
