#pragma once

#include "engine/Engine.h"

#include <cstddef>
#include <exception>
#include <functional>

namespace velmora {

/// One evaluation of runEnginesInLockstep(): the records, filled in by the caller, and the method.
struct EngineJob {
    EngineState* engine = nullptr;
    int method = 1;
    std::size_t index = 0; ///< the caller's, handed back with the job
};

/// Runs full evaluations as runEngine() does, several at a time on the calling thread: each runs its own
/// steps, and their speciations are computed together, so that the processor overlaps their chains of
/// dependent operations. `next` fills in the next job and returns false when there is none; `finished`
/// receives each job with its result, or with the exception that ended it. Every job ends exactly as
/// runEngine() would end it, records and all; a job that meets an arithmetic fault is run again alone from
/// its start, as the flags do not tell whose fault it was.
void runEnginesInLockstep(
    const std::function<bool(EngineJob&)>& next,
    const std::function<void(const EngineJob&, const SearchResult&, std::exception_ptr)>& finished);

} // namespace velmora
