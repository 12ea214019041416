// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store on a real INI file in a private folder.
#include "platform/qsettingsstore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestQSettingsStore : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_folder;

    QString iniPath() const
    {
        return m_folder->filePath(
            QStringLiteral("%1/%2.conf").arg(QSettingsStore::organization, QSettingsStore::application));
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder->path());
    }

    void writtenValueReadsBackAsText()
    {
        QSettingsStore store;
        QVERIFY(store.write(QStringLiteral("Main Top"), QStringLiteral("120")));
        QVERIFY(store.write(QStringLiteral("Msg Font Name"), QStringLiteral("Comic, Sans")));
        QCOMPARE(store.read(QStringLiteral("Main Top")), QStringLiteral("120"));
        QCOMPARE(store.read(QStringLiteral("Msg Font Name")), QStringLiteral("Comic, Sans"));
        QCOMPARE(store.read(QStringLiteral("Never Written")), QString());
    }

    // A value typed into the file by hand with bare commas comes back from QSettings as a list.
    void handEditedListReadsAsItsText()
    {
        QDir().mkpath(QFileInfo(iniPath()).path());
        QFile ini(iniPath());
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[General]\nList%20Font%20Name=DejaVu Sans,Bold\n");
        ini.close();
        QCOMPARE(QSettingsStore().read(QStringLiteral("List Font Name")), QStringLiteral("DejaVu Sans, Bold"));
    }

    void failedWriteIsReported()
    {
        // The settings folder would have to be made below a plain file: no user, root included, can.
        QFile blocker(m_folder->filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker.fileName());
        QVERIFY(!QSettingsStore().write(QStringLiteral("Main Top"), QStringLiteral("120")));
    }
};

QTEST_GUILESS_MAIN(TestQSettingsStore)
#include "tst_qsettingsstore.moc"
