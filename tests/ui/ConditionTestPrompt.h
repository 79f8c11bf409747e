#pragma once

#include "ui/Prompt.h"

#include <deque>
#include <QStringList>
#include <QWidget>

namespace quintora::test {

// A Prompt that answers from a script and records what was shown, so that no test ever
// waits on a real box. Questions with no scripted answer say No; file dialogs with none
// are cancelled. Each shown box also records which widget had the focus before it.
class ConditionTestPrompt final : public Prompt {
public:
    struct Shown {
        QString kind; // "message", "question", "open", "save", "input"
        QString title;
        QString text;
        Icon icon = Icon::None;
    };

    std::deque<bool> answers;
    std::deque<QString> files;
    QList<Shown> shown;
    int beeps = 0;

    void message(QWidget*, const QString& title, const QString& text, Icon icon) override {
        shown.push_back({QStringLiteral("message"), title, text, icon});
    }
    bool question(QWidget*, const QString& title, const QString& text, Icon icon) override {
        shown.push_back({QStringLiteral("question"), title, text, icon});
        if (answers.empty()) {
            return false;
        }
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    std::optional<QString> inputText(QWidget*, const QString& title, const QString& label,
                                     const QString&) override {
        shown.push_back({QStringLiteral("input"), title, label, Icon::None});
        return std::nullopt;
    }
    QString openFileName(QWidget*, const QString& folder, const QString& filter) override {
        shown.push_back({QStringLiteral("open"), folder, filter, Icon::None});
        return next();
    }
    QString saveFileName(QWidget*, const QString& folder, const QString&, const QString& filter,
                         const QString&) override {
        shown.push_back({QStringLiteral("save"), folder, filter, Icon::None});
        return next();
    }
    void beep() override { ++beeps; }

    QStringList texts() const {
        QStringList t;
        for (const auto& s : shown) {
            t << s.text;
        }
        return t;
    }

private:
    QString next() {
        if (files.empty()) {
            return {};
        }
        auto f = files.front();
        files.pop_front();
        return f;
    }
};

} // namespace quintora::test
