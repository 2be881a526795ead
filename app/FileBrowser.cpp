#include "app/FileBrowser.h"

#include "app/ExplorerHost.h"
#include "app/ProgramMessage.h"
#include "common/DialogSeam.h"
#include "windows/DataFile.h"
#include "windows/TMDIChild.h"
#include "windows/WindowType.h"

#include <QComboBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QSplitter>
#include <QStorageInfo>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace velmora {

namespace {

QStringList dataFilePatterns() {
    QStringList patterns;
    for (const WindowType& type : windowTypes)
        patterns << u'*' + type.fileExtension();
    return patterns;
}

} // namespace

FileBrowser::FileBrowser(ExplorerHost& host, QWidget* parent) : QWidget(parent), m_host(host) {
    setObjectName(QStringLiteral("dateien"));
    setToolTip(QStringLiteral("Dateisystem durchsuchen"));

    m_drives = new QComboBox;
    m_drives->setObjectName(QStringLiteral("laufwerk"));
    auto* dataButton = new QToolButton;
    dataButton->setObjectName(QStringLiteral("datenverzeichnisKnopf"));
    dataButton->setToolTip(QStringLiteral("Standard-Datenverzeichnis"));
    dataButton->setStatusTip(QStringLiteral("zum Standard-Datenverzeichnis wechseln"));
    dataButton->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));

    m_directoryModel = new QFileSystemModel(this);
    m_directoryModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_directories = new QTreeView;
    m_directories->setObjectName(QStringLiteral("verzeichnisse"));
    m_directories->setModel(m_directoryModel);
    m_directories->setHeaderHidden(true);
    for (int column = 1; column < m_directoryModel->columnCount(); ++column)
        m_directories->hideColumn(column);
    m_directories->setContextMenuPolicy(Qt::CustomContextMenu);
    m_directories->installEventFilter(this);
    auto* directoryMenu = new QMenu(this);
    QAction* chooseEntry = directoryMenu->addAction(
        QStringLiteral("aktuelles Verzeichnis als Standard-Datenverzeichnis wählen"));

    m_files = new QListWidget;
    m_files->setObjectName(QStringLiteral("dateiliste"));
    m_files->setContextMenuPolicy(Qt::CustomContextMenu);
    m_fileMenu = new QMenu(this);
    m_fileMenu->setObjectName(QStringLiteral("dateiMenue"));
    m_openEntry = m_fileMenu->addAction(QStringLiteral("öffnen"));
    m_deleteEntry = m_fileMenu->addAction(QStringLiteral("löschen"));
    m_renameEntry = m_fileMenu->addAction(QStringLiteral("umbenennen"));

    auto* upper = new QWidget;
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    auto* driveRow = new QHBoxLayout;
    driveRow->addWidget(m_drives, 1);
    driveRow->addWidget(dataButton);
    upperLayout->addLayout(driveRow);
    upperLayout->addWidget(m_directories, 1);
    auto* panes = new QSplitter(Qt::Vertical);
    panes->addWidget(upper);
    panes->addWidget(m_files);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(panes);

    listDrives();
    connect(m_drives, &QComboBox::activated, this, &FileBrowser::driveChosen);
    connect(dataButton, &QToolButton::clicked, this, &FileBrowser::showDataDirectory);
    connect(m_directories->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { readFileList(); });
    connect(m_directories, &QWidget::customContextMenuRequested, this,
            [this, directoryMenu](const QPoint& at) {
                directoryMenu->popup(m_directories->viewport()->mapToGlobal(at));
            });
    connect(chooseEntry, &QAction::triggered, this, &FileBrowser::chooseAsDataDirectory);
    connect(m_files, &QListWidget::itemActivated, this, &FileBrowser::openSelectedFile);
    connect(m_files, &QListWidget::currentItemChanged, this, [this] {
        m_files->setToolTip(selectedFile());
        updateFileMenu();
    });
    connect(m_files, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        updateFileMenu();
        m_fileMenu->popup(m_files->viewport()->mapToGlobal(at));
    });
    connect(m_openEntry, &QAction::triggered, this, &FileBrowser::openSelectedFile);
    connect(m_deleteEntry, &QAction::triggered, this, &FileBrowser::deleteSelectedFile);
    connect(m_renameEntry, &QAction::triggered, this, &FileBrowser::renameSelectedFile);
    updateFileMenu();
}

void FileBrowser::listDrives() {
    QStringList roots{QStringLiteral("/")};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    m_drives->addItems(roots);
}

void FileBrowser::driveChosen(int index) {
    const QString root = m_drives->itemText(index);
    if (QFileInfo(root).isDir()) {
        setCurrentDirectory(root);
        return;
    }
    // A drive without its medium: back to the program's drive.
    const QString programRoot = QStorageInfo(m_host.programDirectory()).rootPath();
    if (QFileInfo(programRoot).isDir())
        setCurrentDirectory(programRoot);
}

QString FileBrowser::currentDirectory() const {
    return m_directoryModel->filePath(m_directories->currentIndex());
}

void FileBrowser::setCurrentDirectory(const QString& directory) {
    const QString root = QStorageInfo(directory).rootPath();
    const int drive = m_drives->findText(root);
    m_drives->setCurrentIndex(drive >= 0 ? drive : 0);
    m_directoryModel->setRootPath(root);
    m_directories->setRootIndex(m_directoryModel->index(root));
    const QModelIndex index = m_directoryModel->index(QDir::cleanPath(directory));
    m_directories->setCurrentIndex(index);
    m_directories->scrollTo(index);
    readFileList();
}

void FileBrowser::showDataDirectory() {
    setCurrentDirectory(m_host.dataDirectory());
}

void FileBrowser::readFileList() {
    m_files->clear();
    const QDir directory(currentDirectory());
    const QFileIconProvider icons;
    for (const QFileInfo& file : directory.entryInfoList(dataFilePatterns(), QDir::Files, QDir::Name)) {
        auto* item = new QListWidgetItem(icons.icon(file), file.fileName(), m_files);
        item->setData(Qt::UserRole, file.absoluteFilePath());
    }
    m_files->setToolTip(QString());
    updateFileMenu();
}

QString FileBrowser::selectedFile() const {
    const QListWidgetItem* item = m_files->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void FileBrowser::updateFileMenu() {
    for (QAction* entry : {m_openEntry, m_deleteEntry, m_renameEntry})
        entry->setEnabled(!selectedFile().isEmpty());
}

QList<TMDIChild*> FileBrowser::windowsOf(const QString& path) const {
    QList<TMDIChild*> windows;
    for (TMDIChild* window : m_host.resultWindows())
        if (isSameFile(window->FileName, path))
            windows << window;
    return windows;
}

void FileBrowser::openSelectedFile() {
    if (const QString path = selectedFile(); !path.isEmpty())
        m_host.openDataFile(path);
}

void FileBrowser::deleteSelectedFile() {
    const QString path = selectedFile();
    if (path.isEmpty())
        return;
    const QString name = QFileInfo(path).fileName();
    if (!QFileInfo::exists(path)) {
        programMessage(
            this, DialogSeam::Icon::Information,
            QStringLiteral("Die Datei %1 existiert nicht mehr!\n\rMöglicherweise wurde sie gelöscht oder "
                           "verschoben.")
                .arg(name));
        return readFileList();
    }
    if (programMessage(this, DialogSeam::Icon::Confirmation,
                       QStringLiteral("Möchten Sie die Datei %1 wirklich unwiderruflich löschen?").arg(name),
                       DialogSeam::Buttons::YesNo) != DialogSeam::Answer::Yes)
        return;
    const QList<TMDIChild*> windows = windowsOf(path);
    if (!QFile::remove(path)) {
        programMessage(this, DialogSeam::Icon::Error,
                       QStringLiteral("Die Datei %1 konnte nicht gelöscht werden!").arg(name));
        return;
    }
    // Its windows now show contents no file holds.
    for (TMDIChild* window : windows)
        window->Saved = false;
    readFileList();
}

void FileBrowser::renameSelectedFile() {
    const QString path = selectedFile();
    if (path.isEmpty())
        return;
    const std::optional<QString> answer =
        dialogs().text(this, QStringLiteral("Datei umbenennen"), QStringLiteral("neuer Name:"), QString());
    if (!answer || answer->trimmed().isEmpty())
        return;
    const QFileInfo old(path);
    // The file keeps its type: the answer's own extension gives way to the data file's.
    const QString newPath = old.dir().filePath(QFileInfo(*answer).completeBaseName() + u'.' + old.suffix());
    // A name is no path: the file stays in its directory.
    const bool plainName = !answer->contains(u'/');
    const QList<TMDIChild*> windows = windowsOf(path);
    if (plainName && QFile::rename(path, newPath)) {
        for (TMDIChild* window : windows) {
            window->FileName = newPath;
            window->Saved = true;
        }
        return readFileList();
    }
    if (plainName && QFileInfo::exists(newPath))
        programMessage(this, DialogSeam::Icon::Information,
                       QStringLiteral("Eine Datei mit dem angegebenen Namen existiert bereits!"));
    else
        programMessage(this, DialogSeam::Icon::Error,
                       QStringLiteral("Die Datei konnte nicht umbenannt werden!"));
}

void FileBrowser::chooseAsDataDirectory() {
    const QString directory = currentDirectory();
    if (directory.isEmpty() || !QFileInfo(directory).isDir())
        return;
    m_host.setDataDirectory(QDir::cleanPath(directory));
    Q_EMIT dataDirectoryChosen();
}

bool FileBrowser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_directories && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        m_host.openHelpStartPage();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velmora
