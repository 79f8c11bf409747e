#include "ui/check/ArchiveCheckDialog.h"

#include "check/GridFilter.h"
#include "document/ArchiveDocument.h"
#include "document/SystemDocument.h"
#include "ui/ArchiveSignals.h"
#include "ui/DocumentSignals.h"
#include "ui/LanguageText.h"
#include "ui/WindowLoad.h"

#include <algorithm>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quintora {

namespace {

constexpr int DateCell = 0;
constexpr int NumbersCell = 1;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// The grid's sizes are given in twips (1/1440 inch).
int twips(const QWidget* w, int value) {
    return value * w->logicalDpiX() / 1440;
}

} // namespace

ArchiveCheckDialog::ArchiveCheckDialog(SystemDocument& document, ArchiveDocument& archives,
                                       Language& language, QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , archives_(archives)
    , language_(language) {
    setObjectName(QStringLiteral("frmSpoglioEstrazioni"));
    setWindowTitle(QStringLiteral("Spoglio Estrazioni"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);

    auto* fromCaption = new QLabel(QStringLiteral("Dal"), this);
    fromCaption->setObjectName(QStringLiteral("lblDal"));
    auto* toCaption = new QLabel(QStringLiteral("Al"), this);
    toCaption->setObjectName(QStringLiteral("lblAl"));
    from_ = new QComboBox(this);
    from_->setObjectName(QStringLiteral("cmbDal"));
    to_ = new QComboBox(this);
    to_->setObjectName(QStringLiteral("cmbAl"));
    for (auto* box : {from_, to_}) {
        box->setMaxVisibleItems(20);
        box->setMinimumContentsLength(10);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    run_ = new QPushButton(QStringLiteral("Spoglio"), this);
    run_->setObjectName(QStringLiteral("cmdSpoglioEstrazioni"));
    run_->setMinimumWidth(96);
    connect(run_, &QPushButton::clicked, this, &ArchiveCheckDialog::runCheck);

    filterSwitch_ = new QCheckBox(QStringLiteral("&Filtri"), this);
    filterSwitch_->setObjectName(QStringLiteral("chkFiltri"));
    connect(filterSwitch_, &QCheckBox::toggled, this, &ArchiveCheckDialog::setFilterOn);

    winsOnly_ = new QCheckBox(QStringLiteral("Solo estrazioni vincenti"), this);
    winsOnly_->setObjectName(QStringLiteral("chkSoloVincenti"));
    connect(winsOnly_, &QCheckBox::toggled, this, &ArchiveCheckDialog::applyFilter);

    progress_ = new QLabel(this);
    progress_->setObjectName(QStringLiteral("lbElaborazione"));
    // Its room is kept while hidden, so that the window does not widen when a run shows it.
    QSizePolicy keepRoom = progress_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    progress_->setSizePolicy(keepRoom);
    progress_->hide();

    grid_ = new QTableWidget(0, DrawCheckCellCount, this);
    grid_->setObjectName(QStringLiteral("flexGrid"));
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setWordWrap(false);
    grid_->setAlternatingRowColors(true);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    // The totals: one row that scrolls with the grid's columns.
    totals_ = new QTableWidget(1, DrawCheckCellCount, this);
    totals_->setObjectName(QStringLiteral("flexTotali"));
    totals_->horizontalHeader()->hide();
    totals_->verticalHeader()->hide();
    totals_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    totals_->setSelectionMode(QAbstractItemView::NoSelection);
    totals_->setFocusPolicy(Qt::NoFocus);
    totals_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    totals_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    totals_->horizontalHeader()->setStretchLastSection(true);
    totals_->setSpan(0, DateCell, 1, 2);
    totals_->verticalHeader()->setDefaultSectionSize(grid_->verticalHeader()->defaultSectionSize());
    totals_->setFixedHeight(totals_->verticalHeader()->defaultSectionSize() +
                            2 * totals_->frameWidth());
    connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, totals_->horizontalScrollBar(),
            &QScrollBar::setValue);
    writeMessageTexts();
    auto* head = grid_->horizontalHeader();
    connect(head, &QHeaderView::sectionResized, this, &ArchiveCheckDialog::placeFilterBoxes);
    connect(head, &QHeaderView::geometriesChanged, this, &ArchiveCheckDialog::placeFilterBoxes);
    connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &ArchiveCheckDialog::placeFilterBoxes);

    auto* range = new QHBoxLayout;
    range->addWidget(fromCaption);
    range->addWidget(from_);
    range->addSpacing(12);
    range->addWidget(toCaption);
    range->addWidget(to_);
    range->addSpacing(12);
    range->addWidget(run_);
    range->addStretch();
    range->addWidget(progress_);
    range->addSpacing(12);
    range->addWidget(winsOnly_);
    range->addSpacing(12);
    range->addWidget(filterSwitch_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addWidget(totals_);
    layout->addWidget(grid_, 1);

    loadWindowTexts(this, language, QSize(640, 600));
    autoSizeGrid();
    connect(new DocumentSignals(document, this), &DocumentSignals::changed, this,
            &ArchiveCheckDialog::followDocument);
    connect(new ArchiveSignals(archives, this), &ArchiveSignals::changed, this,
            &ArchiveCheckDialog::followArchive);
}

ArchiveCheckDialog::~ArchiveCheckDialog() {
    // The grid goes after this object's members: it must not call back into them.
    grid_->horizontalHeader()->disconnect(this);
    grid_->horizontalScrollBar()->disconnect(this);
    filterSwitch_->disconnect(this);
    winsOnly_->disconnect(this);
}

void ArchiveCheckDialog::followDocument(Changes what) {
    if (!document_.canCheck()) {
        close();
    } else if (what.has(Change::Columns)) {
        // The rows counted columns that are gone.
        filterSwitch_->setChecked(false);
        grid_->setRowCount(0);
        result_ = {};
        checked_ = false;
        fillTotals();
    }
}

void ArchiveCheckDialog::followArchive(ArchiveChanges what) {
    if (what.has(ArchiveChange::Draws) || what.has(ArchiveChange::Update)) {
        fillDrawDateLists();
    }
}

bool ArchiveCheckDialog::fillDrawDateLists() {
    QStringList dates;
    for (const auto& date : archiveCheckDates(archives_.archive())) {
        dates << fromStd(date);
    }
    for (auto* box : {from_, to_}) {
        box->setEnabled(false);
        box->clear();
        box->addItems(dates); // in one go: no repaint per entry
    }
    from_->setCurrentIndex(dates.isEmpty() ? -1 : 0);
    to_->setCurrentIndex(static_cast<int>(dates.size()) - 1);
    from_->setEnabled(true);
    to_->setEnabled(true);
    return true;
}

void ArchiveCheckDialog::setBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        run_->setEnabled(false);
        progress_->show();
        QApplication::processEvents(); // the pointer and the text show before the work
    } else {
        progress_->hide();
        run_->setEnabled(true);
        QApplication::restoreOverrideCursor();
    }
}

void ArchiveCheckDialog::runCheck() {
    filterSwitch_->setChecked(false); // a run always starts without the filter
    grid_->setRowCount(0);
    result_ = {};
    setBusy(true);
    const int from = from_->currentIndex();
    if (from >= 0) {
        const auto& state = document_.state();
        const ArchiveChecker checker(state.columns, euroNumbers(state.header));
        result_ = checkArchive(checker, archives_.archive(), from, to_->currentIndex());
    }
    checked_ = true;
    fillGrid();
    fillTotals();
    autoSizeGrid();
    applyFilter();
    setBusy(false);
}

void ArchiveCheckDialog::fillGrid() {
    // Every row in one go with the grid frozen: one repaint at the end.
    grid_->setUpdatesEnabled(false);
    const auto& rows = result_.rows;
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < DrawCheckCellCount; ++c) {
            auto* item = new QTableWidgetItem(fromStd(rows[r][static_cast<std::size_t>(c)]));
            if (c != DateCell && c != NumbersCell) {
                item->setTextAlignment(Qt::AlignCenter);
            }
            grid_->setItem(static_cast<int>(r), c, item);
        }
    }
    grid_->setUpdatesEnabled(true);
}

void ArchiveCheckDialog::autoSizeGrid() {
    // Each column as wide as its widest text (header included): the texts it holds, and
    // before any run the widest it can hold, so the window takes its size once.
    const QFontMetrics metrics(font());
    const int padding = twips(this, 230);
    // Wide enough for a filter drop-down showing a count.
    QComboBox probe;
    probe.addItem(QStringLiteral("000"));
    const int filterWidth = probe.sizeHint().width();
    const QString widestCount(QString::number(document_.state().columnCount()).size(), u'0');
    const QString possible[] = {QStringLiteral("00/00/0000"),
                                QStringLiteral("00-00-00-00-00 J 00-00"), QStringLiteral("5+2")};
    int total = 0;
    for (int c = 0; c < DrawCheckCellCount; ++c) {
        int widest =
            std::max(metrics.horizontalAdvance(grid_->horizontalHeaderItem(c)->text()),
                     metrics.horizontalAdvance(c < NumbersCell + 2 ? possible[c] : widestCount));
        for (const auto& row : result_.rows) {
            widest = std::max(widest,
                              metrics.horizontalAdvance(fromStd(row[static_cast<std::size_t>(c)])));
        }
        if (const auto* item = totals_->item(0, c); item != nullptr && c > NumbersCell) {
            widest = std::max(widest, metrics.horizontalAdvance(item->text()));
        }
        const int width = std::max(widest + padding, filterWidth);
        grid_->setColumnWidth(c, width);
        totals_->setColumnWidth(c, width);
        total += width;
    }
    // The totals' words fit over the date and the numbers: the draws' count as it may read.
    const QString draws(QString::number(std::max(1, archives_.archive().count())).size(), u'0');
    const QString words = totals_->item(0, DateCell) != nullptr
                              ? totals_->item(0, DateCell)->text()
                              : languageText(language_, text::ArchiveCheckTotal).arg(draws, draws);
    const int missing = metrics.horizontalAdvance(words) + padding - grid_->columnWidth(DateCell) -
                        grid_->columnWidth(NumbersCell);
    if (missing > 0) {
        grid_->setColumnWidth(NumbersCell, grid_->columnWidth(NumbersCell) + missing);
        totals_->setColumnWidth(NumbersCell, grid_->columnWidth(NumbersCell));
        total += missing;
    }
    if (sized_) {
        return; // results never resize the window: a wider column scrolls
    }
    sized_ = true;
    const int gridWidth = total + twips(this, 300) +
                          grid_->verticalScrollBar()->sizeHint().width() + 2 * grid_->frameWidth();
    // The dialog a little wider than its grid, within the screen.
    int wanted = gridWidth + twips(this, 350);
    if (const QScreen* s = screen()) {
        wanted = std::min(wanted, s->availableGeometry().width());
    }
    if (width() < wanted) {
        resize(wanted, height());
    }
}

void ArchiveCheckDialog::fillTotals() {
    totals_->clearContents();
    if (!checked_) {
        return;
    }
    // The words over the date and numbers columns, the totals under their categories.
    auto* caption = new QTableWidgetItem(languageText(language_, text::ArchiveCheckTotal)
                                             .arg(result_.drawsChecked())
                                             .arg(result_.drawsWon));
    caption->setToolTip(caption->text());
    totals_->setItem(0, DateCell, caption);
    QStringList cells{fromStd(prizeCategoryLabel(result_.best))};
    for (const auto total : result_.totals) {
        cells << QString::number(total);
    }
    for (int c = NumbersCell + 1; c < DrawCheckCellCount; ++c) {
        auto* item = new QTableWidgetItem(cells[c - NumbersCell - 1]);
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        item->setTextAlignment(Qt::AlignCenter);
        totals_->setItem(0, c, item);
    }
}

QComboBox* ArchiveCheckDialog::filterBox(int column) const {
    if (column < 0 || column >= static_cast<int>(filters_.size())) {
        return nullptr;
    }
    return filters_[static_cast<std::size_t>(column)];
}

void ArchiveCheckDialog::setFilterOn(bool on) {
    if (on == filterOn()) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto* head = grid_->horizontalHeader();
    if (on) {
        // The header grows so the drop-downs sit under the column names instead of over them.
        const int textHeight = head->sizeHint().height();
        for (int c = 0; c < DrawCheckCellCount; ++c) {
            auto* box = new QComboBox(head->viewport());
            box->setObjectName(QStringLiteral("cmbFilter(%1)").arg(c));
            QStringList entries;
            for (const auto& text : filterEntries(result_.rows, c)) {
                entries << fromStd(text);
            }
            box->addItems(entries);
            box->setMaxVisibleItems(20);
            box->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
            connect(box, &QComboBox::activated, this, &ArchiveCheckDialog::applyFilter);
            filters_.push_back(box);
        }
        head->setDefaultAlignment(Qt::AlignHCenter | Qt::AlignTop);
        head->setFixedHeight(textHeight + filters_.front()->sizeHint().height());
        placeFilterBoxes();
        for (auto* box : filters_) {
            box->show();
        }
        if (!filterSwitch_->isChecked()) {
            filterSwitch_->setChecked(true);
        }
    } else {
        for (auto* box : filters_) {
            delete box;
        }
        filters_.clear();
        head->setDefaultAlignment(Qt::AlignCenter);
        head->setMinimumHeight(0);
        head->setMaximumHeight(QWIDGETSIZE_MAX);
        applyFilter(); // every row, unless only the winning draws are asked for
        if (filterSwitch_->isChecked()) {
            filterSwitch_->setChecked(false);
        }
    }
    QApplication::restoreOverrideCursor();
}

void ArchiveCheckDialog::placeFilterBoxes() {
    const auto* head = grid_->horizontalHeader();
    for (int c = 0; c < static_cast<int>(filters_.size()); ++c) {
        auto* box = filters_[static_cast<std::size_t>(c)];
        const int h = box->sizeHint().height();
        box->setGeometry(head->sectionViewportPosition(c), head->height() - h, head->sectionSize(c),
                         h);
    }
}

void ArchiveCheckDialog::applyFilter() {
    GridFilterChoice choice = unfilteredChoice();
    for (std::size_t c = 0; c < filters_.size(); ++c) {
        choice[c] = filters_[c]->currentText().toStdString();
    }
    const auto shown = rowsShown(result_.rows, choice);
    const bool winsOnly = winsOnly_->isChecked();
    grid_->setUpdatesEnabled(false);
    for (std::size_t r = 0; r < shown.size(); ++r) {
        grid_->setRowHidden(static_cast<int>(r), !shown[r] || (winsOnly && !result_.won[r]));
    }
    grid_->setUpdatesEnabled(true);
}

void ArchiveCheckDialog::writeMessageTexts() {
    progress_->setText(languageText(language_, text::Working) + u'\n' +
                       languageText(language_, text::PleaseWait));
    QStringList header;
    header << languageText(language_, text::DateHeading)
           << languageText(language_, text::NumbersHeading)
           << languageText(language_, text::BestHeading);
    const QString points = languageText(language_, text::PointsHeading);
    for (const auto& category : PrizeCategories) {
        header << points.arg(QString::fromUtf8(category.label));
    }
    grid_->setHorizontalHeaderLabels(header);
}

void ArchiveCheckDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        writeMessageTexts();
        fillTotals();
    }
}

} // namespace quintora
