#pragma once

#include "variations/FormMessage.h"

class QWidget;

namespace velmora {

/// Shows a form's message over `dialog`; the focus goes to `nameEdit` when the message is about it.
void tell(QWidget* dialog, const FormMessage& message, QWidget* nameEdit);

} // namespace velmora
