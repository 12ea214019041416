// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program keeps its files: beside the executable, or in the user's data folder.
#include "platform/programfolder.h"

#include "../alarms/filefaults.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {
bool writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

using Reason = ProgramFolderChoice::Reason;
} // namespace

class TestProgramFolder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void choice_data();
    void choice();

private:
    QString path(const QString& name) const { return m_root->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_root;
};

void TestProgramFolder::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(writeFile(path("exe/zibac"), "the program"));
    for (const char* name : {"Bell.wav", "didi.snd", "help/achelp.htm"}) {
        const QString file = path(QStringLiteral("share/") + QLatin1String(name));
        QVERIFY(writeFile(file, "installed"));
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    }
}

void TestProgramFolder::choice_data()
{
    QTest::addColumn<bool>("exeHoldsSounds");
    QTest::addColumn<bool>("exeReadOnly");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("list");       // none, exe, exe read-only, both (read-only in exe)
    QTest::addColumn<QString>("dataFolder"); // absent, user, empty, read-only, blocked
    QTest::addColumn<QString>("chosen");     // exe, data, error
    QTest::addColumn<QStringList>("dataFiles");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<int>("reason");

    const QStringList installed{"Bell.wav", "didi.snd", "help/achelp.htm"};
    const QStringList own{"Chimes.wav", "didi.snd"};
    const QStringList user{"Bell.wav", "Own.wav"};
    const int none = int(Reason::None);
    const int refuses = int(Reason::RefusesNewFiles);
    const int readOnlyList = int(Reason::ListReadOnly);
    const int elsewhere = int(Reason::SoundsInstalled);
    QTest::newRow("build folder") << true << false << false << "none"
                                  << "absent"
                                  << "exe" << QStringList() << false << none;
    QTest::newRow("bare copy, nothing installed") << false << false << false << "none"
                                                  << "absent"
                                                  << "exe" << QStringList() << false << none;
    QTest::newRow("refusing copy keeps its writable list") << true << true << true << "exe"
                                                           << "absent"
                                                           << "exe" << QStringList() << false << none;
    QTest::newRow("refusing bare copy keeps its list") << false << true << false << "exe"
                                                       << "absent"
                                                       << "exe" << QStringList() << false << none;
    QTest::newRow("installed, first start") << false << true << true << "none"
                                            << "absent"
                                            << "data" << installed << true << refuses;
    QTest::newRow("songs installed elsewhere") << false << false << true << "none"
                                               << "absent"
                                               << "data" << installed << true << elsewhere;
    QTest::newRow("read-only copy") << true << true << true << "none"
                                    << "absent"
                                    << "data" << installed << true << refuses;
    QTest::newRow("read-only copy, nothing installed") << true << true << false << "none"
                                                       << "absent"
                                                       << "data" << own << true << refuses;
    QTest::newRow("read-only bare copy, nothing installed") << false << true << false << "none"
                                                            << "absent"
                                                            << "data" << QStringList() << true << refuses;
    QTest::newRow("read-only list is copied, not moved")
        << true << true << false << "exe read-only"
        << "absent"
        << "data" << QStringList{"Chimes.wav", "alarms.acl", "didi.snd"} << true << readOnlyList;
    QTest::newRow("user's folder gets the list")
        << true << true << true << "exe read-only"
        << "user"
        << "data" << QStringList{"Bell.wav", "Own.wav", "alarms.acl"} << true << readOnlyList;
    QTest::newRow("data folder's own list stays")
        << true << true << true << "both"
        << "user"
        << "data" << QStringList{"Bell.wav", "Own.wav", "alarms.acl"} << false << readOnlyList;
    QTest::newRow("user's folder kept as it is") << false << false << true << "none"
                                                 << "user"
                                                 << "data" << user << false << elsewhere;
    QTest::newRow("empty folder of an earlier start filled") << false << true << true << "none"
                                                             << "empty"
                                                             << "data" << installed << true << refuses;
    QTest::newRow("data folder refuses files") << false << false << true << "none"
                                               << "read-only"
                                               << "error" << QStringList() << false << elsewhere;
    QTest::newRow("data home is a file") << false << false << true << "none"
                                         << "blocked"
                                         << "error" << QStringList() << false << elsewhere;
}

void TestProgramFolder::choice()
{
    QFETCH(bool, exeHoldsSounds);
    QFETCH(bool, exeReadOnly);
    QFETCH(bool, installed);
    QFETCH(QString, list);
    QFETCH(QString, dataFolder);
    QFETCH(QString, chosen);
    QFETCH(QStringList, dataFiles);
    QFETCH(bool, moved);
    QFETCH(int, reason);

    const QString dataHome = path("data");
    const QString folder = dataHome + "/zibac";
    const QString ownList = path("exe/alarms.acl");
    if (exeHoldsSounds)
        QVERIFY(writeFile(path("exe/Chimes.wav"), "exe") && writeFile(path("exe/didi.snd"), "exe"));
    if (list != "none")
        QVERIFY(writeFile(ownList, "own list"));
    if (list == "exe read-only" || list == "both")
        QVERIFY(QFile::setPermissions(ownList, QFile::ReadOwner));
    if (dataFolder == "user")
        QVERIFY(writeFile(folder + "/Bell.wav", "mine") && writeFile(folder + "/Own.wav", "mine"));
    if (list == "both")
        QVERIFY(writeFile(folder + "/alarms.acl", "data list"));
    if (dataFolder == "empty" || dataFolder == "read-only")
        QVERIFY(QDir().mkpath(folder));
    if (dataFolder == "blocked")
        QVERIFY(writeFile(dataHome, "not a folder"));
    std::unique_ptr<FolderRefusingNewFiles> refusing;
    if (exeReadOnly || dataFolder == "read-only")
        refusing = std::make_unique<FolderRefusingNewFiles>(exeReadOnly ? path("exe") : folder);
    if (refusing && !refusing->refuses())
        QSKIP("folder modes do not stop this user from writing");

    const ProgramFolderChoice result =
        chooseProgramFolder(path("exe"), dataHome, installed ? path("share") : path("nothing"), "alarms.acl");
    refusing.reset();

    QCOMPARE(result.usable, chosen != "error");
    QCOMPARE(result.folder, chosen == "exe" ? path("exe") : folder);
    QCOMPARE(result.moved, moved);
    QCOMPARE(int(result.reason), reason);
    QCOMPARE(filesBelow(folder), dataFiles);
    for (const QString& file : dataFiles)
        QVERIFY(QFileInfo(folder + '/' + file).permission(QFile::WriteOwner));
    if (dataFolder == "user")
        QCOMPARE(readAll(folder + "/Bell.wav"), "mine");
    if (list != "none") // a copy, never a move
        QCOMPARE(readAll(ownList), "own list");
    const bool listCopied = dataFiles.contains("alarms.acl") && list != "both";
    QCOMPARE(result.copiedList, listCopied ? ownList : QString());
    if (dataFiles.contains("alarms.acl"))
        QCOMPARE(readAll(folder + "/alarms.acl"), listCopied ? "own list" : "data list");
    if (chosen == "data") // no half-made copy is left beside it
        QCOMPARE(QDir(dataHome).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"zibac"});
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
