#include "ui/conditions/ExcludedColumnsDialog.h"

#include "core/ExcludedColumns.h"
#include "core/Format.h"
#include "document/SystemDocument.h"
#include "ui/DisplayFormat.h"
#include "ui/LanguageText.h"
#include "ui/Prompt.h"
#include "ui/widgets/OnOffSwitch.h"
#include "ui/WindowLoad.h"

#include <algorithm>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <string>
#include <vector>

namespace quintora {

namespace {

QListWidget* columnList(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setUniformItemSizes(true); // up to 200,000 items
    list->setFont(QFont(QStringLiteral("Courier New"), 10));
    list->setMinimumSize(260, 320);
    return list;
}

void fill(QListWidget* list, std::span<const Column> columns) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(columns.size()));
    for (const auto& c : columns) {
        texts << QString::fromStdString(excludedColumnText(c));
    }
    list->addItems(texts);
}

QLabel* countLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(70);
    return label;
}

} // namespace

ExcludedColumnsDialog::ExcludedColumnsDialog(SystemDocument& document, Prompt& prompt,
                                             Language& language, QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , prompt_(prompt)
    , language_(language)
    , switch_(new OnOffSwitch(QStringLiteral("optCondizione"), this))
    , system_(columnList(QStringLiteral("lstColonneSistema"), this))
    , excluded_(columnList(QStringLiteral("lstColonneEscluse"), this))
    , systemCount_(countLabel(QStringLiteral("lblSistema"), this))
    , excludedCount_(countLabel(QStringLiteral("lblColonneEscluse"), this)) {
    setObjectName(QStringLiteral("frmEscludiColonne"));
    setWindowTitle(QStringLiteral(" Escludi Colonne"));

    const auto& state = document.state();
    switch_->setOn(state.excluded.on());
    connect(switch_, &OnOffSwitch::toggled, this, [this](bool on) {
        report(document_.editCondition(SystemDocument::ExcludedEdit{on, {}}));
    });

    system_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    fill(system_, state.columns);
    fill(excluded_, state.excluded.columns());

    auto* add = new QPushButton(QStringLiteral("Aggiungi a Colonne Escluse"), this);
    add->setObjectName(QStringLiteral("cmdAdd"));
    auto* remove = new QPushButton(QStringLiteral("Svuota Colonna Escluse"), this);
    remove->setObjectName(QStringLiteral("cmdRemove"));
    connect(add, &QPushButton::clicked, this, &ExcludedColumnsDialog::addSelected);
    connect(remove, &QPushButton::clicked, this, &ExcludedColumnsDialog::clearExcluded);

    auto* systemCaption = new QLabel(QStringLiteral("Colonne Sistema"), this);
    systemCaption->setObjectName(QStringLiteral("lblCaptionSistema"));
    auto* excludedCaption = new QLabel(QStringLiteral("Colonne Escluse"), this);
    excludedCaption->setObjectName(QStringLiteral("lblCaptionEscluse"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(switch_, 0, 0, 1, 2, Qt::AlignLeft);
    layout->addWidget(systemCaption, 1, 0);
    layout->addWidget(systemCount_, 1, 1, Qt::AlignRight);
    layout->addWidget(excludedCaption, 1, 2);
    layout->addWidget(excludedCount_, 1, 3, Qt::AlignRight);
    layout->addWidget(system_, 2, 0, 1, 2);
    layout->addWidget(excluded_, 2, 2, 1, 2);
    layout->addWidget(add, 3, 0, 1, 2);
    layout->addWidget(remove, 3, 2, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(2, 1);
    showCounts();
    loadWindowTexts(this, language);
}

void ExcludedColumnsDialog::showCounts() {
    systemCount_->setText(displayCount(system_->count()));
    excludedCount_->setText(displayCount(excluded_->count()));
}

void ExcludedColumnsDialog::addSelected() {
    std::vector<int> rows;
    for (const auto& index : system_->selectionModel()->selectedIndexes()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    // The table holds MaxExcluded columns: the first ones that fit move, the rest stay
    // selected in the system list.
    const auto room = static_cast<std::size_t>(std::max(0, MaxExcluded - excluded_->count()));
    const auto moving = std::min(rows.size(), room);
    for (std::size_t i = 0; i < moving; ++i) {
        excluded_->addItem(system_->item(rows[i])->text());
    }
    for (auto i = moving; i-- > 0;) { // bottom up, so the rows above stay valid
        delete system_->takeItem(rows[i]);
    }
    showCounts();
    if (moving < rows.size()) {
        prompt_.message(
            this, languageText(language_, text::WarningCapitals),
            shownText(language_, excludedLimitText(static_cast<int>(rows.size() - moving))),
            Prompt::Icon::Exclamation);
    }
}

void ExcludedColumnsDialog::clearExcluded() {
    // The moved columns do not return to the system list.
    excluded_->clear();
    showCounts();
}

void ExcludedColumnsDialog::done(int result) {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(excluded_->count()));
    for (int i = 0; i < excluded_->count(); ++i) {
        items.push_back(excluded_->item(i)->text().toStdString());
    }
    ExcludedSet edited;
    const auto stored = storeExcludedColumns(edited, items);
    report(document_.editCondition(SystemDocument::ExcludedEdit{
        switch_->isOn(), std::vector<Column>(edited.columns().begin(), edited.columns().end())}));
    const auto refused = excludedRefusedText(stored);
    if (!refused.values().empty()) {
        prompt_.message(this, languageText(language_, text::WarningCapitals),
                        shownText(language_, refused), Prompt::Icon::Exclamation);
    }
    QDialog::done(result);
}

void ExcludedColumnsDialog::report(const Status& status) {
    if (status.failed()) {
        prompt_.message(this, shownText(language_, status.error().heading),
                        shownText(language_, status.error().what), Prompt::Icon::Critical);
    }
}

} // namespace quintora
