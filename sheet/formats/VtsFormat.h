#pragma once

#include "sheet/model/Workbook.h"

#include <QByteArray>

namespace velmora::sheet {

/// The component's own workbook format (code 12): a versioned XML document in UTF-8 that holds
/// everything the model holds. Described in docs/workbook-format.md. Version 2 added formulas; a workbook
/// without any is written as version 1, which every earlier reader reads.
inline constexpr int vtsVersion = 2;
inline constexpr int vtsVersionWithoutFormulas = 1;

QByteArray writeVts(const Workbook& workbook);
/// Throws SheetError for a document of another version or a damaged one.
Workbook readVts(const QByteArray& document);

} // namespace velmora::sheet
