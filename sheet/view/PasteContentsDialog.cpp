#include "sheet/view/PasteContentsDialog.h"

#include "ui_PasteContentsDialog.h"

namespace velmora::sheet {

PasteContentsDialog::PasteContentsDialog(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::PasteContentsDialog>()) {
    m_ui->setupUi(this);
}

PasteContentsDialog::~PasteContentsDialog() = default;

PasteKind PasteContentsDialog::kind() const {
    return m_ui->werte->isChecked()     ? PasteKind::Values
           : m_ui->formate->isChecked() ? PasteKind::Formats
           : m_ui->formeln->isChecked() ? PasteKind::Formulas
                                        : PasteKind::All;
}

bool PasteContentsDialog::transpose() const {
    return m_ui->transponieren->isChecked();
}

} // namespace velmora::sheet
