#pragma once

#include "sheet/edit/WorkbookDocument.h"

#include <memory>
#include <QDialog>

namespace Ui {
class SheetPropertiesDialog;
}

namespace velmora::sheet {

/// "Tabelleneigenschaften": the sheet's name, its gridlines and headings, the workbook's tabs.
class SheetPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    explicit SheetPropertiesDialog(const SheetProperties& properties, QWidget* parent = nullptr);
    ~SheetPropertiesDialog() override;

    SheetProperties properties() const;

private:
    std::unique_ptr<Ui::SheetPropertiesDialog> m_ui;
};

} // namespace velmora::sheet
