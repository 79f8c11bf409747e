#pragma once

#include "core/Result.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace quintora {

class Language;
class OnOffSwitch;
class Prompt;
class SystemDocument;

// frmEscludiColonne: moves columns of the system onto the excluded list, which the next
// development leaves out. Editable whether or not the system is locked: the columns to
// pick exist only in a developed system. Closing replaces the excluded table with the list.
class ExcludedColumnsDialog : public QDialog {
    Q_OBJECT
public:
    ExcludedColumnsDialog(SystemDocument& document, Prompt& prompt, Language& language,
                          QWidget* parent);

    void done(int result) override;

    QListWidget* systemList() const { return system_; }
    QListWidget* excludedList() const { return excluded_; }

private:
    // A change the document refused is shown.
    void report(const Status& status);
    void addSelected();
    void clearExcluded();
    void showCounts();

    SystemDocument& document_;
    Prompt& prompt_;
    Language& language_;
    OnOffSwitch* switch_;
    QListWidget* system_;
    QListWidget* excluded_;
    QLabel* systemCount_;
    QLabel* excludedCount_;
};

} // namespace quintora
