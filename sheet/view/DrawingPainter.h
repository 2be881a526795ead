#pragma once

#include "sheet/model/Sheet.h"

class QPainter;

namespace velmora::sheet {

/// Paints one drawing object of `sheet` in sheet coordinates: shapes, form controls as they look at rest,
/// charts over their cells.
void paintDrawing(QPainter& painter, const DrawingObject& object, const Sheet& sheet);

} // namespace velmora::sheet
