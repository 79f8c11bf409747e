#pragma once

#include "document/DocumentChanges.h"
#include "update/ServerUpdates.h"

#include <functional>
#include <QDialog>
#include <QString>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;

namespace quintora {

class ArchiveDocument;
class Language;
class Prompt;

// frmUpdate: the draw archive, latest draw first, and its update. Loaded hidden at start-up,
// it reads the archive file into the run's archive document; closing it only hides it, so the
// archive stays in memory. A double click on a draw makes it the check's winning combination.
class ArchiveWindow : public QDialog {
    Q_OBJECT
public:
    struct Paths {
        QString archive;  // archivio/quintora.dat
        QString download; // temp/quintora_download.dat
    };

    // The window's load: reads the archive file into the document and lists it.
    ArchiveWindow(ArchiveDocument& archives, Prompt& prompt, Language& language, Paths paths,
                  std::function<bool()> shuttingDown, QWidget* parent);

    // The update's download and the server it asks (read at each update, so a server changed
    // in the settings counts). Without them the update says that the server cannot be reached.
    void setDownload(Download download, std::function<std::string()> server);

    // PopolaListView: the list, lbLast and lbTotale from the archive.
    void populateList();
    void showLatestAndTotal();
    // cmdUpdate: downloads the archive and replaces it; a failure keeps it as it was.
    void update();
    // A double click on list line `line` (0 = the latest draw).
    void chooseLine(int line);
    bool updating() const { return updating_; }

    QListWidget* list() const { return list_; }

signals:
    // cmdStatistiche: recompute the statistics and show them.
    void statisticsRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A new language of the program: the texts the window writes itself follow it.
    void changeEvent(QEvent* event) override;
    void reject() override;

private:
    void writeMessageTexts();
    bool mayClose();
    void readArchive();
    void followArchive(ArchiveChanges what);

    ArchiveDocument& archives_;
    Prompt& prompt_;
    Language& language_;
    Paths paths_;
    std::function<bool()> shuttingDown_;
    Download download_;
    std::function<std::string()> server_;
    bool updating_ = false;
    QListWidget* list_ = nullptr;
    QLabel* last_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* progress_ = nullptr;
    QPushButton* update_ = nullptr;
};

} // namespace quintora
