#include "app/IniFile.h"

#include "common/SafeFile.h"
#include "common/TextCodec.h"

#include <optional>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringList>

namespace velmora {

namespace {

// Profile files bigger than this are not configuration files; they read as empty.
constexpr qint64 maxProfileSize = 1024 * 1024;

std::optional<QString> sectionName(const QString& line);

// A section that stands more than once in the file is one section, at its first place, and a key
// that stands more than once in a section keeps its first value, the one that is read.
QStringList mergeRepeatedSections(const QStringList& lines) {
    struct Section {
        QStringList lines;
        QSet<QString> keys;
    };
    Section preamble;
    std::vector<Section> sections;
    QHash<QString, std::size_t> sectionByName;
    Section* current = &preamble;
    for (const QString& line : lines) {
        if (const std::optional<QString> name = sectionName(line)) {
            const QString key = name->toLower();
            const auto known = sectionByName.constFind(key);
            if (known != sectionByName.cend()) {
                current = &sections[*known];
                while (current->lines.size() > 1 && current->lines.back().trimmed().isEmpty())
                    current->lines.removeLast();
                continue;
            }
            sectionByName.insert(key, sections.size());
            sections.push_back({{line}, {}});
            current = &sections.back();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0 && current != &preamble) {
            const QString key = line.left(equals).trimmed().toLower();
            if (current->keys.contains(key))
                continue;
            current->keys.insert(key);
        }
        current->lines.append(line);
    }
    QStringList merged = preamble.lines;
    for (Section& section : sections) {
        while (section.lines.size() > 1 && section.lines.back().trimmed().isEmpty())
            section.lines.removeLast();
        if (!merged.isEmpty() && !merged.back().trimmed().isEmpty())
            merged.append(QString());
        merged += section.lines;
    }
    return merged;
}

// Only a regular file is read: a FIFO or a device would block or never end.
QStringList readLines(const QString& path) {
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || info.size() > maxProfileSize || !file.open(QIODevice::ReadOnly))
        return {};
    QString text = decodeTextFile(file.read(maxProfileSize));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return mergeRepeatedSections(text.split(u'\n'));
}

bool writeLines(const QString& path, QStringList lines) {
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return tryWriteFileSafely(path, (lines.join(QStringLiteral("\n")) + u'\n').toUtf8());
}

std::optional<QString> sectionName(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.size() >= 2 && trimmed.startsWith(u'[') && trimmed.endsWith(u']'))
        return trimmed.mid(1, trimmed.size() - 2).trimmed();
    return std::nullopt;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The lines [first, end) of a section's entries; first == -1 when the section is missing.
std::pair<qsizetype, qsizetype> findSection(const QStringList& lines, const QString& section) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QString> name = sectionName(lines[i]);
        if (!name || !sameName(*name, section))
            continue;
        qsizetype end = i + 1;
        while (end < lines.size() && !sectionName(lines[end]))
            ++end;
        return {i + 1, end};
    }
    return {-1, -1};
}

} // namespace

QString IniFile::read(const QString& section, const QString& key, const QString& fallback) const {
    for (const auto& [name, value] : this->section(section))
        if (sameName(name, key))
            return value;
    return fallback;
}

std::vector<std::pair<QString, QString>> IniFile::section(const QString& section) const {
    const QStringList lines = readLines(m_path);
    const auto [first, end] = findSection(lines, section);
    std::vector<std::pair<QString, QString>> entries;
    for (qsizetype i = first; i >= 0 && i < end; ++i) {
        const qsizetype equals = lines[i].indexOf(u'=');
        if (equals > 0 && !lines[i].trimmed().startsWith(u';'))
            entries.emplace_back(lines[i].left(equals).trimmed(), lines[i].mid(equals + 1).trimmed());
    }
    return entries;
}

bool IniFile::write(const QString& section, const QString& key, const QString& value) const {
    QStringList lines = readLines(m_path);
    const QString entry = key + u'=' + value;
    auto [first, end] = findSection(lines, section);
    if (first < 0) {
        if (!lines.isEmpty() && !lines.back().trimmed().isEmpty())
            lines.append(QString());
        lines << u'[' + section + u']' << entry;
        return writeLines(m_path, lines);
    }
    for (qsizetype i = first; i < end; ++i) {
        const qsizetype equals = lines[i].indexOf(u'=');
        if (equals > 0 && sameName(lines[i].left(equals).trimmed(), key)) {
            lines[i] = entry;
            return writeLines(m_path, lines);
        }
    }
    // After the section's last entry, before the blank lines that part it from the next section.
    qsizetype at = end;
    while (at > first && lines[at - 1].trimmed().isEmpty())
        --at;
    lines.insert(at, entry);
    return writeLines(m_path, lines);
}

bool IniFile::replaceSection(const QString& section,
                             const std::vector<std::pair<QString, QString>>& entries) const {
    QStringList lines = readLines(m_path);
    const auto [first, end] = findSection(lines, section);
    if (first >= 0)
        lines.remove(first - 1, end - first + 1);
    if (entries.empty())
        return writeLines(m_path, lines);
    if (!lines.isEmpty() && !lines.back().trimmed().isEmpty())
        lines.append(QString());
    lines << u'[' + section + u']';
    for (const auto& [key, value] : entries)
        lines << key + u'=' + value;
    return writeLines(m_path, lines);
}

} // namespace velmora
