// Editing a large sheet: recalculating its formulas, one edit as the user makes it, painting one screen.
#include "sheet/edit/WorkbookDocument.h"
#include "sheet/formula/Recalculation.h"
#include "sheet/view/SheetView.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>

namespace {

using namespace velmora::sheet;

constexpr int rows = 10000;
constexpr int columns = 50;

// 10 000 rows of 50 numbers, and in column 51 a formula per row that adds its row and the previous result:
// 10 000 formula cells, each after the one above it.
Workbook largeSheet() {
    Workbook book;
    Sheet& sheet = book.sheet(0);
    for (int row = 1; row <= rows; ++row) {
        for (int column = 1; column <= columns; ++column)
            sheet.setText({row, column}, QString::number(row * 0.5 + column));
        sheet.setFormula({row, columns + 1},
                         row == 1 ? QStringLiteral("=SUM(A1:AX1)")
                                  : QStringLiteral("=SUM(A%1:AX%1)+AY%2").arg(row).arg(row - 1),
                         {});
    }
    return book;
}

void recalculateTenThousandFormulas(benchmark::State& state) {
    Workbook book = largeSheet();
    FormulaEngine engine;
    engine.recalculate(book); // the formulas parsed once, as after reading
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.recalculate(book));
    state.counters["formulas"] = rows;
}
BENCHMARK(recalculateTenThousandFormulas)->Unit(benchmark::kMillisecond);

// A number typed into a row: the command, its undo record and the recalculation it starts. In the first
// row every formula follows it, in the last only one.
void typeIntoTheLargeSheet(benchmark::State& state) {
    WorkbookDocument document;
    document.reset(largeSheet());
    const int row = int(state.range(0));
    int n = 0;
    for (auto _ : state)
        document.setCellText(0, {row, 1}, QString::number(++n));
    state.counters["formulas computed"] = rows - row + 1;
}
BENCHMARK(typeIntoTheLargeSheet)->Arg(1)->Arg(rows)->Unit(benchmark::kMillisecond);

void paintOneScreen(benchmark::State& state) {
    Workbook book = largeSheet();
    recalculateWorkbook(book);
    SheetView view;
    view.resize(1280, 800);
    view.setSheet(&book.sheet(0));
    view.setTopRow(5000);
    QImage screen(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view.viewport()->render(&screen);
        benchmark::DoNotOptimize(screen.bits());
    }
}
BENCHMARK(paintOneScreen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
