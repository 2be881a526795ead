#pragma once

#include "sheet/formats/WorkbookFile.h"
#include "sheet/model/SheetError.h"
#include "sheet/model/Workbook.h"

#include <gtest/gtest.h>
#include <QFile>

namespace velmora::sheet {

// Readable failures: a style as the workbook format would write it.
inline void PrintTo(const CellStyle& style, std::ostream* out) {
    const auto colour = [](const QColor& c) {
        return c.isValid() ? c.name(QColor::HexArgb).toStdString() : "none";
    };
    *out << style.fontFamily.toStdString() << ' ' << style.fontSize << (style.bold ? " bold" : "")
         << (style.italic ? " italic" : "") << (style.underline ? " underline" : "") << " text "
         << colour(style.textColour) << " fill " << colour(style.fillColour) << " h" << int(style.horizontal)
         << " v" << int(style.vertical) << (style.wrap ? " wrap" : "") << " format '"
         << style.numberFormat.toStdString() << "' borders";
    for (const Border* border : {&style.left, &style.top, &style.right, &style.bottom})
        *out << ' ' << int(border->line) << '/' << colour(border->colour);
    *out << (style.locked ? "" : " unlocked") << (style.formulaHidden ? " formula-hidden" : "");
}

} // namespace velmora::sheet

namespace velmora::sheet::test {

/// The same sheets by name with the same cell texts, one row and column beyond the used range too.
inline void expectSameTexts(const Workbook& expected, const Workbook& actual) {
    ASSERT_EQ(actual.sheetCount(), expected.sheetCount());
    for (int i = 0; i < expected.sheetCount(); ++i) {
        const Sheet& a = expected.sheet(i);
        const Sheet& b = actual.sheet(i);
        EXPECT_EQ(b.name(), a.name());
        const CellRange used = a.usedRange();
        for (int row = 1; row <= used.bottom + 1; ++row)
            for (int column = 1; column <= used.right + 1; ++column)
                EXPECT_EQ(b.text({row, column}), a.text({row, column}))
                    << a.name().toStdString() << " " << cellReference({row, column}).toStdString();
    }
}

/// The look a written style has after a spreadsheet file: the number format becomes the decimals of
/// the text, and colours lose their transparency.
inline CellStyle styleAfterSpreadsheetFile(CellStyle style) {
    style.numberFormat.clear();
    for (Border* border : {&style.left, &style.top, &style.right, &style.bottom})
        border->colour.setAlpha(255);
    return style;
}

/// Every cell of `written` has its look in `read`.
inline void expectSameStyles(const Sheet& written, const Sheet& read) {
    for (const auto& [pos, cell] : written.cells())
        EXPECT_EQ(read.style(pos), styleAfterSpreadsheetFile(cell.style)) << cellReference(pos).toStdString();
}

/// Reads every `lengthStep`-th prefix of a sound file and the file with every `flipStep`-th byte
/// inverted, as the file `path`: each gives a workbook or the component's error, never a crash.
inline void readTruncatedAndFlipped(const QByteArray& good, const QString& path, qsizetype lengthStep,
                                    qsizetype flipStep) {
    const auto tryRead = [&path](const QByteArray& bytes) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
        out.close();
        int code = 0;
        try {
            readWorkbookFile(path, code);
        } catch (const SheetError&) {
        }
    };
    for (qsizetype length = 0; length < good.size(); length += lengthStep)
        tryRead(good.left(length));
    for (qsizetype at = 0; at < good.size(); at += flipStep) {
        QByteArray flipped = good;
        flipped[at] = char(flipped[at] ^ 0xFF);
        tryRead(flipped);
    }
}

} // namespace velmora::sheet::test
