#include "sheet/edit/CellBlock.h"

#include "common/DelimitedText.h"
#include "sheet/formats/VtsFormat.h"
#include "sheet/formula/FormulaTokens.h"
#include "sheet/model/SheetError.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace velmora::sheet {

namespace {

bool fitsSheet(qsizetype rows, qsizetype columns) {
    return rows > 0 && columns > 0 && rows <= maxRows && columns <= maxColumns &&
           std::size_t(rows * columns) <= maxCells;
}

CellBlock emptyBlock(int rows, int columns, const CellStyle& style) {
    CellBlock block{rows, columns, {}, {}};
    block.cells.assign(std::size_t(rows * columns), Cell{QString(), style, QString()});
    return block;
}

} // namespace

CellBlock copyBlock(const Sheet& sheet, const CellRange& range) {
    CellBlock block = emptyBlock(range.rowCount(), range.columnCount(), sheet.defaultStyle());
    block.origin = {range.top, range.left};
    sheet.visitCellsIn(range, [&](CellPos pos, const Cell& cell) {
        block.cells[std::size_t((pos.row - range.top) * block.columns + pos.column - range.left)] = cell;
    });
    return block;
}

QString blockText(const CellBlock& block) {
    QString text;
    for (int row = 0; row < block.rows; ++row) {
        QStringList fields;
        for (int column = 0; column < block.columns; ++column)
            fields << quoteDelimited(block.at(row, column).text, u'\t');
        text += fields.join(u'\t') + u'\n';
    }
    return text;
}

QString blockHtml(const CellBlock& block) {
    QString html = QStringLiteral("<table>");
    for (int row = 0; row < block.rows; ++row) {
        html += QStringLiteral("<tr>");
        for (int column = 0; column < block.columns; ++column)
            html +=
                QStringLiteral("<td>") + block.at(row, column).text.toHtmlEscaped() + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QByteArray encodeBlock(const CellBlock& block) {
    Workbook workbook;
    Sheet& sheet = workbook.sheet(0);
    // The cells stand where they were copied from; the print area keeps the extent even when its last
    // cells are empty.
    const CellRange range{block.origin.row, block.origin.column, block.origin.row + block.rows - 1,
                          block.origin.column + block.columns - 1};
    sheet.print().area = range;
    for (int row = 0; row < block.rows; ++row)
        for (int column = 0; column < block.columns; ++column) {
            const Cell& cell = block.at(row, column);
            const CellPos pos{range.top + row, range.left + column};
            sheet.setStyle(pos, cell.style);
            sheet.setFormula(pos, cell.formula, cell.text);
        }
    return writeVts(workbook);
}

CellBlock decodeBlock(const QByteArray& data) {
    try {
        const Workbook workbook = readVts(data);
        const Sheet& sheet = workbook.sheet(0);
        const std::optional<CellRange>& area = sheet.print().area;
        if (!area || !fitsSheet(area->rowCount(), area->columnCount()))
            return {};
        return copyBlock(sheet, *area);
    } catch (const SheetError&) {
        return {};
    }
}

CellBlock blockFromText(const QString& text, const CellStyle& style) {
    const std::vector<QStringList> records = splitDelimited(text, u'\t');
    qsizetype columns = 0;
    for (const QStringList& record : records)
        columns = std::max(columns, record.size());
    if (!fitsSheet(qsizetype(records.size()), columns))
        return {};
    CellBlock block = emptyBlock(int(records.size()), int(columns), style);
    for (std::size_t row = 0; row < records.size(); ++row)
        for (qsizetype column = 0; column < records[row].size(); ++column)
            block.cells[row * std::size_t(columns) + std::size_t(column)].text = records[row][column];
    return block;
}

CellBlock blockFromHtml(const QString& html, const CellStyle& style) {
    QTextDocument document;
    document.setHtml(html);
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        const auto* table = qobject_cast<QTextTable*>(frame);
        if (!table)
            continue;
        if (!fitsSheet(table->rows(), table->columns()))
            return {};
        CellBlock block = emptyBlock(table->rows(), table->columns(), style);
        for (int row = 0; row < table->rows(); ++row)
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                QTextCursor cursor = cell.firstCursorPosition();
                cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                block.cells[std::size_t(row * block.columns + column)].text =
                    cursor.selectedText().replace(QChar::ParagraphSeparator, u'\n');
            }
        return block;
    }
    // No table: the document's text, lines as rows.
    return blockFromText(document.toPlainText(), style);
}

CellRange pasteRange(const CellBlock& block, CellPos at, bool transpose) {
    const int rows = transpose ? block.columns : block.rows;
    const int columns = transpose ? block.rows : block.columns;
    return {at.row, at.column, std::min(maxRows, at.row + rows - 1),
            std::min(maxColumns, at.column + columns - 1)};
}

void pasteBlock(Sheet& sheet, CellPos at, const CellBlock& block, PasteKind kind, bool transpose) {
    const CellRange target = pasteRange(block, at, transpose);
    for (int row = target.top; row <= target.bottom; ++row)
        for (int column = target.left; column <= target.right; ++column) {
            const int r = row - at.row;
            const int c = column - at.column;
            const Cell& cell = transpose ? block.at(c, r) : block.at(r, c);
            if (kind == PasteKind::All || kind == PasteKind::Formats)
                sheet.setStyle({row, column}, cell.style);
            if (kind == PasteKind::Formats)
                continue;
            const CellPos source{block.origin.row + (transpose ? c : r),
                                 block.origin.column + (transpose ? r : c)};
            if (kind == PasteKind::Values || cell.formula.isEmpty())
                sheet.setText({row, column}, cell.text);
            else
                sheet.setFormula({row, column},
                                 movedFormula(cell.formula, row - source.row, column - source.column),
                                 cell.text);
        }
}

} // namespace velmora::sheet
