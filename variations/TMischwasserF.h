#pragma once

#include "variations/MixingRecord.h"
#include "windows/RecordWindow.h"

namespace velmora {

/// The mixing window: eleven mixtures of two waters A and B, from a start to an end share of A.
class TMischwasserF : public RecordWindow<MixingRecord> {
    Q_OBJECT
public:
    explicit TMischwasserF(MdiHost& host, const MixingRecord& record = {}, QWidget* parent = nullptr)
        : RecordWindow(host, record, parent) {}
};

} // namespace velmora
