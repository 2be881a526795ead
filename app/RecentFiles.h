#pragma once

#include "app/IniFile.h"

#include <QStringList>

namespace velmora {

/// The recent-files list: at most 9 full paths, most recent first, kept in "mru.ini", section "MRUList",
/// keys "H0" to "H8".
class RecentFiles {
public:
    static constexpr int maxEntries = 9;

    const QStringList& paths() const { return m_paths; }
    /// Puts `path` at the top; an equal entry moves there, the tenth drops off.
    void add(const QString& path);
    void remove(const QString& path);

    void load(const IniFile& profile);
    /// Erases the section and writes the list whole.
    void store(const IniFile& profile) const;

private:
    QStringList m_paths;
};

} // namespace velmora
