#include "app/SingleInstance.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace velmora;

TEST(SingleInstance, ArgumentBlocksHaveTheHandOverLayout) {
    EXPECT_EQ(encodeArguments({}), QByteArray(3, '\0'));
    EXPECT_EQ(encodeArguments({QStringLiteral("a")}), QByteArray("a\0\0\0", 4));
    EXPECT_EQ(encodeArguments({QStringLiteral("a"), QStringLiteral("bc")}), QByteArray("a\0bc\0\0\0", 7));
    // A path split by the shell at a blank comes back without it.
    EXPECT_EQ(decodeArguments(encodeArguments({QStringLiteral("/daten/Brunnen"), QStringLiteral("Süd.was")})),
              QStringLiteral("/daten/BrunnenSüd.was"));
    EXPECT_EQ(decodeArguments(encodeArguments({})), QString());
}

TEST(SingleInstance, WithoutAFirstInstanceNothingIsHandedOver) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    EXPECT_FALSE(handOverToFirstInstance({QStringLiteral("x.was")}, 500));
    qunsetenv("XDG_CONFIG_HOME");
}

// A real second program hands its path to this process, which plays the first instance.
TEST(SingleInstance, ASecondProgramHandsItsPathOverAndEnds183) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const QString testName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    {
        InstanceServer server;
        ASSERT_TRUE(server.listen());
        QSignalSpy received(&server, &InstanceServer::pathReceived);

        QProcess second;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        second.setProcessEnvironment(environment);
        second.start(QStringLiteral(VELMORA_PROGRAM),
                     {QStringLiteral("/daten/Brunnen"), QStringLiteral("Süd.was")});
        ASSERT_TRUE(second.waitForStarted(10000));
        ASSERT_TRUE(received.wait(20000));
        EXPECT_EQ(received.front().front().toString(), QStringLiteral("/daten/BrunnenSüd.was"));
        ASSERT_TRUE(second.waitForFinished(10000));
        EXPECT_EQ(second.exitCode(), exitCodeForSecondInstance);
    }
    QCoreApplication::setApplicationName(testName);
    qunsetenv("XDG_CONFIG_HOME");
}
