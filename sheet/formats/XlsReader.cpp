#include "sheet/formats/XlsReader.h"

#include "sheet/formats/BiffRecords.h"
#include "sheet/formats/FileCode.h"
#include "sheet/model/SheetError.h"

#include <freexl.h>
#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-utils.h>
#include <map>
#include <memory>
#include <QFile>
#include <QRegularExpression>
#include <QtEndian>

namespace velmora::sheet {

namespace {

using biff::RecordId;

// Workbook streams larger than this are not scanned for number formats.
constexpr gsf_off_t maxScannedStream = 256 * 1024 * 1024;

using CellDecimals = std::map<std::pair<unsigned, unsigned>, int>; // (row, column) from 0 -> decimals

// The decimals a number format fixes: "0" gives 0, "0.000" gives 3; -1 for any other format.
int formatDecimals(const QString& format) {
    static const QRegularExpression plain(QStringLiteral("^0(\\.(0+))?$"));
    const QRegularExpressionMatch match = plain.match(format);
    return match.hasMatch() ? int(match.capturedLength(2)) : -1;
}

int builtInDecimals(int index) {
    return index == 1 ? 0 : index == 2 ? 2 : -1;
}

QByteArray readWorkbookStream(const QString& path) {
    gsf_init();
    GsfInput* file = gsf_input_stdio_new(QFile::encodeName(path).constData(), nullptr);
    if (!file)
        return {};
    GsfInfile* compound = gsf_infile_msole_new(file, nullptr);
    g_object_unref(file);
    if (!compound)
        return {};
    GsfInput* stream = gsf_infile_child_by_name(compound, "Workbook");
    if (!stream)
        stream = gsf_infile_child_by_name(compound, "Book");
    QByteArray bytes;
    if (stream && gsf_input_size(stream) <= maxScannedStream) {
        bytes.resize(qsizetype(gsf_input_size(stream)));
        if (!gsf_input_read(stream, std::size_t(bytes.size()), reinterpret_cast<guint8*>(bytes.data())))
            bytes.clear();
    }
    if (stream)
        g_object_unref(stream);
    g_object_unref(compound);
    return bytes;
}

// The decimals of every number cell whose format fixes them, per worksheet in stream order. FreeXL gives
// values only; without the formats "7.500" would come back as "7.5".
std::vector<CellDecimals> scanNumberDecimals(const QString& path) {
    const QByteArray stream = readWorkbookStream(path);
    const auto u16 = [&stream](qsizetype at) {
        return qFromLittleEndian<quint16>(stream.constData() + at);
    };
    std::map<int, int> formatDecimalsByIndex;
    std::vector<int> xfFormats;
    std::vector<CellDecimals> sheets;
    bool biff8 = false;
    int depth = 0;
    bool inWorksheet = false;
    const auto noteCell = [&](unsigned row, unsigned column, unsigned xf) {
        if (!inWorksheet || depth != 1 || xf >= xfFormats.size())
            return;
        const int format = xfFormats[xf];
        const auto known = formatDecimalsByIndex.find(format);
        const int decimals = known != formatDecimalsByIndex.end() ? known->second : builtInDecimals(format);
        if (decimals >= 0)
            sheets.back()[{row, column}] = decimals;
    };
    for (qsizetype at = 0; at + 4 <= stream.size();) {
        const quint16 id = u16(at);
        const qsizetype size = u16(at + 2);
        const qsizetype body = at + 4;
        if (body + size > stream.size())
            break;
        at = body + size;
        switch (id) {
        case RecordId::Bof:
            if (size >= 4) {
                if (depth == 0 && sheets.empty() && xfFormats.empty())
                    biff8 = u16(body) == 0x0600;
                if (depth == 0 && u16(body + 2) == 0x0010) {
                    sheets.emplace_back();
                    inWorksheet = true;
                }
            }
            ++depth;
            break;
        case RecordId::Eof:
            depth = std::max(0, depth - 1);
            if (depth == 0)
                inWorksheet = false;
            break;
        case RecordId::Format:
            if (biff8 && size >= 5) {
                const qsizetype length =
                    std::min<qsizetype>(u16(body + 2), (size - 5) / ((stream[body + 4] & 1) ? 2 : 1));
                QString text;
                for (qsizetype i = 0; i < length; ++i)
                    text += (stream[body + 4] & 1) ? QChar(u16(body + 5 + 2 * i))
                                                   : QChar(char16_t(uchar(stream[body + 5 + i])));
                formatDecimalsByIndex[u16(body)] = formatDecimals(text);
            } else if (!biff8 && size >= 3) {
                const qsizetype length = std::min<qsizetype>(uchar(stream[body + 2]), size - 3);
                formatDecimalsByIndex[u16(body)] =
                    formatDecimals(QString::fromLatin1(stream.constData() + body + 3, length));
            }
            break;
        case RecordId::Xf:
            if (size >= 4)
                xfFormats.push_back(u16(body + 2));
            break;
        case RecordId::Number:
        case RecordId::Rk:
        case RecordId::Formula:
            if (size >= 6)
                noteCell(u16(body), u16(body + 2), u16(body + 4));
            break;
        case RecordId::MulRk:
            for (qsizetype item = body + 4; item + 6 <= body + size - 2; item += 6)
                noteCell(u16(body), u16(body + 2) + unsigned((item - body - 4) / 6), u16(item));
            break;
        default:
            break;
        }
    }
    return sheets;
}

struct FreeXlHandle {
    const void* handle = nullptr;
    ~FreeXlHandle() {
        if (handle)
            freexl_close(handle);
    }
};

QString cellText(const FreeXL_CellValue& value, int decimals) {
    switch (value.type) {
    case FREEXL_CELL_INT:
        return QString::number(value.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return decimals >= 0 ? QString::number(value.value.double_value, 'f', decimals)
                             : QString::number(value.value.double_value, 'g', 15);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return value.value.text_value ? QString::fromUtf8(value.value.text_value) : QString();
    default:
        return {};
    }
}

[[noreturn]] void failToRead(const QString& path) {
    throw SheetError(QStringLiteral("Die Datei „%1“ ist keine lesbare Excel-Arbeitsmappe.").arg(path));
}

} // namespace

Workbook readXls(const QString& path, int& code) {
    FreeXlHandle xls;
    // FreeXL may report success with no handle for a compound file without a real workbook stream.
    if (freexl_open(QFile::encodeName(path).constData(), &xls.handle) != FREEXL_OK || !xls.handle)
        failToRead(path);
    unsigned int version = 0;
    unsigned int sheetCount = 0;
    if (freexl_get_info(xls.handle, FREEXL_BIFF_VERSION, &version) != FREEXL_OK ||
        freexl_get_info(xls.handle, FREEXL_BIFF_SHEET_COUNT, &sheetCount) != FREEXL_OK || sheetCount == 0)
        failToRead(path);
    const std::vector<CellDecimals> decimals = scanNumberDecimals(path);

    Workbook workbook;
    workbook.sheets().clear();
    for (unsigned short index = 0; index < sheetCount; ++index) {
        const char* name = nullptr;
        if (freexl_get_worksheet_name(xls.handle, index, &name) != FREEXL_OK ||
            freexl_select_active_worksheet(xls.handle, index) != FREEXL_OK)
            failToRead(path);
        Sheet& sheet = workbook.addSheet(name ? QString::fromUtf8(name) : QString());
        unsigned int rows = 0;
        unsigned short columns = 0;
        if (freexl_worksheet_dimensions(xls.handle, &rows, &columns) != FREEXL_OK)
            failToRead(path);
        rows = std::min<unsigned>(rows, maxRows);
        columns = std::min<unsigned short>(columns, maxColumns);
        const CellDecimals* sheetDecimals = index < decimals.size() ? &decimals[index] : nullptr;
        for (unsigned row = 0; row < rows; ++row) {
            for (unsigned short column = 0; column < columns; ++column) {
                FreeXL_CellValue value;
                if (freexl_get_cell_value(xls.handle, row, column, &value) != FREEXL_OK)
                    continue;
                int places = -1;
                if (sheetDecimals)
                    if (const auto it = sheetDecimals->find({row, column}); it != sheetDecimals->end())
                        places = it->second;
                sheet.setText({int(row) + 1, int(column) + 1}, cellText(value, places));
            }
        }
    }
    code = version == FREEXL_BIFF_VER_8 ? Excel97Code : Excel5Code;
    return workbook;
}

} // namespace velmora::sheet
