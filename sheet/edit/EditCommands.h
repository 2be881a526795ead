#pragma once

#include "sheet/edit/FormulaShift.h"
#include "sheet/model/Workbook.h"

#include <optional>
#include <QUndoCommand>

namespace velmora::sheet {

/// The commands of the undo stack. Each is made after its change was applied to the workbook: the first
/// redo() that pushing it calls does nothing.

/// A change of one sheet's cells inside a region and, where given, of its layout, kept as before and after.
class SheetChange : public QUndoCommand {
public:
    struct State {
        CellList cells;
        std::optional<SheetLayout> layout;
    };

    /// Reads the region's cells (and the layout when `withLayout`) as they are now.
    static State capture(const Sheet& sheet, const std::vector<CellRange>& region, bool withLayout);

    SheetChange(Workbook& workbook, int sheet, std::vector<CellRange> region, State before, State after,
                const QString& text);

    void undo() override { restore(m_before); }
    void redo() override;

    int sheet() const { return m_sheet; }
    /// The cells the change may alter (a cell's style is its own: a new default style leaves it).
    const std::vector<CellRange>& region() const { return m_region; }

private:
    void restore(const State& state);

    Workbook& m_workbook;
    int m_sheet;
    std::vector<CellRange> m_region;
    State m_before;
    State m_after;
    bool m_applied = true;
};

/// Cells moved along an axis: whole rows or columns inserted or deleted (the layout moving with them), or
/// cells of a band inserted or deleted with their neighbours shifted. Formulas and names that refer to the
/// moved cells follow them.
class ShiftChange : public QUndoCommand {
public:
    /// What the move did besides moving cells.
    struct Effects {
        CellList removed; ///< the cells of deleted lines
        SheetLayout layoutBefore;
        SheetLayout layoutAfter;
        std::vector<FormulaRewrite> formulas;
        std::map<QString, QString> namesBefore;
        std::map<QString, QString> namesAfter;
    };

    ShiftChange(Workbook& workbook, SheetShift shift, Effects effects, const QString& text);

    /// Moves the cells as the shift says (deleted cells must have been removed); the inverse with
    /// `backwards`.
    static void moveCells(Sheet& sheet, const SheetShift& shift, bool backwards);

    void undo() override;
    void redo() override;

private:
    Workbook& m_workbook;
    SheetShift m_shift;
    Effects m_effects;
    bool m_applied = true;
};

/// A sheet inserted (or, with `remove`, deleted) at an index.
class SheetListChange : public QUndoCommand {
public:
    SheetListChange(Workbook& workbook, int index, Sheet sheet, bool remove, const QString& text);

    void undo() override;
    void redo() override;

private:
    void insert();
    void erase();

    Workbook& m_workbook;
    int m_index;
    Sheet m_sheet;
    bool m_remove;
    bool m_applied = true;
};

/// What belongs to the workbook rather than a sheet: the sheet names, the defined names and whether the
/// tabs are shown, before and after.
class WorkbookChange : public QUndoCommand {
public:
    struct State {
        std::vector<QString> sheetNames;
        std::map<QString, QString> definedNames;
        bool showTabs = true;

        bool operator==(const State&) const = default;
    };

    static State capture(const Workbook& workbook);

    WorkbookChange(Workbook& workbook, State before, State after, const QString& text);

    void undo() override { restore(m_before); }
    void redo() override;

private:
    void restore(const State& state);

    Workbook& m_workbook;
    State m_before;
    State m_after;
    bool m_applied = true;
};

} // namespace velmora::sheet
