#pragma once

#include <memory>
#include <QDialog>

namespace Ui {
class ShiftCellsDialog;
}

namespace velmora::sheet {

/// "Zellen einfügen" and "Zellen löschen": which way the neighbours move, or whole rows or columns.
class ShiftCellsDialog : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Sideways, Downwards, WholeRows, WholeColumns };

    ShiftCellsDialog(bool deleting, QWidget* parent = nullptr);
    ~ShiftCellsDialog() override;

    Choice choice() const;

private:
    std::unique_ptr<Ui::ShiftCellsDialog> m_ui;
};

} // namespace velmora::sheet
