#pragma once

#include "app/RecentFiles.h"

#include <QObject>

class QMenu;

namespace velmora {

class THauptfenster;

/// The main window's data-file handling: the "Öffnen" dialog, opening a data file by path (where every
/// open ends), "Speichern unter" and the recent-files list.
class DataFileCommands : public QObject {
    Q_OBJECT
public:
    DataFileCommands(THauptfenster& frame, QMenu& recentMenu);

    RecentFiles& recentFiles() { return m_recent; }

    /// "Öffnen...": every chosen file in the order the dialog returns them.
    void openFiles();
    /// Opens a data file in a new window of its type; an open file's window is activated instead. Names
    /// without a data-file extension and missing files are ignored.
    void OpenDataFile(const QString& path, bool addToRecentFiles = true);
    /// "Speichern unter..." for the active result window; true when the user confirmed the dialog.
    bool saveActiveWindowAs();
    void updateRecentFilesMenu();

private:
    THauptfenster& m_frame;
    QMenu& m_recentMenu;
    RecentFiles m_recent;
    int m_saveFilterIndex = 1; ///< the entry chosen last in "Speichern unter", for every window type
};

} // namespace velmora
