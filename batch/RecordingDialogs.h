#pragma once

#include "common/DialogSeam.h"

#include <deque>
#include <QJsonArray>

namespace velmora {

/// The dialog seam of a run without a screen: boxes are answered from the run's lists (Yes, or OK, when a
/// list runs out; an input box is then cancelled), file dialogs are cancelled, and everything the user
/// would have been told is recorded. Installed as the program-wide seam for its lifetime.
class RecordingDialogs final : public DialogSeam {
public:
    RecordingDialogs() { setDialogs(this); }
    ~RecordingDialogs() override { setDialogs(nullptr); }
    RecordingDialogs(const RecordingDialogs&) = delete;
    RecordingDialogs& operator=(const RecordingDialogs&) = delete;

    std::deque<bool> answers;
    std::deque<QString> inputs;
    QJsonArray messages; ///< {"icon", "text"} of every message box
    QJsonArray inputBoxes;
    QJsonArray opened; ///< help pages and documents handed to the shell

    /// Forgets what the run before was told and answered.
    void clear();

    Answer message(QWidget*, Icon icon, const QString&, const QString& text, Buttons buttons) override;
    QStringList openFiles(QWidget*, const QString&, const QString&, const QString&, QString*) override {
        return {};
    }
    QString openFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&, QString*) override {
        return {};
    }
    QString directory(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    bool print(QWidget*, QPrinter&) override { return false; }
    std::optional<QString> text(QWidget*, const QString&, const QString& label, const QString&) override;
    bool openUrl(const QUrl& url) override;
};

} // namespace velmora
