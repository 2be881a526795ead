#pragma once

#include <map>
#include <memory>
#include <QDialog>

namespace Ui {
class DefineNameDialog;
}

namespace velmora::sheet {

/// "Namen festlegen": the workbook's defined names, added, changed and deleted in the dialog; OK keeps
/// them, with the name typed last added. A name or reference that is none is told in the dialog.
class DefineNameDialog : public QDialog {
    Q_OBJECT
public:
    /// `reference` is what a new name refers to at first (the selection).
    DefineNameDialog(std::map<QString, QString> names, const QString& reference, QWidget* parent = nullptr);
    ~DefineNameDialog() override;

    const std::map<QString, QString>& names() const { return m_names; }

    void accept() override;

private:
    /// Adds or changes the typed name; false (and the reason shown) when it cannot be.
    bool addTyped();
    void removeChosen();
    void showNames();

    std::unique_ptr<Ui::DefineNameDialog> m_ui;
    std::map<QString, QString> m_names;
};

} // namespace velmora::sheet
