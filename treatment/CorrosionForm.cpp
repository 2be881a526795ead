#include "treatment/CorrosionForm.h"

#include "common/NumberText.h"
#include "treatment/CorrosionRecord.h"
#include "windows/AnalysisForm.h"

namespace velmora {

FormResult runCorrosionForm(CorrosionRecord& record, const WaterWindowData& source,
                            const AnalysisHeader& header, const QString& oxygen) {
    if (!convertsOrIsBlank(oxygen))
        return FormResult::told({QStringLiteral("Bitte geben Sie einen gültigen Wert ein!")});
    if (header.name().trimmed().isEmpty())
        return FormResult::told(missingNameFormMessage());
    const std::optional<double> o2 = readNumber(oxygen);
    if (oxygen.trimmed().isEmpty() || !o2 || *o2 <= 0)
        return FormResult::told({QStringLiteral("Bitte geben Sie einen gültigen Wert für rho(O2) ein!"),
                                 DialogSeam::Icon::Error});
    record.header = header;
    record.takeWaterOf(source);
    record.o2Mass = *o2;
    return FormResult::done();
}

} // namespace velmora
