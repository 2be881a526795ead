#include "windows/TWasserF.h"

#include "common/DialogSeam.h"
#include "common/FixedRecord.h"
#include "windows/DataFile.h"

#include <QFile>

namespace velmora {

TWasserF::TWasserF(MdiHost& host, const WaterWindowData& data, const AnalysisHeader& header, QWidget* parent)
    : TMDIChild(host, QString::fromUtf16(kind), parent), m_data(data) {
    this->header = header;
    setToolTip(QStringLiteral("Wasser-Fenster"));
}

bool TWasserF::LoadFile(const QString& path) {
    WaterWindowData loaded;
    AnalysisHeader loadedHeader;
    try {
        decodeWaterFileRecord(readDataFile(path, waterFileRecordSize), loaded, loadedHeader);
    } catch (const FileError&) {
        reportLoadFailure(path);
        return false;
    }
    m_data = loaded;
    header = loadedHeader;
    setWindowTitle(header.name());
    MakeCaptionUnique();
    showContents();
    Saved = true;
    return true;
}

void TWasserF::SaveFile(const QString& name) {
    const QString target = nativeFileName(name, QString::fromUtf16(extension));
    if (writeDataFile(target, encodeWaterFileRecord(m_data, header)))
        Saved = true;
    else
        reportSaveFailure(target);
}

void TWasserF::LoadWaterState(WaterState& water) const {
    m_data.loadInto(water);
}

std::optional<QString> TWasserF::markerText(int number) const {
    return waterMarkerText(m_data, header, number);
}

} // namespace velmora
