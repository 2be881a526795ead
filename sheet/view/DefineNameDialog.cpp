#include "sheet/view/DefineNameDialog.h"

#include "sheet/edit/WorkbookDocument.h"
#include "sheet/model/SheetError.h"
#include "ui_DefineNameDialog.h"

namespace velmora::sheet {

DefineNameDialog::DefineNameDialog(std::map<QString, QString> names, const QString& reference,
                                   QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::DefineNameDialog>()), m_names(std::move(names)) {
    m_ui->setupUi(this);
    m_ui->bezug->setText(reference);
    showNames();
    connect(m_ui->namen, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (const auto it = m_names.find(name); it != m_names.end()) {
            m_ui->name->setText(name);
            m_ui->bezug->setText(it->second);
        }
    });
    connect(m_ui->hinzufuegen, &QPushButton::clicked, this, &DefineNameDialog::addTyped);
    connect(m_ui->loeschen, &QPushButton::clicked, this, &DefineNameDialog::removeChosen);
}

DefineNameDialog::~DefineNameDialog() = default;

void DefineNameDialog::showNames() {
    m_ui->namen->clear();
    for (const auto& entry : m_names)
        m_ui->namen->addItem(entry.first);
}

bool DefineNameDialog::addTyped() {
    const QString name = m_ui->name->text().trimmed();
    try {
        m_names[name] = definedNameTarget(name, m_ui->bezug->text().trimmed());
    } catch (const SheetError& error) {
        m_ui->meldung->setText(error.message());
        return false;
    }
    m_ui->meldung->clear();
    showNames();
    return true;
}

void DefineNameDialog::removeChosen() {
    if (const QListWidgetItem* item = m_ui->namen->currentItem()) {
        m_names.erase(item->text());
        m_ui->name->clear();
        showNames();
    }
}

void DefineNameDialog::accept() {
    if (m_ui->name->text().trimmed().isEmpty() || addTyped())
        QDialog::accept();
}

} // namespace velmora::sheet
