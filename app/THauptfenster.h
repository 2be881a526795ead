#pragma once

#include "app/AnalysisImport.h"
#include "app/Configuration.h"
#include "app/ExplorerHost.h"
#include "app/IniFile.h"
#include "app/MainActions.h"
#include "app/RecentFiles.h"
#include "windows/CalculationHost.h"
#include "windows/MdiHost.h"

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
class DataFileCommands;
class DesktopCommands;
class FileBrowser;
class ProjectExplorer;
class DialogPresenter;
class TAktivKohle;
class TEingabeform;
class TFeMnForm;
class TGraphikF;
class TEntcarDaten;
class TEnthDaten;
class TEntsauDaten;
class THEntDaten;
class TKorrDaten;
class TMischdaten;
class TSandfilter;
class TSchnellDaten;
class TZugabeDaten;
class TTemperaturdaten;
class TInfoBox;
class TMDIChild;
struct EngineState;
class TOptionenF;
class TrayController;

/// The main window: the frame of the result windows with the menus, tool bar and zoom box, the status
/// bar, the explorer panel and the notification-area icon. Every command starts here.
class THauptfenster : public QMainWindow, public MdiHost, public CalculationHost, public ExplorerHost {
    Q_OBJECT
public:
    struct Settings {
        QString programDirectory; ///< with a trailing "/"
        IniFile profile;          ///< "velmora.ini"
        IniFile recentFiles;      ///< "mru.ini"
        QString dataHome;         ///< where the desktop keeps MIME types and application entries
        bool trayAvailable;
        EngineState* engine; ///< the records the calculations work on
        /// Where the user's "Daten" and "Projekte" go when the program directory is not writable, with a
        /// trailing "/"; empty to keep them in the program directory.
        QString userDirectory = {};
    };

    explicit THauptfenster(Settings settings, QWidget* parent = nullptr);
    ~THauptfenster() override;

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
    /// Creates, shows and activates an empty result window for a file name of its type, titled
    /// NewWindowCaption; nullptr for a name of no window type of this version.
    TMDIChild* CreateResultWindow(const QString& fileName);
    /// The result windows in window order, and the one brought to the front.
    QList<TMDIChild*> resultWindows() const override;
    void activate(TMDIChild* window);
    /// Tells the user that a command or file type comes with a later version.
    void notYetAvailable();
    /// "&Importieren" once the file is chosen: the analysis dialog, captioned with the file's name, filled
    /// from `path` through the template `templatePath`; closed again when the import fails.
    void importAnalysisFile(const QString& path, const QString& templatePath);
    /// Closes every child window, the last in the window order first; an unsaved one asks and may stay.
    void closeAll();
    bool hasChildren() const override;

    QString NewWindowCaption;
    int ChartKind = 0; ///< the chart the menu items pH and SI chose last (10, 11, 20, 21)

    const Directories& directories() const { return m_directories; }
    ProjectExplorer& projectExplorer() const { return *m_projectExplorer; }
    FileBrowser& fileBrowser() const { return *m_fileBrowser; }
    DesktopCommands& desktopCommands() const { return *m_desktop; }
    const MainActions& actions() const { return m_actions; }
    RecentFiles& recentFiles();
    TrayController& tray() const { return *m_tray; }
    QMdiArea* workspace() const { return m_workspace; }
    TMDIChild* activeResultWindow() const override;
    /// The active chart window; nullptr when another or none is active.
    TGraphikF* activeChart() const;

    // MdiHost
    QString programDirectory() const override { return m_directories.program; }
    int zoomIndex() const override;
    void setZoomIndex(int index) override;
    QString zoomText() const override;
    QList<QString> childCaptions() const override;
    QString activeChildCaption() const override;
    QList<QAction*> editActions() const override;
    void resultWindowClosing(TMDIChild* window) override;
    EngineState& engineState() override { return *m_settings.engine; }

    // CalculationHost
    const WaterSource* activeWaterSource() const override;
    bool importPending() const override { return m_importPending; }
    void setImportPending(bool pending) override { m_importPending = pending; }
    void setNewWindowCaption(const QString& caption) override { NewWindowCaption = caption; }
    MdiHost& windowHost() override { return *this; }
    void showResultWindow(TMDIChild* window, const QString& fileName) override;
    void openHelpPage(const QString& page) override;

    // ExplorerHost
    QString projectDirectory() const override { return m_directories.projects; }
    QString dataDirectory() const override { return m_directories.data; }
    void setDataDirectory(const QString& directory) override;
    void openDataFile(const QString& path) override { OpenDataFile(path); }
    bool saveActiveWindowAs() override;
    void openHelpStartPage() override { openHelp(); }
    void setExplorerEditing(bool editing) override;

    /// Menus, tool bar and workspace; the dialogs shown over the main window stay usable.
    void setMainWindowEnabled(bool enabled);

    TEingabeform& analysisDialog() const { return *m_analysisDialog; }
    TTemperaturdaten& temperatureDialog() const { return *m_temperatureDialog; }
    TMischdaten& mixingDialog() const { return *m_mixingDialog; }
    TZugabeDaten& dosingDialog() const { return *m_dosingDialog; }
    TKorrDaten& corrosionDialog() const { return *m_corrosionDialog; }
    TEntsauDaten& deacidificationDialog() const { return *m_deacidificationDialog; }
    TEntcarDaten& decarbonisationDialog() const { return *m_decarbonisationDialog; }
    TSchnellDaten& rapidDecarbonisationDialog() const { return *m_rapidDecarbonisationDialog; }
    THEntDaten& hDecarbonisationDialog() const { return *m_hDecarbonisationDialog; }
    TEnthDaten& softeningDialog() const { return *m_softeningDialog; }
    TAktivKohle& carbonFilterDialog() const { return *m_carbonFilterDialog; }
    TFeMnForm& ironFilterDialog() const { return *m_ironFilterDialog; }
    TSandfilter& sandFilterDialog() const { return *m_sandFilterDialog; }

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
    void updateWindowMenu();
    void updateProjectMenu();
    /// The commands that need a chosen project.
    void enableProjectCommands();
    void setExplorerVisible(bool visible);
    void tile(Qt::Orientation orientation);
    /// Asks every unsaved window before any closes; false when the user keeps one.
    bool confirmClosingAll();
    void showAnalysisDialog();
    void showTemperatureDialog();
    void showMixingDialog();
    /// Shows a dialog after its show step, which for the treatments takes the active water.
    template <class Dialog>
    void showPreparedDialog(Dialog& dialog);
    void openChart(bool pH);
    /// Adds a child window, maximised, as the current one.
    void addChildWindow(QWidget* window);
    void showOptions();
    void showAbout();
    void openHelp();
    void openDocumentation();
    void openBook();
    void startDesigner();
    void importAnalysis();
    /// Shows the explorer with its tab "Projekte", as the main menu's project commands do first.
    void showProjects();
    /// F5: the file list and the project list read again, the tree emptied.
    void refreshExplorer();
    QList<QMdiSubWindow*> openWindows(QMdiArea::WindowOrder order = QMdiArea::CreationOrder) const;

    Settings m_settings;
    Directories m_directories;
    MainActions m_actions;
    DataFileCommands* m_files = nullptr;
    DesktopCommands* m_desktop = nullptr;
    ProjectExplorer* m_projectExplorer = nullptr;
    FileBrowser* m_fileBrowser = nullptr;
    DialogPresenter* m_presenter = nullptr;
    QMdiArea* m_workspace = nullptr;
    QTabWidget* m_explorer = nullptr;
    QSplitter* m_splitter = nullptr;
    QComboBox* m_zoomBox = nullptr;
    TrayController* m_tray = nullptr;
    TInfoBox* m_infoBox = nullptr;
    TOptionenF* m_options = nullptr;
    TEingabeform* m_analysisDialog = nullptr;
    TTemperaturdaten* m_temperatureDialog = nullptr;
    TMischdaten* m_mixingDialog = nullptr;
    TZugabeDaten* m_dosingDialog = nullptr;
    TKorrDaten* m_corrosionDialog = nullptr;
    TEntsauDaten* m_deacidificationDialog = nullptr;
    TEntcarDaten* m_decarbonisationDialog = nullptr;
    TSchnellDaten* m_rapidDecarbonisationDialog = nullptr;
    THEntDaten* m_hDecarbonisationDialog = nullptr;
    TEnthDaten* m_softeningDialog = nullptr;
    TAktivKohle* m_carbonFilterDialog = nullptr;
    TFeMnForm* m_ironFilterDialog = nullptr;
    TSandfilter* m_sandFilterDialog = nullptr;
    bool m_importPending = false;
    ImportValues m_importValues; ///< kept from one import to the next
    sheet::SheetBook* m_designerBook = nullptr;
    QString m_commandLinePath;
    int m_explorerWidth = 0; ///< the panel's width when last shown, written at closing
    int m_widthBeforeEditing = 0;
    bool m_shownOnce = false;
};

} // namespace velmora
