#pragma once

#include "app/ProjectFile.h"

#include <array>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class ExplorerHost;
class TMDIChild;

/// The explorer's tab "Projekte": the project box, the tree of the chosen project's members by
/// calculation type, and below it the details of the file under the cursor or the panel that names a new
/// or renamed project. The project file is the only state: the tree is rebuilt from it after every change.
class ProjectExplorer : public QWidget {
    Q_OBJECT
public:
    /// The images of the tree's nodes.
    enum NodeImage { ExistingMember = 0, Category = 1, MissingMember = 2 };
    static constexpr int imageRole = Qt::UserRole;

    explicit ProjectExplorer(ExplorerHost& host, QWidget* parent = nullptr);

    /// The chosen project's name; empty when none is chosen.
    QString currentProject() const;
    bool projectChosen() const { return !currentProject().trimmed().isEmpty(); }
    QTreeWidget* tree() const { return m_tree; }
    /// The drop-down button's menu.
    QMenu* projectMenu() const { return m_projectMenu; }

    /// Lists the project files of the project directory again and empties the tree: no project is chosen.
    void listProjectsAfresh();

    // The project commands.
    void newProject();
    void renameProject();
    /// `fromProjectMenu`: a project file that vanished is told and the list read again; the main menu's
    /// command just ends.
    void deleteProject(bool fromProjectMenu);
    void addCurrentFile();
    void removeFile();
    void openAllFiles();

Q_SIGNALS:
    /// Another project, or none, is chosen.
    void chosenProjectChanged();

private:
    enum class EditMode { None, NewProject, RenameProject };

    void readProjectList();
    void emptyTree();
    QString projectPath(const QString& name) const;
    void chooseProject(const QString& name);
    void rebuildTree();
    /// Writes the tree over the project file; the user is told when that fails.
    void writeTree();
    void addWindowFile(TMDIChild& window);
    void rememberExpandedCategories();
    void showDetails();
    void enterEditMode(EditMode mode);
    void leaveEditMode();
    void confirmEdit();
    void createProject();
    void renameChosenProject();
    void updateProjectMenu();

    ExplorerHost& m_host;
    QComboBox* m_projects;
    QToolButton* m_optionsButton;
    QMenu* m_projectMenu;
    QMenu* m_treeMenu;
    QTreeWidget* m_tree;
    QStackedWidget* m_lowerPane;
    QPlainTextEdit* m_details;
    QLineEdit* m_oldName;
    QLabel* m_nameLabel;
    QLineEdit* m_nameEdit;
    QPushButton* m_okButton;
    QAction* m_renameEntry;
    QAction* m_deleteEntry;
    QAction* m_addEntry;
    QAction* m_openAllEntry;
    std::array<bool, 10> m_expanded{};
    EditMode m_editMode = EditMode::None;
};

} // namespace velmora
