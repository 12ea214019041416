// SPDX-License-Identifier: GPL-3.0-or-later
// The about box from the main menu and the tray menu, on fakes.
#include "mainwindowfixture.h"
#include "popups/taboutbox.h"
#include "tray/tform2.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
QList<TAboutBox*> aboutBoxes(TfrmMain& w)
{
    return w.findChildren<TAboutBox*>();
}

/// Runs check while the box that the trigger opens is shown, then closes it with closing.
void whileOpen(TfrmMain& w, QAction* trigger, const std::function<void(TAboutBox&)>& check,
               const std::function<void(TAboutBox&)>& closing)
{
    bool ran = false;
    QTimer::singleShot(0, &w, [&] {
        const QList<TAboutBox*> boxes = aboutBoxes(w);
        QCOMPARE(boxes.size(), 1);
        TAboutBox& box = *boxes.first();
        QTRY_VERIFY(box.isVisible());
        check(box);
        ran = true;
        closing(box);
    });
    trigger->trigger();
    QVERIFY(ran);
    QVERIFY(aboutBoxes(w).isEmpty());
}
} // namespace

class TestTAboutBox : public QObject
{
    Q_OBJECT

private slots:
    void showsTheProductAndCloses_data();
    void showsTheProductAndCloses();
    void trayAboutRaisesTheOpenBox();
};

void TestTAboutBox::showsTheProductAndCloses_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("OK button") << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void TestTAboutBox::showsTheProductAndCloses()
{
    QFETCH(int, key);
    MainWindowFixture f;
    TfrmMain& w = f.start();
    QVERIFY(control<QAction>(w, "smAbout")->isEnabled());
    f.platform.taskbar.hide();
    whileOpen(
        w, control<QAction>(w, "smAbout"),
        [&](TAboutBox& box) {
            QCOMPARE(box.windowTitle(), QStringLiteral("About"));
            QVERIFY(box.isModal());
            QCOMPARE(box.Label1->text(), QStringLiteral("Zib Alarm Clock v2.2"));
            QCOMPARE(box.Label1->font().family(), QStringLiteral("Comic Sans MS"));
            QCOMPARE(box.Label1->font().pixelSize(), 15);
            QCOMPARE(box.Label1->palette().color(QPalette::WindowText), QColor(Qt::black));
            QVERIFY(!box.imgLogo->pixmap().isNull());
            QVERIFY(box.imgMainIcon->x() > box.Label1->x());
            QVERIFY(box.imgLogo->x() < box.Label1->x());
            QCOMPARE(f.platform.dialogs.beeps, 1);
            QVERIFY(f.platform.taskbar.isShown());
        },
        [&](TAboutBox& box) {
            if (key)
                QTest::keyClick(&box, Qt::Key(key));
            else
                QTest::mouseClick(box.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        });
}

void TestTAboutBox::trayAboutRaisesTheOpenBox()
{
    MainWindowFixture f;
    f.platform.settings.values["Check In Tray"] = "1";
    TfrmMain& w = f.start();
    auto* tray = w.findChild<TForm2*>(QStringLiteral("TForm2"));
    QVERIFY(tray);
    auto* About1 = tray->findChild<QAction*>(QStringLiteral("About1"));
    QVERIFY(About1);
    TAboutBox* first = nullptr;
    whileOpen(
        w, About1,
        [&](TAboutBox& box) {
            first = &box;
            // The box is open: the main menu's About and the tray's bring up the same one.
            control<QAction>(w, "smAbout")->trigger();
            About1->trigger();
            QCOMPARE(aboutBoxes(w), QList<TAboutBox*>{first});
            QCOMPARE(f.platform.dialogs.beeps, 1);
        },
        [](TAboutBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    // Each About opens a fresh box.
    whileOpen(
        w, control<QAction>(w, "smAbout"), [&](TAboutBox&) { QCOMPARE(f.platform.dialogs.beeps, 2); },
        [](TAboutBox& box) { box.OKButton->click(); });
}

QTEST_MAIN(TestTAboutBox)
#include "tst_taboutbox.moc"
