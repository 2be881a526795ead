#include "batch/BatchAnalysis.h"

#include "engine/EngineError.h"
#include "windows/AnalysisForm.h"

#include <atomic>
#include <mutex>
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

// A count with its thousands apart: "100 000".
QString groupedCount(std::size_t count) {
    QString digits = QString::number(count);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u' ');
    return digits;
}

} // namespace

std::vector<BatchResult> evaluateAnalyses(const std::vector<BatchAnalysis>& analyses, int threads,
                                          const BatchProgress& progress) {
    constexpr std::size_t progressStep = 1000;
    std::vector<BatchResult> results(analyses.size());
    // Each evaluation has records of its own, so the threads share nothing but the counts.
    std::atomic<std::size_t> next = 0;
    std::atomic<std::size_t> done = 0;
    std::mutex reporting;
    std::size_t reported = 0;
    const auto work = [&] {
        for (std::size_t i = next++; i < analyses.size(); i = next++) {
            results[i] = evaluateAnalysis(analyses[i]);
            const std::size_t count = ++done;
            if (!progress || (count % progressStep != 0 && count != analyses.size()))
                continue;
            const std::lock_guard lock(reporting);
            if (count > reported) {
                reported = count;
                progress(count, analyses.size());
            }
        }
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads && std::size_t(t) < analyses.size(); ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();
    return results;
}

QString progressText(std::size_t done, std::size_t total) {
    return QStringLiteral("%1 / %2 Analysen").arg(groupedCount(done), groupedCount(total));
}

} // namespace velmora
