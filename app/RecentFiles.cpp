#include "app/RecentFiles.h"

namespace velmora {

namespace {

const QString section = QStringLiteral("MRUList");

} // namespace

void RecentFiles::add(const QString& path) {
    m_paths.removeAll(path);
    m_paths.prepend(path);
    while (m_paths.size() > maxEntries)
        m_paths.removeLast();
}

void RecentFiles::remove(const QString& path) {
    m_paths.removeAll(path);
}

void RecentFiles::load(const IniFile& profile) {
    m_paths.clear();
    for (int i = 0; i < maxEntries; ++i) {
        const QString path = profile.read(section, QStringLiteral("H%1").arg(i));
        if (!path.isEmpty() && !m_paths.contains(path))
            m_paths.append(path);
    }
}

void RecentFiles::store(const IniFile& profile) const {
    std::vector<std::pair<QString, QString>> entries;
    for (qsizetype i = 0; i < m_paths.size(); ++i)
        entries.emplace_back(QStringLiteral("H%1").arg(i), m_paths[i]);
    profile.replaceSection(section, entries);
}

} // namespace velmora
