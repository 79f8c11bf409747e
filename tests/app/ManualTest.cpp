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

#include <memory>
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

// The text of the first line the manual window shows.
QString topLine(ManualWindow* manual) {
    QTextBrowser* browser = manual->browser();
    return browser->cursorForPosition(QPoint(4, 4)).block().text();
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
        QTest::addColumn<bool>("sum");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("heading");
        QTest::newRow("Italian, sum") << "italiano" << true << "it.md"
                                      << "Somma";
        QTest::newRow("English, reduced") << "english" << false << "en.md"
                                          << "Reduced with guarantee";
    }

    void f1InADialogOpensItsSection() {
        QFETCH(QString, language);
        QFETCH(bool, sum);
        QFETCH(QString, file);
        QFETCH(QString, heading);
        Program program(language);
        auto& c = program.context();
        std::unique_ptr<QDialog> dialog;
        if (sum) {
            dialog =
                std::make_unique<SumDialog>(c.document, c.prompt, c.language, &program.window());
        } else {
            dialog = std::make_unique<ReducedDialog>(c.document, c.prompt, c.language,
                                                     &program.window());
        }
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

        QTest::keyClick(dialog.get(), Qt::Key_F1);
        ManualWindow* manual = program.window().manualWindow();
        QVERIFY(manual != nullptr);
        QVERIFY(manual->isVisible());
        QVERIFY(manual->file().endsWith(u'/' + file));
        QCOMPARE(manual->windowModality(), Qt::ApplicationModal);
        QVERIFY(manual->browser()->verticalScrollBar()->value() > 0);
        QCOMPARE(topLine(manual), heading);
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
        QCOMPARE(topLine(manual), QStringLiteral("Marking and developing a system"));
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
