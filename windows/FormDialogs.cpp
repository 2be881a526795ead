#include "windows/FormDialogs.h"

#include <QWidget>

namespace velmora {

void tell(QWidget* dialog, const FormMessage& message) {
    if (message.text.isEmpty())
        return; // nothing to say: the inputs make no calculation
    dialogs().message(dialog, message.icon, QStringLiteral("Velmora"), message.text);
    if (message.focus.isEmpty())
        return;
    if (auto* control = dialog->findChild<QWidget*>(message.focus))
        control->setFocus();
}

} // namespace velmora
