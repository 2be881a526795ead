#pragma once

#include "designer/FormatCommands.h"

#include <memory>
#include <QMainWindow>
#include <QSet>

class QComboBox;
class QMdiArea;
class QMenu;
class QSettings;
class QToolBar;
class QToolButton;

namespace velmora::sheet {
class SheetBook;
}

namespace tabrix {

class DesignerDocument;
class DocumentWindow;
enum class ToolGlyph;

/// The designer's main window: its documents in a frame, the menus that call the component's operations
/// on the active one, and the window layout and recent files kept in the settings.
class TabrixWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int recentFileCount = 4;

    /// Reads the window layout and the recent files from `settings`, which must outlive the window.
    explicit TabrixWindow(QSettings& settings, QWidget* parent = nullptr);
    ~TabrixWindow() override;

    /// No argument: a new document; paths: those files; "/p" before a path prints that file on the
    /// default printer instead of keeping it open; "/dde" is passed over.
    void openCommandLine(const QStringList& arguments);
    /// Shows the window maximised when it was closed so, with its normal rectangle kept for restoring.
    void showAsLastTime();

    /// A new document "Book" + number, in a window of its own.
    DesignerDocument* newDocument();
    /// The file as a document; nullptr when it cannot be read (which is reported). A file already open
    /// brings its window to the front.
    DesignerDocument* openDocument(const QString& path);
    /// Another window onto the active document ("New Window").
    DocumentWindow* newWindow();
    /// The minimised windows lined up along the bottom of the frame.
    void arrangeIcons();
    DocumentWindow* activeWindow() const;
    DesignerDocument* activeDocument() const;
    QList<DocumentWindow*> windows() const;
    QList<DocumentWindow*> windowsOf(const DesignerDocument& document) const;
    QList<DesignerDocument*> documents() const;
    const QStringList& recentFiles() const { return m_recent; }

    /// "Tabrix 2.x" (`excel4` false) or "Excel 4": what the component's detector makes of a chosen file.
    void importFile(bool excel4);
    /// The About dialog.
    void about();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Files dropped from the desktop open as documents.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildToolBars();
    /// A tool-bar button that works on the active document's workbook.
    QAction* addTool(QToolBar* bar, ToolGlyph glyph, const QString& tip, const BookCommand& command);
    QToolButton* addListButton(QToolBar* bar, ToolGlyph glyph, const QString& tip, QMenu* list);
    /// The list of a number-format category with samples.
    QMenu* numberFormatList(velmora::sheet::NumberCategory category);
    void askAndOpen();
    /// The entries for what is selected: rows, columns, drawing objects or other cells.
    void showContextMenu(DocumentWindow& window, const QPoint& at);
    void saveActive();
    /// Adds an entry that works on the active document's workbook; errors are reported, a cancellation
    /// is silent.
    QAction* addCommand(QMenu* menu, const QString& text, const BookCommand& command,
                        const QKeySequence& key = {});
    void runCommand(const BookCommand& command);
    /// Captions, marks and what is enabled, after the selection or the active document changed.
    void updateCommands();
    /// An entry of the drawing modes, marked while its mode is on.
    void addDrawingMode(QMenu* menu, const QString& text, int mode);
    void closeActiveDocument();
    void updateTitle();
    void addRecentFile(const QString& path);
    void rebuildRecentMenu();
    /// The document kept by the main window and shown in a first window.
    DesignerDocument* addDocument(std::unique_ptr<DesignerDocument> document);
    DocumentWindow* addWindow(DesignerDocument& document);
    /// "Book1", or "Book1:1", "Book1:2" for a document in several windows; " *" while it is changed.
    void updateWindowTitles(const DesignerDocument& document);
    void readSettings();
    void writeSettings();

    QSettings& m_settings;
    QMdiArea* m_area;
    int m_untitled = 0;
    QStringList m_recent;
    bool m_startMaximized = false;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentEnd = nullptr; ///< the recent files stand above it
    QList<QAction*> m_recentActions;
    QList<QAction*> m_documentEntries; ///< menu entries shown only while a document is open
    QList<QAction*> m_commands;        ///< enabled only while a document is open
    QList<QAction*> m_toolActions;     ///< tool-bar buttons, enabled only while a document is open
    QMenu* m_toolBarsMenu = nullptr;
    QMenu* m_contextMenu = nullptr;
    QList<QWidget*> m_lockPanes;   ///< "CAP", "NUM", "SCRL"
    bool m_closing = false;        ///< the program ends: its documents have been asked about
    QSet<DocumentWindow*> m_asked; ///< windows closing with their document, already asked about
    QComboBox* m_fontName = nullptr;
    QComboBox* m_fontSize = nullptr;
    QAction* m_bold = nullptr;
    QAction* m_italic = nullptr;
    QAction* m_underline = nullptr;
    QAction* m_alignLeft = nullptr;
    QAction* m_alignCentre = nullptr;
    QAction* m_alignRight = nullptr;
    QAction* m_mergeAndCentre = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_clearContents = nullptr;
    QAction* m_pageBreak = nullptr;
    QAction* m_freeze = nullptr;
    QAction* m_protection = nullptr;
    QAction* m_formulaBar = nullptr;
    QAction* m_formatPainter = nullptr;
    QAction* m_polygonPoints = nullptr;
    QAction* m_insertCells = nullptr;
    QAction* m_insertRows = nullptr;
    QAction* m_insertColumns = nullptr;
    QList<QAction*> m_drawingModes;
    QMenu* m_windowMenu = nullptr;
    QList<QMenu*> m_documentMenus; ///< shown only while a document is open
};

} // namespace tabrix
