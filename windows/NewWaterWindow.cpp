#include "windows/NewWaterWindow.h"

#include "windows/CalculationHost.h"
#include "windows/TWasserF.h"
#include "windows/UniqueTitle.h"

namespace velmora {

void showNewWaterWindow(CalculationHost& host, const EngineState& engine, const AnalysisHeader& header) {
    host.setNewWindowCaption(makeTitleUnique(header.name(), host.childCaptions()));
    host.showResultWindow(
        new TWasserF(host.windowHost(), WaterRecord(header, WaterWindowData::takeFrom(engine))), QString());
}

} // namespace velmora
