#include "app/CommandEnabling.h"

#include "windows/WindowType.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

// One row per active window: Schliessen, SpeichernUnter, Drucken, Ausschneiden, Kopieren, Einfuegen,
// Mischwasser, Temperatur, Zugabe, Entsaeuerung, Entcarbonisierung, Korrosion, GrafikPh, GrafikSi;
// then the captions of "pH" and "SI".
struct ActivationRow {
    const char* window;
    std::array<int, commandCount> enabled;
    const char* ph;
    const char* si;
};

const ActivationRow activationRows[] = {
    {"Wasserfenster", {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}, "pH", "SI"},
    {"Mischwasserfenster", {1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 1, 1}, "pH bei tb", "SI bei tb"},
    {"Temperaturfenster", {1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1}, "pH = F(tb)", "SI = F(tb)"},
    {"Schnellentcarbonisierungsfenster", {1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}, "pH", "SI"},
    {"H-Entcarbonisierungsfenster", {1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}, "pH", "SI"},
    {"Enthärtungsfenster", {1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}, "pH", "SI"},
    {"Korrosionsfenster", {1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0}, "pH", "SI"},
    {"Aktivkohlefenster", {1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}, "pH", "SI"},
    {"Enteisenungsfenster", {1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}, "pH", "SI"},
    {"Sandfilter-Fenster", {1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}, "pH", "SI"},
    // The chart window closes and prints, and nothing else.
    {nullptr, {1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "pH", "SI"},
};

// Closing: the window commands off, "pH" and "SI" reset; a water or mixing window also takes the
// calculations with it (-1: the command keeps its state).
struct ClosingRow {
    const char* window;
    std::array<int, commandCount> enabled;
};

const ClosingRow closingRows[] = {
    {"Wasserfenster", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"Mischwasserfenster", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"Temperaturfenster", {0, 0, 0, 0, 0, 0, -1, -1, -1, -1, -1, -1, 0, 0}},
    {"Schnellentcarbonisierungsfenster", {0, 0, 0, 0, 0, 0, -1, -1, -1, -1, -1, -1, 0, 0}},
    {"H-Entcarbonisierungsfenster", {0, 0, 0, 0, 0, 0, -1, -1, -1, -1, -1, -1, 0, 0}},
    {"Enthärtungsfenster", {0, 0, 0, 0, 0, 0, -1, -1, -1, -1, -1, -1, 0, 0}},
    {"Korrosionsfenster", {0, 0, 0, 0, 0, 0, -1, -1, -1, -1, -1, -1, 0, 0}},
    {"Aktivkohlefenster", {0, 0, 0, 0, 0, 0, -1, -1, -1, -1, -1, -1, 0, 0}},
    {"Enteisenungsfenster", {0, 0, 0, 0, 0, 0, -1, -1, -1, -1, -1, -1, 0, 0}},
    {"Sandfilter-Fenster", {0, 0, 0, 0, 0, 0, -1, -1, -1, -1, -1, -1, 0, 0}},
    {nullptr, {0, 0, 0, 0, 0, 0, -1, -1, -1, -1, -1, -1, 0, 0}},
};

const WindowType* typeNamed(const char* kindName) {
    if (!kindName)
        return nullptr;
    for (const WindowType& type : windowTypes)
        if (type.name() == QString::fromUtf8(kindName))
            return &type;
    ADD_FAILURE() << "no window type " << kindName;
    return nullptr;
}

} // namespace

TEST(CommandEnabling, ActivationFollowsTheTableForEveryWindowType) {
    ASSERT_EQ(std::size(activationRows), windowTypes.size() + 1);
    for (const ActivationRow& row : activationRows) {
        const std::string window = row.window ? row.window : "chart window";
        const CommandChanges changes = commandsOnActivation(typeNamed(row.window));
        for (std::size_t command = 0; command < commandCount; ++command) {
            ASSERT_TRUE(changes[command].has_value()) << window << ", command " << command;
            EXPECT_EQ(changes[command]->enabled, row.enabled[command] == 1)
                << window << ", command " << command;
        }
        EXPECT_EQ(changes[std::size_t(Command::GrafikPh)]->text, QString::fromUtf8(row.ph)) << window;
        EXPECT_EQ(changes[std::size_t(Command::GrafikSi)]->text, QString::fromUtf8(row.si)) << window;
    }
}

TEST(CommandEnabling, ClosingFollowsTheTableForEveryWindowType) {
    ASSERT_EQ(std::size(closingRows), windowTypes.size() + 1);
    for (const ClosingRow& row : closingRows) {
        const std::string window = row.window ? row.window : "chart window";
        const CommandChanges changes = commandsOnClosing(typeNamed(row.window));
        for (std::size_t command = 0; command < commandCount; ++command) {
            if (row.enabled[command] < 0) {
                EXPECT_FALSE(changes[command].has_value()) << window << ", command " << command;
                continue;
            }
            ASSERT_TRUE(changes[command].has_value()) << window << ", command " << command;
            EXPECT_EQ(changes[command]->enabled, row.enabled[command] == 1)
                << window << ", command " << command;
        }
        EXPECT_EQ(changes[std::size_t(Command::GrafikPh)]->text, QStringLiteral("pH")) << window;
    }
}

TEST(CommandEnabling, ChartCommandsCarryTheStatusTextsOfTheirWindow) {
    const CommandChanges mixing = commandsOnActivation(&windowTypeOf(WindowKind::Mixing));
    EXPECT_EQ(mixing[std::size_t(Command::GrafikPh)]->statusTip,
              QStringLiteral("pH-Wert bei Bewertungstemperatur"));
    EXPECT_EQ(mixing[std::size_t(Command::GrafikSi)]->statusTip,
              QStringLiteral("Sättigungsindex bei Bewertungstemperatur"));
    const CommandChanges temperature = commandsOnActivation(&windowTypeOf(WindowKind::Temperature));
    EXPECT_EQ(temperature[std::size_t(Command::GrafikPh)]->statusTip,
              QStringLiteral("pH-Wert als Funktion der Bewertungstemperatur"));
    const CommandChanges water = commandsOnActivation(&windowTypeOf(WindowKind::Water));
    EXPECT_EQ(water[std::size_t(Command::GrafikSi)]->statusTip,
              QStringLiteral("SI bei tb/als Funktion von tb"));
    for (const std::optional<CommandState>& state : commandsAtStart())
        EXPECT_FALSE(state && state->enabled);
}
