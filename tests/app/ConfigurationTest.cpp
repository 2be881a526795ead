#include "app/Configuration.h"

#include "app/FileTypes.h"
#include "app/IniFile.h"
#include "app/RecentFiles.h"
#include "FailingFileSystem.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/stat.h>

using namespace velmora;

namespace {

class ConfigurationTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    IniFile profile{dir.filePath(QStringLiteral("velmora.ini"))};

    QString programDirectory() const { return dir.path() + u'/'; }
    QString fileText() const {
        QFile file(profile.path());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};

} // namespace

TEST_F(ConfigurationTest, IniFilesKeepOtherValuesAndSections) {
    EXPECT_EQ(profile.read(QStringLiteral("Fenster"), QStringLiteral("Zustand"), QStringLiteral("1")),
              QStringLiteral("1"));
    profile.write(QStringLiteral("Fenster"), QStringLiteral("Zustand"), QStringLiteral("0"));
    profile.write(QStringLiteral("Explorer"), QStringLiteral("Breite"), QStringLiteral("200"));
    profile.write(QStringLiteral("Fenster"), QStringLiteral("Links"), QStringLiteral("10"));
    profile.write(QStringLiteral("fenster"), QStringLiteral("ZUSTAND"), QStringLiteral("1"));
    EXPECT_EQ(profile.read(QStringLiteral("Fenster"), QStringLiteral("Zustand")), QStringLiteral("1"));
    EXPECT_EQ(profile.read(QStringLiteral("Fenster"), QStringLiteral("Links")), QStringLiteral("10"));
    EXPECT_EQ(profile.read(QStringLiteral("Explorer"), QStringLiteral("Breite")), QStringLiteral("200"));
    EXPECT_EQ(fileText(), QStringLiteral("[Fenster]\nZUSTAND=1\nLinks=10\n\n[Explorer]\nBreite=200\n"));
}

TEST_F(ConfigurationTest, ADamagedProfileReadsAsEmpty) {
    QFile file(profile.path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const char damaged[] = "\xff\xfe[Fenster\n=ohne Namen\nZustand\n[Explorer]\nBreite=90\n\0\0\x01";
    file.write(damaged, sizeof(damaged) - 1);
    file.close();
    EXPECT_EQ(profile.read(QStringLiteral("Fenster"), QStringLiteral("Zustand"), QStringLiteral("1")),
              QStringLiteral("1"));
    EXPECT_EQ(profile.read(QStringLiteral("Explorer"), QStringLiteral("Breite")), QStringLiteral("90"));
    EXPECT_TRUE(profile.write(QStringLiteral("Explorer"), QStringLiteral("Panel"), QStringLiteral("1")));
    EXPECT_EQ(profile.read(QStringLiteral("Explorer"), QStringLiteral("Panel")), QStringLiteral("1"));
}

TEST_F(ConfigurationTest, PlacementFollowsTheStoredValues) {
    EXPECT_TRUE(readPlacement(profile).maximized);
    profile.write(QStringLiteral("Fenster"), QStringLiteral("Zustand"), QStringLiteral("2"));
    EXPECT_TRUE(readPlacement(profile).maximized);
    profile.write(QStringLiteral("Fenster"), QStringLiteral("Zustand"), QStringLiteral("0"));
    profile.write(QStringLiteral("Fenster"), QStringLiteral("Links"), QStringLiteral("120 px"));
    profile.write(QStringLiteral("Fenster"), QStringLiteral("Breite"), QStringLiteral("1000"));
    const Placement normal = readPlacement(profile);
    EXPECT_FALSE(normal.maximized);
    EXPECT_EQ(normal.normalGeometry, QRect(120, 1, 1000, 600));

    const std::pair<const char*, int> widths[] = {
        {"abc", 185}, {"20", 50}, {"250", 250}, {"900", 337}, {"12 px", 185}};
    for (const auto& [text, width] : widths) {
        profile.write(QStringLiteral("Explorer"), QStringLiteral("Breite"), QString::fromLatin1(text));
        EXPECT_EQ(readPlacement(profile).explorerWidth, width) << text;
    }
    const std::pair<const char*, bool> panels[] = {
        {"0", false}, {"1", true}, {"7", false}, {"x", false}, {"-1", true}};
    for (const auto& [text, files] : panels) {
        profile.write(QStringLiteral("Explorer"), QStringLiteral("Panel"), QString::fromLatin1(text));
        EXPECT_EQ(readPlacement(profile).filesTabActive, files) << text;
    }
    profile.write(QStringLiteral("Explorer"), QStringLiteral("Zustand"), QStringLiteral("2"));
    EXPECT_FALSE(readPlacement(profile).explorerVisible);
    profile.write(QStringLiteral("System"), QStringLiteral("MinimizeToTray"), QStringLiteral("1"));
    EXPECT_TRUE(readPlacement(profile).minimizeToTray);
}

TEST_F(ConfigurationTest, GeometryIsWrittenOnlyWhileNormal) {
    Placement placement;
    placement.maximized = true;
    placement.normalGeometry = QRect(5, 6, 700, 650);
    writePlacement(profile, placement);
    EXPECT_EQ(profile.read(QStringLiteral("Fenster"), QStringLiteral("Zustand")), QStringLiteral("1"));
    EXPECT_EQ(profile.read(QStringLiteral("Fenster"), QStringLiteral("Links")), QString());
    placement.maximized = false;
    writePlacement(profile, placement);
    EXPECT_EQ(profile.read(QStringLiteral("Fenster"), QStringLiteral("Zustand")), QStringLiteral("0"));
    EXPECT_EQ(profile.read(QStringLiteral("Fenster"), QStringLiteral("Hoehe")), QStringLiteral("650"));
}

TEST_F(ConfigurationTest, MissingDirectoriesFallBackAndAreWrittenBack) {
    // Neither the configured directories nor "Daten" and "Projekte" exist: the program directory.
    profile.write(QStringLiteral("Verzeichnisse"), QStringLiteral("Projektverzeichnis"),
                  QStringLiteral("/gibt/es/nicht"));
    Directories resolved = resolveDirectories(profile, programDirectory());
    EXPECT_EQ(resolved.projects, programDirectory());
    EXPECT_EQ(resolved.data, programDirectory());
    EXPECT_EQ(profile.read(QStringLiteral("Verzeichnisse"), QStringLiteral("Projektverzeichnis")),
              programDirectory());

    QDir(dir.path()).mkpath(QStringLiteral("Projekte"));
    QDir(dir.path()).mkpath(QStringLiteral("Daten"));
    profile.write(QStringLiteral("Verzeichnisse"), QStringLiteral("Projektverzeichnis"),
                  QStringLiteral("   "));
    resolved = resolveDirectories(profile, programDirectory());
    EXPECT_EQ(resolved.projects, programDirectory() + QStringLiteral("Projekte"));
    EXPECT_EQ(profile.read(QStringLiteral("Verzeichnisse"), QStringLiteral("Projektverzeichnis")),
              programDirectory() + QStringLiteral("Projekte"));

    // An existing directory is kept, without its trailing slash.
    QDir(dir.path()).mkpath(QStringLiteral("Labor"));
    profile.write(QStringLiteral("Verzeichnisse"), QStringLiteral("Datenverzeichnis"),
                  dir.filePath(QStringLiteral("Labor/")));
    EXPECT_EQ(resolveDirectories(profile, programDirectory()).data, dir.filePath(QStringLiteral("Labor")));
}

TEST_F(ConfigurationTest, AnInstalledProgramKeepsTheUsersFoldersUnderTheHome) {
    QDir(dir.path()).mkpath(QStringLiteral("Daten")); // as an installation ships it
    QFile(dir.path()).setPermissions(QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QTemporaryDir home;
    const QString user = home.filePath(QStringLiteral("Velmora/"));
    const Directories resolved = resolveDirectories(profile, programDirectory(), user);
    QFile(dir.path()).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(resolved.program, programDirectory());
    EXPECT_EQ(resolved.data, user + QStringLiteral("Daten"));
    EXPECT_EQ(resolved.projects, user + QStringLiteral("Projekte"));
    EXPECT_TRUE(QFileInfo(resolved.data).isDir());
    EXPECT_TRUE(QFileInfo(resolved.projects).isDir());
    EXPECT_EQ(profile.read(QStringLiteral("Verzeichnisse"), QStringLiteral("Datenverzeichnis")),
              resolved.data);
    // A writable program directory keeps them, the user's directory or not.
    profile.write(QStringLiteral("Verzeichnisse"), QStringLiteral("Datenverzeichnis"), QString());
    EXPECT_EQ(resolveDirectories(profile, programDirectory(), user).data,
              programDirectory() + QStringLiteral("Daten"));
}

TEST_F(ConfigurationTest, RecentFilesKeepNineMostRecentFirst) {
    RecentFiles recent;
    for (int i = 1; i <= 11; ++i)
        recent.add(QStringLiteral("/daten/%1.was").arg(i));
    recent.add(QStringLiteral("/daten/5.was"));
    ASSERT_EQ(recent.paths().size(), 9);
    EXPECT_EQ(recent.paths().front(), QStringLiteral("/daten/5.was"));
    EXPECT_EQ(recent.paths()[1], QStringLiteral("/daten/11.was"));
    EXPECT_FALSE(recent.paths().contains(QStringLiteral("/daten/2.was")));

    const IniFile mru(dir.filePath(QStringLiteral("mru.ini")));
    mru.write(QStringLiteral("MRUList"), QStringLiteral("H8"), QStringLiteral("/alt.was"));
    mru.write(QStringLiteral("Andere"), QStringLiteral("x"), QStringLiteral("bleibt"));
    recent.store(mru);
    EXPECT_EQ(mru.read(QStringLiteral("MRUList"), QStringLiteral("H0")), QStringLiteral("/daten/5.was"));
    EXPECT_EQ(mru.read(QStringLiteral("MRUList"), QStringLiteral("H8")), QStringLiteral("/daten/3.was"));
    EXPECT_EQ(mru.read(QStringLiteral("Andere"), QStringLiteral("x")), QStringLiteral("bleibt"));
    RecentFiles loaded;
    loaded.load(mru);
    EXPECT_EQ(loaded.paths(), recent.paths());
}

TEST_F(ConfigurationTest, ARepeatedSectionIsOneSectionWrittenOnce) {
    QFile::copy(QStringLiteral(VELMORA_HOSTILE_DIR "/duplicate-section.ini"), profile.path());
    QFile::setPermissions(profile.path(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(profile.read(QStringLiteral("System"), QStringLiteral("MinimizeToTray")), QStringLiteral("1"));
    ASSERT_TRUE(
        profile.write(QStringLiteral("System"), QStringLiteral("MinimizeToTray"), QStringLiteral("0")));
    EXPECT_EQ(profile.read(QStringLiteral("System"), QStringLiteral("MinimizeToTray")), QStringLiteral("0"));
    EXPECT_EQ(fileText(), QStringLiteral("; Kommentar\n\n[ system ]\nMinimizeToTray=0\n"));
}

TEST_F(ConfigurationTest, AProfileThatIsNoRegularFileReadsAsEmptyAndIsNotReplaced) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(profile.path()).constData(), 0600), 0);
    EXPECT_EQ(profile.read(QStringLiteral("Fenster"), QStringLiteral("Zustand"), QStringLiteral("1")),
              QStringLiteral("1"));
    EXPECT_FALSE(profile.write(QStringLiteral("Fenster"), QStringLiteral("Zustand"), QStringLiteral("0")));
    EXPECT_FALSE(QFileInfo(profile.path()).isFile());
}

TEST_F(ConfigurationTest, AFailedWriteKeepsTheOldProfile) {
    profile.write(QStringLiteral("Fenster"), QStringLiteral("Zustand"), QStringLiteral("1"));
    const QString before = fileText();
    for (long bytes : {0L, 5L, 17L}) {
        test::FailingFileSystem full(bytes);
        EXPECT_FALSE(
            profile.write(QStringLiteral("Explorer"), QStringLiteral("Breite"), QStringLiteral("200")));
        EXPECT_EQ(fileText(), before) << bytes;
    }
    test::FailingFileSystem full;
    EXPECT_FALSE(
        ensureFileTypesRegistered(profile, dir.filePath(QStringLiteral("daten")), QStringLiteral("/p/")));
    EXPECT_EQ(profile.read(QStringLiteral("Registrierung"), QStringLiteral("Wert")), QString());
}
