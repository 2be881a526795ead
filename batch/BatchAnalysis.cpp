#include "batch/BatchAnalysis.h"

#include "engine/EngineError.h"
#include "windows/AnalysisForm.h"

#include <atomic>
#include <thread>

namespace velmora {

namespace {

BatchResult evaluateAnalysis(const BatchAnalysis& analysis) {
    BatchResult result;
    result.header = analysis.header;
    if (!analysis.readError.isEmpty()) {
        result.error = analysis.readError;
        return result;
    }
    EngineState engine;
    storeAnalysisInput(engine.water, analysis.input, analysis.method);
    try {
        result.converged = runEngine(engine, analysis.method).converged;
        result.engine = engine;
    } catch (const EngineError&) {
        // What the dialog says when the engine fails; the fault's own text names internal operations.
        result.error = QString::fromUtf16(invalidValuesMessage);
    }
    return result;
}

} // namespace

std::vector<BatchResult> evaluateAnalyses(const std::vector<BatchAnalysis>& analyses, int threads) {
    std::vector<BatchResult> results(analyses.size());
    // Each evaluation has records of its own, so the threads share nothing but the next index.
    std::atomic<std::size_t> next = 0;
    const auto work = [&] {
        for (std::size_t i = next++; i < analyses.size(); i = next++)
            results[i] = evaluateAnalysis(analyses[i]);
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads && std::size_t(t) < analyses.size(); ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();
    return results;
}

} // namespace velmora
