#include "batch/ImportRunner.h"

#include "app/AnalysisImport.h"
#include "app/ProgramSetup.h"
#include "batch/BatchCommand.h"
#include "batch/BatchFiles.h"
#include "batch/BatchOutput.h"
#include "batch/OffscreenProgram.h"
#include "windows/TEingabeform.h"
#include "windows/TWasserF.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonObject>
#include <QLocale>
#include <QPushButton>
#include <QTextStream>

namespace velmora {

namespace {

// What the user was told, one message after the other.
QString toldTexts(const QJsonArray& messages) {
    QStringList texts;
    for (const QJsonValue& message : messages)
        texts << message.toObject().value(QStringLiteral("text")).toString();
    return texts.join(u' ');
}

BatchResult importOne(OffscreenProgram& program, const QString& workbook, const ImportRun& run,
                      const QString& templatePath) {
    program.dialogs.clear();
    THauptfenster& window = program.window;
    TEingabeform& dialog = window.analysisDialog();
    const QList<TMDIChild*> before = window.resultWindows();
    window.importAnalysisFile(QFileInfo(workbook).absoluteFilePath(), templatePath);
    if (dialog.isVisible()) {
        dialog.selectItem(run.method - 1);
        dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    }
    BatchResult result;
    for (TMDIChild* created : window.resultWindows()) {
        if (before.contains(created))
            continue;
        if (const auto* water = qobject_cast<const TWasserF*>(created)) {
            result.header = water->analysisHeader();
            result.engine = window.engineState();
            result.converged = dialog.lastSearch().converged;
        }
        // The result is taken; the window would only collect.
        created->setCloseConfirmed();
        created->parentWidget()->close();
    }
    if (!result.engine) {
        result.header.setText(AnalysisHeader::Name, QFileInfo(workbook).fileName());
        result.error = toldTexts(program.dialogs.messages);
    }
    if (dialog.isVisible())
        dialog.reject();
    // A run has no event loop: what the windows posted is handled and the closed ones are deleted here,
    // so a long run collects neither.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}

} // namespace

int importWorkbooks(const ImportRun& run, QTextStream& out, QTextStream& err) {
    // The dialog runs as in the program: its German locale makes the numbers it writes.
    useProgramLocale();
    std::optional<WaterFileSaver> saver;
    if (!run.saveDirectory.isEmpty()) {
        saver.emplace(run.saveDirectory);
        if (!saver->directoryExists(err))
            return batchUnusable;
    }
    OffscreenProgram program;
    const QString templatePath = run.templatePath.isEmpty()
                                     ? importTemplatePath(program.window.programDirectory())
                                     : QFileInfo(run.templatePath).absoluteFilePath();
    BatchResultWriter writer =
        run.json ? BatchResultWriter::json() : BatchResultWriter::csv(u';', QLocale().decimalPoint().front());
    bool anyFailed = false;
    bool allSaved = true;
    out << writer.begin();
    for (const QString& workbook : run.workbooks) {
        const std::vector<BatchResult> results{importOne(program, workbook, run, templatePath)};
        out << writer.write(results);
        out.flush();
        if (saver)
            allSaved = saver->save(results, err) && allSaved;
        anyFailed = anyFailed || results.front().failed();
    }
    out << writer.end();
    if (!allSaved)
        return batchUnusable;
    return anyFailed ? batchRowFailed : batchOk;
}

} // namespace velmora
