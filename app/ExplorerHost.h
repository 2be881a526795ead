#pragma once

#include <QList>
#include <QString>

namespace velmora {

class TMDIChild;

/// What the explorer panel needs of the main window around it.
class ExplorerHost {
public:
    virtual ~ExplorerHost() = default;

    /// Where the project files live, and the data directory; both without a trailing "/".
    virtual QString projectDirectory() const = 0;
    virtual QString dataDirectory() const = 0;
    /// The directory of the program, with a trailing "/".
    virtual QString programDirectory() const = 0;
    /// Makes `directory` the data directory, in the configuration too.
    virtual void setDataDirectory(const QString& directory) = 0;
    /// Whether any child window is open; the active result window (nullptr when none is active).
    virtual bool hasChildren() const = 0;
    virtual TMDIChild* activeResultWindow() const = 0;
    /// The result windows in window order.
    virtual QList<TMDIChild*> resultWindows() const = 0;
    /// Where every open of the program ends.
    virtual void openDataFile(const QString& path) = 0;
    /// "Speichern &unter..." for the active window; true when the user confirmed the dialog.
    virtual bool saveActiveWindowAs() = 0;
    /// The start page of the help.
    virtual void openHelpStartPage() = 0;
    /// Editing a project name: the panel widens to its largest width and its splitter is locked; when
    /// editing ends, both are restored.
    virtual void setExplorerEditing(bool editing) = 0;
};

} // namespace velmora
