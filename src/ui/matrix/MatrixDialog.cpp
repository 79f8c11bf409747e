#include "ui/matrix/MatrixDialog.h"

#include "document/SystemDocument.h"
#include "matrix/MatrixAdaptation.h"
#include "matrix/MatrixFile.h"
#include "matrix/WheelMaker.h"
#include "ui/DisplayFormat.h"
#include "ui/LanguageText.h"
#include "ui/matrix/NewMatrixDialog.h"
#include "ui/Prompt.h"
#include "ui/widgets/NamedWidgets.h"
#include "ui/WindowLoad.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace quintora {

namespace {

QString dateText(double ole) {
    const auto date = dateFromOle(ole);
    return date ? QString::fromStdString(formatDate(*date)) : QString();
}

} // namespace

MatrixDialog::MatrixDialog(SystemDocument& document, Prompt& prompt, Language& language,
                           QString matrixFolder, std::uint8_t filterV, CalendarDate today,
                           QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , prompt_(prompt)
    , language_(language)
    , folder_(std::move(matrixFolder))
    , filterV_(filterV)
    , today_(today)
    , messages_(MatrixMessages::fromLanguage(language))
    , download_([](const std::string&, const std::string&) -> Status {
        return Error{"", "server not reachable"};
    }) {
    setObjectName(QStringLiteral("frmMatr"));
    setWindowTitle(QStringLiteral("Matrici"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* listFrame = new QGroupBox(QStringLiteral("Matrici disponibili"), this);
    listFrame->setObjectName(QStringLiteral("frameElenco"));
    list_ = new QListWidget(listFrame);
    list_->setObjectName(QStringLiteral("flZOR"));
    list_->setMinimumWidth(180);
    (new QVBoxLayout(listFrame))->addWidget(list_);

    auto* headerFrame = new QGroupBox(QStringLiteral("Matrice"), this);
    headerFrame->setObjectName(QStringLiteral("frameMatrice"));
    auto* grid = new QGridLayout(headerFrame);
    grid->setHorizontalSpacing(8);
    auto field = [&](const char* labelName, const char* caption, const char* name, int row,
                     int column, int span) {
        auto* label = new QLabel(QString::fromUtf8(caption), headerFrame);
        label->setObjectName(QString::fromUtf8(labelName));
        auto* edit = new QLineEdit(headerFrame);
        edit->setObjectName(QString::fromUtf8(name));
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus);
        label->setBuddy(edit);
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row, column + 1, 1, span);
        return edit;
    };
    // The six counts in two columns, the texts and the dates below over the whole width.
    fields_.v = field("lblNumMatrix", "Numeri (V)", "txtNumMatrix", 0, 0, 1);
    fields_.k = field("lblLenCol", "Numeri per colonna (K)", "txtLenCol", 0, 2, 1);
    fields_.t = field("lblGaranty", "Garanzia (T)", "txtGaranty", 1, 0, 1);
    fields_.m = field("lblPickUp", "Se estratti (M)", "txtPickUp", 1, 2, 1);
    fields_.f = field("lblFixedNum", "Numeri fissi (F)", "txtFixedNum", 2, 0, 1);
    fields_.c = field("lblColMatrix", "Colonne (C)", "txtColMatrix", 2, 2, 1);
    fields_.percentage = field("lblPercentage", "Copertura", "txtPercentage", 3, 0, 1);
    fields_.author = field("lblAuthor", "Autore", "txtAuthor", 4, 0, 3);
    fields_.description = field("lblDescription", "Descrizione", "txtDescription", 5, 0, 3);
    fields_.validFrom = field("lblValidFrom", "Valida dal", "txtValidFrom", 6, 0, 1);
    fields_.validTo = field("lblValidTo", "Valida al", "txtValidTo", 6, 2, 1);
    fields_.fileName = field("lblFileName", "File", "txtFileName", 7, 0, 3);
    for (auto* count :
         {fields_.v, fields_.k, fields_.t, fields_.m, fields_.f, fields_.c, fields_.percentage}) {
        count->setAlignment(Qt::AlignRight);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto statusLabel = [this](const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromUtf8(name));
        label->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
        return label;
    };
    status_.identifier = statusLabel("lblChkVersion");
    status_.checksum = statusLabel("lblOK");
    status_.expired = statusLabel("lblScaduta");
    status_.notActive = statusLabel("lblAttiva");
    auto* statusBox = new QVBoxLayout;
    statusBox->setSpacing(2);
    for (auto* label : {status_.identifier, status_.checksum, status_.expired, status_.notActive}) {
        statusBox->addWidget(label);
    }

    auto* right = new QVBoxLayout;
    right->addWidget(headerFrame);
    right->addLayout(statusBox);
    right->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(listFrame, 1);
    top->addLayout(right, 2);

    auto* newMatrix = namedButton("cmdNuova", "Nuova matrice…", this);
    auto* openDir = namedButton("cmdOpenDir", "Apri cartella", this);
    updateMatrix_ = namedButton("cmdUpdateMatrix", "Aggiorna Matrici", this);
    updateMatrix_->setToolTip(QStringLiteral("Scarica le matrici dal server"));
    adapt_ = namedButton("cmdAdatta", "Adatta", this);
    adapt_->setDefault(true);
    auto* close = namedButton("cmdChiudi", "Chiudi", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(newMatrix);
    buttons->addWidget(openDir);
    buttons->addWidget(updateMatrix_);
    buttons->addStretch();
    buttons->addWidget(adapt_);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    connect(list_, &QListWidget::currentRowChanged, this, &MatrixDialog::showEntry);
    connect(adapt_, &QPushButton::clicked, this, &MatrixDialog::adaptSelected);
    connect(openDir, &QPushButton::clicked, this, &MatrixDialog::openFolder);
    connect(updateMatrix_, &QPushButton::clicked, this, &MatrixDialog::updateMatrices);
    connect(newMatrix, &QPushButton::clicked, this, &MatrixDialog::makeNewMatrix);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    refresh();
    loadWindowTexts(this, language, QSize(640, 0));
}

void MatrixDialog::refresh() {
    catalogue_ = loadCatalogue(folder_.toStdString(), filterV_, today_);
    list_->blockSignals(true);
    list_->clear();
    for (const auto& entry : catalogue_.entries) {
        list_->addItem(QString::fromStdString(entry.fileName));
    }
    list_->blockSignals(false);
    list_->setCurrentRow(catalogue_.entries.empty() ? -1 : 0);
    showEntry(list_->currentRow());
}

bool MatrixDialog::adaptable(const CatalogueEntry& entry) const {
    // A matrix built for another count of numbers cannot take the numbers in play.
    return entry.canAdapt() && document_.canAdaptMatrix() &&
           entry.header.v == document_.state().header.numberCount();
}

void MatrixDialog::showEntry(int row) {
    const bool valid = row >= 0 && row < static_cast<int>(catalogue_.entries.size());
    if (!valid) {
        for (auto* edit : {fields_.v, fields_.k, fields_.t, fields_.m, fields_.f, fields_.c,
                           fields_.percentage, fields_.author, fields_.description,
                           fields_.validFrom, fields_.validTo, fields_.fileName}) {
            edit->clear();
        }
        for (auto* label :
             {status_.identifier, status_.checksum, status_.expired, status_.notActive}) {
            label->clear();
        }
        adapt_->setEnabled(false);
        return;
    }
    const auto& entry = catalogue_.entries[static_cast<std::size_t>(row)];
    const auto& h = entry.header;
    fields_.v->setText(QString::number(h.v));
    fields_.k->setText(QString::number(h.k));
    fields_.t->setText(QString::number(h.t));
    fields_.m->setText(QString::number(h.m));
    fields_.f->setText(QString::number(h.f));
    fields_.c->setText(displayCount(h.columnCount));
    fields_.percentage->setText(QString::fromStdString(h.percentage));
    fields_.author->setText(QString::fromStdString(h.author));
    fields_.description->setText(shownText(language_, matrixDescription(h)));
    fields_.validFrom->setText(dateText(h.validFrom));
    fields_.validTo->setText(dateText(h.validTo));
    fields_.fileName->setText(QString::fromStdString(entry.fileName));
    for (auto* edit : {fields_.author, fields_.description, fields_.fileName}) {
        edit->setCursorPosition(0);
    }
    const auto texts = statusTexts(entry, messages_);
    status_.identifier->setText(QString::fromStdString(texts.identifier));
    status_.checksum->setText(QString::fromStdString(texts.checksum));
    status_.expired->setText(QString::fromStdString(texts.expired));
    status_.notActive->setText(QString::fromStdString(texts.notActive));
    adapt_->setEnabled(adaptable(entry));
}

void MatrixDialog::showError(const QString& text) {
    prompt_.message(this, {}, text, Prompt::Icon::Critical);
}

void MatrixDialog::adaptSelected() {
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(catalogue_.entries.size())) {
        return;
    }
    const auto entry = catalogue_.entries[static_cast<std::size_t>(row)];
    if (!adaptable(entry)) {
        return;
    }
    // The column limit is checked on the header, before anything is asked or read.
    if (auto limit = checkMatrixColumnLimit(entry.header, messages_); !limit) {
        showError(shownText(language_, limit.error().what));
        return;
    }
    const std::vector<std::uint8_t> inPlay = numbersInPlay(document_.state().header);
    std::vector<std::uint8_t> fixed;
    for (int n = 1; n <= entry.header.f; ++n) {
        const QString question = QString::fromStdString(fixedNumberQuestion(n, messages_));
        while (static_cast<int>(fixed.size()) < n) {
            const auto answer = prompt_.inputText(this, {}, question);
            if (!answer) {
                return; // cancelled: nothing changes
            }
            const auto number = parseFixedNumberAnswer(answer->toStdString(), inPlay, fixed);
            if (!number) {
                prompt_.beep();
                prompt_.message(this, {}, shownText(language_, number.error().what),
                                Prompt::Icon::Exclamation);
                continue;
            }
            fixed.push_back(number.value());
        }
    }
    if (!fixed.empty() &&
        !prompt_.question(this, {},
                          QString::fromStdString(fixedNumbersChosenText(fixed, messages_)),
                          Prompt::Icon::Question)) {
        return;
    }
    const QString path = QDir(folder_).filePath(QString::fromStdString(entry.fileName));
    const auto matrix = readMatrixFile(path.toStdString());
    if (!matrix) {
        showError(QString::fromStdString(entry.fileName) + u'\n' +
                  shownText(language_, matrix.error().what));
        return;
    }
    auto adapted = adaptMatrix(matrix.value(), inPlay, fixed, messages_);
    if (!adapted) {
        showError(shownText(language_, adapted.error().what));
        return;
    }
    if (auto adopted = document_.adoptAdaptation(std::move(adapted.value())); !adopted) {
        showError(shownText(language_, adopted.error().what));
        return;
    }
    accept();
}

void MatrixDialog::openFolder() {
    QDir().mkpath(folder_); // a missing folder is made, so the file manager has one to show
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder_));
}

void MatrixDialog::makeNewMatrix() {
    NewMatrixDialog dialog(prompt_, language_, folder_, today_,
                           filterV_ > 0 ? filterV_ : std::uint8_t{10}, this);
    if (dialog.exec() == QDialog::Accepted) {
        refresh();
        const auto items = list_->findItems(dialog.savedFileName(), Qt::MatchExactly);
        if (!items.isEmpty()) {
            list_->setCurrentItem(items.first());
        }
    }
}

void MatrixDialog::setDownload(Download download, std::string server, std::string tempFolder) {
    download_ = std::move(download);
    server_ = std::move(server);
    tempFolder_ = std::move(tempFolder);
}

void MatrixDialog::updateMatrices() {
    updateMatrix_->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto report = updateMatrixFiles(download_, server_, tempFolder_, folder_.toStdString());
    QApplication::restoreOverrideCursor();
    updateMatrix_->setEnabled(true);
    if (!report) {
        prompt_.message(this, windowTitle(),
                        languageText(language_, text::MatrixListDownloadFailed),
                        Prompt::Icon::Critical);
        return;
    }
    refresh();
    const auto& r = report.value();
    QString text = r.stored.empty() ? languageText(language_, text::NoMatrixDownloaded)
                                    : languageText(language_, text::MatricesDownloaded);
    for (const auto& name : r.stored) {
        text += u'\n' + QString::fromStdString(name);
    }
    if (!r.problems.empty()) {
        text += QStringLiteral("\n\n") + languageText(language_, text::FilesNotDownloaded);
        for (const auto& problem : r.problems) {
            text += u'\n' + shownText(language_, problem);
        }
    }
    prompt_.message(this, windowTitle(), text,
                    r.problems.empty() ? Prompt::Icon::Information : Prompt::Icon::Exclamation);
}

} // namespace quintora
