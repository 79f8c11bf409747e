#pragma once

#include "core/GameRules.h"
#include "files/KeptPieces.h"
#include "print/SlipLayout.h"
#include "print/SlipType.h"

#include <array>
#include <memory>
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <string>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace quintora {

class Language;
class OnOffSwitch;
class OutputChoice;
class PrintRun;
class Prompt;

// frmTaratura1 / frmTaratura5: the calibration of one slip type. It holds its own copy of the
// layout, starting from the calibration file with defaults for the measures stored as 0;
// nothing is written until cmdSalva. cmdTest prints the test page with the values shown.
class CalibrationDialog : public QDialog {
    Q_OBJECT
public:
    struct Paths {
        QString calibrationFile; // scheda1col.cfg / scheda5col.cfg of the data folder
        QString pdfFolder;       // where a PDF of the test page is offered
    };

    // `printers` are the device names of the installed printers, in the system's order;
    // `header` is the header text the slips carry.
    CalibrationDialog(SlipType type, Paths paths, std::string header, QStringList printers,
                      Language& language, Prompt& prompt, QWidget* parent);
    ~CalibrationDialog() override;

    // The rules whose Euro numbers the test page marks (Euro 1-10 unless told).
    void setRules(GameRules rules);

    // The layout as the dialog holds it now (measures to 0.1 mm, the chosen printer).
    SlipLayout layout() const;
    SlipType slipType() const { return type_; }

    // cmdTest: the test page on the chosen target.
    void printTest();
    // cmdSalva: writes the calibration file; the dialog stays open.
    void save();

private:
    // One measure: its value box "lab…", its scroll bar in tenths of a millimetre.
    struct Measure {
        float SlipLayout::*field;
        QLineEdit* value = nullptr;
        QScrollBar* bar = nullptr;
    };
    QGroupBox* measureGroup(const char* name, const char* title, std::array<const char*, 3> xNames,
                            std::array<const char*, 3> yNames, float SlipLayout::*xField,
                            float SlipLayout::*yField);
    void addMeasure(QWidget* group, QGridLayout* grid, int row, std::array<const char*, 3> names,
                    float SlipLayout::*field);
    // The printer list; the message to show when no printer or none of the layout's.
    QString fillPrinters(const QStringList& printers);
    void showLayout();
    void chooseQuality(bool normal);
    void refreshPicture();

    SlipType type_;
    Paths paths_;
    std::string header_;
    Language& language_;
    Prompt& prompt_;
    SlipLayout layout_;
    KeptPieces kept_; // the file's bytes the dialog does not use, written back unchanged
    GameRules rules_ = GameRules::classic();
    std::vector<Measure> measures_;
    QComboBox* printers_ = nullptr;  // cmbStampante
    OnOffSwitch* quality_ = nullptr; // optColor(0) Normale, optColor(1) Bassa
    QGroupBox* spacing_ = nullptr;   // the "Distanza tra Numeri" group
    OutputChoice* output_ = nullptr;
    QLabel* picture_ = nullptr; // imgScheda
    QPointer<PrintRun> run_;
};

} // namespace quintora
