#include "app/FileBrowser.h"

#include "app/ProjectExplorer.h"
#include "app/THauptfenster.h"
#include "MainWindowFixture.h"
#include "windows/TMDIChild.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QStorageInfo>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

using namespace velmora;

namespace {

class FileBrowserTest : public test::ShownMainWindowFixture {
protected:
    void SetUp() override {
        ShownMainWindowFixture::SetUp();
        window->setDataDirectory(data.path());
        browser().showDataDirectory();
    }

    FileBrowser& browser() const { return window->fileBrowser(); }

    QStringList listed() const {
        QStringList names;
        for (int i = 0; i < browser().fileList()->count(); ++i)
            names << browser().fileList()->item(i)->text();
        return names;
    }

    void select(const QString& name) {
        const QList<QListWidgetItem*> items = browser().fileList()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        browser().fileList()->setCurrentItem(items.front());
    }
};

} // namespace

TEST_F(FileBrowserTest, ListsTheDataFilesOfTheDataDirectory) {
    for (const char* name : {"a.was", "b.WAM", "c.wsf", "notiz.txt", "d.wpr"})
        dataFile(QString::fromLatin1(name));
    // Showing the tab reads the list again.
    window->findChild<QTabWidget*>(QStringLiteral("explorer"))->setCurrentIndex(1);
    EXPECT_EQ(browser().currentDirectory(), window->directories().data);
    EXPECT_EQ(listed(),
              (QStringList{QStringLiteral("a.was"), QStringLiteral("b.WAM"), QStringLiteral("c.wsf")}));
    for (QAction* entry : browser().fileMenu()->actions())
        EXPECT_FALSE(entry->isEnabled()) << entry->text().toStdString();
    select(QStringLiteral("c.wsf"));
    EXPECT_EQ(browser().fileList()->toolTip(), data.filePath(QStringLiteral("c.wsf")));
    for (QAction* entry : browser().fileMenu()->actions())
        EXPECT_TRUE(entry->isEnabled()) << entry->text().toStdString();

    // F5 reads files and projects again and empties the tree.
    dataFile(QStringLiteral("e.wak"));
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_EQ(listed().size(), 4);
}

TEST_F(FileBrowserTest, DeletingAFileMarksItsWindowUnsaved) {
    const QString path = waterFile(QStringLiteral("Brunnen.was"));
    window->OpenDataFile(path);
    TMDIChild* open = window->activeResultWindow();
    ASSERT_TRUE(open->Saved);
    browser().readFileList();
    select(QStringLiteral("Brunnen.was"));
    dialogs.answers = {DialogSeam::Answer::No};
    browser().deleteSelectedFile();
    EXPECT_TRUE(QFile::exists(path));
    browser().deleteSelectedFile();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text,
              QStringLiteral("Möchten Sie die Datei Brunnen.was wirklich unwiderruflich löschen?"));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(open->Saved);
    EXPECT_TRUE(listed().isEmpty());
}

TEST_F(FileBrowserTest, AFileDeletedMeanwhileIsToldAndTheListReadAgain) {
    const QString path = waterFile(QStringLiteral("Brunnen.was"));
    browser().readFileList();
    select(QStringLiteral("Brunnen.was"));
    ASSERT_TRUE(QFile::remove(path));
    browser().deleteSelectedFile();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, DialogSeam::Icon::Information);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Die Datei Brunnen.was existiert nicht mehr!\n\rMöglicherweise "
                             "wurde sie gelöscht oder verschoben."));
    EXPECT_TRUE(listed().isEmpty());
}

TEST_F(FileBrowserTest, RenamingKeepsTheDataFileExtensionAndFollowsTheWindow) {
    const QString path = waterFile(QStringLiteral("Brunnen.was"));
    window->OpenDataFile(path);
    TMDIChild* open = window->activeResultWindow();
    open->Saved = false;
    waterFile(QStringLiteral("besetzt.was"));
    browser().readFileList();

    struct Case {
        QString answer;
        QString message; // empty: renamed
    };
    const Case cases[] = {
        {QStringLiteral("besetzt"),
         QStringLiteral("Eine Datei mit dem angegebenen Namen existiert bereits!")},
        {QStringLiteral("../oben"), QStringLiteral("Die Datei konnte nicht umbenannt werden!")},
        {QStringLiteral("neu.txt"), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        dialogs.messages.clear();
        select(open->FileName == path ? QStringLiteral("Brunnen.was") : QStringLiteral("neu.was"));
        dialogs.textAnswers = {c.answer};
        browser().renameSelectedFile();
        if (c.message.isEmpty()) {
            EXPECT_TRUE(dialogs.messages.empty());
        } else {
            ASSERT_EQ(dialogs.messages.size(), 1u);
            EXPECT_EQ(dialogs.messages[0].text, c.message);
        }
    }
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QFile::exists(data.filePath(QStringLiteral("neu.was"))));
    EXPECT_FALSE(QFile::exists(data.filePath(QStringLiteral("../oben.was"))));
    EXPECT_EQ(open->FileName, data.filePath(QStringLiteral("neu.was")));
    EXPECT_TRUE(open->Saved);
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("besetzt.was"), QStringLiteral("neu.was")}));
}

TEST_F(FileBrowserTest, ADriveWithoutItsMediumLeavesTheBrowserOnTheProgramsDrive) {
    QComboBox* drives = browser().driveBox();
    EXPECT_EQ(drives->itemText(0), QStringLiteral("/"));
    drives->addItem(QStringLiteral("/kein-medium-eingelegt/"));
    drives->setCurrentIndex(drives->count() - 1);
    Q_EMIT drives->activated(drives->count() - 1);
    EXPECT_EQ(drives->currentText(), QStorageInfo(program.path()).rootPath());
}

TEST_F(FileBrowserTest, TheListedDirectoryBecomesTheDataDirectory) {
    QTemporaryDir other;
    browser().setCurrentDirectory(other.path());
    browser().chooseAsDataDirectory();
    EXPECT_EQ(window->directories().data, other.path());
    EXPECT_EQ(IniFile(config.filePath(QStringLiteral("velmora.ini")))
                  .read(QStringLiteral("Verzeichnisse"), QStringLiteral("Datenverzeichnis")),
              other.path());
    // The project list is read again: no project is chosen.
    EXPECT_EQ(window->projectExplorer().currentProject(), QString());
    // F1 in the directory list opens the help's start page.
    QTest::keyClick(browser().directoryList(), Qt::Key_F1);
    ASSERT_EQ(dialogs.openedUrls.size(), 1u);
    EXPECT_EQ(dialogs.openedUrls[0].fileName(), QStringLiteral("index.htm"));
}
