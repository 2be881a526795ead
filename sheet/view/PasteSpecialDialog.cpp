#include "sheet/view/PasteSpecialDialog.h"

#include "ui_PasteSpecialDialog.h"

namespace velmora::sheet {

PasteSpecialDialog::PasteSpecialDialog(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::PasteSpecialDialog>()) {
    m_ui->setupUi(this);
}

PasteSpecialDialog::~PasteSpecialDialog() = default;

PasteKind PasteSpecialDialog::kind() const {
    return m_ui->werte->isChecked()     ? PasteKind::Values
           : m_ui->formate->isChecked() ? PasteKind::Formats
           : m_ui->formeln->isChecked() ? PasteKind::Formulas
                                        : PasteKind::All;
}

bool PasteSpecialDialog::transpose() const {
    return m_ui->transponieren->isChecked();
}

} // namespace velmora::sheet
