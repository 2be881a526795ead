#include "designer/DocumentNames.h"

#include "sheet/formats/FileCode.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace tabrix {

using namespace velmora::sheet;

QString extensionOfCode(int code) {
    switch (code) {
    case TextCode:
    case 6:
        return QStringLiteral(".txt");
    case Excel5Code:
    case Excel97Code:
        return QStringLiteral(".xls");
    case 5:
    case NativeCode:
        return QStringLiteral(".vts");
    case HtmlCode:
    case 10:
        return QStringLiteral(".htm");
    case XlsxCode:
        return QStringLiteral(".xlsx");
    default:
        return {};
    }
}

const std::vector<SaveFormat>& saveFormats() {
    static const std::vector<SaveFormat> formats{
        {NativeCode, QStringLiteral(QT_TRANSLATE_NOOP("tabrix", "Quillmark Tabrix 6.0 Workbook (*.vts)"))},
        {Excel97Code, QStringLiteral(QT_TRANSLATE_NOOP("tabrix", "Excel 97 Workbook (*.xls)"))},
        {Excel5Code, QStringLiteral(QT_TRANSLATE_NOOP("tabrix", "Excel 5.0/95 Workbook (*.xls)"))},
        {XlsxCode, QStringLiteral(QT_TRANSLATE_NOOP("tabrix", "Excel Workbook (*.xlsx)"))},
        {HtmlCode, QStringLiteral(QT_TRANSLATE_NOOP("tabrix", "HTML Document (*.htm)"))},
        {TextCode, QStringLiteral(QT_TRANSLATE_NOOP("tabrix", "Tab Delimited Text (*.txt)"))},
    };
    return formats;
}

QString proposedSaveName(const QString& path, const QString& title, int code) {
    QString name = path;
    if (name.isEmpty()) {
        name = title;
        const qsizetype cut = name.indexOf(QRegularExpression(QStringLiteral("[ #%;/\\\\]")));
        if (cut >= 0)
            name.truncate(cut);
    }
    const QString extension = extensionOfCode(code);
    if (!extension.isEmpty() && name.endsWith(extension, Qt::CaseInsensitive))
        name.chop(extension.size());
    return name;
}

QString savedPath(const QString& path, int code) {
    const bool excel = code == Excel5Code || code == Excel97Code;
    const bool native = code == 5 || code == NativeCode;
    if (excel && !path.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive))
        return path + QStringLiteral(".xls");
    if (native && !path.endsWith(QStringLiteral(".vts"), Qt::CaseInsensitive))
        return path + QStringLiteral(".vts");
    return path;
}

} // namespace tabrix
