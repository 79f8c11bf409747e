#pragma once

#include <optional>
#include <QString>

class QWidget;

namespace quintora {

// Every message box, question, input box and file dialog of the program goes through this
// interface, so tests can answer them from a script.
class Prompt {
public:
    enum class Icon { None, Information, Exclamation, Critical, Question };
    // The answers to "save the changes first?".
    enum class SaveChoice { Save, Discard, Cancel };

    virtual ~Prompt() = default;

    // A box with an OK button. An empty title means the application's title.
    virtual void message(QWidget* parent, const QString& title, const QString& text, Icon icon) = 0;
    // A Yes/No box; true for Yes.
    virtual bool question(QWidget* parent, const QString& title, const QString& text,
                          Icon icon = Icon::Question) = 0;
    // A box that offers to save unsaved work before it is lost: Save, Discard or Cancel.
    virtual SaveChoice askToSave(QWidget* parent, const QString& title, const QString& text) = 0;
    // An input box; nullopt when cancelled.
    virtual std::optional<QString> inputText(QWidget* parent, const QString& title,
                                             const QString& label, const QString& initial = {}) = 0;
    // File dialogs; an empty result when cancelled. `filter` uses the program's form
    // "File Quintora (*.qsy)|*.qsy" (description|pattern).
    virtual QString openFileName(QWidget* parent, const QString& folder, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& folder,
                                 const QString& proposedName, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    virtual void beep() = 0;
};

// The real boxes and dialogs.
class QtPrompt final : public Prompt {
public:
    void message(QWidget* parent, const QString& title, const QString& text, Icon icon) override;
    bool question(QWidget* parent, const QString& title, const QString& text, Icon icon) override;
    SaveChoice askToSave(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<QString> inputText(QWidget* parent, const QString& title, const QString& label,
                                     const QString& initial) override;
    QString openFileName(QWidget* parent, const QString& folder, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& folder, const QString& proposedName,
                         const QString& filter, const QString& defaultSuffix) override;
    void beep() override;
};

// "File Quintora (*.qsy)|*.qsy" -> "File Quintora (*.qsy)" for Qt's file dialogs.
QString qtFileFilter(const QString& programFilter);

} // namespace quintora
