#include "batch/BatchAnalysis.h"

#include "engine/EngineError.h"
#include "windows/AnalysisForm.h"

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

std::vector<BatchResult> evaluateAnalyses(const std::vector<BatchAnalysis>& analyses) {
    std::vector<BatchResult> results;
    results.reserve(analyses.size());
    for (const BatchAnalysis& analysis : analyses)
        results.push_back(evaluateAnalysis(analysis));
    return results;
}

} // namespace velmora
