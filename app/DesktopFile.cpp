#include "app/DesktopFile.h"

#include "common/TextCodec.h"

#include <QList>

namespace velmora {

namespace {

constexpr qsizetype maxLineLength = 255;

void addLine(QByteArray& text, char kind, const QString& value) {
    text += kind + toCp1252(value) + "\r\n";
}

void addGeometry(QByteArray& text, const char* letters, const QRect& rect) {
    const int values[] = {rect.left(), rect.top(), rect.width(), rect.height()};
    for (int i = 0; i < 4; ++i)
        addLine(text, letters[i], QString::number(values[i]));
}

} // namespace

QByteArray desktopText(const Desktop& desktop) {
    QByteArray text;
    if (desktop.mainMaximized)
        addLine(text, 'x', QStringLiteral("-1"));
    else if (desktop.mainGeometry)
        addGeometry(text, "xyab", *desktop.mainGeometry);
    for (const Desktop::Window& window : desktop.windows) {
        addLine(text, '<', window.path);
        if (window.geometry) {
            addGeometry(text, "ltwh", *window.geometry);
            addLine(text, 'p', QString::number(window.topRow));
        }
    }
    return text;
}

std::vector<DesktopLine> desktopLines(const QByteArray& content) {
    std::vector<DesktopLine> lines;
    const QString text =
        fromCp1252(QByteArrayView(content).first(std::min<qsizetype>(content.size(), maxDesktopFileSize)));
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        line = line.first(std::min(line.size(), maxLineLength));
        if (!line.isEmpty())
            lines.push_back({line.front().toLower(), line.sliced(1).toString()});
    }
    return lines;
}

} // namespace velmora
