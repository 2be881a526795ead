#pragma once

#include "engine/AnalysisHeader.h"
#include "engine/ResultArea.h"

#include <array>
#include <optional>
#include <QByteArray>
#include <QString>

namespace velmora {

struct EngineState;
struct WaterState;

/// What a water-analysis window keeps of an evaluated water: its own copy of the slots and the inputs,
/// taken when the window is created. Units as in the WaterState (mol/l, K, µS/cm).
struct WaterWindowData {
    ResultArea slots;
    double pHm = 0, tPh = 0, ks43 = 0, tKs = 0, kb82 = 0, tKb = 0, dic = 0, tEval = 0, mValue = 0;
    double k25 = 0; ///< µS/cm, from the ionic strength of slot 1
    double siTarget = 0;
    std::array<double, 7> totals{}; ///< c(Ca) ... c(Cl)
    double o2Mass = 0;              ///< mg/l
    int method = 0;

    /// The snapshot a new window takes of the engine's records.
    static WaterWindowData takeFrom(const EngineState& engine);
    /// Writes the inputs and the free ions of slot 1 back into the water, as calculations on this water need.
    void loadInto(WaterState& water) const;

    bool operator==(const WaterWindowData&) const = default;
};

/// The text a marker of the water window's template shows; empty for a number the window does not use.
std::optional<QString> waterMarkerText(const WaterWindowData& water, const AnalysisHeader& header,
                                       int number);

/// ".was": one record of 1584 bytes, little-endian, the header texts first.
inline constexpr qsizetype waterFileRecordSize = 1584;

/// The record of a water file, byte for byte; the method is written as 1 where it is outside 1 to 7.
QByteArray encodeWaterFileRecord(const WaterWindowData& water, const AnalysisHeader& header);
/// Reads a record (extra bytes after it are ignored); a method outside 1 to 7 becomes 1. Throws FileError
/// for fewer than 1584 bytes.
void decodeWaterFileRecord(const QByteArray& record, WaterWindowData& water, AnalysisHeader& header);

} // namespace velmora
