#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace velmora {

/// What `velmora-batch import` is asked to do.
struct ImportRun {
    QString templatePath; ///< empty: the program's own import template
    int method = 1;       ///< the input method "&Berechnen" evaluates with, 1 to 7
    QString saveDirectory;
    bool json = false;
    QStringList workbooks;
};

/// Imports each laboratory workbook into the analysis dialog of a main window offscreen, exactly as
/// "&Importieren" does (values a template does not mark stay from the workbook before), evaluates it with
/// "&Berechnen" and writes one result per workbook as `evaluate` does (CSV with ";" and the locale's
/// decimal separator, or JSON), with a ".was" each in `saveDirectory` if given. A workbook that fails
/// gets a result row with what the user would have been told; the others go on. Returns batchOk when
/// every workbook was evaluated, batchRowFailed when one was not, batchUnusable when a file could not be
/// written.
int importWorkbooks(const ImportRun& run, QTextStream& out, QTextStream& err);

} // namespace velmora
