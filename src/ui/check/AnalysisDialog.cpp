#include "ui/check/AnalysisDialog.h"

#include "check/DrawCheck.h"
#include "ui/LanguageText.h"
#include "ui/WindowLoad.h"

#include <cmath>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quintora {

namespace {

constexpr int BarScale = 1000;

QTableWidget* table(const char* name, int columns, QWidget* parent) {
    auto* t = new QTableWidget(0, columns, parent);
    t->setObjectName(QString::fromUtf8(name));
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(26);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

QTableWidgetItem* cell(const QString& text, bool right = false) {
    auto* item = new QTableWidgetItem(text);
    if (right) {
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return item;
}

} // namespace

AnalysisDialog::AnalysisDialog(std::vector<Column> columns, std::vector<std::uint8_t> systemEuro,
                               int euroMax, Language& language, QWidget* parent)
    : QDialog(parent)
    , columns_(std::move(columns))
    , systemEuro_(std::move(systemEuro))
    , euroMax_(euroMax)
    , language_(language) {
    setObjectName(QStringLiteral("frmAnalisi"));
    setWindowTitle(QStringLiteral("Analisi Sistema"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);

    auto* layout = new QVBoxLayout(this);
    auto* oddsCaption = new QLabel(QStringLiteral("Probabilità in un'estrazione"), this);
    oddsCaption->setObjectName(QStringLiteral("lblProbabilita"));
    QFont bold = oddsCaption->font();
    bold.setBold(true);
    oddsCaption->setFont(bold);
    layout->addWidget(oddsCaption);
    outcomes_ = new QLabel(this);
    outcomes_->setObjectName(QStringLiteral("lblEsiti"));
    layout->addWidget(outcomes_);
    odds_ = table("gridProbabilita", 4, this);
    odds_->setRowCount(PrizeCategoryCount + 1);
    odds_->setMinimumHeight(26 * (PrizeCategoryCount + 2) + 6);
    layout->addWidget(odds_, 3);

    auto* guaranteeCaption = new QLabel(QStringLiteral("Garanzia del sistema"), this);
    guaranteeCaption->setObjectName(QStringLiteral("lblGaranzia"));
    guaranteeCaption->setFont(bold);
    layout->addWidget(guaranteeCaption);
    // Numbers drawn, hits guaranteed, then one column per count of hits, from 5 down to 0.
    guarantee_ = table("gridGaranzia", 2 + NumbersPerColumn + 1, this);
    guarantee_->setMinimumHeight(26 * (NumbersPerColumn + 2) + 6);
    layout->addWidget(guarantee_, 1);

    progressText_ = new QLabel(this);
    progressText_->setObjectName(QStringLiteral("lbElaborazione"));
    layout->addWidget(progressText_);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("pbAnalisi"));
    progress_->setRange(0, 100);
    layout->addWidget(progress_);

    auto* close = new QPushButton(QStringLiteral("Chiudi"), this);
    close->setObjectName(QStringLiteral("cmdChiudi"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(close, 0, Qt::AlignRight);

    writeTexts();
    loadWindowTexts(this, language_, QSize(720, 760));
    start();
}

AnalysisDialog::~AnalysisDialog() {
    stop_ = true;
    if (worker_.joinable()) {
        worker_.join();
    }
}

void AnalysisDialog::start() {
    const QPointer<AnalysisDialog> self(this);
    worker_ = std::thread([this, self] {
        AnalysisControl control;
        control.stop = &stop_;
        control.progress = [self](int percent) {
            QMetaObject::invokeMethod(
                self.data(),
                [self, percent] {
                    if (self) {
                        self->showProgress(percent);
                    }
                },
                Qt::QueuedConnection);
        };
        // The thread only reads the dialog's copies; the dialog waits for it before it goes.
        auto result = analyseSystem(columns_, systemEuro_, euroMax_, control);
        QMetaObject::invokeMethod(
            self.data(),
            [self, result = std::move(result)]() mutable {
                if (self) {
                    self->result_ = std::move(result);
                    self->showResult();
                }
            },
            Qt::QueuedConnection);
    });
}

void AnalysisDialog::showProgress(int percent) {
    progress_->setValue(percent);
}

void AnalysisDialog::writeTexts() {
    odds_->setHorizontalHeaderLabels({languageText(language_, text::CategoryHeading),
                                      languageText(language_, text::OutcomesHeading),
                                      languageText(language_, text::OddsHeading),
                                      languageText(language_, text::LogScaleOdds)});
    QStringList guaranteeHeadings{languageText(language_, text::NumbersDrawnHeading),
                                  languageText(language_, text::HitsGuaranteedHeading)};
    for (int hits = NumbersPerColumn; hits >= 0; --hits) {
        guaranteeHeadings << (hits == 1 ? languageText(language_, text::OneHitHeading)
                                        : languageText(language_, text::HitsHeading).arg(hits));
    }
    guarantee_->setHorizontalHeaderLabels(guaranteeHeadings);
    progressText_->setText(languageText(language_, text::Working) + u' ' +
                           languageText(language_, text::PleaseWait));
    if (result_) {
        showResult();
    }
}

void AnalysisDialog::showResult() {
    progress_->setValue(100);
    progressText_->hide();
    progress_->hide();
    if (!result_) {
        return;
    }
    const QLocale locale;
    const auto& odds = result_->odds;
    outcomes_->setText(languageText(language_, text::OutcomesOfOneDraw)
                           .arg(locale.toString(static_cast<qlonglong>(odds.total)))
                           .arg(odds.euroMax));
    OddsWords words;
    words.oneIn = languageText(language_, text::OddsOneIn).toStdString();
    words.never = languageText(language_, text::Never).toStdString();
    words.thousands = languageText(language_, text::ThousandsSeparatorWord).toStdString();
    words.decimal = languageText(language_, text::DecimalSeparatorWord).toStdString();
    const double floor = std::log10(static_cast<double>(odds.total));
    for (int c = 0; c <= PrizeCategoryCount; ++c) {
        const auto count = odds.outcomes[static_cast<std::size_t>(c)];
        const QString label =
            c < PrizeCategoryCount
                ? QString::fromUtf8(PrizeCategories[static_cast<std::size_t>(c)].label)
                : languageText(language_, text::NoWinCategory);
        odds_->setItem(c, 0, cell(label));
        odds_->setItem(c, 1, cell(locale.toString(static_cast<qlonglong>(count)), true));
        odds_->setItem(c, 2,
                       cell(QString::fromStdString(oddsText(count, odds.total, words)), true));
        // The probability on a log scale: one outcome in all is the left edge, certainty the
        // right one, so the rare top prizes still show a bar.
        auto* bar = qobject_cast<QProgressBar*>(odds_->cellWidget(c, 3));
        if (bar == nullptr) {
            bar = new QProgressBar(odds_);
            bar->setObjectName(QStringLiteral("pbCategoria(%1)").arg(c));
            bar->setRange(0, BarScale);
            bar->setTextVisible(false);
            odds_->setCellWidget(c, 3, bar);
        }
        const double share =
            count > 0 ? 1.0 + std::log10(static_cast<double>(count) / odds.total) / floor : 0.0;
        bar->setValue(static_cast<int>(std::lround(std::max(share, 0.01) * BarScale)) *
                      (count > 0 ? 1 : 0));
    }
    odds_->resizeColumnsToContents();
    guarantee_->setRowCount(static_cast<int>(result_->guarantee.size()));
    for (std::size_t i = 0; i < result_->guarantee.size(); ++i) {
        const auto& line = result_->guarantee[i];
        const int row = static_cast<int>(i);
        guarantee_->setItem(row, 0, cell(QString::number(line.drawn), true));
        guarantee_->setItem(row, 1, cell(QString::number(line.guaranteed), true));
        // Entry j of the sets reaches drawn - j hits; counts above those drawn stay empty.
        for (int hits = NumbersPerColumn; hits >= 0; --hits) {
            const int j = line.drawn - hits;
            const bool reached = j >= 0 && j < static_cast<int>(line.setsReaching.size());
            guarantee_->setItem(row, 2 + NumbersPerColumn - hits,
                                cell(reached ? locale.toString(static_cast<qlonglong>(
                                                   line.setsReaching[static_cast<std::size_t>(j)]))
                                             : QString(),
                                     true));
        }
    }
    guarantee_->resizeColumnsToContents();
    emit analysisDone();
}

void AnalysisDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        writeTexts();
    }
}

} // namespace quintora
