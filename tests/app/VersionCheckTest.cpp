// The version check at start-up against a scripted server, and frmNewVersion.
#include "app/AppContext.h"
#include "app/ServerVersionCheck.h"
#include "document/SystemDocument.h"
#include "support/FakeServer.h"
#include "support/ScriptedPrompt.h"
#include "support/WidgetLookup.h"
#include "ui/NewVersionDialog.h"
#include "update/VersionCompare.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace quintora;
using quintora::test::FakeServer;
using quintora::test::ScriptedPrompt;

class VersionCheckTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { QCOMPARE(prompt_->pending(), 0); }
    void outcomes_data();
    void outcomes();
    void dialogShowsBothVersions();
    void dialogSaysTheProgramCloses_data();
    void dialogSaysTheProgramCloses();

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<SystemDocument> document_;
    std::unique_ptr<ScriptedPrompt> prompt_;
    std::unique_ptr<AppContext> context_;
};

void VersionCheckTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    document_ = std::make_unique<SystemDocument>();
    prompt_ = std::make_unique<ScriptedPrompt>();
    context_ = std::make_unique<AppContext>(*document_, *prompt_, DataFolder(folder_->path()));
    context_->dataFolder.createTree();
}

void VersionCheckTest::outcomes_data() {
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<QString>("remote");
    QTest::addColumn<bool>("announced");
    QTest::addColumn<bool>("errorShown");

    QTest::newRow("server down: silent") << false << QString() << false << false;
    QTest::newRow("same version") << true << QString::fromStdString(localVersionText()) << false
                                  << false;
    QTest::newRow("newer") << true << QStringLiteral("99.0.0") << true << false;
    QTest::newRow("older") << true << QStringLiteral("0.0.1") << false << false;
    QTest::newRow("fewer parts") << true << QString::number(QUINTORA_VERSION_MAJOR) << false
                                 << true;
}

void VersionCheckTest::outcomes() {
    QFETCH(bool, reachable);
    QFETCH(QString, remote);
    QFETCH(bool, announced);
    QFETCH(bool, errorShown);
    FakeServer server;
    if (reachable) {
        (*server.files)["http://127.0.0.1:8642/public/quintora/ver.asp"] =
            remote.toStdString() + "\r\n";
    }
    QString shownRemote;
    ServerVersionCheck check(
        server.download(), [&](AppContext&, const QString&, const QString& r) { shownRemote = r; });
    if (errorShown) {
        prompt_->acceptMessage();
    }
    QCOMPARE(check.run(*context_), !announced);
    QCOMPARE(shownRemote, announced ? remote : QString());
    if (errorShown) {
        QVERIFY(!prompt_->calls().empty());
        QVERIFY(prompt_->calls().front().text.contains(QStringLiteral("NewVersion")));
    }
    // The downloaded version file never stays behind.
    QVERIFY(QDir(context_->dataFolder.tempFolder()).isEmpty());
}

void VersionCheckTest::dialogShowsBothVersions() {
    NewVersionDialog dialog(QUrl(QStringLiteral("http://127.0.0.1:8642/")), context_->language);
    QCOMPARE(test::child<QLabel>(dialog, "lbLocalVersion")->text(), QStringLiteral("00.00.00"));
    dialog.setLocalVersion(QStringLiteral("1.0.0"));
    dialog.setRemoteVersion(QStringLiteral("1.3.0 "));
    dialog.show();
    QCOMPARE(test::child<QLabel>(dialog, "lbLocalVersion")->text(), QStringLiteral("1.0.0"));
    QCOMPARE(test::child<QLabel>(dialog, "lbRemoteVersion")->text(), QStringLiteral("1.3.0 "));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Nuova Versione Disponibile!!"));
    QVERIFY(test::child<QLabel>(dialog, "lbURL")->text().contains(QStringLiteral("127.0.0.1")));
}

void VersionCheckTest::dialogSaysTheProgramCloses_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("closing");
    QTest::newRow("program's own") << QString()
                                   << QStringLiteral("Il programma verrà chiuso: installare la "
                                                     "nuova versione");
    QTest::newRow("italiano") << QStringLiteral("italiano")
                              << QStringLiteral("Il programma verrà chiuso: installare la "
                                                "nuova versione");
    QTest::newRow("english") << QStringLiteral("english")
                             << QStringLiteral("The program will now close: install the new "
                                               "version");
}

// OK ends the program: the box says so, in the language in use, where the user reads it.
void VersionCheckTest::dialogSaysTheProgramCloses() {
    QFETCH(QString, language);
    QFETCH(QString, closing);
    if (!language.isEmpty()) {
        const QString file = language + QStringLiteral(".lng");
        QVERIFY(QFile::copy(QStringLiteral(QUINTORA_SOURCE_DATA) + u'/' + file,
                            context_->dataFolder.root() + u'/' + file));
        QVERIFY(context_->language.select(language.toStdString()));
    }
    NewVersionDialog dialog(QUrl(QStringLiteral("http://127.0.0.1:8642/")), context_->language);
    dialog.show();
    auto* label = test::child<QLabel>(dialog, "lblChiusura");
    QCOMPARE(label->text(), closing);
    QVERIFY(label->isVisible());
    // The whole sentence is on one line of the box, not cut at its edge.
    QVERIFY(label->fontMetrics().horizontalAdvance(closing) <= label->contentsRect().width());
    QVERIFY(label->geometry().right() <= dialog.contentsRect().right());
}

QTEST_MAIN(VersionCheckTest)
#include "VersionCheckTest.moc"
