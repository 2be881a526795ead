#pragma once

#include "engine/AnalysisHeader.h"
#include "engine/AnalysisInput.h"
#include "engine/Engine.h"

#include <functional>
#include <optional>
#include <QString>
#include <vector>

namespace velmora {

/// One analysis of a laboratory file: its texts, method and numbers as the input dialog would hold them,
/// or the reason it could not be read.
struct BatchAnalysis {
    AnalysisHeader header;
    int method = 1;
    AnalysisInput input;
    QString readError; ///< empty when every field was read
};

/// The evaluation of one analysis: the engine's records after the run, or the error that stopped it.
struct BatchResult {
    AnalysisHeader header;
    std::optional<EngineState> engine;
    bool converged = false;
    QString error;

    bool failed() const { return !error.isEmpty(); }
};

/// Evaluates every analysis in fresh records, as the input dialog's "&Berechnen" would, on `threads`
/// threads; the results stand in the order of the analyses and do not depend on the number of threads.
std::vector<BatchResult> evaluateAnalyses(const std::vector<BatchAnalysis>& analyses, int threads = 1);

/// Analyses in a block of evaluateInBlocks(): also how often a long evaluation tells its progress.
constexpr std::size_t batchBlockSize = 1000;

/// Evaluates the analyses `next` hands out (until it returns false) a block at a time as
/// evaluateAnalyses() does and hands each block's results to `take`, in input order; while a block is
/// evaluated, the calling thread hands on the one before and reads the one after. Memory holds three
/// blocks whatever the number of analyses. `next` and `take` are called on the calling thread only.
void evaluateInBlocks(const std::function<bool(BatchAnalysis&)>& next, int threads,
                      const std::function<void(const std::vector<BatchResult>&)>& take);

/// The progress line of a long evaluation: "12 000 / 100 000 Analysen".
QString progressText(std::size_t done, std::size_t total);

} // namespace velmora
