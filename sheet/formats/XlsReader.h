#pragma once

#include "sheet/model/Workbook.h"

#include <QByteArray>

namespace velmora::sheet {

/// Whether a file's bytes are an ".xls" workbook: a compound file, or a plain BIFF2 to BIFF4 stream.
bool looksLikeXls(QByteArrayView bytes);

/// Reads an ".xls" file's bytes: the workbook stream of a compound file ("Workbook" for BIFF8, "Book"
/// for BIFF5), or a plain stream. Returns the file-type code (4 for BIFF5 and older, 11 for BIFF8);
/// throws SheetError for anything else, a damaged file or one beyond the component's limits.
Workbook readXls(const QByteArray& file, int& code);

} // namespace velmora::sheet
