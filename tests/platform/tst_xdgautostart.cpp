// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/xdg/xdgautostartentry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {
const QString EntryName = QStringLiteral("Zib Alarm Clock v2.2");

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

bool setImmutable(const QString& path, bool on)
{
    return QProcess::execute(QStringLiteral("chattr"), {on ? QStringLiteral("+i") : QStringLiteral("-i"), path}) == 0;
}
} // namespace

class TestXdgAutostart : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void writesDesktopFile();
    void installedProgramStartsItself();
    void programPathRoundTrip_data();
    void programPathRoundTrip();
    void fileNameIsSafe_data();
    void fileNameIsSafe();
    void folderWithoutXdgConfigHome();
    void replaceAndRemove();
    void readsHandWrittenEntry();
    void unwritableFolder();
    void folderBlockedByFile();

private:
    QString entryFile() const { return m_config->path() + "/autostart/zib-alarm-clock-v2.2.desktop"; }

    std::unique_ptr<QTemporaryDir> m_config;
    XdgAutostartEntry m_entry;
    QString m_immutable;
};

void TestXdgAutostart::init()
{
    m_config = std::make_unique<QTemporaryDir>();
    QVERIFY(m_config->isValid());
    qputenv("XDG_CONFIG_HOME", m_config->path().toUtf8());
}

void TestXdgAutostart::cleanup()
{
    if (!m_immutable.isEmpty())
        setImmutable(m_immutable, false);
    m_immutable.clear();
    m_config.reset();
}

void TestXdgAutostart::writesDesktopFile()
{
    QString error;
    QVERIFY(m_entry.add(EntryName, "/opt/zib/zibac", &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(readAll(entryFile()), QByteArray("[Desktop Entry]\n"
                                              "Type=Application\n"
                                              "Name=Zib Alarm Clock v2.2\n"
                                              "Exec=\"/opt/zib/zibac\"\n"
                                              "Icon=io.github.zib.AlarmClock\n"
                                              "X-GNOME-Autostart-enabled=true\n"));
    QCOMPARE(m_entry.programPath(EntryName), "/opt/zib/zibac");
}

void TestXdgAutostart::installedProgramStartsItself()
{
    // An installed program's folder, the user's data folder, holds no executable.
    XdgAutostartEntry entry(QStringLiteral("/usr/bin/zibac"));
    QVERIFY(entry.add(EntryName, m_config->path() + "/zibac"));
    QCOMPARE(entry.programPath(EntryName), "/usr/bin/zibac");

    const QString builtProgram = QCoreApplication::applicationFilePath();
    QVERIFY(entry.add(EntryName, builtProgram));
    QCOMPARE(entry.programPath(EntryName), builtProgram);
}

void TestXdgAutostart::programPathRoundTrip_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("execLine");

    QTest::newRow("blanks") << "/home/a b/My Apps/zibac" << QByteArray("Exec=\"/home/a b/My Apps/zibac\"");
    QTest::newRow("quote and dollar") << "/tmp/x\"$HOME/zibac" << QByteArray("Exec=\"/tmp/x\\\\\"\\\\$HOME/zibac\"");
    QTest::newRow("backslash") << "/tmp/a\\b/zibac" << QByteArray("Exec=\"/tmp/a\\\\\\\\b/zibac\"");
    QTest::newRow("backtick") << "/tmp/`id`/zibac" << QByteArray("Exec=\"/tmp/\\\\`id\\\\`/zibac\"");
    QTest::newRow("percent") << "/tmp/100%/zibac" << QByteArray("Exec=\"/tmp/100%%/zibac\"");
    QTest::newRow("non-ASCII") << QString::fromUtf8("/tmp/\u00e9t\u00e9/zibac")
                               << QByteArray("Exec=\"/tmp/\xc3\xa9t\xc3\xa9/zibac\"");
}

void TestXdgAutostart::programPathRoundTrip()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, execLine);
    QVERIFY(m_entry.add(EntryName, path));
    const QList<QByteArray> lines = readAll(entryFile()).split('\n');
    QVERIFY2(lines.contains(execLine), readAll(entryFile()).constData());
    QCOMPARE(m_entry.programPath(EntryName), path);
}

void TestXdgAutostart::fileNameIsSafe_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("program") << EntryName << "zib-alarm-clock-v2.2.desktop";
    QTest::newRow("slashes") << "../../etc/x"
                             << "..-..-etc-x.desktop";
    QTest::newRow("non-ASCII") << QString::fromUtf8("R\u00e9veil") << "r-veil.desktop";
}

void TestXdgAutostart::fileNameIsSafe()
{
    QFETCH(QString, name);
    QFETCH(QString, fileName);
    QCOMPARE(XdgAutostartEntry::fileName(name), fileName);
    QVERIFY(m_entry.add(name, "/opt/zibac"));
    QVERIFY(QFile::exists(m_config->path() + "/autostart/" + fileName));
}

void TestXdgAutostart::folderWithoutXdgConfigHome()
{
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", m_config->path().toUtf8());
    qputenv("XDG_CONFIG_HOME", "relative/is/ignored");
    const QString folder = XdgAutostartEntry::autostartFolder();
    qunsetenv("XDG_CONFIG_HOME");
    const QString unsetFolder = XdgAutostartEntry::autostartFolder();
    qputenv("HOME", home);
    QCOMPARE(folder, m_config->path() + "/.config/autostart");
    QCOMPARE(unsetFolder, folder);
}

void TestXdgAutostart::replaceAndRemove()
{
    QVERIFY(m_entry.add(EntryName, "/old/zibac"));
    QVERIFY(m_entry.add(EntryName, "/new place/zibac"));
    QCOMPARE(m_entry.programPath(EntryName), "/new place/zibac");
    QCOMPARE(QDir(m_config->path() + "/autostart").entryList(QDir::Files | QDir::Hidden),
             QStringList{"zib-alarm-clock-v2.2.desktop"});

    QString error;
    QVERIFY(m_entry.remove(EntryName, &error));
    QVERIFY(!QFile::exists(entryFile()));
    QVERIFY(m_entry.programPath(EntryName).isEmpty());

    QVERIFY(m_entry.remove(EntryName, &error)); // already gone
    QVERIFY(error.isEmpty());
}

void TestXdgAutostart::readsHandWrittenEntry()
{
    QVERIFY(QDir().mkpath(m_config->path() + "/autostart"));
    QVERIFY(writeFile(entryFile(), "# edited by hand\n"
                                   "[Other Group]\n"
                                   "Exec=/wrong/one\n"
                                   "[Desktop Entry]\n"
                                   "Name=Zib\n"
                                   "Exec = /usr/local/zib/zibac --flag\n"));
    QCOMPARE(m_entry.programPath(EntryName), "/usr/local/zib/zibac");

    QVERIFY(writeFile(entryFile(), "[Desktop Entry]\nExec=\"/unterminated/zibac\n"));
    QVERIFY(m_entry.programPath(EntryName).isEmpty());
}

void TestXdgAutostart::unwritableFolder()
{
    const QString folder = m_config->path() + "/autostart";
    QVERIFY(m_entry.add(EntryName, "/old/zibac"));
    const QByteArray before = readAll(entryFile());
    if (!setImmutable(folder, true))
        QSKIP("chattr +i is not available here; running as root, folder modes would not stop a write");
    m_immutable = folder;

    QString error;
    QVERIFY(!m_entry.add(EntryName, "/new/zibac", &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(readAll(entryFile()), before);
    QCOMPARE(m_entry.programPath(EntryName), "/old/zibac");

    error.clear();
    QVERIFY(!m_entry.remove(EntryName, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFile::exists(entryFile()));
}

void TestXdgAutostart::folderBlockedByFile()
{
    QVERIFY(writeFile(m_config->path() + "/autostart", "not a folder"));
    QString error;
    QVERIFY(!m_entry.add(EntryName, "/opt/zibac", &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(m_entry.programPath(EntryName).isEmpty());
    QVERIFY(m_entry.remove(EntryName)); // nothing there to remove
}

QTEST_GUILESS_MAIN(TestXdgAutostart)
#include "tst_xdgautostart.moc"
