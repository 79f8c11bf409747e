#pragma once

#include <array>
#include <QGroupBox>

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

private:
    std::array<QRadioButton*, 3> options_{};
};

} // namespace quintora
