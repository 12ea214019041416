// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader can read and do: the same handlers as the mouse, without waiting on boxes.
#include "alarms/alarmlistmodel.h"
#include "clock/tsmallclock.h"
#include "core/settingvalues.h"
#include "mainwindowfixture.h"
#include "widgets/tlabel3d.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QTimer>
#include <QtTest>

namespace {
QAccessibleInterface* accessible(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    Q_ASSERT(face);
    return face;
}

void doAction(QObject* object, const QString& action)
{
    QAccessibleActionInterface* actions = accessible(object)->actionInterface();
    QVERIFY(actions);
    QVERIFY2(actions->actionNames().contains(action), qPrintable(actions->actionNames().join(',')));
    actions->doAction(action);
}
} // namespace

class TestAccessibleInterfaces : public QObject
{
    Q_OBJECT

private slots:
    void toggleOfEditRunsItsHandler();
    void toggleOfDisabledAllStopsTheTimer();
    void toggleOfASettingSavesIt();
    void pressReturnsBeforeTheHandlersBox();
    void paintedAndDateLabelsExposeTheirText();
};

void TestAccessibleInterfaces::toggleOfEditRunsItsHandler()
{
    MainWindowFixture f;
    TfrmMain& w = f.start();
    auto* edit = w.findChild<QAbstractButton*>("btnEdit");
    QCOMPARE(accessible(edit)->role(), QAccessible::CheckBox);
    doAction(edit, QAccessibleActionInterface::toggleAction());
    // Without a selected row the handler refuses: a beep, and the button comes back up.
    QTRY_COMPARE(f.platform.dialogs.beeps, 1);
    QVERIFY(!edit->isChecked());
    QVERIFY(!accessible(edit)->state().checked);
}

void TestAccessibleInterfaces::toggleOfDisabledAllStopsTheTimer()
{
    MainWindowFixture f;
    TfrmMain& w = f.start();
    auto* disableAll = w.findChild<QAbstractButton*>("btnDisabledAll");
    auto* timer = w.findChild<QTimer*>("MainTimer");
    QVERIFY(timer->isActive());
    doAction(disableAll, QAccessibleActionInterface::toggleAction());
    QTRY_VERIFY(!timer->isActive());
    QVERIFY(accessible(disableAll)->state().checked);
    doAction(disableAll, QAccessibleActionInterface::toggleAction());
    QTRY_VERIFY(timer->isActive());
}

void TestAccessibleInterfaces::toggleOfASettingSavesIt()
{
    MainWindowFixture f;
    f.start();
    auto* soundOn = f.setup->findChild<QAbstractButton*>("chkSoundOn");
    const bool before = soundOn->isChecked();
    f.platform.settings.writes.clear();
    doAction(soundOn, QAccessibleActionInterface::toggleAction());
    QTRY_COMPARE(soundOn->isChecked(), !before);
    QCOMPARE(f.platform.settings.writes, QStringList{SettingNames::CheckSoundOn});
    QCOMPARE(f.platform.settings.values.value(SettingNames::CheckSoundOn), before ? "0" : "1");
}

void TestAccessibleInterfaces::pressReturnsBeforeTheHandlersBox()
{
    MainWindowFixture f;
    TfrmMain& w = f.start();
    doAction(w.findChild<QAbstractButton*>("btnSave"), QAccessibleActionInterface::pressAction());
    QVERIFY(f.platform.dialogs.boxes.isEmpty());
    QTRY_COMPARE(f.platform.dialogs.texts(), QStringList{"Data has been saved."});
}

void TestAccessibleInterfaces::paintedAndDateLabelsExposeTheirText()
{
    MainWindowFixture f;
    TfrmMain& w = f.start();
    auto* effectiveDate = w.findChild<QLabel*>("lblEffectiveDate");
    QVERIFY(!effectiveDate->text().isEmpty());
    QCOMPARE(accessible(effectiveDate)->text(QAccessible::Name), effectiveDate->text());

    auto* time = f.clock->findChild<TLabel3D*>("lblDT");
    time->setText(QStringLiteral("07:30:00"));
    QCOMPARE(accessible(time)->role(), QAccessible::StaticText);
    QCOMPARE(accessible(time)->text(QAccessible::Name), QStringLiteral("07:30:00"));
    QCOMPARE(accessible(time)->text(QAccessible::Description), QStringLiteral("Time"));
}

QTEST_MAIN(TestAccessibleInterfaces)
#include "tst_accessibleinterfaces.moc"
