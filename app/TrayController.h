#pragma once

#include <QObject>

class QMainWindow;
class QSystemTrayIcon;

namespace velmora {

/// The notification-area behaviour: while it is on and the desktop has a notification area, minimising
/// the main window takes it off the task bar and shows an icon with "Öffnen" and "Beenden"; a click on the
/// icon brings the window back.
class TrayController : public QObject {
    Q_OBJECT
public:
    /// `trayAvailable`: whether the desktop shows notification-area icons at all.
    TrayController(QMainWindow& window, bool trayAvailable);

    bool isOn() const { return m_on; }
    void setOn(bool on);
    /// The window was minimised; true when it went to the notification area.
    bool windowMinimized();
    /// Shows the window again, in front, and removes the icon.
    void restore();
    bool isInTray() const { return m_inTray; }

Q_SIGNALS:
    void quitRequested();

private:
    void createIcon();

    QMainWindow& m_window;
    bool m_available;
    bool m_on = false;
    bool m_inTray = false;
    QSystemTrayIcon* m_icon = nullptr;
};

} // namespace velmora
