#pragma once

#include "Waters.h"

#include <random>

namespace velmora::test {

/// A generated water and the method it is evaluated with.
struct GeneratedWater {
    AnalysisInput input;
    int method;
};

/// `count` waters from soft to hard, acid to alkaline, cold to warm, each with the carbonate quantities a
/// measured pH and KS(4,3) give, so that every method sees a consistent analysis; the methods cycle 1 to 7.
/// The generator and its mapping to numbers are fixed by the standard, so the waters are the same everywhere.
inline std::vector<GeneratedWater> generatedWaters(int count) {
    std::mt19937_64 bits(20261210);
    const auto uniform = [&bits](double low, double high) {
        return low + (high - low) * double(bits() >> 11) * 0x1p-53;
    };
    std::vector<GeneratedWater> waters;
    waters.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        AnalysisInput in;
        in.pHe = uniform(6.0, 8.8);
        in.tpHe = uniform(2.0, 35.0);
        in.ks43 = uniform(0.3, 7.0);
        in.tKs43 = uniform(2.0, 35.0);
        in.tKb82 = uniform(2.0, 35.0);
        in.tb = uniform(2.0, 60.0);
        in.k25 = uniform(50.0, 1500.0);
        const double hardness = uniform(0.1, 5.0);
        in.totals = {hardness * uniform(0.5, 0.9), hardness * uniform(0.1, 0.5), uniform(0.1, 4.0),
                     uniform(0.01, 0.3),           uniform(0.05, 6.0),           uniform(0.0, 1.0),
                     uniform(0.1, 4.0)};
        // The other carbonate quantities as the first method finds them for this water.
        try {
            const EngineState measured = evaluate(in, 1);
            in.kb82 = measured.water.kb82 * 1000.0;
            in.dic = measured.water.dic * 1000.0;
            in.mWert = measured.water.mValue * 1000.0;
        } catch (const std::exception&) {
            in.kb82 = in.dic = in.mWert = 0.0;
        }
        waters.push_back({in, i % 7 + 1});
    }
    return waters;
}

} // namespace velmora::test
