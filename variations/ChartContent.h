#pragma once

#include "variations/VariationRecord.h"
#include "windows/WindowType.h"

#include <array>
#include <optional>
#include <QColor>
#include <QString>
#include <QStringList>

namespace velmora {

class ResultRecord;

/// The four charts of a series: pH or SI of a mixing or a temperature series.
enum class ChartKind { MixingPh = 10, MixingSi = 11, TemperaturePh = 20, TemperatureSi = 21 };

/// The chart the menu item pH (or SI) makes of the active window's kind; none for other kinds.
std::optional<ChartKind> chartKindOf(WindowKind kind, bool pH);

/// The series a chart draws of a window's record: the mixture of a mixing window, the one record of a
/// temperature window; nullptr for other records.
const VariationRecord* chartedSeries(const ResultRecord& record);

/// Everything a chart window shows, taken from the series when it opens.
struct ChartContent {
    QString caption;   ///< the window's title
    QString hint;      ///< the window's status hint
    QString title;     ///< above the chart
    QString axisTitle; ///< under the bottom axis
    QString foot;      ///< eight lines: three empty ones, then the header of the series
    QColor colour;
    std::array<double, VariationRecord::rowCount> values{};
    QStringList labels; ///< one per bar, "0.0" with the locale's separator
};

/// The chart of `kind` of the series `record` of the window titled `sourceTitle`.
ChartContent chartContent(ChartKind kind, const VariationRecord& record, const QString& sourceTitle);

} // namespace velmora
