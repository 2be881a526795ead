#include "batch/BatchFiles.h"

#include "app/ResultWindowClasses.h"
#include "common/FixedRecord.h"
#include "common/SafeFile.h"
#include "sheet/formats/FileCode.h"
#include "sheet/formats/WorkbookFile.h"
#include "sheet/model/SheetError.h"
#include "variations/ChartContent.h"
#include "variations/MixingRecord.h"
#include "variations/TemperatureRecord.h"
#include "variations/TGraphikF.h"
#include "windows/DataFile.h"
#include "windows/ResultRecord.h"
#include "windows/SheetTemplates.h"
#include "windows/WaterRecord.h"
#include "windows/WindowType.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

namespace velmora {

bool saveWaterFiles(const std::vector<BatchResult>& results, const QString& directory, QTextStream& err) {
    if (!QFileInfo(directory).isDir()) {
        err << QStringLiteral("Das Verzeichnis „%1“ gibt es nicht.").arg(directory) << u'\n';
        return false;
    }
    bool allWritten = true;
    QSet<QString> taken;
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

// The data file read as its window type's record; nullptr with the exit code and the reason on `err`
// when the file is of no type the program has, or cannot be read.
std::unique_ptr<ResultRecord> openDataFile(const QString& dataFile, QTextStream& err, int& failure) {
    const WindowType* type = windowTypeOfFile(dataFile);
    std::unique_ptr<ResultRecord> record = type ? createRecord(*type) : nullptr;
    if (!record) {
        err << QStringLiteral("„%1“ ist keine Datendatei dieser Version von Velmora.").arg(dataFile) << u'\n';
        failure = batchUnusable;
        return nullptr;
    }
    try {
        record->decode(readDataFile(dataFile, type->fileSize()));
    } catch (const FileError&) {
        err << QStringLiteral("Die Datei %1 konnte nicht geöffnet werden").arg(dataFile) << u'\n';
        failure = batchRowFailed;
        return nullptr;
    }
    return record;
}

} // namespace

int exportDataFile(const QString& dataFile, const QString& outFile, std::optional<int> excelCode,
                   QTextStream& err) {
    const QString suffix = QFileInfo(outFile).suffix().toLower();
    int code = 0;
    if (suffix == u"xls")
        code = excelCode.value_or(sheet::Excel97Code);
    else if (suffix == u"htm" || suffix == u"html")
        code = sheet::HtmlCode;
    else if (suffix == u"txt")
        code = sheet::TextCode;
    else if (suffix == u"vts")
        code = sheet::NativeCode;
    else {
        err << QStringLiteral("Die Endung von „%1“ ist keine der Ausgabeformate .xls, .htm, .txt, .vts.")
                   .arg(outFile)
            << u'\n';
        return batchUnusable;
    }

    int failure = batchOk;
    const std::unique_ptr<ResultRecord> record = openDataFile(dataFile, err, failure);
    if (!record)
        return failure;
    try {
        // The templates lie beside the program, as the program's windows read them.
        const sheet::Workbook report = filledTemplate(QCoreApplication::applicationDirPath() + u'/', *record);
        sheet::writeWorkbookFile(report, outFile, code);
    } catch (const TemplateError& error) {
        err << QString(error.message()).remove(u'\r') << u'\n';
        return batchRowFailed;
    } catch (const sheet::SheetError& error) {
        err << error.message() << u'\n';
        return batchRowFailed;
    }
    return batchOk;
}

int writeChart(const QString& dataFile, bool pH, const QString& outFile, QTextStream& err) {
    int failure = batchOk;
    const std::unique_ptr<ResultRecord> record = openDataFile(dataFile, err, failure);
    if (!record)
        return failure;
    const VariationRecord* series = nullptr;
    if (const auto* mixing = dynamic_cast<const MixingRecord*>(record.get()))
        series = &mixing->records.mixture;
    else if (const auto* temperature = dynamic_cast<const TemperatureRecord*>(record.get()))
        series = &temperature->series;
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
