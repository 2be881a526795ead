#pragma once

#include "sheet/edit/CellBlock.h"
#include "sheet/edit/FindReplace.h"
#include "sheet/edit/FormulaShift.h"
#include "sheet/edit/Sorting.h"
#include "sheet/formula/Recalculation.h"
#include "sheet/model/Workbook.h"

#include <functional>
#include <QObject>
#include <QUndoStack>

namespace velmora::sheet {

enum class ClearKind { All = 1, Formats = 2, Contents = 3 };

/// A workbook being edited: every change is one command of its undo stack, and the document is modified
/// while the stack is away from the state last saved. Formulas are computed after every change. Sheets are
/// given by index, ranges as the selection holds them; whole rows and columns are taken as far as the sheet
/// is used. Refused changes raise SheetError and leave the workbook as it was.
/// The reference a defined name keeps for `reference`; refuses an invalid name or reference.
QString definedNameTarget(const QString& name, const QString& reference);

/// A sheet's name and how it shows, with whether the workbook shows its tabs.
struct SheetProperties {
    QString name;
    bool gridlines = true;
    bool headings = true;
    bool tabs = true;

    bool operator==(const SheetProperties&) const = default;
};

class WorkbookDocument : public QObject {
    Q_OBJECT
public:
    explicit WorkbookDocument(QObject* parent = nullptr);
    ~WorkbookDocument() override;

    const Workbook& workbook() const { return m_workbook; }
    /// Replaces the workbook and forgets the history; unmodified afterwards.
    void reset(Workbook workbook);
    /// The workbook for changes outside the history; recalculate() after changing cells this way.
    Workbook& unrecordedWorkbook() { return m_workbook; }
    /// A program filling its result sheet: the cell's text outside the history. The formulas reading it
    /// follow, reported by changed(); nothing is reported for a workbook without formulas.
    void setUnrecordedText(int sheet, CellPos pos, const QString& text);

    QUndoStack& undoStack() { return m_undo; }
    /// Computes every formula afresh. After each change the formulas it concerns are computed by themselves,
    /// with NOW() and TODAY().
    void recalculate();
    bool hasFormulas() const { return m_formulaCount > 0; }
    /// Whether each change computes the formulas it concerns (the default); otherwise only recalculate()
    /// computes, everything, and switching this on again does so at once.
    void setRecalculatesAutomatically(bool on);
    bool isModified() const { return !m_undo.isClean(); }
    void markSaved() { m_undo.setClean(); }

    // Cells
    /// What the user typed: a text beginning with "=" (and more) makes a formula cell, any other a plain one.
    void setCellText(int sheet, CellPos pos, const QString& text);
    void changeStyle(int sheet, const std::vector<CellRange>& ranges,
                     const std::function<void(CellStyle&)>& change, const QString& text);
    void clear(int sheet, const std::vector<CellRange>& ranges, ClearKind kind);
    void fillDown(int sheet, const std::vector<CellRange>& ranges);
    void fillRight(int sheet, const std::vector<CellRange>& ranges);
    void paste(int sheet, CellPos at, const CellBlock& block, PasteKind kind = PasteKind::All,
               bool transpose = false);
    /// Returns the number of cells changed; nothing is recorded when none is.
    int replaceAll(int sheet, const FindOptions& options, const QString& replacement);
    void sort(int sheet, const CellRange& range, const SortOrder& order);

    // Structure
    void insertRows(int sheet, int first, int count);
    void deleteRows(int sheet, int first, int count);
    void insertColumns(int sheet, int first, int count);
    void deleteColumns(int sheet, int first, int count);
    /// The neighbours move along `axis`: down (rows) or right (columns) when inserting, back when deleting.
    void insertCells(int sheet, const CellRange& range, Axis axis);
    void deleteCells(int sheet, const CellRange& range, Axis axis);

    // Rows and columns
    void setRowHeight(int sheet, int first, int last, double height);
    void setColumnWidth(int sheet, int first, int last, double width);
    void setDefaultRowHeight(int sheet, double height);
    void setDefaultColumnWidth(int sheet, double width);
    void setRowsHidden(int sheet, int first, int last, bool hidden);
    void setColumnsHidden(int sheet, int first, int last, bool hidden);
    /// Widens the columns to their longest text in its font (hidden columns stay hidden).
    void autoFitColumns(int sheet, int first, int last);

    // Sheet settings
    void merge(int sheet, const CellRange& range, bool centreAcross);
    void unmerge(int sheet, const CellRange& range);
    void setFrozen(int sheet, int rows, int columns);
    void setProtected(int sheet, bool isProtected);
    /// Sets a page break before the cell's row (and column, beyond the first) or, where one is, removes it.
    void togglePageBreak(int sheet, CellPos pos);
    void setPrintSettings(int sheet, const PrintSettings& settings);
    void setDefaultStyle(int sheet, const CellStyle& style);
    /// The font of every sheet's default style and of the cells that had the old one.
    void setDefaultFont(const QString& family, double size);

    // Drawing objects; indices count from the back (0) to the front.
    void addObject(int sheet, const DrawingObject& object);
    void changeObject(int sheet, int index, const DrawingObject& object);
    void removeObjects(int sheet, std::vector<int> indices);
    void moveObjects(int sheet, std::vector<int> indices, QPointF by);
    /// Each of the objects changed by `change`, as one step.
    void changeObjects(int sheet, std::vector<int> indices, const std::function<void(DrawingObject&)>& change,
                       const QString& text);
    void bringToFront(int sheet, std::vector<int> indices);
    void sendToBack(int sheet, std::vector<int> indices);

    // Sheets and names
    void insertSheet(int index, const QString& name = {});
    void deleteSheet(int index);
    void renameSheet(int index, const QString& name);
    SheetProperties sheetProperties(int sheet) const;
    /// One step, whatever of them changes.
    void setSheetProperties(int sheet, const SheetProperties& properties);
    void defineName(const QString& name, const QString& reference);
    /// Replaces every defined name by `names` (name -> reference), all checked first.
    void setDefinedNames(const std::map<QString, QString>& names);
    void removeName(const QString& name);

Q_SIGNALS:
    /// Any change: an edit, an undo or a redo, a new workbook.
    void changed();
    /// The user's change: an edit, an undo or a redo.
    void edited();

private:
    Sheet& sheetAt(int index);
    /// Computes the formulas the commands between the two indices of the stack concern.
    void recalculateBetween(int from, int to);
    /// Applies `change` to the sheet and records the region's cells (and the layout) before and after.
    void recordChange(int sheet, std::vector<CellRange> region, bool withLayout, const QString& text,
                      const std::function<void(Sheet&)>& change);
    void recordLayout(int sheet, const QString& text, const std::function<void(SheetLayout&)>& change);
    void recordShift(const SheetShift& shift, const QString& text);
    void recordWorkbook(const QString& text, const std::function<void(Workbook&)>& change);
    /// The name trimmed; refused when it is empty, too long or another sheet's.
    QString checkedSheetName(int index, const QString& name) const;
    /// The part of `range` that holds anything: whole rows and columns end where the sheet's use ends.
    CellRange usedPart(int sheet, const CellRange& range) const;
    std::vector<CellRange> usedParts(int sheet, const std::vector<CellRange>& ranges) const;

    Workbook m_workbook;
    QUndoStack m_undo;
    bool m_resetting = false;
    FormulaEngine m_formulas;
    int m_formulaCount = 0;
    static constexpr int notComputed = -1;
    /// The stack's index the formulas were last computed for; notComputed after changes left uncomputed.
    int m_computedIndex = 0;
    bool m_automatic = true;
};

} // namespace velmora::sheet
