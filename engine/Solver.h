#pragma once

#include <cstddef>
#include <span>

namespace velmora {

struct WaterState;

/// Outcome of one or more bisections: a search converges when its residual met the tolerance before
/// the bracket stopped shrinking. The water then holds the last midpoint with its speciation.
struct SearchResult {
    bool converged = true;
    int halvings = 0; ///< midpoints tried

    void add(const SearchResult& other) {
        converged = converged && other.converged;
        halvings += other.halvings;
    }
};

/// The end-point pH values of the titrations.
inline constexpr double ks43EndPh = 4.3;
inline constexpr double kb82EndPh = 8.2;

/// The free ions caFree ... clFree := their totals, the start values of a speciation.
void setFreeIonsToTotals(WaterState& water);

/// hActivity := 10^(-pH); oh := kw / hActivity.
void setPh(WaterState& water);

/// alkPerDic (eq/mol) and ohMinusH (mol/l) at the current pH, constants and complex factors.
void computeAlkalinityTerms(WaterState& water);

/// Speciation at fixed pH, dic and temp: a first pass with the factors and conditional constants left by
/// the previous computation, then five rounds that refresh pairs, ionic strength and constants.
void speciate(WaterState& water);

/// How many speciations speciateTogether() interleaves: two together take 0.7 times, four 0.45 times as
/// long as one after the other.
inline constexpr std::size_t speciationLanes = 4;

/// The speciations of several waters, each exactly as speciate() would compute it, the operations of
/// speciationLanes at a time interleaved. The fault flags must be clear before; returns false when a fault
/// was raised or a carbonate is not finite, which speciate() would throw for, without telling whose.
bool speciateTogether(std::span<WaterState* const> waters);

/// pH at water.temp from dic, mValue and the totals, by bisection on the alkalinity balance between
/// pH 1 and 13 (tolerance 1e-10 mol/l). Leaves the full speciation in the water.
SearchResult solvePh(WaterState& water);

} // namespace velmora
