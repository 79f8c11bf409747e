#include "ui/NewVersionDialog.h"

#include "ui/widgets/NamedWidgets.h"
#include "ui/widgets/PageLink.h"
#include "ui/WindowLoad.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quintora {

NewVersionDialog::NewVersionDialog(const QUrl& programPage, Language& language, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmNewVersion"));
    setWindowTitle(QStringLiteral("Nuova Versione Disponibile!!"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    local_ = namedLabel("lbLocalVersion", "00.00.00", this);
    remote_ = namedLabel("lbRemoteVersion", "", this);
    QFont bold = local_->font();
    bold.setBold(true);
    local_->setFont(bold);
    remote_->setFont(bold);

    auto* link = pageLink("lbURL", programPage, this);
    // Pressing OK ends the program: the box says so before the user presses it.
    auto* closing =
        namedLabel("lblChiusura", "Il programma verrà chiuso: installare la nuova versione", this);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout;
    grid->addWidget(namedLabel("lblLocalVersion", "Versione Locale", this), 0, 0);
    grid->addWidget(local_, 0, 1);
    grid->addWidget(namedLabel("lblRemoteVersion", "Versione sul Server", this), 1, 0);
    grid->addWidget(remote_, 1, 1);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addWidget(link);
    layout->addSpacing(8);
    layout->addWidget(closing);
    layout->addSpacing(8);
    layout->addWidget(ok, 0, Qt::AlignRight);

    loadWindowTexts(this, language, QSize(340, 0));
}

void NewVersionDialog::showVersions() {
    local_->setText(localVersion_);
    remote_->setText(remoteVersion_);
}

void NewVersionDialog::showEvent(QShowEvent* event) {
    showVersions();
    QDialog::showEvent(event);
}

void NewVersionDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        showVersions();
    }
    QDialog::changeEvent(event);
}

} // namespace quintora
