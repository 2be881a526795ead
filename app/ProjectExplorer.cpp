#include "app/ProjectExplorer.h"

#include "app/ExplorerHost.h"
#include "app/ProgramMessage.h"
#include "common/DialogSeam.h"
#include "common/FixedRecord.h"
#include "common/SafeFile.h"
#include "common/TextCodec.h"
#include "engine/AnalysisHeader.h"
#include "windows/DataFile.h"
#include "windows/TMDIChild.h"
#include "windows/WindowType.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora {

namespace {

constexpr int lowerPaneHeight = 142;
constexpr int maxProjectNameLength = 150;
// Every data file starts with the five header texts.
constexpr qsizetype detailsBytes = 1584;

QIcon nodeIcon(ProjectExplorer::NodeImage image) {
    QStyle* style = QApplication::style();
    switch (image) {
    case ProjectExplorer::ExistingMember:
        return style->standardIcon(QStyle::SP_FileIcon);
    case ProjectExplorer::Category:
        return style->standardIcon(QStyle::SP_DirIcon);
    case ProjectExplorer::MissingMember:
        return style->standardIcon(QStyle::SP_MessageBoxWarning);
    }
    return {};
}

void setImage(QTreeWidgetItem* node, ProjectExplorer::NodeImage image) {
    node->setIcon(0, nodeIcon(image));
    node->setData(0, ProjectExplorer::imageRole, int(image));
}

} // namespace

ProjectExplorer::ProjectExplorer(ExplorerHost& host, QWidget* parent) : QWidget(parent), m_host(host) {
    setObjectName(QStringLiteral("projekte"));
    setToolTip(QStringLiteral("Projekte"));

    m_projects = new QComboBox;
    m_projects->setObjectName(QStringLiteral("projektBox"));
    m_projectMenu = new QMenu(this);
    m_projectMenu->setObjectName(QStringLiteral("projektMenue"));
    m_renameEntry = m_projectMenu->addAction(QStringLiteral("Projekt umbenennen"));
    m_deleteEntry = m_projectMenu->addAction(QStringLiteral("Projekt löschen"));
    QAction* newEntry = m_projectMenu->addAction(QStringLiteral("neues Projekt"));
    m_addEntry = m_projectMenu->addAction(QStringLiteral("aktuelle Datei dem Projekt hinzufügen"));
    m_openAllEntry = m_projectMenu->addAction(QStringLiteral("alle Dateien im Projekt öffnen"));
    m_optionsButton = new QToolButton;
    m_optionsButton->setObjectName(QStringLiteral("projektOptionen"));
    m_optionsButton->setToolTip(QStringLiteral("Projektoptionen"));
    m_optionsButton->setArrowType(Qt::DownArrow);
    m_optionsButton->setPopupMode(QToolButton::InstantPopup);
    m_optionsButton->setMenu(m_projectMenu);

    m_tree = new QTreeWidget;
    m_tree->setObjectName(QStringLiteral("projektBaum"));
    m_tree->setHeaderHidden(true);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_treeMenu = new QMenu(this);
    m_treeMenu->setObjectName(QStringLiteral("baumMenue"));
    QAction* openAllFromTree = m_treeMenu->addAction(QStringLiteral("alle Dateien im Projekt öffnen"));
    QAction* removeEntry = m_treeMenu->addAction(QStringLiteral("Datei aus Projekt entfernen"));

    m_details = new QPlainTextEdit;
    m_details->setObjectName(QStringLiteral("details"));
    m_details->setReadOnly(true);

    auto* editPanel = new QWidget;
    editPanel->setObjectName(QStringLiteral("editPanel"));
    m_oldName = new QLineEdit;
    m_oldName->setObjectName(QStringLiteral("alterName"));
    m_oldName->setReadOnly(true);
    m_oldName->setFrame(false);
    m_oldName->setBackgroundRole(QPalette::Window);
    m_nameLabel = new QLabel;
    m_nameLabel->setObjectName(QStringLiteral("umbenennenIn"));
    m_nameEdit = new QLineEdit;
    m_nameEdit->setObjectName(QStringLiteral("projektName"));
    m_nameEdit->setMaxLength(maxProjectNameLength);
    m_nameEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Za-z0-9ÄÖÜäöüß_-]*")), m_nameEdit));
    m_okButton = new QPushButton(QStringLiteral("OK"));
    m_okButton->setObjectName(QStringLiteral("editOk"));
    m_okButton->setDefault(true);
    auto* cancelButton = new QPushButton(QStringLiteral("abbrechen"));
    cancelButton->setObjectName(QStringLiteral("editAbbrechen"));
    cancelButton->setShortcut(Qt::Key_Escape);
    auto* editLayout = new QGridLayout(editPanel);
    editLayout->addWidget(new QLabel(QStringLiteral("Projekt")), 0, 0);
    editLayout->addWidget(m_oldName, 0, 1, 1, 2);
    editLayout->addWidget(m_nameLabel, 1, 0, 1, 3);
    editLayout->addWidget(m_nameEdit, 2, 0, 1, 3);
    editLayout->addWidget(m_okButton, 3, 1);
    editLayout->addWidget(cancelButton, 3, 2);

    m_lowerPane = new QStackedWidget;
    m_lowerPane->setFixedHeight(lowerPaneHeight);
    m_lowerPane->addWidget(m_details);
    m_lowerPane->addWidget(editPanel);

    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(m_projects, 1);
    top->addWidget(m_optionsButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(top);
    layout->addWidget(m_tree, 1);
    layout->addWidget(m_lowerPane);

    connect(m_projects, &QComboBox::activated, this, [this] { rebuildTree(); });
    connect(m_projects, &QComboBox::currentIndexChanged, this, &ProjectExplorer::chosenProjectChanged);
    connect(m_projectMenu, &QMenu::aboutToShow, this, &ProjectExplorer::updateProjectMenu);
    connect(m_renameEntry, &QAction::triggered, this, &ProjectExplorer::renameProject);
    connect(m_deleteEntry, &QAction::triggered, this, [this] { deleteProject(true); });
    connect(newEntry, &QAction::triggered, this, &ProjectExplorer::newProject);
    connect(m_addEntry, &QAction::triggered, this, &ProjectExplorer::addCurrentFile);
    connect(m_openAllEntry, &QAction::triggered, this, &ProjectExplorer::openAllFiles);
    connect(openAllFromTree, &QAction::triggered, this, &ProjectExplorer::openAllFiles);
    connect(removeEntry, &QAction::triggered, this, &ProjectExplorer::removeFile);
    connect(m_tree, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_treeMenu->popup(m_tree->viewport()->mapToGlobal(at)); });
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* node) {
        if (node->parent())
            m_host.openDataFile(node->text(0));
    });
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &ProjectExplorer::showDetails);
    connect(m_okButton, &QPushButton::clicked, this, &ProjectExplorer::confirmEdit);
    connect(m_nameEdit, &QLineEdit::returnPressed, this, &ProjectExplorer::confirmEdit);
    connect(cancelButton, &QPushButton::clicked, this, &ProjectExplorer::leaveEditMode);
}

QString ProjectExplorer::currentProject() const {
    return m_projects->currentText();
}

QString ProjectExplorer::projectPath(const QString& name) const {
    return m_host.projectDirectory() + u'/' + name + QStringLiteral(".wpr");
}

void ProjectExplorer::updateProjectMenu() {
    m_addEntry->setEnabled(m_host.hasChildren());
    for (QAction* entry : {m_renameEntry, m_deleteEntry, m_openAllEntry})
        entry->setEnabled(projectChosen());
}

// ---- the list and the tree ----

void ProjectExplorer::readProjectList() {
    m_projects->clear();
    // Sorted by name: a Linux directory lists its files in no order a user could follow.
    const QFileInfoList files =
        QDir(m_host.projectDirectory())
            .entryInfoList({QStringLiteral("*.wpr")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : files)
        m_projects->addItem(file.completeBaseName());
    m_projects->setCurrentIndex(-1);
}

void ProjectExplorer::listProjectsAfresh() {
    readProjectList();
    emptyTree();
}

void ProjectExplorer::emptyTree() {
    m_tree->clear();
    showDetails();
}

void ProjectExplorer::chooseProject(const QString& name) {
    m_projects->setCurrentIndex(m_projects->findText(name));
    rebuildTree();
}

void ProjectExplorer::rebuildTree() {
    const std::optional<QByteArray> content = readProjectFile(projectPath(currentProject()));
    if (!content)
        return;
    m_tree->clear();
    const ProjectMembers members = readProjectMembers(*content);
    const QStringList categories = projectCategories();
    for (std::size_t i = 0; i < members.size(); ++i) {
        auto* category = new QTreeWidgetItem(m_tree, {categories[qsizetype(i)]});
        setImage(category, Category);
        for (const QString& member : members[i])
            setImage(new QTreeWidgetItem(category, {member}),
                     QFileInfo::exists(member) ? ExistingMember : MissingMember);
        category->setExpanded(m_expanded[i]);
    }
    showDetails();
}

void ProjectExplorer::writeTree() {
    ProjectMembers members;
    for (int i = 0; i < m_tree->topLevelItemCount() && std::size_t(i) < members.size(); ++i) {
        const QTreeWidgetItem* category = m_tree->topLevelItem(i);
        for (int j = 0; j < category->childCount(); ++j)
            members[std::size_t(i)] << category->child(j)->text(0);
    }
    try {
        writeFileSafely(projectPath(currentProject()), projectTreeText(members));
    } catch (const WriteError& error) {
        programMessage(this, DialogSeam::Icon::Error,
                       QStringLiteral("Das Projekt %1 konnte nicht gespeichert werden:\r\n%2")
                           .arg(currentProject(), error.message()));
        rebuildTree();
    }
}

void ProjectExplorer::rememberExpandedCategories() {
    for (int i = 0; i < m_tree->topLevelItemCount() && std::size_t(i) < m_expanded.size(); ++i)
        m_expanded[std::size_t(i)] = m_tree->topLevelItem(i)->isExpanded();
}

void ProjectExplorer::showDetails() {
    m_details->clear();
    const QTreeWidgetItem* node = m_tree->currentItem();
    if (m_tree->topLevelItemCount() == 0 || !node)
        return;
    const QString path = node->text(0);
    if (QFileInfo(path).isFile()) {
        try {
            const AnalysisHeader header =
                decodeRecord<AnalysisHeader>(readDataFile(path, detailsBytes), AnalysisHeader::storedSize);
            m_details->setLineWrapMode(QPlainTextEdit::NoWrap);
            m_details->setPlainText(QStringList{
                QStringLiteral("Datei: ") + QFileInfo(path).fileName(),
                QStringLiteral("Analyse: ") + header.text(AnalysisHeader::Name),
                QStringLiteral("Bearbeiter: ") + header.text(AnalysisHeader::Editor),
                QStringLiteral("Datum: ") + header.text(AnalysisHeader::Date),
                QStringLiteral("Anmerkung 1: ") + header.text(AnalysisHeader::Remark1),
                QStringLiteral("Anmerkung 2: ") + header.text(AnalysisHeader::Remark2),
            }
                                        .join(u'\n'));
        } catch (const FileError&) {
            // A file too short to be a data file shows no details.
        }
    }
    if (node->data(0, imageRole).toInt() == MissingMember) {
        m_details->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        m_details->setPlainText(
            QStringLiteral("Die Datei ist nicht mehr verfügbar!\nMöglicherweise wurde sie "
                           "umbenannt, verschoben oder gelöscht.\nSie können die Datei aus "
                           "dem Projekt entfernen."));
    }
}

// ---- editing a project's name ----

void ProjectExplorer::newProject() {
    enterEditMode(EditMode::NewProject);
}

void ProjectExplorer::renameProject() {
    if (projectChosen())
        enterEditMode(EditMode::RenameProject);
}

void ProjectExplorer::enterEditMode(EditMode mode) {
    m_editMode = mode;
    const bool renaming = mode == EditMode::RenameProject;
    m_oldName->setText(renaming ? currentProject() : QString());
    m_nameLabel->setText(renaming ? QStringLiteral("umbenennen in")
                                  : QStringLiteral("Name des zu erstellenden Projekts:"));
    m_nameEdit->setText(renaming ? currentProject() : QString());
    m_host.setExplorerEditing(true);
    m_tree->setEnabled(false);
    m_lowerPane->setCurrentIndex(1);
    m_nameEdit->setFocus();
}

void ProjectExplorer::leaveEditMode() {
    m_lowerPane->setCurrentIndex(0);
    m_host.setExplorerEditing(false);
    m_tree->setEnabled(true);
    m_oldName->clear();
    m_editMode = EditMode::None;
}

void ProjectExplorer::confirmEdit() {
    if (m_editMode == EditMode::NewProject)
        createProject();
    else if (m_editMode == EditMode::RenameProject)
        renameChosenProject();
}

void ProjectExplorer::createProject() {
    const QString name = m_nameEdit->text().trimmed();
    const QString path = projectPath(name);
    const auto refuse = [this](const QString& message) {
        programMessage(this, DialogSeam::Icon::Error, message);
        m_nameEdit->setFocus();
    };
    if (QFileInfo::exists(path))
        return refuse(
            QStringLiteral("Es ist bereits ein Projekt mit dem angegebenen Namen vorhanden!\r\nBitte "
                           "geben Sie einen anderen Namen an"));
    if (name.isEmpty())
        return refuse(QStringLiteral("Bitte geben Sie einen gültigen Namen ein!"));
    if (!tryWriteFileSafely(path, newProjectText(name)))
        return refuse(
            QStringLiteral("Die Datei konnte nicht erzeugt werden!\r\nBitte geben Sie einen gültigen "
                           "Namen ohne Sonderzeichen ein!"));
    leaveEditMode();
    readProjectList();
    // The new project, wherever the list sorts it.
    chooseProject(name);
}

void ProjectExplorer::renameChosenProject() {
    const QString oldName = m_oldName->text();
    const QString newName = m_nameEdit->text().trimmed();
    if (newName == oldName || oldName.isEmpty() || newName.isEmpty())
        return;
    QString chosen = oldName;
    if (programMessage(this, DialogSeam::Icon::Confirmation,
                       QStringLiteral("Möchten Sie das Projekt %1 in %2 umbenennen?").arg(oldName, newName),
                       DialogSeam::Buttons::YesNo) == DialogSeam::Answer::Yes) {
        if (!QFileInfo::exists(projectPath(oldName)))
            return;
        // A name that is taken refuses the rename; that is not told, and the old project stays chosen.
        if (QFile::rename(projectPath(oldName), projectPath(newName)))
            chosen = newName;
        m_nameEdit->clear();
        listProjectsAfresh();
    }
    leaveEditMode();
    chooseProject(chosen);
}

// ---- the other commands ----

void ProjectExplorer::deleteProject(bool fromProjectMenu) {
    const QString name = currentProject();
    const QString path = projectPath(name);
    if (!QFileInfo::exists(path)) {
        if (fromProjectMenu && projectChosen()) {
            programMessage(
                this, DialogSeam::Icon::Information,
                QStringLiteral("Die Datei %1.wpr existiert nicht mehr!\n\rMöglicherweise wurde sie gelöscht "
                               "oder verschoben.")
                    .arg(name));
            listProjectsAfresh();
        }
        return;
    }
    if (!projectChosen())
        return;
    if (programMessage(
            this, DialogSeam::Icon::Warning,
            QStringLiteral(
                "Sind Sie sicher, daß Sie das Projekt %1\r\n(nicht die darin enthaltenen Dateien!) "
                "unwiderruflich löschen wollen?")
                .arg(name),
            DialogSeam::Buttons::YesNo) != DialogSeam::Answer::Yes)
        return;
    QFile::remove(path);
    listProjectsAfresh();
}

void ProjectExplorer::addCurrentFile() {
    rememberExpandedCategories();
    if (TMDIChild* window = m_host.hasChildren() ? m_host.activeResultWindow() : nullptr)
        addWindowFile(*window);
}

void ProjectExplorer::addWindowFile(TMDIChild& window) {
    const QString path = projectPath(currentProject());
    if (!projectChosen() || !QFileInfo::exists(path))
        return;
    if (!window.Saved) {
        if (programMessage(
                this, DialogSeam::Icon::Information,
                QStringLiteral("Sie müssen die Datei zuerst speichern, um sie dem Projekt hinzufügen zu "
                               "können.\r\nMöchten Sie die Datei jetzt speichern und dann dem Projekt "
                               "hinzufügen?"),
                DialogSeam::Buttons::YesNo) != DialogSeam::Answer::Yes)
            return;
        // Only a file saved as the window's own type can become a member.
        if (m_host.saveActiveWindowAs() && window.Saved)
            addWindowFile(window);
        return;
    }
    std::optional<QByteArray> content = readProjectFile(path);
    if (!content)
        return;
    for (const QString& line : projectLines(*content))
        if (!line.isEmpty() && isSameFile(line, window.FileName))
            return;
    if (!content->isEmpty() && !content->endsWith('\n'))
        *content += "\r\n";
    if (!tryWriteFileSafely(path, *content + toCp1252(window.FileName) + "\r\n"))
        return;
    if (const WindowType* type = windowTypeOfFile(window.FileName))
        m_expanded[std::size_t(type->kind)] = true;
    const QString chosen = currentProject();
    rebuildTree();
    writeTree();
    chooseProject(chosen);
}

void ProjectExplorer::removeFile() {
    QTreeWidgetItem* node = m_tree->currentItem();
    if (!node || !node->parent())
        return;
    if (programMessage(
            this, DialogSeam::Icon::Confirmation,
            QStringLiteral(
                "Möchten Sie die gewählte Datei aus dem Projekt entfernen?\r\n\r\nBitte beachten Sie: "
                "die Datei wird nicht gelöscht!"),
            DialogSeam::Buttons::YesNo) != DialogSeam::Answer::Yes)
        return;
    delete node;
    writeTree();
}

void ProjectExplorer::openAllFiles() {
    const std::optional<QByteArray> content = readProjectFile(projectPath(currentProject()));
    if (!projectChosen() || !content)
        return;
    for (const QString& line : projectLines(*content))
        if (!line.isEmpty() && QFileInfo(line).isFile())
            m_host.openDataFile(line);
}

} // namespace velmora
