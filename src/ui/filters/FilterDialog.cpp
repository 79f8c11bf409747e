#include "ui/filters/FilterDialog.h"

#include "core/Conditions.h"
#include "core/FilterPanels.h"
#include "document/SystemDocument.h"
#include "ui/DisplayFormat.h"
#include "ui/filters/FilterImportDialog.h"
#include "ui/LanguageText.h"
#include "ui/Prompt.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/OnOffSwitch.h"
#include "ui/WindowLoad.h"

#include <array>
#include <limits>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quintora {

namespace {

constexpr int Last = std::numeric_limits<int>::max() / 2; // any move beyond the last panel

QLabel* label(const QString& name, const QString& text, QWidget* parent, bool sunken = false) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    if (sunken) {
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumWidth(56);
    }
    return l;
}

QString count(int value) {
    return value >= 0 && value < 10 ? QString::fromStdString(formatFilterCount(value))
                                    : displayCount(value);
}

} // namespace

FilterDialog::FilterDialog(SystemDocument& document, Prompt& prompt, Language& language,
                           QString textFolder, QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , table_(document.state().filters)
    , prompt_(prompt)
    , language_(language)
    , textFolder_(std::move(textFolder))
    , editable_(document.canEditConditions())
    , frame_(new QFrame(this))
    , grid_(new CellGrid(QStringLiteral("labGriglia"), CellGrid::numberCaptions(MainNumberCount),
                         10, CellLook::blue(), false, frame_))
    , presences_(new CellGrid(QStringLiteral("lbPresenze"),
                              {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                               QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")},
                              6, CellLook::yellow(), false, frame_))
    , switch_(new OnOffSwitch(QStringLiteral("optCond"), frame_))
    , selected_(label(QStringLiteral("lblNumSelezionati"), QString(), frame_, true))
    , panelLabel_(label(QStringLiteral("lblPannello"), QString(), this, true))
    , onCount_(label(QStringLiteral("lblTotFiltriON"), QString(), this, true))
    , offCount_(label(QStringLiteral("lblTotFiltriOFF"), QString(), this, true)) {
    setObjectName(QStringLiteral("frmFiltri"));
    setWindowTitle(QStringLiteral(" Colonne Filtro"));
    frame_->setObjectName(QStringLiteral("frameFiltro"));
    frame_->setFrameShape(QFrame::StyledPanel);
    frame_->setEnabled(editable_);

    const auto playing = document.state().header.numbers();
    for (int i = 0; i < MainNumberCount; ++i) {
        grid_->cell(i)->setSelectable(playing.contains(i + 1));
    }
    connect(grid_, &CellGrid::cellActivated, this, [this](int i) {
        grid_->setMarked(i, !grid_->marked(i));
        showSelectedCount();
    });
    connect(presences_, &CellGrid::cellActivated, this,
            [this](int k) { presences_->setMarked(k, !presences_->marked(k)); });
    connect(switch_, &OnOffSwitch::toggled, this, &FilterDialog::showCounters);

    // The editing frame: numbers, hit counts, switch and the commands that change slots.
    auto* clear = new QPushButton(QStringLiteral("Cancella Pannello"), frame_);
    clear->setObjectName(QStringLiteral("cmdCancella"));
    auto* clearAll = new QPushButton(QStringLiteral("Cancella Tutto"), frame_);
    clearAll->setObjectName(QStringLiteral("cmdCancellaTutto"));
    auto* load = new QPushButton(QStringLiteral("Importa Filtri..."), frame_);
    load->setObjectName(QStringLiteral("cmdLoadFiltri"));
    connect(clear, &QPushButton::clicked, this, &FilterDialog::clearPanel);
    connect(clearAll, &QPushButton::clicked, this, &FilterDialog::clearAll);
    connect(load, &QPushButton::clicked, this, &FilterDialog::importFilters);

    auto* selectedRow = new QHBoxLayout;
    selectedRow->addWidget(label(QStringLiteral("lblCaptionSelezionati"),
                                 QStringLiteral("Numeri selezionati"), frame_));
    selectedRow->addWidget(selected_);
    selectedRow->addStretch();
    auto* presenceRow = new QHBoxLayout;
    presenceRow->addWidget(
        label(QStringLiteral("lblPresenze"), QStringLiteral("Presenze"), frame_));
    presenceRow->addWidget(presences_);
    presenceRow->addStretch();
    auto* commandRow = new QHBoxLayout;
    commandRow->addWidget(switch_);
    commandRow->addStretch();
    commandRow->addWidget(clear, 0, Qt::AlignBottom);
    commandRow->addWidget(clearAll, 0, Qt::AlignBottom);
    commandRow->addWidget(load, 0, Qt::AlignBottom);
    auto* frameLayout = new QVBoxLayout(frame_);
    frameLayout->addWidget(grid_);
    frameLayout->addLayout(selectedRow);
    frameLayout->addLayout(presenceRow);
    frameLayout->addLayout(commandRow);

    // Paging, always available.
    auto* moves = new QHBoxLayout;
    moves->addStretch();
    moves->addWidget(moveButton(QStringLiteral("cmdBOTTOM"), QStringLiteral("|<"),
                                QStringLiteral("Primo Pannello"), -Last, false));
    moves->addWidget(moveButton(QStringLiteral("cmdPrev2"), QStringLiteral("<<"),
                                QStringLiteral("Indietro di 10 pannelli"), -10, true));
    moves->addWidget(moveButton(QStringLiteral("cmdPrev1"), QStringLiteral("<"),
                                QStringLiteral("Indietro di 1 pannello"), -1, true));
    moves->addWidget(label(QStringLiteral("lblCaptionPannello"), QStringLiteral("Pannello"), this));
    moves->addWidget(panelLabel_);
    moves->addWidget(moveButton(QStringLiteral("cmdNext1"), QStringLiteral(">"),
                                QStringLiteral("Avanti di 1 pannello"), 1, true));
    moves->addWidget(moveButton(QStringLiteral("cmdNext2"), QStringLiteral(">>"),
                                QStringLiteral("Avanti di 10 pannelli"), 10, true));
    moves->addWidget(moveButton(QStringLiteral("cmdTOP"), QStringLiteral(">|"),
                                QStringLiteral("Ultimo Pannello"), Last, false));
    moves->addStretch();
    panelLabel_->setFixedWidth(64);

    auto* totals = new QHBoxLayout;
    totals->addWidget(label(QStringLiteral("lblCaptionTotFiltri"), QStringLiteral("Totale"), this));
    totals->addWidget(label(QStringLiteral("lblTotFiltri"), count(MaxFilterColumns), this, true));
    totals->addSpacing(16);
    totals->addWidget(label(QStringLiteral("lblCaptionON"), QStringLiteral("ON"), this));
    totals->addWidget(onCount_);
    totals->addSpacing(16);
    totals->addWidget(label(QStringLiteral("lblCaptionOFF"), QStringLiteral("OFF"), this));
    totals->addWidget(offCount_);
    totals->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame_);
    layout->addLayout(moves);
    layout->addLayout(totals);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showPanel(1);
    loadWindowTexts(this, language);
}

QPushButton* FilterDialog::moveButton(const QString& name, const QString& caption,
                                      const QString& tip, int delta, bool repeat) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setToolTip(tip);
    b->setAutoRepeat(repeat); // a held key or button keeps stepping
    b->setFixedWidth(40);
    connect(b, &QPushButton::clicked, this, [this, delta] { move(delta); });
    return b;
}

void FilterDialog::showPanel(int panel) {
    panel_ = movePanel(panel, 0);
    const auto& slot = table_[static_cast<std::size_t>(panel_ - 1)];
    const auto members = slot.memberSet();
    for (int i = 0; i < MainNumberCount; ++i) {
        grid_->setMarked(i, members.contains(i + 1));
    }
    for (int k = 0; k <= 5; ++k) {
        presences_->setMarked(k, slot.hits().contains(k));
    }
    switch_->setOn(slot.on());
    panelLabel_->setText(QString::number(panel_));
    showSelectedCount();
    showCounters();
}

void FilterDialog::storePanel() {
    if (!editable_) {
        return;
    }
    auto& slot = table_[static_cast<std::size_t>(panel_ - 1)];
    NumberSet members;
    for (int i = 0; i < MainNumberCount; ++i) {
        if (grid_->marked(i)) {
            members.insert(i + 1);
        }
    }
    CountSet hits;
    for (int k = 0; k <= 5; ++k) {
        hits.set(k, presences_->marked(k));
    }
    slot.setMembers(members);
    slot.setHits(hits);
    slot.setOn(switch_->isOn());
}

void FilterDialog::move(int delta) {
    storePanel();
    showPanel(movePanel(panel_, delta));
}

void FilterDialog::showSelectedCount() {
    selected_->setText(count(grid_->markedCount()));
}

void FilterDialog::showCounters() {
    // The shown panel counts with its switch as it stands, not as last stored.
    const auto& slot = table_[static_cast<std::size_t>(panel_ - 1)];
    const int on = activeFilterCount(table_) - (slot.on() ? 1 : 0) + (switch_->isOn() ? 1 : 0);
    onCount_->setText(count(on));
    offCount_->setText(count(MaxFilterColumns - on));
}

void FilterDialog::clearPanel() {
    grid_->clearMarks();
    presences_->clearMarks();
    switch_->setOn(false);
    showSelectedCount();
    showCounters();
}

void FilterDialog::clearAll() {
    if (!prompt_.question(this, QString(),
                          languageText(language_, text::DeleteFilterColumnsQuestion))) {
        return;
    }
    table_.fill(FilterColumn{});
    showPanel(1);
}

void FilterDialog::importFilters() {
    storePanel(); // a cancelled import keeps the edits of the shown panel
    FilterImportDialog dialog(table_, prompt_, language_, textFolder_, this);
    dialog.exec();
    showPanel(1);
}

void FilterDialog::done(int result) {
    if (editable_) {
        storePanel();
        if (const Status stored = document_.setFilters(table_); stored.failed()) {
            prompt_.message(this, shownText(language_, stored.error().heading),
                            shownText(language_, stored.error().what), Prompt::Icon::Critical);
        }
    }
    QDialog::done(result);
}

} // namespace quintora
