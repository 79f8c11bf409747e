#include "ui/filters/FilterImportDialog.h"

#include "core/Development.h"
#include "core/FilterPanels.h"
#include "core/Format.h"
#include "filters/FilterImport.h"
#include "ui/DisplayFormat.h"
#include "ui/LanguageText.h"
#include "ui/Prompt.h"
#include "ui/widgets/CellGrid.h"
#include "ui/WindowLoad.h"

#include <array>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quintora {

FilterImportDialog::FilterImportDialog(std::array<FilterColumn, MaxFilterColumns>& table,
                                       Prompt& prompt, Language& language, QString textFolder,
                                       QWidget* parent)
    : QDialog(parent)
    , table_(table)
    , prompt_(prompt)
    , language_(language)
    , textFolder_(std::move(textFolder))
    , presences_(new CellGrid(QStringLiteral("lbPresenze"),
                              {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                               QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")},
                              6, CellLook::yellow(), false, this))
    , fileLabel_(new QLabel(this))
    , process_(new QPushButton(QStringLiteral("Importa"), this)) {
    setObjectName(QStringLiteral("frmImportFiltri"));
    setWindowTitle(QStringLiteral(" Importa Colonne Filtro"));

    auto* choose = new QPushButton(QStringLiteral("Scegli File..."), this);
    choose->setObjectName(QStringLiteral("cmdImportaFiltri"));
    connect(choose, &QPushButton::clicked, this, &FilterImportDialog::chooseFile);
    process_->setObjectName(QStringLiteral("cmdProcess"));
    process_->setEnabled(false);
    connect(process_, &QPushButton::clicked, this, &FilterImportDialog::runImport);
    connect(presences_, &CellGrid::cellActivated, this,
            [this](int k) { presences_->setMarked(k, !presences_->marked(k)); });

    fileLabel_->setObjectName(QStringLiteral("lblFile"));
    fileLabel_->setFrameShape(QFrame::Panel);
    fileLabel_->setFrameShadow(QFrame::Sunken);
    fileLabel_->setMinimumWidth(280);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(choose);
    fileRow->addWidget(fileLabel_, 1);
    auto* presenceCaption = new QLabel(QStringLiteral("Presenze accettate"), this);
    presenceCaption->setObjectName(QStringLiteral("lblPresenze"));
    auto* presenceRow = new QHBoxLayout;
    presenceRow->addWidget(presenceCaption);
    presenceRow->addWidget(presences_);
    presenceRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addLayout(presenceRow);
    layout->addWidget(process_, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    loadWindowTexts(this, language);
}

void FilterImportDialog::chooseFile() {
    path_ = prompt_.openFileName(this, textFolder_, languageText(language_, text::TextFileFilter));
    fileLabel_->setText(path_.isEmpty() ? QString()
                                        : QDir::toNativeSeparators(QFileInfo(path_).fileName()));
    fileLabel_->setToolTip(path_);
    process_->setEnabled(!path_.isEmpty());
}

void FilterImportDialog::runImport() {
    std::array<bool, 6> hits{};
    for (int k = 0; k <= 5; ++k) {
        hits[static_cast<std::size_t>(k)] = presences_->marked(k);
    }
    const auto acceptedHits = hitsMask(hits);
    if (!prompt_.question(this, QString(),
                          languageText(language_, text::DeleteFilterColumnsQuestion))) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto loaded = loadFileToFilters(table_, path_.toStdString(), acceptedHits);
    QApplication::restoreOverrideCursor();
    if (!loaded) {
        // The table is as it was: stay open so that another file can be chosen.
        const auto& e = loaded.error();
        prompt_.message(this, shownText(language_, e.heading), shownText(language_, e.what),
                        Prompt::Icon::Critical);
        return;
    }
    const auto& r = loaded.value();
    if (r.limitReached) {
        prompt_.message(this, shownText(language_, LimitWarningTitle),
                        shownText(language_, limitWarningText(MaxFilterColumns)),
                        Prompt::Icon::Critical);
    }
    if (r.skippedPieces > 0) {
        const auto n = displayCount(r.skippedPieces);
        prompt_.message(this, languageText(language_, text::WarningCapitals),
                        r.skippedPieces == 1
                            ? languageText(language_, text::OneValueNotANumber)
                            : languageText(language_, text::ValuesNotNumbers).arg(n),
                        Prompt::Icon::Exclamation);
    }
    accept();
}

} // namespace quintora
