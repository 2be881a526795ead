#include "windows/SheetTemplates.h"

#include "common/NumberText.h"

#include <array>
#include <utility>

namespace velmora {

QString templateFileName(const QString& kindName) {
    static const std::array<std::pair<const char16_t*, const char16_t*>, 10> templates{{
        {u"Wasserfenster", u"WasserFenster.vts"},
        {u"Temperaturfenster", u"TemperaturFenster.vts"},
        {u"Korrosionsfenster", u"KorrFenster.vts"},
        {u"Mischwasserfenster", u"MischwasserFenster.vts"},
        {u"Schnellentcarbonisierungsfenster", u"SchnellEntcarFenster.vts"},
        {u"H-Entcarbonisierungsfenster", u"HEntcarFenster.vts"},
        {u"Enthärtungsfenster", u"EnthFenster.vts"},
        {u"Aktivkohlefenster", u"AktivkohleFenster.vts"},
        {u"Enteisenungsfenster", u"FeFenster.vts"},
        {u"Sandfilter-Fenster", u"SandFenster.vts"},
    }};
    for (const auto& [kind, file] : templates)
        if (kindName == kind)
            return QString::fromUtf16(file);
    return {};
}

std::optional<int> markerNumber(const QString& cellText) {
    if (cellText.size() < 5 || cellText[0] != u'*' || cellText[4] != u'*')
        return std::nullopt;
    return readInteger(cellText);
}

} // namespace velmora
