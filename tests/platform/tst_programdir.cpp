// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/programdir.h"

#include <QDir>
#include <QTest>

class TestProgramDir : public QObject
{
    Q_OBJECT

private slots:
    void endsInOneSeparator_data();
    void endsInOneSeparator();
};

void TestProgramDir::endsInOneSeparator_data()
{
    QTest::addColumn<QString>("executableDir");
    QTest::newRow("without a separator") << "/opt/zib";
    QTest::newRow("with a separator") << "/opt/zib/";
}

void TestProgramDir::endsInOneSeparator()
{
    QFETCH(QString, executableDir);
    QCOMPARE(programDirFor(executableDir), QDir::toNativeSeparators("/opt/zib/"));
}

QTEST_MAIN(TestProgramDir)
#include "tst_programdir.moc"
