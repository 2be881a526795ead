#include "sheet/view/SheetBook.h"

#include "sheet/formats/WorkbookFile.h"
#include "sheet/formula/Recalculation.h"
#include "sheet/model/SheetError.h"
#include "sheet/view/DefaultFontDialog.h"
#include "sheet/view/DefineNameDialog.h"
#include "sheet/view/FindDialog.h"
#include "sheet/view/FormatCellsDialog.h"
#include "sheet/view/FormatObjectDialog.h"
#include "sheet/view/GoToDialog.h"
#include "sheet/view/LineSizeDialog.h"
#include "sheet/view/OptionsDialog.h"
#include "sheet/view/PageSetupDialog.h"
#include "sheet/view/PasteContentsDialog.h"
#include "sheet/view/SheetPrinter.h"
#include "sheet/view/SheetPropertiesDialog.h"
#include "sheet/view/SheetView.h"
#include "sheet/view/ShiftCellsDialog.h"
#include "sheet/view/SortDialog.h"

#include <numeric>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QTabBar>
#include <QVBoxLayout>

namespace velmora::sheet {

namespace {

// The designer's executable beside this program's.
QString designerPath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tabrix");
}

} // namespace

SheetBook::SheetBook(QWidget* parent) : SheetBook(std::make_shared<WorkbookDocument>(), parent) {}

SheetBook::SheetBook(std::shared_ptr<WorkbookDocument> document, QWidget* parent)
    : QWidget(parent), m_shared(std::move(document)), m_document(*m_shared), m_view(new SheetView(this)), m_tabs(new QTabBar(this)), m_editBar(new QWidget(this)),
      m_cellReference(new QLineEdit(m_editBar)), m_editLine(new QLineEdit(m_editBar)) {
    auto* bar = new QHBoxLayout(m_editBar);
    bar->setContentsMargins(2, 2, 2, 2);
    m_cellReference->setObjectName(QStringLiteral("editBarCellRef"));
    m_cellReference->setFixedWidth(90);
    m_editLine->setObjectName(QStringLiteral("editBar"));
    bar->addWidget(m_cellReference);
    bar->addWidget(m_editLine, 1);
    m_editBar->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_editBar);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_tabs);
    m_tabs->setShape(QTabBar::RoundedSouth);
    m_tabs->setExpanding(false);
    m_printDialog = [this](QPrinter& printer) {
        return QPrintDialog(&printer, this).exec() == QDialog::Accepted;
    };
    m_runDialog = [](QDialog& dialog) {
        return dialog.exec() == QDialog::Accepted;
    };
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0 && index != m_current)
            setCurrentSheet(index);
    });
    connect(m_view, &SheetView::textEntered, this, [this](CellPos pos, const QString& text) {
        edit([&] { m_document.setCellText(m_current, pos, text); });
    });
    connect(m_view, &SheetView::editRequested, this, [this](const QString& text) {
        m_editLine->setText(text);
        m_editLine->setFocus();
    });
    connect(m_view, &SheetView::clearRequested, this, [this] {
        edit([&] {
            if (m_view->selectedObjects().empty())
                m_document.clear(m_current, {m_view->selection()}, ClearKind::Contents);
            else
                deleteObjects();
        });
    });
    connect(&m_document, &WorkbookDocument::changed, this, &SheetBook::showDocument);
    connect(m_view, &SheetView::selectionChanged, this, &SheetBook::showCurrentCell);
    connect(m_view, &SheetView::drawingModeChanged, this, &SheetBook::drawingModeChanged);
    connect(m_view, &SheetView::objectDrawn, this, [this](DrawingObject object) {
        // A chart shows the cells selected when it was drawn.
        const CellRange cells = selectionInUse();
        if (object.kind == DrawingObject::Kind::Chart && (cells.rowCount() > 1 || cells.columnCount() > 1))
            object.source = cells;
        edit([&] {
            m_document.addObject(m_current, object);
            m_view->selectObjects({int(shownSheet().drawings().size()) - 1});
        });
    });
    connect(m_view, &SheetView::objectsMoved, this, [this](const std::vector<int>& objects, QPointF by) {
        edit([&] { m_document.moveObjects(m_current, objects, by); });
    });
    connect(m_view, &SheetView::objectChanged, this, [this](int index, const DrawingObject& object) {
        edit([&] { m_document.changeObject(m_current, index, object); });
    });
    connect(m_editLine, &QLineEdit::returnPressed, this, [this] {
        if (!m_view->isReadOnly())
            edit([&] { m_document.setCellText(m_current, m_view->currentCell(), m_editLine->text()); });
        m_view->setFocus();
    });
    connect(m_cellReference, &QLineEdit::returnPressed, this, &SheetBook::goToTypedReference);
    connect(m_view, &SheetView::selectionFinished, this, [this] {
        if (!m_formatSource)
            return;
        const CellBlock source = *std::exchange(m_formatSource, std::nullopt);
        const CellRange target = m_view->selection();
        edit([&] { m_document.paste(m_current, {target.top, target.left}, source, PasteKind::Formats); });
        Q_EMIT formatPainterChanged(false);
    });
    connect(&m_document, &WorkbookDocument::edited, this, &SheetBook::modified);
    QAction* undo = m_document.undoStack().createUndoAction(this);
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = m_document.undoStack().createRedoAction(this);
    // Ctrl+Y as well wherever the platform's redo key is another; a key bound twice would be ambiguous.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys.prepend(QKeySequence(Qt::CTRL | Qt::Key_Y));
    redo->setShortcuts(redoKeys);
    auto* recalculate = new QAction(this);
    recalculate->setShortcut(Qt::Key_F9);
    connect(recalculate, &QAction::triggered, &m_document, &WorkbookDocument::recalculate);
    for (QAction* action : {undo, redo, recalculate}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    setFocusProxy(m_view);
    showDocument();
}

SheetBook::~SheetBook() = default;

void SheetBook::rebuildTabs() {
    const QSignalBlocker block(m_tabs);
    while (m_tabs->count() > 0)
        m_tabs->removeTab(0);
    for (const Sheet& sheet : workbook().sheets())
        m_tabs->addTab(sheet.name());
    m_tabs->setCurrentIndex(m_current);
}

void SheetBook::showDocument() {
    const Workbook& book = workbook();
    m_current = std::clamp(m_current, 0, book.sheetCount() - 1);
    // Inserting or deleting a sheet moves the others in memory: the view takes its sheet again before
    // the tabs below can lay it out anew.
    Sheet* shown = &m_document.unrecordedWorkbook().sheet(m_current);
    if (m_view->sheet() != shown)
        m_view->setSheet(shown);
    else
        m_view->sheetChanged();
    bool sameTabs = m_tabs->count() == book.sheetCount();
    for (int i = 0; sameTabs && i < book.sheetCount(); ++i)
        sameTabs = m_tabs->tabText(i) == book.sheet(i).name();
    if (!sameTabs)
        rebuildTabs();
    m_tabs->setVisible(book.sheetCount() > 1 && book.showTabs());
    showCurrentCell();
}

void SheetBook::showCurrentCell() {
    const CellPos pos = m_view->currentCell();
    m_cellReference->setText(cellReference(pos));
    m_editLine->setText(shownSheet().editText(pos));
    m_editLine->setReadOnly(m_view->isReadOnly());
}

void SheetBook::goToTypedReference() {
    CellRange range;
    if (!parseRangeReference(m_cellReference->text().trimmed(), range) || range.bottom > maxRows ||
        range.right > maxColumns) {
        QApplication::beep();
        showCurrentCell();
        return;
    }
    m_view->setCurrentCell({range.top, range.left});
    if (range.rowCount() > 1 || range.columnCount() > 1)
        m_view->select(range);
    m_view->setFocus();
}

bool SheetBook::showEditBar() const {
    return !m_editBar->isHidden();
}

void SheetBook::setShowEditBar(bool show) {
    m_editBar->setVisible(show);
    setEditingOptions(m_options);
}

void SheetBook::setEditingOptions(const EditingOptions& options) {
    m_options = options;
    // Without an edit bar to edit in, cells are edited in place.
    EditingOptions viewOptions = options;
    viewOptions.editInCell = options.editInCell || !showEditBar();
    m_view->setEditingOptions(viewOptions);
    m_document.setRecalculatesAutomatically(options.automaticRecalculation);
}

void SheetBook::options() {
    OptionsDialog dialog(m_options, this);
    run(dialog);
    setEditingOptions(dialog.options());
}

bool SheetBook::showEditBarCellRef() const {
    return !m_cellReference->isHidden();
}

void SheetBook::setShowEditBarCellRef(bool show) {
    m_cellReference->setVisible(show);
}

Selection SheetBook::selection() const {
    Selection selection;
    selection.ranges = m_view->selectedRanges();
    selection.active = m_view->currentCell();
    selection.editingCell = m_view->isEditing();
    selection.objects = m_view->selectedObjects();
    return selection;
}

void SheetBook::edit(const std::function<void()>& change) {
    try {
        change();
    } catch (const SheetError&) {
        QApplication::beep();
    }
}

void SheetBook::setWorkbook(Workbook workbook) {
    const QString keptTitle = title();
    if (workbook.title().isEmpty())
        workbook.setTitle(keptTitle);
    m_current = 0;
    m_view->setSheet(nullptr);
    m_document.reset(std::move(workbook));
}

void SheetBook::setCurrentSheet(int index) {
    if (index < 0 || index >= workbook().sheetCount())
        return;
    m_current = index;
    m_tabs->setCurrentIndex(index);
    m_view->setSheet(&m_document.unrecordedWorkbook().sheet(index));
}

QString SheetBook::getCellText(int row, int column) const {
    return shownSheet().text({row, column});
}

void SheetBook::setCellText(int row, int column, const QString& text) {
    if (row < 1 || row > maxRows || column < 1 || column > maxColumns)
        throw SheetError(QStringLiteral("Die Zelle %1/%2 liegt außerhalb der Tabelle.").arg(row).arg(column));
    // Formulas of a template may read the cells a program fills; the document then shows them.
    m_document.setUnrecordedText(m_current, {row, column}, text);
    if (!m_document.hasFormulas())
        m_view->sheetChanged();
}

int SheetBook::readWorkbook(const QString& path) {
    int code = 0;
    Workbook read = readWorkbookFile(path, code);
    read.setTitle(title());
    setWorkbook(std::move(read));
    return code;
}

void SheetBook::writeWorkbook(const QString& path, int code) {
    writeWorkbookFile(workbook(), path, code);
}

void SheetBook::printBook(bool showDialog) {
    QPrinter defaultPrinter(QPrinter::HighResolution);
    QPrinter& printer = m_printer ? *m_printer : defaultPrinter;
    printer.setDocName(title());
    if (showDialog && !m_printDialog(printer))
        throw SheetError::cancelled();
    if (printWorkbook(workbook(), title(), printer) == 0)
        throw SheetError(QStringLiteral("Der Drucker konnte nicht angesprochen werden."));
}

void SheetBook::printPreview() {
    QPrinter defaultPrinter(QPrinter::HighResolution);
    QPrinter& printer = m_printer ? *m_printer : defaultPrinter;
    printer.setDocName(title());
    QPrintPreviewDialog dialog(&printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { printWorkbook(workbook(), title(), *target); });
    // Closing the preview is no cancellation: nothing was asked.
    m_runDialog(dialog);
}

int SheetBook::drawingMode() const {
    return m_view->drawingMode();
}

void SheetBook::setDrawingMode(int mode) {
    m_view->setDrawingMode(mode);
}

void SheetBook::selectAllObjects() {
    std::vector<int> all(shownSheet().drawings().size());
    std::iota(all.begin(), all.end(), 0);
    m_view->selectObjects(std::move(all));
}

void SheetBook::bringToFront() {
    const std::vector<int> objects = m_view->selectedObjects();
    m_document.bringToFront(m_current, objects);
    // They are the last ones now.
    std::vector<int> moved(objects.size());
    std::iota(moved.begin(), moved.end(), int(shownSheet().drawings().size() - objects.size()));
    m_view->selectObjects(std::move(moved));
}

void SheetBook::sendToBack() {
    const std::vector<int> objects = m_view->selectedObjects();
    m_document.sendToBack(m_current, objects);
    std::vector<int> moved(objects.size());
    std::iota(moved.begin(), moved.end(), 0);
    m_view->selectObjects(std::move(moved));
}

void SheetBook::deleteObjects() {
    const std::vector<int> objects = m_view->selectedObjects();
    m_view->selectObjects({});
    m_document.removeObjects(m_current, objects);
}

bool SheetBook::isEditingPolygonPoints() const {
    return m_view->isEditingPoints();
}

void SheetBook::setEditingPolygonPoints(bool on) {
    m_view->setEditingPoints(on);
}

void SheetBook::formatObject() {
    const std::vector<int> objects = m_view->selectedObjects();
    if (objects.empty())
        throw SheetError(QStringLiteral("Es ist kein Zeichenobjekt ausgewählt."));
    FormatObjectDialog dialog(shownSheet().drawings().at(std::size_t(objects.front())), this);
    run(dialog);
    m_document.changeObjects(
        m_current, objects, [&dialog](DrawingObject& object) { object = dialog.applied(object); },
        QStringLiteral("Objekt formatieren"));
}

void SheetBook::sheetProperties() {
    SheetPropertiesDialog dialog(m_document.sheetProperties(m_current), this);
    run(dialog);
    m_document.setSheetProperties(m_current, dialog.properties());
}

void SheetBook::defineName() {
    DefineNameDialog dialog(workbook().definedNames(),
                            shownSheet().name() + u'!' + rangeReference(selectionInUse()), this);
    run(dialog);
    m_document.setDefinedNames(dialog.names());
}

double SheetBook::askSize(const QString& caption, const QString& label, double size) {
    LineSizeDialog dialog(caption, label, size, this);
    run(dialog);
    return dialog.size();
}

void SheetBook::changeSelectedLines(bool rows, const QString& text,
                                    const std::function<void(int, int)>& change) {
    QUndoStack& undo = m_document.undoStack();
    undo.beginMacro(text);
    for (const CellRange& range : m_view->selectedRanges()) {
        try {
            rows ? change(range.top, range.bottom) : change(range.left, range.right);
        } catch (...) {
            undo.endMacro();
            undo.undo(); // what the earlier ranges got goes too
            throw;
        }
    }
    undo.endMacro();
}

void SheetBook::rowHeight() {
    const QString caption = QStringLiteral("Zeilenhöhe");
    const double height =
        askSize(caption, QStringLiteral("&Zeilenhöhe:"), shownSheet().rowHeight(m_view->currentCell().row));
    changeSelectedLines(
        true, caption, [&](int first, int last) { m_document.setRowHeight(m_current, first, last, height); });
}

void SheetBook::columnWidth() {
    const QString caption = QStringLiteral("Spaltenbreite");
    const double width = askSize(caption, QStringLiteral("&Spaltenbreite:"),
                                 shownSheet().columnWidth(m_view->currentCell().column));
    changeSelectedLines(false, caption, [&](int first, int last) {
        m_document.setColumnWidth(m_current, first, last, width);
    });
}

void SheetBook::defaultHeight() {
    m_document.setDefaultRowHeight(m_current, askSize(QStringLiteral("Standardhöhe"),
                                                      QStringLiteral("&Standardzeilenhöhe:"),
                                                      shownSheet().defaultRowHeight()));
}

void SheetBook::defaultWidth() {
    m_document.setDefaultColumnWidth(m_current, askSize(QStringLiteral("Standardbreite"),
                                                        QStringLiteral("&Standardspaltenbreite:"),
                                                        shownSheet().defaultColumnWidth()));
}

void SheetBook::defaultFont() {
    const CellStyle& style = shownSheet().defaultStyle();
    DefaultFontDialog dialog(style.fontFamily, style.fontSize, this);
    run(dialog);
    m_document.setDefaultFont(dialog.family(), dialog.size());
}

void SheetBook::pageSetup() {
    PageSetupDialog dialog(shownSheet().print(), this);
    run(dialog);
    m_document.setPrintSettings(m_current, dialog.settings());
}

void SheetBook::changePrintSettings(const std::function<void(PrintSettings&)>& change) {
    PrintSettings settings = shownSheet().print();
    change(settings);
    m_document.setPrintSettings(m_current, settings);
}

void SheetBook::setPrintArea() {
    const std::vector<CellRange> ranges = m_view->selectedRanges();
    if (ranges.size() != 1)
        throw SheetError(QStringLiteral("Der Druckbereich muss ein zusammenhängender Bereich sein."));
    changePrintSettings([area = selectionInUse()](PrintSettings& print) { print.area = area; });
}

void SheetBook::setPrintTitles() {
    std::optional<CellRange> rows, columns;
    for (const CellRange& range : m_view->selectedRanges()) {
        if (Selection::isWholeRows(range) && !Selection::isWholeColumns(range) && !rows)
            rows = range;
        else if (Selection::isWholeColumns(range) && !Selection::isWholeRows(range) && !columns)
            columns = range;
        else
            throw SheetError(QStringLiteral("Als Drucktitel können nur ganze Zeilen und ganze Spalten "
                                            "gewählt werden."));
    }
    changePrintSettings([&](PrintSettings& print) {
        if (rows)
            print.titleRows = rows;
        if (columns)
            print.titleColumns = columns;
    });
}

void SheetBook::clearPrintArea() {
    changePrintSettings([](PrintSettings& print) { print.area.reset(); });
}

void SheetBook::clearPrintTitles() {
    changePrintSettings([](PrintSettings& print) {
        print.titleRows.reset();
        print.titleColumns.reset();
    });
}

CellRange SheetBook::selectionInUse() const {
    const CellRange used = shownSheet().usedRange();
    const CellRange selected = m_view->selection();
    return {selected.top, selected.left, std::max(selected.top, std::min(selected.bottom, used.bottom)),
            std::max(selected.left, std::min(selected.right, used.right))};
}

void SheetBook::copySelection() const {
    const CellRange range = selectionInUse();
    const CellBlock block = copyBlock(shownSheet(), range);
    auto* data = new QMimeData;
    data->setText(blockText(block));
    data->setHtml(blockHtml(block));
    data->setData(QString::fromLatin1(cellBlockMimeType), encodeBlock(block));
    QApplication::clipboard()->setMimeData(data);
}

void SheetBook::cutSelection() {
    copySelection();
    edit([&] { m_document.clear(m_current, {m_view->selection()}, ClearKind::All); });
}

CellBlock SheetBook::clipboardBlock() const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data)
        return {};
    const CellStyle& style = shownSheet().defaultStyle();
    if (data->hasFormat(QString::fromLatin1(cellBlockMimeType)))
        return decodeBlock(data->data(QString::fromLatin1(cellBlockMimeType)));
    if (data->hasText())
        return blockFromText(data->text(), style);
    if (data->hasHtml())
        return blockFromHtml(data->html(), style);
    return {};
}

void SheetBook::pasteClipboard() {
    const CellBlock block = clipboardBlock();
    edit([&] { m_document.paste(m_current, m_view->currentCell(), block); });
}

void SheetBook::run(QDialog& dialog) {
    if (!m_runDialog(dialog))
        throw SheetError::cancelled();
}

void SheetBook::formatCells() {
    FormatCellsDialog dialog(shownSheet().style(m_view->currentCell()), currentSerialTime(), this);
    run(dialog);
    m_document.changeStyle(
        m_current, m_view->selectedRanges(), [&dialog](CellStyle& style) { style = dialog.applied(style); },
        QStringLiteral("Zellen formatieren"));
}

void SheetBook::find() {
    findOrReplace(false);
}

void SheetBook::replace() {
    findOrReplace(true);
}

void SheetBook::findOrReplace(bool replacing) {
    FindDialog dialog(replacing, this);
    connect(&dialog, &FindDialog::findNextRequested, this, [&] {
        const FindOptions options = dialog.options();
        const std::optional<CellPos> found = findNext(shownSheet(), m_view->currentCell(), options);
        if (found)
            m_view->setCurrentCell(*found);
        dialog.showMessage(found ? QString()
                                 : QStringLiteral("„%1“ wurde nicht gefunden.").arg(options.text));
    });
    connect(&dialog, &FindDialog::replaceAllRequested, this, [&] {
        const int replaced = m_document.replaceAll(m_current, dialog.options(), dialog.replacement());
        dialog.showMessage(replaced == 1 ? QStringLiteral("1 Zelle ersetzt.")
                                         : QStringLiteral("%1 Zellen ersetzt.").arg(replaced));
    });
    m_runDialog(dialog); // closing is the end of searching, not a cancellation
}

void SheetBook::goTo() {
    QStringList names;
    for (const auto& [name, reference] : workbook().definedNames())
        names << name;
    GoToDialog dialog(names, this);
    run(dialog);
    const QString typed = dialog.reference();
    int sheet = m_current;
    CellRange range;
    bool found = parseRangeReference(typed, range);
    for (const auto& [name, reference] : workbook().definedNames())
        if (const auto target = splitSheetRange(reference);
            target && name.compare(typed, Qt::CaseInsensitive) == 0) {
            for (int i = 0; i < workbook().sheetCount(); ++i)
                if (workbook().sheet(i).name() == target->first)
                    sheet = i;
            range = target->second;
            found = true;
        }
    if (!found || range.bottom > maxRows || range.right > maxColumns)
        throw SheetError(QStringLiteral("„%1“ ist kein Bezug und kein Name.").arg(typed));
    if (sheet != m_current)
        setCurrentSheet(sheet);
    m_view->setCurrentCell({range.top, range.left});
    m_view->select(range);
}

void SheetBook::sort() {
    const CellRange range = m_view->selection();
    SortDialog dialog(range, this);
    run(dialog);
    m_document.sort(m_current, range, dialog.order());
}

void SheetBook::insertCells() {
    shiftCells(false);
}

void SheetBook::deleteCells() {
    shiftCells(true);
}

void SheetBook::shiftCells(bool deleting) {
    ShiftCellsDialog dialog(deleting, this);
    run(dialog);
    const CellRange range = m_view->selection();
    WorkbookDocument& document = m_document;
    switch (dialog.choice()) {
    case ShiftCellsDialog::Choice::Sideways:
        return deleting ? document.deleteCells(m_current, range, Axis::Columns)
                        : document.insertCells(m_current, range, Axis::Columns);
    case ShiftCellsDialog::Choice::Downwards:
        return deleting ? document.deleteCells(m_current, range, Axis::Rows)
                        : document.insertCells(m_current, range, Axis::Rows);
    case ShiftCellsDialog::Choice::WholeRows:
        return deleting ? document.deleteRows(m_current, range.top, range.rowCount())
                        : document.insertRows(m_current, range.top, range.rowCount());
    case ShiftCellsDialog::Choice::WholeColumns:
        return deleting ? document.deleteColumns(m_current, range.left, range.columnCount())
                        : document.insertColumns(m_current, range.left, range.columnCount());
    }
}

void SheetBook::pasteContents() {
    const CellBlock block = clipboardBlock();
    if (block.rows == 0)
        throw SheetError(QStringLiteral("Die Zwischenablage enthält keine Zellen."));
    PasteContentsDialog dialog(this);
    run(dialog);
    m_document.paste(m_current, m_view->currentCell(), block, dialog.kind(), dialog.transpose());
}

void SheetBook::copyCellFormat() {
    if (m_formatSource) {
        m_formatSource.reset();
    } else {
        m_formatSource = copyBlock(shownSheet(), selectionInUse());
    }
    Q_EMIT formatPainterChanged(isFormatPainterOn());
}

void SheetBook::startDesigner(const QString& path) const {
    const QString program = m_designerProgram.isEmpty() ? designerPath() : m_designerProgram;
    if (!QFileInfo(program).isExecutable())
        throw SheetError(QStringLiteral("Der Formular-Designer „%1“ wurde nicht gefunden.").arg(program));
    if (!QProcess::startDetached(program, path.isEmpty() ? QStringList() : QStringList{path}))
        throw SheetError(
            QStringLiteral("Der Formular-Designer „%1“ konnte nicht gestartet werden.").arg(program));
}

int SheetBook::viewScale() const {
    return m_view->zoom();
}

void SheetBook::setViewScale(int percent) {
    m_view->setZoom(percent);
}

int SheetBook::topRow() const {
    return m_view->topRow();
}

void SheetBook::setTopRow(int row) {
    m_view->setTopRow(row);
}

bool SheetBook::isReadOnly() const {
    return m_view->isReadOnly();
}

void SheetBook::setReadOnly(bool readOnly) {
    m_view->setReadOnly(readOnly);
}

} // namespace velmora::sheet
