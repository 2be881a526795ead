#include "designer/TabrixWindow.h"

#include "designer/DesignerDialogs.h"
#include "designer/DesignerDocument.h"
#include "designer/DocumentWindow.h"
#include "designer/FormatCommands.h"
#include "sheet/edit/WorkbookDocument.h"
#include "sheet/model/SheetError.h"
#include "sheet/view/SheetBook.h"
#include "sheet/view/SheetView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDataStream>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QSettings>
#include <QStatusBar>
#include <QWindow>

namespace tabrix {

using velmora::sheet::CellPos;
using velmora::sheet::CellRange;
using velmora::sheet::CellStyle;
using velmora::sheet::ClearKind;
using velmora::sheet::HorizontalAlignment;
using velmora::sheet::SheetBook;
using velmora::sheet::SheetError;

namespace {

// An entry of a menu that calls `triggered`.
template <typename Receiver, typename Slot>
QAction* addEntry(QMenu* menu, const QString& text, Receiver* context, Slot triggered,
                  const QKeySequence& key = {}) {
    QAction* action = menu->addAction(text);
    action->setShortcut(key);
    QObject::connect(action, &QAction::triggered, context, triggered);
    return action;
}

// The kind of what is selected, as the component reports it.
int kindOf(const SheetBook& book) {
    return book.selection().kind();
}

// Applies `change` to the first and last line of every selected range in turn, the last range first.
BookCommand forEachRange(bool rows, const std::function<void(SheetBook&, int, int)>& change) {
    return [rows, change](SheetBook& book) {
        const std::vector<CellRange> ranges = book.selection().ranges;
        for (auto it = ranges.rbegin(); it != ranges.rend(); ++it)
            rows ? change(book, it->top, it->bottom) : change(book, it->left, it->right);
    };
}

BookCommand clearing(ClearKind kind) {
    return [kind](SheetBook& book) {
        book.document().clear(book.currentSheet(), book.selection().ranges, kind);
    };
}

// Rows or columns as many as the active range spans, at its start.
void insertRows(SheetBook& book) {
    const CellRange range = book.view()->selection();
    book.document().insertRows(book.currentSheet(), range.top, range.rowCount());
}

void insertColumns(SheetBook& book) {
    const CellRange range = book.view()->selection();
    book.document().insertColumns(book.currentSheet(), range.left, range.columnCount());
}

void deleteRows(SheetBook& book) {
    const CellRange range = book.view()->selection();
    book.document().deleteRows(book.currentSheet(), range.top, range.rowCount());
}

void deleteColumns(SheetBook& book) {
    const CellRange range = book.view()->selection();
    book.document().deleteColumns(book.currentSheet(), range.left, range.columnCount());
}

// Rows, columns or objects as the Delete command takes them, or the component's dialog.
void deleteSelection(SheetBook& book) {
    switch (kindOf(book)) {
    case 3:
        return deleteRows(book);
    case 5:
        return deleteColumns(book);
    case 9:
    case 10:
        return book.deleteObjects();
    default:
        return book.deleteCells();
    }
}

bool carriesPageBreak(const SheetBook& book) {
    const CellPos pos = book.view()->currentCell();
    const auto& print = book.workbook().sheet(book.currentSheet()).print();
    return std::find(print.rowBreaks.begin(), print.rowBreaks.end(), pos.row) != print.rowBreaks.end() ||
           std::find(print.columnBreaks.begin(), print.columnBreaks.end(), pos.column) !=
               print.columnBreaks.end();
}

bool isFrozen(const SheetBook& book) {
    const auto& sheet = book.workbook().sheet(book.currentSheet());
    return sheet.frozenRows() > 0 || sheet.frozenColumns() > 0;
}

const QString settingsGroup = QStringLiteral("Designer/MDI/Settings");
const QString recentGroup = QStringLiteral("Designer/MDI/Recent File List");

// The normal-state rectangle as left, top, right and bottom, four 32-bit integers.
QByteArray rectBytes(const QRect& rect) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << qint32(rect.left()) << qint32(rect.top()) << qint32(rect.right() + 1) << qint32(rect.bottom() + 1);
    return bytes;
}

std::optional<QRect> rectFromBytes(const QVariant& value) {
    if (value.typeId() != QMetaType::QByteArray || value.toByteArray().size() != 16)
        return std::nullopt;
    QDataStream in(value.toByteArray());
    in.setByteOrder(QDataStream::LittleEndian);
    qint32 left = 0, top = 0, right = 0, bottom = 0;
    in >> left >> top >> right >> bottom;
    if (right <= left || bottom <= top)
        return std::nullopt;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QString canonical(const QString& path) {
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? QFileInfo(path).absoluteFilePath() : resolved;
}

} // namespace

TabrixWindow::TabrixWindow(QSettings& settings, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_area(new QMdiArea(this)) {
    setObjectName(QStringLiteral("TabrixWindow"));
    m_area->setObjectName(QStringLiteral("documents"));
    setCentralWidget(m_area);
    setAcceptDrops(true);
    statusBar()->showMessage(tr("Ready"));
    // The desktop does not tell a program the state of the lock keys, so the panes follow the presses
    // seen while the designer runs, starting off.
    for (const QString& text : {QStringLiteral("CAP"), QStringLiteral("NUM"), QStringLiteral("SCRL")}) {
        auto* pane = new QLabel(text, statusBar());
        pane->setObjectName(text);
        pane->setEnabled(false);
        statusBar()->addPermanentWidget(pane);
        m_lockPanes << pane;
    }
    qApp->installEventFilter(this);
    buildMenus();
    buildToolBars();
    readSettings();
    connect(m_area, &QMdiArea::subWindowActivated, this, [this] {
        updateTitle();
        updateCommands();
    });
    updateTitle();
    updateCommands();
}

// The frame and the windows report while QWidget's destructor takes them down, after the menus went.
TabrixWindow::~TabrixWindow() {
    m_area->disconnect(this);
    for (DocumentWindow* window : windows()) {
        window->disconnect(this);
        window->book().disconnect(this);
        window->book().view()->disconnect(this);
    }
    for (DesignerDocument* document : documents())
        document->disconnect(this);
}

void TabrixWindow::readSettings() {
    m_settings.beginGroup(settingsGroup);
    if (const std::optional<QRect> rect = rectFromBytes(m_settings.value(QStringLiteral("ParentRect"))))
        setGeometry(*rect);
    m_startMaximized = m_settings.value(QStringLiteral("ParentMaximize")).toInt() == 1;
    restoreState(m_settings.value(QStringLiteral("ControlBars/Placement")).toByteArray());
    m_settings.endGroup();
    m_settings.beginGroup(recentGroup);
    for (int i = 1; i <= recentFileCount; ++i)
        if (const QString path = m_settings.value(QStringLiteral("File%1").arg(i)).toString();
            !path.isEmpty())
            m_recent << path;
    m_settings.endGroup();
    rebuildRecentMenu();
}

void TabrixWindow::writeSettings() {
    m_settings.beginGroup(settingsGroup);
    m_settings.setValue(QStringLiteral("ParentMaximize"), isMaximized() ? 1 : 0);
    if (!isMaximized())
        m_settings.setValue(QStringLiteral("ParentRect"), rectBytes(geometry()));
    const QMdiSubWindow* active = m_area->activeSubWindow();
    m_settings.setValue(QStringLiteral("ChildMaximize"), active && active->isMaximized() ? 1 : 0);
    m_settings.setValue(QStringLiteral("ControlBars/Placement"), saveState());
    m_settings.endGroup();
    m_settings.beginGroup(recentGroup);
    m_settings.remove(QString());
    for (int i = 0; i < m_recent.size(); ++i)
        m_settings.setValue(QStringLiteral("File%1").arg(i + 1), m_recent[i]);
    m_settings.endGroup();
    m_settings.sync();
}

void TabrixWindow::arrangeIcons() {
    // Minimised windows in a row along the bottom of the frame, left to right, wrapping upwards.
    int left = 0;
    int bottom = m_area->viewport()->height();
    for (QMdiSubWindow* frame : m_area->subWindowList()) {
        if (!frame->isMinimized())
            continue;
        const QSize size = frame->size();
        if (left > 0 && left + size.width() > m_area->viewport()->width()) {
            left = 0;
            bottom -= size.height();
        }
        frame->move(left, bottom - size.height());
        left += size.width();
    }
}

void TabrixWindow::openCommandLine(const QStringList& arguments) {
    bool print = false;
    bool opened = false;
    for (const QString& argument : arguments) {
        if (argument.compare(QStringLiteral("/dde"), Qt::CaseInsensitive) == 0)
            continue; // the shell's request on another platform; here a path comes as an argument
        if (argument.compare(QStringLiteral("/p"), Qt::CaseInsensitive) == 0) {
            print = true;
            continue;
        }
        opened = true;
        DesignerDocument* document = openDocument(argument);
        if (print && document) {
            runCommand([](SheetBook& book) { book.printBook(false); });
            for (DocumentWindow* window : windowsOf(*document))
                delete window->parentWidget();
        }
        print = false;
    }
    if (!opened)
        newDocument();
}

void TabrixWindow::showAsLastTime() {
    if (m_startMaximized)
        showMaximized();
    else
        show();
}

void TabrixWindow::closeEvent(QCloseEvent* event) {
    for (DesignerDocument* document : documents())
        if (!document->mayClose(this)) {
            event->ignore();
            return;
        }
    m_closing = true; // every document has been asked about
    writeSettings();
    event->accept();
}

DocumentWindow* TabrixWindow::addWindow(DesignerDocument& document) {
    auto* window = new DocumentWindow(document);
    QMdiSubWindow* frame = m_area->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    SheetBook& book = window->book();
    connect(book.view(), &velmora::sheet::SheetView::selectionChanged, this, &TabrixWindow::updateCommands);
    connect(&book, &SheetBook::drawingModeChanged, this, &TabrixWindow::updateCommands);
    connect(&book, &SheetBook::modified, this, &TabrixWindow::updateCommands);
    book.view()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(book.view(), &QWidget::customContextMenuRequested, this,
            [this, window](const QPoint& at) { showContextMenu(*window, at); });
    // The document goes with its last window; windows closed together may all report it gone.
    connect(window, &QObject::destroyed, this, [this, document = QPointer<DesignerDocument>(&document)] {
        if (document && windowsOf(*document).isEmpty())
            delete document;
        else if (document)
            updateWindowTitles(*document);
        updateTitle();
        updateCommands();
    });
    if (m_settings.value(settingsGroup + QStringLiteral("/ChildMaximize")).toInt() == 1)
        frame->showMaximized();
    else
        frame->show();
    window->setFocus();
    updateWindowTitles(document);
    updateTitle();
    updateCommands();
    return window;
}

DesignerDocument* TabrixWindow::addDocument(std::unique_ptr<DesignerDocument> document) {
    DesignerDocument* added = document.release();
    added->setParent(this);
    connect(added, &DesignerDocument::titleChanged, this, [this, added] {
        updateWindowTitles(*added);
        updateTitle();
    });
    addWindow(*added);
    return added;
}

void TabrixWindow::updateWindowTitles(const DesignerDocument& document) {
    const QList<DocumentWindow*> shown = windowsOf(document);
    const QString modified = document.isModified() ? QStringLiteral(" *") : QString();
    for (int i = 0; i < shown.size(); ++i)
        shown[i]->parentWidget()->setWindowTitle(
            (shown.size() > 1 ? QStringLiteral("%1:%2").arg(document.title()).arg(i + 1) : document.title()) +
            modified);
}

DesignerDocument* TabrixWindow::newDocument() {
    return addDocument(std::make_unique<DesignerDocument>(tr("Book") + QString::number(++m_untitled)));
}

DocumentWindow* TabrixWindow::newWindow() {
    DesignerDocument* document = activeDocument();
    return document ? addWindow(*document) : nullptr;
}

DesignerDocument* TabrixWindow::openDocument(const QString& path) {
    for (DesignerDocument* document : documents())
        if (!document->path().isEmpty() && canonical(document->path()) == canonical(path)) {
            m_area->setActiveSubWindow(
                qobject_cast<QMdiSubWindow*>(windowsOf(*document).front()->parentWidget()));
            return document;
        }
    auto document = std::make_unique<DesignerDocument>(QString());
    try {
        document->open(path);
    } catch (const SheetError& error) {
        designerDialogs().tell(this, error.message());
        return nullptr;
    }
    addRecentFile(canonical(path));
    return addDocument(std::move(document));
}

DocumentWindow* TabrixWindow::activeWindow() const {
    const QMdiSubWindow* frame = m_area->activeSubWindow();
    if (!frame && !m_area->subWindowList().isEmpty())
        frame = m_area->subWindowList().constLast();
    return frame ? qobject_cast<DocumentWindow*>(frame->widget()) : nullptr;
}

DesignerDocument* TabrixWindow::activeDocument() const {
    const DocumentWindow* window = activeWindow();
    return window ? &window->document() : nullptr;
}

QList<DocumentWindow*> TabrixWindow::windows() const {
    QList<DocumentWindow*> all;
    for (QMdiSubWindow* frame : m_area->subWindowList())
        if (auto* window = qobject_cast<DocumentWindow*>(frame->widget()))
            all << window;
    return all;
}

QList<DocumentWindow*> TabrixWindow::windowsOf(const DesignerDocument& document) const {
    QList<DocumentWindow*> shown;
    for (DocumentWindow* window : windows())
        if (&window->document() == &document)
            shown << window;
    return shown;
}

QList<DesignerDocument*> TabrixWindow::documents() const {
    return findChildren<DesignerDocument*>(QString(), Qt::FindDirectChildrenOnly);
}

void TabrixWindow::addRecentFile(const QString& path) {
    m_recent.removeAll(path);
    m_recent.prepend(path);
    while (m_recent.size() > recentFileCount)
        m_recent.removeLast();
    rebuildRecentMenu();
}

void TabrixWindow::rebuildRecentMenu() {
    qDeleteAll(std::exchange(m_recentActions, {}));
    for (int i = 0; i < m_recent.size(); ++i) {
        const QString path = m_recent[i];
        auto* entry = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path), m_fileMenu);
        connect(entry, &QAction::triggered, this, [this, path] { openDocument(path); });
        m_fileMenu->insertAction(m_recentEnd, entry);
        m_recentActions << entry;
    }
    if (!m_recent.isEmpty())
        m_recentActions << m_fileMenu->insertSeparator(m_recentActions.constFirst());
}

void TabrixWindow::updateTitle() {
    const DesignerDocument* document = activeDocument();
    setWindowTitle(document ? QStringLiteral("Quillmark Tabrix - ") + document->title()
                            : QStringLiteral("Quillmark Tabrix"));
}

void TabrixWindow::importFile(bool excel4) {
    const QString filters =
        excel4 ? tr("Excel Workbooks (*.xls);;All Files (*)") : tr("Tabrix Workbooks (*.vts);;All Files (*)");
    if (designerDialogs().openPath(this, tr("Import"), filters).isEmpty())
        return;
    // The component's detector knows neither older format, so no file is one.
    designerDialogs().tell(this, excel4 ? tr("Not an Excel 4 file.") : tr("Not a Tabrix 2.x file."));
}

void TabrixWindow::about() {
    designerDialogs().about(this, QStringLiteral("Quillmark Tabrix\n") + tr("Version ") +
                                      QStringLiteral("6.0.2 Build 5\n") +
                                      tr("Copyright © Quillmark. All rights reserved."));
}

void TabrixWindow::runCommand(const BookCommand& command) {
    DocumentWindow* window = activeWindow();
    if (!window)
        return;
    try {
        command(window->book());
    } catch (const SheetError& error) {
        if (!error.isCancelled())
            designerDialogs().tell(this, error.message());
    }
    updateCommands();
}

QAction* TabrixWindow::addCommand(QMenu* menu, const QString& text,
                                  const std::function<void(SheetBook&)>& command, const QKeySequence& key) {
    QAction* action = menu->addAction(text);
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    m_commands << action;
    m_documentEntries << action;
    return action;
}

void TabrixWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    addEntry(
        file, tr("&New"), this, [this] { newDocument(); }, QKeySequence(Qt::CTRL | Qt::Key_N));
    addEntry(file, tr("&Open..."), this, &TabrixWindow::askAndOpen, QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* close = addEntry(file, tr("&Close"), this, [this] { closeActiveDocument(); });
    QAction* save =
        addEntry(file, tr("&Save"), this, &TabrixWindow::saveActive, QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* saveAs = addEntry(file, tr("Save &As..."), this, [this] {
        if (DesignerDocument* document = activeDocument(); document && document->saveAs(this))
            addRecentFile(canonical(document->path()));
    });
    m_documentEntries << close << save << saveAs;
    QMenu* import = file->addMenu(tr("&Import"));
    addEntry(import, tr("&Tabrix 2.x"), this, [this] { importFile(false); });
    addEntry(import, tr("&Excel 4"), this, [this] { importFile(true); });
    m_documentEntries << file->addSeparator();
    addCommand(file, tr("Page Set&up..."), &SheetBook::pageSetup);
    QMenu* printArea = file->addMenu(tr("Prin&t Area"));
    addCommand(printArea, tr("&Set Print Area"), &SheetBook::setPrintArea);
    addCommand(printArea, tr("&Clear Print Area"), &SheetBook::clearPrintArea);
    QMenu* printTitles = file->addMenu(tr("Print Tit&les"));
    addCommand(printTitles, tr("&Set Print Titles"), &SheetBook::setPrintTitles);
    addCommand(printTitles, tr("&Clear Print Titles"), &SheetBook::clearPrintTitles);
    m_documentEntries << printArea->menuAction() << printTitles->menuAction();
    addCommand(file, tr("Print Pre&view"), &SheetBook::printPreview);
    addCommand(
        file, tr("&Print..."), [](SheetBook& book) { book.printBook(true); },
        QKeySequence(Qt::CTRL | Qt::Key_P));
    m_fileMenu = file;
    m_recentEnd = file->addSeparator();
    addEntry(file, tr("E&xit"), this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    addCommand(edit, tr("Cu&t"), &SheetBook::cutSelection, QKeySequence(Qt::CTRL | Qt::Key_X));
    addCommand(edit, tr("&Copy"), &SheetBook::copySelection, QKeySequence(Qt::CTRL | Qt::Key_C));
    addCommand(edit, tr("&Paste"), &SheetBook::pasteClipboard, QKeySequence(Qt::CTRL | Qt::Key_V));
    addCommand(edit, tr("Paste &Special..."), &SheetBook::pasteContents);
    m_formatPainter = addCommand(edit, tr("Cop&y Cell Format"), &SheetBook::copyCellFormat);
    m_polygonPoints = addCommand(edit, tr("Polygo&n Points"), [](SheetBook& book) {
        book.setEditingPolygonPoints(!book.isEditingPolygonPoints());
    });
    addCommand(edit, tr("Select All &Objects"), &SheetBook::selectAllObjects);
    edit->addSeparator();
    addCommand(edit, tr("So&rt..."), &SheetBook::sort);
    QMenu* fill = edit->addMenu(tr("F&ill"));
    addCommand(
        fill, tr("&Down"),
        [](SheetBook& book) { book.document().fillDown(book.currentSheet(), book.selection().ranges); },
        QKeySequence(Qt::CTRL | Qt::Key_D));
    addCommand(
        fill, tr("&Right"),
        [](SheetBook& book) { book.document().fillRight(book.currentSheet(), book.selection().ranges); },
        QKeySequence(Qt::CTRL | Qt::Key_R));
    QMenu* clear = edit->addMenu(tr("Cle&ar"));
    addCommand(clear, tr("&All"), clearing(ClearKind::All));
    addCommand(clear, tr("&Formats"), clearing(ClearKind::Formats));
    m_clearContents = addCommand(clear, tr("&Contents"), clearing(ClearKind::Contents));
    m_delete = addCommand(edit, tr("&Delete..."), deleteSelection);
    addCommand(edit, tr("De&lete Sheet"),
               [](SheetBook& book) { book.document().deleteSheet(book.currentSheet()); });
    edit->addSeparator();
    addCommand(edit, tr("&Find..."), &SheetBook::find, QKeySequence(Qt::CTRL | Qt::Key_F));
    addCommand(edit, tr("R&eplace..."), &SheetBook::replace, QKeySequence(Qt::CTRL | Qt::Key_H));
    addCommand(edit, tr("&Go To..."), &SheetBook::goTo, QKeySequence(Qt::CTRL | Qt::Key_G));

    QMenu* view = menuBar()->addMenu(tr("&View"));
    m_toolBarsMenu = view->addMenu(tr("&Toolbars"));
    m_formulaBar = addCommand(view, tr("&Formula Bar"),
                              [](SheetBook& book) { book.setShowEditBar(!book.showEditBar()); });
    QAction* statusBarToggle = view->addAction(tr("&Status Bar"));
    statusBarToggle->setObjectName(QStringLiteral("statusBarToggle"));
    statusBarToggle->setCheckable(true);
    statusBarToggle->setChecked(true);
    connect(statusBarToggle, &QAction::toggled, statusBar(), &QWidget::setVisible);

    QMenu* insert = menuBar()->addMenu(tr("&Insert"));
    m_insertCells = addCommand(insert, tr("C&ells..."), &SheetBook::insertCells);
    m_insertRows = addCommand(insert, tr("&Rows"), insertRows);
    m_insertColumns = addCommand(insert, tr("&Columns"), insertColumns);
    addCommand(insert, tr("&Worksheet"),
               [](SheetBook& book) { book.document().insertSheet(book.currentSheet()); });
    addDrawingMode(insert, tr("C&hart"), 5);
    m_pageBreak = addCommand(insert, tr("Page &Break"), [](SheetBook& book) {
        book.document().togglePageBreak(book.currentSheet(), book.view()->currentCell());
    });
    addCommand(insert, tr("&Name..."), &SheetBook::defineName);
    QMenu* shapes = insert->addMenu(tr("&Drawing Object"));
    for (const auto& [text, mode] :
         {std::pair(tr("&Arc"), 4), std::pair(tr("&Line"), 1), std::pair(tr("&Oval"), 3),
          std::pair(tr("&Polygon"), 8), std::pair(tr("&Rectangle"), 2)})
        addDrawingMode(shapes, text, mode);
    QMenu* forms = insert->addMenu(tr("&Forms Object"));
    for (const auto& [text, mode] :
         {std::pair(tr("&Button"), 7), std::pair(tr("&Checkbox"), 9), std::pair(tr("&Dropdown Listbox"), 10)})
        addDrawingMode(forms, text, mode);
    // Escape itself is the view's: a key bound here would take it from the cell editor too.
    addCommand(insert, tr("C&ancel Insert Object") + QStringLiteral("\tEsc"),
               [](SheetBook& book) { book.setDrawingMode(0); });

    QMenu* format = menuBar()->addMenu(tr("F&ormat"));
    addCommand(format, tr("C&ells..."), &SheetBook::formatCells);
    QMenu* row = format->addMenu(tr("&Row"));
    addCommand(row, tr("H&eight..."), &SheetBook::rowHeight);
    addCommand(row, tr("&Hide"), forEachRange(true, [](SheetBook& book, int first, int last) {
                   book.document().setRowsHidden(book.currentSheet(), first, last, true);
               }));
    addCommand(row, tr("&Unhide"), forEachRange(true, [](SheetBook& book, int first, int last) {
                   book.document().setRowsHidden(book.currentSheet(), first, last, false);
               }));
    addCommand(row, tr("&Default Height..."), &SheetBook::defaultHeight);
    QMenu* column = format->addMenu(tr("&Column"));
    addCommand(column, tr("&Width..."), &SheetBook::columnWidth);
    addCommand(column, tr("&AutoFit Selection"),
               forEachRange(false, [](SheetBook& book, int first, int last) {
                   book.document().autoFitColumns(book.currentSheet(), first, last);
               }));
    addCommand(column, tr("&Hide"), forEachRange(false, [](SheetBook& book, int first, int last) {
                   book.document().setColumnsHidden(book.currentSheet(), first, last, true);
               }));
    addCommand(column, tr("&Unhide"), forEachRange(false, [](SheetBook& book, int first, int last) {
                   book.document().setColumnsHidden(book.currentSheet(), first, last, false);
               }));
    addCommand(column, tr("&Default Width..."), &SheetBook::defaultWidth);
    QMenu* sheet = format->addMenu(tr("S&heet"));
    addCommand(sheet, tr("&Properties..."), &SheetBook::sheetProperties);
    m_protection = addCommand(sheet, tr("P&rotection"), [](SheetBook& book) {
        const int index = book.currentSheet();
        book.document().setProtected(index, !book.workbook().sheet(index).isProtected());
    });
    m_freeze = addCommand(sheet, tr("&Freeze Panes"), [](SheetBook& book) {
        const CellPos pos = book.view()->currentCell();
        isFrozen(book) ? book.document().setFrozen(book.currentSheet(), 0, 0)
                       : book.document().setFrozen(book.currentSheet(), pos.row - 1, pos.column - 1);
    });
    addCommand(format, tr("&Default Font..."), &SheetBook::defaultFont);
    addCommand(format, tr("&Object..."), &SheetBook::formatObject);
    addCommand(format, tr("&Bring To Front"), &SheetBook::bringToFront);
    addCommand(format, tr("&Send to Back"), &SheetBook::sendToBack);

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    // F9 itself is the component's, as in every window that shows a sheet.
    addCommand(tools, tr("&Recalc") + QStringLiteral("\tF9"),
               [](SheetBook& book) { book.document().recalculate(); });
    addCommand(tools, tr("&Options..."), &SheetBook::options);

    m_windowMenu = menuBar()->addMenu(tr("&Window"));
    connect(m_windowMenu, &QMenu::aboutToShow, this, [this] {
        m_windowMenu->clear();
        addEntry(m_windowMenu, tr("&New Window"), this, &TabrixWindow::newWindow);
        addEntry(m_windowMenu, tr("&Cascade"), m_area, &QMdiArea::cascadeSubWindows);
        addEntry(m_windowMenu, tr("&Tile"), m_area, &QMdiArea::tileSubWindows);
        addEntry(m_windowMenu, tr("&Arrange Icons"), this, &TabrixWindow::arrangeIcons);
        m_windowMenu->addSeparator();
        const QList<QMdiSubWindow*> windows = m_area->subWindowList();
        for (int i = 0; i < windows.size(); ++i) {
            QAction* entry =
                m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(windows[i]->windowTitle()));
            entry->setCheckable(true);
            entry->setChecked(windows[i] == m_area->activeSubWindow());
            QMdiSubWindow* window = windows[i];
            connect(entry, &QAction::triggered, this, [this, window] { m_area->setActiveSubWindow(window); });
        }
    });
    m_documentMenus = {edit, insert, format, tools, m_windowMenu};
    for (QAction* action : {m_formatPainter, m_polygonPoints, m_formulaBar, m_protection})
        action->setCheckable(true);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &TabrixWindow::updateCommands);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    addEntry(help, tr("&About Tabrix..."), this, &TabrixWindow::about);
}

void TabrixWindow::addDrawingMode(QMenu* menu, const QString& text, int mode) {
    // Choosing the mode that is on switches drawing off.
    QAction* action = addCommand(
        menu, text, [mode](SheetBook& book) { book.setDrawingMode(book.drawingMode() == mode ? 0 : mode); });
    action->setCheckable(true);
    action->setData(mode);
    m_drawingModes << action;
}

void TabrixWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); }))
        event->acceptProposedAction();
}

void TabrixWindow::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            openDocument(url.toLocalFile());
    event->acceptProposedAction();
}

bool TabrixWindow::eventFilter(QObject* watched, QEvent* event) {
    // The last window of a changed document asks before it closes (this filter sees every object's events).
    if (event->type() == QEvent::Close && !m_closing) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(watched))
            if (auto* window = qobject_cast<DocumentWindow*>(frame->widget());
                window && !m_asked.remove(window) && windowsOf(window->document()).size() == 1 &&
                !window->document().mayClose(this)) {
                event->ignore();
                return true;
            }
    }
    // A key reaches its window first and then each widget it passes: it counts at the window.
    if (event->type() == QEvent::KeyPress && qobject_cast<QWindow*>(watched) &&
        !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int pane = key == Qt::Key_CapsLock     ? 0
                         : key == Qt::Key_NumLock    ? 1
                         : key == Qt::Key_ScrollLock ? 2
                                                     : -1;
        if (pane >= 0)
            m_lockPanes[pane]->setEnabled(!m_lockPanes[pane]->isEnabled());
    }
    return QMainWindow::eventFilter(watched, event);
}

void TabrixWindow::showContextMenu(DocumentWindow& window, const QPoint& at) {
    delete m_contextMenu;
    m_contextMenu = new QMenu(this);
    m_contextMenu->setObjectName(QStringLiteral("contextMenu"));
    const auto add = [this](const QString& text, const BookCommand& command) {
        connect(m_contextMenu->addAction(text), &QAction::triggered, this,
                [this, command] { runCommand(command); });
    };
    add(tr("Cu&t"), &SheetBook::cutSelection);
    add(tr("&Copy"), &SheetBook::copySelection);
    add(tr("&Paste"), &SheetBook::pasteClipboard);
    const int kind = kindOf(window.book());
    if (kind == 9 || kind == 10) {
        add(tr("&Bring To Front"), &SheetBook::bringToFront);
        add(tr("&Send to Back"), &SheetBook::sendToBack);
        add(tr("&Format Object..."), &SheetBook::formatObject);
    } else {
        add(tr("Paste &Special..."), &SheetBook::pasteContents);
        add(tr("Cop&y Cell Format"), &SheetBook::copyCellFormat);
        m_contextMenu->addSeparator();
        if (kind == 3) {
            add(tr("&Insert Rows"), insertRows);
            add(tr("&Delete Rows"), deleteRows);
        } else if (kind == 5) {
            add(tr("&Insert Columns"), insertColumns);
            add(tr("&Delete Columns"), deleteColumns);
        } else {
            add(tr("&Insert..."), &SheetBook::insertCells);
            add(tr("&Delete..."), &SheetBook::deleteCells);
        }
        add(tr("Clear Co&ntents"), clearing(ClearKind::Contents));
        m_contextMenu->addSeparator();
        add(tr("&Format Cells..."), &SheetBook::formatCells);
    }
    m_contextMenu->popup(window.book().view()->mapToGlobal(at));
}

void TabrixWindow::askAndOpen() {
    const QString path = designerDialogs().openPath(
        this, tr("Open"),
        tr("Quillmark Tabrix 6.0 Workbook (*.vts);;Excel Workbooks (*.xls *.xlsx);;All Files (*)"));
    if (!path.isEmpty())
        openDocument(path);
}

void TabrixWindow::saveActive() {
    if (DesignerDocument* document = activeDocument(); document && document->save(this))
        addRecentFile(canonical(document->path()));
}

void TabrixWindow::closeActiveDocument() {
    // Close closes the document with every window it has.
    DesignerDocument* document = activeDocument();
    if (!document || !document->mayClose(this))
        return;
    for (DocumentWindow* window : windowsOf(*document)) {
        m_asked.insert(window);
        window->parentWidget()->close();
    }
}

void TabrixWindow::updateCommands() {
    DocumentWindow* window = activeWindow();
    const bool document = window != nullptr;
    for (QMenu* menu : m_documentMenus)
        menu->menuAction()->setVisible(document);
    for (QAction* action : m_documentEntries)
        action->setVisible(document);
    for (QAction* action : m_commands + m_toolActions)
        action->setEnabled(document);
    if (!document)
        return;
    const SheetBook& book = window->book();
    const int kind = kindOf(book);
    const bool rows = kind == 3, columns = kind == 5, objects = kind == 9 || kind == 10;
    m_delete->setText(rows      ? tr("&Delete Rows")
                      : columns ? tr("&Delete Columns")
                      : objects ? tr("&Delete Objects")
                                : tr("&Delete..."));
    m_delete->setEnabled(kind == 1 || rows || columns || objects);
    // One action holds Del at a time, or the key would be ambiguous and do nothing.
    const bool deleteHoldsDel = rows || columns || objects;
    m_delete->setShortcut(deleteHoldsDel ? QKeySequence(Qt::Key_Delete) : QKeySequence());
    m_clearContents->setShortcut(deleteHoldsDel ? QKeySequence() : QKeySequence(Qt::Key_Delete));
    m_insertRows->setEnabled(kind >= 1 && kind <= 4);
    m_insertColumns->setEnabled(kind == 1 || kind == 2 || kind == 5 || kind == 6);
    m_insertCells->setEnabled(kind == 1 || kind == 2);
    m_pageBreak->setText(carriesPageBreak(book) ? tr("Remove Page &Break") : tr("Page &Break"));
    const bool frozen = isFrozen(book);
    m_freeze->setText(frozen ? tr("Un&freeze Panes") : tr("&Freeze Panes"));
    m_freeze->setEnabled(frozen || kind == 1);
    m_protection->setChecked(book.workbook().sheet(book.currentSheet()).isProtected());
    m_formulaBar->setChecked(book.showEditBar());
    m_formatPainter->setChecked(book.isFormatPainterOn());
    m_polygonPoints->setChecked(book.isEditingPolygonPoints());
    const int mode = book.drawingMode();
    for (QAction* action : m_drawingModes)
        action->setChecked(action->data().toInt() == mode);
    const bool cells = (kind >= 1 && kind <= 8) || kind == 11;
    const CellStyle& style = activeStyle(book);
    for (const auto& [action, on] :
         {std::pair(m_bold, style.bold), std::pair(m_italic, style.italic),
          std::pair(m_underline, style.underline),
          std::pair(m_alignLeft, style.horizontal == HorizontalAlignment::Left),
          std::pair(m_alignCentre, style.horizontal == HorizontalAlignment::Centre),
          std::pair(m_alignRight, style.horizontal == HorizontalAlignment::Right)}) {
        action->setChecked(on);
        action->setEnabled(cells);
    }
    m_mergeAndCentre->setEnabled(kind >= 1 && kind <= 8);
    // The boxes show the current cell's font unless the user is typing into them.
    if (!m_fontName->hasFocus())
        m_fontName->setEditText(style.fontFamily);
    if (!m_fontSize->hasFocus())
        m_fontSize->setEditText(QLocale::c().toString(style.fontSize));
}

} // namespace tabrix
