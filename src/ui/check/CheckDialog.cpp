#include "ui/check/CheckDialog.h"

#include "check/DrawCheck.h"
#include "document/ArchiveDocument.h"
#include "document/SystemDocument.h"
#include "ui/ArchiveSignals.h"
#include "ui/DocumentSignals.h"
#include "ui/LanguageText.h"
#include "ui/Prompt.h"
#include "ui/widgets/MoveOnWhenFull.h"
#include "ui/WindowLoad.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace quintora {

namespace {

constexpr int ListColumns = 6; // the twelve lists in two rows

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CheckDialog::CheckDialog(SystemDocument& document, ArchiveDocument& archives, Prompt& prompt,
                         Language& language, QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , archives_(archives)
    , prompt_(prompt)
    , language_(language) {
    setObjectName(QStringLiteral("frmSpoglio"));
    setWindowTitle(QStringLiteral("Spoglio"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);

    result_ = new QLabel(QStringLiteral("Massimo punteggio raggiunto"), this);
    result_->setObjectName(QStringLiteral("labMaxPunti"));
    result_->setFrameShape(QFrame::StyledPanel);
    result_->setContentsMargins(8, 4, 8, 4);
    QFont bold = result_->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    result_->setFont(bold);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFields());
    layout->addWidget(buildLists(), 1);
    layout->addWidget(result_);

    loadWindowTexts(this, language, QSize(720, 480));
    // The result line speaks only after a check; its room stays.
    result_->setMinimumHeight(result_->sizeHint().height());
    showResult();
    init();
    field(0)->setFocus();
    connect(new DocumentSignals(document, this), &DocumentSignals::changed, this,
            &CheckDialog::followDocument);
    connect(new ArchiveSignals(archives, this), &ArchiveSignals::changed, this,
            &CheckDialog::followArchive);
}

CheckDialog::~CheckDialog() {
    // The fields go after this object's members: their last focus change must not reach them.
    for (auto* f : fields_) {
        f->removeEventFilter(this);
    }
}

void CheckDialog::followDocument(Changes what) {
    if (!document_.canCheck()) {
        close();
    } else if (what.has(Change::Columns)) {
        // The listed column numbers belong to the columns that were checked.
        clearLists();
        best_.reset();
        showResult();
    }
}

QWidget* CheckDialog::buildFields() {
    auto* row = new QWidget(this);
    auto* main = new QGroupBox(QStringLiteral("Colonna vincente"), row);
    main->setObjectName(QStringLiteral("frameColonna"));
    auto* euro = new QGroupBox(QStringLiteral("Jackpot"), row);
    euro->setObjectName(QStringLiteral("frameJackpot"));
    for (auto* frame : {main, euro}) {
        frame->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    }
    auto* mainLayout = new QHBoxLayout(main);
    auto* euroLayout = new QHBoxLayout(euro);

    QFont digits = font();
    digits.setPointSize(digits.pointSize() + 4);
    digits.setBold(true);
    for (int k = 0; k < WinningCombination::FieldCount; ++k) {
        const bool isMain = k < NumbersPerColumn;
        auto* f = new QLineEdit(isMain ? main : euro);
        f->setObjectName(QStringLiteral("meSpoglio(%1)").arg(k));
        f->setInputMask(QStringLiteral("00;_")); // at most two digits, "__" when empty
        f->setFont(digits);
        f->setAlignment(Qt::AlignCenter);
        f->setFixedWidth(QFontMetrics(digits).horizontalAdvance(QStringLiteral("000")) + 16);
        f->installEventFilter(this);
        moveOnWhenFull(f);
        (isMain ? mainLayout : euroLayout)->addWidget(f);
        fields_[static_cast<std::size_t>(k)] = f;
    }

    check_ = new QPushButton(QStringLiteral("Spoglio"), row);
    check_->setObjectName(QStringLiteral("cmdSpoglio"));
    auto* clear = new QPushButton(QStringLiteral("Cancella"), row);
    clear->setObjectName(QStringLiteral("cmdCancella"));
    for (auto* b : {check_, clear}) {
        b->setMinimumHeight(32);
        b->setMinimumWidth(96);
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    }
    connect(check_, &QPushButton::clicked, this, &CheckDialog::runCheck);
    check_->setDefault(true);
    connect(clear, &QPushButton::clicked, this, &CheckDialog::clearAll);
    clear->setAutoDefault(false);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(check_);
    buttons->addWidget(clear);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(main);
    layout->addWidget(euro);
    layout->addStretch();
    layout->addLayout(buttons);
    return row;
}

QWidget* CheckDialog::buildLists() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    QFont bold = font();
    bold.setBold(true);
    for (int c = 0; c < PrizeCategoryCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        auto* caption = new QLabel(QString::fromUtf8(PrizeCategories[i].caption), panel);
        caption->setObjectName(QStringLiteral("lblCategoria(%1)").arg(c));
        caption->setFont(bold);
        caption->setAlignment(Qt::AlignCenter);
        auto* list = new QListWidget(panel);
        list->setObjectName(QStringLiteral("listVin(%1)").arg(c));
        list->setUniformItemSizes(true); // long lists stay quick to fill and scroll
        list->setMinimumSize(96, 110);
        auto* count = new QLabel(QStringLiteral("0"), panel);
        count->setObjectName(QStringLiteral("labVincite(%1)").arg(c));
        count->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        count->setAlignment(Qt::AlignCenter);
        count->setFont(bold);
        const int row = (c / ListColumns) * 3;
        const int column = c % ListColumns;
        grid->addWidget(caption, row, column);
        grid->addWidget(list, row + 1, column);
        grid->addWidget(count, row + 2, column);
        grid->setRowStretch(row + 1, 1);
        lists_[i] = list;
        counts_[i] = count;
    }
    return panel;
}

void CheckDialog::followArchive(ArchiveChanges what) {
    if (what.has(ArchiveChange::Winning) && !storing_) {
        init();
    }
}

void CheckDialog::storeCombination(const WinningCombination& combination) {
    storing_ = true;
    archives_.setWinningCombination(combination);
    storing_ = false;
}

void CheckDialog::init() {
    clearLists();
    showFields(entryFieldsOf(archives_.winningCombination()));
}

void CheckDialog::clearLists() {
    for (int c = 0; c < PrizeCategoryCount; ++c) {
        lists_[static_cast<std::size_t>(c)]->clear();
        counts_[static_cast<std::size_t>(c)]->setText(QStringLiteral("0"));
    }
}

void CheckDialog::clearAll() {
    clearLists();
    storeCombination(WinningCombination{});
    showFields(EntryFields{});
    field(0)->setFocus();
}

EntryFields CheckDialog::fieldTexts() const {
    EntryFields texts;
    for (int k = 0; k < WinningCombination::FieldCount; ++k) {
        texts[static_cast<std::size_t>(k)] = field(k)->text().toStdString();
    }
    return texts;
}

void CheckDialog::showFields(const EntryFields& texts) {
    for (int k = 0; k < WinningCombination::FieldCount; ++k) {
        field(k)->setText(fromStd(texts[static_cast<std::size_t>(k)]));
    }
}

void CheckDialog::runCheck() {
    // An archived draw copied into the fields is checked as it was drawn, whatever the rules.
    const EntryCheck entry = checkEntry(fieldTexts(), document_.rules(), archives_.archive().draws);
    showFields(entry.fields); // sorted, also when a later step refuses them
    if (entry.problem) {
        const auto& p = *entry.problem;
        prompt_.message(this, shownText(language_, p.title), shownText(language_, p.message),
                        Prompt::Icon::Exclamation);
        field(p.focusField)->setFocus();
        return;
    }
    storeCombination(entry.combination);
    clearLists();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setEnabled(false);

    const auto& state = document_.state();
    const DrawCheckResult result =
        checkColumns(state.columns, euroNumbers(state.header), entry.combination);
    const QString line = languageText(language_, text::CategoryCount);
    for (int c = 0; c < PrizeCategoryCount; ++c) {
        const auto& winners = result.winners[static_cast<std::size_t>(c)];
        QStringList lines;
        lines.reserve(static_cast<qsizetype>(winners.size()));
        for (const auto column : winners) {
            lines << line.arg(column);
        }
        winnersList(c)->addItems(lines);
        countLabel(c)->setText(QString::number(winners.size()));
    }
    best_ = result.best;
    showResult();

    setEnabled(true);
    QApplication::restoreOverrideCursor();
}

int CheckDialog::fieldIndex(const QObject* object) const {
    for (int k = 0; k < WinningCombination::FieldCount; ++k) {
        if (fields_[static_cast<std::size_t>(k)] == object) {
            return k;
        }
    }
    return -1;
}

bool CheckDialog::eventFilter(QObject* watched, QEvent* event) {
    const int k = fieldIndex(watched);
    if (k >= 0) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                // The dialog's command: the fields are checked as they stand.
                runCheck();
                return true;
            }
            break;
        }
        case QEvent::FocusIn:
            // After the focus change (and a click's cursor placement) select the whole field.
            QTimer::singleShot(0, field(k), &QLineEdit::selectAll);
            break;
        case QEvent::FocusOut: {
            WinningCombination combination = archives_.winningCombination();
            storeLeftField(combination, k, field(k)->text().toStdString());
            storeCombination(combination);
            break;
        }
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CheckDialog::showResult() {
    if (!best_) {
        result_->clear();
    } else if (*best_ == NoWinCategory) {
        result_->setText(languageText(language_, text::NoWin));
    } else {
        result_->setText(languageText(language_, text::BestResultReached) + u' ' +
                         fromStd(prizeCategoryLabel(*best_)));
    }
}

void CheckDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && result_ != nullptr) {
        showResult();
    }
}

} // namespace quintora
