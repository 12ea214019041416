// SPDX-License-Identifier: GPL-3.0-or-later
// The tray icon against a recording notification area: tip, icon, menu, presses and removal.
#include "faketrayiconhost.h"
#include "tray/ttrayicon.h"

#include <QMenu>
#include <QPixmap>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

namespace {
QIcon plainIcon(Qt::GlobalColor colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}
} // namespace

class TestTTrayIcon : public QObject
{
    Q_OBJECT

private slots:
    void tipFollowsTheTitle_data();
    void tipFollowsTheTitle();
    void hintIsCutTo63Characters();
    void sameIconChangesNothing();
    void pressesReachItOnlyWhileAdded();
    void withoutNotificationArea();
};

void TestTTrayIcon::tipFollowsTheTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("tip");
    QTest::newRow("titled") << QStringLiteral("zibac") << QStringLiteral("Zib Alarm Clock v2.2");
    QTest::newRow("untitled") << QString() << QString();
}

void TestTTrayIcon::tipFollowsTheTitle()
{
    QFETCH(QString, title);
    QFETCH(QString, tip);
    FakeTrayIconHost host;
    const QIcon icon = plainIcon(Qt::red);
    QMenu menu;
    TTrayIcon tray(host, icon, title, &menu);
    QVERIFY(tray.isAdded());
    QVERIFY(host.shown);
    QCOMPARE(host.tip, tip);
    QCOMPARE(host.icon.cacheKey(), icon.cacheKey());
    QCOMPARE(host.menu, &menu);
}

void TestTTrayIcon::hintIsCutTo63Characters()
{
    FakeTrayIconHost host;
    TTrayIcon tray(host, plainIcon(Qt::red), QStringLiteral("zibac"), nullptr);
    const QString longHint(70, QLatin1Char('x'));
    tray.setHint(longHint);
    QCOMPARE(tray.Hint(), longHint);
    QCOMPARE(host.tip, QString(63, QLatin1Char('x')));
    tray.setHint(QString());
    QCOMPARE(host.tip, QString());
}

void TestTTrayIcon::sameIconChangesNothing()
{
    FakeTrayIconHost host;
    TTrayIcon tray(host, plainIcon(Qt::red), QStringLiteral("zibac"), nullptr);
    tray.setIcon(tray.Icon());
    QCOMPARE(host.iconChanges, 0);
    const QIcon other = plainIcon(Qt::blue);
    tray.setIcon(other);
    QCOMPARE(host.iconChanges, 1);
    QCOMPARE(host.icon.cacheKey(), other.cacheKey());
}

void TestTTrayIcon::pressesReachItOnlyWhileAdded()
{
    FakeTrayIconHost host;
    auto tray = std::make_unique<TTrayIcon>(host, plainIcon(Qt::red), QStringLiteral("zibac"), nullptr);
    QSignalSpy left(tray.get(), &TTrayIcon::leftButtonDown);
    QSignalSpy right(tray.get(), &TTrayIcon::rightButtonDown);
    emit host.leftPressed(QPoint(5, 6));
    emit host.rightPressed(QPoint(7, 8));
    QCOMPARE(left.size(), 1);
    QCOMPARE(right.size(), 1);
    QCOMPARE(right[0][0].toPoint(), QPoint(7, 8));

    tray->remove();
    QVERIFY(!host.shown);
    emit host.leftPressed(QPoint(5, 6));
    emit host.rightPressed(QPoint(7, 8));
    QCOMPARE(left.size(), 1);
    QCOMPARE(right.size(), 1);
    tray.reset();
    QCOMPARE(host.removals, 1);

    // A later icon is removed when it goes.
    tray = std::make_unique<TTrayIcon>(host, plainIcon(Qt::red), QStringLiteral("zibac"), nullptr);
    QVERIFY(host.shown);
    tray.reset();
    QVERIFY(!host.shown);
    QCOMPARE(host.removals, 2);
}

void TestTTrayIcon::withoutNotificationArea()
{
    FakeTrayIconHost host;
    host.hasArea = false;
    auto tray = std::make_unique<TTrayIcon>(host, plainIcon(Qt::red), QStringLiteral("zibac"), nullptr);
    QVERIFY(!tray->isAdded());
    QSignalSpy left(tray.get(), &TTrayIcon::leftButtonDown);
    emit host.leftPressed(QPoint());
    QCOMPARE(left.size(), 0);
    tray->setIcon(plainIcon(Qt::blue));
    QCOMPARE(host.iconChanges, 0);
    tray.reset();
    QCOMPARE(host.removals, 0);
}

QTEST_MAIN(TestTTrayIcon)
#include "tst_ttrayicon.moc"
