#include "sheet/view/GoToDialog.h"

#include "ui_GoToDialog.h"

namespace velmora::sheet {

GoToDialog::GoToDialog(const QStringList& names, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::GoToDialog>()) {
    m_ui->setupUi(this);
    m_ui->namen->addItems(names);
    connect(m_ui->namen, &QListWidget::currentTextChanged, m_ui->bezug, &QLineEdit::setText);
    connect(m_ui->namen, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

GoToDialog::~GoToDialog() = default;

QString GoToDialog::reference() const {
    return m_ui->bezug->text().trimmed();
}

} // namespace velmora::sheet
