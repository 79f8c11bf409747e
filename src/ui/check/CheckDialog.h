#pragma once

#include "check/DrawEntry.h"
#include "check/PrizeCategory.h"
#include "check/WinningCombination.h"
#include "document/DocumentChanges.h"

#include <array>
#include <optional>
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quintora {

class ArchiveDocument;
class Language;
class Prompt;
class SystemDocument;

// frmSpoglio: checks the developed system against one winning combination and lists the
// winning columns of each prize category. Reads the system only; the combination it edits is
// the archive document's, so it survives closing the dialog and follows the archive window.
// It stays beside the main window: a system that can no longer be checked closes it, and
// changed columns empty its lists.
class CheckDialog : public QDialog {
    Q_OBJECT
public:
    CheckDialog(SystemDocument& document, ArchiveDocument& archives, Prompt& prompt,
                Language& language, QWidget* parent);
    ~CheckDialog() override;

    // init: empty lists, every count "0", the fields showing the shared combination.
    void init();
    // cmdSpoglio: validates the fields (sorting the main ones) and runs the check.
    void runCheck();
    // cmdCancella: empty lists and fields, counts "0", the combination cleared, focus on the
    // first field.
    void clearAll();

    QLineEdit* field(int k) const { return fields_[static_cast<std::size_t>(k)]; }
    QListWidget* winnersList(int category) const {
        return lists_[static_cast<std::size_t>(category)];
    }
    QLabel* countLabel(int category) const { return counts_[static_cast<std::size_t>(category)]; }
    QLabel* resultLabel() const { return result_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A new language: the result line in it, or none before a check.
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildFields();
    QWidget* buildLists();
    int fieldIndex(const QObject* object) const;
    EntryFields fieldTexts() const;
    void showFields(const EntryFields& texts);
    void clearLists();
    // The result line of the last check; empty when there is none.
    void showResult();
    void followDocument(Changes what);
    void followArchive(ArchiveChanges what);
    void storeCombination(const WinningCombination& combination);

    const SystemDocument& document_;
    ArchiveDocument& archives_;
    bool storing_ = false; // the dialog's own change: its fields already show it
    Prompt& prompt_;
    Language& language_;
    std::array<QLineEdit*, WinningCombination::FieldCount> fields_{};
    std::array<QListWidget*, PrizeCategoryCount> lists_{};
    std::array<QLabel*, PrizeCategoryCount> counts_{};
    QLabel* result_ = nullptr;
    std::optional<int> best_; // the best category of the last check
    QPushButton* check_ = nullptr;
};

} // namespace quintora
