#include "variations/MixingForm.h"

#include "common/NumberText.h"
#include "engine/EngineError.h"
#include "windows/AnalysisForm.h"

#include <optional>

namespace velmora {

namespace {

FormResult missingName() {
    return FormResult::told(missingNameFormMessage());
}

FormResult invalidValues() {
    return FormResult::told({QString::fromUtf16(invalidValuesMessage)});
}

// The last open water of that title: where titles repeat, each one met overwrites the one before.
const WaterWindowData* waterTitled(const QList<MixableWater>& waters, const QString& title) {
    const WaterWindowData* found = nullptr;
    for (const MixableWater& candidate : waters)
        if (candidate.title == title)
            found = candidate.water;
    return found;
}

std::optional<double> shareSum(const QList<ShareRow>& rows) {
    double sum = 0;
    for (const ShareRow& row : rows) {
        const std::optional<double> share = readNumber(row.share);
        if (!share)
            return std::nullopt;
        sum += *share;
    }
    return sum;
}

} // namespace

QString seriesRemark(const QString& titleA, const QString& titleB) {
    return QStringLiteral("Mischen von ") + titleA + QStringLiteral(" und ") + titleB;
}

FormResult runMixingSeriesForm(EngineState& engine, MixingRecords& records, const AnalysisHeader& header,
                               const QList<MixableWater>& waters, int selectedA, int selectedB, int start,
                               int end) {
    if (selectedA < 0 || selectedB < 0 || selectedA >= waters.size() || selectedB >= waters.size() ||
        selectedA == selectedB)
        return FormResult::ignored();
    records.mixture.header = header;
    if (header.name().trimmed().isEmpty())
        return missingName();
    try {
        mixSeries(engine, records, *waterTitled(waters, waters[selectedA].title),
                  *waterTitled(waters, waters[selectedB].title), start, end);
    } catch (const EngineError&) {
        return invalidValues();
    }
    return FormResult::done();
}

FormResult runFixedRatioForm(EngineState& engine, VariationRecord& mixture, const AnalysisHeader& header,
                             const QList<MixableWater>& waters, const QList<ShareRow>& rows) {
    const std::optional<double> sum = shareSum(rows);
    if (!sum)
        return invalidValues();
    if (!(*sum > 0) || rows.size() < 2)
        return FormResult::ignored();
    if (header.name().trimmed().isEmpty())
        return missingName();
    std::vector<MixingShare> shares;
    for (const MixableWater& water : waters)
        for (const ShareRow& row : rows)
            if (water.title == row.title)
                shares.push_back({*readNumber(row.share), water.water});
    try {
        mixFixedRatio(engine, mixture, shares);
    } catch (const EngineError&) {
        return invalidValues();
    }
    return FormResult::done();
}

} // namespace velmora
