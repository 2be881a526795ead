#pragma once

#include <memory>
#include <QDialog>

namespace Ui {
class GoToDialog;
}

namespace velmora::sheet {

/// "Gehe zu": a reference typed, or a defined name chosen from the list.
class GoToDialog : public QDialog {
    Q_OBJECT
public:
    GoToDialog(const QStringList& names, QWidget* parent = nullptr);
    ~GoToDialog() override;

    QString reference() const;

private:
    std::unique_ptr<Ui::GoToDialog> m_ui;
};

} // namespace velmora::sheet
