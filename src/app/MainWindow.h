#pragma once

#include "core/GameRules.h"
#include "document/DocumentChanges.h"
#include "document/SettingsDocument.h"

#include <cstdint>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QGroupBox;
class QLabel;
class QDragEnterEvent;
class QDropEvent;
class QMenu;
class QPushButton;

namespace quintora {

struct AppContext;
class ArchiveCheckDialog;
class AnalysisDialog;
class ArchiveWindow;
class ManualWindow;
class CellGrid;
class CheckDialog;
class ConditionDialog;
class DevelopmentSession;
class DocumentSignals;
class StatisticsWindow;
class SystemDocument;
struct Error;
struct Done;
template <typename T> class Result;
using Status = Result<Done>;
struct SystemState;

// frmMAIN: the two number grids, the command buttons, the menus and the status bar. It shows
// the system of the document and turns the user's commands into the document's; whatever
// changes the system, the window redraws from the document's notification.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    struct Menus {
        QMenu* file = nullptr;       // menufile
        QMenu* recent = nullptr;     // menuFileRecenti: the systems opened or saved last
        QMenu* edit = nullptr;       // menumodifica
        QMenu* conditions = nullptr; // menucondizioni
        QMenu* operations = nullptr; // menuoperazioni
        QMenu* print = nullptr;      // menustampa
        QMenu* info = nullptr;       // menuinfo
    };
    struct Actions {
        // menufile
        QAction* open = nullptr;          // menuapri
        QAction* importColumns = nullptr; // menuimportacolonne
        QAction* save = nullptr;          // menusalva
        QAction* saveAs = nullptr;        // menusalvacome
        QAction* exportColumns = nullptr; // menuEsportaColonne
        QAction* matrixList = nullptr;    // mnu_Elenco
        QAction* settings = nullptr;      // menuImpostazioni
        QAction* exit = nullptr;          // menuesci
        QAction* clearRecent = nullptr;   // menuSvuotaRecenti
        // menumodifica: each names its step
        QAction* undo = nullptr; // menuAnnulla
        QAction* redo = nullptr; // menuRipeti
        // menucondizioni: each carries the check mark of its condition
        QAction* filterColumns = nullptr;   // menuColonnaFiltro
        QAction* excludedColumns = nullptr; // menuEscludiColonne
        QAction* consecutive = nullptr;     // menuConsecutivi
        QAction* fixedNumbers = nullptr;    // menuFisse
        QAction* evenOdd = nullptr;         // menuPariDispari
        QAction* sum = nullptr;             // menuSomma
        QAction* reduced = nullptr;         // menuRidotto
        QAction* minimumDistance = nullptr; // menuDistanzaMinima
        // menuoperazioni
        QAction* adaptMatrix = nullptr;      // menuadattamatrice
        QAction* shuffle = nullptr;          // menuMescola
        QAction* develop = nullptr;          // menucalcolo
        QAction* checkDraw = nullptr;        // menuSpoglio
        QAction* checkArchive = nullptr;     // menuSpoglioEstrazioni
        QAction* analyse = nullptr;          // menuAnalisi
        QAction* view = nullptr;             // menuvisualizza
        QAction* archive = nullptr;          // menuEstrazioni
        QAction* statistics = nullptr;       // menuStatistiche
        QAction* reopenForChanges = nullptr; // menumodifiche
        // menustampa
        QAction* printListing = nullptr; // menutabulato
        QAction* printSlips = nullptr;   // menuschedine
        // menuinfo
        QAction* manual = nullptr; // menuguida
        QAction* about = nullptr;  // menuinformazioni
    };
    struct Buttons {
        QPushButton* archive = nullptr;          // cmdArchivio
        QPushButton* reopenForChanges = nullptr; // cmdModifiche
        QPushButton* adaptMatrix = nullptr;      // cmdAdatta
        QPushButton* checkDraw = nullptr;        // cmdSpoglio
        QPushButton* analyse = nullptr;          // cmdAnalisi
        QPushButton* view = nullptr;             // cmdVisualizza
        QPushButton* clear = nullptr;            // cmdCancella
        QPushButton* develop = nullptr;          // cmdCalcolo
        QPushButton* printListing = nullptr;     // cmdTabulato
        QPushButton* printSlips = nullptr;       // cmdSchedine
    };

    // The window's load: caption, settings, language, an empty system, the default path.
    explicit MainWindow(AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    AppContext& context() const { return context_; }
    SystemDocument& document() const;
    const SystemState& state() const;
    const Menus& menus() const { return menus_; }
    const Actions& actions() const { return actions_; }
    const Buttons& buttons() const { return buttons_; }
    CellGrid* numberGrid() const { return numberGrid_; }
    CellGrid* euroGrid() const { return euroGrid_; }

    // A click on grnum(index) / grJkt(index), as the user would make it.
    void clickNumber(int index);
    void clickEuro(int index);

    // Opens a system file and reports a refused one. False when nothing was opened.
    bool openSystemFile(const QString& path);
    // Opens a system file the way "Apri" does, asking first about unsaved work: a recent
    // system, a file dropped on the window. False when nothing was opened.
    bool openSystemAsked(const QString& path);
    // The recent systems' entries, the latest first (menuRecente(1) ...).
    QList<QAction*> recentActions() const;
    // Before the settings dialog saves other rules: refused with a message on a developed
    // system, and asked first when marked Euro numbers would lose their marks.
    bool maySwitchRules(GameRules rules);
    // Shows the window in front (restored when minimised); another copy of the program asked
    // for it, optionally with a system file to open (asking first when the current system
    // holds work).
    void activateFromOtherCopy(const QString& systemFile);
    // True while a development runs (the window is disabled then).
    bool isDeveloping() const;

    // Loads the archive window (it reads the archive file) and the statistics window (they
    // compute the statistics), both hidden; the start does this once. Nothing when loaded.
    void loadArchiveWindows();
    ArchiveWindow* archiveWindow() const;
    StatisticsWindow* statisticsWindow() const;
    // The check dialogs while they are open; nullptr otherwise.
    CheckDialog* checkDialog() const;
    ArchiveCheckDialog* archiveCheckDialog() const;
    AnalysisDialog* analysisDialog() const;

public slots:
    // --- Commands built here ---
    void develop();            // menucalcolo, cmdCalcolo
    void reopenForChanges();   // menumodifiche, cmdModifiche
    void clearAll();           // cmdCancella
    void undo();               // menuAnnulla
    void redo();               // menuRipeti
    void openViewer();         // menuvisualizza
    void openViewerIfLocked(); // cmdVisualizza
    void showAbout();          // menuinformazioni
    void showManual();         // menuguida: the manual from its start
    // The manual in the chosen language at the section of the window named `section` (its
    // objectName); at the start when the manual has no such section.
    void showManualSection(const QString& section);
    ManualWindow* manualWindow() const { return manualWindow_; }

    // --- File menu (MainWindowFiles.cpp) ---
    void openSystem();    // menuapri
    void importColumns(); // menuimportacolonne
    void saveSystem();    // menusalva
    void saveSystemAs();  // menusalvacome
    void exportColumns(); // menuEsportaColonne
    void openSettings();  // menuImpostazioni
    bool askSettings();   // true when the settings were saved
    // Every window of the program takes the current language's texts again.
    void applyLanguageChange();

    // --- Conditions, operations and printing (MainWindowMenus.cpp) ---
    void openMatrixList();
    void openFilterColumns();
    void openExcludedColumns();
    void openConsecutive();
    void openFixedNumbers();
    void openEvenOdd();
    void openSum();
    void openReduced();
    void openMinimumDistance();
    void adaptMatrix();
    void shuffleColumns();
    void checkDraw();
    void checkArchive();
    void analyseSystem(); // menuAnalisi, cmdAnalisi
    void openArchive();
    void openStatistics();
    void printListing();
    void printSlips();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A system file dragged from the desktop opens as from the menu.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildGrids(QWidget* parent);
    QWidget* buildOperations(QWidget* parent);
    void buildMenus();
    void buildRecentMenu();
    void buildStatusBar();
    void writeGridCaptions();
    void writeTitle();
    // What follows a change of the settings: the language, the column price, the game rules.
    void settingsChanged(SettingChanges changes);
    // Redraws what `what` touched from the document.
    void refresh(quintora::Changes what);
    void showEuroCells(); // the Euro numbers of the rules
    void showNumbers();
    void showConditionMarks();
    void showStatusBar();
    // The undo and redo entries name their steps, or are disabled.
    void showHistory();
    // Shows a refusal; an unchanged or cancelled command has nothing to show.
    void report(const Status& status);
    // Enables every command by the document's rules.
    void enableCommands();
    void showWhatDevelopNeeds();
    void onDeveloped();
    // The printers the printing windows offer.
    QStringList printerNames() const;
    void showMatrices(std::uint8_t filterV);
    // Shows a condition dialog; what the document refuses it is shown here.
    void showConditionDialog(ConditionDialog& dialog);
    void showError(const Error& error);
    // The recent systems: `path` goes first in the settings file and the menu.
    void rememberRecent(const QString& path);
    void clearRecent();
    // A recent list the settings could not keep is said in the status bar.
    void reportRecentKept(const Status& kept);
    // The entries again from the settings, a missing file greyed.
    void showRecentFiles();
    // Writes the system to `path`; false after a reported error.
    bool writeSystemFile(const QString& path);
    bool saveSystemNow();
    // Numbers, conditions or columns that no file holds yet.
    bool hasUnsavedWork() const;
    // Before that work is replaced or left: save it, leave it, or stay (false).
    bool mayReplaceWork();
    // Reads a column text and asks the Euro numbers; false when nothing was imported
    // (refused file or cancelled).
    bool importColumnsText(const QString& path);
    // A file plays Euro numbers the current rules do not allow: asks to switch (and keeps
    // the choice in the settings file); false leaves everything as it was.
    bool askRulesForFile(const QString& path, GameRules needed);

    AppContext& context_;
    Menus menus_;
    Actions actions_;
    Buttons buttons_;
    QGroupBox* numbersFrame_ = nullptr;
    CellGrid* numberGrid_ = nullptr;
    CellGrid* euroGrid_ = nullptr;
    QLabel* numbersLabel_ = nullptr;  // labnumeri
    QLabel* integralLabel_ = nullptr; // lblIntegrale
    QLabel* statusPanels_[4] = {};
    DocumentSignals* documentSignals_ = nullptr;
    QPointer<DevelopmentSession> session_;
    QPointer<ArchiveWindow> archiveWindow_;
    QPointer<StatisticsWindow> statisticsWindow_;
    QPointer<CheckDialog> checkDialog_;
    QPointer<ArchiveCheckDialog> archiveCheckDialog_;
    QPointer<AnalysisDialog> analysisDialog_;
    int settingsListener_ = 0;
    bool loaded_ = false; // the window's load is over: a new language rewrites its texts
    ManualWindow* manualWindow_ = nullptr; // made when first asked for
};

} // namespace quintora
