#include "sheet/edit/WorkbookDocument.h"

#include "sheet/edit/EditCommands.h"
#include "sheet/model/SheetError.h"

#include <algorithm>
#include <QFont>
#include <QFontMetricsF>
#include <QRegularExpression>

namespace velmora::sheet {

namespace {

constexpr double maxLineSize = 2000.0; // pixels, for a row or a column

QString protectedSheetMessage() {
    return QStringLiteral("Die Tabelle ist geschützt. Heben Sie den Blattschutz auf, um sie zu ändern.");
}

QString lockedCellsMessage() {
    return QStringLiteral("Gesperrte Zellen einer geschützten Tabelle können nicht geändert werden.");
}

// Why a change of a protected sheet is refused; empty when it is not.
QString protectionRefusal(const Sheet& sheet, const SheetChange::State& before,
                          const SheetChange::State& after) {
    // Protection counts as it was before the change, so that it can be switched off.
    const bool wasProtected = before.layout ? before.layout->isProtected : sheet.isProtected();
    if (!wasProtected)
        return {};
    if (before.layout && after.layout) {
        // How the sheet prints and shows may change; its cells' room and objects may not.
        SheetLayout allowed = *after.layout;
        allowed.isProtected = before.layout->isProtected;
        allowed.print = before.layout->print;
        allowed.frozenRows = before.layout->frozenRows;
        allowed.frozenColumns = before.layout->frozenColumns;
        allowed.showGridlines = before.layout->showGridlines;
        allowed.showHeadings = before.layout->showHeadings;
        if (allowed != *before.layout)
            return protectedSheetMessage();
    }
    std::map<CellPos, const Cell*> earlier;
    for (const auto& [pos, cell] : before.cells)
        earlier.emplace(pos, &cell);
    std::map<CellPos, const Cell*> later;
    for (const auto& [pos, cell] : after.cells)
        later.emplace(pos, &cell);
    const CellStyle& plain = before.layout ? before.layout->defaultStyle : sheet.defaultStyle();
    const auto lockedChange = [&plain](const Cell* was, const Cell* is) {
        const bool changed = !was || !is || !(*was == *is);
        return changed && (was ? was->style.locked : plain.locked);
    };
    for (const auto& [pos, cell] : earlier) {
        const auto it = later.find(pos);
        if (lockedChange(cell, it == later.end() ? nullptr : it->second))
            return lockedCellsMessage();
    }
    for (const auto& [pos, cell] : later)
        if (!earlier.contains(pos) && lockedChange(nullptr, cell))
            return lockedCellsMessage();
    return {};
}

void checkSize(double size) {
    if (!(size >= 0.0 && size <= maxLineSize))
        throw SheetError(QStringLiteral("Die Größe muss zwischen 0 und %1 Pixeln liegen.").arg(maxLineSize));
}

void checkLines(int first, int last, int limit) {
    if (first < 1 || last < first || last > limit)
        throw SheetError(QStringLiteral("Die Zeilen oder Spalten %1 bis %2 liegen außerhalb der Tabelle.")
                             .arg(first)
                             .arg(last));
}

// Sorted from the back, without repeats, every index valid.
std::vector<int> objectIndices(std::vector<int> indices, const Sheet& sheet) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    for (const int index : indices)
        if (index < 0 || index >= int(sheet.drawings().size()))
            throw SheetError(QStringLiteral("Das Zeichenobjekt %1 gibt es nicht.").arg(index));
    return indices;
}

// The objects at `indices` taken out, in their order.
std::vector<DrawingObject> takeObjects(std::vector<DrawingObject>& drawings,
                                       const std::vector<int>& indices) {
    std::vector<DrawingObject> taken;
    for (auto it = indices.rbegin(); it != indices.rend(); ++it) {
        taken.insert(taken.begin(), drawings[std::size_t(*it)]);
        drawings.erase(drawings.begin() + *it);
    }
    return taken;
}

// The cells of `range` inserted or deleted, their neighbours along `axis` moving.
SheetShift cellShift(int sheet, const CellRange& range, Axis axis, bool remove) {
    const bool rows = axis == Axis::Rows;
    const int count = rows ? range.rowCount() : range.columnCount();
    return {sheet,
            {axis, rows ? range.top : range.left, remove ? -count : count},
            rows ? std::pair(range.left, range.right) : std::pair(range.top, range.bottom)};
}

// Adds the cells a command changes; false for a command that changes more than cells (rows, sheets, names),
// after which every formula is computed.
bool addChangedCells(const QUndoCommand& command, std::vector<ChangedCells>& changed) {
    if (command.childCount() > 0) {
        for (int i = 0; i < command.childCount(); ++i)
            if (!addChangedCells(*command.child(i), changed))
                return false;
        return true;
    }
    const auto* cells = dynamic_cast<const SheetChange*>(&command);
    if (!cells)
        return false;
    for (const CellRange& range : cells->region())
        changed.push_back({cells->sheet(), range});
    return true;
}

} // namespace

WorkbookDocument::WorkbookDocument(QObject* parent) : QObject(parent) {
    connect(&m_undo, &QUndoStack::indexChanged, this, [this](int index) {
        if (m_resetting)
            return;
        const int from = std::exchange(m_computedIndex, index);
        if (!m_automatic)
            m_computedIndex = notComputed;
        else if (from == notComputed)
            m_formulaCount = m_formulas.recalculate(m_workbook);
        else
            recalculateBetween(from, index);
        Q_EMIT changed();
        Q_EMIT edited();
    });
}

void WorkbookDocument::recalculate() {
    m_formulaCount = m_formulas.recalculate(m_workbook);
    m_computedIndex = m_undo.index();
    Q_EMIT changed();
}

void WorkbookDocument::setRecalculatesAutomatically(bool on) {
    m_automatic = on;
    if (on && m_computedIndex == notComputed)
        recalculate();
}

void WorkbookDocument::recalculateBetween(int from, int to) {
    std::vector<ChangedCells> changed;
    for (int i = std::min(from, to); i < std::max(from, to); ++i)
        if (const QUndoCommand* command = m_undo.command(i);
            !command || !addChangedCells(*command, changed)) {
            m_formulaCount = m_formulas.recalculate(m_workbook);
            return;
        }
    m_formulaCount = m_formulas.recalculateChanged(m_workbook, changed);
}

void WorkbookDocument::setUnrecordedText(int sheet, CellPos pos, const QString& text) {
    sheetAt(sheet).setText(pos, text);
    if (m_formulaCount == 0)
        return;
    if (m_automatic)
        m_formulaCount = m_formulas.recalculateChanged(m_workbook, {{sheet, CellRange::single(pos)}});
    else
        m_computedIndex = notComputed;
    Q_EMIT changed();
}

// The stack's destructor clears it, which would report a change to an owner already half destroyed.
WorkbookDocument::~WorkbookDocument() {
    m_undo.blockSignals(true);
}

void WorkbookDocument::reset(Workbook workbook) {
    m_resetting = true;
    m_undo.clear();
    m_resetting = false;
    m_workbook = std::move(workbook);
    recalculate();
}

Sheet& WorkbookDocument::sheetAt(int index) {
    if (index < 0 || index >= m_workbook.sheetCount())
        throw SheetError(QStringLiteral("Die Tabelle %1 gibt es nicht.").arg(index + 1));
    return m_workbook.sheet(index);
}

std::vector<CellRange> WorkbookDocument::usedParts(int sheet, const std::vector<CellRange>& ranges) const {
    std::vector<CellRange> parts;
    for (const CellRange& range : ranges)
        parts.push_back(usedPart(sheet, range));
    return parts;
}

CellRange WorkbookDocument::usedPart(int sheet, const CellRange& range) const {
    const CellRange used = m_workbook.sheet(sheet).usedRange();
    CellRange part = range;
    if (range.bottom == maxRows)
        part.bottom = std::max(range.top, used.bottom);
    if (range.right == maxColumns)
        part.right = std::max(range.left, used.right);
    return part;
}

void WorkbookDocument::recordChange(int sheet, std::vector<CellRange> region, bool withLayout,
                                    const QString& text, const std::function<void(Sheet&)>& change) {
    Sheet& target = sheetAt(sheet);
    SheetChange::State before = SheetChange::capture(target, region, withLayout);
    try {
        change(target);
    } catch (...) {
        SheetChange(m_workbook, sheet, region, before, before, text).undo();
        throw;
    }
    SheetChange::State after = SheetChange::capture(target, region, withLayout);
    if (after.cells == before.cells && after.layout == before.layout)
        return;
    if (const QString refusal = protectionRefusal(target, before, after); !refusal.isEmpty()) {
        SheetChange(m_workbook, sheet, region, before, before, text).undo();
        throw SheetError(refusal);
    }
    m_undo.push(
        new SheetChange(m_workbook, sheet, std::move(region), std::move(before), std::move(after), text));
}

void WorkbookDocument::recordLayout(int sheet, const QString& text,
                                    const std::function<void(SheetLayout&)>& change) {
    recordChange(sheet, {}, true, text, [&change](Sheet& target) {
        SheetLayout layout = target.layout();
        change(layout);
        target.setLayout(std::move(layout));
    });
}

void WorkbookDocument::setCellText(int sheet, CellPos pos, const QString& text) {
    if (pos.row < 1 || pos.row > maxRows || pos.column < 1 || pos.column > maxColumns)
        throw SheetError(
            QStringLiteral("Die Zelle %1/%2 liegt außerhalb der Tabelle.").arg(pos.row).arg(pos.column));
    recordChange(sheet, {CellRange::single(pos)}, false,
                 QStringLiteral("Eingabe in %1").arg(cellReference(pos)), [&](Sheet& target) {
                     if (text.size() > 1 && text.startsWith(u'='))
                         target.setFormula(pos, text, QString());
                     else
                         target.setText(pos, text);
                 });
}

void WorkbookDocument::changeStyle(int sheet, const std::vector<CellRange>& ranges,
                                   const std::function<void(CellStyle&)>& change, const QString& text) {
    const std::vector<CellRange> region = usedParts(sheet, ranges);
    recordChange(sheet, region, false, text, [&](Sheet& target) {
        for (const CellRange& range : region)
            for (int row = range.top; row <= range.bottom; ++row)
                for (int column = range.left; column <= range.right; ++column) {
                    CellStyle style = target.style({row, column});
                    change(style);
                    target.setStyle({row, column}, style);
                }
    });
}

void WorkbookDocument::clear(int sheet, const std::vector<CellRange>& ranges, ClearKind kind) {
    const std::vector<CellRange> region = usedParts(sheet, ranges);
    const QString text = kind == ClearKind::All       ? QStringLiteral("Alles löschen")
                         : kind == ClearKind::Formats ? QStringLiteral("Formate löschen")
                                                      : QStringLiteral("Inhalte löschen");
    recordChange(sheet, region, false, text, [&](Sheet& target) {
        for (const CellRange& range : region)
            for (const auto& [pos, cell] : target.cellsIn(range)) {
                if (kind != ClearKind::Formats)
                    target.setText(pos, QString());
                if (kind != ClearKind::Contents)
                    target.setStyle(pos, target.defaultStyle());
            }
    });
}

void WorkbookDocument::fillDown(int sheet, const std::vector<CellRange>& ranges) {
    const std::vector<CellRange> region = usedParts(sheet, ranges);
    recordChange(sheet, region, false, QStringLiteral("Nach unten ausfüllen"), [&](Sheet& target) {
        for (const CellRange& range : region) {
            const CellBlock first = copyBlock(target, {range.top, range.left, range.top, range.right});
            for (int row = range.top + 1; row <= range.bottom; ++row)
                pasteBlock(target, {row, range.left}, first, PasteKind::All, false);
        }
    });
}

void WorkbookDocument::fillRight(int sheet, const std::vector<CellRange>& ranges) {
    const std::vector<CellRange> region = usedParts(sheet, ranges);
    recordChange(sheet, region, false, QStringLiteral("Nach rechts ausfüllen"), [&](Sheet& target) {
        for (const CellRange& range : region) {
            const CellBlock first = copyBlock(target, {range.top, range.left, range.bottom, range.left});
            for (int column = range.left + 1; column <= range.right; ++column)
                pasteBlock(target, {range.top, column}, first, PasteKind::All, false);
        }
    });
}

void WorkbookDocument::paste(int sheet, CellPos at, const CellBlock& block, PasteKind kind, bool transpose) {
    if (block.rows <= 0 || block.columns <= 0)
        return;
    recordChange(sheet, {pasteRange(block, at, transpose)}, false, QStringLiteral("Einfügen"),
                 [&](Sheet& target) { pasteBlock(target, at, block, kind, transpose); });
}

int WorkbookDocument::replaceAll(int sheet, const FindOptions& options, const QString& replacement) {
    int changed = 0;
    const CellRange used = sheetAt(sheet).usedRange();
    recordChange(sheet, {used}, false, QStringLiteral("Ersetzen"), [&](Sheet& target) {
        changed = velmora::sheet::replaceAll(target, used, options, replacement);
    });
    return changed;
}

void WorkbookDocument::sort(int sheet, const CellRange& range, const SortOrder& order) {
    const CellRange part = usedPart(sheet, range);
    recordChange(sheet, {part}, false, QStringLiteral("Sortieren"),
                 [&](Sheet& target) { sortRange(target, part, order); });
}

void WorkbookDocument::recordShift(const SheetShift& shift, const QString& text) {
    Sheet& target = sheetAt(shift.sheet);
    if (target.isProtected())
        throw SheetError(protectedSheetMessage());
    const LineShift& lines = shift.shift;
    const bool rows = lines.axis == Axis::Rows;
    const int limit = rows ? maxRows : maxColumns;
    const int bandFirst = shift.band.first;
    const int bandLast = shift.band.second;
    const auto span = [&](int first, int last) {
        return rows ? CellRange{first, bandFirst, last, bandLast}
                    : CellRange{bandFirst, first, bandLast, last};
    };
    if (lines.count > 0 && !target.cellsIn(span(limit - lines.count + 1, limit)).empty())
        throw SheetError(QStringLiteral("Zellen würden aus der Tabelle geschoben."));
    ShiftChange::Effects effects;
    effects.layoutBefore = target.layout();
    effects.layoutAfter = effects.layoutBefore;
    const bool wholeLines = bandFirst == 1 && bandLast == (rows ? maxColumns : maxRows);
    if (wholeLines)
        shiftLayout(effects.layoutAfter, lines);
    else
        shiftMergesInBand(effects.layoutAfter.merges, lines, bandFirst, bandLast);
    effects.namesBefore = m_workbook.definedNames();
    effects.namesAfter = shiftedNames(m_workbook, shift);
    if (lines.count < 0) {
        const CellRange deleted = span(lines.at, lines.at + lines.deletedCount() - 1);
        effects.removed = target.cellsIn(deleted);
        target.removeCells(deleted);
    }
    ShiftChange::moveCells(target, shift, false);
    target.setLayout(effects.layoutAfter);
    effects.formulas = shiftedFormulas(m_workbook, shift);
    applyRewrites(m_workbook, effects.formulas, false);
    m_workbook.definedNames() = effects.namesAfter;
    m_undo.push(new ShiftChange(m_workbook, shift, std::move(effects), text));
}

void WorkbookDocument::insertRows(int sheet, int first, int count) {
    checkLines(first, first + count - 1, maxRows);
    recordShift({sheet, {Axis::Rows, first, count}, {1, maxColumns}}, QStringLiteral("Zeilen einfügen"));
}

void WorkbookDocument::deleteRows(int sheet, int first, int count) {
    checkLines(first, first + count - 1, maxRows);
    recordShift({sheet, {Axis::Rows, first, -count}, {1, maxColumns}}, QStringLiteral("Zeilen löschen"));
}

void WorkbookDocument::insertColumns(int sheet, int first, int count) {
    checkLines(first, first + count - 1, maxColumns);
    recordShift({sheet, {Axis::Columns, first, count}, {1, maxRows}}, QStringLiteral("Spalten einfügen"));
}

void WorkbookDocument::deleteColumns(int sheet, int first, int count) {
    checkLines(first, first + count - 1, maxColumns);
    recordShift({sheet, {Axis::Columns, first, -count}, {1, maxRows}}, QStringLiteral("Spalten löschen"));
}

void WorkbookDocument::insertCells(int sheet, const CellRange& range, Axis axis) {
    recordShift(cellShift(sheet, range, axis, false), QStringLiteral("Zellen einfügen"));
}

void WorkbookDocument::deleteCells(int sheet, const CellRange& range, Axis axis) {
    recordShift(cellShift(sheet, range, axis, true), QStringLiteral("Zellen löschen"));
}

void WorkbookDocument::setRowHeight(int sheet, int first, int last, double height) {
    checkLines(first, last, maxRows);
    checkSize(height);
    recordLayout(sheet, QStringLiteral("Zeilenhöhe"), [&](SheetLayout& layout) {
        for (int row = first; row <= last; ++row)
            layout.rowHeights[row] = height;
    });
}

void WorkbookDocument::setColumnWidth(int sheet, int first, int last, double width) {
    checkLines(first, last, maxColumns);
    checkSize(width);
    recordLayout(sheet, QStringLiteral("Spaltenbreite"), [&](SheetLayout& layout) {
        for (int column = first; column <= last; ++column)
            layout.columnWidths[column] = width;
    });
}

void WorkbookDocument::setDefaultRowHeight(int sheet, double height) {
    checkSize(height);
    recordLayout(sheet, QStringLiteral("Standardhöhe"),
                 [&](SheetLayout& layout) { layout.defaultRowHeight = height; });
}

void WorkbookDocument::setDefaultColumnWidth(int sheet, double width) {
    checkSize(width);
    recordLayout(sheet, QStringLiteral("Standardbreite"),
                 [&](SheetLayout& layout) { layout.defaultColumnWidth = width; });
}

void WorkbookDocument::setRowsHidden(int sheet, int first, int last, bool hidden) {
    checkLines(first, last, maxRows);
    recordLayout(sheet, hidden ? QStringLiteral("Zeilen ausblenden") : QStringLiteral("Zeilen einblenden"),
                 [&](SheetLayout& layout) {
                     for (int row = first; row <= last; ++row)
                         hidden ? void(layout.hiddenRows.insert(row)) : void(layout.hiddenRows.erase(row));
                 });
}

void WorkbookDocument::setColumnsHidden(int sheet, int first, int last, bool hidden) {
    checkLines(first, last, maxColumns);
    recordLayout(sheet, hidden ? QStringLiteral("Spalten ausblenden") : QStringLiteral("Spalten einblenden"),
                 [&](SheetLayout& layout) {
                     for (int column = first; column <= last; ++column)
                         hidden ? void(layout.hiddenColumns.insert(column))
                                : void(layout.hiddenColumns.erase(column));
                 });
}

void WorkbookDocument::autoFitColumns(int sheet, int first, int last) {
    checkLines(first, last, maxColumns);
    const Sheet& target = sheetAt(sheet);
    std::map<int, double> widths;
    for (const auto& [pos, cell] : target.cellsIn({1, first, maxRows, last})) {
        if (cell.text.isEmpty() || target.mergeAt(pos))
            continue;
        QFont font(cell.style.fontFamily);
        font.setPointSizeF(cell.style.fontSize);
        font.setBold(cell.style.bold);
        font.setItalic(cell.style.italic);
        const double width = std::ceil(QFontMetricsF(font).horizontalAdvance(cell.text)) + 6.0;
        widths[pos.column] = std::min(maxLineSize, std::max(widths[pos.column], width));
    }
    recordLayout(sheet, QStringLiteral("Optimale Breite"), [&](SheetLayout& layout) {
        for (const auto& [column, width] : widths)
            layout.columnWidths[column] = width;
    });
}

void WorkbookDocument::merge(int sheet, const CellRange& range, bool centreAcross) {
    recordChange(sheet, {range}, true, QStringLiteral("Verbinden"), [&](Sheet& target) {
        target.merge(range);
        if (centreAcross)
            for (int row = range.top; row <= range.bottom; ++row)
                for (int column = range.left; column <= range.right; ++column) {
                    CellStyle style = target.style({row, column});
                    style.horizontal = HorizontalAlignment::CentreAcrossSelection;
                    target.setStyle({row, column}, style);
                }
    });
}

void WorkbookDocument::unmerge(int sheet, const CellRange& range) {
    recordLayout(sheet, QStringLiteral("Verbindung aufheben"), [&](SheetLayout& layout) {
        std::erase_if(layout.merges, [&range](const CellRange& merged) { return merged.intersects(range); });
    });
}

void WorkbookDocument::setFrozen(int sheet, int rows, int columns) {
    checkLines(1, std::max(rows, 1), maxRows);
    checkLines(1, std::max(columns, 1), maxColumns);
    recordLayout(sheet,
                 rows || columns ? QStringLiteral("Fenster fixieren") : QStringLiteral("Fixierung aufheben"),
                 [&](SheetLayout& layout) {
                     layout.frozenRows = std::max(rows, 0);
                     layout.frozenColumns = std::max(columns, 0);
                 });
}

void WorkbookDocument::setProtected(int sheet, bool isProtected) {
    recordLayout(sheet, QStringLiteral("Blattschutz"),
                 [&](SheetLayout& layout) { layout.isProtected = isProtected; });
}

void WorkbookDocument::togglePageBreak(int sheet, CellPos pos) {
    recordLayout(sheet, QStringLiteral("Seitenumbruch"), [&](SheetLayout& layout) {
        std::set<int>& rows = layout.print.rowBreaks;
        std::set<int>& columns = layout.print.columnBreaks;
        if (rows.contains(pos.row) || columns.contains(pos.column)) {
            rows.erase(pos.row);
            columns.erase(pos.column);
            return;
        }
        if (pos.row > 1)
            rows.insert(pos.row);
        if (pos.column > 1)
            columns.insert(pos.column);
    });
}

void WorkbookDocument::setPrintSettings(int sheet, const PrintSettings& settings) {
    if (settings.scale < PrintSettings::minScale || settings.scale > PrintSettings::maxScale)
        throw SheetError(QStringLiteral("Der Maßstab muss zwischen %1 und %2 % liegen.")
                             .arg(PrintSettings::minScale)
                             .arg(PrintSettings::maxScale));
    if (std::min(settings.pagesWide, settings.pagesTall) < 1 ||
        std::max(settings.pagesWide, settings.pagesTall) > PrintSettings::maxPagesPerAxis)
        throw SheetError(QStringLiteral("Angepasst werden kann auf 1 bis %1 Seiten breit und hoch.")
                             .arg(PrintSettings::maxPagesPerAxis));
    const QMarginsF& margins = settings.margins;
    if (std::min({margins.left(), margins.top(), margins.right(), margins.bottom()}) < 0.0 ||
        std::max({margins.left(), margins.top(), margins.right(), margins.bottom()}) >
            PrintSettings::maxMargin)
        throw SheetError(QStringLiteral("Die Seitenränder müssen zwischen 0 und %1 mm liegen.")
                             .arg(PrintSettings::maxMargin));
    recordLayout(sheet, QStringLiteral("Seite einrichten"),
                 [&](SheetLayout& layout) { layout.print = settings; });
}

void WorkbookDocument::setDefaultStyle(int sheet, const CellStyle& style) {
    recordLayout(sheet, QStringLiteral("Standardschrift"),
                 [&](SheetLayout& layout) { layout.defaultStyle = style; });
}

void WorkbookDocument::setDefaultFont(const QString& family, double size) {
    if (family.trimmed().isEmpty() || !(size >= 1.0 && size <= 409.0))
        throw SheetError(
            QStringLiteral("Eine Schrift braucht einen Namen und eine Größe von 1 bis 409 Punkt."));
    // Every sheet changes or none: a protected one refuses before anything is recorded.
    for (const Sheet& sheet : m_workbook.sheets())
        if (sheet.isProtected())
            throw SheetError(protectedSheetMessage());
    const QString text = QStringLiteral("Standardschrift");
    m_undo.beginMacro(text);
    for (int index = 0; index < m_workbook.sheetCount(); ++index) {
        const CellStyle old = m_workbook.sheet(index).defaultStyle();
        const auto follows = [&old](const CellStyle& style) {
            return style.fontFamily == old.fontFamily && style.fontSize == old.fontSize;
        };
        const auto renewed = [&](CellStyle style) {
            style.fontFamily = family;
            style.fontSize = size;
            return style;
        };
        recordChange(index, {m_workbook.sheet(index).usedRange()}, true, text, [&](Sheet& target) {
            // Cells in the old default font keep following the default.
            std::vector<std::pair<CellPos, CellStyle>> following;
            target.visitCellsIn(target.usedRange(), [&](CellPos pos, const Cell& cell) {
                if (follows(cell.style))
                    following.emplace_back(pos, renewed(cell.style));
            });
            for (const auto& [pos, style] : following)
                target.setStyle(pos, style);
            target.setDefaultStyle(renewed(old));
        });
    }
    m_undo.endMacro();
}

void WorkbookDocument::addObject(int sheet, const DrawingObject& object) {
    recordLayout(sheet, QStringLiteral("Objekt einfügen"),
                 [&](SheetLayout& layout) { layout.drawings.push_back(object); });
}

void WorkbookDocument::changeObject(int sheet, int index, const DrawingObject& object) {
    const std::size_t at = std::size_t(objectIndices({index}, sheetAt(sheet)).front());
    recordLayout(sheet, QStringLiteral("Objekt ändern"),
                 [&](SheetLayout& layout) { layout.drawings[at] = object; });
}

void WorkbookDocument::removeObjects(int sheet, std::vector<int> indices) {
    indices = objectIndices(std::move(indices), sheetAt(sheet));
    recordLayout(sheet, QStringLiteral("Objekte löschen"),
                 [&](SheetLayout& layout) { takeObjects(layout.drawings, indices); });
}

void WorkbookDocument::moveObjects(int sheet, std::vector<int> indices, QPointF by) {
    changeObjects(
        sheet, std::move(indices), [by](DrawingObject& object) { object.bounds.translate(by); },
        QStringLiteral("Objekte verschieben"));
}

void WorkbookDocument::changeObjects(int sheet, std::vector<int> indices,
                                     const std::function<void(DrawingObject&)>& change, const QString& text) {
    indices = objectIndices(std::move(indices), sheetAt(sheet));
    recordLayout(sheet, text, [&](SheetLayout& layout) {
        for (const int index : indices)
            change(layout.drawings[std::size_t(index)]);
    });
}

void WorkbookDocument::bringToFront(int sheet, std::vector<int> indices) {
    indices = objectIndices(std::move(indices), sheetAt(sheet));
    recordLayout(sheet, QStringLiteral("In den Vordergrund"), [&](SheetLayout& layout) {
        const std::vector<DrawingObject> taken = takeObjects(layout.drawings, indices);
        layout.drawings.insert(layout.drawings.end(), taken.begin(), taken.end());
    });
}

void WorkbookDocument::sendToBack(int sheet, std::vector<int> indices) {
    indices = objectIndices(std::move(indices), sheetAt(sheet));
    recordLayout(sheet, QStringLiteral("In den Hintergrund"), [&](SheetLayout& layout) {
        const std::vector<DrawingObject> taken = takeObjects(layout.drawings, indices);
        layout.drawings.insert(layout.drawings.begin(), taken.begin(), taken.end());
    });
}

void WorkbookDocument::insertSheet(int index, const QString& name) {
    if (index < 0 || index > m_workbook.sheetCount())
        throw SheetError(QStringLiteral("Die Tabelle %1 gibt es nicht.").arg(index + 1));
    if (m_workbook.sheetCount() >= maxSheets)
        throw SheetError(
            QStringLiteral("Eine Arbeitsmappe kann höchstens %1 Tabellen haben.").arg(maxSheets));
    const Sheet sheet(name.isEmpty() ? m_workbook.newSheetName() : name.trimmed());
    for (const Sheet& existing : m_workbook.sheets())
        if (existing.name().compare(sheet.name(), Qt::CaseInsensitive) == 0)
            throw SheetError(QStringLiteral("Eine Tabelle „%1“ gibt es schon.").arg(sheet.name()));
    auto* command = new SheetListChange(m_workbook, index, sheet, false, QStringLiteral("Tabelle einfügen"));
    m_workbook.sheets().insert(m_workbook.sheets().begin() + index, sheet);
    m_undo.push(command);
}

void WorkbookDocument::deleteSheet(int index) {
    const Sheet sheet = sheetAt(index);
    if (m_workbook.sheetCount() == 1)
        throw SheetError(QStringLiteral("Die letzte Tabelle einer Arbeitsmappe kann nicht gelöscht werden."));
    auto* command = new SheetListChange(m_workbook, index, sheet, true, QStringLiteral("Tabelle löschen"));
    m_workbook.sheets().erase(m_workbook.sheets().begin() + index);
    m_undo.push(command);
}

QString WorkbookDocument::checkedSheetName(int index, const QString& name) const {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 31)
        throw SheetError(QStringLiteral("Ein Tabellenname hat 1 bis 31 Zeichen."));
    for (int i = 0; i < m_workbook.sheetCount(); ++i)
        if (i != index && m_workbook.sheet(i).name().compare(trimmed, Qt::CaseInsensitive) == 0)
            throw SheetError(QStringLiteral("Eine Tabelle „%1“ gibt es schon.").arg(trimmed));
    return trimmed;
}

void WorkbookDocument::renameSheet(int index, const QString& name) {
    sheetAt(index);
    const QString trimmed = checkedSheetName(index, name);
    recordWorkbook(QStringLiteral("Tabelle umbenennen"),
                   [&](Workbook& workbook) { workbook.sheet(index).setName(trimmed); });
}

SheetProperties WorkbookDocument::sheetProperties(int sheet) const {
    const Sheet& shown = m_workbook.sheets().at(std::size_t(sheet));
    return {shown.name(), shown.showGridlines(), shown.showHeadings(), m_workbook.showTabs()};
}

void WorkbookDocument::setSheetProperties(int sheet, const SheetProperties& properties) {
    sheetAt(sheet);
    const QString name = checkedSheetName(sheet, properties.name);
    if (sheetProperties(sheet) ==
        SheetProperties{name, properties.gridlines, properties.headings, properties.tabs})
        return;
    const QString text = QStringLiteral("Tabelleneigenschaften");
    m_undo.beginMacro(text);
    recordWorkbook(text, [&](Workbook& workbook) {
        workbook.sheet(sheet).setName(name);
        workbook.setShowTabs(properties.tabs);
    });
    recordLayout(sheet, text, [&](SheetLayout& layout) {
        layout.showGridlines = properties.gridlines;
        layout.showHeadings = properties.headings;
    });
    m_undo.endMacro();
}

QString definedNameTarget(const QString& name, const QString& reference) {
    static const QRegularExpression valid(QStringLiteral("^[A-Za-zÄÖÜäöüß_][A-Za-z0-9ÄÖÜäöüß_.]{0,254}$"));
    CellRange ignored;
    if (!valid.match(name).hasMatch() || parseRangeReference(name, ignored))
        throw SheetError(QStringLiteral("„%1“ ist kein gültiger Name.").arg(name));
    const QString target = sheetRangeReference(reference);
    if (target.isEmpty())
        throw SheetError(QStringLiteral("„%1“ ist kein Bereich einer Tabelle.").arg(reference));
    return target;
}

void WorkbookDocument::defineName(const QString& name, const QString& reference) {
    const QString target = definedNameTarget(name, reference);
    recordWorkbook(QStringLiteral("Namen festlegen"),
                   [&](Workbook& workbook) { workbook.definedNames()[name] = target; });
}

void WorkbookDocument::setDefinedNames(const std::map<QString, QString>& names) {
    std::map<QString, QString> checked;
    for (const auto& [name, reference] : names)
        checked[name] = definedNameTarget(name, reference);
    recordWorkbook(QStringLiteral("Namen festlegen"),
                   [&](Workbook& workbook) { workbook.definedNames() = std::move(checked); });
}

void WorkbookDocument::removeName(const QString& name) {
    recordWorkbook(QStringLiteral("Namen löschen"),
                   [&](Workbook& workbook) { workbook.definedNames().erase(name); });
}

void WorkbookDocument::recordWorkbook(const QString& text, const std::function<void(Workbook&)>& change) {
    WorkbookChange::State before = WorkbookChange::capture(m_workbook);
    change(m_workbook);
    WorkbookChange::State after = WorkbookChange::capture(m_workbook);
    if (after == before)
        return;
    m_undo.push(new WorkbookChange(m_workbook, std::move(before), std::move(after), text));
}

} // namespace velmora::sheet
