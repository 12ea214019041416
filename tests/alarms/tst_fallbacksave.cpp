// SPDX-License-Identifier: GPL-3.0-or-later
// A save into a folder that refuses new files, killed at many moments: the next start must find
// the old list or the new one, never a short one. The victim is this executable, saving in a loop.
#include "alarms/eventsfile.h"
#include "filefaults.h"
#include "sampleevents.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>

namespace {
const std::vector<AlarmEvent> oldList =
    sameEvents(600, "the old list, a line of some length to make the save take a while");
const std::vector<AlarmEvent> newList = sameEvents(900, "the new list");

QByteArray bytesOf(const std::vector<AlarmEvent>& list)
{
    return eventsFileText(list).toUtf8();
}

// The victim: saves the two lists by turns until it is killed.
int saveForever(const QString& file, const QString& journalFolder)
{
    setDacOverride(false);
    std::puts("saving");
    std::fflush(stdout);
    for (bool next = true;; next = !next)
        writeEventsFile(file, next ? newList : oldList, journalFolder);
}
} // namespace

class TestFallbackSave : public QObject
{
    Q_OBJECT

private slots:
    void killedSaveLeavesOldOrNew();
};

void TestFallbackSave::killedSaveLeavesOldOrNew()
{
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).filePath("program");
    const QString state = QDir(dir.path()).filePath("state");
    QVERIFY(QDir().mkpath(folder));
    const QString file = QDir(folder).filePath("events.acl");
    QFile seed(file);
    QVERIFY(seed.open(QIODevice::WriteOnly));
    seed.write(bytesOf(oldList));
    seed.close();
    FolderRefusingNewFiles refusing(folder);
    if (!refusing.refuses())
        QSKIP("file modes do not hold here");

    const QByteArray before = bytesOf(oldList);
    const QByteArray after = bytesOf(newList);
    int shortFiles = 0;
    for (int kill = 0; kill < 24; ++kill) {
        QProcess victim;
        victim.start(QCoreApplication::applicationFilePath(), {"--save-forever", file, state});
        QVERIFY(victim.waitForReadyRead(10000));
        // Real time, spread over a few save cycles: the moments of the kill must vary.
        QThread::usleep(static_cast<unsigned long>((kill * 3779) % 25000));
        ::kill(static_cast<pid_t>(victim.processId()), SIGKILL);
        QVERIFY(victim.waitForFinished(10000));

        // The next start.
        const FileResult finished = finishInterruptedSave(file, state);
        QVERIFY2(finished.ok, qPrintable(finished.error));
        QFile result(file);
        QVERIFY(result.open(QIODevice::ReadOnly));
        const QByteArray bytes = result.readAll();
        if (bytes != before && bytes != after) {
            ++shortFiles;
            qWarning("kill %d left %lld bytes", kill, static_cast<long long>(bytes.size()));
        }
    }
    QCOMPARE(shortFiles, 0);
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--save-forever") == 0)
        return saveForever(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestFallbackSave test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fallbacksave.moc"
