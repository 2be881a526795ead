#include "app/ProjectFile.h"

#include "app/DesktopFile.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>

using namespace velmora;

TEST(ProjectFileTest, ANewProjectListsTheSevenFirstCategories) {
    EXPECT_EQ(
        newProjectText(QStringLiteral("Werk_Süd")),
        QByteArray("Werk_S\xfc"
                   "d.wpr\r\nGleichgewicht\r\nMischwasser\r\nTemperaturabh\xe4ngigkeit\r\n"
                   "Schnellentcarbonisierung\r\nH-Entcarbonisierung\r\nEnth\xe4rtung\r\nKorrosion\r\n"));
}

TEST(ProjectFileTest, TheTreeFormHasAllTenCategoriesAndATabBeforeEachMember) {
    ProjectMembers members;
    members[0] = QStringList{QStringLiteral("/daten/Brunnen 1.was"), QStringLiteral("/daten/Brücke.was")};
    members[9] = QStringList{QStringLiteral("/daten/Sand.wsf")};
    EXPECT_EQ(projectTreeText(members),
              QByteArray("Gleichgewicht\r\n\t/daten/Brunnen 1.was\r\n\t/daten/Br\xfc"
                         "cke.was\r\nMischwasser\r\nTemperaturabh\xe4ngigkeit\r\nSchnellentcarbonisierung\r\n"
                         "H-Entcarbonisierung\r\nEnth\xe4rtung\r\nKorrosion\r\nAktivkohlefilter\r\n"
                         "Enteisenungsfilter\r\nSandfilter\r\n\t/daten/Sand.wsf\r\n"));
    EXPECT_EQ(readProjectMembers(projectTreeText(members)), members);
}

TEST(ProjectFileTest, MembersAreFiledByTheirExtensionInAnyCaseAndKeepTheirCase) {
    // Lines of either end, blanks and tabs around them, a category line out of place, a line without
    // a data-file extension, and code page 1252 umlauts.
    const QByteArray content = "Projekt.wpr\r\n  \t/Daten/Mischung A.WAM \t\r\nSandfilter\n\t/Daten/Br\xfc"
                               "cke.was\r\n/Daten/notiz.txt\r\n\t/Daten/Filter.Waf\r\n\t/Daten/zweite.was";
    ProjectMembers expected;
    expected[0] = QStringList{QStringLiteral("/Daten/Brücke.was"), QStringLiteral("/Daten/zweite.was")};
    expected[1] = QStringList{QStringLiteral("/Daten/Mischung A.WAM")};
    expected[7] = QStringList{QStringLiteral("/Daten/Filter.Waf")};
    EXPECT_EQ(readProjectMembers(content), expected);
    EXPECT_EQ(projectLines("  a.was\t\r\n\tb\r\n").first(2),
              (QStringList{QStringLiteral("a.was"), QStringLiteral("b")}));
}

TEST(ProjectFileTest, FilesThatAreNoProjectAreNotRead) {
    QTemporaryDir dir;
    const QString large = dir.filePath(QStringLiteral("gross.wpr"));
    QFile file(large);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize((4 << 20) + 1));
    file.close();
    EXPECT_FALSE(readProjectFile(large));
    EXPECT_FALSE(readProjectFile(dir.filePath(QStringLiteral("fehlt.wpr"))));
    // A FIFO would wait for a writer for ever.
    const QString fifo = dir.filePath(QStringLiteral("fifo.wpr"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(readProjectFile(fifo));
    EXPECT_FALSE(readProjectFile(dir.path()));
}

TEST(DesktopFileTest, WritesTheMainWindowThenEveryWindowWithItsPlacement) {
    Desktop desktop;
    desktop.mainGeometry = QRect(10, 20, 900, 640);
    desktop.windows = {{QStringLiteral("/daten/Brücke.was"), QRect(5, 6, 400, 300), 12},
                       {QStringLiteral("/daten/Mischung.wam"), std::nullopt, 0}};
    EXPECT_EQ(desktopText(desktop), QByteArray("x10\r\ny20\r\na900\r\nb640\r\n</daten/Br\xfc"
                                               "cke.was\r\nl5\r\nt6\r\nw400\r\nh300\r\np12\r\n"
                                               "</daten/Mischung.wam\r\n"));
    desktop.mainMaximized = true;
    desktop.windows.clear();
    EXPECT_EQ(desktopText(desktop), QByteArray("x-1\r\n"));
    desktop.mainMaximized = false;
    desktop.mainGeometry.reset();
    EXPECT_EQ(desktopText(desktop), QByteArray());
}

TEST(DesktopFileTest, LinesAreReadWithALowerCaseKindAndTheirPathAsWritten) {
    const std::vector<DesktopLine> lines = desktopLines("X-1\r\n</Daten/Br\xfc"
                                                        "cke.WAS\r\n\r\nP7\nq1\r\n" +
                                                        QByteArray(300, 'l'));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].kind, u'x');
    EXPECT_EQ(lines[0].value, QStringLiteral("-1"));
    EXPECT_EQ(lines[1].kind, u'<');
    EXPECT_EQ(lines[1].value, QStringLiteral("/Daten/Brücke.WAS"));
    EXPECT_EQ(lines[2].kind, u'p');
    EXPECT_EQ(lines[2].value, QStringLiteral("7"));
    EXPECT_EQ(lines[3].kind, u'q');
    // A line is read as at most 255 characters.
    EXPECT_EQ(lines[4].value.size(), 254);
}
