#include "windows/ResultWindowTypes.h"

#include "windows/PendingHeader.h"
#include "windows/TWasserF.h"

namespace velmora {

QStringList resultWindowExtensions() {
    return {QString::fromUtf16(TWasserF::extension)};
}

TMDIChild* createResultWindow(const QString& extension, MdiHost& host, const EngineState& engine) {
    if (extension.compare(QString::fromUtf16(TWasserF::extension), Qt::CaseInsensitive) == 0)
        return new TWasserF(host, WaterWindowData::takeFrom(engine), pendingHeader());
    return nullptr;
}

} // namespace velmora
