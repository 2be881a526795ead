#include "sheet/formats/VtsFormat.h"
#include "sheet/model/Workbook.h"
#include "windows/SheetTemplates.h"
#include "windows/WaterRecord.h"

#include <benchmark/benchmark.h>

namespace {

using namespace velmora;
using namespace velmora::sheet;

// A template of the size the result windows use: 120 rows by 20 columns, labels, units, markers and a
// few distinct styles.
QByteArray templateDocument() {
    Workbook book;
    Sheet& sheet = book.sheet(0);
    CellStyle label;
    label.bold = true;
    CellStyle value;
    value.horizontal = HorizontalAlignment::Right;
    value.bottom = {Border::Line::Thin, Qt::black};
    CellStyle unit;
    unit.italic = true;
    int marker = 1;
    for (int row = 1; row <= 120; ++row) {
        for (int column = 1; column <= 20; column += 4) {
            sheet.setText({row, column}, QStringLiteral("Größe %1/%2").arg(row).arg(column));
            sheet.setStyle({row, column}, label);
            sheet.setText({row, column + 1}, QStringLiteral("*%1*").arg(marker++ % 1000, 3, 10, QChar(u'0')));
            sheet.setStyle({row, column + 1}, value);
            sheet.setText({row, column + 2}, QStringLiteral("mmol/l"));
            sheet.setStyle({row, column + 2}, unit);
            sheet.setStyle({row, column + 3}, value);
        }
    }
    return writeVts(book);
}

// Reads the template and fills its markers from a water window's record, as a result window does when it
// is shown.
void readTemplateAndFillMarkers(benchmark::State& state) {
    const QByteArray document = templateDocument();
    const WaterRecord record(AnalysisHeader(QStringLiteral("Brunnen"), {}, {}, {}, {}), {});
    for (auto _ : state) {
        Workbook book = readVts(document);
        fillMarkers(book, record);
        benchmark::DoNotOptimize(book);
    }
    state.counters["bytes"] = double(document.size());
}
BENCHMARK(readTemplateAndFillMarkers)->Unit(benchmark::kMillisecond);

} // namespace
