// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakedialogs.h"
#include "fakesettingsstore.h"
#include "platform/settingsservice.h"

#include <QTest>

class TestSettingsService : public QObject
{
    Q_OBJECT

private slots:
    void flagsReadWithTheirNamesDefault_data();
    void flagsReadWithTheirNamesDefault();
    void aFailedWriteIsReportedOnce_data();
    void aFailedWriteIsReportedOnce();
};

void TestSettingsService::flagsReadWithTheirNamesDefault_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("on");
    QTest::newRow("sound on when missing") << "Check Sound On"
                                           << "" << true;
    QTest::newRow("sound off by 0") << "Check Sound On"
                                    << "0" << false;
    QTest::newRow("error messages on when missing") << "Check ShowErrMsg"
                                                    << "" << true;
    QTest::newRow("seconds on when missing") << "Clock With Sec"
                                             << "" << true;
    QTest::newRow("tray off when missing") << "Check In Tray"
                                           << "" << false;
    QTest::newRow("tray on by 1") << "Check In Tray"
                                  << "1" << true;
}

void TestSettingsService::flagsReadWithTheirNamesDefault()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    FakeSettingsStore store;
    FakeDialogs dialogs;
    store.values[name] = stored;
    QTEST(SettingsService(store, dialogs).flag(name), "on");
}

void TestSettingsService::aFailedWriteIsReportedOnce_data()
{
    QTest::addColumn<bool>("fails");
    QTest::newRow("stored") << false;
    QTest::newRow("refused") << true;
}

void TestSettingsService::aFailedWriteIsReportedOnce()
{
    QFETCH(bool, fails);
    FakeSettingsStore store;
    FakeDialogs dialogs;
    store.failWrites = fails;
    SettingsService settings(store, dialogs);

    QCOMPARE(settings.writeFlag("Check Remove Alarm", true), !fails);
    QCOMPARE(store.writes, QStringList{"Check Remove Alarm"});
    QCOMPARE(store.values.value("Check Remove Alarm"), fails ? "" : "1");
    QCOMPARE(dialogs.texts(), fails ? QStringList{"Failed to set data for 'Check Remove Alarm'"} : QStringList{});
    if (fails)
        QCOMPARE(dialogs.boxes[0].icon, Dialogs::Icon::Error);
}

QTEST_MAIN(TestSettingsService)
#include "tst_settingsservice.moc"
