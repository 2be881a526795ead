#pragma once

#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QListWidget;
class QMenu;
class QTreeView;

namespace velmora {

class ExplorerHost;
class TMDIChild;

/// The explorer's tab "Dateien": a small file browser of the program's data files. Above, the drive box
/// (the mounted volumes) and the directory list; below, the data files of the listed directory.
class FileBrowser : public QWidget {
    Q_OBJECT
public:
    explicit FileBrowser(ExplorerHost& host, QWidget* parent = nullptr);

    /// The directory whose files are listed.
    QString currentDirectory() const;
    void setCurrentDirectory(const QString& directory);
    /// Drive box and directory list move to the data directory.
    void showDataDirectory();
    /// Lists the data files of the current directory again.
    void readFileList();
    QComboBox* driveBox() const { return m_drives; }
    QListWidget* fileList() const { return m_files; }
    QTreeView* directoryList() const { return m_directories; }
    /// The file list's commands, enabled exactly when a file is selected.
    QMenu* fileMenu() const { return m_fileMenu; }

    void openSelectedFile();
    void deleteSelectedFile();
    void renameSelectedFile();
    /// Makes the listed directory the data directory.
    void chooseAsDataDirectory();

Q_SIGNALS:
    /// The data directory has changed: the project list is read again.
    void dataDirectoryChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void listDrives();
    void driveChosen(int index);
    QString selectedFile() const;
    /// The result windows of the file `path`.
    QList<TMDIChild*> windowsOf(const QString& path) const;
    void updateFileMenu();

    ExplorerHost& m_host;
    QComboBox* m_drives;
    QFileSystemModel* m_directoryModel;
    QTreeView* m_directories;
    QListWidget* m_files;
    QMenu* m_fileMenu;
    QAction* m_openEntry;
    QAction* m_deleteEntry;
    QAction* m_renameEntry;
};

} // namespace velmora
