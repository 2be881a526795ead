#pragma once

#include "common/DialogSeam.h"

namespace velmora {

/// A message box of the program, titled "Velmora", through the dialog seam.
inline DialogSeam::Answer programMessage(QWidget* parent, DialogSeam::Icon icon, const QString& text,
                                         DialogSeam::Buttons buttons = DialogSeam::Buttons::Ok) {
    return dialogs().message(parent, icon, QStringLiteral("Velmora"), text, buttons);
}

} // namespace velmora
