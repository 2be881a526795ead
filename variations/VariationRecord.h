#pragma once

#include "engine/AnalysisHeader.h"
#include "engine/ResultArea.h"

#include <array>

namespace velmora {

struct WaterState;
struct WaterWindowData;

/// The inputs of a water as a variation record holds them: the 19 quantities that mixing averages, and
/// four results of the source water's first slot, kept but not mixed. Units as in the WaterState.
struct InputBlock {
    static constexpr std::size_t mixedCount = 19;
    using Mixed = std::array<double, mixedCount>;

    double pHm = 0, tPh = 0, ks43 = 0, tKs = 0, kb82 = 0, tKb = 0;
    std::array<double, 4> sourceResults{}; ///< slot 1 positions pH, caFree, so4Free, hco3 of the source
    double dic = 0, tEval = 0, mValue = 0, k25 = 0, siTarget = 0, o2Mass = 0;
    std::array<double, 7> totals{}; ///< c(Ca) ... c(Cl)

    /// The mixed quantities in mixing order: pH, its temperature, KS(4,3), its temperature, KB(8,2), its
    /// temperature, c(DIC), tb, m-value, k(25), SI(e), rho(O2), c(Ca) ... c(Cl).
    Mixed mixed() const;
    void setMixed(const Mixed& values);
    /// The mixed quantities become the water's inputs; nothing else of the water changes.
    void loadInto(WaterState& water) const;

    bool operator==(const InputBlock&) const = default;
};

/// The record of a series of eleven evaluated waters: a mixing series (range in % of water A), a
/// temperature series (range in °C), or a source water of a mixing series (inputs only). 4136 bytes in
/// a data file.
struct VariationRecord {
    static constexpr qsizetype size = 4136;
    static constexpr std::size_t rowCount = 11;

    AnalysisHeader header;
    InputBlock inputs;
    double rangeStart = 0;
    double rangeEnd = 0;
    int inputMethod = 0; ///< of the water the inputs came from
    std::array<ResultSlot, rowCount> rows{};

    /// The inputs and the input method of a water window's water.
    void takeInputsOf(const WaterWindowData& water);

    bool operator==(const VariationRecord&) const = default;

    template <class Fields, class Self>
    static void fields(Fields& f, Self& r) {
        AnalysisHeader::fields(f, r.header);
        f.fill(3);
        auto& in = r.inputs;
        for (auto* value : {&in.pHm, &in.tPh, &in.ks43, &in.tKs, &in.kb82, &in.tKb})
            f.real(*value);
        for (auto& value : in.sourceResults)
            f.real(value);
        for (auto* value : {&in.dic, &in.tEval, &in.mValue, &in.k25, &in.siTarget, &in.o2Mass})
            f.real(*value);
        for (auto& total : in.totals)
            f.real(total);
        f.real(r.rangeStart);
        f.real(r.rangeEnd);
        f.uint8(r.inputMethod);
        f.fill(7);
        for (auto& row : r.rows)
            for (auto& value : row)
                f.real(value);
    }
};

} // namespace velmora
