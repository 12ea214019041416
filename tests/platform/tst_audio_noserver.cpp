// SPDX-License-Identifier: GPL-3.0-or-later
// Without an audio server (PULSE_SERVER points nowhere) nothing may hang.
#include "platform/audio/audioengine.h"
#include "platform/audio/sndfilewaveplayer.h"
#include "platform/audio/speakertoneoutput.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TstAudioNoServer : public QObject
{
    Q_OBJECT

private slots:
    void wavePlayRefusesAtOnce_data();
    void wavePlayRefusesAtOnce();
    void emptyPathStillSucceeds();
    void speakerTuneLastsItsLengthInSilence();
    void soundThreadLeavesTheCallersName();
};

void TstAudioNoServer::wavePlayRefusesAtOnce_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<WavePlayer::Mode>("mode");

    QTest::newRow("sync") << true << WavePlayer::Mode::Sync;
    QTest::newRow("async") << true << WavePlayer::Mode::Async;
    QTest::newRow("loop") << true << WavePlayer::Mode::AsyncLoop;
    QTest::newRow("missing file, sync") << false << WavePlayer::Mode::Sync;
}

void TstAudioNoServer::wavePlayRefusesAtOnce()
{
    QFETCH(bool, fileExists);
    QFETCH(WavePlayer::Mode, mode);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bell.wav"));
    if (fileExists) {
        // Any content: the answer must not depend on decoding.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(1000, '\0'));
    }
    SndfileWavePlayer player;
    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY(!player.play(path, mode));
    QVERIFY2(elapsed.elapsed() < 1000, qPrintable(QString::number(elapsed.elapsed())));
}

void TstAudioNoServer::emptyPathStillSucceeds()
{
    SndfileWavePlayer player;
    QVERIFY(player.play(QString(), WavePlayer::Mode::Sync));
}

void TstAudioNoServer::speakerTuneLastsItsLengthInSilence()
{
    const Note tune[] = {{523, 80}, {1, 100}, {1046, 80}};
    SpeakerToneOutput speaker;
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start(20);
    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY(!speaker.canSound());
    QVERIFY(!speaker.play(tune));
    const qint64 blockedMs = elapsed.elapsed();
    QVERIFY2(blockedMs >= 255 && blockedMs < 700, qPrintable(QString::number(blockedMs)));
    QVERIFY(ticks >= 5);
}

void TstAudioNoServer::soundThreadLeavesTheCallersName()
{
    AudioEngine::outputAvailable();
    // The process's name in ps and top is its main thread's.
    QFile comm(QStringLiteral("/proc/self/comm"));
    QVERIFY(comm.open(QIODevice::ReadOnly));
    QCOMPARE(comm.readAll().trimmed(), QFileInfo(QCoreApplication::applicationFilePath()).fileName().left(15).toUtf8());
}

QTEST_GUILESS_MAIN(TstAudioNoServer)
#include "tst_audio_noserver.moc"
