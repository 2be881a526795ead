#include "variations/FormDialogs.h"

#include <QWidget>

namespace velmora {

void tell(QWidget* dialog, const FormMessage& message, QWidget* nameEdit) {
    if (message.text.isEmpty())
        return; // nothing to say: the inputs make no calculation
    dialogs().message(dialog, message.icon, QStringLiteral("Velmora"), message.text);
    if (message.aboutName)
        nameEdit->setFocus();
}

} // namespace velmora
