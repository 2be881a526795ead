#pragma once

#include "engine/AnalysisHeader.h"
#include "engine/AnalysisInput.h"
#include "engine/Engine.h"

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

} // namespace velmora
