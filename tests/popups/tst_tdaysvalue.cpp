// SPDX-License-Identifier: GPL-3.0-or-later
// The days view: its text, and the double click on the alarm list that opens it.
#include "alarms/alarmlistmodel.h"
#include "mainwindowfixture.h"
#include "popups/daystext.h"
#include "popups/tdaysvalue.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

namespace {
QString dayList(int first, int count)
{
    QString days;
    for (int day = first; day < first + count; ++day)
        days += QString::number(day) + QLatin1Char(' ');
    return days;
}

/// Double-clicks a row and returns the text that the days view showed; empty when none opened.
QString doubleClickRow(TfrmMain& w, int row)
{
    QString shown;
    QTimer::singleShot(0, &w, [&] {
        if (auto* view = w.findChild<TDaysValue*>()) {
            shown = view->lblDaysAre->text();
            QTest::mouseClick(view->btnOK, Qt::LeftButton);
        }
    });
    const QRect cell = control<QTreeView>(w, "lvMain")->visualRect(w.alarms().index(row, ColMessage));
    // A real double click: press and release, then the second press that Qt reports as the double click.
    QTest::mouseClick(control<QTreeView>(w, "lvMain")->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(control<QTreeView>(w, "lvMain")->viewport(), Qt::LeftButton, {}, cell.center());
    QCoreApplication::processEvents();
    return shown;
}
} // namespace

class TestTDaysValue : public QObject
{
    Q_OBJECT

private slots:
    void displayText_data();
    void displayText();
    void window();
    void doubleClickOpensOnlyMonthlyWithDays();
};

void TestTDaysValue::displayText_data()
{
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << ""
                          << "";
    QTest::newRow("ten days end the first line") << "1 5 10 15 20 25 28 29 30 31 "
                                                 << "1 5 10 15 20 25 28 29 30 31 \r\n";
    QTest::newRow("25 days: 10, 10 and 5")
        << dayList(1, 25) << dayList(1, 10) + "\r\n" + dayList(11, 10) + "\r\n" + dayList(21, 5);
    QTest::newRow("text after the last blank is kept") << "3 7"
                                                       << "3 7";
}

void TestTDaysValue::displayText()
{
    QFETCH(QString, days);
    QFETCH(QString, expected);
    QCOMPARE(DaysDisplayText(days), expected);
}

void TestTDaysValue::window()
{
    QWidget owner;
    owner.setGeometry(100, 100, 600, 400);
    TDaysValue view(&owner);
    view.setDays(DaysDisplayText(dayList(1, 12)));
    QCOMPARE(view.windowTitle(), QStringLiteral("Show Days"));
    // Drawn 233 x 97 for 120 pixels per inch; the test screen has 96.
    QCOMPARE(view.lblDaysAre->size(), QSize(186, 78));
    QVERIFY(view.lblDaysAre->wordWrap());
    QCOMPARE(view.lblDaysAre->text(), dayList(1, 10) + "\n" + dayList(11, 2));
    QCOMPARE(view.lblDaysAre->accessibleName(), (dayList(1, 12)).trimmed());
    QVERIFY(view.btnOK->isDefault());
    QPoint shownCentre;
    QTimer::singleShot(0, &view, [&] {
        shownCentre = view.frameGeometry().center();
        QTest::keyClick(&view, Qt::Key_Return);
    });
    QCOMPARE(view.exec(), int(QDialog::Accepted));
    // Created below the owner's middle, shown centred over it.
    QVERIFY2((shownCentre - owner.frameGeometry().center()).manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2").arg(shownCentre.x()).arg(shownCentre.y())));
}

void TestTDaysValue::doubleClickOpensOnlyMonthlyWithDays()
{
    MainWindowFixture f;
    f.writeEvents("evt*-1*07:30:00*On*NoShell*Once*Monthly 1 15 28 *Bell*-1*Rent\r\n"
                  "evt*-1*08:00:00*On*NoShell*Once*Every Day*Bell*-1*Daily\r\n"
                  "evt*-1*09:00:00*On*NoShell*Once*Monthly*Bell*-1*No days\r\n");
    TfrmMain& w = f.start();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(doubleClickRow(w, 0), QStringLiteral("1 15 28 "));
    QVERIFY(w.findChildren<TDaysValue*>().isEmpty());
    QCOMPARE(doubleClickRow(w, 1), QString());
    QCOMPARE(doubleClickRow(w, 2), QString());
}

QTEST_MAIN(TestTDaysValue)
#include "tst_tdaysvalue.moc"
