#pragma once

#include "app/IniFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace velmora {

struct WindowType;

/// A file type the program makes known to the desktop.
struct FileType {
    const char16_t* extension;   ///< with its dot
    const char16_t* typeName;    ///< the type's name, also the last part of its MIME type
    const char16_t* description; ///< shown by file managers
    bool openedByDesigner;       ///< workbooks open in the designer, every other type in Velmora
};

/// The ten data-file types of the window types, then desktops, projects and workbooks, in registration
/// order.
QList<FileType> fileTypes();

/// The filters of the "Öffnen" dialog: all types, then each type.
QString openDialogFilters();

/// The filters of "Speichern unter" for a window type: its data file, then the five exports.
QStringList saveDialogFilters(const WindowType& type);
/// The extension, with its dot, of the entry `filterIndex` (from 1) of those filters.
QString saveFilterExtension(const WindowType& type, int filterIndex);

/// The MIME type of a file type, e.g. "application/x-velmora-gleichgewicht".
QString mimeType(const FileType& type);

/// The shared-mime-info package: one MIME type per file type, with its description and glob.
QByteArray mimePackage();
/// Velmora's application entry, which the desktop starts as `executable` with the file to open.
QByteArray desktopEntry(const QString& executable);

/// Writes the desktop's MIME package and the application entries of Velmora and of the designer beside
/// it below `dataHome` ($XDG_DATA_HOME) and refreshes the desktop's databases where their tools exist.
/// False when a file could not be written.
bool registerFileTypes(const QString& dataHome, const QString& programDirectory);

/// Registers the file types unless [Registrierung] "Wert" is "1", then sets it. False on failure, which
/// leaves the flag unset so that the next start tries again.
bool ensureFileTypesRegistered(const IniFile& profile, const QString& dataHome,
                               const QString& programDirectory);

} // namespace velmora
