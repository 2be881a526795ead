#include "variations/ChartContent.h"

#include "common/NumberText.h"
#include "common/Units.h"
#include "variations/MixingRecord.h"
#include "variations/TemperatureRecord.h"

#include <QLocale>

namespace velmora {

namespace {

struct ChartTexts {
    ChartKind kind;
    const char* caption;
    const char* hint;
    const char* title;
};

constexpr ChartTexts chartTexts[] = {
    {ChartKind::MixingPh, "pH bei Bewertungstemperatur - ",
     "Graphische Darstellung pH bei tb - Mischwasserberechnung", "pH bei Bewertungstemperatur"},
    {ChartKind::MixingSi, "SI bei Bewertungstemperatur - ",
     "Graphische Darstellung SI bei tb - Mischwasserberechnung", "Sättigungsindex bei Bewertungstemperatur"},
    {ChartKind::TemperaturePh, "pH als Funktion der Bewertungstemperatur - ",
     "Graphische Darstellung pH als Funktion von tb - Temperaturabhängigkeit", "pH-Wert als Funktion von tb"},
    {ChartKind::TemperatureSi, "SI als Funktion der Bewertungstemperatur - ",
     "Graphische Darstellung SI als Funktion von tb - Temperaturabhängigkeit",
     "Sättigungsindex als Funktion von tb"},
};

const ChartTexts& textsOf(ChartKind kind) {
    for (const ChartTexts& texts : chartTexts)
        if (texts.kind == kind)
            return texts;
    return chartTexts[0];
}

} // namespace

const VariationRecord* chartedSeries(const ResultRecord& record) {
    if (const auto* mixing = dynamic_cast<const MixingRecord*>(&record))
        return &mixing->records.mixture;
    if (const auto* temperature = dynamic_cast<const TemperatureRecord*>(&record))
        return &temperature->series;
    return nullptr;
}

std::optional<ChartKind> chartKindOf(WindowKind kind, bool pH) {
    if (kind == WindowKind::Mixing)
        return pH ? ChartKind::MixingPh : ChartKind::MixingSi;
    if (kind == WindowKind::Temperature)
        return pH ? ChartKind::TemperaturePh : ChartKind::TemperatureSi;
    return std::nullopt;
}

ChartContent chartContent(ChartKind kind, const VariationRecord& record, const QString& sourceTitle) {
    const ChartTexts& texts = textsOf(kind);
    const bool mixing = kind == ChartKind::MixingPh || kind == ChartKind::MixingSi;
    const bool pH = kind == ChartKind::MixingPh || kind == ChartKind::TemperaturePh;
    ChartContent chart;
    chart.caption = QString::fromUtf8(texts.caption) + sourceTitle;
    chart.hint = QString::fromUtf8(texts.hint);
    chart.title = QString::fromUtf8(texts.title);
    chart.axisTitle =
        mixing ? QStringLiteral("VA*100% / (VA+VB)") : QStringLiteral("Bewertungstemperatur tb / °C");
    chart.colour = mixing ? QColor(Qt::blue) : QColor(Qt::red);
    for (std::size_t k = 0; k < VariationRecord::rowCount; ++k) {
        const ResultSlot& row = record.rows[k];
        chart.values[k] = row[pH ? slot::pH : slot::si];
        const double label =
            mixing ? record.rangeStart + (record.rangeEnd - record.rangeStart) / 10.0 * double(k)
                   : units::kelvinToCelsius(row[slot::tEval]);
        chart.labels << formatPattern(label, u"0.0", QLocale());
    }
    const AnalysisHeader& h = record.header;
    chart.foot = QStringList{QString(),
                             QString(),
                             QString(),
                             QStringLiteral("Analyse:            ") + h.text(AnalysisHeader::Name),
                             QStringLiteral("Bearbeiter:        ") + h.text(AnalysisHeader::Editor),
                             QStringLiteral("Datum:              ") + h.text(AnalysisHeader::Date),
                             QStringLiteral("Anmerkung 1:   ") + h.text(AnalysisHeader::Remark1),
                             QStringLiteral("Anmerkung 2:   ") + h.text(AnalysisHeader::Remark2)}
                     .join(u'\n');
    return chart;
}

} // namespace velmora
