#pragma once

#include <array>
#include <QGroupBox>
#include <QString>
#include <string>

class QRadioButton;

namespace quintora {

// Where a print goes: the printer, a preview window or a PDF file.
enum class OutputKind { Printer = 0, Preview = 1, Pdf = 2 };

// The "Destinazione" group of the printing windows: options optDestinazione(0..2) for the
// printer, the preview and a PDF file. The printer is chosen when the window opens.
class OutputChoice : public QGroupBox {
    Q_OBJECT
public:
    explicit OutputChoice(QWidget* parent);

    OutputKind target() const;
    void setTarget(OutputKind target);
    // The settings' word for an output (one of SlipOutputs): choosing the one saved last, and
    // the word to save for the one chosen. An unknown word leaves the choice as it is.
    void setSavedTarget(const std::string& word);
    std::string savedTarget() const;

private:
    std::array<QRadioButton*, 3> options_{};
};

// The PDF folder a printing window offers: the one saved last while it still exists, otherwise
// `fallback`; and what to save for `folder`: nothing when it is the fallback.
QString offeredPdfFolder(const std::string& saved, const QString& fallback);
std::string pdfFolderToSave(const QString& folder, const QString& fallback);

} // namespace quintora
