#include "windows/TWasserF.h"

namespace velmora {

TWasserF::TWasserF(MdiHost& host, const WaterRecord& record, QWidget* parent)
    : RecordWindow(host, record, parent) {}

void TWasserF::LoadWaterState(WaterState& water) const {
    record().water.loadInto(water);
}

} // namespace velmora
