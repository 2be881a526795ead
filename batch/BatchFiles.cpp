#include "batch/BatchFiles.h"

#include "app/ResultWindowClasses.h"
#include "common/FixedRecord.h"
#include "common/SafeFile.h"
#include "sheet/formats/FileCode.h"
#include "sheet/formats/WorkbookFile.h"
#include "sheet/model/SheetError.h"
#include "variations/ChartContent.h"
#include "variations/TGraphikF.h"
#include "windows/DataFile.h"
#include "windows/ResultRecord.h"
#include "windows/SheetTemplates.h"
#include "windows/WaterRecord.h"
#include "windows/WindowType.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSet>
#include <QTextStream>

namespace velmora {

WaterFileSaver::WaterFileSaver(const QString& directory) : directory(directory) {}

bool WaterFileSaver::directoryExists(QTextStream& err) const {
    if (QFileInfo(directory).isDir())
        return true;
    err << QStringLiteral("Das Verzeichnis „%1“ gibt es nicht.").arg(directory) << u'\n';
    return false;
}

bool WaterFileSaver::save(const std::vector<BatchResult>& results, QTextStream& err) {
    bool allWritten = true;
    for (const BatchResult& result : results) {
        if (!result.engine)
            continue;
        const WindowType& type = windowTypeOf(WindowKind::Water);
        const QString base = proposedFileName(result.header.name(), type.name());
        QString name = base;
        for (int n = 2; taken.contains(name.toLower()); ++n)
            name = QStringLiteral("%1 (%2)").arg(base).arg(n);
        taken.insert(name.toLower());
        const QString path = nativeFileName(QDir(directory).filePath(name), type.fileExtension());
        const WaterRecord record(result.header, WaterWindowData::takeFrom(*result.engine));
        if (!tryWriteFileSafely(path, record.encode())) {
            err << QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden.").arg(path) << u'\n';
            allWritten = false;
        }
    }
    return allWritten;
}

namespace {

// What an export tells on standard output, as the job runner does for its windows.
struct ExportReport {
    const WindowType* type = nullptr;
    QString title;
    QString file;
    QJsonArray messages;

    void tell(const QString& text, QTextStream& err) {
        messages.append(
            QJsonObject{{QStringLiteral("icon"), QStringLiteral("error")}, {QStringLiteral("text"), text}});
        err << QString(text).remove(u'\r') << u'\n';
    }
    void write(QTextStream& out) const {
        const QJsonObject line{{QStringLiteral("window"), type ? QJsonValue(type->name()) : QJsonValue()},
                               {QStringLiteral("title"), title.isEmpty() ? QJsonValue() : QJsonValue(title)},
                               {QStringLiteral("file"), file.isEmpty() ? QJsonValue() : QJsonValue(file)},
                               {QStringLiteral("messages"), messages},
                               {QStringLiteral("locale"), QLocale().name()}};
        out << QJsonDocument(line).toJson(QJsonDocument::Compact) << u'\n';
    }
};

// The data file read as its window type's record; nullptr with the exit code and the reason on `err`
// (and in `report`) when the file is of no type the program has, or cannot be read. The report takes the
// title the window would get: the name its record holds.
std::unique_ptr<ResultRecord> openDataFile(const QString& dataFile, QTextStream& err, int& failure,
                                           ExportReport& report) {
    const WindowType* type = windowTypeOfFile(dataFile);
    std::unique_ptr<ResultRecord> record = type ? createRecord(*type) : nullptr;
    if (!record) {
        err << QStringLiteral("„%1“ ist keine Datendatei dieser Version von Velmora.").arg(dataFile) << u'\n';
        failure = batchUnusable;
        return nullptr;
    }
    report.type = type;
    try {
        const QByteArray bytes = readDataFile(dataFile, type->fileSize());
        record->decode(bytes);
        report.title = RecordReader(bytes).readText(type->captionOffset);
    } catch (const FileError&) {
        report.tell(QStringLiteral("Die Datei %1 konnte nicht geöffnet werden").arg(dataFile), err);
        failure = batchRowFailed;
        return nullptr;
    }
    return record;
}

} // namespace

int exportDataFile(const QString& dataFile, const QString& outFile, std::optional<int> excelCode,
                   QTextStream& out, QTextStream& err) {
    int code = sheet::writableCodeOf(QFileInfo(outFile).suffix());
    if (code == sheet::Excel97Code)
        code = excelCode.value_or(sheet::Excel97Code);
    if (code == 0) {
        err << QStringLiteral(
                   "Die Endung von „%1“ ist keine der Ausgabeformate .xls, .xlsx, .htm, .txt, .vts.")
                   .arg(outFile)
            << u'\n';
        return batchUnusable;
    }

    int failure = batchOk;
    ExportReport report;
    const std::unique_ptr<ResultRecord> record = openDataFile(dataFile, err, failure, report);
    if (record) {
        try {
            // The templates lie beside the program, as the program's windows read them.
            const sheet::Workbook sheet =
                filledTemplate(QCoreApplication::applicationDirPath() + u'/', *record);
            sheet::writeWorkbookFile(sheet, outFile, code);
            report.file = outFile;
        } catch (const TemplateError& error) {
            report.tell(error.message(), err);
            failure = batchRowFailed;
        } catch (const sheet::SheetError& error) {
            report.tell(error.message(), err);
            failure = batchRowFailed;
        }
    }
    if (report.type)
        report.write(out);
    return failure;
}

int writeChart(const QString& dataFile, bool pH, const QString& outFile, QTextStream& err) {
    int failure = batchOk;
    ExportReport report;
    const std::unique_ptr<ResultRecord> record = openDataFile(dataFile, err, failure, report);
    if (!record)
        return failure;
    const VariationRecord* series = chartedSeries(*record);
    const std::optional<ChartKind> kind = chartKindOf(record->type().kind, pH);
    if (!series || !kind) {
        err << QStringLiteral("„%1“ ist keine Mischwasser- oder Temperaturdatei.").arg(dataFile) << u'\n';
        return batchUnusable;
    }
    // The window is titled with the name of the series when it opens its file.
    const TGraphikF chart(chartContent(*kind, *series, series->header.name()));
    if (!tryWriteFileSafely(outFile, chart.pictureBytes(TGraphikF::pictureFormatOf(outFile)))) {
        err << QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden.").arg(outFile) << u'\n';
        return batchRowFailed;
    }
    return batchOk;
}

} // namespace velmora
