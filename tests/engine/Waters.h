#pragma once

#include "engine/AnalysisInput.h"
#include "engine/Engine.h"

#include <array>
#include <string>
#include <vector>

namespace velmora::test {

/// A named analysis in dialog units, for tables of cases.
struct NamedWater {
    std::string name;
    AnalysisInput input;
};

/// Waters spanning soft to hard, acid to alkaline, cold to warm, low to high sulphate.
inline std::vector<NamedWater> sampleWaters() {
    return {
        {"dialog defaults", {7, 20, 3, 20, 0.054, 20, 2.478, 2.432, 10, 300, {2, 2, 2, 2, 2, 2, 2}}},
        {"soft acid spring",
         {6.2, 12, 0.4, 12, 0.9, 12, 1.3, 0.35, 10, 80, {0.3, 0.1, 0.2, 0.03, 0.1, 0.05, 0.2}}},
        {"hard karst water",
         {7.3, 15, 5.8, 15, 0.35, 15, 6.2, 5.7, 12, 750, {3.8, 1.4, 0.9, 0.08, 1.1, 0.4, 1.0}}},
        {"alkaline gypsum water",
         {8.4, 25, 2.2, 25, 0.01, 25, 2.1, 2.2, 30, 1500, {6.5, 2.5, 3.0, 0.2, 8.0, 0.2, 2.0}}},
        {"warm treated water",
         {7.8, 40, 1.6, 40, 0.05, 40, 1.62, 1.6, 60, 400, {1.2, 0.4, 1.5, 0.1, 0.9, 0.3, 1.1}}},
    };
}

/// Evaluates `water` with `method` in fresh records.
inline EngineState evaluate(const AnalysisInput& water, int method) {
    EngineState engine;
    storeAnalysisInput(engine.water, water, method);
    runEngine(engine, method);
    return engine;
}

/// The results the reference tables keep of an evaluation, in their columns' order.
constexpr std::array<const char*, 11> referenceResultNames{"pH(tb)", "SI(tb)", "pH(SIe)",      "pHC(tb)",
                                                           "caEq",   "pHm",    "ks43",         "kb82",
                                                           "dic",    "mValue", "ionicStrength"};

inline std::array<double, 11> referenceResults(const EngineState& e) {
    const WaterState& w = e.water;
    return {e.results[1][slot::pH],
            e.results[1][slot::si],
            e.results[2][slot::pH],
            e.results[3][slot::pH],
            w.caEq,
            w.pHm,
            w.ks43,
            w.kb82,
            w.dic,
            w.mValue,
            e.results[1][slot::ionicStrength]};
}

} // namespace velmora::test
