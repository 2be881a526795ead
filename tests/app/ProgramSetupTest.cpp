#include "app/ProgramSetup.h"

#include <gtest/gtest.h>
#include <QApplication>

// A display name of its own would be appended by the desktop to every caption ("Optionen — ..."); the
// program's captions are exactly its texts, so the display name follows the program's name.
TEST(ProgramSetup, NamesTheProgramWithoutADisplayNameOfItsOwn) {
    const QString testName = QApplication::applicationName();
    velmora::setUpProgram(*qApp);
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Velmora"));
    QApplication::setApplicationName(QStringLiteral("Probe"));
    EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("Probe"));
    QApplication::setApplicationName(testName);
}
