#pragma once

#include "windows/FormMessage.h"

class QWidget;

namespace velmora {

/// Shows a form's message over `dialog` and moves the focus to the control it names.
void tell(QWidget* dialog, const FormMessage& message);

/// The form's questions as confirmation boxes over `dialog`, with the buttons Yes and No.
Confirmation confirmationOver(QWidget* dialog);

} // namespace velmora
