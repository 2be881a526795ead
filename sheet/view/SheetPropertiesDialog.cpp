#include "sheet/view/SheetPropertiesDialog.h"

#include "ui_SheetPropertiesDialog.h"

namespace velmora::sheet {

SheetPropertiesDialog::SheetPropertiesDialog(const SheetProperties& properties, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::SheetPropertiesDialog>()) {
    m_ui->setupUi(this);
    m_ui->name->setMaxLength(31);
    m_ui->name->setText(properties.name);
    m_ui->gitternetz->setChecked(properties.gridlines);
    m_ui->koepfe->setChecked(properties.headings);
    m_ui->blattregister->setChecked(properties.tabs);
}

SheetPropertiesDialog::~SheetPropertiesDialog() = default;

SheetProperties SheetPropertiesDialog::properties() const {
    return {m_ui->name->text(), m_ui->gitternetz->isChecked(), m_ui->koepfe->isChecked(),
            m_ui->blattregister->isChecked()};
}

} // namespace velmora::sheet
