#pragma once

#include "core/GameModel.h"

#include <array>
#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace quintora {

class CellGrid;
class Language;
class Prompt;
struct FilterColumn;

// frmImportFiltri: replaces every filter column with the lines of a text file, all switched
// on with the hit counts chosen on the presence labels. Closes after a finished import.
class FilterImportDialog : public QDialog {
    Q_OBJECT
public:
    FilterImportDialog(std::array<FilterColumn, MaxFilterColumns>& table, Prompt& prompt,
                       Language& language, QString textFolder, QWidget* parent);

    CellGrid* presenceGrid() const { return presences_; }
    const QString& chosenFile() const { return path_; }

private:
    void chooseFile();
    void runImport();

    std::array<FilterColumn, MaxFilterColumns>& table_;
    Prompt& prompt_;
    Language& language_;
    QString textFolder_;
    QString path_;
    CellGrid* presences_;
    QLabel* fileLabel_;
    QPushButton* process_;
};

} // namespace quintora
