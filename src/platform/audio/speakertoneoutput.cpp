// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/speakertoneoutput.h"

#include "platform/audio/audioengine.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cmath>

namespace {

constexpr unsigned SpeakerClock = 1193181;
constexpr double SquareAmplitude = 0.25;
// How long past the tune's end the wait holds on for an output that is slow to drain.
constexpr int TuneMarginMs = 1500;

qint64 tuneLengthMs(std::span<const Note> notes)
{
    qint64 total = 0;
    for (const Note& note : notes)
        total += std::max(note.durationMs, 0);
    return total;
}

} // namespace

bool speakerSounds(unsigned frequency)
{
    return frequency >= 40 && frequency <= 5000;
}

double speakerPitch(unsigned frequency)
{
    if (frequency == 0)
        return 0.0;
    // The speaker's timer counts a whole divisor, so the pitch it sounds is quantised.
    const auto divisor = SpeakerClock / frequency;
    return double(SpeakerClock) / double(divisor);
}

SoundClip renderTune(std::span<const Note> notes, int sampleRate)
{
    SoundClip clip{sampleRate, 1, {}};
    clip.samples.reserve(size_t(tuneLengthMs(notes) * sampleRate / 1000));
    const qint16 high = toPcm16(SquareAmplitude);
    for (const Note& note : notes) {
        const qint64 frames = qint64(std::max(note.durationMs, 0)) * sampleRate / 1000;
        if (!speakerSounds(note.frequency)) {
            clip.samples.insert(clip.samples.end(), size_t(frames), qint16(0));
            continue;
        }
        const double cycles = speakerPitch(note.frequency) / sampleRate;
        for (qint64 i = 0; i < frames; ++i) {
            const double phase = std::fmod(double(i) * cycles, 1.0);
            clip.samples.push_back(phase < 0.5 ? high : qint16(-high));
        }
    }
    return clip;
}

bool SpeakerToneOutput::play(std::span<const Note> notes)
{
    const qint64 lengthMs = tuneLengthMs(notes);
    if (lengthMs <= 0)
        return true;
    // One engine per tune: a timer that plays another tune during this one's wait must not
    // cut this one short.
    AudioEngine engine;
    QElapsedTimer elapsed;
    elapsed.start();
    if (engine.play(renderTune(notes), false, QStringLiteral("Speaker"))) {
        engine.waitForEnd(int(std::min<qint64>(lengthMs + TuneMarginMs, INT_MAX)), QEventLoop::AllEvents);
        if (!engine.failed())
            return true;
    }
    if (const qint64 left = lengthMs - elapsed.elapsed(); left > 0) {
        QEventLoop loop;
        QTimer::singleShot(int(std::min<qint64>(left, INT_MAX)), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::AllEvents);
    }
    return false;
}

bool SpeakerToneOutput::canSound() const
{
    return AudioEngine::outputMayAnswer();
}
