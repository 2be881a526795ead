#include "windows/CalculationHost.h"

#include "windows/UniqueTitle.h"

#include <QAbstractButton>
#include <QShortcut>

namespace velmora {

void showTitledResultWindow(CalculationHost& host, TMDIChild* window, const QString& name) {
    host.setNewWindowCaption(makeTitleUnique(name, host.childCaptions()));
    host.showResultWindow(window, QString());
}

void connectHelp(QAbstractButton* help, CalculationHost& host, const QString& page) {
    QObject::connect(help, &QAbstractButton::clicked, help, [&host, page] { host.openHelpPage(page); });
    // A dialog is a window of its own, which the main window's help key does not reach.
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), help->window());
    QObject::connect(key, &QShortcut::activated, help, &QAbstractButton::click);
}

} // namespace velmora
