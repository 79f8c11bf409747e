#include "ui/archive/ArchiveWindow.h"

#include "archive/ArchiveCorrections.h"
#include "archive/ArchiveList.h"
#include "document/ArchiveDocument.h"
#include "ui/ArchiveSignals.h"
#include "ui/DisplayFormat.h"
#include "ui/LanguageText.h"
#include "ui/Prompt.h"
#include "ui/widgets/NamedWidgets.h"
#include "ui/WindowLoad.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QStyle>
#include <QVBoxLayout>
#include <utility>

namespace quintora {

namespace {

// A box lists this many differences at most; the summary counts them all.
constexpr std::size_t MaxCorrectionLinesShown = 30;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QPushButton* namedButton(const char* name, const char* text, const char* tip, QWidget* parent) {
    auto* b = new QPushButton(QString::fromUtf8(text), parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setToolTip(QString::fromUtf8(tip));
    b->setAutoDefault(false);
    b->setMinimumSize(110, 30);
    return b;
}

Status noServer(const std::string&, const std::string&) {
    return Error{"", "server not reachable"};
}

} // namespace

ArchiveWindow::ArchiveWindow(ArchiveDocument& archives, Prompt& prompt, Language& language,
                             Paths paths, std::function<bool()> shuttingDown, QWidget* parent)
    : QDialog(parent)
    , archives_(archives)
    , prompt_(prompt)
    , language_(language)
    , paths_(std::move(paths))
    , shuttingDown_(std::move(shuttingDown))
    , download_(noServer)
    , server_([] { return std::string(); }) {
    setObjectName(QStringLiteral("frmUpdate"));
    setWindowTitle(QStringLiteral(" Archivio Estrazioni"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);

    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(font().pointSize() + 1);
    QFont monoBold = mono;
    monoBold.setBold(true);

    auto* heading =
        namedLabel("lbIntestazione", "    DATA    | N.  | Colonna Vincente | J1 | J2", this);
    heading->setFont(mono);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lst"));
    list_->setToolTip(QStringLiteral("Doppio Click x Colonna di Spoglio"));
    list_->setFont(mono);
    list_->setUniformItemSizes(true);
    list_->setMinimumWidth(QFontMetrics(mono).horizontalAdvance(QString(50, u'0')) +
                           list_->verticalScrollBar()->sizeHint().width() + 8);
    list_->setMinimumHeight(QFontMetrics(mono).height() * 16);
    // The heading's columns over the list's: the same font, starting where a line's text does.
    heading->setContentsMargins(
        list_->frameWidth() + style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) +
            1,
        0, 0, 0);
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { chooseLine(list_->row(item)); });

    auto* lastFrame = new QGroupBox(QStringLiteral("Ultima Estrazione"), this);
    lastFrame->setObjectName(QStringLiteral("frameUltima"));
    last_ = namedLabel("lbLast", "ultima estrazione", lastFrame);
    last_->setFont(monoBold);
    last_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* lastLayout = new QVBoxLayout(lastFrame);
    lastLayout->addWidget(last_);

    auto* totalCaption = namedLabel("lbCaptionTotale", " Estrazioni Totali", this);
    total_ = namedLabel("lbTotale", "00000000", this);
    total_->setFrameShape(QFrame::StyledPanel);
    total_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    total_->setContentsMargins(6, 2, 6, 2);
    total_->setFont(monoBold);
    progress_ = namedLabel("lbElaborazione", "", this);
    writeMessageTexts();
    // Its room is kept while it is hidden, so showing it never resizes the window.
    QSizePolicy keepRoom = progress_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    progress_->setSizePolicy(keepRoom);
    progress_->hide();

    update_ = namedButton("cmdUpdate", "Aggiorna", "Click per iniziare l'aggiornamento", this);
    connect(update_, &QPushButton::clicked, this, &ArchiveWindow::update);
    auto* statistics =
        namedButton("cmdStatistiche", "Statistiche", "Click per visualizzare le statistiche", this);
    connect(statistics, &QPushButton::clicked, this, &ArchiveWindow::statisticsRequested);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(totalCaption);
    bottom->addWidget(total_);
    bottom->addStretch();
    bottom->addWidget(progress_);
    bottom->addSpacing(12);
    bottom->addWidget(update_);
    bottom->addWidget(statistics);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(list_, 1);
    layout->addWidget(lastFrame);
    layout->addLayout(bottom);

    loadWindowTexts(this, language, QSize(480, 520));
    readArchive();
    populateList();
    connect(new ArchiveSignals(archives_, this), &ArchiveSignals::changed, this,
            &ArchiveWindow::followArchive);
}

void ArchiveWindow::setDownload(Download download, std::function<std::string()> server) {
    download_ = std::move(download);
    server_ = std::move(server);
}

void ArchiveWindow::readArchive() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto read = archives_.open(paths_.archive.toStdString());
    QApplication::restoreOverrideCursor();
    if (!read) {
        prompt_.message(this, shownText(language_, read.error().heading),
                        shownText(language_, read.error().what), Prompt::Icon::Critical);
    } else if (read.value().count() > 0) {
        // The archive is shown with what could be read; the user learns what was left out.
        prompt_.message(this, windowTitle(), shownText(language_, skippedRecordsText(read.value())),
                        Prompt::Icon::Exclamation);
    }
}

void ArchiveWindow::followArchive(ArchiveChanges what) {
    if (what.has(ArchiveChange::Draws)) {
        populateList();
    }
}

void ArchiveWindow::populateList() {
    const DrawArchive& archive = archives_.archive();
    QStringList lines;
    for (const auto& line : archiveListLines(archive)) {
        lines << fromStd(line);
    }
    list_->setUpdatesEnabled(false);
    list_->clear();
    list_->addItems(lines);
    if (!lines.isEmpty()) {
        list_->setCurrentRow(0);
    }
    list_->setUpdatesEnabled(true);
    showLatestAndTotal();
}

void ArchiveWindow::showLatestAndTotal() {
    if (list_->count() > 0) {
        last_->setText(list_->item(0)->text());
        total_->setText(fromStd(drawTotalText(archives_.archive())));
    }
}

void ArchiveWindow::update() {
    update_->setEnabled(false);
    updating_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The list stays where it is, greyed, so nothing in the window moves.
    list_->setEnabled(false);
    writeMessageTexts();
    progress_->show();
    QApplication::processEvents();

    const std::int32_t before = archives_.archive().count();
    // A failed download has the window's own short message; a refused text says why.
    bool downloadFailed = false;
    const Download download = [&](const std::string& url, const std::string& target,
                                  const DownloadLimits& limits) {
        auto fetched = download_(url, target, limits);
        downloadFailed = !fetched;
        return fetched;
    };
    // A download that corrects held draws is shown and applied only when the user agrees.
    const CorrectionConsent consent = [this](const ArchiveCorrections& corrections) {
        QStringList lines{shownText(
            language_, Message{text::CorrectionsHeading, {correctionsSummary(corrections)}})};
        const auto changes = correctionLines(corrections);
        for (std::size_t i = 0; i < changes.size() && i < MaxCorrectionLinesShown; ++i) {
            lines << shownText(language_, changes[i]);
        }
        if (changes.size() > MaxCorrectionLinesShown) {
            lines << QStringLiteral("...");
        }
        lines << QString() << languageText(language_, text::ApplyCorrectionsQuestion);
        return prompt_.question(this, windowTitle(), lines.join(QLatin1Char('\n')));
    };
    const auto updated = archives_.updateFromServer(
        download, server_(), paths_.download.toStdString(), paths_.archive.toStdString(), consent);
    if (!updated) {
        prompt_.message(this, windowTitle(),
                        downloadFailed ? languageText(language_, text::UpdateDownloadFailed)
                                       : shownText(language_, updated.error().what),
                        Prompt::Icon::Critical);
    }

    update_->setEnabled(true);
    updating_ = false;
    QApplication::restoreOverrideCursor();
    list_->setEnabled(true);
    if (updated) {
        // What the update brought, said in the window: a box would only be in the way.
        const std::int32_t added = archives_.archive().count() - before;
        progress_->setText(added > 0
                               ? languageText(language_, text::DrawsAdded).arg(displayCount(added))
                               : languageText(language_, text::ArchiveUpToDate));
    } else {
        progress_->hide();
    }
}

void ArchiveWindow::chooseLine(int line) {
    const Draw* draw = drawAtListLine(archives_.archive(), line);
    if (draw == nullptr) {
        return;
    }
    const QString text =
        languageText(language_, text::WinningColumnLead) + u'\n' +
        fromStd(drawMainNumbersText(*draw)) + u'\n' +
        languageText(language_, text::WinningColumnSet).arg(fromStd(draw->dateText()));
    prompt_.message(this, windowTitle(), text, Prompt::Icon::Information);
    archives_.setWinningCombination(winningCombinationOf(*draw));
}

bool ArchiveWindow::mayClose() {
    if (!updating_ || (shuttingDown_ && shuttingDown_())) {
        return true;
    }
    prompt_.message(this, windowTitle(), languageText(language_, text::ArchiveUpdating),
                    Prompt::Icon::Information);
    return false;
}

void ArchiveWindow::writeMessageTexts() {
    progress_->setText(languageText(language_, text::Updating) + u'\n' +
                       languageText(language_, text::PleaseWait));
}

void ArchiveWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        // A new language rewrites the captions, the latest draw's label with them: it shows
        // the data again.
        writeMessageTexts();
        progress_->hide();
        showLatestAndTotal();
    }
}

void ArchiveWindow::closeEvent(QCloseEvent* event) {
    if (!mayClose()) {
        event->ignore();
        return;
    }
    // Only hidden: the archive stays loaded for the run.
    event->ignore();
    hide();
}

void ArchiveWindow::reject() {
    if (mayClose()) {
        hide();
    }
}

} // namespace quintora
