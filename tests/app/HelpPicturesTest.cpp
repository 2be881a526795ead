// The pictures of the help pages, made offscreen as a user sees the windows and dialogs:
//   VELMORA_SCREENSHOT_DIR=Hilfe/bilder build/bin/app_tests --gtest_filter='HelpPictures*'
#include "MainWindowFixture.h"
#include "windows/TMDIChild.h"
#include "windows/WindowType.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiSubWindow>

using namespace velmora;

namespace {

class HelpPictures : public test::MainWindowFixture {
protected:
    void SetUp() override {
        m_directory = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
        if (m_directory.isEmpty())
            GTEST_SKIP() << "VELMORA_SCREENSHOT_DIR names where the pictures go";
        MainWindowFixture::SetUp();
        window->resize(1000, 700);
        window->show();
    }

    // A golden data file of the tests opened as the user opens it.
    TMDIChild* open(const char* file) {
        QFile golden(QStringLiteral(VELMORA_SOURCE_DIR "/tests/") + QString::fromLatin1(file));
        EXPECT_TRUE(golden.open(QIODevice::ReadOnly)) << file;
        window->OpenDataFile(dataFile(QFileInfo(golden.fileName()).fileName(), golden.readAll()));
        return window->activeResultWindow();
    }

    void save(QWidget& widget, const QString& page) {
        QTest::qWait(20);
        EXPECT_TRUE(widget.grab().save(
            QDir(m_directory).filePath(QFileInfo(page).completeBaseName() + QStringLiteral(".png"))))
            << page.toStdString();
    }

    QString m_directory;
};

} // namespace

TEST_F(HelpPictures, OfEveryWindowType) {
    for (const char* file :
         {"windows/data/brunnen-sued.was", "variations/data/mischung.wam", "variations/data/temperatur.wat",
          "treatment/data/reaktor.wse", "treatment/data/h-entcarbonisierung.whe",
          "treatment/data/enthaertung.weh", "treatment/data/rohrnetz.wak", "filters/data/aktivkohle.waf",
          "filters/data/enteisenung.wff", "filters/data/sandfilter.wsf"}) {
        TMDIChild* opened = open(file);
        ASSERT_NE(opened, nullptr) << file;
        QWidget* frame = opened->parentWidget();
        frame->resize(760, 520);
        save(*frame, QString::fromUtf16(opened->type().helpPage));
        frame->close();
    }
}

TEST_F(HelpPictures, OfEveryDialog) {
    open("windows/data/brunnen-sued.was");
    for (const auto& [command, page] : dialogCommands()) {
        command->trigger();
        QDialog* shown = shownDialog();
        ASSERT_NE(shown, nullptr) << page.toStdString();
        save(*shown, page);
        shown->hide();
        window->centralWidget()->setEnabled(true);
    }
}
