#pragma once

#include <QList>
#include <QString>

class QAction;

namespace velmora {

class TMDIChild;
struct EngineState;

/// What a result window needs of the main window that holds it.
class MdiHost {
public:
    virtual ~MdiHost() = default;

    /// The directory of the program, with a trailing "/".
    virtual QString programDirectory() const = 0;
    /// The zoom box: its current entry (10 is "100 %") and that entry's text.
    virtual int zoomIndex() const = 0;
    virtual void setZoomIndex(int index) = 0;
    virtual QString zoomText() const = 0;
    /// The captions of all child windows in window order, and the caption of the active one.
    virtual QList<QString> childCaptions() const = 0;
    virtual QString activeChildCaption() const = 0;
    /// "&Ausschneiden", "&Kopieren" and "&Einfügen": the pop-up menu of every result window's sheet.
    virtual QList<QAction*> editActions() const = 0;
    /// A result window is about to close.
    virtual void resultWindowClosing(TMDIChild* window) = 0;
    /// The records the calculations work on; a window whose file carries a water restores it there.
    virtual EngineState& engineState() = 0;
};

} // namespace velmora
