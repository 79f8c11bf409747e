// frmVisualizza: panels of ten columns, stepping with clamping, keys on the stepping buttons.
#include "ui/ColumnViewer.h"

#include "core/SystemState.h"
#include "settings/Language.h"
#include "support/TemporaryXdg.h"

#include <memory>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace quintora;

namespace {

// Column i (1-based) holds i, i+1, ..., wrapped into 1..50, so every row is recognisable.
std::unique_ptr<SystemState> systemWith(int columns) {
    auto s = std::make_unique<SystemState>();
    for (int i = 1; i <= columns; ++i) {
        Column c{};
        for (int p = 0; p < 5; ++p) {
            c[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>((i + p - 1) % 50 + 1);
        }
        s->columns.push_back(c);
    }
    return s;
}

} // namespace

class ColumnViewerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        xdg_ = std::make_unique<test::TemporaryXdg>();
        language_ = std::make_unique<Language>(xdg_->dataFolder().toStdString());
    }

    void rowText();
    void lastPanel_data();
    void lastPanel();
    void lastPanelShowsTheRemainingColumns();
    void steppingIsClamped_data();
    void steppingIsClamped();
    void withoutColumnsNothingIsRead();
    void aKeyOnAStepperClicksIt();
    void pagingKeys_data();
    void pagingKeys();

private:
    QString row(ColumnViewer& v, int r) {
        return v.findChild<QLabel*>(QStringLiteral("labVisualizza(%1)").arg(r))->text();
    }
    QPushButton* button(ColumnViewer& v, const QString& name) {
        return v.findChild<QPushButton*>(name);
    }

    std::unique_ptr<test::TemporaryXdg> xdg_;
    std::unique_ptr<Language> language_;
};

void ColumnViewerTest::rowText() {
    QCOMPARE(ColumnViewer::rowText({3, 8, 15, 22, 30}),
             QStringLiteral("  03    08    15    22    30    "));
    QCOMPARE(ColumnViewer::rowText({0, 0, 0, 0, 0}), QStringLiteral("  "));
}

void ColumnViewerTest::lastPanel_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("last");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("25") << 25 << 3;
    QTest::newRow("30") << 30 << 3;
}

void ColumnViewerTest::lastPanel() {
    QFETCH(int, columns);
    QFETCH(int, last);
    const auto state = systemWith(columns);
    ColumnViewer viewer(*state, *language_, nullptr);
    QCOMPARE(viewer.lastPanel(), last);
    QCOMPARE(viewer.currentPanel(), 1);
}

void ColumnViewerTest::lastPanelShowsTheRemainingColumns() {
    const auto state = systemWith(25);
    ColumnViewer viewer(*state, *language_, nullptr);
    QTest::mouseClick(button(viewer, QStringLiteral("cmdTOP")), Qt::LeftButton);
    QCOMPARE(viewer.findChild<QLabel*>(QStringLiteral("labNscheda"))->text(), QStringLiteral("3"));
    for (int r = 0; r < 5; ++r) {
        QCOMPARE(row(viewer, r), ColumnViewer::rowText(state->columns.at(20 + r)));
    }
    for (int r = 5; r < 10; ++r) {
        QCOMPARE(row(viewer, r), QStringLiteral("  "));
    }
}

void ColumnViewerTest::steppingIsClamped_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("expected");
    // 50 columns: panels 1..5.
    QTest::newRow("next 10 from 2") << 2 << "cmdNext2" << 5;
    QTest::newRow("back 10 from 4") << 4 << "cmdPrev2" << 1;
    QTest::newRow("next 1 at the end") << 5 << "cmdNext1" << 5;
    QTest::newRow("back 1 at the start") << 1 << "cmdPrev1" << 1;
    QTest::newRow("next 1") << 3 << "cmdNext1" << 4;
    QTest::newRow("first") << 4 << "cmdBOTTOM" << 1;
    QTest::newRow("last") << 2 << "cmdTOP" << 5;
}

void ColumnViewerTest::steppingIsClamped() {
    QFETCH(int, start);
    QFETCH(QString, button);
    QFETCH(int, expected);
    const auto state = systemWith(50);
    ColumnViewer viewer(*state, *language_, nullptr);
    viewer.showPanel(start);
    QTest::mouseClick(this->button(viewer, button), Qt::LeftButton);
    QCOMPARE(viewer.currentPanel(), expected);
    QCOMPARE(row(viewer, 0), ColumnViewer::rowText(state->columns.at((expected - 1) * 10)));
}

void ColumnViewerTest::withoutColumnsNothingIsRead() {
    const auto state = systemWith(0);
    ColumnViewer viewer(*state, *language_, nullptr);
    for (const char* name : {"cmdNext1", "cmdNext2", "cmdTOP", "cmdPrev1", "cmdPrev2"}) {
        QTest::mouseClick(button(viewer, QString::fromUtf8(name)), Qt::LeftButton);
        QCOMPARE(viewer.currentPanel(), 1);
    }
    for (int r = 0; r < 10; ++r) {
        QCOMPARE(row(viewer, r), QStringLiteral("  "));
    }
}

void ColumnViewerTest::aKeyOnAStepperClicksIt() {
    const auto state = systemWith(50);
    ColumnViewer viewer(*state, *language_, nullptr);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    auto* next = button(viewer, QStringLiteral("cmdNext1"));
    next->setFocus();
    QTest::keyClick(next, Qt::Key_A);
    QCOMPARE(viewer.currentPanel(), 2);
    QTest::keyClick(next, Qt::Key_Down);
    QCOMPARE(viewer.currentPanel(), 3);
    QTest::keyClick(next, Qt::Key_Tab); // moves the focus, no click
    QCOMPARE(viewer.currentPanel(), 3);
}

void ColumnViewerTest::pagingKeys_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focus"); // the button that has the focus; empty: none
    QTest::addColumn<int>("expected");
    // 250 columns: panels 1..25.
    QTest::newRow("Home") << 13 << int(Qt::Key_Home) << "" << 1;
    QTest::newRow("End") << 13 << int(Qt::Key_End) << "" << 25;
    QTest::newRow("PageDown") << 13 << int(Qt::Key_PageDown) << "" << 23;
    QTest::newRow("PageDown near the end") << 20 << int(Qt::Key_PageDown) << "" << 25;
    QTest::newRow("PageUp") << 13 << int(Qt::Key_PageUp) << "" << 3;
    QTest::newRow("PageUp near the start") << 5 << int(Qt::Key_PageUp) << "" << 1;
    QTest::newRow("Left") << 13 << int(Qt::Key_Left) << "" << 12;
    QTest::newRow("Up") << 13 << int(Qt::Key_Up) << "" << 12;
    QTest::newRow("Right") << 13 << int(Qt::Key_Right) << "" << 14;
    QTest::newRow("Down on the last panel") << 25 << int(Qt::Key_Down) << "" << 25;
    QTest::newRow("Home on the last-panel button") << 13 << int(Qt::Key_Home) << "cmdTOP" << 1;
    QTest::newRow("Left on the first-panel button") << 13 << int(Qt::Key_Left) << "cmdBOTTOM" << 12;
    QTest::newRow("End on a ten-panel stepper") << 13 << int(Qt::Key_End) << "cmdPrev2" << 25;
}

void ColumnViewerTest::pagingKeys() {
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(QString, focus);
    QFETCH(int, expected);
    const auto state = systemWith(250);
    ColumnViewer viewer(*state, *language_, nullptr);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    viewer.showPanel(start);
    QWidget* target = &viewer;
    if (!focus.isEmpty()) {
        target = button(viewer, focus);
        target->setFocus();
    } else {
        viewer.setFocus();
    }
    QTest::keyClick(target, static_cast<Qt::Key>(key));
    QCOMPARE(viewer.currentPanel(), expected);
    QCOMPARE(row(viewer, 0), ColumnViewer::rowText(state->columns.at((expected - 1) * 10)));
}

QTEST_MAIN(ColumnViewerTest)
#include "ColumnViewerTest.moc"
