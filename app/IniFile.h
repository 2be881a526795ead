#pragma once

#include <QString>
#include <utility>
#include <vector>

namespace velmora {

/// A profile file of sections and "key=value" lines, read and written value by value as the program's
/// configuration files are: every access opens the file and closes it again, nothing is cached. Section
/// and key names are matched without regard to case. A missing or damaged file reads as empty; a write
/// replaces the file only once its whole new content is written.
class IniFile {
public:
    explicit IniFile(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }

    QString read(const QString& section, const QString& key, const QString& fallback = {}) const;
    /// False when the file could not be written.
    bool write(const QString& section, const QString& key, const QString& value) const;

    /// The keys and values of a section, in file order.
    std::vector<std::pair<QString, QString>> section(const QString& section) const;
    /// Replaces a whole section by `entries` (erased when empty).
    bool replaceSection(const QString& section,
                        const std::vector<std::pair<QString, QString>>& entries) const;

private:
    QString m_path;
};

} // namespace velmora
