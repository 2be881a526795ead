#include <cstdlib>
#include <gtest/gtest.h>
#include <QApplication>
#include <QLocale>

// Test discovery runs the binaries during the build, where no display may exist.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Dialogs and formats follow the locale; the users' locale is German, and so is the tests'.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
