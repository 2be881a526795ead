#pragma once

#include <optional>
#include <QByteArray>
#include <QRect>
#include <QString>
#include <vector>

namespace velmora {

/// A state of work as a desktop file (".wdt") records it: the main window's placement and the data files
/// of the result windows, from the bottom of the window order to the top, with where each lay.
struct Desktop {
    struct Window {
        QString path;
        /// Placement within the workspace and the sheet's first visible row; only for a window in the
        /// normal state.
        std::optional<QRect> geometry;
        int topRow = 0;
    };
    bool mainMaximized = false;
    /// The main window in the normal state; neither this nor maximised for a minimised one.
    std::optional<QRect> mainGeometry;
    std::vector<Window> windows;
};

/// The file: one item per line, a letter and a value, code page 1252, CR LF.
QByteArray desktopText(const Desktop& desktop);

/// One line of a desktop file as a restore reads it: the first character, lower-cased, and the rest. Paths
/// keep their letter case.
struct DesktopLine {
    QChar kind;
    QString value;
};

/// The lines of a desktop file, each cut at 255 characters; blank lines are left out. At most the first
/// 4 MB are read: no desktop is larger.
std::vector<DesktopLine> desktopLines(const QByteArray& content);
inline constexpr qint64 maxDesktopFileSize = 4 << 20;

} // namespace velmora
