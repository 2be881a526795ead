#pragma once

#include "engine/AnalysisHeader.h"
#include "treatment/IonExchange.h"
#include "treatment/SectionTable.h"
#include "windows/ResultRecord.h"

#include <array>

namespace velmora {

struct WaterWindowData;

/// The measured inputs of a water as a plant record keeps them (mol/l, K, µS/cm, mg/l).
struct WaterInputs {
    double pHm = 0, tPh = 0, ks43 = 0, tKs = 0, kb82 = 0, tKb = 0;
    double dic = 0, tEval = 0, mValue = 0, k25 = 0, siTarget = 0, o2Mass = 0;
    std::array<double, 7> totals{};

    static WaterInputs of(const WaterWindowData& water);
};

/// What a rapid-decarbonisation window shows and saves: ten texts (the header, the four inputs as entered
/// and P), the section table's 27 value cells and the water the design started from. Its data file ".wse"
/// holds the one record of 11608 bytes, with the ten texts once more in row 6 of its cell grid; a loaded
/// record takes its texts from there.
class RapidDecarbonisationRecord final : public ResultRecord {
public:
    enum Text { Name, Editor, Date, Remark1, Remark2, Flow, Time, Hco3, Calcium, P };
    static constexpr int textCount = 10;

    std::array<QString, textCount> texts;
    SectionTable table;
    WaterInputs water;

    /// One of the 27 cells of the table the window shows and the file keeps.
    static bool isValueCell(int row, int column);

    const WindowType& type() const override;
    QByteArray encode() const override;
    void decode(QByteArrayView bytes) override;
    std::optional<QString> markerText(const QString& cellText) const override;

    template <class Fields, class Self>
    static void fields(Fields& f, Self& r);

private:
    std::array<QString, textCount> m_leadingTexts; ///< the copy at offset 0, as read
};

/// What an H-decarbonisation window shows and saves: the header, the inputs as entered and the design.
/// Its data file ".whe" holds the one record of 4464 bytes.
class HDecarbonisationRecord final : public ResultRecord {
public:
    AnalysisHeader header;
    QString flow, time, hco3;
    QString unused = QStringLiteral("0.000");
    HDecarbonisationDesign design;

    const WindowType& type() const override;
    QByteArray encode() const override;
    void decode(QByteArrayView bytes) override;
    std::optional<QString> markerText(const QString& cellText) const override;

    template <class Fields, class Self>
    static void fields(Fields& f, Self& r);
};

/// What a softening window shows and saves: the header, the inputs as entered and the design items the
/// file keeps. Its data file ".weh" holds the one record of 4544 bytes.
class SofteningRecord final : public ResultRecord {
public:
    AnalysisHeader header;
    QString flow, time, residual, hardness, sodium;
    SofteningDesign design;

    const WindowType& type() const override;
    QByteArray encode() const override;
    void decode(QByteArrayView bytes) override;
    std::optional<QString> markerText(const QString& cellText) const override;

    template <class Fields, class Self>
    static void fields(Fields& f, Self& r);
};

} // namespace velmora
