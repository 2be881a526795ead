#include "windows/TWasserF.h"

#include "windows/WindowType.h"

namespace velmora {

TWasserF::TWasserF(MdiHost& host, const WaterRecord& record, QWidget* parent)
    : TMDIChild(host, windowTypeOf(WindowKind::Water), parent), m_record(record) {}

void TWasserF::LoadWaterState(WaterState& water) const {
    m_record.water.loadInto(water);
}

} // namespace velmora
