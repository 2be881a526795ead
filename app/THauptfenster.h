#pragma once

#include "app/Configuration.h"
#include "app/IniFile.h"
#include "app/MainActions.h"
#include "app/RecentFiles.h"
#include "windows/CalculationHost.h"
#include "windows/MdiHost.h"

#include <functional>
#include <map>
#include <QMainWindow>
#include <QMdiArea>

class QComboBox;
class QMdiSubWindow;
class QSplitter;
class QTabWidget;

namespace velmora {

namespace sheet {
class SheetBook;
}
class TEingabeform;
class TInfoBox;
class TMDIChild;
struct EngineState;
class TOptionenF;
class TrayController;

/// The main window: the frame of the result windows with the menus, tool bar and zoom box, the status
/// bar, the explorer panel and the notification-area icon. Every command starts here.
class THauptfenster : public QMainWindow, public MdiHost, public CalculationHost {
    Q_OBJECT
public:
    /// Creates a result window of one type, for data files of one extension.
    using ResultWindowFactory = std::function<TMDIChild*(MdiHost& host)>;

    struct Settings {
        QString programDirectory; ///< with a trailing "/"
        IniFile profile;          ///< "velmora.ini"
        IniFile recentFiles;      ///< "mru.ini"
        QString dataHome;         ///< where the desktop keeps MIME types and application entries
        bool trayAvailable;
        EngineState* engine; ///< the records the calculations work on
    };

    explicit THauptfenster(Settings settings, QWidget* parent = nullptr);
    ~THauptfenster() override;

    /// Data files with `extension` (".was", ...) open in windows that `factory` creates.
    void addResultWindowType(const QString& extension, ResultWindowFactory factory);

    /// The path of the command line or of a second instance: a desktop (".wdt" exactly) or a data file.
    void handlePath(const QString& path);
    /// A path handed over by a second instance: brings the program to the front and handles the path,
    /// unless the window has not been shown yet.
    void pathFromSecondInstance(const QString& path);
    /// The path of the command line, handled when the window is first shown.
    void setCommandLinePath(const QString& path) { m_commandLinePath = path; }

    /// Opens a data file in a new window of its type; an open file's window is activated instead. Names
    /// without a data-file extension and missing files are ignored.
    void OpenDataFile(const QString& path, bool addToRecentFiles = true);
    /// Creates, shows and activates a result window for a file name of its type, titled NewWindowCaption.
    TMDIChild* CreateResultWindow(const QString& fileName);

    QString NewWindowCaption;
    int ChartKind = 0;

    const Directories& directories() const { return m_directories; }
    const MainActions& actions() const { return m_actions; }
    RecentFiles& recentFiles() { return m_recent; }
    TrayController& tray() const { return *m_tray; }
    QMdiArea* workspace() const { return m_workspace; }
    TMDIChild* activeResultWindow() const;

    // MdiHost
    QString programDirectory() const override { return m_directories.program; }
    int zoomIndex() const override;
    void setZoomIndex(int index) override;
    QString zoomText() const override;
    QList<QString> childCaptions() const override;
    QString activeChildCaption() const override;
    QList<QAction*> editActions() const override;
    void resultWindowClosing(TMDIChild* window) override;

    // CalculationHost
    TWasserF* activeWaterWindow() const override;
    bool importPending() const override { return m_importPending; }
    void setImportPending(bool pending) override { m_importPending = pending; }
    void setNewWindowCaption(const QString& caption) override { NewWindowCaption = caption; }
    void createResultWindow(const QString& fileName) override { CreateResultWindow(fileName); }
    void setMainWindowEnabled(bool enabled) override;
    void openHelpPage(const QString& page) override;

    TEingabeform& analysisDialog() const { return *m_analysisDialog; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void buildWindow();
    void connectCommands();
    void applyPlacement();
    void subWindowActivated(QMdiSubWindow* subWindow);
    void zoomChosen(int index);
    void updateRecentFilesMenu();
    void updateWindowMenu();
    void updateProjectMenu();
    void setExplorerVisible(bool visible);
    void tile(Qt::Orientation orientation);
    void closeAll();
    void openFiles();
    void saveActiveWindowAs();
    void showAnalysisDialog();
    void showOptions();
    void showAbout();
    void openHelp();
    void openDocumentation();
    void openBook();
    void startDesigner();
    void notYetAvailable();
    bool hasChildren() const;
    /// The window type for a data file's extension; nullptr for a name of no data-file type.
    const ResultWindowFactory* windowFactory(const QString& fileName) const;
    QList<QMdiSubWindow*> openWindows(QMdiArea::WindowOrder order = QMdiArea::CreationOrder) const;

    Settings m_settings;
    Directories m_directories;
    RecentFiles m_recent;
    MainActions m_actions;
    QMdiArea* m_workspace = nullptr;
    QTabWidget* m_explorer = nullptr;
    QSplitter* m_splitter = nullptr;
    QComboBox* m_zoomBox = nullptr;
    TrayController* m_tray = nullptr;
    TInfoBox* m_infoBox = nullptr;
    TOptionenF* m_options = nullptr;
    TEingabeform* m_analysisDialog = nullptr;
    int m_saveFilterIndex = 1; ///< the entry chosen last in "Speichern unter", for every window type
    bool m_importPending = false;
    sheet::SheetBook* m_designerBook = nullptr;
    std::map<QString, ResultWindowFactory> m_windowTypes;
    QString m_commandLinePath;
    bool m_shownOnce = false;
};

} // namespace velmora
