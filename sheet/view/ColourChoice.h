#pragma once

#include <QColor>

class QComboBox;

namespace velmora::sheet {

/// Fills a colour list with the 16 colours (after "Keine" where a colour may be absent), each with its
/// swatch and the colour as its data, and chooses `current` (added when it is none of them).
void fillColours(QComboBox* box, bool withNone, const QColor& current);

} // namespace velmora::sheet
