#pragma once

#include <memory>
#include <QDialog>

namespace Ui {
class DefaultFontDialog;
}

namespace velmora::sheet {

/// "Standardschrift": the font family and size of the workbook's default style.
class DefaultFontDialog : public QDialog {
    Q_OBJECT
public:
    DefaultFontDialog(const QString& family, double size, QWidget* parent = nullptr);
    ~DefaultFontDialog() override;

    QString family() const;
    double size() const;

private:
    std::unique_ptr<Ui::DefaultFontDialog> m_ui;
};

} // namespace velmora::sheet
