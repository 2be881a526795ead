#pragma once

class QButtonGroup;
class QGroupBox;

namespace velmora {

/// The radio buttons "<box>Item0", "<box>Item1", ... of a dialog's radio group box as one button group
/// whose ids are the item numbers. The group is owned by the box.
QButtonGroup* radioGroupOf(QGroupBox* box);

} // namespace velmora
