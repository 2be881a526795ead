#pragma once

#include <QList>
#include <QString>

class QAbstractButton;

namespace velmora {

class MdiHost;
class TMDIChild;
class WaterSource;

/// What the input dialogs need of the main window.
class CalculationHost {
public:
    virtual ~CalculationHost() = default;

    /// The active child window if it holds a water; nullptr otherwise.
    virtual const WaterSource* activeWaterSource() const = 0;
    /// An import is filling the dialog: it neither pre-fills itself nor resets its caption.
    virtual bool importPending() const = 0;
    virtual void setImportPending(bool pending) = 0;
    /// Captions of all child windows, for unique titles.
    virtual QList<QString> childCaptions() const = 0;
    /// The result windows in child order.
    virtual QList<TMDIChild*> resultWindows() const = 0;
    /// The active result window; nullptr when none is active.
    virtual TMDIChild* activeResultWindow() const = 0;
    virtual void setNewWindowCaption(const QString& caption) = 0;
    /// The host the result windows a dialog builds live in.
    virtual MdiHost& windowHost() = 0;
    /// Shows a result window a dialog built from its record, titled NewWindowCaption, as the active
    /// window; `fileName` is its FileName (empty for most types). The main window takes ownership.
    virtual void showResultWindow(TMDIChild* window, const QString& fileName) = 0;
    /// Opens a page of the help.
    virtual void openHelpPage(const QString& page) = 0;
};

/// Shows a result window a dialog built, titled `name` made unique among the open windows.
void showTitledResultWindow(CalculationHost& host, TMDIChild* window, const QString& name);

/// Makes a dialog's help button, and F1 anywhere in the dialog, open its help `page`.
void connectHelp(QAbstractButton* help, CalculationHost& host, const QString& page);

} // namespace velmora
