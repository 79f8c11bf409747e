#include "ui/Prompt.h"
#include "ui/widgets/FileDates.h"
#include "ui/WindowLoad.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>

namespace quintora {

namespace {

QMessageBox::Icon boxIcon(Prompt::Icon icon) {
    switch (icon) {
    case Prompt::Icon::Information:
        return QMessageBox::Information;
    case Prompt::Icon::Exclamation:
        return QMessageBox::Warning;
    case Prompt::Icon::Critical:
        return QMessageBox::Critical;
    case Prompt::Icon::Question:
        return QMessageBox::Question;
    case Prompt::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A box has a title and nothing to minimise or maximise.
void setBoxFlags(QDialog& box) {
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

QString titleOrApplication(const QString& title) {
    return title.isEmpty() ? QApplication::applicationDisplayName() : title;
}

// A box at least as wide as its title. A message box sizes itself to its text, so the width
// goes in as an empty item of its layout.
void fitTitle(QMessageBox& box) {
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(widthForTitle(box.windowTitle()), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Expanding),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

} // namespace

QString qtFileFilter(const QString& programFilter) {
    const auto bar = programFilter.indexOf(u'|');
    return bar < 0 ? programFilter : programFilter.left(bar);
}

void QtPrompt::message(QWidget* parent, const QString& title, const QString& text, Icon icon) {
    QMessageBox box(boxIcon(icon), titleOrApplication(title), text, QMessageBox::Ok, parent);
    setBoxFlags(box);
    fitTitle(box);
    box.exec();
}

bool QtPrompt::question(QWidget* parent, const QString& title, const QString& text, Icon icon) {
    QMessageBox box(boxIcon(icon), titleOrApplication(title), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    setBoxFlags(box);
    fitTitle(box);
    return box.exec() == QMessageBox::Yes;
}

Prompt::SaveChoice QtPrompt::askToSave(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, titleOrApplication(title), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    setBoxFlags(box);
    fitTitle(box);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

std::optional<QString> QtPrompt::inputText(QWidget* parent, const QString& title,
                                           const QString& label, const QString& initial) {
    bool ok = false;
    const auto text = QInputDialog::getText(parent, titleOrApplication(title), label,
                                            QLineEdit::Normal, initial, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return text;
}

QString QtPrompt::openFileName(QWidget* parent, const QString& folder, const QString& filter) {
    QFileDialog dialog(parent, {}, folder, qtFileFilter(filter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setProxyModel(new FileDates(&dialog));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString QtPrompt::saveFileName(QWidget* parent, const QString& folder, const QString& proposedName,
                               const QString& filter, const QString& defaultSuffix) {
    QFileDialog dialog(parent, {}, folder, qtFileFilter(filter));
    dialog.setProxyModel(new FileDates(&dialog));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void QtPrompt::beep() {
    QApplication::beep();
}

} // namespace quintora
