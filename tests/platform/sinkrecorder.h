// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writes test clips and records what a sound server's null sink "test" plays, as 48 kHz mono
// 16-bit samples counted from the recording's start.
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <cmath>
#include <cstring>
#include <numbers>
#include <sndfile.h>
#include <vector>

constexpr int Rate = 48000;
constexpr int PerMs = Rate / 1000;
constexpr double Loud = 0.05 * 32767;   // a clip at half scale is far above this
constexpr double Quiet = 0.002 * 32767; // the null sink records exact zeros when idle

inline bool writeSine(const QString& path, double frequency, int ms)
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
    ~Recorder() { stop(); }
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
        // The end is read once: under load a loop that reads it anew can chase the recording for ever.
        for (qint64 i = from, end = now(); i < end; ++i) {
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
        for (qint64 i = from, end = std::min(to, now()); i < end; ++i) {
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
