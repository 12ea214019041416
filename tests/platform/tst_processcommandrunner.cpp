// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/processcommandrunner.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestProcessCommandRunner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startsWithoutShell_data();
    void startsWithoutShell();
    void refuses_data();
    void refuses();
};

void TestProcessCommandRunner::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("touch")).isEmpty())
        QSKIP("touch is not installed");
}

void TestProcessCommandRunner::startsWithoutShell_data()
{
    QTest::addColumn<QString>("command"); // %1: a fresh folder
    QTest::addColumn<QString>("created");

    QTest::newRow("plain") << "touch %1/marker"
                           << "marker";
    QTest::newRow("quoted argument with a blank") << "touch \"%1/with blank\""
                                                  << "with blank";
    QTest::newRow("variable passed literally") << "touch %1/$HOME"
                                               << "$HOME";
    QTest::newRow("wildcard passed literally") << "touch %1/*"
                                               << "*";
}

void TestProcessCommandRunner::startsWithoutShell()
{
    QFETCH(QString, command);
    QFETCH(QString, created);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    ProcessCommandRunner runner;
    QString error;
    QVERIFY2(runner.start(command.arg(folder.path()), &error), qPrintable(error));
    const QString path = QDir(folder.path()).filePath(created);
    QTRY_VERIFY(QFileInfo::exists(path));
}

void TestProcessCommandRunner::refuses_data()
{
    QTest::addColumn<QString>("command");

    QTest::newRow("missing program") << "/nonexistent/zib-no-such-program --flag";
    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("empty quotes") << "\"\" arg";
}

void TestProcessCommandRunner::refuses()
{
    QFETCH(QString, command);

    ProcessCommandRunner runner;
    QString error;
    QVERIFY(!runner.start(command, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestProcessCommandRunner)
#include "tst_processcommandrunner.moc"
