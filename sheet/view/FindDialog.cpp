#include "sheet/view/FindDialog.h"

#include "ui_FindDialog.h"

namespace velmora::sheet {

FindDialog::FindDialog(bool replacing, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::FindDialog>()) {
    m_ui->setupUi(this);
    setWindowTitle(replacing ? QStringLiteral("Ersetzen") : QStringLiteral("Suchen"));
    m_ui->ersetzen->setVisible(replacing);
    m_ui->ersetzenBeschriftung->setVisible(replacing);
    m_ui->alleErsetzen->setVisible(replacing);
    connect(m_ui->weiter, &QPushButton::clicked, this, &FindDialog::findNextRequested);
    connect(m_ui->alleErsetzen, &QPushButton::clicked, this, &FindDialog::replaceAllRequested);
}

FindDialog::~FindDialog() = default;

FindOptions FindDialog::options() const {
    return {m_ui->suchen->text(), m_ui->grossKlein->isChecked(), m_ui->ganzeZelle->isChecked(),
            m_ui->spaltenweise->isChecked()};
}

QString FindDialog::replacement() const {
    return m_ui->ersetzen->text();
}

void FindDialog::showMessage(const QString& message) {
    m_ui->meldung->setText(message);
}

} // namespace velmora::sheet
