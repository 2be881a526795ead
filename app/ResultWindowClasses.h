#pragma once

#include <memory>

namespace velmora {

class MdiHost;
class ResultRecord;
class TMDIChild;
struct WindowType;

/// A new, empty result window of `type` for a data file to be loaded into it; nullptr for a type whose
/// window this version does not have yet.
TMDIChild* createWindowForFile(const WindowType& type, MdiHost& host);

/// A new, empty record of `type`, for reading a data file without a window; nullptr as above.
std::unique_ptr<ResultRecord> createRecord(const WindowType& type);

} // namespace velmora
