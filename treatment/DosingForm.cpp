#include "treatment/DosingForm.h"

#include "common/NumberText.h"
#include "engine/Engine.h"
#include "engine/EngineError.h"
#include "treatment/TreatedWater.h"
#include "windows/AnalysisForm.h"
#include "windows/WaterWindowData.h"

namespace velmora {

namespace {

constexpr qsizetype readLength = 10; // characters of an edit that are read
constexpr double lowestPh = 4.0;
constexpr double highestPh = 13.0;

FormMessage errorAbout(const char* text, const char* control) {
    return {QString::fromUtf8(text), DialogSeam::Icon::Error, QString::fromLatin1(control)};
}

// The range a wanted pH must lie in: from 4 to the water's pH for an acid, from there to 13 for a base.
std::optional<FormMessage> phRangeError(Chemical chemical, double wanted, double waterPh) {
    const QString p = formatNumber(waterPh).trimmed();
    const bool outside = wanted < lowestPh || wanted > highestPh;
    if (isAcid(chemical) && (outside || wanted > waterPh))
        return FormMessage{QStringLiteral("pH-Wert bitte im Bereich 4 < pH-Wert < ") + p,
                           DialogSeam::Icon::Error, QStringLiteral("phin")};
    if (!isAcid(chemical) && (outside || wanted < waterPh))
        return FormMessage{QStringLiteral("pH-Wert bitte im Bereich ") + p +
                               QStringLiteral(" < pH-Wert < 13"),
                           DialogSeam::Icon::Error, QStringLiteral("phin")};
    return std::nullopt;
}

FormResult doseToWantedPh(EngineState& engine, AnalysisHeader& header, const DosingInputs& in) {
    const QString cxText = in.cx1.left(readLength);
    const std::optional<double> cx = readNumber(cxText);
    if (!cx || *cx <= 0)
        return FormResult::told(errorAbout("Bitte geben Sie einen gültigen Wert für c(x) ein!", "cxin1"));
    const std::optional<double> ph = readNumber(in.ph.left(readLength));
    if (!ph)
        return FormResult::told(errorAbout("Bitte geben Sie einen gültigen Wert für pH ein!", "phin"));
    if (const std::optional<FormMessage> error = phRangeError(in.chemical1, *ph, engine.water.pHm))
        return FormResult::told(*error);
    const DoseToPh run = doseToPh(engine.water, in.chemical1, *cx, *ph);
    if (!run.dose)
        return FormResult::abandoned();
    header.setText(AnalysisHeader::Remark2, doseText(in.chemical1, true, *run.dose, cxText));
    return FormResult::done();
}

FormResult doseAmountGiven(EngineState& engine, AnalysisHeader& header, const DosingInputs& in) {
    const QString cxText = in.cx2.left(readLength);
    const std::optional<double> cx = readNumber(cxText);
    const std::optional<double> amount = readNumber(in.amount.left(readLength));
    if (cxText.trimmed().isEmpty() || !cx || !amount || *amount <= 0)
        return FormResult::told({QString::fromUtf16(invalidValuesMessage), DialogSeam::Icon::Error});
    doseAmount(engine.water, in.chemical2, *amount, *cx);
    header.setText(AnalysisHeader::Remark2, doseText(in.chemical2, false, *amount, cxText));
    return FormResult::done();
}

} // namespace

FormResult runDosingForm(EngineState& engine, const WaterWindowData& source, AnalysisHeader& header,
                         const DosingInputs& inputs) {
    for (const QString* text : {&inputs.cx1, &inputs.cx2, &inputs.ph, &inputs.amount})
        if (!convertsOrIsBlank(*text))
            return FormResult::told({QString::fromUtf16(invalidValuesMessage)});
    if (header.name().trimmed().isEmpty())
        return FormResult::told(missingNameFormMessage());
    try {
        loadWaterToTreat(source, engine.water);
        const FormResult result = inputs.page == 0 ? doseToWantedPh(engine, header, inputs)
                                                   : doseAmountGiven(engine, header, inputs);
        if (result.step == FormResult::Step::Done)
            solveTreatedWater(engine);
        return result;
    } catch (const EngineError&) {
        return FormResult::told({QString::fromUtf16(invalidValuesMessage)});
    }
}

} // namespace velmora
