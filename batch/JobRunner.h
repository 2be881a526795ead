#pragma once

#include <QByteArray>
#include <QString>

class QTextStream;

namespace velmora {

/// `velmora-batch run`: each job of `jobText` (one JSON object or an array of them) opens its data files
/// (paths relative to the current directory) in a main window offscreen, shows its dialog through the main
/// window's command, sets the dialog's controls as a user would, clicks its buttons, answers its message and
/// input boxes, and saves the result window in `directory`. One JSON line per job goes to `out`. Returns 0
/// when the last job's last click created a result window that was saved, 1 when it created none, 2 for an
/// unusable job (the reason on `err`).
int runJobs(const QByteArray& jobText, const QString& directory, QTextStream& out, QTextStream& err);

} // namespace velmora
