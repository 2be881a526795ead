#pragma once

#include "ui_TInfoBox.h"

#include <QDialog>

namespace velmora {

/// The about box: logo, version, the maker's notice and two links, blue and red under the mouse.
class TInfoBox : public QDialog {
    Q_OBJECT
public:
    explicit TInfoBox(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setLinkColour(QLabel* link, const char* colour);

    Ui::TInfoBox m_ui;
};

} // namespace velmora
