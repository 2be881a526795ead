#pragma once

#include "sheet/model/Workbook.h"

#include <QByteArray>

namespace velmora::sheet {

enum class BiffVersion { Biff5, Biff8 };

/// The workbook stream of an ".xls" file: every sheet with its cell texts (plain numbers as numbers,
/// shown with the same decimals), fonts, alignment, fill, borders, column widths, row heights, hidden
/// lines and merged ranges. BIFF5 texts are code page 1252 and at most 255 characters.
QByteArray writeBiffStream(const Workbook& workbook, BiffVersion version);

/// The whole ".xls" file: the workbook stream inside an OLE2 compound file.
QByteArray writeXls(const Workbook& workbook, BiffVersion version);

} // namespace velmora::sheet
