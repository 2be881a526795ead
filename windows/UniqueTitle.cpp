#include "windows/UniqueTitle.h"

namespace velmora {

int& uniqueTitleCounter() {
    static int counter = 0;
    return counter;
}

QString makeTitleUnique(const QString& title, const QList<QString>& captions) {
    QString unique = title;
    const auto taken = [&captions](const QString& candidate) {
        return std::any_of(captions.begin(), captions.end(), [&candidate](const QString& caption) {
            return caption.compare(candidate, Qt::CaseInsensitive) == 0;
        });
    };
    while (taken(unique))
        unique += u'-' + QString::number(uniqueTitleCounter()++);
    return unique;
}

} // namespace velmora
