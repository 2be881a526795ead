#pragma once

#include "sheet/formats/NumberFormats.h"
#include "sheet/model/CellStyle.h"

#include <functional>
#include <QStringList>
#include <vector>

namespace velmora::sheet {
class SheetBook;
}

namespace tabrix {

/// A command on the workbook of the active document.
using BookCommand = std::function<void(velmora::sheet::SheetBook&)>;

/// The style of the current cell: what the format buttons mark.
const velmora::sheet::CellStyle& activeStyle(const velmora::sheet::SheetBook& book);

/// Bold, italic or underline switched for the selection, on where the current cell has it off.
BookCommand toggled(bool velmora::sheet::CellStyle::*attribute, const QString& text);
/// The alignment for the selection, or general again where the current cell has it already.
BookCommand aligned(velmora::sheet::HorizontalAlignment alignment);
/// The selected cells merged, their text centred across them.
void mergeAndCentre(velmora::sheet::SheetBook& book);
BookCommand coloured(const QColor& colour);
BookCommand formatted(const QString& numberFormat);

/// The entries of the font-name box: every family of the display but those named with "@" first; a
/// family for several scripts once per script, as "name (script)".
QStringList fontEntries();
/// The family of an entry of the font-name box.
QString familyOfEntry(const QString& entry);
/// The entries of the font-size box.
const QStringList& fontSizeEntries();
/// The font of the selection; raises SheetError for a family the display does not have or a size that is
/// no number from 1 to 409.
void setFontFamily(velmora::sheet::SheetBook& book, const QString& entry);
void setFontSize(velmora::sheet::SheetBook& book, const QString& entry);

/// The list under a number-format button: each format code with its sample, as the list shows it.
struct NumberFormatEntry {
    QString code;
    QString sample;
};
std::vector<NumberFormatEntry> numberFormatEntries(velmora::sheet::NumberCategory category, double now,
                                                   const QLocale& locale);

} // namespace tabrix
