#include "ui/LanguageApplier.h"

#include "settings/LanguageFile.h"
#include "support/WidgetLookup.h"

#include <memory>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QtTest>
#include <QVBoxLayout>

using quintora::LanguageFile;

namespace {

// A window like the program's: an array of labels, a button, a frame, a list, tabs, a menu
// and a dialog of its own parented to it.
std::unique_ptr<QWidget> makeWindow() {
    auto window = std::make_unique<QWidget>();
    window->setObjectName(QStringLiteral("frmSpoglio"));
    window->setWindowTitle(QStringLiteral("Spoglio"));
    auto* layout = new QVBoxLayout(window.get());
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(QStringLiteral("cat %1").arg(i), window.get());
        label->setObjectName(QStringLiteral("lblCategoria(%1)").arg(i));
        layout->addWidget(label);
    }
    auto* frame = new QGroupBox(QStringLiteral("Frame"), window.get());
    frame->setObjectName(QStringLiteral("frameDati"));
    layout->addWidget(frame);
    auto* button = new QPushButton(QStringLiteral("OK"), frame);
    button->setObjectName(QStringLiteral("cmdOk"));
    button->setToolTip(QStringLiteral("ok tip"));
    auto* list = new QListWidget(window.get());
    list->setObjectName(QStringLiteral("lstEstrazioni"));
    layout->addWidget(list);
    auto* tabs = new QTabWidget(window.get());
    tabs->setObjectName(QStringLiteral("tabPagine"));
    tabs->addTab(new QWidget(tabs), QStringLiteral("Tab0"));
    tabs->addTab(new QWidget(tabs), QStringLiteral("Tab1"));
    layout->addWidget(tabs);
    auto* bar = new QMenuBar(window.get());
    layout->setMenuBar(bar);
    QMenu* menu = bar->addMenu(QStringLiteral("&File"));
    menu->setObjectName(QStringLiteral("menufile"));
    QAction* open = menu->addAction(QStringLiteral("&Apri"));
    open->setObjectName(QStringLiteral("menuapri"));
    auto* dialog = new QDialog(window.get());
    dialog->setObjectName(QStringLiteral("frmAltro"));
    auto* other = new QLabel(QStringLiteral("other"), dialog);
    other->setObjectName(QStringLiteral("lblCategoria(3)"));
    return window;
}

using quintora::test::captionOf;

// Every text the language file can reach, keyed like the file's keys.
QMap<QString, QString> textsOf(QWidget* window) {
    QMap<QString, QString> texts;
    const QString name = window->objectName();
    texts[name + QStringLiteral(".Caption")] = window->windowTitle();
    texts[name + QStringLiteral(".ToolTipText")] = window->toolTip();
    texts[name + QStringLiteral(".Tag")] = window->property("Tag").toString();
    for (QObject* object : window->findChildren<QObject*>()) {
        const QString own = object->objectName();
        if (own.isEmpty()) {
            continue;
        }
        const QString prefix = object->parent() == window->findChild<QDialog*>()
                                   ? QStringLiteral("dialog:") + own
                                   : own;
        texts[prefix + QStringLiteral(".Caption")] = captionOf(object);
        texts[prefix + QStringLiteral(".ToolTipText")] = object->property("toolTip").toString();
        texts[prefix + QStringLiteral(".Tag")] = object->property("Tag").toString();
        if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
            for (int t = 0; t < tabs->count(); ++t) {
                texts[prefix + QStringLiteral(".TabCaption(%1)").arg(t)] = tabs->tabText(t);
            }
        }
    }
    return texts;
}

} // namespace

class LanguageApplierTest : public QObject {
    Q_OBJECT

private slots:
    void changesExactlyWhatTheFileNames_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("changes"); // key, new text, key, new text...

        QTest::newRow("window caption only")
            << QStringLiteral("[frmSpoglio]\nfrmSpoglio.Caption=Check\n")
            << QStringList{QStringLiteral("frmSpoglio.Caption"), QStringLiteral("Check")};
        QTest::newRow("one element of an array")
            << QStringLiteral("[frmSpoglio]\nlblCategoria(3).Caption=\"Terza\"\n")
            << QStringList{QStringLiteral("lblCategoria(3).Caption"), QStringLiteral("Terza")};
        QTest::newRow("empty values keep the texts")
            << QStringLiteral("[frmSpoglio]\nfrmSpoglio.Caption=\ncmdOk.Caption=\"\"\n"
                              "cmdOk.ToolTipText=  \n")
            << QStringList{};
        QTest::newRow("other window's section")
            << QStringLiteral("[frmAltro]\nlblCategoria(3).Caption=x\nfrmSpoglio.Caption=y\n")
            << QStringList{};
        QTest::newRow("every kind of text")
            << QStringLiteral("[FRMSPOGLIO]\n"
                              "frmSpoglio.ToolTipText=win tip\n"
                              "frmSpoglio.Tag=win tag\n"
                              "frameDati.Caption=Dati\n"
                              "cmdOk.Caption=&Va bene\n"
                              "cmdOk.ToolTipText=Conferma\n"
                              "cmdOk.Tag=1\n"
                              "menufile.Caption=&Archivio\n"
                              "menuapri.Caption=&Open\n"
                              "menuapri.ToolTipText=Open a system\n"
                              "tabPagine.TabCaption(1)=Seconda\n"
                              "tabPagine.TabCaption(2)=none\n"
                              "lstEstrazioni.Caption=lists have none\n"
                              "lstEstrazioni.Tag=list tag\n")
            << QStringList{QStringLiteral("frmSpoglio.ToolTipText"),
                           QStringLiteral("win tip"),
                           QStringLiteral("frmSpoglio.Tag"),
                           QStringLiteral("win tag"),
                           QStringLiteral("frameDati.Caption"),
                           QStringLiteral("Dati"),
                           QStringLiteral("cmdOk.Caption"),
                           QStringLiteral("&Va bene"),
                           QStringLiteral("cmdOk.ToolTipText"),
                           QStringLiteral("Conferma"),
                           QStringLiteral("cmdOk.Tag"),
                           QStringLiteral("1"),
                           QStringLiteral("menufile.Caption"),
                           QStringLiteral("&Archivio"),
                           QStringLiteral("menuapri.Caption"),
                           QStringLiteral("&Open"),
                           QStringLiteral("menuapri.ToolTipText"),
                           QStringLiteral("Open a system"),
                           QStringLiteral("tabPagine.TabCaption(1)"),
                           QStringLiteral("Seconda"),
                           QStringLiteral("lstEstrazioni.Tag"),
                           QStringLiteral("list tag")};
    }

    void changesExactlyWhatTheFileNames() {
        QFETCH(QString, file);
        QFETCH(QStringList, changes);
        const auto window = makeWindow();
        QMap<QString, QString> expected = textsOf(window.get());
        for (qsizetype i = 0; i + 1 < changes.size(); i += 2) {
            QVERIFY2(expected.contains(changes[i]), qPrintable(changes[i]));
            expected[changes[i]] = changes[i + 1];
        }
        quintora::applyLanguage(window.get(), LanguageFile::fromBytes(file.toStdString()));
        const QMap<QString, QString> actual = textsOf(window.get());
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            QCOMPARE(actual.value(it.key()), it.value());
        }
    }

    void windows1252TextArrivesAsUnicode() {
        const auto window = makeWindow();
        quintora::applyLanguage(
            window.get(),
            LanguageFile::fromBytes("[frmSpoglio]\nfrmSpoglio.Caption=Citt\xE0 \x80\n"));
        QCOMPARE(window->windowTitle(), QStringLiteral(u"Citt\u00E0 \u20AC"));
    }

    void centerFormCentresOnTheScreen() {
        QWidget window;
        window.resize(301, 199);
        quintora::centerForm(&window);
        const QRect area = window.screen()->geometry();
        const QSize size = window.frameGeometry().size();
        QCOMPARE(window.pos(), QPoint(area.x() + (area.width() - size.width()) / 2,
                                      area.y() + (area.height() - size.height()) / 2));
    }
};

QTEST_MAIN(LanguageApplierTest)
#include "LanguageApplierTest.moc"
