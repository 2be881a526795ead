#include "engine/AnalysisHeader.h"

#include "common/FixedRecord.h"

namespace velmora {

AnalysisHeader::AnalysisHeader(const QString& name, const QString& editor, const QString& date,
                               const QString& remark1, const QString& remark2) {
    setText(Name, name);
    setText(Editor, editor);
    setText(Date, date);
    setText(Remark1, remark1);
    setText(Remark2, remark2);
}

void AnalysisHeader::setText(Text which, const QString& text) {
    QString cut = text.left(shortTextLength);
    // Never keep half of a surrogate pair.
    if (!cut.isEmpty() && cut.back().isHighSurrogate())
        cut.chop(1);
    m_texts[which] = cut;
}

} // namespace velmora
