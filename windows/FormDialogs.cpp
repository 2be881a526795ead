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

Confirmation confirmationOver(QWidget* dialog) {
    return [dialog](const QString& question) {
        return dialogs().message(dialog, DialogSeam::Icon::Confirmation, QStringLiteral("Velmora"), question,
                                 DialogSeam::Buttons::YesNo) == DialogSeam::Answer::Yes;
    };
}

} // namespace velmora
