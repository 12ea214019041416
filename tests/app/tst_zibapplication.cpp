// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as the user meets it: one instance, the first-run prompt, the first load.
#include "alarms/alarmlistmodel.h"
#include "app/tfrmmain.h"
#include "app/zibapplication.h"
#include "fakeplatform.h"
#include "mainwindowfixture.h"
#include "platform/instancelock.h"
#include "platform/lockfileinstancelock.h"

#include <QApplication>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTimer>
#include <QtTest>

namespace {
class FakeInstanceLock final : public InstanceLock
{
public:
    bool acquire() override { return free; }
    bool free = true;
};

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString mainText(QWidget* window)
{
    QWidget* memo = window->findChild<QWidget*>(QStringLiteral("mMsg"));
    return memo ? memo->property("plainText").toString() : QString();
}

QList<QWidget*> messageWindows()
{
    QList<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("TMsgOut"))
            found.append(w);
    }
    return found;
}
} // namespace

class TestZibApplication : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void secondInstanceIsRefused();
    void firstRunCreatesTheFile();
    void firstRunRefusals();
    void firstRunWithoutAnswerEnds();
    void storedNameOfMissingFileStartsEmpty();
    void readsSettingsInCreationOrder();
    void badLinesOpenTheReportAndKeepABackup();
    void lockFileRefusesASecondOwner();
    void lockOfAKilledOwnerIsTakenOver();
    void lockWithoutALiveLocalOwnerIsTakenOver_data();
    void lockWithoutALiveLocalOwnerIsTakenOver();
    void liveOwnerRefusesWhateverItsFileSays();
};

void TestZibApplication::cleanup()
{
    for (QWidget* w : messageWindows())
        delete w;
}

void TestZibApplication::secondInstanceIsRefused()
{
    FakePlatform p;
    FakeInstanceLock lock;
    lock.free = false;
    ZibApplication app(p.services(), p.settingsService, p.programDir());
    QCOMPARE(app.start(lock), ZibApplication::StartResult::AlreadyRunning);
    QCOMPARE(p.dialogs.beeps, 1);
    QCOMPARE(p.dialogs.texts(), QStringList{"Zib Alarm Clock is already running."});
    QCOMPARE(p.dialogs.boxes.first().icon, Dialogs::Icon::Information);
    QVERIFY(!app.mainWindow());
    QVERIFY(!app.clock());
    QVERIFY(p.settings.writes.isEmpty());
}

void TestZibApplication::firstRunCreatesTheFile()
{
    FakePlatform p;
    FakeInstanceLock lock;
    p.dialogs.answers = {QStringLiteral("events")};
    ZibApplication app(p.services(), p.settingsService, p.programDir());
    QCOMPARE(app.start(lock), ZibApplication::StartResult::Running);
    QCOMPARE(p.dialogs.prompts.size(), 1);
    QCOMPARE(p.dialogs.prompts.first().caption, QStringLiteral("Zib Alarm Clock v2.2"));
    QCOMPARE(p.dialogs.prompts.first().prompt,
             QStringLiteral("For the first initial setting, Zib Alarm Clock v2.2 will create a new file to store "
                            "alarm events.\r\n\r\nPlease input a new filename :"));
    QCOMPARE(fileBytes(p.programFile("events.acl")), QByteArray());
    QCOMPARE(p.settings.values.value("AlarmEventsFile"), QStringLiteral("events.acl"));
    QVERIFY(app.mainWindow()->isVisible());
    QVERIFY(control<QTimer>(*app.mainWindow(), "MainTimer")->isActive());
    QVERIFY(p.dialogs.boxes.isEmpty());

    // The next start does not ask.
    FakeDialogs& dialogs = p.dialogs;
    dialogs.reset();
    ZibApplication again(p.services(), p.settingsService, p.programDir());
    QCOMPARE(again.start(lock), ZibApplication::StartResult::Running);
    QVERIFY(dialogs.prompts.isEmpty());
}

void TestZibApplication::firstRunRefusals()
{
    FakePlatform p;
    FakeInstanceLock lock;
    QFile existing(p.programFile("taken.acl"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    p.dialogs.answers = {QStringLiteral("c:events"), QStringLiteral("taken"), QStringLiteral("events.acl")};
    ZibApplication app(p.services(), p.settingsService, p.programDir());
    QCOMPARE(app.start(lock), ZibApplication::StartResult::Running);
    QCOMPARE(p.dialogs.prompts.size(), 3);
    QCOMPARE(p.dialogs.texts(), QStringList({"Filename may not include below characters.\r\n\\ / : * ? \" < > |",
                                             "File already exists. Please input a new filename"}));
    QCOMPARE(p.dialogs.boxes.at(0).icon, Dialogs::Icon::Error);
    QCOMPARE(p.dialogs.boxes.at(1).icon, Dialogs::Icon::Information);
    QCOMPARE(p.dialogs.beeps, 1);
    QVERIFY(QFile::exists(p.programFile("events.acl.acl")));
    QCOMPARE(p.settings.values.value("AlarmEventsFile"), QStringLiteral("events.acl.acl"));
}

void TestZibApplication::firstRunWithoutAnswerEnds()
{
    FakePlatform p;
    FakeInstanceLock lock;
    p.dialogs.answers = {std::nullopt};
    ZibApplication app(p.services(), p.settingsService, p.programDir());
    QCOMPARE(app.start(lock), ZibApplication::StartResult::NoEventsFile);
    QCOMPARE(p.dialogs.texts(), QStringList{"Received empty string or Cancel command. This will end the program"});
    QCOMPARE(p.dialogs.beeps, 1);
    QVERIFY(!p.settings.values.contains("AlarmEventsFile"));
    QVERIFY(!control<QTimer>(*app.mainWindow(), "MainTimer")->isActive());
    QCOMPARE(QDir(p.programFolder.path()).entryList(QDir::Files), QStringList());
}

void TestZibApplication::storedNameOfMissingFileStartsEmpty()
{
    FakePlatform p;
    FakeInstanceLock lock;
    p.settings.values["AlarmEventsFile"] = "gone.acl";
    ZibApplication app(p.services(), p.settingsService, p.programDir());
    QCOMPARE(app.start(lock), ZibApplication::StartResult::Running);
    QVERIFY(p.dialogs.prompts.isEmpty());
    QVERIFY(p.dialogs.boxes.isEmpty());
    QCOMPARE(app.mainWindow()->alarms().rowCount(), 0);
    QVERIFY(control<QTimer>(*app.mainWindow(), "MainTimer")->isActive());
}

void TestZibApplication::readsSettingsInCreationOrder()
{
    FakePlatform p;
    FakeInstanceLock lock;
    p.settings.values["AlarmEventsFile"] = "events.acl";
    ZibApplication app(p.services(), p.settingsService, p.programDir());
    QCOMPARE(app.start(lock), ZibApplication::StartResult::Running);
    const QStringList reads = p.settings.reads;
    // The settings window reads its options before the main window reads its own, and the
    // events file name comes last.
    QVERIFY(reads.indexOf("Check Startup") >= 0);
    QVERIFY(reads.indexOf("Check Startup") < reads.indexOf("Main Output Device"));
    QCOMPARE(reads.mid(reads.indexOf("Main Output Device"), 2), QStringList({"Main Output Device", "Main Song Name"}));
    QVERIFY(reads.indexOf("Main Song Name") < reads.indexOf("Main Top"));
    QCOMPARE(reads.last(), QStringLiteral("AlarmEventsFile"));
}

void TestZibApplication::badLinesOpenTheReportAndKeepABackup()
{
    FakePlatform p;
    FakeInstanceLock lock;
    p.settings.values["AlarmEventsFile"] = "events.acl";
    const QByteArray content = "evt*-1*07:30:00*On*NoShell*Once*Every Day*Wake*-1*\r\n"
                               "bad line\r\n"
                               "evt*-1*07:30:00*on*NoShell*Once*Every Day*Wake*-1*\r\n";
    QFile file(p.programFile("events.acl"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    ZibApplication app(p.services(), p.settingsService, p.programDir());
    QCOMPARE(app.start(lock), ZibApplication::StartResult::Running);
    QCOMPARE(app.mainWindow()->alarms().rowCount(), 1);
    QCOMPARE(fileBytes(p.programFile("events.bak")), content);
    const QList<QWidget*> reports = messageWindows();
    QCOMPARE(reports.size(), 1);
    QVERIFY(reports.first()->isVisible());
    const QString text = mainText(reports.first());
    QVERIFY2(text.contains("A backup file [events.bak] was created.Change the name of backup file"), qPrintable(text));
    QVERIFY(text.endsWith("Below is the information :\r\nData 2, Header\r\nData 3, Activate\r\n") ||
            text.endsWith("Below is the information :\nData 2, Header\nData 3, Activate\n"));
    QVERIFY(p.taskbar.isShown());
}

void TestZibApplication::lockFileRefusesASecondOwner()
{
    QTemporaryDir dir;
    LockFileInstanceLock first("ZibAlarmClockV2.2-06Dec2003", dir.path());
    LockFileInstanceLock second("ZibAlarmClockV2.2-06Dec2003", dir.path());
    QVERIFY(first.acquire());
    QVERIFY(!second.acquire());
}

void TestZibApplication::lockOfAKilledOwnerIsTakenOver()
{
    QTemporaryDir dir;
    // A lock file left by a process that was killed: its pid no longer runs.
    QProcess sleeper;
    sleeper.start("sleep", {"60"});
    QVERIFY(sleeper.waitForStarted());
    const qint64 pid = sleeper.processId();
    sleeper.kill();
    QVERIFY(sleeper.waitForFinished());
    const QString path = dir.filePath("ZibAlarmClockV2.2-06Dec2003.lock");
    QByteArray content;
    {
        QLockFile written(path);
        QVERIFY(written.tryLock(0));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        content = file.readAll();
        written.unlock();
    }
    content = QByteArray::number(pid) + content.mid(content.indexOf('\n'));
    QFile stale(path);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write(content);
    stale.close();

    LockFileInstanceLock lock("ZibAlarmClockV2.2-06Dec2003", dir.path());
    QVERIFY(lock.acquire());
}

void TestZibApplication::lockWithoutALiveLocalOwnerIsTakenOver_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray self = QByteArray::number(QCoreApplication::applicationPid());
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\x01\xfe not a lock\n");
    QTest::newRow("another host's") << self + "\nzibac\nsome-other-host.example\n";
}

void TestZibApplication::lockWithoutALiveLocalOwnerIsTakenOver()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    QFile left(dir.filePath("ZibAlarmClockV2.2-06Dec2003.lock"));
    QVERIFY(left.open(QIODevice::WriteOnly));
    left.write(content);
    left.close();

    LockFileInstanceLock lock("ZibAlarmClockV2.2-06Dec2003", dir.path());
    QVERIFY(lock.acquire());
    LockFileInstanceLock second("ZibAlarmClockV2.2-06Dec2003", dir.path());
    QVERIFY(!second.acquire());
}

void TestZibApplication::liveOwnerRefusesWhateverItsFileSays()
{
    // An owner that has created its file but not yet written itself into it.
    QTemporaryDir dir;
    LockFileInstanceLock owner("ZibAlarmClockV2.2-06Dec2003", dir.path());
    QVERIFY(owner.acquire());
    QFile file(dir.filePath("ZibAlarmClockV2.2-06Dec2003.lock"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.close();

    LockFileInstanceLock second("ZibAlarmClockV2.2-06Dec2003", dir.path());
    QVERIFY(!second.acquire());
}

QTEST_MAIN(TestZibApplication)
#include "tst_zibapplication.moc"
