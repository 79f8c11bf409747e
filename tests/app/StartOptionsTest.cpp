// The program's own command line: what is an option, what is the file, and --help / --version
// answered by the real program without any display.
#include "app/StartOptions.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

using namespace quintora;

Q_DECLARE_METATYPE(StartOptions::Action)

class StartOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void readsOptionsAndFile_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<StartOptions::Action>("action");
        QTest::addColumn<bool>("quitAfterStart");
        QTest::addColumn<QStringList>("file");
        using A = StartOptions::Action;
        const QStringList none;
        QTest::newRow("nothing") << none << A::Run << false << none;
        QTest::newRow("file split at a blank") << QStringList{"my", "system.qsy"} << A::Run << false
                                               << QStringList{"my", "system.qsy"};
        QTest::newRow("help after a file")
            << QStringList{"a.qsy", "--help"} << A::Help << false << QStringList{"a.qsy"};
        QTest::newRow("short help") << QStringList{"-h"} << A::Help << false << none;
        QTest::newRow("version") << QStringList{"--version"} << A::Version << false << none;
        QTest::newRow("short version") << QStringList{"-v"} << A::Version << false << none;
        QTest::newRow("quit after start, file kept")
            << QStringList{"--quit-after-start", "a.qsy"} << A::Run << true << QStringList{"a.qsy"};
        QTest::newRow("after -- everything is the file")
            << QStringList{"--", "--help", "-v"} << A::Run << false << QStringList{"--help", "-v"};
    }

    void readsOptionsAndFile() {
        QFETCH(QStringList, arguments);
        QFETCH(StartOptions::Action, action);
        QFETCH(bool, quitAfterStart);
        QFETCH(QStringList, file);
        const auto options = parseStartOptions(arguments);
        QCOMPARE(options.action, action);
        QCOMPARE(options.quitAfterStart, quitAfterStart);
        if (action == StartOptions::Action::Run) {
            QCOMPARE(options.fileArguments, file);
        }
    }

    // Asked for on a machine without a display (a server, a package's test), both answer
    // instead of failing to open one.
    void helpAndVersionNeedNoDisplay_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("expected");
        QTest::newRow("version") << "--version"
                                 << "quintora " QUINTORA_VERSION "\n";
        QTest::newRow("help") << "--help"
                              << "--quit-after-start";
    }

    void helpAndVersionNeedNoDisplay() {
        QFETCH(QString, option);
        QFETCH(QString, expected);
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(QUINTORA_APP_PATH), {option});
        QVERIFY(program.waitForFinished(15000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        QVERIFY2(option == QLatin1String("--version") ? out == expected : out.contains(expected),
                 qPrintable(out));
    }
};

QTEST_GUILESS_MAIN(StartOptionsTest)
#include "StartOptionsTest.moc"
