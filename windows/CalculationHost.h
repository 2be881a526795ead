#pragma once

#include <QList>
#include <QString>

namespace velmora {

class TWasserF;

/// What the input dialogs need of the main window.
class CalculationHost {
public:
    virtual ~CalculationHost() = default;

    /// The active child window if it is a water-analysis window.
    virtual TWasserF* activeWaterWindow() const = 0;
    /// An import is filling the dialog: it neither pre-fills itself nor resets its caption.
    virtual bool importPending() const = 0;
    virtual void setImportPending(bool pending) = 0;
    /// Captions of all child windows, for unique titles.
    virtual QList<QString> childCaptions() const = 0;
    virtual void setNewWindowCaption(const QString& caption) = 0;
    /// Creates the result window for a file name of its type ("NONAME1.was").
    virtual void createResultWindow(const QString& fileName) = 0;
    /// The main window is disabled while a dialog is shown.
    virtual void setMainWindowEnabled(bool enabled) = 0;
    /// Opens a page of the help.
    virtual void openHelpPage(const QString& page) = 0;
};

} // namespace velmora
