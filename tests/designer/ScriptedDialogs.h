#pragma once

#include "designer/DesignerDialogs.h"

#include <deque>
#include <gtest/gtest.h>
#include <QStringList>

namespace tabrix::test {

/// Answers the designer's dialogs from a script and records what they were asked; an unscripted
/// question fails the test.
class ScriptedDialogs : public DesignerDialogs {
public:
    ScriptedDialogs() { setDesignerDialogs(this); }
    ~ScriptedDialogs() override { setDesignerDialogs(nullptr); }

    void tell(QWidget*, const QString& text) override { told << text; }
    void about(QWidget*, const QString& text) override { told << text; }
    Answer ask(QWidget*, const QString& text) override {
        asked << text;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return Answer::Cancel;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString openPath(QWidget*, const QString& caption, const QString&) override {
        captions << caption;
        return paths.empty() ? QString() : take(paths);
    }
    std::optional<SaveChoice> savePath(QWidget*, const QString& proposal, int code) override {
        proposals << proposal;
        proposedCodes.push_back(code);
        if (saves.empty())
            return std::nullopt;
        const SaveChoice choice = saves.front();
        saves.pop_front();
        return choice;
    }

    std::deque<Answer> answers;
    std::deque<QString> paths;
    std::deque<SaveChoice> saves;
    QStringList told, asked, captions, proposals;
    std::vector<int> proposedCodes;

private:
    static QString take(std::deque<QString>& queue) {
        QString front = queue.front();
        queue.pop_front();
        return front;
    }
};

} // namespace tabrix::test
