#pragma once

#include <functional>
#include <QObject>

class QDialog;

namespace velmora {

/// Shows the input dialogs and the about box without making them modal: the main window is disabled
/// while one is shown and enabled again however it closes.
class DialogPresenter : public QObject {
    Q_OBJECT
public:
    /// `setFrameEnabled` disables and enables the main window around a dialog.
    explicit DialogPresenter(std::function<void(bool enabled)> setFrameEnabled, QObject* parent = nullptr);

    /// Disables the main window and shows `dialog`; its closing, in any way, enables the main window.
    void show(QDialog& dialog);

private:
    std::function<void(bool)> m_setFrameEnabled;
};

} // namespace velmora
