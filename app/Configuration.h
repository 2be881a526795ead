#pragma once

#include "app/IniFile.h"

#include <QRect>
#include <QString>

namespace velmora {

/// "velmora.ini" and "mru.ini" in the user's configuration directory.
IniFile programProfile();
IniFile recentFilesProfile();

/// The program's directories: the program directory with a trailing "/", the others without.
struct Directories {
    QString program;
    QString data;
    QString projects;
};

/// Reads the data and project directories; one that is blank or missing falls back to "Daten" or
/// "Projekte" below the program directory if that exists, else to the program directory, and the
/// fallback is written back. An installed program's directory is not the user's to write: then
/// `userDirectory` (with a trailing "/", e.g. ~/Velmora/) stands in for it, and its "Daten" and "Projekte"
/// are made. An empty `userDirectory` keeps the program directory in any case.
Directories resolveDirectories(const IniFile& profile, const QString& programDirectory,
                               const QString& userDirectory = {});

/// Window and explorer placement as stored in [Fenster], [Explorer] and [System].
struct Placement {
    bool maximized = true;
    QRect normalGeometry{1, 1, 800, 600};
    bool explorerVisible = true;
    int explorerWidth = 185;
    bool filesTabActive = false; ///< the explorer tab "Dateien" rather than "Projekte"
    bool minimizeToTray = false;
};

inline constexpr int minExplorerWidth = 50;
inline constexpr int maxExplorerWidth = 337;

Placement readPlacement(const IniFile& profile);
/// Writes what closing the main window writes: the state always, the geometry only while normal.
void writePlacement(const IniFile& profile, const Placement& placement);

} // namespace velmora
