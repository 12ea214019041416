// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void answer_data();
    void answer();
    void platformForSession_data();
    void platformForSession();
    void programAnswersWithoutStarting_data();
    void programAnswersWithoutStarting();
};

void TestCommandLine::answer_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("answerStart");
    QTest::newRow("short help among Qt options")
        << QStringList{"/usr/bin/zibac", "-platform", "xcb", "-h"}
        << "Usage: zibac [options]\nZib Alarm Clock v2.2: an alarm clock and reminder.\n";
    QTest::newRow("short version") << QStringList{"zibac", "-v"} << "zibac 2.2\n";
    QTest::newRow("no option starts the program") << QStringList{"zibac"} << QString();
    QTest::newRow("Qt options start the program")
        << QStringList{"zibac", "-platform", "xcb", "-style", "fusion"} << QString();
}

void TestCommandLine::answer()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, answerStart);
    const std::optional<QString> answer = answerCommandLine(arguments);
    QCOMPARE(answer.has_value(), !answerStart.isEmpty());
    if (answer)
        QVERIFY2(answer->startsWith(answerStart), qPrintable(*answer));
}

void TestCommandLine::platformForSession_data()
{
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArray>("platform");
    QTest::newRow("X11 session: Qt's choice") << QByteArray(":0") << QByteArray() << QByteArray();
    QTest::newRow("Wayland with XWayland") << QByteArray(":0") << QByteArray("wayland-0") << QByteArray("xcb;wayland");
    QTest::newRow("Wayland without X") << QByteArray() << QByteArray("wayland-0") << QByteArray("wayland");
}

void TestCommandLine::platformForSession()
{
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, waylandDisplay);
    QTEST(::platformForSession(display, waylandDisplay), "platform");
}

void TestCommandLine::programAnswersWithoutStarting_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("answerStart");
    QTest::newRow("help") << "--help"
                          << ""
                          << "Usage: zibac [options]\n";
    QTest::newRow("version") << "--version"
                             << ""
                             << "zibac 2.2\n";
    // Translated before any application object exists, Qt's own heading included.
    QTest::newRow("help in German") << "--help"
                                    << "de"
                                    << "Aufruf: zibac [Optionen]\nZib Alarm Clock v2.2: ein Wecker mit "
                                       "Erinnerungen.\n\nOptionen:\n";
}

// With no display at all, any window would end the program with an error: exit status 0 and a
// home left empty (no lock, no settings, no list) show that it answered before starting.
void TestCommandLine::programAnswersWithoutStarting()
{
    QFETCH(QString, option);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    env.insert("HOME", home.path());
    QFETCH(QString, language);
    env.insert("LANGUAGE", language);
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_RUNTIME_DIR"})
        env.insert(name, home.path() + '/' + name);
    const QStringList programFolder = QDir(ZIB_PROGRAM_DIR).entryList(QDir::Files);

    QProcess program;
    program.setProcessEnvironment(env);
    program.start(ZIB_PROGRAM_DIR "/zibac", {option});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), QString());
    QFETCH(QString, answerStart);
    const QString output = QString::fromLocal8Bit(program.readAllStandardOutput());
    QVERIFY2(output.startsWith(answerStart), qPrintable(output));
    QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    QCOMPARE(QDir(ZIB_PROGRAM_DIR).entryList(QDir::Files), programFolder);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
