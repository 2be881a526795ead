#pragma once

#include "app/IniFile.h"

#include <array>
#include <QString>

namespace velmora {

/// A file type the program makes known to the desktop.
struct FileType {
    const char16_t* extension;   ///< with its dot
    const char16_t* typeName;    ///< the type's name, also the last part of its MIME type
    const char16_t* description; ///< shown by file managers
    bool openedByDesigner;       ///< workbooks open in the designer, every other type in Velmora
    // Data files of result windows only:
    const char16_t* kindName = nullptr;   ///< the window type that shows them
    const char16_t* saveFilter = nullptr; ///< first entry of "Speichern unter"
    const char16_t* openFilter = nullptr; ///< entry of "Öffnen"
};

/// The ten data-file types, desktops, projects and workbooks, in registration order.
extern const std::array<FileType, 13> fileTypes;

/// The data-file type of a window kind; nullptr for a kind without data files.
const FileType* fileTypeOfKind(const QString& kindName);

/// The filters of the "Öffnen" dialog: all types, then each type.
QString openDialogFilters();

/// The filters of "Speichern unter" for a window kind: its data file, then the four exports.
QStringList saveDialogFilters(const QString& kindName);

/// The MIME type of a file type, e.g. "application/x-velmora-gleichgewicht".
QString mimeType(const FileType& type);

/// Writes the desktop's MIME package and application entries for both programs below `dataHome`
/// ($XDG_DATA_HOME) and refreshes the desktop's databases where their tools exist. False when a file
/// could not be written.
bool registerFileTypes(const QString& dataHome, const QString& programDirectory);

/// Registers the file types unless [Registrierung] "Wert" is "1", then sets it. False on failure, which
/// leaves the flag unset so that the next start tries again.
bool ensureFileTypesRegistered(const IniFile& profile, const QString& dataHome,
                               const QString& programDirectory);

} // namespace velmora
