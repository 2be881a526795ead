#pragma once

#include "sheet/edit/CellBlock.h"

#include <memory>
#include <QDialog>

namespace Ui {
class PasteContentsDialog;
}

namespace velmora::sheet {

/// "Inhalte einfügen": all, values, formats or formulas, and whether rows and columns swap.
class PasteContentsDialog : public QDialog {
    Q_OBJECT
public:
    explicit PasteContentsDialog(QWidget* parent = nullptr);
    ~PasteContentsDialog() override;

    PasteKind kind() const;
    bool transpose() const;

private:
    std::unique_ptr<Ui::PasteContentsDialog> m_ui;
};

} // namespace velmora::sheet
