// The user's manual: both languages name the same sections and show pictures that exist, and
// the program shows it in the chosen language, from the Info menu and at a dialog's section
// by F1.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "document/SystemDocument.h"
#include "support/ScriptedPrompt.h"
#include "support/TemporaryXdg.h"
#include "ui/conditions/ReducedDialog.h"
#include "ui/conditions/SumDialog.h"
#include "ui/ManualWindow.h"
#include "ui/settings/SettingsDialog.h"

#include <memory>
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

using namespace quintora;

namespace {

const QString ManualFolder = QStringLiteral(QUINTORA_SOURCE_MANUAL);

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList matches(const QString& text, const QString& pattern) {
    QStringList found;
    auto it = QRegularExpression(pattern, QRegularExpression::MultilineOption).globalMatch(text);
    while (it.hasNext()) {
        found << it.next().captured(1);
    }
    return found;
}

// The main window over a data folder whose settings name `language`.
class Program {
public:
    explicit Program(const QString& language) {
        QDir().mkpath(xdg_.dataFolder());
        QFile::copy(QStringLiteral(QUINTORA_SOURCE_DATA "/") + language + QStringLiteral(".lng"),
                    xdg_.dataFolder() + u'/' + language + QStringLiteral(".lng"));
        QFile ini(xdg_.dataFolder() + QStringLiteral("/quintora.ini"));
        if (ini.open(QIODevice::WriteOnly)) {
            ini.write("[IMPOSTAZIONI]\r\nLINGUA=" + language.toLatin1() + "\r\n");
        }
        ini.close();
        context_ = std::make_unique<AppContext>(document_, prompt_,
                                                DataFolder(DataFolder::standardRoot()));
        context_->dataFolder.createTree();
        window_ = std::make_unique<MainWindow>(*context_);
        window_->show();
    }

    SystemDocument& document() { return document_; }
    test::ScriptedPrompt& prompt() { return prompt_; }
    AppContext& context() { return *context_; }
    MainWindow& window() { return *window_; }

private:
    test::TemporaryXdg xdg_;
    SystemDocument document_;
    test::ScriptedPrompt prompt_;
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<MainWindow> window_;
};

// True when the manual shows the section `heading` from its start, or scrolled as far as it
// goes when the section is too near the end to come to the top.
bool showsSection(ManualWindow* manual, const QString& heading) {
    QTextDocument* document = manual->browser()->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && block.text() == heading) {
            const QScrollBar* bar = manual->browser()->verticalScrollBar();
            const int top = qRound(document->documentLayout()->blockBoundingRect(block).top());
            return qAbs(bar->value() - qMin(top, bar->maximum())) <= 2;
        }
    }
    return false;
}

} // namespace

class ManualTest : public QObject {
    Q_OBJECT

private slots:
    // A section only one language has would send F1 in the other to the manual's start.
    void bothLanguagesNameTheSameSections() {
        const QString anchor = QStringLiteral("^<a name=\"([^\"]+)\"></a>$");
        const auto italian = matches(readText(ManualFolder + QStringLiteral("/it.md")), anchor);
        const auto english = matches(readText(ManualFolder + QStringLiteral("/en.md")), anchor);
        QVERIFY(!italian.isEmpty());
        QCOMPARE(english, italian);
    }

    void everyPictureExists_data() {
        QTest::addColumn<QString>("manual");
        QTest::newRow("it") << "it.md";
        QTest::newRow("en") << "en.md";
    }

    void everyPictureExists() {
        QFETCH(QString, manual);
        const auto pictures = matches(readText(ManualFolder + u'/' + manual),
                                      QStringLiteral("!\\[[^\\]]*\\]\\(([^)]+)\\)"));
        QVERIFY(!pictures.isEmpty());
        for (const QString& picture : pictures) {
            QVERIFY2(QFile::exists(ManualFolder + u'/' + picture), qPrintable(picture));
        }
    }

    // F1 in a dialog that holds the program: the manual of the chosen language opens at that
    // dialog's section, and above the dialog so that it can be read and scrolled.
    void f1InADialogOpensItsSection_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("heading");
        QTest::newRow("Italian, sum") << "italiano"
                                      << "sum"
                                      << "it.md"
                                      << "Somma";
        QTest::newRow("English, reduced") << "english"
                                          << "reduced"
                                          << "en.md"
                                          << "Reduced with guarantee";
        QTest::newRow("Italian, settings") << "italiano"
                                           << "settings"
                                           << "it.md"
                                           << "Impostazioni e lingue";
    }

    void f1InADialogOpensItsSection() {
        QFETCH(QString, language);
        QFETCH(QString, dialog);
        QFETCH(QString, file);
        QFETCH(QString, heading);
        Program program(language);
        auto& c = program.context();
        MainWindow* main = &program.window();
        std::unique_ptr<QDialog> shown;
        if (dialog == QLatin1String("sum")) {
            shown = std::make_unique<SumDialog>(c.document, c.prompt, c.language, main);
        } else if (dialog == QLatin1String("reduced")) {
            shown = std::make_unique<ReducedDialog>(c.document, c.prompt, c.language, main);
        } else {
            Settings settings = c.settingsDocument.settings();
            settings.listingPrinter = "Laser";
            QVERIFY(c.settingsDocument.save(settings).ok());
            shown = std::make_unique<SettingsDialog>(c.settingsDocument, c.language, c.prompt,
                                                     QStringList{"Laser"}, main);
        }
        shown->setWindowModality(Qt::ApplicationModal);
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));

        // Where the user presses it: the widget that has the focus.
        QWidget* focus = shown->focusWidget() != nullptr ? shown->focusWidget() : shown.get();
        QTest::keyClick(focus, Qt::Key_F1);
        ManualWindow* manual = program.window().manualWindow();
        QVERIFY(manual != nullptr);
        QVERIFY(manual->isVisible());
        QVERIFY(manual->file().endsWith(u'/' + file));
        QCOMPARE(manual->windowModality(), Qt::ApplicationModal);
        QVERIFY(manual->browser()->verticalScrollBar()->value() > 0);
        QVERIFY2(showsSection(manual, heading), qPrintable(heading));
    }

    // F1 over an open menu is F1 in the window the menu belongs to.
    void f1InAMenuOpensItsWindowsSection() {
        Program program(QStringLiteral("english"));
        QMenu* menu = program.window().menus().file;
        menu->popup(program.window().mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::keyClick(menu, Qt::Key_F1);
        ManualWindow* manual = program.window().manualWindow();
        QVERIFY(manual != nullptr && manual->isVisible());
        QVERIFY(showsSection(manual, QStringLiteral("Marking and developing a system")));
    }

    // The Info menu's entry: the manual of the chosen language from its start, in a window
    // of its own that leaves the main window usable.
    void menuEntryOpensTheStart_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::newRow("Italian") << "italiano"
                                 << "it.md"
                                 << "Guida di Quintora";
        QTest::newRow("English") << "english"
                                 << "en.md"
                                 << "Quintora Manual";
    }

    void menuEntryOpensTheStart() {
        QFETCH(QString, language);
        QFETCH(QString, file);
        QFETCH(QString, title);
        Program program(language);
        // Opened once at a section first: the menu goes back to the start.
        program.window().showManualSection(QStringLiteral("frmAnalisi"));
        program.window().actions().manual->trigger();
        ManualWindow* manual = program.window().manualWindow();
        QVERIFY(manual != nullptr && manual->isVisible());
        QVERIFY(manual->file().endsWith(u'/' + file));
        QCOMPARE(manual->windowTitle(), title);
        QCOMPARE(manual->windowModality(), Qt::NonModal);
        QCOMPARE(manual->browser()->verticalScrollBar()->value(), 0);
        QTest::keyClick(manual->browser(), Qt::Key_Escape);
        QVERIFY(!manual->isVisible());
    }
};

QTEST_MAIN(ManualTest)
#include "ManualTest.moc"
