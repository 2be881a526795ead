#include "sheet/formats/WorkbookFile.h"

#include "common/SafeFile.h"
#include "sheet/formats/FileCode.h"
#include "sheet/formats/HtmlFormat.h"
#include "sheet/formats/OdsReader.h"
#include "sheet/formats/TextFormat.h"
#include "sheet/formats/VtsFormat.h"
#include "sheet/formats/XlsReader.h"
#include "sheet/formats/XlsWriter.h"
#include "sheet/formats/XlsxReader.h"
#include "sheet/formats/XlsxWriter.h"
#include "sheet/formats/ZipArchive.h"
#include "sheet/formula/Recalculation.h"
#include "sheet/model/SheetError.h"

#include <QFile>
#include <QFileInfo>

namespace velmora::sheet {

namespace {

// Files larger than this are not taken for workbooks of this program.
constexpr qint64 maxWorkbookFileSize = 64 * 1024 * 1024;

QByteArray readWhole(const QString& path) {
    QFile file(path);
    if (file.size() > maxWorkbookFileSize)
        throw SheetError(QStringLiteral("Die Datei „%1“ ist zu groß für eine Arbeitsmappe.").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw SheetError(QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.").arg(path));
    // Read one byte beyond the limit, for a file that grew since its size was asked.
    QByteArray content = file.read(maxWorkbookFileSize + 1);
    if (content.size() > maxWorkbookFileSize)
        throw SheetError(QStringLiteral("Die Datei „%1“ ist zu groß für eine Arbeitsmappe.").arg(path));
    return content;
}

bool looksLikeXml(const QByteArray& content) {
    const QByteArray start = content.left(256).trimmed();
    return start.startsWith("<?xml") || start.startsWith("<workbook") ||
           start.startsWith("\xef\xbb\xbf<?xml");
}

} // namespace

QString extensionOf(int code) {
    switch (code) {
    case NativeCode:
        return QStringLiteral(".vts");
    case Excel5Code:
    case Excel97Code:
        return QStringLiteral(".xls");
    case XlsxCode:
        return QStringLiteral(".xlsx");
    case OdsCode:
        return QStringLiteral(".ods");
    case HtmlCode:
        return QStringLiteral(".htm");
    case TextCode:
        return QStringLiteral(".txt");
    default:
        return {};
    }
}

int writableCodeOf(const QString& extension) {
    const QString suffix = extension.toLower();
    return suffix == u"vts"                        ? NativeCode
           : suffix == u"xlsx"                     ? XlsxCode
           : suffix == u"xls"                      ? Excel97Code
           : suffix == u"htm" || suffix == u"html" ? HtmlCode
           : suffix == u"txt"                      ? TextCode
                                                   : 0;
}

namespace {

Workbook readAnyFormat(const QString& path, int& code) {
    const QFileInfo info(path);
    if (!info.exists())
        throw SheetError(QStringLiteral("Die Datei „%1“ wurde nicht gefunden.").arg(path));
    if (!info.isFile())
        throw SheetError(QStringLiteral("„%1“ ist keine Datei.").arg(path));
    const QByteArray content = readWhole(path);
    const QString suffix = info.suffix().toLower();
    if (looksLikeXls(content))
        return readXls(content, code);
    if (looksLikeZip(content)) {
        const bool ods = looksLikeOds(content) || suffix == u"ods";
        Workbook workbook = ods ? readOds(content) : readXlsx(content);
        code = ods ? OdsCode : XlsxCode;
        return workbook;
    }
    if (suffix == u"vts" || looksLikeXml(content)) {
        Workbook workbook = readVts(content);
        code = NativeCode;
        return workbook;
    }
    if (suffix == u"txt") {
        Workbook workbook = readText(content);
        code = TextCode;
        return workbook;
    }
    throw SheetError(QStringLiteral("Das Format der Datei „%1“ ist unbekannt.").arg(path));
}

} // namespace

Workbook readWorkbookFile(const QString& path, int& code) {
    Workbook workbook = readAnyFormat(path, code);
    recalculateWorkbook(workbook);
    return workbook;
}

void writeWorkbookFile(const Workbook& workbook, const QString& path, int code) {
    QByteArray content;
    switch (code) {
    case NativeCode:
        content = writeVts(workbook);
        break;
    case XlsxCode:
        content = writeXlsx(workbook);
        break;
    case Excel97Code:
        content = writeXls(workbook, BiffVersion::Biff8);
        break;
    case Excel5Code:
        content = writeXls(workbook, BiffVersion::Biff5);
        break;
    case HtmlCode:
        content = writeHtml(workbook);
        break;
    case TextCode:
        content = writeText(workbook);
        break;
    case OdsCode:
        throw SheetError(
            QStringLiteral("OpenDocument-Tabellen (.ods) werden nur gelesen, nicht geschrieben."));
    default:
        throw SheetError(QStringLiteral("Unbekanntes Dateiformat %1.").arg(code));
    }
    try {
        writeFileSafely(path, content);
    } catch (const WriteError& error) {
        throw SheetError(error.message());
    }
}

} // namespace velmora::sheet
