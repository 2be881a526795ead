#pragma once

#include "sheet/edit/Selection.h"
#include "sheet/edit/WorkbookDocument.h"
#include "sheet/view/EditingOptions.h"

#include <functional>
#include <memory>
#include <optional>
#include <QWidget>

class QDialog;
class QLineEdit;
class QPrinter;
class QTabBar;

namespace velmora::sheet {

class SheetView;

/// The spreadsheet component: one workbook shown one sheet at a time (with sheet tabs when there are
/// several), read from and written to files, printed, and exchanged with the clipboard. Every operation
/// that fails raises SheetError; a cancelled one raises it with isCancelled().
class SheetBook : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int ViewScale READ viewScale WRITE setViewScale)
    Q_PROPERTY(QString Title READ title WRITE setTitle)
    Q_PROPERTY(int TopRow READ topRow WRITE setTopRow)
    Q_PROPERTY(bool AllowDesigner READ allowDesigner WRITE setAllowDesigner)
    Q_PROPERTY(bool ShowEditBar READ showEditBar WRITE setShowEditBar)
    Q_PROPERTY(bool ShowEditBarCellRef READ showEditBarCellRef WRITE setShowEditBarCellRef)
public:
    /// Shows the print dialog for `printer`; false when the user cancels. The program sets its own seam.
    using PrintDialog = std::function<bool(QPrinter& printer)>;
    /// Runs one of the component's dialogs modally; false when the user cancels. Tests fill it in instead.
    using DialogRunner = std::function<bool(QDialog& dialog)>;

    /// A book with a workbook of its own.
    explicit SheetBook(QWidget* parent = nullptr);
    /// Another window onto `document`: the books that share it show and edit the same workbook, each
    /// with its own shown sheet and selection.
    explicit SheetBook(std::shared_ptr<WorkbookDocument> document, QWidget* parent = nullptr);
    ~SheetBook() override;

    /// The text of a cell of the shown sheet as shown; empty for an empty cell. Rows and columns from 1.
    QString getCellText(int row, int column) const;
    /// The cell shows exactly `text` afterwards.
    void setCellText(int row, int column, const QString& text);

    /// Replaces the whole workbook by the file and returns its file-type code (12 for ".vts").
    int readWorkbook(const QString& path);
    /// Writes the workbook in the format of `code`: 12 ".vts", 11 and 4 ".xls", 9 ".htm", 3 ".txt".
    void writeWorkbook(const QString& path, int code);

    /// Prints every used page, the Title in each page header; with `showDialog` after the print dialog.
    void printBook(bool showDialog);
    void setPrintDialog(PrintDialog dialog) { m_printDialog = std::move(dialog); }
    /// The pages printBook() prints, shown in the print preview (run by the dialog runner).
    void printPreview();
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    // The component's dialogs; each raises the cancellation when it is cancelled.
    /// "Zellen formatieren" for the selection.
    void formatCells();
    /// "Suchen" and "Ersetzen": the next match becomes the current cell; replacing works on the shown sheet.
    void find();
    void replace();
    /// "Gehe zu": a reference or a defined name (on its sheet) becomes the selection.
    void goTo();
    /// "Sortieren" of the active range.
    void sort();
    /// "Zellen einfügen" and "Zellen löschen" for the active range.
    void insertCells();
    void deleteCells();
    /// "Inhalte einfügen" of the clipboard at the current cell.
    void pasteContents();

    /// The object-drawing mode: 0 none, 1 line, 2 rectangle, 3 oval, 4 arc, 5 chart (over the selected
    /// cells), 7 button, 8 polygon, 9 check box, 10 list box. The next object drawn ends it.
    int drawingMode() const;
    void setDrawingMode(int mode);
    void selectAllObjects();
    /// The selected drawing objects in front of or behind the others, or deleted.
    void bringToFront();
    void sendToBack();
    void deleteObjects();
    /// Polygon point editing (the points of the selected polygon dragged with the mouse), on or off.
    bool isEditingPolygonPoints() const;
    void setEditingPolygonPoints(bool on);
    /// "Objekt formatieren" for the selected objects.
    void formatObject();

    /// "Tabelleneigenschaften" of the shown sheet.
    void sheetProperties();
    /// "Namen festlegen", a new name referring to the active range.
    void defineName();
    /// The height of the selected rows, the width of the selected columns, and the defaults of the
    /// shown sheet, each asked for in pixels.
    void rowHeight();
    void columnWidth();
    void defaultHeight();
    void defaultWidth();
    /// "Standardschrift" of the workbook.
    void defaultFont();

    /// "Optionen" of the component.
    void options();
    const EditingOptions& editingOptions() const { return m_options; }
    void setEditingOptions(const EditingOptions& options);

    /// "Seite einrichten" of the shown sheet.
    void pageSetup();
    /// The active range becomes the print area of the shown sheet.
    void setPrintArea();
    /// Whole rows selected become the rows repeated on every page, whole columns the columns.
    void setPrintTitles();
    void clearPrintArea();
    void clearPrintTitles();

    /// The format painter: the selection's styles are taken, and the next range selected with the mouse
    /// gets them; then the mode ends by itself. Switching it on again while on switches it off.
    void copyCellFormat();
    bool isFormatPainterOn() const { return m_formatSource.has_value(); }
    /// Where printBook() prints; the default printer unless set (tests print to a PDF file).
    void setPrinter(QPrinter* printer) { m_printer = printer; }

    void copySelection() const;
    void cutSelection();
    void pasteClipboard();

    /// Starts the workbook designer as its own process, with the workbook at `path` where one is given.
    void startDesigner(const QString& path = {}) const;
    /// The designer's program: "tabrix" in the program directory unless set (tests give their own).
    void setDesignerProgram(const QString& program) { m_designerProgram = program; }

    int viewScale() const;
    void setViewScale(int percent);
    QString title() const { return workbook().title(); }
    void setTitle(const QString& title) { m_document.unrecordedWorkbook().setTitle(title); }
    int topRow() const;
    void setTopRow(int row);
    bool allowDesigner() const { return m_allowDesigner; }
    void setAllowDesigner(bool allow) { m_allowDesigner = allow; }
    /// The edit bar above the sheet: the current cell's formula or text, edited there too; beside it the
    /// cell reference, where typing a reference goes to it.
    bool showEditBar() const;
    void setShowEditBar(bool show);
    bool showEditBarCellRef() const;
    void setShowEditBarCellRef(bool show);

    /// What is selected, with the kind code the designer's commands are enabled by.
    Selection selection() const;

    /// Result windows discard the keys typed into their sheet (cutting and pasting still edit it); the
    /// designer edits it.
    bool isReadOnly() const;
    void setReadOnly(bool readOnly);

    const Workbook& workbook() const { return m_document.workbook(); }
    /// Replaces the workbook, e.g. by one a program built, and forgets what can be undone.
    void setWorkbook(Workbook workbook);
    /// The workbook with its undo history: every edit of the designer goes through it.
    WorkbookDocument& document() { return m_document; }
    int currentSheet() const { return m_current; }
    void setCurrentSheet(int index);
    SheetView* view() const { return m_view; }

Q_SIGNALS:
    /// The user changed the workbook: an edit, a cut or paste, an undo or a redo.
    void modified();
    /// The drawing mode changed, also when drawing an object ended it.
    void drawingModeChanged(int mode);
    /// The format painter went on or off.
    void formatPainterChanged(bool on);

private:
    const Sheet& shownSheet() const { return workbook().sheet(m_current); }
    /// Shows the document as it is after a change: its sheets, the shown one and its cells.
    void showDocument();
    void rebuildTabs();
    /// Shows the current cell in the edit bar.
    void showCurrentCell();
    /// Goes to the cell or range typed into the reference box; a beep for anything else.
    void goToTypedReference();
    /// Asks for a size in the line-size dialog, starting from `size`.
    double askSize(const QString& caption, const QString& label, double size);
    /// Applies `change` to the lines (first, last) of every selected range, as one step.
    void changeSelectedLines(bool rows, const QString& text, const std::function<void(int, int)>& change);
    /// Records a change of the shown sheet's print settings.
    void changePrintSettings(const std::function<void(PrintSettings&)>& change);
    /// Runs an edit the user asked for from the view; a refused one leaves the workbook as it was.
    void edit(const std::function<void()>& change);
    /// Runs a dialog through the runner; raises the cancellation when it is cancelled.
    void run(QDialog& dialog);
    /// The search and replace dialog in either role.
    void findOrReplace(bool replacing);
    /// The insert or delete dialog of cells, and what it chose.
    void shiftCells(bool deleting);
    /// The active range as far as the sheet is used (at least its first cell).
    CellRange selectionInUse() const;
    /// What the clipboard holds as a block of cells; empty when nothing fits.
    CellBlock clipboardBlock() const;

    std::shared_ptr<WorkbookDocument> m_shared;
    WorkbookDocument& m_document;
    int m_current = 0;
    bool m_allowDesigner = true;
    SheetView* m_view;
    QTabBar* m_tabs;
    QWidget* m_editBar;
    QLineEdit* m_cellReference;
    QLineEdit* m_editLine;
    PrintDialog m_printDialog;
    DialogRunner m_runDialog;
    std::optional<CellBlock> m_formatSource; ///< the styles the format painter carries
    EditingOptions m_options;
    QPrinter* m_printer = nullptr;
    QString m_designerProgram;
};

} // namespace velmora::sheet
