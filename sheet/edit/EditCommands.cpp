#include "sheet/edit/EditCommands.h"

namespace velmora::sheet {

SheetChange::State SheetChange::capture(const Sheet& sheet, const std::vector<CellRange>& region,
                                        bool withLayout) {
    State state;
    for (const CellRange& range : region) {
        CellList cells = sheet.cellsIn(range);
        state.cells.insert(state.cells.end(), std::make_move_iterator(cells.begin()),
                           std::make_move_iterator(cells.end()));
    }
    if (withLayout)
        state.layout = sheet.layout();
    return state;
}

SheetChange::SheetChange(Workbook& workbook, int sheet, std::vector<CellRange> region, State before,
                         State after, const QString& text)
    : QUndoCommand(text), m_workbook(workbook), m_sheet(sheet), m_region(std::move(region)),
      m_before(std::move(before)), m_after(std::move(after)) {}

void SheetChange::redo() {
    if (std::exchange(m_applied, false))
        return;
    restore(m_after);
}

void SheetChange::restore(const State& state) {
    Sheet& sheet = m_workbook.sheet(m_sheet);
    for (const CellRange& range : m_region)
        sheet.removeCells(range);
    sheet.putCells(state.cells);
    if (state.layout)
        sheet.setLayout(*state.layout);
}

ShiftChange::ShiftChange(Workbook& workbook, SheetShift shift, Effects effects, const QString& text)
    : QUndoCommand(text), m_workbook(workbook), m_shift(shift), m_effects(std::move(effects)) {}

void ShiftChange::moveCells(Sheet& sheet, const SheetShift& shift, bool backwards) {
    const LineShift& lines = shift.shift;
    const bool rows = lines.axis == Axis::Rows;
    const int last = rows ? maxRows : maxColumns;
    // Forwards the lines after the deleted ones (or from the insertion on) move; backwards those after the
    // inserted ones (or from the deletion on) move back.
    const int delta = backwards ? -lines.count : lines.count;
    const int from = lines.at + (backwards ? std::max(lines.count, 0) : lines.deletedCount());
    const int to = delta > 0 ? last - delta : last;
    if (from > to)
        return;
    const auto [bandFirst, bandLast] = shift.band;
    const CellRange moving =
        rows ? CellRange{from, bandFirst, to, bandLast} : CellRange{bandFirst, from, bandLast, to};
    sheet.moveCells(moving, rows ? delta : 0, rows ? 0 : delta);
}

void ShiftChange::redo() {
    if (std::exchange(m_applied, false))
        return;
    Sheet& sheet = m_workbook.sheet(m_shift.sheet);
    for (const auto& [pos, cell] : m_effects.removed)
        sheet.removeCells(CellRange::single(pos));
    moveCells(sheet, m_shift, false);
    sheet.setLayout(m_effects.layoutAfter);
    applyRewrites(m_workbook, m_effects.formulas, false);
    m_workbook.definedNames() = m_effects.namesAfter;
}

void ShiftChange::undo() {
    Sheet& sheet = m_workbook.sheet(m_shift.sheet);
    applyRewrites(m_workbook, m_effects.formulas, true);
    moveCells(sheet, m_shift, true);
    sheet.putCells(m_effects.removed);
    sheet.setLayout(m_effects.layoutBefore);
    m_workbook.definedNames() = m_effects.namesBefore;
}

SheetListChange::SheetListChange(Workbook& workbook, int index, Sheet sheet, bool remove, const QString& text)
    : QUndoCommand(text), m_workbook(workbook), m_index(index), m_sheet(std::move(sheet)), m_remove(remove) {}

void SheetListChange::insert() {
    m_workbook.sheets().insert(m_workbook.sheets().begin() + m_index, m_sheet);
}

void SheetListChange::erase() {
    m_workbook.sheets().erase(m_workbook.sheets().begin() + m_index);
}

void SheetListChange::redo() {
    if (std::exchange(m_applied, false))
        return;
    m_remove ? erase() : insert();
}

void SheetListChange::undo() {
    m_remove ? insert() : erase();
}

WorkbookChange::State WorkbookChange::capture(const Workbook& workbook) {
    State state;
    for (const Sheet& sheet : workbook.sheets())
        state.sheetNames.push_back(sheet.name());
    state.definedNames = workbook.definedNames();
    state.showTabs = workbook.showTabs();
    return state;
}

WorkbookChange::WorkbookChange(Workbook& workbook, State before, State after, const QString& text)
    : QUndoCommand(text), m_workbook(workbook), m_before(std::move(before)), m_after(std::move(after)) {}

void WorkbookChange::redo() {
    if (std::exchange(m_applied, false))
        return;
    restore(m_after);
}

void WorkbookChange::restore(const State& state) {
    for (std::size_t i = 0; i < state.sheetNames.size(); ++i)
        m_workbook.sheets()[i].setName(state.sheetNames[i]);
    m_workbook.definedNames() = state.definedNames;
    m_workbook.setShowTabs(state.showTabs);
}

} // namespace velmora::sheet
