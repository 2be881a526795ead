#pragma once

#include "treatment/CorrosionRecord.h"
#include "windows/RecordWindow.h"

namespace velmora {

/// The corrosion window: a water judged against iron, galvanized iron and copper materials.
class TKorrosionF : public RecordWindow<CorrosionRecord> {
    Q_OBJECT
public:
    explicit TKorrosionF(MdiHost& host, const CorrosionRecord& record = {}, QWidget* parent = nullptr)
        : RecordWindow(host, record, parent) {}
};

} // namespace velmora
