#pragma once

#include "variations/TemperatureRecord.h"
#include "windows/RecordWindow.h"

namespace velmora {

/// The temperature window: one water evaluated at eleven evaluation temperatures.
class TTemperaturF : public RecordWindow<TemperatureRecord> {
    Q_OBJECT
public:
    explicit TTemperaturF(MdiHost& host, const TemperatureRecord& record = {}, QWidget* parent = nullptr)
        : RecordWindow(host, record, parent) {}
};

} // namespace velmora
