// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/chime.h"

#include <QTest>

namespace {
// The chime box lists "Quarter", "Half Hour", "Top", then "1" to "60".
int itemIndexOf(const QString& text)
{
    const QStringList named{QStringLiteral("Quarter"), QStringLiteral("Half Hour"), QStringLiteral("Top")};
    return named.contains(text) ? int(named.indexOf(text)) : text.toInt() + 2;
}

QTime at(const QString& text)
{
    return QTime::fromString(text, QStringLiteral("HH:mm:ss"));
}
} // namespace

class TestChime : public QObject
{
    Q_OBJECT

private slots:
    void tickByTick_data();
    void tickByTick();
    void emptySelectionKeepsState();
};

void TestChime::tickByTick_data()
{
    QTest::addColumn<QStringList>("selections"); // "hh:mm:ss=text", in time order
    QTest::addColumn<bool>("exactMinute");
    QTest::addColumn<QString>("from"); // the check box is on from here
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("droppedDown"); // "from-to" while the list is open
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("Quarter chosen a second early") << QStringList{"10:14:59=Quarter"} << false << "10:14:59"
                                                   << "10:45:00"
                                                   << "" << QStringList{"10:15:00", "10:30:00", "10:45:00"};
    QTest::newRow("Half Hour") << QStringList{"10:10:00=Half Hour"} << true << "10:10:00"
                               << "11:05:00"
                               << "" << QStringList{"10:30:00", "11:00:00"};
    QTest::newRow("Top switched on within minute 0") << QStringList{"09:00:00=Top"} << false << "10:00:30"
                                                     << "11:00:10"
                                                     << "" << QStringList{"10:00:30", "11:00:00"};
    QTest::newRow("Half Hour right after Top chimed")
        << QStringList{"09:59:50=Top", "10:00:20=Half Hour"} << false << "09:59:50"
        << "10:30:10"
        << "" << QStringList{"10:00:00", "10:00:20", "10:30:00"};
    QTest::newRow("exact 15 every hour") << QStringList{"10:00:00=15"} << true << "10:00:00"
                                         << "12:20:00"
                                         << "" << QStringList{"10:15:00", "11:15:00", "12:15:00"};
    QTest::newRow("exact 60 on the hour") << QStringList{"10:30:00=60"} << true << "10:30:00"
                                          << "12:00:10"
                                          << "" << QStringList{"11:00:00", "12:00:00"};
    QTest::newRow("elapsed 5 chosen at 10:02:40") << QStringList{"10:02:40=5"} << false << "10:02:40"
                                                  << "10:17:30"
                                                  << "" << QStringList{"10:07:00", "10:12:00", "10:17:00"};
    QTest::newRow("elapsed 1") << QStringList{"10:00:30=1"} << false << "10:00:30"
                               << "10:03:10"
                               << "" << QStringList{"10:01:00", "10:02:00", "10:03:00"};
    QTest::newRow("elapsed 60") << QStringList{"10:00:00=60"} << false << "10:00:00"
                                << "12:00:30"
                                << "" << QStringList{"11:00:00", "12:00:00"};
    QTest::newRow("new period restarts the count") << QStringList{"10:00:00=2", "10:01:30=3"} << false << "10:00:00"
                                                   << "10:07:10"
                                                   << "" << QStringList{"10:04:00", "10:07:00"};
    QTest::newRow("nothing selected") << QStringList{} << false << "10:00:00"
                                      << "11:00:10"
                                      << "" << QStringList{};
    QTest::newRow("open list suspends elapsed count") << QStringList{"10:00:00=5"} << false << "10:00:00"
                                                      << "10:10:10"
                                                      << "10:01:30-10:03:30" << QStringList{"10:06:00"};
    QTest::newRow("open list suspends exact minute") << QStringList{"10:00:00=15"} << true << "10:00:00"
                                                     << "10:16:00"
                                                     << "10:14:30-10:15:30" << QStringList{"10:15:30"};
    QTest::newRow("open list leaves Quarter alone") << QStringList{"10:00:00=Quarter"} << false << "10:10:00"
                                                    << "10:16:00"
                                                    << "10:14:30-10:15:30" << QStringList{"10:15:00"};
}

void TestChime::tickByTick()
{
    QFETCH(QStringList, selections);
    QFETCH(bool, exactMinute);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, droppedDown);
    QFETCH(QStringList, expected);

    const QStringList dropped = droppedDown.split(QLatin1Char('-'), Qt::SkipEmptyParts);
    Chime chime;
    int itemIndex = -1;
    QString text;
    QStringList chimes;
    // The main timer ticks twice a second.
    const QTime start = selections.isEmpty() ? at(from) : std::min(at(from), at(selections.first().section('=', 0, 0)));
    for (QTime now = start; now <= at(to); now = now.addMSecs(500)) {
        while (!selections.isEmpty() && at(selections.first().section('=', 0, 0)) <= now) {
            text = selections.takeFirst().section('=', 1);
            itemIndex = itemIndexOf(text);
            chime.selectionChanged(itemIndex, text, now.minute());
        }
        const bool open = !dropped.isEmpty() && now >= at(dropped[0]) && now < at(dropped[1]);
        if (now >= at(from) && chime.check(itemIndex, text, open, exactMinute, now.minute()))
            chimes.append(now.toString(QStringLiteral("HH:mm:ss")));
    }
    QCOMPARE(chimes, expected);
}

void TestChime::emptySelectionKeepsState()
{
    Chime chime;
    chime.selectionChanged(7, QStringLiteral("5"), 12);
    QVERIFY(!chime.check(7, QStringLiteral("5"), false, false, 13));
    chime.selectionChanged(-1, QString(), 13);
    QCOMPARE(chime.chimePeriod(), 5);
    QCOMPARE(chime.chimeCountdown(), 4);
    QCOMPARE(chime.lastSeenMinute(), 13);
}

QTEST_APPLESS_MAIN(TestChime)
#include "tst_chime.moc"
