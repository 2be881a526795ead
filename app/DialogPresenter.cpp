#include "app/DialogPresenter.h"

#include <QDialog>

namespace velmora {

DialogPresenter::DialogPresenter(std::function<void(bool enabled)> setFrameEnabled, QObject* parent)
    : QObject(parent), m_setFrameEnabled(std::move(setFrameEnabled)) {}

void DialogPresenter::show(QDialog& dialog) {
    m_setFrameEnabled(false);
    connect(
        &dialog, &QDialog::finished, this, [this] { m_setFrameEnabled(true); }, Qt::SingleShotConnection);
    dialog.show();
}

} // namespace velmora
