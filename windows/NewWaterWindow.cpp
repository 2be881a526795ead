#include "windows/NewWaterWindow.h"

#include "windows/CalculationHost.h"
#include "windows/TWasserF.h"

namespace velmora {

void showNewWaterWindow(CalculationHost& host, const EngineState& engine, const AnalysisHeader& header) {
    showTitledResultWindow(
        host, new TWasserF(host.windowHost(), WaterRecord(header, WaterWindowData::takeFrom(engine))),
        header.name());
}

} // namespace velmora
