// SPDX-License-Identifier: GPL-3.0-or-later
// The sound comes back, in the same process and the same players, when the sound server starts
// after them or restarts under them: PulseAudio, and PipeWire through its PulseAudio service. A
// server that hangs is not waited for, and is used again when it goes on.
#include "platform/audio/audioengine.h"
#include "platform/audio/sndfilewaveplayer.h"
#include "platform/audio/speakertoneoutput.h"

#include "sinkrecorder.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

class TstAudioReconnect : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void soundComesBackWithTheServer_data();
    void soundComesBackWithTheServer();
    void hungServerIsNotWaitedFor();

private:
    bool runScript(const QString& server, const QString& action);
    pid_t pulsePid() const;
    void expectRefusedAtOnce(SndfileWavePlayer& player, SpeakerToneOutput& speaker);
    void expectHeard(SndfileWavePlayer& player, SpeakerToneOutput& speaker);

    QTemporaryDir m_dir;
    QString m_serverDir;
    QString m_clip;
    QString m_running;
};

void TstAudioReconnect::initTestCase()
{
    m_serverDir = m_dir.filePath(QStringLiteral("server"));
    // Fixed before any client connects, as a user's session fixes it: the socket a server will have.
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(m_serverDir) + "/runtime/pulse/native");
    m_clip = m_dir.filePath(QStringLiteral("tone.wav"));
    QVERIFY(writeSine(m_clip, 440, 300));
}

void TstAudioReconnect::cleanup()
{
    if (const pid_t pid = pulsePid(); pid > 0)
        kill(pid, SIGCONT);
    if (!m_running.isEmpty())
        runScript(m_running, QStringLiteral("stop"));
    m_running.clear();
}

bool TstAudioReconnect::runScript(const QString& server, const QString& action)
{
    const QString script = QStringLiteral(ZIB_TEST_SCRIPTS "/%1-%2.sh").arg(server, action);
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(script, {m_serverDir});
    const bool done =
        process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    m_running = action == QLatin1String("start") && done ? server : QString();
    return done;
}

pid_t TstAudioReconnect::pulsePid() const
{
    QFile file(m_serverDir + QStringLiteral("/runtime/pulse/pid"));
    return file.open(QIODevice::ReadOnly) ? pid_t(file.readAll().trimmed().toInt()) : 0;
}

void TstAudioReconnect::expectRefusedAtOnce(SndfileWavePlayer& player, SpeakerToneOutput& speaker)
{
    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY(!player.play(m_clip, WavePlayer::Mode::Sync));
    QVERIFY(!speaker.canSound());
    QVERIFY2(elapsed.elapsed() < 500, qPrintable(QString::number(elapsed.elapsed())));
}

void TstAudioReconnect::expectHeard(SndfileWavePlayer& player, SpeakerToneOutput& speaker)
{
    Recorder recorder;
    QVERIFY(recorder.start());
    QVERIFY(recorder.record(300));

    qint64 mark = recorder.now();
    QVERIFY(player.play(m_clip, WavePlayer::Mode::Sync));
    QVERIFY(recorder.record(300));
    const auto [first, last] = recorder.loudSpan(mark);
    QVERIFY2(first >= 0, "the wave sound was not heard");
    qInfo("wave heard %lld ms after the play, for %lld ms", (first - mark) / PerMs, (last - first) / PerMs);
    QVERIFY(std::abs((last - first) / PerMs - 300) <= 30);

    mark = recorder.now();
    const Note tune[] = {{880, 200}};
    QVERIFY(speaker.canSound());
    QVERIFY(speaker.play(tune));
    QVERIFY(recorder.record(300));
    QVERIFY2(recorder.loudSpan(mark).first >= 0, "the speaker tune was not heard");
}

void TstAudioReconnect::soundComesBackWithTheServer_data()
{
    QTest::addColumn<QString>("server");
    QTest::newRow("PulseAudio") << QStringLiteral("pulse");
    QTest::newRow("PipeWire") << QStringLiteral("pipewire");
}

void TstAudioReconnect::soundComesBackWithTheServer()
{
    QFETCH(QString, server);
    SndfileWavePlayer player;
    SpeakerToneOutput speaker;

    expectRefusedAtOnce(player, speaker);
    QVERIFY(runScript(server, QStringLiteral("start")));
    expectHeard(player, speaker);
    if (QTest::currentTestFailed())
        return;

    QVERIFY(runScript(server, QStringLiteral("stop")));
    expectRefusedAtOnce(player, speaker);
    QVERIFY(runScript(server, QStringLiteral("start")));
    expectHeard(player, speaker);
}

void TstAudioReconnect::hungServerIsNotWaitedFor()
{
    QVERIFY(runScript(QStringLiteral("pulse"), QStringLiteral("start")));
    SndfileWavePlayer player;
    SpeakerToneOutput speaker;
    QVERIFY(AudioEngine::outputAvailable());
    const pid_t pid = pulsePid();
    QVERIFY(pid > 0);
    QCOMPARE(kill(pid, SIGSTOP), 0);

    bool refused = false;
    PlayWatch watch;
    watch.refused = [&refused] { refused = true; };
    QVERIFY(player.play(m_clip, WavePlayer::Mode::Async, watch));
    // Returned before any answer could come; the refusal comes when the server has had its time.
    QVERIFY(!refused);
    QTRY_VERIFY(refused);
    // Known not to answer: a synchronous round does not wait for it again.
    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY(!player.play(m_clip, WavePlayer::Mode::Sync));
    QVERIFY(!speaker.canSound());
    QVERIFY2(elapsed.elapsed() < 300, qPrintable(QString::number(elapsed.elapsed())));

    QCOMPARE(kill(pid, SIGCONT), 0);
    QVERIFY(AudioEngine::outputAvailable());
    expectHeard(player, speaker);
}

QTEST_GUILESS_MAIN(TstAudioReconnect)
#include "tst_audio_reconnect.moc"
