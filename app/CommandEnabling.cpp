#include "app/CommandEnabling.h"

#include "windows/WindowType.h"

namespace velmora {

namespace {

constexpr Command windowCommands[] = {Command::Schliessen,   Command::SpeichernUnter, Command::Drucken,
                                      Command::Ausschneiden, Command::Kopieren,       Command::Einfuegen};
constexpr Command waterCommands[] = {Command::Temperatur, Command::Zugabe, Command::Entsaeuerung,
                                     Command::Entcarbonisierung, Command::Korrosion};

void set(CommandChanges& changes, Command command, bool enabled, QString text = {}, QString tip = {}) {
    changes[std::size_t(command)] = CommandState{enabled, std::move(text), std::move(tip)};
}

// "pH" and "SI" with the captions and status-bar texts of the active window's type.
void setCharts(CommandChanges& changes, ChartCaptions captions) {
    switch (captions) {
    case ChartCaptions::Plain:
        set(changes, Command::GrafikPh, false, QStringLiteral("pH"),
            QStringLiteral("pH bei tb/als Funktion von tb"));
        set(changes, Command::GrafikSi, false, QStringLiteral("SI"),
            QStringLiteral("SI bei tb/als Funktion von tb"));
        break;
    case ChartCaptions::Mixing:
        set(changes, Command::GrafikPh, true, QStringLiteral("pH bei tb"),
            QStringLiteral("pH-Wert bei Bewertungstemperatur"));
        set(changes, Command::GrafikSi, true, QStringLiteral("SI bei tb"),
            QStringLiteral("Sättigungsindex bei Bewertungstemperatur"));
        break;
    case ChartCaptions::Temperature:
        set(changes, Command::GrafikPh, true, QStringLiteral("pH = F(tb)"),
            QStringLiteral("pH-Wert als Funktion der Bewertungstemperatur"));
        set(changes, Command::GrafikSi, true, QStringLiteral("SI = F(tb)"),
            QStringLiteral("Sättigungsindex als Funktion der Bewertungstemperatur"));
        break;
    }
}

void setCalculations(CommandChanges& changes, bool mixing, bool water) {
    set(changes, Command::Mischwasser, mixing);
    for (Command command : waterCommands)
        set(changes, command, water);
}

} // namespace

CommandChanges commandsAtStart() {
    CommandChanges changes;
    for (Command command : windowCommands)
        set(changes, command, false);
    setCalculations(changes, false, false);
    setCharts(changes, ChartCaptions::Plain);
    return changes;
}

CommandChanges commandsOnActivation(const WindowType* type) {
    CommandChanges changes;
    if (!type) {
        // The chart window closes and prints; it has no sheet to save or edit and no water.
        for (Command command : windowCommands)
            set(changes, command, command == Command::Schliessen || command == Command::Drucken);
        setCalculations(changes, false, false);
        setCharts(changes, ChartCaptions::Plain);
        return changes;
    }
    for (Command command : windowCommands)
        set(changes, command, true);
    setCalculations(changes, type->commands.enablesMixing, type->commands.enablesWaterCommands);
    setCharts(changes, type->commands.charts);
    return changes;
}

CommandChanges commandsOnClosing(const WindowType* type) {
    CommandChanges changes;
    for (Command command : windowCommands)
        set(changes, command, false);
    setCharts(changes, ChartCaptions::Plain);
    if (type && type->commands.closeDisablesWaterCommands)
        setCalculations(changes, false, false);
    return changes;
}

} // namespace velmora
