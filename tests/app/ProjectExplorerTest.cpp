#include "app/ProjectExplorer.h"

#include "app/ProjectFile.h"
#include "app/THauptfenster.h"
#include "engine/AnalysisHeader.h"
#include "MainWindowFixture.h"
#include "windows/TMDIChild.h"
#include "windows/WindowType.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

using namespace velmora;

namespace {

class ProjectExplorerTest : public test::ShownMainWindowFixture {
protected:
    ProjectExplorer& explorer() const { return window->projectExplorer(); }
    QTreeWidget* tree() const { return explorer().tree(); }
    QLineEdit* nameEdit() const { return explorer().findChild<QLineEdit*>(QStringLiteral("projektName")); }
    QWidget* editPanel() const { return explorer().findChild<QWidget*>(QStringLiteral("editPanel")); }
    QString details() const {
        return explorer().findChild<QPlainTextEdit*>(QStringLiteral("details"))->toPlainText();
    }
    QString projectPath(const QString& name) const {
        return window->directories().projects + u'/' + name + QStringLiteral(".wpr");
    }
    QByteArray projectBytes(const QString& name) const {
        QFile file(projectPath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(fehlt)");
    }
    void writeProject(const QString& name, const QByteArray& content) const {
        QFile file(projectPath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // A project chosen in the box as the user picks it.
    void choose(const QString& name) {
        explorer().listProjectsAfresh();
        auto* box = explorer().findChild<QComboBox*>(QStringLiteral("projektBox"));
        const int index = box->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }

    // An entry of the drop-down button's menu, after the menu enabled its entries as on opening.
    QAction* projectMenuEntry(const QString& text) const {
        QMenu* menu = explorer().projectMenu();
        Q_EMIT menu->aboutToShow();
        for (QAction* entry : menu->actions())
            if (entry->text() == text)
                return entry;
        return nullptr;
    }

    // Types a name into the edit field key by key, as the user would.
    void typeName(const QString& name) {
        for (QChar c : name)
            QTest::sendKeyEvent(QTest::Click, nameEdit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    QTreeWidgetItem* member(const QString& path) const {
        const QList<QTreeWidgetItem*> found = tree()->findItems(path, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }

    QString membersProject(const QStringList& members) const {
        ProjectMembers byCategory;
        for (const QString& path : members)
            byCategory[std::size_t(windowTypeOfFile(path)->kind)] << path;
        return QString::fromLatin1(projectTreeText(byCategory));
    }
};

} // namespace

TEST_F(ProjectExplorerTest, ANewProjectIsNamedInTheEditPanelAndChosen) {
    window->actions().explorerUmschalten->trigger(); // hidden: the command shows it again
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    auto* explorerTabs = window->findChild<QTabWidget*>(QStringLiteral("explorer"));
    EXPECT_TRUE(explorerTabs->isVisible());
    EXPECT_EQ(explorerTabs->currentIndex(), 0);
    EXPECT_TRUE(editPanel()->isVisible());
    EXPECT_EQ(explorerTabs->width(), 337);
    EXPECT_FALSE(tree()->isEnabled());
    EXPECT_FALSE(window->findChild<QSplitter*>(QStringLiteral("splitter"))->handle(1)->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), nameEdit());

    // A blank and a full stop are swallowed; umlauts and "_" are letters of a name.
    typeName(QStringLiteral("Werk Süd.2_a"));
    EXPECT_EQ(nameEdit()->text(), QStringLiteral("WerkSüd2_a"));
    QTest::keyClick(nameEdit(), Qt::Key_Return);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(projectBytes(QStringLiteral("WerkSüd2_a")), newProjectText(QStringLiteral("WerkSüd2_a")));
    EXPECT_EQ(explorer().currentProject(), QStringLiteral("WerkSüd2_a"));
    EXPECT_FALSE(editPanel()->isVisible());
    EXPECT_TRUE(tree()->isEnabled());
    ASSERT_EQ(tree()->topLevelItemCount(), 10);
    EXPECT_EQ(tree()->topLevelItem(9)->text(0), QStringLiteral("Sandfilter"));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(tree()->topLevelItem(i)->data(0, ProjectExplorer::imageRole), ProjectExplorer::Category);
}

TEST_F(ProjectExplorerTest, ANameThatIsTakenOrEmptyKeepsTheEditPanel) {
    writeProject(QStringLiteral("Werk"), newProjectText(QStringLiteral("Werk")));
    explorer().newProject();
    QTest::keyClick(nameEdit(), Qt::Key_Return);
    typeName(QStringLiteral("Werk"));
    QTest::keyClick(nameEdit(), Qt::Key_Return);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].icon, DialogSeam::Icon::Error);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Bitte geben Sie einen gültigen Namen ein!"));
    EXPECT_EQ(dialogs.messages[1].text,
              QStringLiteral("Es ist bereits ein Projekt mit dem angegebenen Namen "
                             "vorhanden!\r\nBitte geben Sie einen anderen Namen an"));
    EXPECT_TRUE(editPanel()->isVisible());
    // "abbrechen" leaves the panel and changes nothing.
    QTest::mouseClick(explorer().findChild<QPushButton*>(QStringLiteral("editAbbrechen")), Qt::LeftButton);
    EXPECT_FALSE(editPanel()->isVisible());
    EXPECT_EQ(projectBytes(QStringLiteral("Werk")), newProjectText(QStringLiteral("Werk")));
}

TEST_F(ProjectExplorerTest, MembersOfEveryCategoryWithTheirImagesAndDetails) {
    QStringList members;
    for (const WindowType& type : windowTypes)
        members << waterFile(QStringLiteral("Datei") + type.fileExtension(), QStringLiteral("Brunnen 1"));
    const QString gone = data.filePath(QStringLiteral("weg.was"));
    members << gone;
    writeProject(QStringLiteral("Werk"), membersProject(members).toLatin1());
    choose(QStringLiteral("Werk"));

    ASSERT_EQ(tree()->topLevelItemCount(), 10);
    for (int i = 0; i < 10; ++i) {
        const QTreeWidgetItem* category = tree()->topLevelItem(i);
        EXPECT_EQ(category->text(0), QString::fromUtf16(windowTypes[std::size_t(i)].projectCategory));
        ASSERT_GE(category->childCount(), 1);
        EXPECT_EQ(category->child(0)->text(0), members[i]);
        EXPECT_EQ(category->child(0)->data(0, ProjectExplorer::imageRole), ProjectExplorer::ExistingMember);
    }
    ASSERT_NE(member(gone), nullptr);
    EXPECT_EQ(member(gone)->data(0, ProjectExplorer::imageRole), ProjectExplorer::MissingMember);

    tree()->setCurrentItem(member(gone));
    EXPECT_EQ(details(),
              QStringLiteral("Die Datei ist nicht mehr verfügbar!\nMöglicherweise wurde sie umbenannt, "
                             "verschoben oder gelöscht.\nSie können die Datei aus dem Projekt "
                             "entfernen."));
    tree()->setCurrentItem(member(members[0]));
    EXPECT_EQ(details(),
              QStringLiteral("Datei: Datei.was\nAnalyse: Brunnen 1\nBearbeiter: \nDatum: \nAnmerkung 1: "
                             "\nAnmerkung 2: "));
    // A category node opens nothing.
    QTest::keyClick(tree(), Qt::Key_Home);
    QTest::keyClick(tree(), Qt::Key_Return);
    EXPECT_TRUE(window->resultWindows().isEmpty());
    tree()->setCurrentItem(member(members[0]));
    QTest::keyClick(tree(), Qt::Key_Return);
    ASSERT_EQ(window->resultWindows().size(), 1);
    EXPECT_EQ(window->activeResultWindow()->FileName, members[0]);
}

TEST_F(ProjectExplorerTest, AddingTheCurrentFileRewritesTheProjectAsATree) {
    writeProject(QStringLiteral("Werk"), newProjectText(QStringLiteral("Werk")));
    choose(QStringLiteral("Werk"));
    const QString path = waterFile(QStringLiteral("Brunnen.was"));
    window->OpenDataFile(path);
    projectMenuEntry(QStringLiteral("aktuelle Datei dem Projekt hinzufügen"))->trigger();
    EXPECT_EQ(projectBytes(QStringLiteral("Werk")), membersProject({path}).toLatin1());
    EXPECT_EQ(explorer().currentProject(), QStringLiteral("Werk"));
    ASSERT_NE(member(path), nullptr);
    EXPECT_TRUE(member(path)->parent()->isExpanded());

    // Already a member: nothing changes.
    window->actions().dateiHinzufuegen->trigger();
    EXPECT_EQ(projectBytes(QStringLiteral("Werk")), membersProject({path}).toLatin1());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ProjectExplorerTest, AnUnsavedWindowIsSavedFirstIfTheUserWants) {
    writeProject(QStringLiteral("Werk"), newProjectText(QStringLiteral("Werk")));
    choose(QStringLiteral("Werk"));
    window->OpenDataFile(waterFile(QStringLiteral("Brunnen.was")));
    window->activeResultWindow()->Saved = false;
    const QString question =
        QStringLiteral("Sie müssen die Datei zuerst speichern, um sie dem Projekt hinzufügen zu "
                       "können.\r\nMöchten Sie die Datei jetzt speichern und dann dem Projekt "
                       "hinzufügen?");
    // Cancelling the save dialog adds nothing.
    window->actions().dateiHinzufuegen->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, question);
    EXPECT_EQ(dialogs.messages[0].buttons, DialogSeam::Buttons::YesNo);
    EXPECT_EQ(projectBytes(QStringLiteral("Werk")), newProjectText(QStringLiteral("Werk")));

    const QString saved = data.filePath(QStringLiteral("Gespeichert.was"));
    dialogs.saveAnswers = {saved};
    window->actions().dateiHinzufuegen->trigger();
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(projectBytes(QStringLiteral("Werk")), membersProject({saved}).toLatin1());
}

TEST_F(ProjectExplorerTest, RenamingAsksAndLeavesATakenNameAlone) {
    writeProject(QStringLiteral("Alt"), newProjectText(QStringLiteral("Alt")));
    writeProject(QStringLiteral("Besetzt"), "besetzt\r\n");
    choose(QStringLiteral("Alt"));
    QTest::keyClick(window.get(), Qt::Key_F2);
    ASSERT_TRUE(editPanel()->isVisible());
    EXPECT_EQ(explorer().findChild<QLineEdit*>(QStringLiteral("alterName"))->text(), QStringLiteral("Alt"));
    nameEdit()->clear();
    typeName(QStringLiteral("Besetzt"));
    QTest::keyClick(nameEdit(), Qt::Key_Return);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Möchten Sie das Projekt Alt in Besetzt umbenennen?"));
    EXPECT_EQ(projectBytes(QStringLiteral("Alt")), newProjectText(QStringLiteral("Alt")));
    EXPECT_EQ(projectBytes(QStringLiteral("Besetzt")), QByteArray("besetzt\r\n"));
    EXPECT_FALSE(editPanel()->isVisible());
    EXPECT_EQ(explorer().currentProject(), QStringLiteral("Alt"));

    explorer().renameProject();
    nameEdit()->clear();
    typeName(QStringLiteral("Neu"));
    QTest::keyClick(nameEdit(), Qt::Key_Return);
    EXPECT_FALSE(QFile::exists(projectPath(QStringLiteral("Alt"))));
    EXPECT_EQ(projectBytes(QStringLiteral("Neu")), newProjectText(QStringLiteral("Alt")));
    EXPECT_EQ(explorer().currentProject(), QStringLiteral("Neu"));
    EXPECT_EQ(tree()->topLevelItemCount(), 10);
}

TEST_F(ProjectExplorerTest, DeletingRemovesTheProjectFileButNoMember) {
    const QString path = waterFile(QStringLiteral("Brunnen.was"));
    writeProject(QStringLiteral("Werk"), membersProject({path}).toLatin1());
    choose(QStringLiteral("Werk"));
    dialogs.answers = {DialogSeam::Answer::No};
    QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, DialogSeam::Icon::Warning);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Sind Sie sicher, daß Sie das Projekt Werk\r\n(nicht die darin "
                             "enthaltenen Dateien!) unwiderruflich löschen wollen?"));
    EXPECT_TRUE(QFile::exists(projectPath(QStringLiteral("Werk"))));

    window->actions().projektLoeschen->trigger();
    EXPECT_FALSE(QFile::exists(projectPath(QStringLiteral("Werk"))));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(explorer().currentProject(), QString());
    EXPECT_EQ(tree()->topLevelItemCount(), 0);
    // With no project left, the menu's project commands are disabled again.
    Q_EMIT window->actions().projektMenu->aboutToShow();
    for (QAction* command : {window->actions().alleDateienOeffnen, window->actions().projektUmbenennen,
                             window->actions().projektLoeschen})
        EXPECT_FALSE(command->isEnabled()) << command->text().toStdString();
}

TEST_F(ProjectExplorerTest, AProjectFileThatVanishedIsToldFromTheProjectMenu) {
    writeProject(QStringLiteral("Werk"), newProjectText(QStringLiteral("Werk")));
    choose(QStringLiteral("Werk"));
    ASSERT_TRUE(QFile::remove(projectPath(QStringLiteral("Werk"))));
    // The main menu's command just ends.
    window->actions().projektLoeschen->trigger();
    EXPECT_TRUE(dialogs.messages.empty());
    projectMenuEntry(QStringLiteral("Projekt löschen"))->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, DialogSeam::Icon::Information);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Die Datei Werk.wpr existiert nicht mehr!\n\rMöglicherweise "
                             "wurde sie gelöscht oder verschoben."));
    EXPECT_EQ(explorer().currentProject(), QString());
}

TEST_F(ProjectExplorerTest, RemovingAMemberAsksAndKeepsTheFile) {
    const QString first = waterFile(QStringLiteral("Eins.was"));
    const QString second = waterFile(QStringLiteral("Zwei.was"));
    writeProject(QStringLiteral("Werk"), membersProject({first, second}).toLatin1());
    choose(QStringLiteral("Werk"));
    tree()->setCurrentItem(member(first));
    explorer().removeFile();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Möchten Sie die gewählte Datei aus dem Projekt "
                             "entfernen?\r\n\r\nBitte beachten Sie: die Datei wird nicht "
                             "gelöscht!"));
    EXPECT_EQ(projectBytes(QStringLiteral("Werk")), membersProject({second}).toLatin1());
    EXPECT_TRUE(QFile::exists(first));
    // A category node is no member.
    tree()->setCurrentItem(tree()->topLevelItem(0));
    explorer().removeFile();
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(ProjectExplorerTest, OpeningAllOpensTheMembersThatExistInFileOrder) {
    const QString water = waterFile(QStringLiteral("Zwei.was"), QStringLiteral("Zwei"));
    const QString other = waterFile(QStringLiteral("Eins.was"), QStringLiteral("Eins"));
    // An older project file: members as plain lines in the order they were added, one of them gone.
    writeProject(QStringLiteral("Werk"), (QStringLiteral("Werk.wpr\r\n") + water + QStringLiteral("\r\n  ") +
                                          data.filePath(QStringLiteral("weg.was")) +
                                          QStringLiteral("\r\n\t") + other + QStringLiteral("\r\n"))
                                             .toLatin1());
    choose(QStringLiteral("Werk"));
    QTest::keyClick(window.get(), Qt::Key_A, Qt::ControlModifier);
    QStringList captions;
    for (const TMDIChild* child : window->resultWindows())
        captions << child->caption();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Zwei"), QStringLiteral("Eins")}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ProjectExplorerTest, TheProjectMenuFollowsTheProjectAndTheWindows) {
    struct Case {
        bool project, child;
    };
    for (const Case c : {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
        SCOPED_TRACE(testing::Message() << "project " << c.project << ", child " << c.child);
        explorer().listProjectsAfresh();
        if (c.project) {
            writeProject(QStringLiteral("Werk"), newProjectText(QStringLiteral("Werk")));
            choose(QStringLiteral("Werk"));
        }
        if (c.child)
            window->OpenDataFile(waterFile(QStringLiteral("Brunnen.was")));
        EXPECT_EQ(projectMenuEntry(QStringLiteral("aktuelle Datei dem Projekt hinzufügen"))->isEnabled(),
                  c.child);
        for (const QString& entry : {QStringLiteral("Projekt umbenennen"), QStringLiteral("Projekt löschen"),
                                     QStringLiteral("alle Dateien im Projekt öffnen")})
            EXPECT_EQ(projectMenuEntry(entry)->isEnabled(), c.project) << entry.toStdString();
        EXPECT_TRUE(projectMenuEntry(QStringLiteral("neues Projekt"))->isEnabled());
        Q_EMIT window->actions().projektMenu->aboutToShow();
        EXPECT_EQ(window->actions().alleDateienOeffnen->isEnabled(), c.project);
        EXPECT_EQ(window->actions().dateiHinzufuegen->isEnabled(), c.child);
        window->closeAll();
        QFile::remove(projectPath(QStringLiteral("Werk")));
        QCoreApplication::processEvents();
    }
}
