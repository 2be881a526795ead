#include "app/THauptfenster.h"

#include "app/CommandEnabling.h"
#include "app/DataFileCommands.h"
#include "app/DesktopCommands.h"
#include "app/DialogPresenter.h"
#include "app/FileBrowser.h"
#include "app/FileTypes.h"
#include "app/ProgramMessage.h"
#include "app/ProjectExplorer.h"
#include "app/ResultWindowClasses.h"
#include "app/TInfoBox.h"
#include "app/TOptionenF.h"
#include "app/TrayController.h"
#include "common/DialogSeam.h"
#include "filters/TAktivKohle.h"
#include "filters/TFeMnForm.h"
#include "filters/TSandfilter.h"
#include "sheet/model/SheetError.h"
#include "sheet/view/SheetBook.h"
#include "treatment/TEntcarDaten.h"
#include "treatment/TEnthDaten.h"
#include "treatment/TEntsauDaten.h"
#include "treatment/THEntDaten.h"
#include "treatment/TKorrDaten.h"
#include "treatment/TSchnellDaten.h"
#include "treatment/TZugabeDaten.h"
#include "variations/TGraphikF.h"
#include "variations/TMischdaten.h"
#include "variations/TTemperaturdaten.h"
#include "windows/SheetTemplates.h"
#include "windows/TEingabeform.h"
#include "windows/TMDIChild.h"
#include "windows/WaterSource.h"
#include "windows/WindowType.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>

namespace velmora {

namespace {

constexpr int zoomEntries = 20;
constexpr int zoomEntry100 = 10;
constexpr int explorerStartWidth = 337;

QString caption(const QMdiSubWindow* window) {
    return window->widget() ? window->widget()->windowTitle() : window->windowTitle();
}

TMDIChild* resultWindowOf(const QMdiSubWindow* window) {
    return window ? qobject_cast<TMDIChild*>(window->widget()) : nullptr;
}

} // namespace

THauptfenster::THauptfenster(Settings settings, QWidget* parent)
    : QMainWindow(parent), m_settings(std::move(settings)) {
    setObjectName(QStringLiteral("THauptfenster"));
    setWindowTitle(QStringLiteral("Velmora Version 2.0"));
    setMinimumSize(650, 600);
    resize(905, 645);
    setAcceptDrops(true);

    m_directories =
        resolveDirectories(m_settings.profile, m_settings.programDirectory, m_settings.userDirectory);
    if (!ensureFileTypesRegistered(m_settings.profile, m_settings.dataHome, m_directories.program))
        dialogs().message(this, DialogSeam::Icon::Error, QStringLiteral("Velmora"),
                          QStringLiteral("Die Dateitypen konnten nicht beim Desktop angemeldet werden."));

    buildWindow();
    m_files = new DataFileCommands(*this, *m_actions.zuletztMenu);
    m_desktop = new DesktopCommands(*this);
    m_files->recentFiles().load(m_settings.recentFiles);
    m_presenter = new DialogPresenter([this](bool enabled) { setMainWindowEnabled(enabled); }, this);
    m_tray = new TrayController(*this, m_settings.trayAvailable);
    m_infoBox = new TInfoBox(this);
    m_options = new TOptionenF(m_directories, m_settings.profile, this);
    m_analysisDialog = new TEingabeform(*this, *m_settings.engine, this);
    m_temperatureDialog = new TTemperaturdaten(*this, *m_settings.engine, this);
    m_mixingDialog = new TMischdaten(*this, *m_settings.engine, this);
    m_deacidificationDialog = new TEntsauDaten(*this, *m_settings.engine, this);
    m_decarbonisationDialog = new TEntcarDaten(*this, *m_settings.engine, this);
    m_dosingDialog = new TZugabeDaten(*this, *m_settings.engine, this);
    m_corrosionDialog = new TKorrDaten(*this, *m_settings.engine, this);
    m_rapidDecarbonisationDialog = new TSchnellDaten(*this, *m_settings.engine, this);
    m_hDecarbonisationDialog = new THEntDaten(*this, *m_settings.engine, this);
    m_softeningDialog = new TEnthDaten(*this, *m_settings.engine, this);
    m_carbonFilterDialog = new TAktivKohle(*this, this);
    m_ironFilterDialog = new TFeMnForm(*this, this);
    m_sandFilterDialog = new TSandfilter(*this, this);
    // Only there to start the designer.
    m_designerBook = new sheet::SheetBook(this);
    m_designerBook->hide();
    m_designerBook->setDesignerProgram(programDirectory() + QStringLiteral("tabrix"));
    connectCommands();
    // What needs a result window or a chosen project starts disabled.
    m_actions.apply(commandsAtStart());
    enableProjectCommands();
    subWindowActivated(nullptr);
    m_files->updateRecentFilesMenu();
}

THauptfenster::~THauptfenster() {
    // The children are destroyed after this window; their deactivation must not call back into it.
    disconnect(m_workspace, nullptr, this, nullptr);
}

void THauptfenster::buildWindow() {
    auto* toolBar = addToolBar(QStringLiteral("Werkzeuge"));
    toolBar->setObjectName(QStringLiteral("werkzeuge"));
    toolBar->setMovable(false);
    toolBar->setFixedHeight(30);
    QAction* zoomPosition = nullptr;
    m_actions = createMainActions(this, menuBar(), toolBar, &zoomPosition);
    // The hidden "&Ansicht" commands work through their keys only.
    addAction(m_actions.explorerUmschalten);
    addAction(m_actions.dateibrowserAktualisieren);

    m_zoomBox = new QComboBox(toolBar);
    m_zoomBox->setObjectName(QStringLiteral("zoomBox"));
    m_zoomBox->setToolTip(QStringLiteral("Zoomfaktor festlegen"));
    m_zoomBox->setStatusTip(QStringLiteral("Zoomfaktor festlegen"));
    m_zoomBox->setFixedWidth(71);
    for (int i = 0; i < zoomEntries; ++i)
        m_zoomBox->addItem(QStringLiteral("%1 %").arg(200 - 10 * i));
    m_zoomBox->setCurrentIndex(zoomEntry100);
    toolBar->insertWidget(zoomPosition, m_zoomBox);

    m_explorer = new QTabWidget;
    m_explorer->setObjectName(QStringLiteral("explorer"));
    m_projectExplorer = new ProjectExplorer(*this);
    m_fileBrowser = new FileBrowser(*this);
    m_explorer->addTab(m_projectExplorer, QStringLiteral("Projekte"));
    m_explorer->addTab(m_fileBrowser, QStringLiteral("Dateien"));
    m_explorer->setTabToolTip(0, QStringLiteral("Projekte"));
    m_explorer->setTabToolTip(1, QStringLiteral("Dateisystem durchsuchen"));
    m_explorer->setMaximumWidth(maxExplorerWidth);
    m_explorer->setMinimumWidth(minExplorerWidth);

    m_workspace = new QMdiArea;
    m_workspace->setObjectName(QStringLiteral("workspace"));
    m_workspace->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_workspace->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->setObjectName(QStringLiteral("splitter"));
    m_splitter->setHandleWidth(5);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(m_explorer);
    m_splitter->addWidget(m_workspace);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({explorerStartWidth, 905 - explorerStartWidth});
    setCentralWidget(m_splitter);
    statusBar()->setObjectName(QStringLiteral("statusBar"));
}

void THauptfenster::connectCommands() {
    const MainActions& a = m_actions;
    connect(m_workspace, &QMdiArea::subWindowActivated, this, &THauptfenster::subWindowActivated);
    connect(m_zoomBox, &QComboBox::activated, this, &THauptfenster::zoomChosen);

    connect(a.oeffnen, &QAction::triggered, m_files, &DataFileCommands::openFiles);
    connect(a.schliessen, &QAction::triggered, m_workspace, &QMdiArea::closeActiveSubWindow);
    connect(a.alleSchliessen, &QAction::triggered, this, &THauptfenster::closeAll);
    connect(a.drucken, &QAction::triggered, this, [this] {
        if (TMDIChild* window = activeResultWindow())
            window->PrintSheet();
        else if (auto* chart = activeChart())
            chart->PrintChart();
    });
    connect(a.beenden, &QAction::triggered, this, &QWidget::close);
    connect(a.ausschneiden, &QAction::triggered, this, [this] {
        if (TMDIChild* window = activeResultWindow())
            window->CutToClipboard();
    });
    connect(a.kopieren, &QAction::triggered, this, [this] {
        if (TMDIChild* window = activeResultWindow())
            window->CopyToClipboard();
    });
    connect(a.einfuegen, &QAction::triggered, this, [this] {
        if (TMDIChild* window = activeResultWindow())
            window->PasteFromClipboard();
    });
    connect(a.neu, &QAction::triggered, this, &THauptfenster::showAnalysisDialog);
    connect(a.temperatur, &QAction::triggered, this, &THauptfenster::showTemperatureDialog);
    connect(a.mischwasser, &QAction::triggered, this, &THauptfenster::showMixingDialog);
    connect(a.zugabe, &QAction::triggered, this, [this] { showPreparedDialog(*m_dosingDialog); });
    connect(a.korrosion, &QAction::triggered, this, [this] { showPreparedDialog(*m_corrosionDialog); });
    connect(a.entsaeuerung, &QAction::triggered, this,
            [this] { showPreparedDialog(*m_deacidificationDialog); });
    connect(a.entcarbonisierung, &QAction::triggered, this,
            [this] { showPreparedDialog(*m_decarbonisationDialog); });
    connect(a.schnellentcarbonisierung, &QAction::triggered, this,
            [this] { showPreparedDialog(*m_rapidDecarbonisationDialog); });
    connect(a.hEntcarbonisierung, &QAction::triggered, this,
            [this] { showPreparedDialog(*m_hDecarbonisationDialog); });
    connect(a.enthaertung, &QAction::triggered, this, [this] { showPreparedDialog(*m_softeningDialog); });
    connect(a.aktivkohlefilter, &QAction::triggered, this,
            [this] { showPreparedDialog(*m_carbonFilterDialog); });
    connect(a.enteisenungsfilter, &QAction::triggered, this,
            [this] { showPreparedDialog(*m_ironFilterDialog); });
    connect(a.sandfilter, &QAction::triggered, this, [this] { showPreparedDialog(*m_sandFilterDialog); });
    connect(a.grafikPh, &QAction::triggered, this, [this] { openChart(true); });
    connect(a.grafikSi, &QAction::triggered, this, [this] { openChart(false); });
    connect(a.speichernUnter, &QAction::triggered, m_files, &DataFileCommands::saveActiveWindowAs);
    connect(a.importieren, &QAction::triggered, this, &THauptfenster::importAnalysis);

    ProjectExplorer* projects = m_projectExplorer;
    connect(a.neuesProjekt, &QAction::triggered, this, [this, projects] {
        showProjects();
        projects->newProject();
    });
    connect(a.projektUmbenennen, &QAction::triggered, this, [this, projects] {
        showProjects();
        projects->renameProject();
    });
    connect(a.projektLoeschen, &QAction::triggered, this, [this, projects] {
        showProjects();
        projects->deleteProject(false);
    });
    connect(a.alleDateienOeffnen, &QAction::triggered, this, [this, projects] {
        showProjects();
        projects->openAllFiles();
    });
    connect(a.dateiHinzufuegen, &QAction::triggered, projects, &ProjectExplorer::addCurrentFile);
    connect(a.dateibrowserAktualisieren, &QAction::triggered, this, &THauptfenster::refreshExplorer);
    connect(a.desktopSpeichern, &QAction::triggered, m_desktop, &DesktopCommands::saveDesktop);
    connect(a.desktopLaden, &QAction::triggered, m_desktop, &DesktopCommands::loadDesktop);
    connect(m_explorer, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == 1)
            m_fileBrowser->readFileList();
    });
    // The keys of the commands that need a project work as soon as one is chosen.
    connect(projects, &ProjectExplorer::chosenProjectChanged, this, &THauptfenster::enableProjectCommands);
    connect(m_fileBrowser, &FileBrowser::dataDirectoryChosen, projects, &ProjectExplorer::listProjectsAfresh);

    connect(a.optionen, &QAction::triggered, this, &THauptfenster::showOptions);
    connect(a.formulardesigner, &QAction::triggered, this, &THauptfenster::startDesigner);
    connect(a.ueberlappend, &QAction::triggered, m_workspace, &QMdiArea::cascadeSubWindows);
    connect(a.horizontal, &QAction::triggered, this, [this] { tile(Qt::Horizontal); });
    connect(a.vertikal, &QAction::triggered, this, [this] { tile(Qt::Vertical); });
    connect(a.alleVerkleinern, &QAction::triggered, this, [this] {
        for (QMdiSubWindow* window : openWindows())
            window->showMinimized();
    });
    connect(a.alleAnordnen, &QAction::triggered, this, [this] {
        for (QMdiSubWindow* window : openWindows())
            window->showNormal();
    });
    connect(a.hilfe, &QAction::triggered, this, &THauptfenster::openHelp);
    connect(a.dokumentation, &QAction::triggered, this, &THauptfenster::openDocumentation);
    connect(a.buch, &QAction::triggered, this, &THauptfenster::openBook);
    connect(a.info, &QAction::triggered, this, &THauptfenster::showAbout);

    const auto toggleExplorer = [this] {
        setExplorerVisible(m_explorer->isHidden());
    };
    connect(a.explorerUmschalten, &QAction::triggered, this, toggleExplorer);
    connect(a.explorerButton, &QAction::triggered, this, toggleExplorer);
    connect(a.projektverwaltung, &QAction::triggered, this, [this] {
        if (!m_explorer->isHidden() && m_explorer->currentIndex() == 0) {
            setExplorerVisible(false);
        } else {
            setExplorerVisible(true);
            m_explorer->setCurrentIndex(0);
        }
    });

    connect(a.berechnenMenu, &QMenu::aboutToShow, this,
            [this] { m_actions.mischwasser->setEnabled(hasChildren()); });
    connect(a.extrasMenu, &QMenu::aboutToShow, this,
            [this] { m_actions.desktopSpeichern->setEnabled(hasChildren()); });
    connect(a.projektMenu, &QMenu::aboutToShow, this, &THauptfenster::updateProjectMenu);
    connect(a.fensterMenu, &QMenu::aboutToShow, this, &THauptfenster::updateWindowMenu);
    updateWindowMenu();

    connect(m_tray, &TrayController::quitRequested, this, &QWidget::close);
    connect(m_options, &TOptionenF::minimizeToTrayChanged, m_tray, &TrayController::setOn);
    connect(m_options, &TOptionenF::directoriesChanged, this, [this, projects] {
        projects->listProjectsAfresh();
        m_fileBrowser->showDataDirectory();
    });
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] { m_explorerWidth = m_explorer->width(); });
}

QList<QMdiSubWindow*> THauptfenster::openWindows(QMdiArea::WindowOrder order) const {
    // A closed window stays in the list until it is deleted; it is hidden from the moment it closes.
    QList<QMdiSubWindow*> windows = m_workspace->subWindowList(order);
    windows.removeIf([](const QMdiSubWindow* window) { return window->isHidden(); });
    return windows;
}

bool THauptfenster::hasChildren() const {
    return !openWindows().isEmpty();
}

TMDIChild* THauptfenster::activeResultWindow() const {
    return resultWindowOf(m_workspace->currentSubWindow());
}

QList<TMDIChild*> THauptfenster::resultWindows() const {
    QList<TMDIChild*> windows;
    for (const QMdiSubWindow* window : openWindows())
        if (TMDIChild* result = resultWindowOf(window))
            windows << result;
    return windows;
}

void THauptfenster::activate(TMDIChild* window) {
    for (QMdiSubWindow* subWindow : openWindows())
        if (subWindow->widget() == window)
            m_workspace->setActiveSubWindow(subWindow);
}

RecentFiles& THauptfenster::recentFiles() {
    return m_files->recentFiles();
}

// ---- enabling rules ----

void THauptfenster::subWindowActivated(QMdiSubWindow* subWindow) {
    m_actions.alleSchliessen->setEnabled(hasChildren());
    if (!subWindow)
        return;
    TMDIChild* window = resultWindowOf(subWindow);
    m_actions.apply(commandsOnActivation(window ? &window->type() : nullptr));
    if (window)
        m_zoomBox->setCurrentIndex(window->ZoomIndex);
}

void THauptfenster::resultWindowClosing(TMDIChild* window) {
    m_actions.apply(commandsOnClosing(&window->type()));
    // The window list changes once the window is gone.
    QMetaObject::invokeMethod(
        this, [this] { m_actions.alleSchliessen->setEnabled(hasChildren()); }, Qt::QueuedConnection);
}

void THauptfenster::enableProjectCommands() {
    for (QAction* command :
         {m_actions.alleDateienOeffnen, m_actions.projektUmbenennen, m_actions.projektLoeschen})
        command->setEnabled(m_projectExplorer->projectChosen());
}

void THauptfenster::updateProjectMenu() {
    const MainActions& a = m_actions;
    enableProjectCommands();
    a.dateiHinzufuegen->setEnabled(hasChildren());
    if (m_explorer->isHidden())
        a.projektverwaltung->setText(QStringLiteral("Projekt&verwaltung einblenden"));
    else if (m_explorer->currentIndex() == 0)
        a.projektverwaltung->setText(QStringLiteral("Projekt&verwaltung ausblenden"));
    else
        a.projektverwaltung->setText(QStringLiteral("Projekt&verwaltung anzeigen"));
}

void THauptfenster::updateWindowMenu() {
    QMenu* menu = m_actions.fensterMenu;
    menu->clear();
    menu->addActions({m_actions.ueberlappend, m_actions.horizontal, m_actions.vertikal,
                      m_actions.alleVerkleinern, m_actions.alleAnordnen});
    const QList<QMdiSubWindow*> windows = openWindows();
    if (!windows.isEmpty())
        menu->addSeparator();
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        QAction* entry = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption(window)));
        entry->setCheckable(true);
        entry->setChecked(window == m_workspace->currentSubWindow());
        connect(entry, &QAction::triggered, this,
                [this, window] { m_workspace->setActiveSubWindow(window); });
    }
}

// ---- zoom ----

int THauptfenster::zoomIndex() const {
    return m_zoomBox->currentIndex();
}

void THauptfenster::setZoomIndex(int index) {
    m_zoomBox->setCurrentIndex(index);
}

QString THauptfenster::zoomText() const {
    return m_zoomBox->currentText();
}

void THauptfenster::zoomChosen(int) {
    if (TMDIChild* window = activeResultWindow())
        window->SetZoom(m_zoomBox->currentText());
}

QList<QString> THauptfenster::childCaptions() const {
    QList<QString> captions;
    for (const QMdiSubWindow* window : openWindows())
        captions << caption(window);
    return captions;
}

QList<QAction*> THauptfenster::editActions() const {
    return {m_actions.ausschneiden, m_actions.kopieren, m_actions.einfuegen};
}

QString THauptfenster::activeChildCaption() const {
    const QMdiSubWindow* active = m_workspace->currentSubWindow();
    return active ? caption(active) : QString();
}

// ---- files ----

void THauptfenster::handlePath(const QString& path) {
    if (path.isEmpty())
        return;
    if (path.endsWith(QStringLiteral(".wdt")))
        m_desktop->restoreDesktop(path);
    else
        OpenDataFile(path);
}

void THauptfenster::pathFromSecondInstance(const QString& path) {
    if (!m_shownOnce)
        return;
    m_tray->restore();
    handlePath(path);
}

void THauptfenster::OpenDataFile(const QString& path, bool addToRecentFiles) {
    m_files->OpenDataFile(path, addToRecentFiles);
}

TMDIChild* THauptfenster::CreateResultWindow(const QString& fileName) {
    const WindowType* type = windowTypeOfFile(fileName);
    TMDIChild* window = type ? createWindowForFile(*type, *this) : nullptr;
    if (window)
        showResultWindow(window, fileName);
    return window;
}

void THauptfenster::showResultWindow(TMDIChild* window, const QString& fileName) {
    window->setWindowTitle(NewWindowCaption);
    window->FileName = fileName;
    addChildWindow(window);
    window->showContents();
}

void THauptfenster::addChildWindow(QWidget* window) {
    QMdiSubWindow* subWindow = m_workspace->addSubWindow(window);
    subWindow->setAttribute(Qt::WA_DeleteOnClose);
    // "Strg+W" is the main window's "Schließen"; the window menu's own key would make it ambiguous.
    for (QAction* entry : subWindow->systemMenu()->actions())
        entry->setShortcut(QKeySequence());
    subWindow->showMaximized();
    // A disabled workspace refuses to activate a window, and the dialog that built this one has
    // disabled it: the new window must become the current one all the same.
    const bool enabled = centralWidget()->isEnabled();
    centralWidget()->setEnabled(true);
    m_workspace->setActiveSubWindow(subWindow);
    centralWidget()->setEnabled(enabled);
}

TGraphikF* THauptfenster::activeChart() const {
    const QMdiSubWindow* subWindow = m_workspace->currentSubWindow();
    return subWindow ? qobject_cast<TGraphikF*>(subWindow->widget()) : nullptr;
}

void THauptfenster::openChart(bool pH) {
    // The kind follows the active window; where that holds no series, the kind chosen last stays.
    const TMDIChild* source = activeResultWindow();
    if (source)
        if (const std::optional<velmora::ChartKind> kind = chartKindOf(source->type().kind, pH))
            ChartKind = int(*kind);
    const VariationRecord* series = source ? chartedSeries(source->record()) : nullptr;
    if (!series)
        return;
    addChildWindow(new TGraphikF(chartContent(velmora::ChartKind(ChartKind), *series, source->caption())));
}

void THauptfenster::importAnalysis() {
    const QString path = dialogs().openFile(this, QStringLiteral("Datei auswählen"), m_directories.data,
                                            QStringLiteral("Tabellen (*.xls *.xlsx *.ods)"));
    if (!path.isEmpty())
        importAnalysisFile(path, importTemplatePath(m_directories.program));
}

void THauptfenster::importAnalysisFile(const QString& path, const QString& templatePath) {
    m_importPending = true;
    m_analysisDialog->setWindowTitle(QStringLiteral("Import der Wasserkenndaten aus ") +
                                     QFileInfo(path).fileName());
    showAnalysisDialog();
    const std::optional<ImportFailure> failure =
        velmora::importAnalysisFile(path, templatePath, m_importValues);
    if (failure) {
        programMessage(this, failure->isError ? DialogSeam::Icon::Error : DialogSeam::Icon::Warning,
                       failure->message);
        m_analysisDialog->reject();
        return;
    }
    m_analysisDialog->takeImport(importedFieldTexts(m_importValues));
}

void THauptfenster::showAnalysisDialog() {
    m_analysisDialog->prepare();
    m_presenter->show(*m_analysisDialog);
}

void THauptfenster::showTemperatureDialog() {
    // Of the result windows only a water window answers the request to prepare the series.
    if (const WaterSource* water = activeWaterSource())
        m_temperatureDialog->takeWater(*water);
    m_temperatureDialog->prepare();
    m_presenter->show(*m_temperatureDialog);
}

template <class Dialog>
void THauptfenster::showPreparedDialog(Dialog& dialog) {
    dialog.prepare();
    m_presenter->show(dialog);
}

void THauptfenster::showMixingDialog() {
    m_mixingDialog->prepare();
    m_presenter->show(*m_mixingDialog);
}

const WaterSource* THauptfenster::activeWaterSource() const {
    return dynamic_cast<const WaterSource*>(activeResultWindow());
}

void THauptfenster::setMainWindowEnabled(bool enabled) {
    // The dialogs stay usable while the frame around them is disabled.
    menuBar()->setEnabled(enabled);
    centralWidget()->setEnabled(enabled);
    for (QToolBar* bar : findChildren<QToolBar*>())
        bar->setEnabled(enabled);
}

void THauptfenster::openHelpPage(const QString& page) {
    dialogs().openUrl(QUrl::fromLocalFile(m_directories.program + QStringLiteral("Hilfe/") + page));
}

void THauptfenster::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void THauptfenster::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            OpenDataFile(url.toLocalFile());
    event->acceptProposedAction();
}

void THauptfenster::mouseDoubleClickEvent(QMouseEvent*) {
    m_files->openFiles();
}

// ---- windows ----

void THauptfenster::closeAll() {
    QList<QMdiSubWindow*> windows = openWindows(QMdiArea::StackingOrder);
    // The last in the window order first; a window whose question is answered with Cancel stays.
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        (*it)->close();
}

bool THauptfenster::confirmClosingAll() {
    const QList<TMDIChild*> windows = resultWindows();
    for (TMDIChild* window : windows)
        if (!window->closeQuery())
            return false;
    for (TMDIChild* window : windows)
        window->setCloseConfirmed();
    return true;
}

void THauptfenster::tile(Qt::Orientation orientation) {
    const QList<QMdiSubWindow*> windows = openWindows();
    if (windows.isEmpty())
        return;
    const QSize area = m_workspace->viewport()->size();
    const int count = int(windows.size());
    for (int i = 0; i < count; ++i) {
        windows[i]->showNormal();
        // Horizontal: the windows stand one above the other, each the full width.
        if (orientation == Qt::Horizontal)
            windows[i]->setGeometry(0, i * area.height() / count, area.width(), area.height() / count);
        else
            windows[i]->setGeometry(i * area.width() / count, 0, area.width() / count, area.height());
    }
}

void THauptfenster::showProjects() {
    setExplorerVisible(true);
    m_explorer->setCurrentIndex(0);
}

void THauptfenster::refreshExplorer() {
    m_fileBrowser->readFileList();
    m_projectExplorer->listProjectsAfresh();
}

void THauptfenster::setExplorerEditing(bool editing) {
    if (editing) {
        m_widthBeforeEditing = m_explorer->width();
        m_splitter->setSizes({maxExplorerWidth, std::max(1, m_splitter->width() - maxExplorerWidth)});
    } else {
        m_splitter->setSizes({m_widthBeforeEditing, std::max(1, m_splitter->width() - m_widthBeforeEditing)});
    }
    m_splitter->handle(1)->setEnabled(!editing && !m_explorer->isHidden());
}

void THauptfenster::setDataDirectory(const QString& directory) {
    m_settings.profile.write(QStringLiteral("Verzeichnisse"), QStringLiteral("Datenverzeichnis"), directory);
    m_directories.data = directory;
}

bool THauptfenster::saveActiveWindowAs() {
    return m_files->saveActiveWindowAs();
}

void THauptfenster::setExplorerVisible(bool visible) {
    if (!visible && !m_explorer->isHidden())
        m_explorerWidth = m_explorer->width();
    m_explorer->setVisible(visible);
    m_actions.explorerButton->setChecked(visible);
    m_splitter->handle(1)->setEnabled(visible);
}

// ---- dialogs, help and documents ----

void THauptfenster::showOptions() {
    m_options->prepare(m_tray->isOn());
    m_options->exec();
}

void THauptfenster::showAbout() {
    m_presenter->show(*m_infoBox);
}

void THauptfenster::openHelp() {
    // Help asked inside a result window is about that window; anywhere else it starts at the start page.
    const TMDIChild* window = activeResultWindow();
    const QWidget* focus = QApplication::focusWidget();
    openHelpPage(window && focus && window->isAncestorOf(focus) ? QString::fromUtf16(window->type().helpPage)
                                                                : QStringLiteral("index.htm"));
}

void THauptfenster::openDocumentation() {
    dialogs().openUrl(
        QUrl::fromLocalFile(m_directories.program + QStringLiteral("Dokumentation/Dokumentation.pdf")));
}

void THauptfenster::openBook() {
    const QString book = m_directories.program + QStringLiteral("Velmora");
    if (!QFileInfo(book).isFile()) {
        dialogs().message(this, DialogSeam::Icon::Information, QStringLiteral("Velmora"),
                          QStringLiteral("Das Dokument ist nicht verfügbar!"));
        return;
    }
    if (!dialogs().openUrl(QUrl::fromLocalFile(book)))
        dialogs().message(
            this, DialogSeam::Icon::Information, QStringLiteral("Velmora"),
            QStringLiteral("Das Dokument konnte nicht geöffnet werden.\r\nBitte stellen Sie sicher, daß der "
                           "Acrobat Reader installiert ist.\r\nDie Version 4.05 des Adobe Acrobat Reader® "
                           "finden Sie auf der Velmora Installations-CD."));
}

void THauptfenster::startDesigner() {
    try {
        // The template of the active result window opens with the designer.
        const TMDIChild* window = activeResultWindow();
        m_designerBook->startDesigner(window ? programDirectory() + QString::fromUtf16(templateDirectory) +
                                                   QString::fromUtf16(window->type().templateFile)
                                             : QString());
    } catch (const sheet::SheetError& error) {
        dialogs().message(this, DialogSeam::Icon::Error, QStringLiteral("Velmora"), error.message());
    }
}

void THauptfenster::notYetAvailable() {
    dialogs().message(
        this, DialogSeam::Icon::Information, QStringLiteral("Velmora"),
        QStringLiteral("Diese Funktion ist in dieser Version von Velmora noch nicht verfügbar."));
}

// ---- showing and closing ----

void THauptfenster::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    m_zoomBox->setCurrentIndex(zoomEntry100);
    m_projectExplorer->listProjectsAfresh();
    m_fileBrowser->showDataDirectory();
    // A desktop on the command line places the main window over what the configuration says.
    applyPlacement();
    handlePath(m_commandLinePath);
}

void THauptfenster::applyPlacement() {
    const Placement placement = readPlacement(m_settings.profile);
    if (placement.maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        move(placement.normalGeometry.topLeft());
        resize(placement.normalGeometry.size());
    }
    setExplorerVisible(placement.explorerVisible);
    m_splitter->setSizes({placement.explorerWidth, std::max(1, width() - placement.explorerWidth)});
    m_explorerWidth = placement.explorerWidth;
    m_explorer->setCurrentIndex(placement.filesTabActive ? 1 : 0);
    m_tray->setOn(placement.minimizeToTray);
}

void THauptfenster::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        m_tray->windowMinimized();
}

void THauptfenster::closeEvent(QCloseEvent* event) {
    // Every question is answered before any window closes: Cancel keeps them all.
    if (!confirmClosingAll()) {
        event->ignore();
        return;
    }
    closeAll();
    Placement placement;
    placement.maximized = windowState() & (Qt::WindowMaximized | Qt::WindowMinimized);
    placement.normalGeometry = QRect(pos(), size());
    placement.explorerVisible = !m_explorer->isHidden();
    placement.explorerWidth = m_explorer->isHidden() ? m_explorerWidth : m_explorer->width();
    placement.filesTabActive = m_explorer->currentIndex() == 1;
    writePlacement(m_settings.profile, placement);
    m_files->recentFiles().store(m_settings.recentFiles);
    event->accept();
}

} // namespace velmora
