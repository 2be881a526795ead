#include "common/FolderDialog.h"

#include <QFileDialog>
#include <QLabel>
#include <QVBoxLayout>

namespace velmora {

FolderDialog::FolderDialog(QWidget* parent, const QString& caption, const QString& prompt,
                           const QString& start)
    : QDialog(parent), m_browser(new QFileDialog(this, caption, start)) {
    setWindowTitle(caption);
    auto* label = new QLabel(prompt, this);
    label->setObjectName(QStringLiteral("prompt"));
    label->setWordWrap(true);
    // Qt's own file dialog, not the platform's: only it can sit inside this one below the prompt.
    m_browser->setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    m_browser->setFileMode(QFileDialog::Directory);
    m_browser->setWindowFlags(Qt::Widget);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_browser);
    connect(m_browser, &QFileDialog::fileSelected, this, [this](const QString& directory) {
        m_chosen = directory;
        accept();
    });
    connect(m_browser, &QFileDialog::rejected, this, &QDialog::reject);
}

} // namespace velmora
