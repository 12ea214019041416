// SPDX-License-Identifier: GPL-3.0-or-later
// Plays through a real audio server (the private PulseAudio null sink of the "pulse" test
// fixture) and measures what its monitor records.
#include "platform/audio/audioengine.h"
#include "platform/audio/sndfilewaveplayer.h"
#include "platform/audio/speakertoneoutput.h"

#include "sinkrecorder.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

class TstAudioDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void playsTheWholeClip_data();
    void playsTheWholeClip();
    void loopRunsUntilStopped_data();
    void loopRunsUntilStopped();
    void unreadableFilePlaysTheDing_data();
    void unreadableFilePlaysTheDing();
    void speakerTuneSoundsItsNotesAndRests();

private:
    QTemporaryDir m_dir;
    QString m_clip600;
    QString m_clip300;
    Recorder m_recorder;
};

void TstAudioDevice::initTestCase()
{
    QVERIFY2(AudioEngine::outputAvailable(), "no audio output: is the pulse fixture running?");
    m_clip600 = m_dir.filePath(QStringLiteral("tone600.wav"));
    m_clip300 = m_dir.filePath(QStringLiteral("tone300.wav"));
    QVERIFY(writeSine(m_clip600, 440, 600));
    QVERIFY(writeSine(m_clip300, 660, 300));
    QVERIFY(m_recorder.start());
    // A fresh null sink runs late until a reader has been attached for a while; one play
    // settles it before anything is measured.
    QVERIFY(m_recorder.record(300));
    SndfileWavePlayer warmUp;
    QVERIFY(warmUp.play(m_clip300, WavePlayer::Mode::Sync));
    QVERIFY(m_recorder.record(300));
}

void TstAudioDevice::cleanupTestCase()
{
    m_recorder.stop();
}

void TstAudioDevice::playsTheWholeClip_data()
{
    QTest::addColumn<WavePlayer::Mode>("mode");
    QTest::newRow("sync") << WavePlayer::Mode::Sync;
    QTest::newRow("async") << WavePlayer::Mode::Async;
}

void TstAudioDevice::playsTheWholeClip()
{
    QFETCH(WavePlayer::Mode, mode);
    SndfileWavePlayer player;
    const qint64 mark = m_recorder.now();
    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY(player.play(m_clip600, mode));
    const qint64 blockedMs = elapsed.elapsed();
    QVERIFY(m_recorder.record(mode == WavePlayer::Mode::Sync ? 400 : 1000));

    const auto [first, last] = m_recorder.loudSpan(mark);
    QVERIFY2(first >= 0, "nothing was heard");
    const qint64 latencyMs = (first - mark) / PerMs;
    const qint64 heardMs = (last - first) / PerMs;
    qInfo("blocked %lld ms, first sound after %lld ms, heard for %lld ms", blockedMs, latencyMs, heardMs);
    QVERIFY2(std::abs(heardMs - 600) <= 30, "the clip was cut or stretched");
    QVERIFY(latencyMs < 300);
    QVERIFY(m_recorder.rms(last, m_recorder.now()) < Quiet);
    if (mode == WavePlayer::Mode::Sync) {
        QVERIFY(blockedMs >= 550);
        QVERIFY(blockedMs <= latencyMs + 600 + 400);
    } else {
        QVERIFY(blockedMs < 200);
    }
}

void TstAudioDevice::loopRunsUntilStopped_data()
{
    QTest::addColumn<bool>("byEmptyPath");
    QTest::newRow("stop()") << false;
    QTest::newRow("play of an empty path") << true;
}

void TstAudioDevice::loopRunsUntilStopped()
{
    QFETCH(bool, byEmptyPath);
    SndfileWavePlayer player;
    const qint64 mark = m_recorder.now();
    QVERIFY(player.play(m_clip300, WavePlayer::Mode::AsyncLoop));
    QVERIFY(m_recorder.record(1300));

    // Four times the clip's length later it still sounds, without gaps between the rounds.
    const qint64 first = m_recorder.loudSpan(mark).first;
    QVERIFY2(first >= 0, "nothing was heard");
    for (qint64 from = first; from + 100 * PerMs <= first + 1100 * PerMs; from += 50 * PerMs)
        QVERIFY2(m_recorder.rms(from, from + 50 * PerMs) > Loud,
                 qPrintable(QStringLiteral("gap at %1 ms").arg((from - first) / PerMs)));

    const qint64 stopped = m_recorder.now();
    if (byEmptyPath)
        QVERIFY(player.play(QString(), WavePlayer::Mode::Sync));
    else
        player.stop();
    QVERIFY(m_recorder.record(600));
    const qint64 lastLoud = m_recorder.loudSpan(stopped).second;
    qInfo("loop: sound ended %lld ms after stop", lastLoud < 0 ? 0 : (lastLoud - stopped) / PerMs);
    QVERIFY(lastLoud < stopped + 150 * PerMs);
    QVERIFY(m_recorder.rms(stopped + 150 * PerMs, m_recorder.now()) < Quiet);
}

void TstAudioDevice::unreadableFilePlaysTheDing_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file

    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("garbage file") << QByteArray(20000, '\x5A');
}

void TstAudioDevice::unreadableFilePlaysTheDing()
{
    QFETCH(QByteArray, content);
    const QString path = m_dir.filePath(QStringLiteral("song-%1.wav").arg(QTest::currentDataTag()));
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    SndfileWavePlayer player;
    const qint64 mark = m_recorder.now();
    QVERIFY(player.play(path, WavePlayer::Mode::Sync));
    QVERIFY(m_recorder.record(300));

    const auto [first, last] = m_recorder.loudSpan(mark);
    QVERIFY2(first >= 0, "the default sound was not heard");
    QVERIFY((last - first) / PerMs <= 300);
    const int periods = m_recorder.periods(first, first + 100 * PerMs);
    QVERIFY2(std::abs(periods - 88) <= 3, qPrintable(QString::number(periods))); // 880 Hz
}

void TstAudioDevice::speakerTuneSoundsItsNotesAndRests()
{
    // psError: 92 Hz for 150 ms, a rest of 200 ms, 65 Hz for 500 ms.
    const Note tune[] = {{92, 150}, {1, 200}, {65, 500}};
    SpeakerToneOutput speaker;
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start(50);

    const qint64 mark = m_recorder.now();
    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY(speaker.canSound());
    QVERIFY(speaker.play(tune));
    const qint64 blockedMs = elapsed.elapsed();
    ticker.stop();
    QVERIFY(m_recorder.record(300));

    const qint64 first = m_recorder.loudSpan(mark).first;
    QVERIFY2(first >= 0, "nothing was heard");
    qInfo("tune: blocked %lld ms, first sound after %lld ms, %d timer ticks meanwhile", blockedMs,
          (first - mark) / PerMs, ticks);
    QVERIFY(blockedMs >= 800 && blockedMs < 850 + 600);
    QVERIFY2(ticks >= 10, "events did not run during the tune");

    const auto ms = [first](int t) { return first + qint64(t) * PerMs; };
    QVERIFY(m_recorder.rms(ms(10), ms(140)) > Loud);
    QVERIFY(m_recorder.rms(ms(170), ms(330)) < Quiet);
    QVERIFY(m_recorder.rms(ms(360), ms(840)) > Loud);
    QVERIFY(m_recorder.rms(ms(880), ms(1100)) < Quiet);
    QVERIFY(std::abs(m_recorder.periods(ms(400), ms(800)) - 26) <= 1); // 65 Hz for 0.4 s
}

QTEST_GUILESS_MAIN(TstAudioDevice)
#include "tst_audio_device.moc"
