// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/speakerrepeat.h"

#include <QTest>

class TestSpeakerRepeat : public QObject
{
    Q_OBJECT

private slots:
    void startsOnEveryFourthTick();
    void ticksDuringTuneDoNotRestartIt();
    void stopEndsRepeating();
};

void TestSpeakerRepeat::startsOnEveryFourthTick()
{
    SpeakerRepeat repeat;
    QList<int> startedAt;
    for (int tick = 0; tick < 3; ++tick)
        repeat.tick([&](int) { startedAt.append(-1); });
    QVERIFY(startedAt.isEmpty());

    repeat.start(12);
    QList<int> tunes;
    for (int tick = 0; tick < 13; ++tick) {
        repeat.tick([&](int tune) {
            startedAt.append(tick);
            tunes.append(tune);
        });
    }
    QCOMPARE(startedAt, (QList<int>{0, 4, 8, 12}));
    QCOMPARE(tunes, (QList<int>{12, 12, 12, 12}));
}

void TestSpeakerRepeat::ticksDuringTuneDoNotRestartIt()
{
    SpeakerRepeat repeat;
    repeat.start(10);
    int started = 0;
    std::function<void(int)> playTune = [&](int) {
        ++started;
        // A tune lets the timer run during its rests.
        repeat.tick(playTune);
        repeat.tick(playTune);
    };
    repeat.tick(playTune);
    QCOMPARE(started, 1);
    // Three ticks counted so far (1 -> 2 -> 3 -> 4); one more wraps, the next starts again.
    repeat.tick(playTune);
    QCOMPARE(started, 1);
    repeat.tick(playTune);
    QCOMPARE(started, 2);
}

void TestSpeakerRepeat::stopEndsRepeating()
{
    SpeakerRepeat repeat;
    repeat.start(10);
    QList<int> tunes;
    const auto record = [&](int tune) { tunes.append(tune); };
    repeat.tick(record);
    repeat.stop();
    for (int tick = 0; tick < 8; ++tick)
        repeat.tick(record);
    QCOMPARE(tunes, QList<int>{10});
    QVERIFY(!repeat.isActive());

    repeat.start(0);
    for (int tick = 0; tick < 8; ++tick)
        repeat.tick(record);
    QCOMPARE(tunes, (QList<int>{10, 0, 0}));
}

QTEST_APPLESS_MAIN(TestSpeakerRepeat)
#include "tst_speakerrepeat.moc"
