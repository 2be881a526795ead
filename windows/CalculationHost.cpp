#include "windows/CalculationHost.h"

#include "windows/UniqueTitle.h"

namespace velmora {

void showTitledResultWindow(CalculationHost& host, TMDIChild* window, const QString& name) {
    host.setNewWindowCaption(makeTitleUnique(name, host.childCaptions()));
    host.showResultWindow(window, QString());
}

} // namespace velmora
