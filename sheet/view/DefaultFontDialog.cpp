#include "sheet/view/DefaultFontDialog.h"

#include "ui_DefaultFontDialog.h"

namespace velmora::sheet {

DefaultFontDialog::DefaultFontDialog(const QString& family, double size, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::DefaultFontDialog>()) {
    m_ui->setupUi(this);
    // A family this machine lacks is still the workbook's: it stays as typed.
    m_ui->schriftart->setEditable(true);
    m_ui->schriftart->setEditText(family);
    m_ui->groesse->setValue(size);
}

DefaultFontDialog::~DefaultFontDialog() = default;

QString DefaultFontDialog::family() const {
    return m_ui->schriftart->currentText().trimmed();
}

double DefaultFontDialog::size() const {
    return m_ui->groesse->value();
}

} // namespace velmora::sheet
