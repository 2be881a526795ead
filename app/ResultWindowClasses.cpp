#include "app/ResultWindowClasses.h"

#include "filters/FilterRecords.h"
#include "filters/FilterReports.h"
#include "treatment/CorrosionRecord.h"
#include "treatment/PlantRecords.h"
#include "treatment/PlantWindows.h"
#include "treatment/TKorrosionF.h"
#include "variations/MixingRecord.h"
#include "variations/TemperatureRecord.h"
#include "variations/TMischwasserF.h"
#include "variations/TTemperaturF.h"
#include "windows/TWasserF.h"
#include "windows/WaterRecord.h"
#include "windows/WindowType.h"

#include <array>

namespace velmora {

namespace {

// The classes of a window type. They live in the libraries of their subsystems, above the table of
// window types, so they are named here.
struct WindowClasses {
    WindowKind kind;
    TMDIChild* (*createWindow)(MdiHost& host);
    std::unique_ptr<ResultRecord> (*createRecord)();
};

template <class Window>
TMDIChild* newWindow(MdiHost& host) {
    return new Window(host);
}

template <class Record>
std::unique_ptr<ResultRecord> newRecord() {
    return std::make_unique<Record>();
}

constexpr std::array windowClasses{
    WindowClasses{WindowKind::Water, newWindow<TWasserF>, newRecord<WaterRecord>},
    WindowClasses{WindowKind::Mixing, newWindow<TMischwasserF>, newRecord<MixingRecord>},
    WindowClasses{WindowKind::Temperature, newWindow<TTemperaturF>, newRecord<TemperatureRecord>},
    WindowClasses{WindowKind::Corrosion, newWindow<TKorrosionF>, newRecord<CorrosionRecord>},
    WindowClasses{WindowKind::RapidDecarbonisation, newWindow<TSchnellF>,
                  newRecord<RapidDecarbonisationRecord>},
    WindowClasses{WindowKind::HDecarbonisation, newWindow<THEntcarF>, newRecord<HDecarbonisationRecord>},
    WindowClasses{WindowKind::Softening, newWindow<TEnthF>, newRecord<SofteningRecord>},
    WindowClasses{WindowKind::CarbonFilter, newWindow<TAKohleReport>, newRecord<CarbonFilterRecord>},
    WindowClasses{WindowKind::IronFilter, newWindow<TFeMnReport>, newRecord<IronFilterRecord>},
    WindowClasses{WindowKind::SandFilter, newWindow<TSandReport>, newRecord<SandFilterRecord>},
};

const WindowClasses* classesOf(const WindowType& type) {
    for (const WindowClasses& classes : windowClasses)
        if (classes.kind == type.kind)
            return &classes;
    return nullptr;
}

} // namespace

TMDIChild* createWindowForFile(const WindowType& type, MdiHost& host) {
    const WindowClasses* classes = classesOf(type);
    return classes ? classes->createWindow(host) : nullptr;
}

std::unique_ptr<ResultRecord> createRecord(const WindowType& type) {
    const WindowClasses* classes = classesOf(type);
    return classes ? classes->createRecord() : nullptr;
}

} // namespace velmora
