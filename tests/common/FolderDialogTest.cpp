#include "common/FolderDialog.h"

#include <gtest/gtest.h>
#include <QFileDialog>
#include <QLabel>
#include <QTemporaryDir>

using namespace velmora;

TEST(FolderDialog, ShowsItsPromptAboveTheFoldersAndReturnsTheChosenOne) {
    QTemporaryDir start;
    FolderDialog dialog(nullptr, QStringLiteral("Verzeichnis auswählen"),
                        QStringLiteral("Bitte wählen Sie das gewünschte Verzeichnis"), start.path());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Verzeichnis auswählen"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("prompt"))->text(),
              QStringLiteral("Bitte wählen Sie das gewünschte Verzeichnis"));
    EXPECT_EQ(dialog.browser()->fileMode(), QFileDialog::Directory);
    EXPECT_TRUE(dialog.browser()->testOption(QFileDialog::ShowDirsOnly));
    EXPECT_EQ(dialog.chosenDirectory(), QString());

    Q_EMIT dialog.browser()->fileSelected(start.path());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenDirectory(), start.path());
}
