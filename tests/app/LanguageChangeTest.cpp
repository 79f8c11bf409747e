// The program in the language the user chose: the boxes speak it too, the Italian ones read as
// the program's own texts, a language saved in the settings reaches every window at once, and
// Return on a box over the settings dialog answers only the box.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "document/SystemDocument.h"
#include "print/PrintWords.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "support/LanguagePieces.h"
#include "support/ScriptedPrompt.h"
#include "support/TemporaryXdg.h"
#include "support/WidgetLookup.h"
#include "ui/archive/ArchiveWindow.h"
#include "ui/filters/FilterDialog.h"
#include "ui/Prompt.h"
#include "ui/settings/SettingsDialog.h"

#include <functional>
#include <memory>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace quintora;
using quintora::test::ScriptedPrompt;

namespace {

const QString SourceData = QStringLiteral(QUINTORA_SOURCE_DATA);

// A data folder with the shipped language files and a settings file naming `language` (none
// when empty) and holding `moreSettings`, and the main window over it.
class Program {
public:
    explicit Program(const QString& language, const QByteArray& moreSettings = {}) {
        QDir().mkpath(xdg_.dataFolder());
        for (const char* name : {"italiano.lng", "english.lng"}) {
            QFile::copy(SourceData + u'/' + QString::fromUtf8(name),
                        xdg_.dataFolder() + u'/' + QString::fromUtf8(name));
        }
        QFile ini(settingsPath());
        if (ini.open(QIODevice::WriteOnly)) {
            ini.write("[IMPOSTAZIONI]\r\nSTAMPANTE TABULATO=Laser\r\n");
            if (!language.isEmpty()) {
                ini.write("LINGUA=" + language.toLatin1() + "\r\n");
            }
            ini.write(moreSettings);
            ini.close();
        }
        context_ = std::make_unique<AppContext>(document_, prompt_,
                                                DataFolder(DataFolder::standardRoot()));
        context_->dataFolder.createTree();
        context_->printerNames = [] {
            return QStringList{QStringLiteral("Laser")};
        };
        window_ = std::make_unique<MainWindow>(*context_);
        window_->show();
    }

    QString settingsPath() const { return xdg_.dataFolder() + QStringLiteral("/quintora.ini"); }
    QString folder() const { return xdg_.dataFolder(); }
    SystemDocument& document() { return document_; }
    ScriptedPrompt& prompt() { return prompt_; }
    AppContext& context() { return *context_; }
    MainWindow& window() { return *window_; }

    // A locked system of a few imported columns, as after an import.
    void adoptColumns() {
        QVERIFY(
            document_
                .adoptImportedColumns({{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}}, {1, 2},
                                      (folder() + QStringLiteral("/sistemi/a.txt")).toStdString())
                .ok());
    }

private:
    test::TemporaryXdg xdg_;
    SystemDocument document_;
    ScriptedPrompt prompt_;
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<MainWindow> window_;
};

// Hears every window that shows; the first that `wanted` picks gets `shown` once the event loop
// turns again, so a modal dialog's own loop is running by then.
class FirstShown : public QObject {
public:
    FirstShown(std::function<bool(QWidget&)> wanted, std::function<void(QWidget&)> shown)
        : wanted_(std::move(wanted))
        , shown_(std::move(shown)) {
        QApplication::instance()->installEventFilter(this);
    }
    ~FirstShown() override { QApplication::instance()->removeEventFilter(this); }
    FirstShown(const FirstShown&) = delete;
    FirstShown& operator=(const FirstShown&) = delete;

    bool seen() const { return seen_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && !seen_ && window && window->isWindow() &&
            wanted_(*window)) {
            seen_ = true;
            QMetaObject::invokeMethod(
                window, [this, window] { shown_(*window); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<bool(QWidget&)> wanted_;
    std::function<void(QWidget&)> shown_;
    bool seen_ = false;
};

// Runs `open`, and once a modal dialog of that name is up runs `inside` on it.
void withModal(const QString& name, const std::function<void()>& open,
               const std::function<void(QWidget&)>& inside) {
    bool ran = false;
    const FirstShown watch([&](QWidget& w) { return w.objectName() == name; },
                           [&](QWidget& w) {
                               ran = true;
                               inside(w);
                           });
    open();
    QVERIFY2(ran, qPrintable(name));
}

// The boxes a user meets, each raised through the window as a user would raise it.
void raiseTheBoxes(Program& program) {
    MainWindow& window = program.window();
    ScriptedPrompt& prompt = program.prompt();

    prompt.answerQuestion(false); // exit? no
    window.close();

    program.adoptColumns();
    prompt.answerQuestion(false); // shuffle? no
    window.actions().shuffle->trigger();
    prompt.answerQuestion(false); // reopen for changes? no
    window.actions().reopenForChanges->trigger();

    prompt.answerSaveFile(program.folder() + QStringLiteral("/esportato.txt"));
    prompt.acceptMessage(); // the export's confirmation
    window.actions().exportColumns->trigger();

    // An import without Euro numbers asks for them; cancelling keeps the system.
    const QString text = program.folder() + QStringLiteral("/colonne.txt");
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("1 2 3 4 5\n8 9 10 11 12\n");
    file.close();
    prompt.answerOpenFile(text);
    prompt.answerInput(std::nullopt);
    prompt.acceptMessage(); // import cancelled
    window.actions().importColumns->trigger();

    withModal(
        QStringLiteral("frmImpostazioni"), [&] { window.actions().settings->trigger(); },
        [&](QWidget& dialog) {
            prompt.acceptMessage(); // the language files' folder
            test::click(test::child<QPushButton>(dialog, "cmdInfoLanguage"));
            test::child<QLineEdit>(dialog, "txtCostoCol")->setText(QStringLiteral("due euro"));
            prompt.acceptMessage(); // not a price
            test::click(test::child<QPushButton>(dialog, "cmdSalva"));
            static_cast<QDialog&>(dialog).reject();
        });
}

} // namespace

class LanguageChangeTest : public QObject {
    Q_OBJECT

private slots:
    void boxesSpeakTheChosenLanguage();
    void savedLanguageReachesEveryWindowAtOnce();
    void returnOnThePrinterBoxLeavesTheSettingsUnsaved();
    void headerPlaceholderSpeaksTheLanguage_data();
    void headerPlaceholderSpeaksTheLanguage();
};

void LanguageChangeTest::boxesSpeakTheChosenLanguage() {
    Program own({});
    Program italian(QStringLiteral("italiano"));
    Program english(QStringLiteral("english"));
    for (Program* program : {&own, &italian, &english}) {
        raiseTheBoxes(*program);
        QCOMPARE(program->prompt().pending(), 0);
    }

    // Italian reads exactly as the program's own texts, box for box (file names aside).
    const auto& ownCalls = own.prompt().calls();
    const auto& italianCalls = italian.prompt().calls();
    QCOMPARE(italianCalls.size(), ownCalls.size());
    const auto withoutFolder = [](QString text, const Program& program) {
        return text.replace(program.folder(), QStringLiteral("/"));
    };
    for (std::size_t i = 0; i < ownCalls.size(); ++i) {
        QCOMPARE(withoutFolder(italianCalls[i].title, italian),
                 withoutFolder(ownCalls[i].title, own));
        QCOMPARE(withoutFolder(italianCalls[i].text, italian),
                 withoutFolder(ownCalls[i].text, own));
    }

    // English: every word of every box comes from english.lng.
    const QStringList pieces = test::piecesOf(SourceData + QStringLiteral("/english.lng"));
    const auto& englishCalls = english.prompt().calls();
    QCOMPARE(englishCalls.size(), ownCalls.size());
    QStringList foreign;
    for (const auto& call : englishCalls) {
        if (call.kind == ScriptedPrompt::Kind::OpenFile ||
            call.kind == ScriptedPrompt::Kind::SaveFile) {
            continue; // a folder and a filter; the dialog's own texts are Qt's
        }
        for (const QString& text : {call.title, call.text}) {
            if (!test::leftOverWords(withoutFolder(text, english), pieces).isEmpty()) {
                foreign << text;
            }
        }
    }
    QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(u'\n')));
    const auto question = english.prompt().callsOf(ScriptedPrompt::Kind::Question).at(0);
    QCOMPARE(question.text, QStringLiteral("Exit the program?"));
    const auto input = english.prompt().callsOf(ScriptedPrompt::Kind::Input).at(0);
    QCOMPARE(input.title, QStringLiteral("Euro Numbers"));
    QCOMPARE(input.text, QStringLiteral("Value No. 1?"));
}

void LanguageChangeTest::savedLanguageReachesEveryWindowAtOnce() {
    Program program(QStringLiteral("italiano"));
    MainWindow& window = program.window();
    window.loadArchiveWindows(); // built and hidden, as after a first look at the archive
    QCOMPARE(test::child<QPushButton>(window, "cmdCalcolo")->text(),
             QStringLiteral("Elabora Sistema"));

    withModal(
        QStringLiteral("frmImpostazioni"), [&] { window.actions().settings->trigger(); },
        [&](QWidget& dialog) {
            auto* languages = test::child<QComboBox>(dialog, "cmbLingua");
            languages->setCurrentIndex(languages->findText(QStringLiteral("english")));
            test::click(test::child<QPushButton>(dialog, "cmdSalva"));
        });

    QCOMPARE(test::child<QPushButton>(window, "cmdCalcolo")->text(),
             QStringLiteral("Generate System"));
    QVERIFY(window.windowTitle().startsWith(QStringLiteral("Quintora - Version ")));
    QVERIFY(test::child<QLabel>(window, "labnumeri")
                ->text()
                .startsWith(QStringLiteral("Numbers in play [")));
    QCOMPARE(window.archiveWindow()->windowTitle().trimmed(), QStringLiteral("Draw Archive"));
    // A dialog opened afterwards, and the boxes, are in English too.
    withModal(
        QStringLiteral("frmFiltri"), [&] { window.actions().filterColumns->trigger(); },
        [&](QWidget& dialog) {
            QVERIFY(test::leftOverWords(dialog.windowTitle(),
                                        test::piecesOf(SourceData + QStringLiteral("/english.lng")))
                        .isEmpty());
            program.prompt().answerQuestion(false);
            test::click(test::child<QPushButton>(dialog, "cmdCancellaTutto"));
            static_cast<QDialog&>(dialog).reject();
        });
    const auto asked = program.prompt().callsOf(ScriptedPrompt::Kind::Question).back();
    QCOMPARE(asked.text,
             QStringLiteral("This will delete every filter column\nDo you want to go on?"));

    // And back: Italian again, byte for byte.
    withModal(
        QStringLiteral("frmImpostazioni"), [&] { window.actions().settings->trigger(); },
        [&](QWidget& dialog) {
            auto* languages = test::child<QComboBox>(dialog, "cmbLingua");
            languages->setCurrentIndex(languages->findText(QStringLiteral("italiano")));
            test::click(test::child<QPushButton>(dialog, "cmdSalva"));
        });
    QCOMPARE(test::child<QPushButton>(window, "cmdCalcolo")->text(),
             QStringLiteral("Elabora Sistema"));
    QVERIFY(window.windowTitle().startsWith(QStringLiteral("Quintora - Ver. ")));
    QCOMPARE(program.prompt().pending(), 0);
}

void LanguageChangeTest::returnOnThePrinterBoxLeavesTheSettingsUnsaved() {
    test::TemporaryXdg xdg;
    QDir().mkpath(xdg.dataFolder());
    const QString ini = xdg.dataFolder() + QStringLiteral("/quintora.ini");
    Language language(xdg.dataFolder().toStdString());
    SettingsDocument settings(ini.toStdString());
    QtPrompt boxes; // the real boxes: the keys must reach the box, not the dialog behind it
    SettingsDialog dialog(settings, language, boxes, {}, nullptr);

    bool dialogUpWhenAsked = false;
    bool dialogUpAfterTheBox = false;
    const FirstShown watch([](QWidget& w) { return qobject_cast<QMessageBox*>(&w) != nullptr; },
                           [&](QWidget& box) {
                               dialogUpWhenAsked = dialog.isVisible();
                               // Once the box is done, the dialog must still wait for its user.
                               connect(
                                   static_cast<QMessageBox*>(&box), &QDialog::finished, &dialog,
                                   [&] {
                                       dialogUpAfterTheBox = dialog.isVisible();
                                       dialog.reject();
                                   },
                                   Qt::QueuedConnection);
                               QTest::keyClick(&box, Qt::Key_Return);
                           });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(watch.seen());
    QVERIFY(dialogUpWhenAsked);
    QVERIFY(dialogUpAfterTheBox);
    QVERIFY(!QFile::exists(ini));
}

void LanguageChangeTest::headerPlaceholderSpeaksTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QByteArray>("saved");
    const QString outlet = QStringLiteral("OUTLET XXXX - CHANGE THE SETTINGS FROM THE FILE MENU");
    const QString ricevitoria =
        QStringLiteral("RICEVITORIA XXXX - CAMBIA LE IMPOSTAZIONI DAL MENU FILE");
    QTest::newRow("english, no header")
        << QStringLiteral("english") << QByteArray() << outlet << QByteArray();
    QTest::newRow("italiano, no header")
        << QStringLiteral("italiano") << QByteArray() << ricevitoria << QByteArray();
    // What the first save of an earlier version wrote is no header of the user's.
    QTest::newRow("english, Italian placeholder stored")
        << QStringLiteral("english") << ricevitoria.toLatin1() << outlet << QByteArray();
    QTest::newRow("italiano, English placeholder stored")
        << QStringLiteral("italiano") << outlet.toLatin1() << ricevitoria << QByteArray();
    QTest::newRow("english, the user's own")
        << QStringLiteral("english") << QByteArray("Bar Sport 7") << QStringLiteral("Bar Sport 7")
        << QByteArray("Bar Sport 7");
}

// A header the user never wrote prints the placeholder of the language in use, shown greyed in
// the settings dialog; saving the settings never stores it, so it follows a later change of
// language. A header of the user's stays as written.
void LanguageChangeTest::headerPlaceholderSpeaksTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QByteArray, stored);
    QFETCH(QString, printed);
    QFETCH(QByteArray, saved);
    Program program(language, stored.isNull() ? QByteArray() : "INTESTAZIONE=" + stored + "\r\n");
    const auto printedNow = [&program] {
        const PrintWords words = printWordsFor(program.context().language);
        return QString::fromStdString(
            printedHeader(program.context().settingsDocument.settings().header, words));
    };
    QCOMPARE(printedNow(), printed);

    withModal(
        QStringLiteral("frmImpostazioni"), [&] { program.window().actions().settings->trigger(); },
        [&](QWidget& dialog) {
            auto* header = test::child<QLineEdit>(dialog, "mskIntestazione");
            QCOMPARE(header->text(), QString::fromLatin1(saved));
            if (saved.isEmpty()) {
                QCOMPARE(header->placeholderText(), printed);
            }
            test::click(test::child<QPushButton>(dialog, "cmdSalva"));
        });
    const IniFile ini(program.settingsPath().toStdString());
    QCOMPARE(QByteArray::fromStdString(ini.getProperty(SettingsSection, "INTESTAZIONE")), saved);
    QCOMPARE(printedNow(), printed);
}

QTEST_MAIN(LanguageChangeTest)
#include "LanguageChangeTest.moc"
