#include "app/Configuration.h"

#include "common/NumberText.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace velmora {

namespace {

const QString directories = QStringLiteral("Verzeichnisse");
const QString explorer = QStringLiteral("Explorer");
const QString window = QStringLiteral("Fenster");
const QString systemSection = QStringLiteral("System");

QString configurationFile(const QString& name) {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + u'/' + name;
}

QString withoutTrailingSlash(QString path) {
    while (path.size() > 1 && (path.endsWith(u'/') || path.endsWith(u'\\')))
        path.chop(1);
    return path;
}

// `base` is the program directory, or the user's directory standing in for it (`makeFallback`).
QString resolveDirectory(const IniFile& profile, const QString& key, const QString& base,
                         const QString& subdirectory, bool makeFallback) {
    const QString fallback = base + subdirectory;
    const QString configured = withoutTrailingSlash(profile.read(directories, key, fallback));
    if (!configured.trimmed().isEmpty() && QFileInfo(configured).isDir())
        return configured;
    if (makeFallback)
        QDir().mkpath(fallback);
    const QString resolved = QFileInfo(fallback).isDir() ? fallback : base;
    profile.write(directories, key, resolved);
    return resolved;
}

// A folder without its owner's write permission counts as not writable even for root, who could.
bool isWritableDirectory(const QString& path) {
    const QFileInfo directory(path);
    return directory.isWritable() && (directory.permissions() & QFileDevice::WriteOwner);
}

int tolerantInteger(const IniFile& profile, const QString& section, const QString& key, int fallback) {
    return readInteger(profile.read(section, key, QString::number(fallback))).value_or(fallback);
}

} // namespace

IniFile programProfile() {
    return IniFile(configurationFile(QStringLiteral("velmora.ini")));
}

IniFile recentFilesProfile() {
    return IniFile(configurationFile(QStringLiteral("mru.ini")));
}

Directories resolveDirectories(const IniFile& profile, const QString& programDirectory,
                               const QString& userDirectory) {
    const bool installed = !userDirectory.isEmpty() && !isWritableDirectory(programDirectory);
    const QString base = installed ? userDirectory : programDirectory;
    Directories result;
    result.program = programDirectory;
    result.projects = resolveDirectory(profile, QStringLiteral("Projektverzeichnis"), base,
                                       QStringLiteral("Projekte"), installed);
    result.data = resolveDirectory(profile, QStringLiteral("Datenverzeichnis"), base, QStringLiteral("Daten"),
                                   installed);
    return result;
}

Placement readPlacement(const IniFile& profile) {
    Placement placement;
    placement.maximized = profile.read(window, QStringLiteral("Zustand"), QStringLiteral("1")) != u"0";
    placement.normalGeometry = QRect(tolerantInteger(profile, window, QStringLiteral("Links"), 1),
                                     tolerantInteger(profile, window, QStringLiteral("Oben"), 1),
                                     tolerantInteger(profile, window, QStringLiteral("Breite"), 800),
                                     tolerantInteger(profile, window, QStringLiteral("Hoehe"), 600));
    placement.explorerVisible =
        profile.read(explorer, QStringLiteral("Zustand"), QStringLiteral("1")) == u"1";
    bool isNumber = false;
    const int width =
        profile.read(explorer, QStringLiteral("Breite"), QStringLiteral("185")).toInt(&isNumber);
    placement.explorerWidth = std::min(std::max(isNumber ? width : 185, minExplorerWidth), maxExplorerWidth);
    const std::optional<int> panel =
        readInteger(profile.read(explorer, QStringLiteral("Panel"), QStringLiteral("0")));
    placement.filesTabActive = panel && *panel <= 1 && *panel != 0;
    placement.minimizeToTray =
        profile.read(systemSection, QStringLiteral("MinimizeToTray"), QStringLiteral("0")) != u"0";
    return placement;
}

void writePlacement(const IniFile& profile, const Placement& placement) {
    profile.write(explorer, QStringLiteral("Zustand"),
                  placement.explorerVisible ? QStringLiteral("1") : QStringLiteral("0"));
    profile.write(explorer, QStringLiteral("Breite"), QString::number(placement.explorerWidth));
    profile.write(explorer, QStringLiteral("Panel"),
                  placement.filesTabActive ? QStringLiteral("1") : QStringLiteral("0"));
    profile.write(window, QStringLiteral("Zustand"),
                  placement.maximized ? QStringLiteral("1") : QStringLiteral("0"));
    if (placement.maximized)
        return;
    profile.write(window, QStringLiteral("Links"), QString::number(placement.normalGeometry.left()));
    profile.write(window, QStringLiteral("Oben"), QString::number(placement.normalGeometry.top()));
    profile.write(window, QStringLiteral("Breite"), QString::number(placement.normalGeometry.width()));
    profile.write(window, QStringLiteral("Hoehe"), QString::number(placement.normalGeometry.height()));
}

} // namespace velmora
