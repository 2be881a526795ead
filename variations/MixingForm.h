#pragma once

#include "windows/FormMessage.h"
#include "variations/Mixing.h"

#include <QList>
#include <QString>

namespace velmora {

struct EngineState;
struct WaterWindowData;

/// An open water window as the mixing dialog lists it.
struct MixableWater {
    QString title;
    const WaterWindowData* water;
};

/// A row of the fixed-ratio list: the share as typed and the title of its water.
struct ShareRow {
    QString share;
    QString title;
};

/// "OK" on "Mischen von/bis" apart from the widgets: with two different waters selected (indexes into
/// `waters`, -1 for none) and a name, mixes the series from `start` to `end` % of water A into
/// `records`. The header is stored first, as the dialog does, even when the name is missing.
FormResult runMixingSeriesForm(EngineState& engine, MixingRecords& records, const AnalysisHeader& header,
                               const QList<MixableWater>& waters, int selectedA, int selectedB, int start,
                               int end);

/// "OK" on "festes Mischverhältnis": reads the shares tolerantly, ignores a list of fewer than two rows
/// or a share sum not above 0, needs a name, then mixes the waters whose titles the rows name (in the
/// order of `waters`, the open windows) into the engine's water, solved by input method 9.
FormResult runFixedRatioForm(EngineState& engine, VariationRecord& mixture, const AnalysisHeader& header,
                             const QList<MixableWater>& waters, const QList<ShareRow>& rows);

/// "Mischen von " A " und " B, the remark a series of the two selected waters gets.
QString seriesRemark(const QString& titleA, const QString& titleB);

} // namespace velmora
