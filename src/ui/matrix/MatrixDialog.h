#pragma once

#include "matrix/MatrixCatalogue.h"
#include "matrix/MatrixMessages.h"
#include "matrix/OleDate.h"
#include "update/ServerUpdates.h"

#include <cstdint>
#include <QDialog>
#include <QString>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quintora {

class Language;
class Prompt;
class SystemDocument;

// frmMatr: the matrices of the matrix folder built for filterV numbers (0: all), the header
// of the selected one with its four status labels, and its adaptation to the numbers in play.
// The dialog closes once a matrix has been adapted.
class MatrixDialog : public QDialog {
    Q_OBJECT
public:
    MatrixDialog(SystemDocument& document, Prompt& prompt, Language& language, QString matrixFolder,
                 std::uint8_t filterV, CalendarDate today, QWidget* parent);

    const Catalogue& catalogue() const { return catalogue_; }
    // Reloads the catalogue and selects the first entry.
    void refresh();
    // cmdAdatta: the fixed-number questions, then the adaptation through the document.
    void adaptSelected();
    // How cmdUpdateMatrix reaches the server; without it the server is not found.
    void setDownload(Download download, std::string server, std::string tempFolder);
    // cmdUpdateMatrix: the server's matrices into the matrix folder, then the list again.
    void updateMatrices();

private:
    void showEntry(int row);
    bool adaptable(const CatalogueEntry& entry) const;
    void showError(const QString& text);
    void openFolder();
    void makeNewMatrix();

    SystemDocument& document_;
    Prompt& prompt_;
    Language& language_;
    const QString folder_;
    const std::uint8_t filterV_;
    const CalendarDate today_;
    const MatrixMessages messages_;
    Catalogue catalogue_;
    Download download_;
    std::string server_;
    std::string tempFolder_;

    QListWidget* list_ = nullptr;
    struct Fields {
        QLineEdit* v = nullptr;
        QLineEdit* k = nullptr;
        QLineEdit* t = nullptr;
        QLineEdit* m = nullptr;
        QLineEdit* f = nullptr;
        QLineEdit* c = nullptr;
        QLineEdit* percentage = nullptr;
        QLineEdit* author = nullptr;
        QLineEdit* description = nullptr;
        QLineEdit* validFrom = nullptr;
        QLineEdit* validTo = nullptr;
        QLineEdit* fileName = nullptr;
    } fields_;
    struct StatusLabels {
        QLabel* identifier = nullptr; // lblChkVersion
        QLabel* checksum = nullptr;   // lblOK
        QLabel* expired = nullptr;    // lblScaduta
        QLabel* notActive = nullptr;  // lblAttiva
    } status_;
    QPushButton* adapt_ = nullptr;
    QPushButton* updateMatrix_ = nullptr; // cmdUpdateMatrix
};

} // namespace quintora
