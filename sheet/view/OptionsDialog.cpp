#include "sheet/view/OptionsDialog.h"

#include "ui_OptionsDialog.h"

namespace velmora::sheet {

OptionsDialog::OptionsDialog(const EditingOptions& options, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::OptionsDialog>()) {
    m_ui->setupUi(this);
    m_ui->verschieben->setChecked(options.moveAfterEnter);
    m_ui->richtung->setCurrentIndex(int(options.direction));
    m_ui->richtung->setEnabled(options.moveAfterEnter);
    connect(m_ui->verschieben, &QCheckBox::toggled, m_ui->richtung, &QWidget::setEnabled);
    m_ui->inZelleBearbeiten->setChecked(options.editInCell);
    m_ui->automatischBerechnen->setChecked(options.automaticRecalculation);
}

OptionsDialog::~OptionsDialog() = default;

EditingOptions OptionsDialog::options() const {
    return {m_ui->verschieben->isChecked(), EditingOptions::Direction(m_ui->richtung->currentIndex()),
            m_ui->inZelleBearbeiten->isChecked(), m_ui->automatischBerechnen->isChecked()};
}

} // namespace velmora::sheet
