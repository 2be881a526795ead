#pragma once

#include "sheet/model/CellStyle.h"

#include <memory>
#include <QDialog>

namespace Ui {
class FormatCellsDialog;
}

namespace velmora::sheet {

/// The dialog "Zellen formatieren": number format by category with samples, alignment, font, borders,
/// fill and protection. It starts from the active cell's style; applied to other cells it changes only what
/// the user changed, so that a selection of different looks keeps the rest of each.
class FormatCellsDialog : public QDialog {
    Q_OBJECT
public:
    /// `now` is shown by the date and time formats (a serial day).
    FormatCellsDialog(const CellStyle& current, double now, QWidget* parent = nullptr);
    ~FormatCellsDialog() override;

    /// `style` with the changes made in the dialog.
    CellStyle applied(CellStyle style) const;

private:
    void showCategory(int category);
    CellStyle edited() const;

    std::unique_ptr<Ui::FormatCellsDialog> m_ui;
    CellStyle m_current;
    double m_now;
};

} // namespace velmora::sheet
