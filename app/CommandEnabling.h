#pragma once

#include <array>
#include <optional>
#include <QString>

namespace velmora {

struct WindowType;

/// The commands whose state follows the active window.
enum class Command {
    Schliessen,
    SpeichernUnter,
    Drucken,
    Ausschneiden,
    Kopieren,
    Einfuegen,
    Mischwasser,
    Temperatur,
    Zugabe,
    Entsaeuerung,
    Entcarbonisierung,
    Korrosion,
    GrafikPh,
    GrafikSi,
};
inline constexpr std::size_t commandCount = std::size_t(Command::GrafikSi) + 1;

/// A command's new state; a caption and status-bar text where they change with it.
struct CommandState {
    bool enabled = false;
    QString text;      ///< empty: the caption stays
    QString statusTip; ///< empty: the status-bar text stays

    bool operator==(const CommandState&) const = default;
};

/// What an event does to each command; an empty entry leaves the command as it is.
using CommandChanges = std::array<std::optional<CommandState>, commandCount>;

/// The commands when no window has been active yet: everything that needs a window off.
CommandChanges commandsAtStart();
/// A result window of `type` becomes active; nullptr stands for the chart window.
CommandChanges commandsOnActivation(const WindowType* type);
/// A result window of `type` closes; nullptr stands for the chart window.
CommandChanges commandsOnClosing(const WindowType* type);

} // namespace velmora
