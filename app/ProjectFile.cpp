#include "app/ProjectFile.h"

#include "common/TextCodec.h"
#include "windows/WindowType.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

namespace velmora {

namespace {

constexpr qint64 maxProjectFileSize = 4 << 20;
// The categories a new project lists: those of the first program version, which had no filters.
constexpr std::size_t newProjectCategories = 7;

QString strippedLine(QStringView line) {
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && (line[begin] == u' ' || line[begin] == u'\t'))
        ++begin;
    while (end > begin && (line[end - 1] == u' ' || line[end - 1] == u'\t' || line[end - 1] == u'\r'))
        --end;
    return line.sliced(begin, end - begin).toString();
}

QByteArray linesText(const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines)
        text += toCp1252(line) + "\r\n";
    return text;
}

} // namespace

QStringList projectCategories() {
    QStringList names;
    for (const WindowType& type : windowTypes)
        names << QString::fromUtf16(type.projectCategory);
    return names;
}

QByteArray newProjectText(const QString& name) {
    return linesText(QStringList{name + QStringLiteral(".wpr")} +
                     projectCategories().first(newProjectCategories));
}

QByteArray projectTreeText(const ProjectMembers& members) {
    const QStringList categories = projectCategories();
    QStringList lines;
    for (std::size_t i = 0; i < members.size(); ++i) {
        lines << categories[qsizetype(i)];
        for (const QString& member : members[i])
            lines << u'\t' + member;
    }
    return linesText(lines);
}

QStringList projectLines(const QByteArray& content) {
    QStringList lines;
    const QString text = fromCp1252(content);
    for (QStringView line : QStringView(text).split(u'\n'))
        lines << strippedLine(line);
    return lines;
}

ProjectMembers readProjectMembers(const QByteArray& content) {
    ProjectMembers members;
    for (const QString& line : projectLines(content))
        if (const WindowType* type = windowTypeOfFile(line))
            members[std::size_t(type->kind)] << line;
    return members;
}

std::optional<QByteArray> readProjectFile(const QString& path) {
    // Only a regular file: opening a FIFO would wait for a writer.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || file.size() > maxProjectFileSize)
        return std::nullopt;
    QByteArray content = file.read(maxProjectFileSize + 1);
    if (content.size() > maxProjectFileSize)
        return std::nullopt;
    return content;
}

} // namespace velmora
