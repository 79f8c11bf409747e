#pragma once

#include "core/SystemState.h"

#include <array>
#include <functional>
#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

namespace quintora {

class CellGrid;
class Language;
class OnOffSwitch;
class Prompt;
class SystemDocument;

// frmFiltri: pages through the 1000 filter-column slots one panel at a time. The shown
// panel is written back to its slot whenever it is left; closing rearranges the table so
// that the switched-on slots come first and sets filterCount. While the system is locked
// the panels can only be viewed. The header's number list must be up to date.
class FilterDialog : public QDialog {
    Q_OBJECT
public:
    // `textFolder` is where the import dialog starts looking for files.
    FilterDialog(SystemDocument& document, Prompt& prompt, Language& language, QString textFolder,
                 QWidget* parent);

    void done(int result) override;

    int panelNumber() const { return panel_; }
    CellGrid* numberGrid() const { return grid_; }
    CellGrid* presenceGrid() const { return presences_; }
    OnOffSwitch* panelSwitch() const { return switch_; }

private:
    void showPanel(int panel);
    void storePanel();
    void move(int delta);
    void clearPanel();
    void clearAll();
    void importFilters();
    void showCounters();
    void showSelectedCount();
    QPushButton* moveButton(const QString& name, const QString& caption, const QString& tip,
                            int delta, bool repeat);

    SystemDocument& document_;
    // The table being edited; the document takes it when the dialog closes.
    std::array<FilterColumn, MaxFilterColumns> table_;
    Prompt& prompt_;
    Language& language_;
    QString textFolder_;
    int panel_ = 1;
    bool editable_;
    QFrame* frame_;
    CellGrid* grid_;
    CellGrid* presences_;
    OnOffSwitch* switch_;
    QLabel* selected_;
    QLabel* panelLabel_;
    QLabel* onCount_;
    QLabel* offCount_;
};

} // namespace quintora
