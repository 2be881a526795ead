#pragma once

#include <QString>
#include <vector>

namespace tabrix {

/// The extension a document of a file-type code is named with (".vts", ".xls", ".htm", ".txt", ".xlsx");
/// empty for an unknown code.
QString extensionOfCode(int code);

/// The formats a document can be saved in, as the save dialog offers them.
struct SaveFormat {
    int code;
    QString filter; ///< "Quillmark Tabrix 6.0 Workbook (*.vts)", translated where it is shown
};
const std::vector<SaveFormat>& saveFormats();

/// The name Save As proposes: the document's path, or for a document without one its title cut at the
/// first blank, "#", "%", ";", "/" or "\"; either without the extension of `code`.
QString proposedSaveName(const QString& path, const QString& title, int code);

/// The path a document saved in `code` takes: ".xls" appended to an Excel document's path that does not
/// end in it, ".vts" to a native one's.
QString savedPath(const QString& path, int code);

} // namespace tabrix
