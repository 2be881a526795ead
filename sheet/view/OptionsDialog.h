#pragma once

#include "sheet/view/EditingOptions.h"

#include <memory>
#include <QDialog>

namespace Ui {
class OptionsDialog;
}

namespace velmora::sheet {

/// "Optionen": where Enter moves, where cells are edited, and when formulas are computed.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionsDialog(const EditingOptions& options, QWidget* parent = nullptr);
    ~OptionsDialog() override;

    EditingOptions options() const;

private:
    std::unique_ptr<Ui::OptionsDialog> m_ui;
};

} // namespace velmora::sheet
