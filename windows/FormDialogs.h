#pragma once

#include "windows/FormMessage.h"

class QWidget;

namespace velmora {

/// Shows a form's message over `dialog` and moves the focus to the control it names.
void tell(QWidget* dialog, const FormMessage& message);

} // namespace velmora
