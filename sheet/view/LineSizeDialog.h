#pragma once

#include <memory>
#include <QDialog>

namespace Ui {
class LineSizeDialog;
}

namespace velmora::sheet {

/// One size in pixels: a row height, a column width or the defaults of either.
class LineSizeDialog : public QDialog {
    Q_OBJECT
public:
    LineSizeDialog(const QString& caption, const QString& label, double size, QWidget* parent = nullptr);
    ~LineSizeDialog() override;

    double size() const;

private:
    std::unique_ptr<Ui::LineSizeDialog> m_ui;
};

} // namespace velmora::sheet
