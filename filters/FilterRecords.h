#pragma once

#include "engine/AnalysisHeader.h"
#include "filters/CarbonFilter.h"
#include "filters/IronFilter.h"
#include "windows/ResultRecord.h"

#include <array>
#include <cstdint>

namespace velmora {

/// What the three filter records begin with: the header, a type text of at most 20 characters and an
/// index. The input block follows at 432 and the design at 4048; the dialog of the filter takes its
/// inputs back from the header, the index and the input block.
struct FilterRecordHead {
    AnalysisHeader header;
    QString typeText;
    std::int32_t index = 0;
};

/// What an activated-carbon window shows and saves. Its data file ".waf" holds the one record of 4264 bytes.
class CarbonFilterRecord final : public ResultRecord {
public:
    /// The inputs as the dialog read them; the index of the head is the purpose.
    struct Inputs {
        double flow = 0, velocity = 0, ratio = 0, shownHeight = 0; // m³/h, m/h, –, mm
        std::int32_t filters = 0, unused = 0;
        double load = 0;
        std::array<double, 5> unusedValues{};
    };

    FilterRecordHead head{{}, QStringLiteral("Aktivkohlefilter")};
    Inputs inputs;
    CarbonFilterDesign design;

    const WindowType& type() const override;
    QByteArray encode() const override;
    void decode(QByteArrayView bytes) override;
    std::optional<QString> markerText(const QString& cellText) const override;

    template <class Fields, class Self>
    static void fields(Fields& f, Self& r);
};

/// What an iron-removal window shows and saves. Its data file ".wff" holds the one record of 4320 bytes.
class IronFilterRecord final : public ResultRecord {
public:
    /// The inputs as the dialog read them; the index of the head is 1 for a circular filter.
    struct Inputs {
        double iron = 0, oxygen = 0, pH = 0, temperature = 0;
        std::int32_t openFilter = 0, filters = 0;
        double grain = 0, bedHeight = 0, velocity = 0, ratio = 0, unused = 0, flow = 0;
    };
    /// The design: the water, C, the computed and the chosen velocity, the shell height, the filters and
    /// their shapes.
    struct Design {
        IronWater water;
        IronVelocity velocity;
        double chosenVelocity = 0;
        IronFilterSize size;
        std::int32_t filters = 0, splitFilters = 0;
        double share = 0;
        std::int32_t pressureFilter = 0, rectangle = 0;
    };

    FilterRecordHead head{{}, QStringLiteral("Enteisenung")};
    Inputs inputs;
    Design design;

    const WindowType& type() const override;
    QByteArray encode() const override;
    void decode(QByteArrayView bytes) override;
    std::optional<QString> markerText(const QString& cellText) const override;

    template <class Fields, class Self>
    static void fields(Fields& f, Self& r);
};

/// What a sand-filter window shows and saves; the index of the head is the kind of filtration. Its data
/// file ".wsf" holds the one record of 4320 bytes.
class SandFilterRecord final : public ResultRecord {
public:
    FilterRecordHead head{{}, QStringLiteral("Sandfilter")};
    double flow = 0, velocity = 0, filters = 0, height = 0; // m³/h, m/h, –, mm
    std::int32_t pressureFilter = 0, multiLayer = 0;
    double area = 0, shellHeight = 0, diameter = 0, roundedDiameter = 0; // as the dialog showed them
    std::array<double, 2> unusedValues{};
    double spare = 0; ///< set by no calculation; a file may carry one

    const WindowType& type() const override;
    QByteArray encode() const override;
    void decode(QByteArrayView bytes) override;
    std::optional<QString> markerText(const QString& cellText) const override;

    template <class Fields, class Self>
    static void fields(Fields& f, Self& r);
};

} // namespace velmora
