#include "batch/BatchAnalysis.h"

#include "engine/EngineError.h"
#include "engine/Lockstep.h"
#include "windows/AnalysisForm.h"

#include <atomic>
#include <thread>

namespace velmora {

namespace {

// A count with its thousands apart: "100 000".
QString groupedCount(std::size_t count) {
    QString digits = QString::number(count);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u' ');
    return digits;
}

} // namespace

namespace {

// The evaluation of one block: the helper threads start at once, the calling thread joins in with finish()
// when it has done what else it had to. Each evaluation has records of its own, so the threads share
// nothing but the next index; each thread runs its evaluations in lockstep.
class BlockEvaluation {
public:
    BlockEvaluation(const std::vector<BatchAnalysis>& analyses, int threads)
        : analyses(analyses), results(analyses.size()) {
        for (int t = 1; t < threads && std::size_t(t) < analyses.size(); ++t)
            helpers.emplace_back([this] { work(); });
    }
    ~BlockEvaluation() { joinHelpers(); }
    BlockEvaluation(const BlockEvaluation&) = delete;
    BlockEvaluation& operator=(const BlockEvaluation&) = delete;

    std::vector<BatchResult> finish() {
        work();
        joinHelpers();
        return std::move(results);
    }

private:
    void work() {
        runEnginesInLockstep([this](EngineJob& job) { return handOut(job); },
                             [this](const EngineJob& job, const SearchResult& search,
                                    std::exception_ptr error) { take(job, search, error); });
    }
    // The next analysis that has numbers to evaluate, in fresh records; those without go straight to
    // their results.
    bool handOut(EngineJob& job) {
        for (std::size_t i = next++; i < analyses.size(); i = next++) {
            const BatchAnalysis& analysis = analyses[i];
            BatchResult& result = results[i];
            result.header = analysis.header;
            if (!analysis.readError.isEmpty()) {
                result.error = analysis.readError;
                continue;
            }
            EngineState& engine = result.engine.emplace();
            storeAnalysisInput(engine.water, analysis.input, analysis.method);
            job = {&engine, analysis.method, i};
            return true;
        }
        return false;
    }
    void take(const EngineJob& job, const SearchResult& search, std::exception_ptr error) {
        BatchResult& result = results[job.index];
        if (!error) {
            result.converged = search.converged;
            return;
        }
        result.engine.reset();
        try {
            std::rethrow_exception(error);
        } catch (const EngineError&) {
            // What the dialog says when the engine fails; the fault's own text names internal operations.
            result.error = QString::fromUtf16(invalidValuesMessage);
        }
    }
    void joinHelpers() {
        for (std::thread& helper : helpers)
            if (helper.joinable())
                helper.join();
    }

    const std::vector<BatchAnalysis>& analyses;
    std::vector<BatchResult> results;
    std::atomic<std::size_t> next = 0;
    std::vector<std::thread> helpers;
};

} // namespace

std::vector<BatchResult> evaluateAnalyses(const std::vector<BatchAnalysis>& analyses, int threads) {
    return BlockEvaluation(analyses, threads).finish();
}

void evaluateInBlocks(const std::function<bool(BatchAnalysis&)>& next, int threads,
                      const std::function<void(const std::vector<BatchResult>&)>& take) {
    const auto readBlock = [&next] {
        std::vector<BatchAnalysis> block;
        for (BatchAnalysis analysis; block.size() < batchBlockSize && next(analysis);)
            block.push_back(std::move(analysis));
        return block;
    };
    std::vector<BatchAnalysis> current = readBlock();
    std::vector<BatchResult> evaluated;
    while (!current.empty()) {
        BlockEvaluation evaluation(current, threads);
        // While the helpers evaluate, this thread writes the block before and reads the one after.
        if (!evaluated.empty())
            take(evaluated);
        std::vector<BatchAnalysis> upcoming = readBlock();
        evaluated = evaluation.finish();
        current = std::move(upcoming);
    }
    if (!evaluated.empty())
        take(evaluated);
}

QString progressText(std::size_t done, std::size_t total) {
    return QStringLiteral("%1 / %2 Analysen").arg(groupedCount(done), groupedCount(total));
}

} // namespace velmora
