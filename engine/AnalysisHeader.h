#pragma once

#include <QString>

namespace velmora {

/// The five descriptive texts of an analysis, each at most 80 characters (longer texts are cut when
/// set): the pending header of the next water-analysis window and the head of every data-file record.
class AnalysisHeader {
public:
    static constexpr int textCount = 5;
    static constexpr int storedSize = 405; ///< bytes of the five length-prefixed texts in a record

    enum Text { Name, Editor, Date, Remark1, Remark2 };

    AnalysisHeader() = default;
    AnalysisHeader(const QString& name, const QString& editor, const QString& date, const QString& remark1,
                   const QString& remark2);

    const QString& text(Text which) const { return m_texts[which]; }
    void setText(Text which, const QString& text);

    const QString& name() const { return m_texts[Name]; }

    bool operator==(const AnalysisHeader&) const = default;

    /// The five texts as the head of a record: 81 bytes each, 405 in all.
    template <class Fields, class Self>
    static void fields(Fields& f, Self& header) {
        for (auto& text : header.m_texts)
            f.text(text);
    }

private:
    QString m_texts[textCount];
};

} // namespace velmora
