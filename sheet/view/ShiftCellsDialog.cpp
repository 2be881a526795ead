#include "sheet/view/ShiftCellsDialog.h"

#include "ui_ShiftCellsDialog.h"

namespace velmora::sheet {

ShiftCellsDialog::ShiftCellsDialog(bool deleting, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ShiftCellsDialog>()) {
    m_ui->setupUi(this);
    if (deleting) {
        setWindowTitle(QStringLiteral("Zellen löschen"));
        m_ui->seitwaerts->setText(QStringLiteral("Zellen nach &links verschieben"));
        m_ui->abwaerts->setText(QStringLiteral("Zellen nach &oben verschieben"));
    }
}

ShiftCellsDialog::~ShiftCellsDialog() = default;

ShiftCellsDialog::Choice ShiftCellsDialog::choice() const {
    return m_ui->seitwaerts->isChecked()   ? Choice::Sideways
           : m_ui->abwaerts->isChecked()   ? Choice::Downwards
           : m_ui->ganzeZeile->isChecked() ? Choice::WholeRows
                                           : Choice::WholeColumns;
}

} // namespace velmora::sheet
