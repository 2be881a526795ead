#include "windows/WindowType.h"

#include <QFileInfo>

namespace velmora {

namespace {

// Rules of the command enabling by the active window's type.
constexpr CommandRule waterRule{true, true, ChartCaptions::Plain, true};
constexpr CommandRule mixingRule{true, false, ChartCaptions::Mixing, true};
constexpr CommandRule temperatureRule{false, false, ChartCaptions::Temperature, false};
constexpr CommandRule corrosionRule{false, false, ChartCaptions::Plain, false};
constexpr CommandRule plantRule{true, false, ChartCaptions::Plain, false};

} // namespace

const std::array<WindowType, 10> windowTypes{{
    {WindowKind::Water, u"Wasserfenster", u"WasserFenster.vts", u".was", 1, 1584, 0, u"Wasserdateien (*.was)",
     u"Velmora Wasser", u"VelmoraGleichgewicht", u"Velmora Wasserdatei", u"Wasser-Fenster",
     u"wasserfenster.htm", u"Gleichgewicht", waterRule},
    {WindowKind::Mixing, u"Mischwasserfenster", u"MischwasserFenster.vts", u".wam", 3, 4136, 0,
     u"Mischwasserdateien (*.wam)", u"Velmora Mischwasser", u"VelmoraMischwasser",
     u"Velmora Mischwasserdatei", u"Mischwasser-Fenster", u"mischwasserfenster.htm", u"Mischwasser",
     mixingRule},
    {WindowKind::Temperature, u"Temperaturfenster", u"TemperaturFenster.vts", u".wat", 1, 4136, 0,
     u"Temperaturdateien (*.wat)", u"Velmora Temperaturabhängigkeit", u"VelmoraTemperaturabhaengigkeit",
     u"Velmora Temperaturdatei", u"Temperatur-Fenster", u"temperaturfenster.htm", u"Temperaturabhängigkeit",
     temperatureRule},
    {WindowKind::RapidDecarbonisation, u"Schnellentcarbonisierungsfenster", u"SchnellEntcarFenster.vts",
     u".wse", 1, 11608, 6870, u"Schnellentcarbonisierungsdateien (*.wse)",
     u"Velmora Schnellentcarbonisierung", u"VelmoraSchnellentcarbonisierung",
     u"Velmora Schnellentcarbonisierungsdatei", u"Schnellentcarbonisierungsfenster",
     u"schnellentcarbonisierungsfenster.htm", u"Schnellentcarbonisierung", plantRule},
    {WindowKind::HDecarbonisation, u"H-Entcarbonisierungsfenster", u"HEntcarFenster.vts", u".whe", 1, 4464, 0,
     u"H-Entcarbonisierungsdateien (*.whe)", u"Velmora H-Entcarbonisierung", u"VelmoraH-Entcarbonisierung",
     u"Velmora H-Entcarbonisierungsdatei", u"H-Entcarbonisierungsfenster", u"h-entcarbonisierungsfenster.htm",
     u"H-Entcarbonisierung", plantRule},
    {WindowKind::Softening, u"Enthärtungsfenster", u"EnthFenster.vts", u".weh", 1, 4544, 0,
     u"Enthärtungsdateien (*.weh)", u"Velmora Enthärtung", u"VelmoraEnthaertung", u"Velmora Enthärtungsdatei",
     u"Enthärtungsfenster", u"enthärtungsfenster.htm", u"Enthärtung", plantRule},
    {WindowKind::Corrosion, u"Korrosionsfenster", u"KorrFenster.vts", u".wak", 1, 4120, 0,
     u"Korrosionsdateien (*.wak)", u"Velmora Korrosion", u"VelmoraKorrosion", u"Velmora Korrosionsdatei",
     u"Korrosions-Fenster", u"korrosionsfenster.htm", u"Korrosion", corrosionRule},
    {WindowKind::CarbonFilter, u"Aktivkohlefenster", u"AktivkohleFenster.vts", u".waf", 1, 4264, 0,
     u"Aktivkohle-Filterdateien (*.waf)", u"Velmora Aktivkohle-Filter", u"VelmoraAktivkohlefilter",
     u"Velmora Aktivkohle-Filterdatei", u"Aktivkohlefenster", u"aktivkohlefenster.htm", u"Aktivkohlefilter",
     plantRule},
    {WindowKind::IronFilter, u"Enteisenungsfenster", u"FeFenster.vts", u".wff", 1, 4320, 0,
     u"Enteisenungsfilterdateien (*.wff)", u"Velmora Enteisenung", u"VelmoraEnteisenungsfilter",
     u"Velmora Enteisenungsfilterdatei", u"Enteisenungsfenster", u"enteisenungsfenster.htm",
     u"Enteisenungsfilter", plantRule},
    {WindowKind::SandFilter, u"Sandfilter-Fenster", u"SandFenster.vts", u".wsf", 1, 4320, 0,
     u"Sandfilterdateien (*.wsf)", u"Velmora Sandfilter", u"VelmoraSandfilter", u"Velmora Sandfilterdatei",
     u"Sandfilterfenster", u"sandfilterfenster.htm", u"Sandfilter", plantRule},
}};

const WindowType& windowTypeOf(WindowKind kind) {
    return windowTypes[static_cast<std::size_t>(kind)];
}

const WindowType* windowTypeOfFile(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix();
    if (suffix.isEmpty())
        return nullptr;
    for (const WindowType& type : windowTypes)
        if (QStringView(type.extension).mid(1).compare(suffix, Qt::CaseInsensitive) == 0)
            return &type;
    return nullptr;
}

} // namespace velmora
