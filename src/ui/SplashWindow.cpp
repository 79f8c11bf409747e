#include "ui/SplashWindow.h"

#include "settings/Language.h"
#include "ui/LanguageText.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgramInfo.h"
#include "ui/WindowLoad.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace quintora {

SplashWindow::SplashWindow(QWidget* parent)
    : SplashWindow(Language({}), parent) {}

SplashWindow::SplashWindow(const Language& language, QWidget* parent)
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

    auto* version = new QLabel(
        languageText(language.load(), text::VersionWordItalian) + programVersion(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 28, 40, 28);
    layout->addWidget(icon);
    layout->addWidget(title);
    layout->addWidget(game);
    layout->addSpacing(12);
    layout->addWidget(version);
    loadWindowTexts(this, language, QSize(380, 260));
    setFixedSize(size());
}

void SplashWindow::closeForOtherWindows() {
    QApplication::instance()->installEventFilter(this);
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && isVisible()) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget != this && widget->isWindow() &&
            widget->windowType() != Qt::Popup && widget->windowType() != Qt::ToolTip) {
            hide();
            while (QApplication::overrideCursor() != nullptr) {
                QApplication::restoreOverrideCursor();
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SplashWindow::keyPressEvent(QKeyEvent* /*event*/) {
    close();
}

void SplashWindow::mousePressEvent(QMouseEvent* /*event*/) {
    close();
}

} // namespace quintora
