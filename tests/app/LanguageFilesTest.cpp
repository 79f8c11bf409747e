// The language files shipped with the program: every key names a control of its window and
// reaches it as each window loads, italiano.lng holds exactly the program's own texts, the
// message ids are all there, and a first start copies the files and offers a language.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "app/ShippedLanguages.h"
#include "app/StartUp.h"
#include "app/VersionCheck.h"
#include "document/SystemDocument.h"
#include "print/CalibrationFile.h"
#include "settings/LanguageFile.h"
#include "support/LanguagePieces.h"
#include "support/ScriptedPrompt.h"
#include "support/TemporaryXdg.h"
#include "support/WidgetLookup.h"
#include "ui/AboutDialog.h"
#include "ui/archive/ArchiveWindow.h"
#include "ui/archive/StatisticsWindow.h"
#include "ui/check/AnalysisDialog.h"
#include "ui/check/ArchiveCheckDialog.h"
#include "ui/check/CheckDialog.h"
#include "ui/ColumnViewer.h"
#include "ui/conditions/ConsecutiveDialog.h"
#include "ui/conditions/EvenOddDialog.h"
#include "ui/conditions/ExcludedColumnsDialog.h"
#include "ui/conditions/FixedDialog.h"
#include "ui/conditions/MinimumDistanceDialog.h"
#include "ui/conditions/ReducedDialog.h"
#include "ui/conditions/SumDialog.h"
#include "ui/filters/FilterDialog.h"
#include "ui/filters/FilterImportDialog.h"
#include "ui/ManualWindow.h"
#include "ui/matrix/MatrixDialog.h"
#include "ui/matrix/NewMatrixDialog.h"
#include "ui/NewVersionDialog.h"
#include "ui/print/CalibrationDialog.h"
#include "ui/print/ListingDialog.h"
#include "ui/print/PrintProgressDialog.h"
#include "ui/print/SlipPrintDialog.h"
#include "ui/ProgressDialog.h"
#include "ui/settings/SettingsDialog.h"
#include "ui/SplashWindow.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/FileDates.h"
#include "ui/WindowLoad.h"

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QStyleOption>
#include <QTableWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <vector>

using namespace quintora;
using quintora::test::ScriptedPrompt;

namespace {

const QString SourceData = QStringLiteral(QUINTORA_SOURCE_DATA);

using test::captionOf;
using test::keysOf;
using test::leftOverWords;
using test::piecesOf;

// Every text a language file can reach on the window, keyed as the file keys it.
QMap<QString, QString> textsOf(QWidget* window) {
    QMap<QString, QString> texts;
    const QString name = window->objectName();
    texts[name + QStringLiteral(".Caption")] = window->windowTitle();
    texts[name + QStringLiteral(".ToolTipText")] = window->toolTip();
    texts[name + QStringLiteral(".Tag")] = window->property("Tag").toString();
    std::function<void(QObject*)> walk = [&](QObject* parent) {
        for (QObject* object : parent->children()) {
            auto* widget = qobject_cast<QWidget*>(object);
            if (widget && widget->isWindow() && !qobject_cast<QMenu*>(widget)) {
                continue;
            }
            const QString own = object->objectName();
            if (!own.isEmpty() && (widget || qobject_cast<QAction*>(object))) {
                if (const QString caption = captionOf(object); !caption.isNull()) {
                    texts[own + QStringLiteral(".Caption")] = caption;
                }
                texts[own + QStringLiteral(".ToolTipText")] =
                    object->property("toolTip").toString();
                texts[own + QStringLiteral(".Tag")] = object->property("Tag").toString();
                if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
                    for (int t = 0; t < tabs->count(); ++t) {
                        texts[own + QStringLiteral(".TabCaption(%1)").arg(t)] = tabs->tabText(t);
                    }
                }
            }
            walk(object);
        }
    };
    walk(window);
    return texts;
}

// Every text a user can read on the window: captions, titles, tooltips, table headers, list
// and combo entries, each with the object that shows it.
QList<QPair<QString, QString>> shownTexts(QWidget* window) {
    QList<QPair<QString, QString>> shown;
    const auto add = [&shown](const QObject* object, const QString& text) {
        if (!text.isEmpty()) {
            shown.append({object->objectName(), text});
        }
    };
    add(window, window->windowTitle());
    std::function<void(QObject*)> walk = [&](QObject* parent) {
        for (QObject* object : parent->children()) {
            auto* widget = qobject_cast<QWidget*>(object);
            if (widget && widget->isWindow() && !qobject_cast<QMenu*>(widget)) {
                continue;
            }
            if (widget && !qobject_cast<QMenu*>(widget) && widget->isHidden()) {
                continue;
            }
            if (widget || qobject_cast<QAction*>(object)) {
                add(object, captionOf(object));
                add(object, object->property("toolTip").toString());
            }
            if (auto* table = qobject_cast<QTableWidget*>(object)) {
                for (int c = 0; c < table->columnCount(); ++c) {
                    if (auto* item = table->horizontalHeaderItem(c)) {
                        add(object, item->text());
                    }
                }
            }
            if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
                for (int t = 0; t < tabs->count(); ++t) {
                    add(object, tabs->tabText(t));
                }
            }
            walk(object);
        }
    };
    walk(window);
    return shown;
}

// Every window of the program, loaded in the language that the settings file names.
class AllWindows {
public:
    explicit AllWindows(const QString& language) {
        QDir().mkpath(xdg_.dataFolder());
        for (const char* name : {"italiano.lng", "english.lng"}) {
            QFile::copy(SourceData + u'/' + QString::fromUtf8(name),
                        xdg_.dataFolder() + u'/' + QString::fromUtf8(name));
        }
        QFile ini(xdg_.dataFolder() + QStringLiteral("/quintora.ini"));
        if (ini.open(QIODevice::WriteOnly)) {
            ini.write("[IMPOSTAZIONI]\r\nSTAMPANTE TABULATO=Laser\r\n");
            if (!language.isEmpty()) {
                ini.write("LINGUA=" + language.toLatin1() + "\r\n");
            }
            ini.close();
        }
        context_ = std::make_unique<AppContext>(document_, prompt_,
                                                DataFolder(DataFolder::standardRoot()));
        context_->dataFolder.createTree();
        auto main = std::make_unique<MainWindow>(*context_);
        for (int n = 1; n <= 8; ++n) {
            main->clickNumber(n - 1);
        }
        main->clickEuro(0);
        main->clickEuro(1);
        windows_.push_back(std::move(main));
        // The viewer gets a column to show; the system itself stays editable, so the main
        // window still takes clicks on its numbers.
        viewed_ = document_.state();
        viewed_.columns = {{1, 2, 3, 4, 5}};
        filterTable_ = document_.state().filters;

        Language& l = context_->language;
        const QString texts = context_->dataFolder.textFolder();
        add(std::make_unique<ProgressDialog>(l, nullptr));
        add(std::make_unique<ColumnViewer>(viewed_, l, nullptr));
        add(std::make_unique<AboutDialog>(QUrl(QStringLiteral("http://127.0.0.1/")), l, nullptr));
        add(std::make_unique<SplashWindow>(l));
        add(std::make_unique<ManualWindow>(l));
        add(std::make_unique<NewVersionDialog>(QUrl(QStringLiteral("http://127.0.0.1/")), l));
        add(std::make_unique<SumDialog>(document_, prompt_, l, nullptr));
        add(std::make_unique<EvenOddDialog>(document_, l, nullptr));
        add(std::make_unique<FixedDialog>(document_, l, nullptr));
        add(std::make_unique<ConsecutiveDialog>(document_, l, nullptr));
        add(std::make_unique<MinimumDistanceDialog>(document_, prompt_, l, nullptr));
        add(std::make_unique<ReducedDialog>(document_, prompt_, l, nullptr));
        add(std::make_unique<ExcludedColumnsDialog>(document_, prompt_, l, nullptr));
        add(std::make_unique<FilterDialog>(document_, prompt_, l, texts, nullptr));
        add(std::make_unique<FilterImportDialog>(filterTable_, prompt_, l, texts, nullptr));
        const QString matrices = context_->dataFolder.matrixFolder();
        add(std::make_unique<MatrixDialog>(document_, prompt_, l, matrices, 8, todayLocal(),
                                           nullptr));
        add(std::make_unique<NewMatrixDialog>(prompt_, l, matrices, todayLocal(), 8, nullptr));
        add(std::make_unique<SettingsDialog>(context_->settingsDocument, l, prompt_,
                                             QStringList{QStringLiteral("Laser")}, nullptr));
        add(std::make_unique<CheckDialog>(document_, context_->archiveDocument, prompt_, l,
                                          nullptr));
        add(std::make_unique<ArchiveCheckDialog>(document_, context_->archiveDocument, l, nullptr));
        add(std::make_unique<AnalysisDialog>(std::vector<Column>{{1, 2, 3, 4, 5}},
                                             std::vector<std::uint8_t>{3, 8}, 10, l, nullptr));
        add(std::make_unique<ArchiveWindow>(
            context_->archiveDocument, prompt_, l,
            ArchiveWindow::Paths{context_->dataFolder.archivePath(), {}}, nullptr, nullptr));
        add(std::make_unique<StatisticsWindow>(context_->archiveDocument, prompt_, l,
                                               context_->dataFolder.tempFolder(), nullptr));
        // The printing windows, calibrated for the one printer there is.
        const QString root = context_->dataFolder.root();
        const QStringList printers{QStringLiteral("Laser")};
        for (const SlipType type : {SlipType::OneColumn, SlipType::FiveColumns}) {
            SlipLayout calibrated;
            calibrated.printerName = "Laser";
            const QString path = root + u'/' + QString::fromStdString(calibrationFileName(type));
            QVERIFY(saveSlipLayout(path.toStdString(), calibrated));
            add(std::make_unique<CalibrationDialog>(type, CalibrationDialog::Paths{path, root},
                                                    "RICEVITORIA", printers, l, prompt_, nullptr));
        }
        add(std::make_unique<SlipPrintDialog>(
            document_, context_->settingsDocument,
            SlipPrintDialog::Setup{root, root, "RICEVITORIA", printers}, l, prompt_, nullptr));
        add(std::make_unique<PrintProgressDialog>(l, prompt_, nullptr));
        add(std::make_unique<ListingDialog>(document_, context_->settingsDocument,
                                            ListingDialog::Setup{root, {}}, l, prompt_, nullptr));
    }

    QWidget* window(const QString& name) const {
        for (const auto& w : windows_) {
            if (w->objectName() == name) {
                return w.get();
            }
        }
        return nullptr;
    }
    const std::vector<std::unique_ptr<QWidget>>& windows() const { return windows_; }
    const Language& language() const { return context_->language; }
    int prompts() const { return static_cast<int>(prompt_.calls().size()); }

private:
    void add(std::unique_ptr<QWidget> window) { windows_.push_back(std::move(window)); }

    test::TemporaryXdg xdg_;
    SystemDocument document_;
    SystemState viewed_;
    std::array<FilterColumn, MaxFilterColumns> filterTable_{};
    ScriptedPrompt prompt_;
    std::unique_ptr<AppContext> context_;
    std::vector<std::unique_ptr<QWidget>> windows_;
};

} // namespace

class LanguageFilesTest : public QObject {
    Q_OBJECT

private slots:
    void everyKeyReachesItsControl_data();
    void everyKeyReachesItsControl();
    void italianIsTheProgramsOwnText();
    void englishTranslatesTheWindows();
    void eachMenuEntryHasItsOwnKey_data();
    void eachMenuEntryHasItsOwnKey();
    void fileDialogDatesFollowTheLanguage();
    void everyShownTextComesFromTheFile_data();
    void everyShownTextComesFromTheFile();
    void englishTitlesAreTrimmedAndEnglish();
    void captionsFitTheirControls_data();
    void captionsFitTheirControls();
    void missingFilesAreCopiedAndOthersKept();
    void firstStartCopiesTheLanguagesAndOffersThem();
};

void LanguageFilesTest::everyKeyReachesItsControl_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("italiano") << QStringLiteral("italiano");
    QTest::newRow("english") << QStringLiteral("english");
}

void LanguageFilesTest::everyKeyReachesItsControl() {
    QFETCH(QString, language);
    const QString path = SourceData + u'/' + language + QStringLiteral(".lng");
    const auto sections = keysOf(path);
    const AllWindows windows(language);
    QCOMPARE(QString::fromStdString(windows.language().name()), language);
    QCOMPARE(windows.prompts(), 0);

    // One section per window, and the messages.
    QStringList expected{QStringLiteral("Strings")};
    for (const auto& w : windows.windows()) {
        expected << w->objectName();
    }
    QStringList found;
    for (const auto& [section, keys] : sections) {
        found << section;
    }
    expected.sort();
    found.sort();
    QCOMPARE(found, expected);

    const LanguageFile file = LanguageFile::load(path.toStdString());
    for (const auto& [section, keys] : sections) {
        if (section == QStringLiteral("Strings")) {
            continue;
        }
        QVERIFY2(!keys.isEmpty(), qPrintable(section));
        const auto texts = textsOf(windows.window(section));
        for (const QString& key : keys) {
            const QString where = section + u'/' + key;
            QVERIFY2(texts.contains(key), qPrintable(where + QStringLiteral(" names no control")));
            const auto value =
                QString::fromStdString(file.value(section.toStdString(), key.toStdString()));
            QVERIFY2(!value.isEmpty(), qPrintable(where));
            // The count in "labnumeri" is the window's own; its words come from the file.
            const auto words = [](const QString& t) {
                return t.left(t.indexOf(u'['));
            };
            QCOMPARE(words(texts.value(key)), words(value));
        }
    }

    // Every language has every message of the program's own language, each with a text.
    const auto reference = keysOf(SourceData + QStringLiteral("/italiano.lng"));
    const QStringList ids = reference.at(QStringLiteral("Strings"));
    for (const char* id : {"0001", "0005", "0021", "0100", "0105"}) {
        QVERIFY2(ids.contains(QString::fromUtf8(id)), id);
    }
    QCOMPARE(sections.at(QStringLiteral("Strings")), ids);
    for (const QString& id : ids) {
        QVERIFY2(!file.value("Strings", id.toStdString()).empty(), qPrintable(id));
    }
}

void LanguageFilesTest::italianIsTheProgramsOwnText() {
    const AllWindows own({});
    const AllWindows italian(QStringLiteral("italiano"));
    QCOMPARE(own.language().name(), std::string());
    for (const auto& w : own.windows()) {
        QCOMPARE(textsOf(italian.window(w->objectName())), textsOf(w.get()));
    }
    // The messages too, where the program has its own text for them.
    auto language = italian.language();
    QCOMPARE(QString::fromStdString(language.getLangString(text::IntegralColumns)),
             QStringLiteral("Colonne Integrali"));
    QCOMPARE(QString::fromStdString(language.getLangString(text::GuaranteeAndDistanceExclusive)),
             QStringLiteral("Il Ridotto a Garanzia e il Ridotto a Distanza Minima non possono "
                            "essere attivi insieme: il Ridotto a Garanzia è stato disattivato."));
}

void LanguageFilesTest::eachMenuEntryHasItsOwnKey_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("italiano") << QStringLiteral("italiano");
    QTest::newRow("english") << QStringLiteral("english");
}

// Alt and a letter must reach one entry of an open menu, not cycle between two of them.
void LanguageFilesTest::eachMenuEntryHasItsOwnKey() {
    QFETCH(QString, language);
    const AllWindows windows(language);
    auto* main = windows.window(QStringLiteral("frmMAIN"));
    static const QRegularExpression mnemonic(QStringLiteral("&([^&])"));
    const auto menus = main->findChildren<QMenu*>();
    QVERIFY(!menus.isEmpty());
    for (const QMenu* menu : menus) {
        QMap<QChar, QString> taken;
        for (const QAction* action : menu->actions()) {
            const auto found = mnemonic.match(action->text());
            if (action->isSeparator() || !found.hasMatch()) {
                continue;
            }
            const QChar key = found.captured(1).at(0).toLower();
            QVERIFY2(!taken.contains(key),
                     qPrintable(menu->title() + QStringLiteral(": ") + taken.value(key) +
                                QStringLiteral(" / ") + action->text()));
            taken.insert(key, action->text());
        }
    }
}

// Qt's file list writes its dates in the locale the program started in; the file dialogs show
// them in the chosen language ("10 dic", not "10 Dec").
void LanguageFilesTest::fileDialogDatesFollowTheLanguage() {
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("sistema.qsy")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QFileSystemModel files;
    FileDates dates;
    dates.setSourceModel(&files);
    const QModelIndex root = files.setRootPath(folder.path());
    QTRY_COMPARE(files.rowCount(root), 1);
    const QModelIndex shown = dates.index(0, 3, dates.mapFromSource(root));
    const QDateTime modified = files.lastModified(files.index(0, 0, root));
    QCOMPARE(shown.data().toString(),
             QLocale(QLocale::Italian, QLocale::Italy).toString(modified, QLocale::ShortFormat));
    QLocale::setDefault(before);
}

void LanguageFilesTest::englishTranslatesTheWindows() {
    const AllWindows english(QStringLiteral("english"));
    auto* main = english.window(QStringLiteral("frmMAIN"));
    QCOMPARE(main->findChild<QPushButton*>(QStringLiteral("cmdCalcolo"))->text(),
             QStringLiteral("Generate System"));
    QCOMPARE(main->findChild<QMenu*>(QStringLiteral("menucondizioni"))->title(),
             QStringLiteral("&Conditions"));
    QCOMPARE(main->findChild<QLabel*>(QStringLiteral("StBarPanel(3)"))->toolTip(),
             QStringLiteral("System cost"));
    QVERIFY(main->windowTitle().startsWith(QStringLiteral("Quintora - Version ")));
    // A new count of numbers in play keeps the translated words.
    auto* numbers = main->findChild<QLabel*>(QStringLiteral("labnumeri"));
    const QString before = numbers->text();
    QTest::mouseClick(static_cast<MainWindow*>(main)->numberGrid()->cell(49), Qt::LeftButton);
    QVERIFY(numbers->text() != before);
    QVERIFY(numbers->text().startsWith(QStringLiteral("Numbers in play [")));
    auto* settings = english.window(QStringLiteral("frmImpostazioni"));
    QCOMPARE(settings->windowTitle(), QStringLiteral("Settings"));
    QCOMPARE(settings->findChild<QLabel*>(QStringLiteral("lblCostoCol"))->text(),
             QStringLiteral("Price per Column (€)"));
    QCOMPARE(english.window(QStringLiteral("frmCalcolo"))
                 ->findChild<QLabel*>(QStringLiteral("lblCaptionColonne(1)"))
                 ->text(),
             QStringLiteral("Columns processed"));
    // The archive check's grid headers are messages of the file.
    QCOMPARE(english.window(QStringLiteral("frmSpoglioEstrazioni"))
                 ->findChild<QTableWidget*>(QStringLiteral("flexGrid"))
                 ->horizontalHeaderItem(2)
                 ->text(),
             QStringLiteral("Best"));
    QCOMPARE(english.window(QStringLiteral("frmSpoglio"))
                 ->findChild<QLabel*>(QStringLiteral("lblCategoria(3)"))
                 ->text(),
             QStringLiteral("Match 4+2"));
    QCOMPARE(english.window(QStringLiteral("frmTaratura5"))
                 ->findChild<QGroupBox*>(QStringLiteral("frameNumero"))
                 ->title(),
             QStringLiteral("Number 1"));
    auto language = english.language();
    QCOMPARE(QString::fromStdString(language.getLangString(text::StopPrintingQuestion)),
             QStringLiteral("Are you sure you want to stop printing?"));
    QCOMPARE(QString::fromStdString(language.getLangString(text::StopDevelopmentQuestion)),
             QStringLiteral("Do you want to stop generating the system?"));
}

void LanguageFilesTest::everyShownTextComesFromTheFile_data() {
    everyKeyReachesItsControl_data();
}

void LanguageFilesTest::everyShownTextComesFromTheFile() {
    QFETCH(QString, language);
    const QStringList pieces = piecesOf(SourceData + u'/' + language + QStringLiteral(".lng"));
    const AllWindows windows(language);
    QStringList foreign;
    for (const auto& w : windows.windows()) {
        for (const auto& [name, text] : shownTexts(w.get())) {
            if (!leftOverWords(text, pieces).isEmpty()) {
                foreign << w->objectName() + u'/' + name + QStringLiteral(": ") + text;
            }
        }
    }
    QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(u'\n')));
}

// Words of the program's own language that have no place in an English text.
const QStringList ItalianWords{
    "Pronostico",   "Schedina",     "Schedine",    "Scheda",     "Stampa",     "Tabulato",
    "Sistema",      "Sistemi",      "Colonna",     "Colonne",    "Numeri",     "Numero",
    "Garanzia",     "Ridotto",      "Somma",       "Pari",       "Dispari",    "Fisse",
    "Fissi",        "Fisso",        "Consecutivi", "Estrazioni", "Estrazione", "Archivio",
    "Impostazioni", "Intestazione", "Ricevitoria", "Taratura",   "Annulla",    "Chiudi",
    "Salva",        "Apri",         "Esci",        "Spoglio",    "Versione",   "Matrice",
    "Matrici",      "Cancella",     "Elabora",     "Pannello",   "Condizione", "Attenzione",
    "Errore",       "Minimo",       "Massimo",     "Distanza",   "Scegli",     "Importa",
    "Aggiorna",     "Lingua",       "Lingue",      "Stampante",  "Copie",      "Sorgente",
    "labelSistema", "verrà",        "chiuso",      "gioco",      "punti",      "della",
};

QStringList italianWordsIn(const QString& text) {
    QStringList found;
    for (const QString& word : ItalianWords) {
        const QRegularExpression whole(QStringLiteral("(?<!\\p{L})") + word +
                                           QStringLiteral("(?!\\p{L})"),
                                       QRegularExpression::CaseInsensitiveOption);
        if (whole.match(text).hasMatch()) {
            found << word;
        }
    }
    return found;
}

// Every window title, control caption and box title of the English file: no blank at either
// end, no word of the program's Italian; and no Italian word on an English window either.
void LanguageFilesTest::englishTitlesAreTrimmedAndEnglish() {
    const QString path = SourceData + QStringLiteral("/english.lng");
    const LanguageFile file = LanguageFile::load(path.toStdString());
    // The message ids that are the titles of boxes.
    const QStringList boxTitles{"0100", "0116", "0201", "0219", "0552",
                                "0556", "0562", "0700", "0701", "2002"};
    QStringList faults;
    for (const auto& [section, keys] : keysOf(path)) {
        for (const QString& key : keys) {
            const QString value =
                QString::fromStdString(file.value(section.toStdString(), key.toStdString()));
            const QString where = section + u'/' + key + QStringLiteral(": \"") + value + u'"';
            if (const QStringList words = italianWordsIn(value); !words.isEmpty()) {
                faults << where + QStringLiteral(" holds ") + words.join(QStringLiteral(", "));
            }
            const bool title = section == QStringLiteral("Strings")
                                   ? boxTitles.contains(key)
                                   : key.endsWith(QStringLiteral(".Caption")) ||
                                         key.contains(QStringLiteral(".TabCaption("));
            // The archive list's heading lines up with its fixed-pitch rows, blanks and all.
            const bool alignedHeading = key == QStringLiteral("lbIntestazione.Caption");
            if (title && !alignedHeading && value != value.trimmed()) {
                faults << where + QStringLiteral(" has blanks at an end");
            }
        }
    }
    const AllWindows english(QStringLiteral("english"));
    for (const auto& w : english.windows()) {
        for (const auto& [name, text] : shownTexts(w.get())) {
            if (const QStringList words = italianWordsIn(text); !words.isEmpty()) {
                faults << w->objectName() + u'/' + name + QStringLiteral(": ") + text;
            }
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void LanguageFilesTest::captionsFitTheirControls_data() {
    everyKeyReachesItsControl_data();
}

// At each window's default size, in either language, every caption has the room its control
// gives it, measured with the control's own font: nothing is cut short.
void LanguageFilesTest::captionsFitTheirControls() {
    QFETCH(QString, language);
    const AllWindows windows(language);
    QStringList cut;
    for (const auto& window : windows.windows()) {
        window->show();
        QApplication::processEvents();
        if (window->width() < widthForTitle(window->windowTitle())) {
            cut << window->objectName() + QStringLiteral(" title: ") + window->windowTitle();
        }
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(window.get()) || widget->window() != window.get()) {
                continue;
            }
            const QStyle* style = widget->style();
            QString text;
            int room = widget->contentsRect().width();
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                if (label->wordWrap() || label->textFormat() == Qt::RichText ||
                    Qt::mightBeRichText(label->text()) ||
                    label->inherits("quintora::ElidedLabel")) {
                    continue;
                }
                text = label->text();
                room -= 2 * label->margin() + std::max(label->indent(), 0);
            } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
                text = box->title();
            } else if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
                text = static_cast<QAbstractButton*>(widget)->text();
                room -= style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget) +
                        style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, widget);
            } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
                text = button->text();
                // The part of the button its style draws the caption in.
                QStyleOptionButton option;
                option.initFrom(button);
                option.text = button->text();
                room =
                    style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
                if (!button->icon().isNull()) {
                    room -= button->iconSize().width() + 4;
                }
            } else {
                continue;
            }
            text.remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
            const QFontMetrics metrics(widget->font());
            int needed = 0;
            for (const QString& line : text.split(u'\n')) {
                needed = std::max(needed, metrics.horizontalAdvance(line));
            }
            if (needed > room) {
                cut << QStringLiteral("%1/%2 \"%3\": %4 px in %5")
                           .arg(window->objectName(), widget->objectName(), text)
                           .arg(needed)
                           .arg(room);
            }
        }
        window->hide();
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
}

void LanguageFilesTest::missingFilesAreCopiedAndOthersKept() {
    QTemporaryDir root;
    const QString first = root.filePath(QStringLiteral("share"));
    const QString second = root.filePath(QStringLiteral("sources"));
    const QString data = root.filePath(QStringLiteral("data"));
    auto write = [](const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write(first + QStringLiteral("/italiano.lng"), "installed");
    write(first + QStringLiteral("/english.lng"), "installed");
    write(first + QStringLiteral("/note.txt"), "not a language");
    write(second + QStringLiteral("/english.lng"), "sources");
    write(second + QStringLiteral("/deutsch.lng"), "sources");
    write(data + QStringLiteral("/italiano.lng"), "downloaded");

    const QStringList copied =
        copyMissingLanguageFiles({root.filePath(QStringLiteral("missing")), first, second}, data);

    QCOMPARE(QSet<QString>(copied.begin(), copied.end()),
             (QSet<QString>{QStringLiteral("english.lng"), QStringLiteral("deutsch.lng")}));
    auto read = [&data](const char* name) {
        QFile file(data + u'/' + QString::fromUtf8(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QCOMPARE(read("italiano.lng"), QByteArray("downloaded"));
    QCOMPARE(read("english.lng"), QByteArray("installed"));
    QCOMPARE(read("deutsch.lng"), QByteArray("sources"));
    QVERIFY(!QFile::exists(data + QStringLiteral("/note.txt")));
    QVERIFY(copyMissingLanguageFiles({first, second}, data).isEmpty());
}

void LanguageFilesTest::firstStartCopiesTheLanguagesAndOffersThem() {
    test::TemporaryXdg xdg;
    SystemDocument document;
    ScriptedPrompt prompt;
    VersionCheck noCheck;
    StartUp startUp(document, prompt, noCheck, xdg.dataFolder());
    startUp.context().askSettingsWithoutLanguage = true;
    startUp.context().printerNames = [] {
        return QStringList{QStringLiteral("Laser")};
    };
    prompt.acceptMessage(); // "Select Printer": the setting names no printer yet

    QStringList offered;
    bool busyWhileAsked = true;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            return;
        }
        poll.stop();
        busyWhileAsked = QApplication::overrideCursor() != nullptr;
        auto* box = dialog->findChild<QComboBox*>(QStringLiteral("cmbLingua"));
        for (int i = 0; i < box->count(); ++i) {
            offered << box->itemText(i);
        }
        offered << box->currentText();
        box->setCurrentText(QStringLiteral("english"));
        dialog->findChild<QPushButton*>(QStringLiteral("cmdSalva"))->click();
    });
    poll.start();
    QVERIFY(startUp.run({}));

    QVERIFY(!busyWhileAsked);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QCOMPARE(offered, (QStringList{QStringLiteral("english"), QStringLiteral("italiano"),
                                   QStringLiteral("italiano")}));
    QCOMPARE(startUp.context().language.name(), std::string("english"));
    QCOMPARE(startUp.mainWindow()->buttons().clear->text(), QStringLiteral("Clear System"));
    startUp.mainWindow()->hide();
}

QTEST_MAIN(LanguageFilesTest)
#include "LanguageFilesTest.moc"
