#pragma once

#include "engine/Engine.h"
#include "windows/MdiHost.h"

namespace velmora::test {

/// The main window as far as a result window sees it, with every answer in a public field.
class FakeMdiHost : public MdiHost {
public:
    explicit FakeMdiHost(QString programDirectory = QStringLiteral("/"))
        : directory(std::move(programDirectory)) {}

    QString programDirectory() const override { return directory; }
    int zoomIndex() const override { return zoom; }
    void setZoomIndex(int index) override { zoom = index; }
    QString zoomText() const override { return QStringLiteral("%1 %").arg(200 - 10 * zoom); }
    QList<QString> childCaptions() const override { return captions; }
    QString activeChildCaption() const override { return active; }
    QList<QAction*> editActions() const override { return actions; }
    void resultWindowClosing(TMDIChild*) override { ++closings; }
    EngineState& engineState() override { return engine; }

    QString directory;
    int zoom = 10;
    QList<QString> captions;
    QString active;
    QList<QAction*> actions;
    int closings = 0;
    EngineState engine{};
};

} // namespace velmora::test
