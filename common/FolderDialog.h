#pragma once

#include <QDialog>

class QFileDialog;

namespace velmora {

/// The folder browser: a prompt above the desktop's file dialog, which shows folders only.
class FolderDialog : public QDialog {
    Q_OBJECT
public:
    FolderDialog(QWidget* parent, const QString& caption, const QString& prompt, const QString& start);

    /// The folder chosen; empty until the user confirms one.
    QString chosenDirectory() const { return m_chosen; }
    QFileDialog* browser() const { return m_browser; }

private:
    QFileDialog* m_browser;
    QString m_chosen;
};

} // namespace velmora
