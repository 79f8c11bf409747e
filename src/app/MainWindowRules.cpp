// frmMAIN and the game rules: which Euro numbers the grid offers, and the questions before a
// switch of rules loses marks or a file needs other rules.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "document/SystemDocument.h"
#include "files/FileIo.h"
#include "ui/LanguageText.h"
#include "ui/Prompt.h"

#include <QApplication>

namespace quintora {

bool MainWindow::maySwitchRules(GameRules rules) {
    const auto& doc = document();
    if (rules == doc.rules()) {
        return true;
    }
    const QString title = languageText(context_.language, text::EuroNumbersTitle);
    if (!doc.canEditNumbers()) {
        context_.prompt.message(this, title,
                                languageText(context_.language, text::SystemLockedEuroNumbers),
                                Prompt::Icon::Exclamation);
        return false;
    }
    const auto lost = doc.eurosOutside(rules).ascending();
    if (lost.empty()) {
        return true;
    }
    const QString question =
        lost.size() == 1
            ? languageText(context_.language, text::EuroNumberNotAllowedWith10).arg(lost[0])
            : languageText(context_.language, text::EuroNumbersNotAllowedWith10)
                  .arg(lost[0])
                  .arg(lost[1]);
    return context_.prompt.question(this, title, question, Prompt::Icon::Question);
}

bool MainWindow::askRulesForFile(const QString& path, GameRules needed) {
    // The question stands over the wait cursor of the reading.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool yes =
        context_.prompt.question(this, languageText(context_.language, text::EuroNumbersTitle),
                                 languageText(context_.language, text::SystemPlaysEuro11Or12)
                                     .arg(QString::fromStdString(fileNamePart(path.toStdString()))),
                                 Prompt::Icon::Question);
    QApplication::restoreOverrideCursor();
    if (yes) {
        // The choice is the user's setting from now on, as if made in the settings dialog.
        if (const Status kept = context_.settingsDocument.setRules(needed); !kept) {
            showError(kept.error());
        }
    }
    return yes;
}

} // namespace quintora
