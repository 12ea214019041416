// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/eventsfile.h"
#include "eventprinting.h"
#include "filefaults.h"
#include "sampleevents.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <sys/stat.h>

namespace {
const QByteArray wakeLine = "evt*-1*07:30:00*On*NoShell*Once*Every Day*Wake*-1*";

QString platformText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

class TinyFileSystem
{
public:
    explicit TinyFileSystem(const QString& folder)
        : m_folder(folder)
        , m_mounted(QDir().mkpath(folder) && runTool("mount", {"-t", "tmpfs", "-o", "size=8k", "tmpfs", folder}))
    {}
    ~TinyFileSystem()
    {
        if (m_mounted)
            runTool("umount", {m_folder});
    }
    bool isMounted() const { return m_mounted; }

private:
    QString m_folder;
    bool m_mounted;
};

std::vector<AlarmEvent> manyEvents(int count)
{
    return sameEvents(count, QStringLiteral("A message long enough to fill the disk quickly"));
}
} // namespace

class TestEventsFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void load_data();
    void load();
    void rowsFromFile();
    void encodings_data();
    void encodings();
    void missingAndUnreadable();
    void specialFilesAreRefused_data();
    void specialFilesAreRefused();

    void writeLines();
    void emptyListEmptiesFile();
    void roundTrip();

    void copyFile();
    void copyFailures();
    void copyNeverOverwritesItsSource();
    void failedBackupKeepsTheOldOne();
    void backupName_data();
    void backupName();
    void reportMessage();

    void refusedSaveKeepsOldFile();
    void folderRefusingNewFilesIsWrittenInPlace();
    void failedJournalKeepsTheOldFile();
    void interruptedSaveIsFinished_data();
    void interruptedSaveIsFinished();
    void fullDisk_data();
    void fullDisk();
    void saveKeepsThePreviousVersion();
    void failedSaveKeepsBothFiles_data();
    void failedSaveKeepsBothFiles();

private:
    QString path(const QString& name) const { return QDir(m_dir->path()).filePath(name); }
    QStringList journals() const { return QDir(path("state")).entryList(QDir::Files | QDir::Hidden); }
    QString writeFile(const QString& name, const QByteArray& bytes) const;
    static QByteArray readFile(const QString& path);
    static EventsLoadContext context();

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestEventsFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // The user's state folder, which takes new files when the program folder does not.
    QVERIFY(QDir(m_dir->path()).mkdir("state"));
}

QString TestEventsFile::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

QByteArray TestEventsFile::readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

EventsLoadContext TestEventsFile::context()
{
    return {QStringLiteral("2026/12/07"), QStringLiteral("09:00:00"), [](const QString& ymd) { return "D" + ymd; },
            [](const QString& time) { return "T" + time; }};
}

void TestEventsFile::load_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("report");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("corrupted");

    const QByteArray good = wakeLine + "\r\n";
    QTest::newRow("empty file") << QByteArray() << "" << 0 << false;
    QTest::newRow("CR LF lines") << good + good + good << "" << 3 << false;
    QTest::newRow("bare LF lines") << wakeLine + "\n" + wakeLine + "\n"
                                   << "" << 2 << false;
    QTest::newRow("bare CR lines") << wakeLine + "\r" + wakeLine + "\r" + wakeLine << "" << 3 << false;
    QTest::newRow("CR, LF and CR LF mixed") << "x\r" + good + wakeLine + "\n\r\ny\r" + wakeLine + "\r"
                                            << "Data 1, Header\r\nData 5, Header\r\n"
                                            << 3 << false;
    QTest::newRow("last line without line end") << good + wakeLine << "" << 2 << false;
    QTest::newRow("empty lines count, silently") << "\r\n\n" + good + "\r\nbad\r\n" + good << "Data 5, Header\r\n"
                                                 << 2 << false;
    QTest::newRow("two failures on one line")
        << good + "evt*-1*07:30:00*on*NoShell*Once*Mon*Wake*0*\r\n" + good << "Data 2, Activate\r\nData 2, Glyph\r\n"
        << 2 << false;
    QTest::newRow("invalid date and time") << "evt*2026/02/30*07:30:00*On*NoShell*Once*None*Wake*-1*\r\n"
                                              "evt*-1*25:61:00*On*NoShell*Once*Mon*Wake*-1*\r\n" +
                                                  good
                                           << "Data 1, Date\r\nData 2, Time\r\n"
                                           << 1 << false;
    QTest::newRow("third bad header ends the load")
        << good + "x\r\nevt*2003/1/6*07:30:00*On*NoShell*Once*None*Wake*-1*\r\n" + good + "y\r\n" + good + good + good +
               "z\r\n" + good
        << "Data 2, Header\r\nData 3, Date\r\nData 5, Header\r\nData 9, Header\r\n"
        << 0 << true;
    QTest::newRow("two bad headers are not enough")
        << "x\r\n" + good + "y\r\n" + good << "Data 1, Header\r\nData 3, Header\r\n"
        << 2 << false;
}

void TestEventsFile::load()
{
    QFETCH(QByteArray, bytes);
    const EventsLoadResult result = readEventsFile(writeFile("events.acl", bytes), context());
    QCOMPARE(result.status, EventsLoadResult::Status::Loaded);
    QTEST(result.report, "report");
    QTEST(int(result.events.size()), "rows");
    QTEST(result.corrupted, "corrupted");
}

void TestEventsFile::rowsFromFile()
{
    const QString file = writeFile("events.acl", "evt*2026/12/06*10:00:00*Off*NoShell*Once*None*Bell*7*missed\r\n"
                                                 "evt*-1*07:30:00*On*Shellgo*Twice*Every Day*Wake*-1*\r\n"
                                                 "exe*2026/12/06*10:00:00*On*NoShell*Thrice*None Every*Bell*-1*\r\n");
    const EventsLoadResult result = readEventsFile(file, context());
    QCOMPARE(result.report, QString());
    QCOMPARE(result.events.size(), size_t(3));

    AlarmEvent missed{
        false, "Once", "D2026/12/06 - T10:00:00 <!>", "None", "missed", "Bell", "2026/12/06", "10:00:00", "Ignore",
        "",    -1};
    AlarmEvent daily{true, "Twice", "T07:30:00", "Every Day", "", "Wake*go", "-1", "07:30:00", "Ignore", "", -1};
    AlarmEvent becameDaily{
        true, "Thrice", "D2026/12/06 - T10:00:00", "Every Day", "", "Bell", "2026/12/06", "10:00:00", "Active", "", -1};
    QCOMPARE(result.events[0], missed);
    QCOMPARE(result.events[1], daily);
    QCOMPARE(result.events[2], becameDaily);
}

void TestEventsFile::encodings_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QString>("expected");

    QTest::newRow("UTF-8") << QByteArray("Caf\xC3\xA9 \xE2\x82\xAC") << QString::fromUtf8("Café €");
    QTest::newRow("Windows-1252") << QByteArray("Caf\xE9 \x80 \x93q\x94 \x9F") << QString::fromUtf8("Café € “q” Ÿ");
    QTest::newRow("one stray byte makes it all 1252") << QByteArray("\xC3\xA9 \xE9") << QString::fromUtf8("Ã© é");
}

void TestEventsFile::encodings()
{
    QFETCH(QByteArray, message);
    for (const QByteArray& bom : {QByteArray(), QByteArray("\xEF\xBB\xBF")}) {
        const EventsLoadResult result = readEventsFile(writeFile("events.acl", bom + wakeLine + message), context());
        QCOMPARE(result.report, QString());
        QCOMPARE(result.events.size(), size_t(1));
        QTEST(result.events[0].message, "expected");
    }
}

void TestEventsFile::missingAndUnreadable()
{
    const EventsLoadResult missing = readEventsFile(path("none.acl"), context());
    QCOMPARE(missing.status, EventsLoadResult::Status::Missing);
    QVERIFY(missing.events.empty());

    QVERIFY(QDir(m_dir->path()).mkdir("folder.acl"));
    const EventsLoadResult folder = readEventsFile(path("folder.acl"), context());
    QCOMPARE(folder.status, EventsLoadResult::Status::OpenFailed);
    QVERIFY(!folder.error.isEmpty());
}

void TestEventsFile::specialFilesAreRefused_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("error");
    QTest::newRow("FIFO") << "fifo"
                          << "Not a regular file";
    QTest::newRow("endless device") << "/dev/zero"
                                    << "Not a regular file";
    QTest::newRow("empty device") << "/dev/null"
                                  << "Not a regular file";
    QTest::newRow("over 64 MB") << "huge.acl"
                                << "File is larger than 64 MB";
}

void TestEventsFile::specialFilesAreRefused()
{
    QFETCH(QString, file);
    if (file == "fifo") {
        file = path(file);
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    } else if (file == "huge.acl") {
        file = writeFile(file, wakeLine + "\r\n");
        QVERIFY(QFile::resize(file, 64 * 1024 * 1024 + 1));
    }
    // Opening the FIFO or reading /dev/zero would not come back.
    const EventsLoadResult result = readEventsFile(file, context());
    QCOMPARE(result.status, EventsLoadResult::Status::OpenFailed);
    QTEST(result.error, "error");
    QVERIFY(result.events.empty());
    if (file.endsWith("fifo")) {
        // Nor is a FIFO replaced by a save.
        QVERIFY(!writeEventsFile(file, manyEvents(1), path("state")).ok);
        QVERIFY(!QFileInfo(file).isFile());
    }
}

void TestEventsFile::writeLines()
{
    std::vector<AlarmEvent> events = manyEvents(2);
    events[1].message = QString::fromUtf8("Caf\u00e9 \u20ac\r\nbye");
    events[1].soundRun = "Hurry*";
    const FileResult result = writeEventsFile(path("events.acl"), events);
    QVERIFY(result.ok);
    QCOMPARE(readFile(path("events.acl")),
             "evt*-1*07:30:00*On*NoShell*Once*Every Day*Wake*-1*A message long enough to fill the disk quickly\r\n"
             "evt*-1*07:30:00*On*Shell*Once*Every Day*Hurry*-1*Caf\xC3\xA9 \xE2\x82\xAC#13#10"
             "bye\r\n");
}

void TestEventsFile::emptyListEmptiesFile()
{
    const QString file = writeFile("events.acl", wakeLine + "\r\n");
    QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QFileDevice::Permissions permissions = QFile::permissions(file);
    QVERIFY(writeEventsFile(file, {}).ok);
    QCOMPARE(readFile(file), QByteArray());
    QCOMPARE(QFile::permissions(file), permissions);
}

void TestEventsFile::roundTrip()
{
    const QByteArray original = "evt*2026/12/06*10:00:00*Off*NoShell*Once*None*Bell*-1*missed*#13#10x\r\n"
                                "evt*-1*07:30:00*On*Shellgo now*Twice*Monthly 1 15 *Wake*-1*\r\n"
                                "evt*-1*23:00:00*On*NoShell*Repeat*Sun*Game*-1*\r\n";
    const QString file = writeFile("events.acl", original);
    const EventsLoadResult first = readEventsFile(file, context());
    QCOMPARE(first.report, QString());
    QVERIFY(writeEventsFile(file, first.events).ok);
    QCOMPARE(readFile(file), original);
    const EventsLoadResult second = readEventsFile(file, context());
    QVERIFY(second.events == first.events);
}

void TestEventsFile::copyFile()
{
    QByteArray bytes(20000, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7);
    const QString source = writeFile("events.acl", bytes);
    QVERIFY(QFile::setPermissions(source, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFile::ReadGroup));
    writeFile("events.bak", "an older, longer backup that must be replaced entirely" + QByteArray(30000, 'x'));

    const FileResult result = copyFileData(source, path("events.bak"));
    QVERIFY(result.ok);
    QVERIFY(result.messages.isEmpty());
    QCOMPARE(readFile(path("events.bak")), bytes);
    QCOMPARE(QFile::permissions(path("events.bak")), QFile::permissions(source));
    QVERIFY(!(QFile::permissions(path("events.bak")) & QFileDevice::ReadOther));
}

void TestEventsFile::copyFailures()
{
    const FileResult missing = copyFileData(path("none.acl"), path("none.bak"));
    QVERIFY(!missing.ok);
    QCOMPARE(missing.failure, FileResult::Failure::SourceMissing);
    QCOMPARE(missing.messages, QStringList{"Source file not found when trying to copy " + path("none.acl")});
    QVERIFY(!QFile::exists(path("none.bak")));

    const QString source = writeFile("events.acl", wakeLine);
    const QString destination = path("no/such/folder/events.bak");
    const FileResult unopened = copyFileData(source, destination);
    QVERIFY(!unopened.ok);
    QCOMPARE(unopened.failure, FileResult::Failure::OpenFailed);
    QCOMPARE(unopened.messages,
             QStringList{"Error occurred when trying to open " + destination + "\r\nError # " + platformText(ENOENT)});
}

void TestEventsFile::copyNeverOverwritesItsSource()
{
    const QByteArray bytes = wakeLine + "\r\nbad\r\n";
    const QString source = writeFile("events.bak", bytes);
    QVERIFY(QFile::link(source, path("link.bak")));
    for (const QString& destination : {source, path("link.bak")}) {
        const FileResult result = copyFileData(source, destination);
        QVERIFY(!result.ok);
        QCOMPARE(result.failure, FileResult::Failure::OpenFailed);
        QCOMPARE(readFile(source), bytes);
    }
}

void TestEventsFile::failedBackupKeepsTheOldOne()
{
    const QString source = writeFile("events.acl", QByteArray(20000, 'x'));
    const QByteArray oldBackup = "an older backup";
    writeFile("events.bak", oldBackup);
    FileSizeLimit limit(4096);

    const FileResult result = copyFileData(source, path("events.bak"));
    QVERIFY(!result.ok);
    QCOMPARE(result.failure, FileResult::Failure::WriteFailed);
    QCOMPARE(result.error, platformText(EFBIG));
    QCOMPARE(readFile(path("events.bak")), oldBackup);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList({"events.acl", "events.bak"}));
}

void TestEventsFile::backupName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("backup");
    QTest::newRow("extension replaced") << "events.acl"
                                        << "events.bak";
    QTest::newRow("no extension") << "events"
                                  << "events.bak";
    QTest::newRow("last dot only") << "a.b.acl"
                                   << "a.b.bak";
    QTest::newRow("dot in a folder") << "/tmp/x.d/events"
                                     << "/tmp/x.d/events.bak";
    QTest::newRow("never the events file itself") << "events.bak"
                                                  << "events.bak.bak";
}

void TestEventsFile::backupName()
{
    QFETCH(QString, name);
    QTEST(backupFileName(name), "backup");
}

void TestEventsFile::reportMessage()
{
    QCOMPARE(loadReportMessage("events.bak", "Data 2, Header\r\n"),
             QStringLiteral("Message from Zib Alarm Clock v2.2\r\n\r\nError found when loading alarm events to list!"
                            "\r\n\r\nBefore proceeding, please check those incorrect data in file and all alarm "
                            "events which were not loaded in list. A backup file [events.bak] was created.Change the "
                            "name of backup file to keep important data if need.\r\n\r\nBelow is the information :"
                            "\r\nData 2, Header\r\n"));
    QCOMPARE(corruptedFileMessage("events.acl"), QStringLiteral("events.acl is corrupted. Fail to load alarm events."));
}

void TestEventsFile::refusedSaveKeepsOldFile()
{
    const QByteArray old = wakeLine + "\r\n";
    const QString file = writeFile("events.acl", old);
    QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner));
    FolderRefusingNewFiles folder(m_dir->path());
    if (!folder.refuses())
        QSKIP("file modes do not hold here");

    const FileResult result = writeEventsFile(file, manyEvents(3), path("state"));
    QVERIFY(!result.ok);
    QCOMPARE(result.error, platformText(EACCES));
    QCOMPARE(result.messages,
             QStringList{"Error occurred when trying to open events.acl\r\nError # " + platformText(EACCES)});
    QCOMPARE(readFile(file), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"events.acl"});
    QCOMPARE(journals(), QStringList());
}

void TestEventsFile::folderRefusingNewFilesIsWrittenInPlace()
{
    const QString file = writeFile("events.acl", wakeLine + "\r\n" + wakeLine + "\r\n" + wakeLine + "\r\n");
    FolderRefusingNewFiles folder(m_dir->path());
    if (!folder.refuses())
        QSKIP("file modes do not hold here");

    const FileResult result = writeEventsFile(file, manyEvents(1), path("state"));
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(readFile(file), "evt*-1*07:30:00*On*NoShell*Once*Every Day*Wake*-1*A message long enough to fill "
                             "the disk quickly\r\n");
    QCOMPARE(journals(), QStringList());
}

void TestEventsFile::failedJournalKeepsTheOldFile()
{
    const QByteArray old = wakeLine + "\r\n";
    const QString file = writeFile("events.acl", old);
    FolderRefusingNewFiles folder(m_dir->path());
    if (!folder.refuses())
        QSKIP("file modes do not hold here");
    FileSizeLimit limit(4096);

    // Without a whole journal the file is not touched.
    const FileResult result = writeEventsFile(file, manyEvents(200), path("state"));
    QVERIFY(!result.ok);
    QCOMPARE(result.error, platformText(EFBIG));
    QCOMPARE(readFile(file), old);
    QCOMPARE(journals(), QStringList());
}

void TestEventsFile::interruptedSaveIsFinished_data()
{
    QTest::addColumn<QString>("journalOf");
    QTest::addColumn<int>("cutJournalTo");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<bool>("journalKept");
    QTest::newRow("whole journal") << "events.acl" << -1 << true << false;
    QTest::newRow("journal cut short") << "events.acl" << 60 << false << false;
    QTest::newRow("journal of another file under this name") << "other.acl" << -1 << false << true;
}

void TestEventsFile::interruptedSaveIsFinished()
{
    QFETCH(QString, journalOf);
    QFETCH(int, cutJournalTo);
    const QByteArray old = wakeLine + "\r\n" + wakeLine + "\r\n";
    const QString file = writeFile("events.acl", old.left(20));
    const QByteArray content = eventsFileText(manyEvents(2)).toUtf8();

    // The journal is left as a save that was killed after writing it leaves it.
    QCOMPARE(writeSaveJournal(path(journalOf), content, path("state")), QString());
    const QString journal = saveJournalPath(file, path("state"));
    if (journalOf != "events.acl")
        QVERIFY(QFile::rename(saveJournalPath(path(journalOf), path("state")), journal));
    if (cutJournalTo >= 0)
        QVERIFY(QFile::resize(journal, cutJournalTo));

    const FileResult result = finishInterruptedSave(file, path("state"));
    QVERIFY2(result.ok, qPrintable(result.error));
    QFETCH(bool, applied);
    QCOMPARE(readFile(file), applied ? content : old.left(20));
    QTEST(QFile::exists(journal), "journalKept");
    // What the cut rewrite left is not a list to go back to.
    QVERIFY(!QFile::exists(previousVersionName(file)));
}

void TestEventsFile::fullDisk_data()
{
    QTest::addColumn<bool>("folderRefusesNewFiles");
    QTest::newRow("replacement file") << false;
    QTest::newRow("written in place") << true;
}

void TestEventsFile::fullDisk()
{
    QFETCH(bool, folderRefusesNewFiles);
    TinyFileSystem disk(path("disk"));
    if (!disk.isMounted())
        QSKIP("cannot mount a tmpfs here (needs root)");
    const QByteArray old = wakeLine + "\r\n";
    const QString file = writeFile("disk/events.acl", old);
    const QByteArray oldBackup = "an older backup";
    writeFile("disk/events.bak", oldBackup);
    std::optional<FolderRefusingNewFiles> folder;
    if (folderRefusesNewFiles) {
        folder.emplace(path("disk"));
        QVERIFY(folder->refuses());
    }

    const FileResult result = writeEventsFile(file, manyEvents(1000), path("state"));
    QVERIFY(!result.ok);
    QCOMPARE(result.failure, FileResult::Failure::WriteFailed);
    QCOMPARE(result.error, platformText(ENOSPC));
    QCOMPARE(readFile(file), old);
    QCOMPARE(journals(), QStringList());

    if (!folderRefusesNewFiles) {
        const QString bigSource = writeFile("big.acl", QByteArray(20000, 'x'));
        const FileResult copy = copyFileData(bigSource, path("disk/events.bak"));
        QVERIFY(!copy.ok);
        QCOMPARE(copy.failure, FileResult::Failure::WriteFailed);
        QCOMPARE(copy.error, platformText(ENOSPC));
        QCOMPARE(readFile(path("disk/events.bak")), oldBackup);
        QCOMPARE(QDir(path("disk")).entryList(QDir::Files), QStringList({"events.acl", "events.bak"}));
    }
}

void TestEventsFile::saveKeepsThePreviousVersion()
{
    const QString file = writeFile("events.acl", wakeLine + "\r\n");
    QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QString prev = path("events.acl.prev");
    const auto save = [&file](int count) { return writeEventsFile(file, manyEvents(count)).ok; };

    QVERIFY(save(1));
    QCOMPARE(readFile(prev), wakeLine + "\r\n");
    QCOMPARE(QFile::permissions(prev), QFile::permissions(file));
    const QByteArray one = readFile(file);
    QVERIFY(save(2));
    QCOMPARE(readFile(prev), one);
    // Saving the same list again would leave no version to go back to.
    const QByteArray two = readFile(file);
    QVERIFY(save(2));
    QCOMPARE(readFile(prev), one);
    // A cleared list is never worth keeping: the list before it stays until a list replaces it.
    QVERIFY(save(0));
    QCOMPARE(readFile(prev), two);
    QVERIFY(save(3));
    QCOMPARE(readFile(prev), two);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList({"events.acl", "events.acl.prev"}));
}

void TestEventsFile::failedSaveKeepsBothFiles_data()
{
    QTest::addColumn<int>("oldSize");
    QTest::addColumn<int>("newCount");
    QTest::addColumn<QString>("failedFile");
    QTest::newRow("new list does not fit") << 100 << 200 << "events.acl";
    QTest::newRow("previous version does not fit") << 20000 << 1 << "events.acl.prev";
}

void TestEventsFile::failedSaveKeepsBothFiles()
{
    QFETCH(int, oldSize);
    QFETCH(int, newCount);
    const QByteArray old = wakeLine + QByteArray(oldSize, 'x') + "\r\n";
    const QString file = writeFile("events.acl", old);
    const QByteArray prev = "the version before";
    writeFile("events.acl.prev", prev);
    FileSizeLimit limit(4096);

    const FileResult result = writeEventsFile(file, manyEvents(newCount), path("state"));
    QVERIFY(!result.ok);
    QCOMPARE(result.error, platformText(EFBIG));
    QTEST(result.path, "failedFile");
    QCOMPARE(readFile(file), old);
    QCOMPARE(readFile(path("events.acl.prev")), prev);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList({"events.acl", "events.acl.prev"}));
}

QTEST_GUILESS_MAIN(TestEventsFile)
#include "tst_eventsfile.moc"
