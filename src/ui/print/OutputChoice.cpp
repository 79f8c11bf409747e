#include "ui/print/OutputChoice.h"

#include "settings/Settings.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QRadioButton>

namespace quintora {

OutputChoice::OutputChoice(QWidget* parent)
    : QGroupBox(QStringLiteral("Destinazione"), parent) {
    setObjectName(QStringLiteral("frameDestinazione"));
    // The chosen option in yellow, as everywhere in the program.
    setStyleSheet(QStringLiteral("QRadioButton:checked { background: yellow; color: black; }"));
    const char* captions[] = {"Stampante", "Anteprima", "File PDF"};
    auto* layout = new QHBoxLayout(this);
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(captions[i]), this);
        option->setObjectName(QStringLiteral("optDestinazione(%1)").arg(i));
        layout->addWidget(option);
        options_[static_cast<std::size_t>(i)] = option;
    }
    options_[0]->setChecked(true);
}

OutputKind OutputChoice::target() const {
    for (std::size_t i = 0; i < options_.size(); ++i) {
        if (options_[i]->isChecked()) {
            return static_cast<OutputKind>(i);
        }
    }
    return OutputKind::Printer;
}

void OutputChoice::setTarget(OutputKind target) {
    options_[static_cast<std::size_t>(target)]->setChecked(true);
}

void OutputChoice::setSavedTarget(const std::string& word) {
    for (std::size_t i = 0; i < std::size(SlipOutputs); ++i) {
        if (word == SlipOutputs[i]) {
            setTarget(static_cast<OutputKind>(i));
        }
    }
}

std::string OutputChoice::savedTarget() const {
    return SlipOutputs[static_cast<std::size_t>(target())];
}

QString offeredPdfFolder(const std::string& saved, const QString& fallback) {
    const QString folder = QString::fromStdString(saved);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : fallback;
}

std::string pdfFolderToSave(const QString& folder, const QString& fallback) {
    return folder == fallback ? std::string() : folder.toStdString();
}

} // namespace quintora
