#include "sheet/view/LineSizeDialog.h"

#include "ui_LineSizeDialog.h"

namespace velmora::sheet {

LineSizeDialog::LineSizeDialog(const QString& caption, const QString& label, double size, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::LineSizeDialog>()) {
    m_ui->setupUi(this);
    setWindowTitle(caption);
    m_ui->groesseBeschriftung->setText(label);
    m_ui->groesse->setValue(size);
    m_ui->groesse->selectAll();
}

LineSizeDialog::~LineSizeDialog() = default;

double LineSizeDialog::size() const {
    return m_ui->groesse->value();
}

} // namespace velmora::sheet
