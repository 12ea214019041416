// Plays through a real audio server (the private PulseAudio null sink of the "pulse" test
// fixture) and measures what its monitor records.
#include "platform/audio/audioengine.h"
#include "platform/audio/sndfilewaveplayer.h"
#include "platform/audio/speakertoneoutput.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <numbers>
#include <sndfile.h>

namespace {

constexpr int Rate = 48000;
constexpr int PerMs = Rate / 1000;
constexpr double Loud = 0.05 * 32767;   // a clip at half scale is far above this
constexpr double Quiet = 0.002 * 32767; // the null sink records exact zeros when idle

bool writeSine(const QString& path, double frequency, int ms)
{
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    const int frames = info.samplerate * ms / 1000;
    std::vector<double> samples(size_t(frames) * 2);
    for (int f = 0; f < frames; ++f)
        samples[size_t(2 * f)] = samples[size_t(2 * f + 1)] =
            0.5 * std::sin(2 * std::numbers::pi * frequency * f / info.samplerate);
    const sf_count_t written = sf_writef_double(file, samples.data(), frames);
    sf_close(file);
    return written == frames;
}

/// Records the sink's monitor as 48 kHz mono 16-bit samples, counted from its start.
class Recorder
{
public:
    bool start()
    {
        m_parec.start(QStringLiteral("parec"),
                      {QStringLiteral("-d"), QStringLiteral("test.monitor"), QStringLiteral("--latency-msec=10"),
                       QStringLiteral("--format=s16le"), QStringLiteral("--rate=48000"), QStringLiteral("--channels=1"),
                       QStringLiteral("--raw")});
        return m_parec.waitForStarted(5000);
    }
    void stop()
    {
        m_parec.terminate();
        m_parec.waitForFinished(2000);
    }
    /// The index of the sample being recorded now.
    qint64 now()
    {
        // Whatever still waits in the pipe was recorded before now.
        while (m_parec.waitForReadyRead(0)) {
        }
        m_data += m_parec.readAllStandardOutput();
        return m_data.size() / 2;
    }
    /// Lets events run until ms more of sound have been recorded.
    bool record(int ms)
    {
        // A plain event loop, as the program runs, so that the players' timers keep their pace.
        const qint64 target = now() + qint64(ms) * PerMs;
        QEventLoop loop;
        QObject::connect(&m_parec, &QProcess::readyReadStandardOutput, &loop, [&] {
            if (now() >= target)
                loop.quit();
        });
        QTimer::singleShot(ms + 3000, &loop, [&loop] { loop.exit(1); });
        return now() >= target || loop.exec() == 0;
    }
    qint16 at(qint64 i) const
    {
        qint16 s;
        std::memcpy(&s, m_data.constData() + 2 * i, 2);
        return s;
    }
    double rms(qint64 from, qint64 to)
    {
        to = std::min(to, now());
        double sum = 0;
        for (qint64 i = from; i < to; ++i)
            sum += double(at(i)) * at(i);
        return to > from ? std::sqrt(sum / double(to - from)) : 0.0;
    }
    /// First and one past the last loud sample from from on; -1 when all is quiet.
    std::pair<qint64, qint64> loudSpan(qint64 from)
    {
        qint64 first = -1, last = -1;
        for (qint64 i = from; i < now(); ++i) {
            if (std::abs(at(i)) > Loud) {
                if (first < 0)
                    first = i;
                last = i + 1;
            }
        }
        return {first, last};
    }
    /// Rising crossings through a band around zero: one per period of a tone.
    int periods(qint64 from, qint64 to)
    {
        int count = 0;
        bool low = false;
        for (qint64 i = from; i < std::min(to, now()); ++i) {
            if (at(i) < -Loud)
                low = true;
            else if (low && at(i) > Loud) {
                low = false;
                ++count;
            }
        }
        return count;
    }

private:
    QProcess m_parec;
    QByteArray m_data;
};

} // namespace

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
