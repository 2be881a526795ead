#include "windows/RadioGroup.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>

namespace velmora {

QButtonGroup* radioGroupOf(QGroupBox* box) {
    auto* group = new QButtonGroup(box);
    for (int item = 0;; ++item) {
        auto* button = box->findChild<QRadioButton*>(box->objectName() + QStringLiteral("Item%1").arg(item));
        if (!button)
            return group;
        group->addButton(button, item);
    }
}

} // namespace velmora
