#include "ui/settings/SettingsDialog.h"

#include "core/Format.h"
#include "settings/IniFile.h"
#include "settings/Language.h"
#include "ui/DisplayFormat.h"
#include "ui/LanguageText.h"
#include "ui/Prompt.h"
#include "ui/widgets/NamedWidgets.h"
#include "ui/WindowLoad.h"
#include "update/ServerPaths.h"

#include <cmath>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

namespace quintora {

namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

SettingsDialog::SettingsDialog(SettingsDocument& settings, Language& language, Prompt& prompt,
                               QStringList printers, QWidget* parent)
    : QDialog(parent)
    , download_([](const std::string&, const std::string&) -> Status {
        return Error{"", "server not reachable"};
    })
    , tempFolder_(language.dataFolder() + "/temp")
    , document_(settings)
    , settings_(settings.settings())
    , language_(language)
    , prompt_(prompt)
    , header_(new QLineEdit(this))
    , price_(new QLineEdit(this))
    , server_(new QLineEdit(this))
    , recalcMode_(nullptr)
    , source_{}
    , rules_{}
    , languages_(new QComboBox(this))
    , printers_(new QComboBox(this))
    , langUpdate_(nullptr) {
    setObjectName(QStringLiteral("frmImpostazioni"));
    setWindowTitle(QStringLiteral("Impostazioni"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    header_->setObjectName(QStringLiteral("mskIntestazione"));
    // The settings file keeps at most this many characters of a value.
    header_->setMaxLength(static_cast<int>(IniFile::ValueLimit));
    header_->setText(fromStd(settings_.header));
    // An empty header prints the language's placeholder: shown greyed, never stored.
    header_->setPlaceholderText(languageText(language_, text::DefaultHeader));
    header_->setMinimumWidth(
        header_->fontMetrics().horizontalAdvance(
            header_->text().isEmpty() ? header_->placeholderText() : header_->text()) +
        24);

    price_->setObjectName(QStringLiteral("txtCostoCol"));
    price_->setText(displayPrice(settings_.pricePerColumn));
    price_->setAlignment(Qt::AlignRight);
    price_->setMaxLength(12);
    price_->setMaximumWidth(price_->fontMetrics().horizontalAdvance(QStringLiteral("0000000,00")) +
                            16);

    server_->setObjectName(QStringLiteral("txtServer"));
    server_->setText(fromStd(settings_.server));

    languages_->setObjectName(QStringLiteral("cmbLingua"));
    printers_->setObjectName(QStringLiteral("cmbStampante"));
    printers_->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    auto* update = namedButton("cmdLangUpdate", "Aggiorna Lingue", this);
    update->setToolTip(QStringLiteral("Scarica i file delle lingue dal server"));
    langUpdate_ = update;
    connect(update, &QPushButton::clicked, this, &SettingsDialog::updateLanguages);
    auto* info = namedButton("cmdInfoLanguage", "?", this);
    info->setToolTip(QStringLiteral("Informazioni sui file delle lingue"));
    info->setMaximumWidth(info->fontMetrics().horizontalAdvance(QStringLiteral("?")) + 24);
    connect(info, &QPushButton::clicked, this, &SettingsDialog::showLanguageInfo);

    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(languages_, 1);
    languageRow->addWidget(update);
    languageRow->addWidget(info);

    auto* grid = new QGridLayout;
    grid->addWidget(namedLabel("lblIntestazione", "Intestazione Schedine", this), 0, 0);
    grid->addWidget(header_, 0, 1);
    grid->addWidget(namedLabel("lblCostoCol", "Costo Colonna (€)", this), 1, 0);
    grid->addWidget(price_, 1, 1, Qt::AlignLeft);
    grid->addWidget(namedLabel("lblStampante", "Stampante Tabulato", this), 2, 0);
    grid->addWidget(printers_, 2, 1);
    grid->addWidget(namedLabel("lblLingua", "Lingua", this), 3, 0);
    grid->addLayout(languageRow, 3, 1);
    grid->addWidget(namedLabel("lblServer", "Server", this), 4, 0);
    grid->addWidget(server_, 4, 1);
    grid->setColumnStretch(1, 1);

    auto* saveButton = namedButton("cmdSalva", "Salva", this);
    saveButton->setDefault(true);
    connect(saveButton, &QPushButton::clicked, this, &SettingsDialog::save);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buildRules());
    layout->addWidget(buildRecalculation());
    layout->addLayout(buttons);

    fillLanguages();
    printerProblem_ = fillPrinters(printers);
    loadWindowTexts(this, language_, QSize(480, 0));
}

// The printer problem is said once the dialog is up, so the box stands over it and takes the
// keys: said before, the Return that closed the box could reach the dialog's "Salva" as it
// appeared, saving settings the user never saw.
void SettingsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (printerProblem_.isEmpty()) {
        return;
    }
    QTimer::singleShot(0, this, [this, problem = std::exchange(printerProblem_, {})] {
        prompt_.message(this, {}, problem, Prompt::Icon::Critical);
    });
}

QWidget* SettingsDialog::buildRecalculation() {
    auto* frame = new QGroupBox(QStringLiteral("Ricalcolo"), this);
    frame->setObjectName(QStringLiteral("frameRicalcolo"));
    // The chosen option in yellow, as everywhere in the program.
    frame->setStyleSheet(
        QStringLiteral("QRadioButton:checked { background: yellow; color: black; }"));
    recalcMode_ = new QCheckBox(QStringLiteral("Ricalcolo automatico"), frame);
    recalcMode_->setObjectName(QStringLiteral("chkStatoRicalcolo"));
    recalcMode_->setChecked(settings_.recalcMode);
    const char* captions[] = {"Sorgente 1", "Sorgente 2"};
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(recalcMode_);
    layout->addStretch();
    for (int i = 0; i < 2; ++i) {
        source_[i] = new QRadioButton(QString::fromUtf8(captions[i]), frame);
        source_[i]->setObjectName(QStringLiteral("optModoRicalcolo(%1)").arg(i));
        layout->addWidget(source_[i]);
    }
    source_[settings_.recalcSource == 2 ? 1 : 0]->setChecked(true);
    return frame;
}

QWidget* SettingsDialog::buildRules() {
    auto* frame = new QGroupBox(QStringLiteral("Numeri Euro"), this);
    frame->setObjectName(QStringLiteral("frameNumeriEuro"));
    frame->setStyleSheet(
        QStringLiteral("QRadioButton:checked { background: yellow; color: black; }"));
    const char* captions[] = {"Euro 1-10", "Euro 1-12, dal 25/03/2022"};
    auto* layout = new QHBoxLayout(frame);
    for (int i = 0; i < 2; ++i) {
        rules_[i] = new QRadioButton(QString::fromUtf8(captions[i]), frame);
        rules_[i]->setObjectName(QStringLiteral("optNumeriEuro(%1)").arg(i));
        layout->addWidget(rules_[i]);
    }
    layout->addStretch();
    rules_[settings_.rules == GameRules::current() ? 1 : 0]->setChecked(true);
    return frame;
}

void SettingsDialog::fillLanguages() {
    languages_->clear();
    for (const auto& name : availableLanguages(language_.dataFolder())) {
        languages_->addItem(fromStd(name));
    }
    // With no language chosen yet, or one whose file is gone, the program's own is offered.
    int index = languages_->findText(fromStd(settings_.language));
    if (index < 0) {
        index = std::max(0, languages_->findText(QStringLiteral("italiano")));
    }
    languages_->setCurrentIndex(index);
}

QString SettingsDialog::fillPrinters(const QStringList& printers) {
    printers_->addItems(printers);
    if (printers.isEmpty()) {
        return languageText(language_, text::PrinterNotFound);
    }
    const int match = printers_->findText(fromStd(settings_.listingPrinter));
    printers_->setCurrentIndex(std::max(0, match));
    return match < 0 ? languageText(language_, text::SelectPrinter) : QString();
}

void SettingsDialog::setDownload(Download download, std::string tempFolder) {
    download_ = std::move(download);
    tempFolder_ = std::move(tempFolder);
}

void SettingsDialog::updateLanguages() {
    langUpdate_->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto report = updateLanguageFiles(download_, server_->text().trimmed().toStdString(),
                                            tempFolder_, language_.dataFolder());
    QApplication::restoreOverrideCursor();
    langUpdate_->setEnabled(true);
    if (!report) {
        prompt_.message(this, windowTitle(),
                        languageText(language_, text::LanguageListDownloadFailed),
                        Prompt::Icon::Critical);
        return;
    }
    const QString chosen = languages_->currentText();
    fillLanguages();
    if (const int index = languages_->findText(chosen); index >= 0) {
        languages_->setCurrentIndex(index);
    }
    QString text = report.value().stored.empty()
                       ? languageText(language_, text::NoLanguageFileUpdated)
                       : languageText(language_, text::LanguageFilesUpdated);
    for (const auto& name : report.value().stored) {
        text += u'\n' + fromStd(name);
    }
    if (!report.value().problems.empty()) {
        text += QStringLiteral("\n\n") + languageText(language_, text::FilesNotDownloaded);
        for (const auto& problem : report.value().problems) {
            text += u'\n' + shownText(language_, problem);
        }
    }
    prompt_.message(this, windowTitle(), text,
                    report.value().problems.empty() ? Prompt::Icon::Information
                                                    : Prompt::Icon::Exclamation);
}

void SettingsDialog::showLanguageInfo() {
    // The credits come from the server; without it the note on the folder is all there is.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto credits =
        downloadLanguageCredits(download_, server_->text().trimmed().toStdString(), tempFolder_);
    QApplication::restoreOverrideCursor();
    QString text;
    if (credits && !credits.value().empty()) {
        text = fromStd(credits.value()).trimmed() + QStringLiteral("\n\n");
    }
    text += languageText(language_, text::LanguageFilesFolder).arg(fromStd(language_.dataFolder()));
    prompt_.message(this, {}, text, Prompt::Icon::Information);
}

QStringList SettingsDialog::installedPrinters() {
    return QPrinterInfo::availablePrinterNames();
}

Settings SettingsDialog::editedSettings() const {
    Settings edited = settings_;
    edited.header = header_->text().toStdString();
    // With no printer installed the box is empty: the printer chosen before stays.
    if (printers_->count() > 0) {
        edited.listingPrinter = printers_->currentText().toStdString();
    }
    edited.recalcMode = recalcMode_->isChecked();
    edited.recalcSource = source_[1]->isChecked() ? 2 : 1;
    edited.language = languages_->currentText().toStdString();
    edited.pricePerColumn = parseEuros(price_->text().toStdString()).value_or(-1);
    edited.server = server_->text().trimmed().toStdString();
    edited.rules = rules_[1]->isChecked() ? GameRules::current() : GameRules::classic();
    return edited;
}

void SettingsDialog::save() {
    const Settings edited = editedSettings();
    if (edited.pricePerColumn < 0) {
        prompt_.message(this, languageText(language_, text::WarningCapitals),
                        languageText(language_, text::InvalidColumnPriceHint),
                        Prompt::Icon::Exclamation);
        price_->setFocus();
        price_->selectAll();
        return;
    }
    if (edited.rules != settings_.rules && rulesCheck_ && !rulesCheck_(edited.rules)) {
        rules_[settings_.rules == GameRules::current() ? 1 : 0]->setChecked(true);
        return;
    }
    if (const auto written = document_.save(edited); !written) {
        prompt_.message(this, shownText(language_, written.error().heading),
                        shownText(language_, written.error().what), Prompt::Icon::Critical);
        return;
    }
    accept();
}

} // namespace quintora
