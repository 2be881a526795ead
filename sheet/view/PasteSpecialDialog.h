#pragma once

#include "sheet/edit/CellBlock.h"

#include <memory>
#include <QDialog>

namespace Ui {
class PasteSpecialDialog;
}

namespace velmora::sheet {

/// "Inhalte einfügen": all, values, formats or formulas, and whether rows and columns swap.
class PasteSpecialDialog : public QDialog {
    Q_OBJECT
public:
    explicit PasteSpecialDialog(QWidget* parent = nullptr);
    ~PasteSpecialDialog() override;

    PasteKind kind() const;
    bool transpose() const;

private:
    std::unique_ptr<Ui::PasteSpecialDialog> m_ui;
};

} // namespace velmora::sheet
