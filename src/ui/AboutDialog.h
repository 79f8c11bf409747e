#pragma once

#include <QDialog>
#include <QUrl>

namespace quintora {

class Language;

// frmAbout: "Info " + title, "Version " + major.minor.revision and a link that opens the
// program's page in the browser.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(const QUrl& programPage, Language& language, QWidget* parent);
};

} // namespace quintora
