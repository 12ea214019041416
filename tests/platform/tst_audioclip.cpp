// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/sndfilewaveplayer.h"
#include "platform/audio/soundclip.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <numbers>
#include <sndfile.h>

namespace {

// Writes a 440 Hz sine of amplitude 0.5 in the given libsndfile format.
bool writeSine(const QString& path, int format, int rate, int channels, double seconds)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    const int frames = int(rate * seconds);
    std::vector<double> samples(size_t(frames * channels));
    for (int f = 0; f < frames; ++f) {
        for (int c = 0; c < channels; ++c)
            samples[size_t(f * channels + c)] = 0.5 * std::sin(2 * std::numbers::pi * 440.0 * f / rate);
    }
    const sf_count_t written = sf_writef_double(file, samples.data(), frames);
    sf_close(file);
    return written == frames;
}

int peak(const SoundClip& clip)
{
    int top = 0;
    for (qint16 s : clip.samples)
        top = std::max(top, std::abs(int(s)));
    return top;
}

double rms(const SoundClip& clip, qint64 from, qint64 to)
{
    double sum = 0;
    for (qint64 i = from; i < to; ++i)
        sum += double(clip.samples[size_t(i)]) * clip.samples[size_t(i)];
    return to > from ? std::sqrt(sum / double(to - from)) : 0.0;
}

bool touch(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

} // namespace

class TstAudioClip : public QObject
{
    Q_OBJECT

private slots:
    void decodesEveryFlavour_data();
    void decodesEveryFlavour();
    void refusesWhatIsNoSound_data();
    void refusesWhatIsNoSound();
    void convertsChannels();
    void convertsRate();
    void defaultDingIsAShortDecayingTone();
    void resolvesWavePath_data();
    void resolvesWavePath();

private:
    QTemporaryDir m_dir;
};

void TstAudioClip::decodesEveryFlavour_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");

    QTest::newRow("wav u8 mono 8 kHz") << (SF_FORMAT_WAV | SF_FORMAT_PCM_U8) << 8000 << 1;
    QTest::newRow("wav s16 stereo 44.1 kHz") << (SF_FORMAT_WAV | SF_FORMAT_PCM_16) << 44100 << 2;
    QTest::newRow("wav s24 mono 48 kHz") << (SF_FORMAT_WAV | SF_FORMAT_PCM_24) << 48000 << 1;
    QTest::newRow("wav s32 stereo 22.05 kHz") << (SF_FORMAT_WAV | SF_FORMAT_PCM_32) << 22050 << 2;
    QTest::newRow("wav float mono 96 kHz") << (SF_FORMAT_WAV | SF_FORMAT_FLOAT) << 96000 << 1;
    QTest::newRow("wav double stereo 48 kHz") << (SF_FORMAT_WAV | SF_FORMAT_DOUBLE) << 48000 << 2;
    QTest::newRow("wav ima adpcm mono 11 kHz") << (SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM) << 11025 << 1;
    QTest::newRow("wavex s16 six channels") << (SF_FORMAT_WAVEX | SF_FORMAT_PCM_16) << 48000 << 6;
}

void TstAudioClip::decodesEveryFlavour()
{
    QFETCH(int, format);
    QFETCH(int, rate);
    QFETCH(int, channels);

    const QString path = m_dir.filePath(QStringLiteral("%1.wav").arg(QTest::currentDataTag()));
    QVERIFY(writeSine(path, format, rate, channels, 0.25));

    QString error;
    const std::optional<SoundClip> clip = SndfileWavePlayer::decode(path, &error);
    QVERIFY2(clip, qPrintable(error));
    QCOMPARE(clip->sampleRate, rate);
    QCOMPARE(clip->channels, channels);
    QVERIFY(std::abs(clip->frames() - rate / 4) <= 1024); // ADPCM pads its last block
    // Whatever the flavour, an amplitude of 0.5 comes out as half of full scale.
    QVERIFY2(std::abs(peak(*clip) - 16384) < 1200, qPrintable(QString::number(peak(*clip))));
}

void TstAudioClip::refusesWhatIsNoSound_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: the file does not exist

    QTest::newRow("missing") << QByteArray();
    QTest::newRow("text") << QByteArray("Bell ringing at seven\r\n");
    QTest::newRow("truncated header") << QByteArray("RIFF\x24\x00\x00\x00WAVEfmt ", 16);
    QTest::newRow("random bytes") << QByteArray(4096, '\xA7');
}

void TstAudioClip::refusesWhatIsNoSound()
{
    QFETCH(QByteArray, content);
    const QString path = m_dir.filePath(QStringLiteral("bad-%1.wav").arg(QTest::currentDataTag()));
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QString error;
    QVERIFY(!SndfileWavePlayer::decode(path, &error));
    QVERIFY(!error.isEmpty());
}

void TstAudioClip::convertsChannels()
{
    const SoundClip stereo{8000, 2, {1000, 3000, -2000, -4000}};
    const SoundClip mono = convertClip(stereo, 8000, 1);
    QCOMPARE(mono.channels, 1);
    QCOMPARE(mono.samples, (std::vector<qint16>{2000, -3000}));

    const SoundClip spread = convertClip(mono, 8000, 2);
    QCOMPARE(spread.samples, (std::vector<qint16>{2000, 2000, -3000, -3000}));

    const SoundClip sixToStereo = convertClip(SoundClip{8000, 6, {1, 2, 3, 4, 5, 6}}, 8000, 2);
    QCOMPARE(sixToStereo.samples, (std::vector<qint16>{1, 2}));
}

void TstAudioClip::convertsRate()
{
    const SoundClip ramp{24000, 1, {0, 1000, 2000, 3000}};
    const SoundClip doubled = convertClip(ramp, 48000, 1);
    QCOMPARE(doubled.sampleRate, 48000);
    QCOMPARE(doubled.durationMs(), ramp.durationMs());
    QCOMPARE(doubled.samples, (std::vector<qint16>{0, 500, 1000, 1500, 2000, 2500, 3000, 3000}));

    const SoundClip halved = convertClip(doubled, 24000, 1);
    QCOMPARE(halved.samples, (std::vector<qint16>{0, 1000, 2000, 3000}));
}

void TstAudioClip::defaultDingIsAShortDecayingTone()
{
    const SoundClip ding = defaultDing(48000);
    QCOMPARE(ding.durationMs(), 300);
    const qint64 tenth = ding.frames() / 10;
    const double start = rms(ding, 0, tenth);
    const double end = rms(ding, ding.frames() - tenth, ding.frames());
    QVERIFY(start > 3000);
    QVERIFY(end < start / 5);
    QVERIFY(peak(ding) < 32767); // not clipped
}

void TstAudioClip::resolvesWavePath_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("song");
    QTest::addColumn<QString>("expected");

    QTest::newRow("exact") << QStringList{"Bell.wav"} << "Bell"
                           << "Bell.wav";
    QTest::newRow("upper-case extension") << QStringList{"Bell.WAV"} << "Bell"
                                          << "Bell.WAV";
    QTest::newRow("mixed-case extension") << QStringList{"Bell.Wav"} << "Bell"
                                          << "Bell.Wav";
    QTest::newRow("exact wins") << QStringList{"Bell.WAV", "Bell.wav"} << "Bell"
                                << "Bell.wav";
    QTest::newRow("name case matters") << QStringList{"bell.WAV"} << "Bell"
                                       << "Bell.wav";
    QTest::newRow("missing") << QStringList{"Gong.wav"} << "Bell"
                             << "Bell.wav";
    QTest::newRow("other extension") << QStringList{"Bell.WAVE"} << "Bell"
                                     << "Bell.wav";
    QTest::newRow("pattern characters") << QStringList{"[a]*?.WAV", "b.wav"} << "[a]*?"
                                        << "[a]*?.WAV";
}

void TstAudioClip::resolvesWavePath()
{
    QFETCH(QStringList, files);
    QFETCH(QString, song);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    for (const QString& name : files)
        QVERIFY(touch(QDir(dir.path()).filePath(name)));
    const QString programDir = dir.path() + QDir::separator();
    QCOMPARE(resolveWavePath(programDir, song), programDir + expected);
}

QTEST_GUILESS_MAIN(TstAudioClip)
#include "tst_audioclip.moc"
