#include "engine/Lockstep.h"

#include "engine/EngineError.h"
#include "GeneratedWaters.h"

#include <cfenv>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <string>

using namespace velmora;

namespace {

// How a run ended: its records bit for bit, its search and its error.
struct Ending {
    EngineState engine;
    SearchResult search;
    std::string error;
};

void expectSameEnding(const Ending& lockstep, const Ending& alone, std::size_t job) {
    EXPECT_EQ(lockstep.error, alone.error) << "job " << job;
    EXPECT_EQ(lockstep.search.converged, alone.search.converged) << "job " << job;
    EXPECT_EQ(lockstep.search.halvings, alone.search.halvings) << "job " << job;
    EXPECT_EQ(lockstep.engine.lastMethod, alone.engine.lastMethod) << "job " << job;
    EXPECT_EQ(std::memcmp(&lockstep.engine.water, &alone.engine.water, sizeof(WaterState)), 0)
        << "job " << job;
    EXPECT_EQ(std::memcmp(lockstep.engine.results.slots.data(), alone.engine.results.slots.data(),
                          sizeof(lockstep.engine.results.slots)),
              0)
        << "job " << job;
}

std::string messageOf(std::exception_ptr error) {
    if (!error)
        return {};
    try {
        std::rethrow_exception(error);
    } catch (const EngineError& e) {
        return e.what();
    }
}

struct Job {
    EngineState start;
    int method;
};

Job jobOf(const AnalysisInput& input, int method) {
    Job job{{}, method};
    storeAnalysisInput(job.start.water, input, method);
    return job;
}

// Generated waters with, every few, one that fails in its own way: in the speciation (a carbonate that is
// not a number), in a check of its own (no calcium), before a speciation without a check (a temperature
// whose constants overflow), by its inputs (two equal points, an unknown method).
std::vector<Job> mixedJobs() {
    std::vector<Job> jobs;
    const auto generated = test::generatedWaters(200);
    for (std::size_t i = 0; i < generated.size(); ++i) {
        jobs.push_back(jobOf(generated[i].input, generated[i].method));
        Job failing = jobOf(generated[i].input, 1);
        switch (i % 10) {
        case 1:
            failing.method = 7;
            failing.start.water.dic = std::numeric_limits<double>::quiet_NaN();
            break;
        case 3:
            failing.start.water.caTotal = 0.0;
            break;
        case 5:
            failing.start.water.tEval = 1e-300;
            break;
        case 7:
            failing.start.water.pHm = ks43EndPh;
            failing.start.water.tPh = failing.start.water.tKs;
            break;
        case 9:
            failing.method = 8;
            break;
        default:
            continue;
        }
        jobs.push_back(failing);
    }
    return jobs;
}

Ending aloneEnding(const Job& job) {
    Ending ending{job.start, {}, {}};
    try {
        ending.search = runEngine(ending.engine, job.method);
    } catch (const EngineError& e) {
        ending.error = e.what();
    }
    return ending;
}

} // namespace

// Every job ends in lockstep as it ends alone, bit for bit, whatever its neighbours do: the faults of one
// lane neither fail another nor go unseen, and a lane that ends starts the next job at once.
TEST(Lockstep, EveryJobEndsAsItWouldAlone) {
    const std::vector<Job> jobs = mixedJobs();
    std::vector<Ending> endings(jobs.size());
    std::vector<int> ended(jobs.size(), 0);
    std::size_t handedOut = 0;
    std::feraiseexcept(FE_DIVBYZERO); // a caller's flags do not fail the first job
    runEnginesInLockstep(
        [&](EngineJob& job) {
            if (handedOut == jobs.size())
                return false;
            endings[handedOut].engine = jobs[handedOut].start;
            job = {&endings[handedOut].engine, jobs[handedOut].method, handedOut};
            ++handedOut;
            return true;
        },
        [&](const EngineJob& job, const SearchResult& search, std::exception_ptr error) {
            ++ended[job.index];
            endings[job.index].search = search;
            endings[job.index].error = messageOf(error);
        });

    std::size_t failures = 0;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        ASSERT_EQ(ended[i], 1) << "job " << i;
        const Ending alone = aloneEnding(jobs[i]);
        failures += !alone.error.empty();
        expectSameEnding(endings[i], alone, i);
    }
    EXPECT_EQ(failures, 100u); // every kind of failure is among them
}

TEST(Lockstep, NoJobsEndAtOnce) {
    int calls = 0;
    runEnginesInLockstep(
        [&](EngineJob&) {
            ++calls;
            return false;
        },
        [](const EngineJob&, const SearchResult&, std::exception_ptr) { FAIL() << "no job was handed out"; });
    EXPECT_EQ(calls, 4); // each lane asks once
}
