#include "engine/Lockstep.h"

#include "engine/ArithmeticFaults.h"
#include "engine/EngineSteps.h"
#include "engine/Solver.h"

#include <array>
#include <optional>

namespace velmora {

namespace {

struct Lane {
    EngineJob job;
    EngineState start; ///< the records as the job began, for running it again alone
    std::optional<Steps<SearchResult>> run;
    SpeciationWait wait;
};

class Lockstep {
public:
    Lockstep(const std::function<bool(EngineJob&)>& next,
             const std::function<void(const EngineJob&, const SearchResult&, std::exception_ptr)>& finished)
        : next(next), finished(finished) {}

    void runAll() {
        // The flags are clear between the lanes' turns; a fault in a turn is then that lane's.
        clearArithmeticFaults();
        for (Lane& lane : lanes)
            fill(lane);
        for (;;) {
            std::array<WaterState*, speciationLanes> waters{};
            std::array<Lane*, speciationLanes> waiting{};
            std::size_t count = 0;
            for (Lane& lane : lanes) {
                if (lane.run) {
                    waiting[count] = &lane;
                    waters[count++] = lane.wait.water;
                }
            }
            if (count == 0)
                return;
            const bool clean = speciateTogether(std::span(waters.data(), count));
            for (std::size_t i = 0; i < count; ++i) {
                Lane& lane = *waiting[i];
                if (clean)
                    resume(lane, lane.wait.step);
                else
                    runAgainAlone(lane);
                fill(lane);
            }
        }
    }

private:
    // Starts jobs in an idle lane until one waits for a speciation or there are no more.
    void fill(Lane& lane) {
        while (!lane.run) {
            if (!next(lane.job))
                return;
            lane.start = *lane.job.engine;
            lane.run.emplace(runEngineSteps(*lane.job.engine, lane.job.method));
            lane.run->attach(lane.wait);
            resume(lane, lane.run->start());
        }
    }

    // The lane's turn: its run goes on until it waits for the next speciation or ends.
    void resume(Lane& lane, std::coroutine_handle<> step) {
        lane.wait = {};
        step.resume();
        if (lane.wait.water == nullptr)
            end(lane);
        else if (arithmeticFaultRaised())
            runAgainAlone(lane);
    }

    void end(Lane& lane) {
        endWith(lane, [&lane] { return lane.run->result(); });
    }

    void runAgainAlone(Lane& lane) {
        lane.run.reset();
        *lane.job.engine = lane.start;
        clearArithmeticFaults();
        endWith(lane, [&lane] { return runEngine(*lane.job.engine, lane.job.method); });
    }

    // Hands the job to `finished` with what `ending` returns or throws, and leaves the lane idle.
    template <typename Ending>
    void endWith(Lane& lane, Ending ending) {
        SearchResult result;
        std::exception_ptr error;
        try {
            result = ending();
        } catch (...) {
            error = std::current_exception();
        }
        lane.run.reset();
        clearArithmeticFaults();
        finished(lane.job, result, error);
    }

    const std::function<bool(EngineJob&)>& next;
    const std::function<void(const EngineJob&, const SearchResult&, std::exception_ptr)>& finished;
    std::array<Lane, speciationLanes> lanes;
};

} // namespace

void runEnginesInLockstep(
    const std::function<bool(EngineJob&)>& next,
    const std::function<void(const EngineJob&, const SearchResult&, std::exception_ptr)>& finished) {
    Lockstep(next, finished).runAll();
}

} // namespace velmora
