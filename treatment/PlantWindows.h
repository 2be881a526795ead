#pragma once

#include "engine/Engine.h"
#include "treatment/PlantRecords.h"
#include "windows/MdiHost.h"
#include "windows/RecordWindow.h"
#include "windows/WaterWindowData.h"

namespace velmora {

/// The rapid-decarbonisation window: the six sections of the vessel. Opening its file restores the water
/// the design started from.
class TSchnellF : public RecordWindow<RapidDecarbonisationRecord> {
    Q_OBJECT
public:
    explicit TSchnellF(MdiHost& host, const RapidDecarbonisationRecord& record = {},
                       QWidget* parent = nullptr)
        : RecordWindow(host, record, parent) {}

protected:
    void recordLoaded() override { loadMeasuredInputs(record().water, host().engineState().water); }
};

/// The H-decarbonisation window: an ion-exchange column that removes hydrogencarbonate.
class THEntcarF : public RecordWindow<HDecarbonisationRecord> {
    Q_OBJECT
public:
    explicit THEntcarF(MdiHost& host, const HDecarbonisationRecord& record = {}, QWidget* parent = nullptr)
        : RecordWindow(host, record, parent) {}
};

/// The softening window: an ion-exchange column for softening.
class TEnthF : public RecordWindow<SofteningRecord> {
    Q_OBJECT
public:
    explicit TEnthF(MdiHost& host, const SofteningRecord& record = {}, QWidget* parent = nullptr)
        : RecordWindow(host, record, parent) {}
};

} // namespace velmora
