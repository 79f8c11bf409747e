#include "ui/SplashWindow.h"

#include "ui/LanguageApplier.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgramInfo.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quintora {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(programTitle());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 128, 128));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(programIcon().pixmap(96, 96));
    icon->setAlignment(Qt::AlignCenter);

    auto* title = new QLabel(programTitle(), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont big = title->font();
    big.setPointSize(28);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);

    auto* game = new QLabel(QStringLiteral("Sistemi per Eurojackpot"), this);
    game->setObjectName(QStringLiteral("lblSottotitolo"));
    game->setAlignment(Qt::AlignCenter);

    auto* version = new QLabel(QStringLiteral("Versione ") + programVersion(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 28, 40, 28);
    layout->addWidget(icon);
    layout->addWidget(title);
    layout->addWidget(game);
    layout->addSpacing(12);
    layout->addWidget(version);
    setFixedSize(sizeHint().expandedTo(QSize(380, 260)));
    centerForm(this);
}

void SplashWindow::keyPressEvent(QKeyEvent* /*event*/) {
    close();
}

void SplashWindow::mousePressEvent(QMouseEvent* /*event*/) {
    close();
}

} // namespace quintora
