#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

class QLabel;

namespace quintora {

class Language;

// frmNewVersion: tells that the server has a newer version than this one, with a link to the
// program's page. The caller ends the program once it is closed.
class NewVersionDialog : public QDialog {
    Q_OBJECT
public:
    NewVersionDialog(const QUrl& programPage, Language& language, QWidget* parent = nullptr);

    void setLocalVersion(const QString& text) { localVersion_ = text; }
    void setRemoteVersion(const QString& text) { remoteVersion_ = text; }

protected:
    // Both labels take their property's text each time the dialog becomes active.
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showVersions();

    QString localVersion_;
    QString remoteVersion_;
    QLabel* local_ = nullptr;  // lbLocalVersion
    QLabel* remote_ = nullptr; // lbRemoteVersion
};

} // namespace quintora
