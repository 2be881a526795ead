#include "batch/RecordingDialogs.h"

#include <QFileInfo>
#include <QJsonObject>
#include <QUrl>

namespace velmora {

namespace {

QString iconName(DialogSeam::Icon icon) {
    switch (icon) {
    case DialogSeam::Icon::Information:
        return QStringLiteral("information");
    case DialogSeam::Icon::Warning:
        return QStringLiteral("warning");
    case DialogSeam::Icon::Error:
        return QStringLiteral("error");
    case DialogSeam::Icon::Confirmation:
        return QStringLiteral("question");
    }
    return {};
}

} // namespace

void RecordingDialogs::clear() {
    answers.clear();
    inputs.clear();
    messages = {};
    inputBoxes = {};
    opened = {};
}

DialogSeam::Answer RecordingDialogs::message(QWidget*, Icon icon, const QString&, const QString& text,
                                             Buttons buttons) {
    messages.append(QJsonObject{{QStringLiteral("icon"), iconName(icon)}, {QStringLiteral("text"), text}});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    const bool yes = answers.empty() || answers.front();
    if (!answers.empty())
        answers.pop_front();
    return buttons == Buttons::YesNo ? (yes ? Answer::Yes : Answer::No) : (yes ? Answer::Ok : Answer::Cancel);
}

std::optional<QString> RecordingDialogs::text(QWidget*, const QString&, const QString& label,
                                              const QString&) {
    inputBoxes.append(label);
    if (inputs.empty())
        return std::nullopt;
    QString answer = inputs.front();
    inputs.pop_front();
    return answer;
}

bool RecordingDialogs::openUrl(const QUrl& url) {
    opened.append(url.isLocalFile() ? QFileInfo(url.toLocalFile()).fileName() : url.toString());
    return true;
}

} // namespace velmora
