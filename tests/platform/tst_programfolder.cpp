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
    QVERIFY(QDir().mkpath(path("exe")));
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
    QTest::addColumn<QString>("dataFolder"); // absent, user, read-only, blocked
    QTest::addColumn<QString>("chosen");     // exe, data, error
    QTest::addColumn<QStringList>("dataFiles");

    const QStringList copied{"Bell.wav", "didi.snd", "help/achelp.htm"};
    QTest::newRow("build folder") << true << false << false << "absent"
                                  << "exe" << QStringList();
    QTest::newRow("bare copy, nothing installed") << false << false << false << "absent"
                                                  << "exe" << QStringList();
    QTest::newRow("installed, first start") << false << false << true << "absent"
                                            << "data" << copied;
    QTest::newRow("read-only copy") << true << true << true << "absent"
                                    << "data" << copied;
    QTest::newRow("read-only, nothing installed") << false << true << false << "absent"
                                                  << "data" << QStringList();
    QTest::newRow("user's folder kept as it is") << false << false << true << "user"
                                                 << "data" << QStringList{"Bell.wav", "Own.wav"};
    QTest::newRow("data folder refuses files") << false << false << true << "read-only"
                                               << "error" << QStringList();
    QTest::newRow("data home is a file") << false << false << true << "blocked"
                                         << "error" << QStringList();
}

void TestProgramFolder::choice()
{
    QFETCH(bool, exeHoldsSounds);
    QFETCH(bool, exeReadOnly);
    QFETCH(bool, installed);
    QFETCH(QString, dataFolder);
    QFETCH(QString, chosen);
    QFETCH(QStringList, dataFiles);

    const QString dataHome = path("data");
    const QString folder = dataHome + "/zibac";
    if (exeHoldsSounds)
        QVERIFY(writeFile(path("exe/Bell.wav"), "exe") && writeFile(path("exe/didi.snd"), "exe"));
    if (dataFolder == "user")
        QVERIFY(writeFile(folder + "/Bell.wav", "mine") && writeFile(folder + "/Own.wav", "mine"));
    if (dataFolder == "read-only")
        QVERIFY(QDir().mkpath(folder));
    if (dataFolder == "blocked")
        QVERIFY(writeFile(dataHome, "not a folder"));
    std::unique_ptr<FolderRefusingNewFiles> refusing;
    if (exeReadOnly || dataFolder == "read-only")
        refusing = std::make_unique<FolderRefusingNewFiles>(exeReadOnly ? path("exe") : folder);
    if (refusing && !refusing->refuses())
        QSKIP("folder modes do not stop this user from writing");

    QString error;
    const std::optional<QString> result =
        chooseProgramFolder(path("exe"), dataHome, installed ? path("share") : path("nothing"), &error);
    refusing.reset();

    QCOMPARE(result.value_or("error"), chosen == "exe" ? path("exe") : chosen == "data" ? folder : "error");
    QCOMPARE(error.isEmpty(), chosen != "error");
    if (chosen == "error")
        QVERIFY2(error.contains(folder), qPrintable(error));
    QCOMPARE(filesBelow(folder), dataFiles);
    for (const QString& file : dataFiles)
        QVERIFY(QFileInfo(folder + '/' + file).permission(QFile::WriteOwner));
    if (dataFolder == "user")
        QCOMPARE(readAll(folder + "/Bell.wav"), "mine");
    if (chosen == "data") // no half-made copy is left beside it
        QCOMPARE(QDir(dataHome).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"zibac"});
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
