// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's own behaviour: placement, column widths and list font kept across runs,
// the song box, Exit, and the list written at every change the user makes.
#include "alarms/alarmlistmodel.h"
#include "app/tfrmmain.h"
#include "clock/tsmallclock.h"
#include "mainwindowfixture.h"
#include "settings/tsetup.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTreeView>
#include <QtTest>
#include <memory>

namespace {
QStringList items(const QComboBox* box)
{
    QStringList result;
    for (int i = 0; i < box->count(); ++i)
        result.append(box->itemText(i));
    return result;
}

// The items of the visible widgets that a layout places, its nested layouts included.
void collectWidgets(QLayout* layout, QList<QLayoutItem*>& items)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() && item->widget()->isVisible())
            items.append(item);
        if (QLayout* nested = item->layout())
            collectWidgets(nested, items);
    }
}
} // namespace

class TestTfrmMain : public QObject
{
    Q_OBJECT

private slots:
    void designSizeOnSmallScreens();
    void designSizeHoldsEveryControl_data();
    void designSizeHoldsEveryControl();
    void restoresPlacementAtBoundaries();
    void exitWritesPlacementInOrder();
    void exitEndsTheProgramUnlessInTray();
    void exitStopsAtTheFirstFailedWrite();
    void closeBoxDoesNotClose();
    void speakerSongRestored();
    void waveSongsListed();
    void songChoiceIsSaved();
    void droppingDownKeepsTheSong();
    void usersTickIsWrittenAtOnce();
    void failedSaveIsReported();
    void helpFile();
};

void TestTfrmMain::designSizeOnSmallScreens()
{
    MainWindowFixture f;
    TfrmMain& w = f.create();
    QVERIFY(w.screen()->logicalDotsPerInch() <= 96);
    QCOMPARE(w.size(), QSize(488, 379));
    QCOMPARE(w.windowTitle(), QStringLiteral("Zib Alarm Clock"));
    QCOMPARE(control<QTreeView>(w, "lvMain")->columnWidth(0), 85);
    QCOMPARE(control<QTreeView>(w, "lvMain")->columnWidth(3), 200);
    // The row's own fields are no columns of the list, so no screen reader announces them.
    QCOMPARE(control<QTreeView>(w, "lvMain")->model()->columnCount(), 4);
}

void TestTfrmMain::designSizeHoldsEveryControl_data()
{
    QTest::addColumn<QString>("family");
    QTest::newRow("the desktop's font") << QString(); // DejaVu Sans on a fresh Debian
    QTest::newRow("a wider family") << "DejaVu Serif";
}

void TestTfrmMain::designSizeHoldsEveryControl()
{
    QFETCH(QString, family);
    const QFont desktopFont = QApplication::font();
    const auto restoreFont = qScopeGuard([&] { QApplication::setFont(desktopFont); });
    if (!family.isEmpty()) {
        QFont font = desktopFont;
        font.setFamily(family);
        if (QFontInfo(font).family() != family)
            QSKIP("the font is not installed");
        QApplication::setFont(font);
    }
    MainWindowFixture f;
    TfrmMain& w = f.create();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // The layout grows the window past the design size as soon as the controls need more.
    QCOMPARE(w.size(), QSize(488, 379));
    for (const QWidget* box : w.centralWidget()->findChildren<QWidget*>()) {
        if (!box->layout() || !box->isVisible())
            continue;
        QList<QLayoutItem*> laidOut;
        collectWidgets(box->layout(), laidOut);
        for (const QLayoutItem* item : laidOut) {
            const QWidget* control = item->widget();
            const QString name = control->objectName() + " in " + box->objectName();
            QVERIFY2(control->width() >= item->minimumSize().width() &&
                         control->height() >= item->minimumSize().height(),
                     qPrintable(name + " is cut"));
            QVERIFY2(box->rect().contains(control->geometry()), qPrintable(name + " is outside"));
            for (const QLayoutItem* other : laidOut)
                QVERIFY2(other == item || !other->widget()->geometry().intersects(control->geometry()),
                         qPrintable(name + " overlaps " + other->widget()->objectName()));
        }
    }
}

void TestTfrmMain::restoresPlacementAtBoundaries()
{
    MainWindowFixture f;
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    f.platform.settings.values["MainFormWidth"] = "101";
    f.platform.settings.values["MainFormHeight"] = QString::number(screen.height());
    f.platform.settings.values["Main Top"] = QString::number(screen.height());
    f.platform.settings.values["Main Left"] = "7";
    f.platform.settings.values["PTColWidth"] = "10";
    f.platform.settings.values["DateTimeColWidth"] = "11";
    f.platform.settings.values["ScheduleColWidth"] = "399";
    f.platform.settings.values["MessageColWidth"] = "400";
    f.platform.settings.values["MainListFontSize"] = "14";
    TfrmMain& w = f.create();
    QCOMPARE(w.width(), 101);
    QCOMPARE(w.height(), screen.height());
    QCOMPARE(w.x(), 7);
    QVERIFY(w.y() != screen.height());
    QCOMPARE(control<QTreeView>(w, "lvMain")->columnWidth(0), 85);
    QCOMPARE(control<QTreeView>(w, "lvMain")->columnWidth(1), 11);
    QCOMPARE(control<QTreeView>(w, "lvMain")->columnWidth(2), 399);
    QCOMPARE(control<QTreeView>(w, "lvMain")->columnWidth(3), 200);
    QCOMPARE(control<QTreeView>(w, "lvMain")->font().pointSize(), 14);
}

void TestTfrmMain::exitWritesPlacementInOrder()
{
    MainWindowFixture f;
    TfrmMain& w = f.start();
    w.move(40, 30);
    w.resize(500, 400);
    control<QTreeView>(w, "lvMain")->setColumnWidth(1, 150);
    f.platform.settings.writes.clear();
    QTest::mouseClick(control<QPushButton>(w, "btnExit"), Qt::LeftButton);
    QCOMPARE(f.platform.settings.writes,
             QStringList({"PTColWidth", "DateTimeColWidth", "ScheduleColWidth", "MessageColWidth", "SongRunColWidth",
                          "Main Top", "Main Left", "MainFormWidth", "MainFormHeight"}));
    QCOMPARE(f.platform.settings.values["DateTimeColWidth"], QStringLiteral("150"));
    QCOMPARE(f.platform.settings.values["SongRunColWidth"], QStringLiteral("0"));
    QCOMPARE(f.platform.settings.values["MainFormWidth"], QStringLiteral("500"));

    // What Exit wrote is what the next start shows.
    MainWindowFixture next;
    next.platform.settings.values = f.platform.settings.values;
    TfrmMain& again = next.create();
    QCOMPARE(again.size(), QSize(500, 400));
    QCOMPARE(control<QTreeView>(again, "lvMain")->columnWidth(1), 150);
}

void TestTfrmMain::exitEndsTheProgramUnlessInTray()
{
    MainWindowFixture f;
    TfrmMain& w = f.start();
    QSignalSpy quit(&w, &TfrmMain::quitRequested);
    w.setTrayMode(true);
    QTest::mouseClick(control<QPushButton>(w, "btnExit"), Qt::LeftButton);
    QCOMPARE(quit.count(), 0);
    QVERIFY(!w.isVisible());
    w.setTrayMode(false);
    w.show();
    QTest::mouseClick(control<QPushButton>(w, "btnExit"), Qt::LeftButton);
    QCOMPARE(quit.count(), 1);
}

void TestTfrmMain::exitStopsAtTheFirstFailedWrite()
{
    MainWindowFixture f;
    TfrmMain& w = f.start();
    QSignalSpy quit(&w, &TfrmMain::quitRequested);
    f.platform.settings.failWrites = true;
    f.platform.settings.writes.clear();
    QTest::mouseClick(control<QPushButton>(w, "btnExit"), Qt::LeftButton);
    QCOMPARE(f.platform.settings.writes, QStringList{"PTColWidth"});
    QCOMPARE(f.platform.dialogs.texts(), QStringList{"Failed to set data for 'PTColWidth'"});
    QCOMPARE(quit.count(), 0);
    QVERIFY(w.isVisible());
}

void TestTfrmMain::closeBoxDoesNotClose()
{
    MainWindowFixture f;
    TfrmMain& w = f.start();
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QVERIFY(!(w.windowFlags() & Qt::WindowCloseButtonHint));
}

void TestTfrmMain::speakerSongRestored()
{
    MainWindowFixture f;
    f.platform.settings.values["Main Output Device"] = "Internal Speaker";
    f.platform.settings.values["Main Song Name"] = "Game";
    TfrmMain& w = f.create();
    QVERIFY(control<QRadioButton>(w, "rbInternalSpeaker")->isChecked());
    QCOMPARE(items(control<QComboBox>(w, "cbTestSongs")), QStringList({"Hurry", "Game"}));
    QCOMPARE(control<QComboBox>(w, "cbTestSongs")->currentText(), QStringLiteral("Game"));
}

void TestTfrmMain::waveSongsListed()
{
    MainWindowFixture f;
    f.writeFile("Bell.wav", {});
    f.writeFile("Chimes.WAV", {});
    f.writeFile("events.acl", {});
    f.platform.settings.values["Main Song Name"] = "Nothing";
    TfrmMain& w = f.create();
    QVERIFY(control<QRadioButton>(w, "rbWave")->isChecked());
    QCOMPARE(items(control<QComboBox>(w, "cbTestSongs")), QStringList({"Bell", "Chimes"}));
    QCOMPARE(control<QComboBox>(w, "cbTestSongs")->currentText(), QStringLiteral("Bell"));
}

void TestTfrmMain::songChoiceIsSaved()
{
    MainWindowFixture f;
    f.writeFile("Bell.wav", {});
    TfrmMain& w = f.start();
    f.platform.settings.writes.clear();
    QTest::mouseClick(control<QRadioButton>(w, "rbInternalSpeaker"), Qt::LeftButton);
    QCOMPARE(f.platform.settings.writes, QStringList({"Main Song Name", "Main Output Device"}));
    QCOMPARE(f.platform.settings.values["Main Song Name"], QStringLiteral("Hurry"));
    QCOMPARE(f.platform.settings.values["Main Output Device"], QStringLiteral("Internal Speaker"));
    QTest::mouseClick(control<QRadioButton>(w, "rbWave"), Qt::LeftButton);
    QCOMPARE(f.platform.settings.values["Main Song Name"], QStringLiteral("Bell"));
    QCOMPARE(f.platform.settings.values["Main Output Device"], QStringLiteral("Wave"));

    // Wave output with no wave file selects nothing, and nothing is written.
    QFile::remove(f.platform.programFile("Bell.wav"));
    f.platform.settings.writes.clear();
    QTest::mouseClick(control<QRadioButton>(w, "rbWave"), Qt::LeftButton);
    QCOMPARE(control<QComboBox>(w, "cbTestSongs")->currentIndex(), -1);
    QVERIFY(f.platform.settings.writes.isEmpty());
}

void TestTfrmMain::droppingDownKeepsTheSong()
{
    MainWindowFixture f;
    f.writeFile("Bell.wav", {});
    f.writeFile("Chimes.wav", {});
    f.platform.settings.values["Main Song Name"] = "Chimes";
    TfrmMain& w = f.start();
    QCOMPARE(control<QComboBox>(w, "cbTestSongs")->currentText(), QStringLiteral("Chimes"));
    f.writeFile("Alarm.wav", {});
    control<QComboBox>(w, "cbTestSongs")->showPopup();
    QCOMPARE(items(control<QComboBox>(w, "cbTestSongs")), QStringList({"Alarm", "Bell", "Chimes"}));
    QCOMPARE(control<QComboBox>(w, "cbTestSongs")->currentText(), QStringLiteral("Chimes"));
    QTest::keyClick(control<QComboBox>(w, "cbTestSongs")->view(), Qt::Key_Escape);
    QCOMPARE(control<QComboBox>(w, "cbTestSongs")->currentText(), QStringLiteral("Chimes"));
}

void TestTfrmMain::usersTickIsWrittenAtOnce()
{
    MainWindowFixture f;
    QFile file(f.platform.programFile("events.acl"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("evt*-1*23:30:00*On*NoShell*Once*Every Day*Wake*-1*\r\n");
    file.close();
    TfrmMain& w = f.start();
    QCOMPARE(w.alarms().rowCount(), 1);
    QVERIFY(w.alarms().setData(w.alarms().index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("evt*-1*23:30:00*Off*NoShell*Once*Every Day*Wake*-1*\r\n"));
}

void TestTfrmMain::failedSaveIsReported()
{
    MainWindowFixture f;
    TfrmMain& w = f.start();
    // A folder where the events file should be: nothing can be written there.
    QVERIFY(QDir(f.platform.programFolder.path()).mkdir("events.acl"));
    f.platform.dialogs.reset();
    QVERIFY(!w.SaveAlarmEvents());
    QCOMPARE(f.platform.dialogs.boxes.size(), 1);
    QVERIFY2(
        f.platform.dialogs.boxes.first().text.startsWith("Error occurred when trying to open events.acl\r\nError # "),
        qPrintable(f.platform.dialogs.boxes.first().text));
    QCOMPARE(f.platform.dialogs.boxes.first().icon, Dialogs::Icon::Error);
    QVERIFY(QFileInfo(f.platform.programFile("events.acl")).isDir());
}

void TestTfrmMain::helpFile()
{
    MainWindowFixture f;
    TfrmMain& w = f.start();
    control<QAction>(w, "smACHelp")->trigger();
    QCOMPARE(f.platform.dialogs.beeps, 1);
    QCOMPARE(f.platform.dialogs.texts(), QStringList{"Help file not found. Visit Zib's home page to download one."});
    QVERIFY(f.platform.shell.opened.isEmpty());

    QVERIFY(QDir(f.platform.programFolder.path()).mkdir("help"));
    f.writeFile("help/achelp.htm", {});
    control<QAction>(w, "smACHelp")->trigger();
    QCOMPARE(f.platform.shell.opened, QList<QUrl>{QUrl::fromLocalFile(f.platform.programFile("help/achelp.htm"))});

    f.platform.shell.result = false;
    f.platform.dialogs.reset();
    control<QAction>(w, "smACHelp")->trigger();
    QCOMPARE(f.platform.dialogs.texts(), QStringList{"This file extension(.htm or .html) is not associated with any "
                                                     "application! Failing to open file."});
}

QTEST_MAIN(TestTfrmMain)
#include "tst_tfrmmain.moc"
