#pragma once

#include "sheet/model/Workbook.h"

#include <QByteArray>

namespace velmora::sheet {

/// Code 9: one HTML document in UTF-8 with a table per sheet, styles inline, merged cells as spans.
QByteArray writeHtml(const Workbook& workbook);

} // namespace velmora::sheet
