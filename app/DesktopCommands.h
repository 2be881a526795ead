#pragma once

#include <QObject>

namespace velmora {

class THauptfenster;

/// "Desktop &speichern" and "Desktop &laden": which data files are open, where their windows lie and how
/// far each sheet is scrolled, with the main window's placement, written to and restored from a desktop
/// file (".wdt").
class DesktopCommands : public QObject {
    Q_OBJECT
public:
    explicit DesktopCommands(THauptfenster& frame);

    void saveDesktop();
    /// Asks whether the open windows close first, then restores the desktop the user chooses.
    void loadDesktop();
    /// Restores the desktop file `path`; a file that cannot be opened restores nothing.
    void restoreDesktop(const QString& path);

private:
    THauptfenster& m_frame;
};

} // namespace velmora
