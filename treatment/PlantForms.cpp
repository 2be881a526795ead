#include "treatment/PlantForms.h"

#include "common/NumberText.h"
#include "engine/EngineError.h"
#include "treatment/RapidDecarbonisation.h"
#include "windows/AnalysisForm.h"

#include <QLocale>

namespace velmora {

namespace {

// The strict conversion after every "." became the locale's separator.
bool convertsWithPoint(const QString& text) {
    bool ok = false;
    const QLocale locale;
    locale.toDouble(QString(text).replace(u'.', locale.decimalPoint()), &ok);
    return ok;
}

// Texts that are no numbers read as 0.
double tolerant(const QString& text) {
    return readNumber(text).value_or(0.0);
}

} // namespace

FormMessage invalidDesignMessage() {
    return {QStringLiteral("Bitte geben Sie gültige Werte ein"), DialogSeam::Icon::Error};
}

FormResult runRapidDecarbonisationForm(RapidDecarbonisationRecord& record, const AnalysisHeader& header,
                                       const RapidTexts& in) {
    if (header.name().trimmed().isEmpty())
        return FormResult::told(missingNameFormMessage());
    RapidDesign design;
    try {
        design = designRapidDecarbonisation({tolerant(in.flow), tolerant(in.time), tolerant(in.hco3) / 1000.0,
                                             tolerant(in.calcium) / 1000.0});
    } catch (const EngineError&) {
        return FormResult::told(invalidDesignMessage());
    }
    using R = RapidDecarbonisationRecord;
    for (int text = R::Name; text <= R::Remark2; ++text)
        record.texts[std::size_t(text)] = header.text(AnalysisHeader::Text(text));
    record.texts[R::Flow] = in.flow.left(80);
    record.texts[R::Time] = in.time.left(80);
    record.texts[R::Hco3] = in.hco3.left(80);
    record.texts[R::Calcium] = in.calcium.left(80);
    record.texts[R::P] = formatNumber(design.p).trimmed();
    record.table = design.table;
    return FormResult::done();
}

FormResult runHDecarbonisationForm(HDecarbonisationRecord& record, const AnalysisHeader& header,
                                   const QString& flow, const QString& time, const QString& hco3,
                                   bool optimised) {
    for (const QString* text : {&flow, &time, &hco3})
        if (!convertsWithPoint(*text))
            return FormResult::told({QString::fromUtf16(invalidValuesMessage)});
    if (header.name().trimmed().isEmpty())
        return FormResult::told(missingNameFormMessage());
    const double q = tolerant(flow), t = tolerant(time), c = tolerant(hco3);
    if (q <= 0 || t <= 0 || c < 0)
        return FormResult::told(invalidDesignMessage());
    try {
        record.design = designHDecarbonisation(c / 1000.0, q, t, optimised);
    } catch (const EngineError&) {
        return FormResult::told(invalidDesignMessage());
    }
    record.header = header;
    record.flow = flow;
    record.time = time;
    record.hco3 = hco3;
    return FormResult::done();
}

FormResult runSofteningForm(SofteningRecord& record, const AnalysisHeader& header, const SofteningTexts& in) {
    if (header.name().trimmed().isEmpty())
        return FormResult::told(missingNameFormMessage());
    try {
        record.design = designSoftening(tolerant(in.hardness), tolerant(in.flow), tolerant(in.time),
                                        tolerant(in.residual), tolerant(in.sodium));
    } catch (const EngineError&) {
        return FormResult::told(invalidDesignMessage());
    }
    record.header = header;
    record.flow = in.flow;
    record.time = in.time;
    record.residual = in.residual;
    record.hardness = in.hardness;
    record.sodium = in.sodium;
    return FormResult::done();
}

} // namespace velmora
