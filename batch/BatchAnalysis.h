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

/// How far an evaluation has come: analyses done and in all; called from any of its threads, one at a time,
/// with growing counts.
using BatchProgress = std::function<void(std::size_t done, std::size_t total)>;

/// Evaluates every analysis in fresh records, as the input dialog's "&Berechnen" would, on `threads`
/// threads; the results stand in the order of the analyses and do not depend on the number of threads.
/// `progress`, if given, hears of every thousandth analysis and of the last.
std::vector<BatchResult> evaluateAnalyses(const std::vector<BatchAnalysis>& analyses, int threads = 1,
                                          const BatchProgress& progress = {});

/// The progress line of a long evaluation: "12 000 / 100 000 Analysen".
QString progressText(std::size_t done, std::size_t total);

} // namespace velmora
