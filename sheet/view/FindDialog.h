#pragma once

#include "sheet/edit/FindReplace.h"

#include <memory>
#include <QDialog>

namespace Ui {
class FindDialog;
}

namespace velmora::sheet {

/// "Suchen" and "Ersetzen": the text, how it matches, and the buttons that find the next cell or replace
/// in all; what the buttons do is the owner's, which reports back with showMessage().
class FindDialog : public QDialog {
    Q_OBJECT
public:
    FindDialog(bool replacing, QWidget* parent = nullptr);
    ~FindDialog() override;

    FindOptions options() const;
    QString replacement() const;
    void showMessage(const QString& message);

Q_SIGNALS:
    void findNextRequested();
    void replaceAllRequested();

private:
    std::unique_ptr<Ui::FindDialog> m_ui;
};

} // namespace velmora::sheet
