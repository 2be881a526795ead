#include "Analyses.h"
#include "batch/BatchCommand.h"
#include "GeneratedAnalyses.h"

#include <benchmark/benchmark.h>
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <thread>

namespace {

using namespace velmora;

constexpr int generatedCount = 10000;

const QByteArray& generatedFile() {
    static const QByteArray file = test::analysesCsv(test::generatedAnalysisRows(generatedCount));
    return file;
}

// The whole path of "velmora-batch evaluate -j N" on the generated waters, from the bytes of the file to
// the text of the results; waters per second as items per second.
void evaluateGeneratedWaters(benchmark::State& state) {
    const QByteArray& file = generatedFile();
    const QStringList arguments{QStringLiteral("evaluate"), QStringLiteral("-j"),
                                QString::number(state.range(0))};
    for (auto _ : state) {
        QBuffer input;
        input.setData(file);
        input.open(QIODevice::ReadOnly);
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        benchmark::DoNotOptimize(runBatchCommand(arguments, outStream, errStream, input));
        outStream.flush();
        benchmark::DoNotOptimize(out.size());
    }
    state.SetItemsProcessed(state.iterations() * generatedCount);
}
BENCHMARK(evaluateGeneratedWaters)
    ->Arg(1)
    ->Arg(int(std::max(1u, std::thread::hardware_concurrency())))
    ->ArgName("threads")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

} // namespace

// With --write-waters=FILE the generated laboratory file is written for other programs to time.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString option = QStringLiteral("--write-waters=");
    for (const QString& argument : QCoreApplication::arguments())
        if (argument.startsWith(option)) {
            QFile file(argument.mid(option.size()));
            return file.open(QIODevice::WriteOnly) && file.write(generatedFile()) == generatedFile().size()
                       ? 0
                       : 1;
        }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
