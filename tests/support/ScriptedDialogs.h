#pragma once

#include "common/DialogSeam.h"

#include <deque>
#include <functional>
#include <QUrl>

namespace velmora::test {

/// Answers the program's dialogs from a script and records what was asked. Installed as the
/// program-wide seam for its lifetime. An unscripted message is answered with Ok (or Yes), an
/// unscripted file or folder dialog is cancelled.
class ScriptedDialogs : public DialogSeam {
public:
    struct Message {
        Icon icon;
        QString title;
        QString text;
        Buttons buttons;
    };

    ScriptedDialogs() { setDialogs(this); }
    ~ScriptedDialogs() override { setDialogs(nullptr); }

    std::deque<Answer> answers;
    std::deque<QStringList> openAnswers;
    std::deque<QString> openFileAnswers; ///< the one file of an open dialog; none left cancels
    std::deque<QString> saveAnswers;     ///< a path, optionally followed by "|" and the chosen filter
    std::deque<QString> directoryAnswers;
    std::deque<QString> textAnswers; ///< an input box with no answer left is cancelled
    std::function<bool(QPrinter&)> printAnswer = [](QPrinter&) {
        return false;
    };
    bool urlOpens = true;

    std::vector<Message> messages;
    std::vector<QUrl> openedUrls;
    std::vector<QString> saveProposals;
    std::vector<QString> fileDialogs; ///< caption, "|", directory, "|" and filters of each one-file dialog
    std::vector<QString> directoryQuestions; ///< caption, "|" and prompt of each folder browser
    int printDialogs = 0;

    Answer message(QWidget*, Icon icon, const QString& title, const QString& text, Buttons buttons) override {
        messages.push_back({icon, title, text, buttons});
        if (!answers.empty()) {
            const Answer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }

    QStringList openFiles(QWidget*, const QString&, const QString&, const QString&, QString*) override {
        return pop(openAnswers, QStringList());
    }

    QString openFile(QWidget*, const QString& caption, const QString& directory,
                     const QString& filters) override {
        fileDialogs.push_back(caption + u'|' + directory + u'|' + filters);
        return pop(openFileAnswers, QString());
    }

    QString saveFile(QWidget*, const QString& caption, const QString& proposal, const QString& filters,
                     QString* filter) override {
        fileDialogs.push_back(caption + u'|' + proposal + u'|' + filters);
        saveProposals.push_back(proposal);
        const QString answer = pop(saveAnswers, QString());
        const qsizetype bar = answer.indexOf(u'|');
        if (bar >= 0 && filter)
            *filter = answer.mid(bar + 1);
        return bar >= 0 ? answer.left(bar) : answer;
    }

    QString directory(QWidget*, const QString& caption, const QString& prompt, const QString&) override {
        directoryQuestions.push_back(caption + u'|' + prompt);
        return pop(directoryAnswers, QString());
    }

    bool print(QWidget*, QPrinter& printer) override {
        ++printDialogs;
        return printAnswer(printer);
    }

    std::optional<QString> text(QWidget*, const QString&, const QString&, const QString&) override {
        if (textAnswers.empty())
            return std::nullopt;
        const QString answer = textAnswers.front();
        textAnswers.pop_front();
        return answer;
    }

    bool openUrl(const QUrl& url) override {
        openedUrls.push_back(url);
        return urlOpens;
    }

private:
    template <typename T>
    static T pop(std::deque<T>& queue, T fallback) {
        if (queue.empty())
            return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

} // namespace velmora::test
