#include "ui/ColumnViewer.h"

#include "core/Format.h"
#include "core/SystemState.h"
#include "settings/Language.h"
#include "ui/WindowLoad.h"

#include <algorithm>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quintora {

namespace {
constexpr int RowsPerPanel = 10;
}

ColumnViewer::ColumnViewer(const SystemState& state, Language& language, QWidget* parent)
    : QDialog(parent)
    , state_(state) {
    setObjectName(QStringLiteral("frmVisualizza"));
    setWindowTitle(QStringLiteral("Visualizza Sistema"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);

    QFont rowFont(QStringLiteral("Courier New"));
    rowFont.setStyleHint(QFont::Monospace);
    rowFont.setPointSize(13);
    rowFont.setBold(true);
    auto* rows = new QVBoxLayout;
    rows->setSpacing(2);
    for (int r = 0; r < RowsPerPanel; ++r) {
        auto* row = new QLabel(this);
        row->setObjectName(QStringLiteral("labVisualizza(%1)").arg(r));
        row->setFont(rowFont);
        row->setFrameShape(QFrame::StyledPanel);
        row->setAutoFillBackground(true);
        QPalette pal = row->palette();
        pal.setColor(QPalette::Window, Qt::white);
        pal.setColor(QPalette::WindowText, QColor(0, 128, 128));
        row->setPalette(pal);
        row->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        row->setMinimumHeight(24);
        rows->addWidget(row);
        rows_[r] = row;
    }

    auto* caption = new QLabel(QStringLiteral("* Pannello n."), this);
    caption->setObjectName(QStringLiteral("lbPannello"));
    panelLabel_ = new QLabel(this);
    panelLabel_->setObjectName(QStringLiteral("labNscheda"));
    panelLabel_->setMinimumWidth(60);
    QFont bold = panelLabel_->font();
    bold.setBold(true);
    panelLabel_->setFont(bold);
    auto* info = new QLabel(QStringLiteral("* 1 Pannello = 10 Colonne"), this);
    info->setObjectName(QStringLiteral("lbInfo"));
    auto* panelLine = new QHBoxLayout;
    panelLine->addWidget(caption);
    panelLine->addWidget(panelLabel_);
    panelLine->addStretch();
    panelLine->addWidget(info);

    auto* first = addButton("cmdBOTTOM", QStringLiteral("|<"), "Primo Pannello");
    steppers_[0] = addButton("cmdPrev2", QStringLiteral("<<"), "Indietro di 10 pannelli");
    steppers_[1] = addButton("cmdPrev1", QStringLiteral("<"), "Indietro di 1 pannello");
    steppers_[2] = addButton("cmdNext1", QStringLiteral(">"), "Avanti di 1 pannello");
    steppers_[3] = addButton("cmdNext2", QStringLiteral(">>"), "Avanti di 10 pannelli");
    auto* lastButton = addButton("cmdTOP", QStringLiteral(">|"), "Ultimo Pannello");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(first);
    for (auto* b : steppers_) {
        buttons->addWidget(b);
    }
    buttons->addWidget(lastButton);
    for (auto* b : findChildren<QPushButton*>()) {
        b->installEventFilter(this); // the paging keys work wherever the focus is
    }

    connect(first, &QPushButton::clicked, this, [this] { showPanel(1); });
    connect(steppers_[0], &QPushButton::clicked, this, [this] { movePanels(-10); });
    connect(steppers_[1], &QPushButton::clicked, this, [this] { movePanels(-1); });
    connect(steppers_[2], &QPushButton::clicked, this, [this] { movePanels(1); });
    connect(steppers_[3], &QPushButton::clicked, this, [this] { movePanels(10); });
    connect(lastButton, &QPushButton::clicked, this, [this] { showPanel(last_); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows, 1);
    layout->addLayout(panelLine);
    layout->addLayout(buttons);

    loadWindowTexts(this, language, QSize(420, 420));

    const int count = state_.columnCount();
    last_ = (count + RowsPerPanel - 1) / RowsPerPanel;
    showPanel(1);
}

QPushButton* ColumnViewer::addButton(const char* name, const QString& caption,
                                     const char* tooltip) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromUtf8(name));
    button->setToolTip(QString::fromUtf8(tooltip));
    button->setAutoDefault(false);
    button->setMinimumWidth(44);
    return button;
}

QString ColumnViewer::rowText(const Column& column) {
    QString text = QStringLiteral("  ");
    for (const auto n : column) {
        if (n != 0) {
            text += QString::fromStdString(twoDigits(n)) + QStringLiteral("    ");
        }
    }
    return text;
}

void ColumnViewer::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // The rows' numbers grow with the window, up to what fits the row's width.
    const int byHeight = rows_[0]->height() * 13 / 34;
    const int byWidth = rows_[0]->width() * 13 / 400;
    const int points = std::clamp(std::min(byHeight, byWidth), 13, 28);
    for (auto* row : rows_) {
        if (row->font().pointSize() != points) {
            QFont f = row->font();
            f.setPointSize(points);
            row->setFont(f);
        }
    }
}

void ColumnViewer::movePanels(int delta) {
    showPanel(current_ + delta);
}

void ColumnViewer::showPanel(int panel) {
    // Never past the last panel, never below 1, even with no columns at all.
    current_ = std::max(1, std::min(panel, last_));
    const int count = state_.columnCount();
    for (int r = 0; r < RowsPerPanel; ++r) {
        const int index = RowsPerPanel * current_ - (RowsPerPanel - 1) + r; // 1-based
        rows_[r]->setText(index <= count
                              ? rowText(state_.columns[static_cast<std::size_t>(index - 1)])
                              : QStringLiteral("  "));
    }
    panelLabel_->setText(QString::number(current_));
}

bool ColumnViewer::pageByKey(int key) {
    switch (key) {
    case Qt::Key_Home:
        showPanel(1);
        return true;
    case Qt::Key_End:
        showPanel(last_);
        return true;
    case Qt::Key_PageUp:
        movePanels(-10);
        return true;
    case Qt::Key_PageDown:
        movePanels(10);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
        movePanels(-1);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
        movePanels(1);
        return true;
    default:
        return false;
    }
}

void ColumnViewer::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier && pageByKey(event->key())) {
        return;
    }
    QDialog::keyPressEvent(event);
}

bool ColumnViewer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        const auto key = keyEvent->key();
        if (keyEvent->modifiers() == Qt::NoModifier && pageByKey(key)) {
            return true;
        }
        // Tab still moves the focus and Escape still closes the viewer.
        const bool navigation =
            key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape;
        const bool modifierOnly = key == Qt::Key_Shift || key == Qt::Key_Control ||
                                  key == Qt::Key_Alt || key == Qt::Key_Meta;
        for (auto* b : steppers_) {
            if (watched == b && !navigation && !modifierOnly) {
                b->click();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quintora
