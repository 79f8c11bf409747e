#include "ui/AboutDialog.h"

#include "settings/Language.h"
#include "ui/LanguageText.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgramInfo.h"
#include "ui/widgets/PageLink.h"
#include "ui/WindowLoad.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quintora {

AboutDialog::AboutDialog(const QUrl& programPage, Language& language, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Info ") + programTitle());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(programIcon().pixmap(64, 64));

    auto* title = new QLabel(programTitle(), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    title->setFont(big);

    auto* version = new QLabel(languageText(language, text::VersionWord) + programVersion(), this);
    version->setObjectName(QStringLiteral("lblVersion"));

    auto* link = pageLink("lblURL", programPage, this);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(link);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(buttons);

    setMinimumWidth(360);
    loadWindowTexts(this, language);
}

} // namespace quintora
