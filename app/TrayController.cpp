#include "app/TrayController.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QSystemTrayIcon>

namespace velmora {

TrayController::TrayController(QMainWindow& window, bool trayAvailable)
    : QObject(&window), m_window(window), m_available(trayAvailable) {}

void TrayController::setOn(bool on) {
    m_on = on;
    if (!on && m_inTray)
        restore();
}

void TrayController::createIcon() {
    if (m_icon)
        return;
    m_icon = new QSystemTrayIcon(QApplication::windowIcon(), this);
    m_icon->setToolTip(QStringLiteral("Velmora"));
    auto* menu = new QMenu(&m_window);
    menu->addAction(QStringLiteral("Öffnen"), this, &TrayController::restore);
    menu->addAction(QStringLiteral("Beenden"), this, &TrayController::quitRequested);
    m_icon->setContextMenu(menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            restore();
    });
}

bool TrayController::windowMinimized() {
    if (!m_on || !m_available)
        return false;
    createIcon();
    m_icon->show();
    m_window.hide();
    m_inTray = true;
    return true;
}

void TrayController::restore() {
    // Back to the state before minimising: maximised stays maximised.
    m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
    m_window.show();
    m_window.raise();
    m_window.activateWindow();
    if (m_icon)
        m_icon->hide();
    m_inTray = false;
}

} // namespace velmora
