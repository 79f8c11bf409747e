#pragma once

#include "check/ArchiveCheck.h"
#include "document/DocumentChanges.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace quintora {

class ArchiveDocument;
class Language;
class SystemDocument;

// frmSpoglioEstrazioni: the check of the developed system against every draw of a range of the
// archive, one grid row per draw, with a value filter over the grid's header. Reads the system
// and the archive only; a system that can no longer be checked closes it, changed columns
// empty its grid, and new draws or an ended update fill its date lists again.
class ArchiveCheckDialog : public QDialog {
    Q_OBJECT
public:
    ArchiveCheckDialog(SystemDocument& document, ArchiveDocument& archives, Language& language,
                       QWidget* parent);
    ~ArchiveCheckDialog() override;

    // Fills "from" and "to" with the date of every draw, the oldest and the latest chosen.
    bool fillDrawDateLists();
    // cmdSpoglioEstrazioni: the filter off, then one row per draw of the chosen range.
    void runCheck();
    // chkFiltri: a drop-down over every header cell, or none and every row shown.
    void setFilterOn(bool on);
    bool filterOn() const { return !filters_.empty(); }
    // The value filter's drop-down of a grid column; nullptr while the filter is off.
    QComboBox* filterBox(int column) const;

    QTableWidget* grid() const { return grid_; }
    // flexTotali: one row above the grid, the columns per category over the draws checked.
    QTableWidget* totals() const { return totals_; }
    // chkSoloVincenti: the draws without a win hidden.
    QCheckBox* winsOnlySwitch() const { return winsOnly_; }
    QComboBox* fromBox() const { return from_; }
    QComboBox* toBox() const { return to_; }
    QCheckBox* filterSwitch() const { return filterSwitch_; }

protected:
    // A new language of the program: the texts the window writes itself follow it.
    void changeEvent(QEvent* event) override;

private:
    void writeMessageTexts();
    void fillGrid();
    void fillTotals();
    void autoSizeGrid();
    void applyFilter();
    void placeFilterBoxes();
    void setBusy(bool busy);
    void followDocument(Changes what);
    void followArchive(ArchiveChanges what);

    const SystemDocument& document_;
    const ArchiveDocument& archives_;
    Language& language_;
    QComboBox* from_ = nullptr;
    QComboBox* to_ = nullptr;
    QPushButton* run_ = nullptr;
    QCheckBox* filterSwitch_ = nullptr;
    QLabel* progress_ = nullptr;
    QCheckBox* winsOnly_ = nullptr;
    QTableWidget* totals_ = nullptr;
    QTableWidget* grid_ = nullptr;
    ArchiveCheckResult result_; // what the grid shows, for the filter
    bool checked_ = false;      // a check ran since the columns last changed
    bool sized_ = false;        // the window took its size
    std::vector<QComboBox*> filters_;
};

} // namespace quintora
