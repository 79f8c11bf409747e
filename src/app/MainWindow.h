#pragma once

#include <QMainWindow>
#include <QPointer>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace quintora {

struct AppContext;
class CellGrid;
class DevelopmentSession;
struct SystemState;

// frmMAIN: the two number grids, the command buttons, the menus and the status bar. It keeps
// the window in line with the system (editable or developed and locked) and drives the
// development. Other windows call its public steps after they change the system.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    struct Menus {
        QMenu* file = nullptr;       // menufile
        QMenu* conditions = nullptr; // menucondizioni
        QMenu* operations = nullptr; // menuoperazioni
        QMenu* print = nullptr;      // menustampa
    };
    struct Actions {
        // menufile
        QAction* apri = nullptr;
        QAction* importaColonne = nullptr;
        QAction* salva = nullptr;
        QAction* salvaCome = nullptr;
        QAction* esportaColonne = nullptr;
        QAction* elencoSistemi = nullptr;
        QAction* impostazioni = nullptr;
        QAction* esci = nullptr;
        // menucondizioni: each carries the check mark of its condition
        QAction* colonnaFiltro = nullptr;
        QAction* escludiColonne = nullptr;
        QAction* consecutivi = nullptr;
        QAction* fisse = nullptr;
        QAction* pariDispari = nullptr;
        QAction* somma = nullptr;
        QAction* ridotto = nullptr;
        QAction* distanzaMinima = nullptr;
        // menuoperazioni
        QAction* adattaMatrice = nullptr;
        QAction* mescola = nullptr;
        QAction* calcolo = nullptr;
        QAction* spoglio = nullptr;
        QAction* spoglioEstrazioni = nullptr;
        QAction* visualizza = nullptr;
        QAction* estrazioni = nullptr;
        QAction* statistiche = nullptr;
        QAction* modifiche = nullptr;
        // menustampa
        QAction* tabulato = nullptr;
        QAction* schedine = nullptr;
        // menuinfo
        QAction* info = nullptr;
    };
    struct Buttons {
        QPushButton* archivio = nullptr;
        QPushButton* modifiche = nullptr;
        QPushButton* adatta = nullptr;
        QPushButton* spoglio = nullptr;
        QPushButton* visualizza = nullptr;
        QPushButton* cancella = nullptr;
        QPushButton* calcolo = nullptr;
        QPushButton* tabulato = nullptr;
        QPushButton* schedine = nullptr;
    };

    // The window's load: caption, settings, language, an empty system, the default path.
    explicit MainWindow(AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    AppContext& context() const { return context_; }
    SystemState& state() const;
    const Menus& menus() const { return menus_; }
    const Actions& actions() const { return actions_; }
    const Buttons& buttons() const { return buttons_; }
    CellGrid* numberGrid() const { return numberGrid_; }
    CellGrid* euroGrid() const { return euroGrid_; }

    // --- The window's side of the system's lifecycle ---
    void unlockGui();            // UnlockGUI: numbers and develop editable, results off
    void lockGui();              // LockGUI: the opposite, conditions stay reachable
    void unlockMenuConditions(); // removes every condition check mark
    void cancellaPronostico();   // no numbers in play, no Euro numbers
    void viewStatusBar();        // the four panels from the system
    // ClearSystem: the window steps around clearing the system's data.
    void clearSystem(bool keepNumbers);
    // Enables the development commands only with 5+ numbers and 2 Euro numbers.
    void applyCommandRule();
    void refreshIntegral(); // lblIntegrale
    // Ticks every condition entry from the system's flags.
    void refreshConditionMarks();
    // numbersInPlay and euroNumbers from the marked cells.
    void rebuildNumberLists();
    // A click on grnum(index) / grJkt(index), as the user would make it.
    void clickNumber(int index);
    void clickEuro(int index);

    // ApriFile: reads a system file and brings the window in line with it. A refused file is
    // reported and changes nothing. False when nothing was opened.
    bool openSystemFile(const QString& path);
    // ReadConfiguration: settings, language and the column price.
    void readConfiguration();
    // Shows the window in front (restored when minimised); another copy of the program asked
    // for it, optionally with a system file to open.
    void activateFromOtherCopy(const QString& systemFile);
    // True while a development runs (the window is disabled then).
    bool isDeveloping() const;

public slots:
    // --- Commands built here ---
    void develop();            // menucalcolo, cmdCalcolo
    void reopenForChanges();   // menumodifiche, cmdModifiche
    void clearAll();           // cmdCancella
    void openViewer();         // menuvisualizza
    void openViewerIfLocked(); // cmdVisualizza
    void showAbout();          // menuinfo

    // --- File menu (MainWindowFiles.cpp) ---
    void openSystem();    // menuapri
    void importColumns(); // menuimportacolonne
    void saveSystem();    // menusalva
    void saveSystemAs();  // menusalvacome
    void exportColumns(); // menuEsportaColonne
    void openSettings();  // menuImpostazioni

    // --- Commands whose windows come later: each says it is not available yet ---
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
    void openArchive();
    void openStatistics();
    void printListing();
    void printSlips();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildGrids(QWidget* parent);
    QWidget* buildOperations(QWidget* parent);
    void buildMenus();
    void buildStatusBar();
    void writeGridCaptions();
    void showNumbersInPlayCount(const QString& count);
    void onDeveloped();
    // The editing commands on and the commands of a developed system off, or the reverse.
    void enableForEditing(bool editable);
    void notAvailable();
    // Marks the grid cells of numbersInPlay and euroNumbers as the user's clicks would.
    void markGridsFromNumberLists();
    // SalvaFile: writes the system to `path` and shows its name; false after a reported error.
    bool writeSystemFile(const QString& path);
    // ImportaColonneTxt: false when nothing was imported (refused file or cancelled).
    bool importColumnsText(const QString& path);

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
    QPointer<DevelopmentSession> session_;
};

} // namespace quintora
