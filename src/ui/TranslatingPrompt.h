#pragma once

#include "ui/MessageCatalogue.h"
#include "ui/Prompt.h"

namespace quintora {

// The prompts of the program in the current language: the texts of a box, written by the
// core or the windows in the program's own language, pass through the message catalogue on
// their way to the real boxes.
class TranslatingPrompt final : public Prompt {
public:
    TranslatingPrompt(Prompt& boxes, const MessageCatalogue& messages)
        : boxes_(boxes)
        , messages_(messages) {}

    void message(QWidget* parent, const QString& title, const QString& text, Icon icon) override {
        boxes_.message(parent, messages_.translated(title), messages_.translated(text), icon);
    }
    bool question(QWidget* parent, const QString& title, const QString& text, Icon icon) override {
        return boxes_.question(parent, messages_.translated(title), messages_.translated(text),
                               icon);
    }
    SaveChoice askToSave(QWidget* parent, const QString& title, const QString& text) override {
        return boxes_.askToSave(parent, messages_.translated(title), messages_.translated(text));
    }
    std::optional<QString> inputText(QWidget* parent, const QString& title, const QString& label,
                                     const QString& initial) override {
        return boxes_.inputText(parent, messages_.translated(title), messages_.translated(label),
                                initial);
    }
    QString openFileName(QWidget* parent, const QString& folder, const QString& filter) override {
        return boxes_.openFileName(parent, folder, filter);
    }
    QString saveFileName(QWidget* parent, const QString& folder, const QString& proposedName,
                         const QString& filter, const QString& defaultSuffix) override {
        return boxes_.saveFileName(parent, folder, proposedName, filter, defaultSuffix);
    }
    void beep() override { boxes_.beep(); }

private:
    Prompt& boxes_;
    const MessageCatalogue& messages_;
};

} // namespace quintora
