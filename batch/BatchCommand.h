#pragma once

#include <functional>
#include <QStringList>

class QIODevice;
class QTextStream;

namespace velmora {

/// Exit codes of velmora-batch.
enum BatchExit { batchOk = 0, batchRowFailed = 1, batchUnusable = 2 };

/// Runs "velmora-batch ARGS" (the program name not included): results to `out`, messages to `err`.
/// `standardInput` supplies the analyses or jobs when the file is "-" or absent; `showProgress`, if given,
/// shows how far an evaluation has come ("12 000 / 100 000 Analysen"), a line that replaces the one before.
int runBatchCommand(const QStringList& arguments, QTextStream& out, QTextStream& err,
                    QIODevice& standardInput,
                    const std::function<void(const QString& line)>& showProgress = {});

} // namespace velmora
