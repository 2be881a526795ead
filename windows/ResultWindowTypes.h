#pragma once

#include <QString>
#include <QStringList>

namespace velmora {

class MdiHost;
class TMDIChild;
struct EngineState;

/// The extensions of the data files whose window types exist, with their dot.
QStringList resultWindowExtensions();

/// A new result window for data files with `extension`, holding what `engine` computed last; nullptr for
/// another extension.
TMDIChild* createResultWindow(const QString& extension, MdiHost& host, const EngineState& engine);

} // namespace velmora
