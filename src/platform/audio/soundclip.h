// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <vector>

/// Interleaved 16-bit PCM samples at a sample rate, ready for the audio engine.
struct SoundClip
{
    int sampleRate = 0;
    int channels = 0;
    std::vector<qint16> samples;

    qint64 frames() const { return channels > 0 ? qint64(samples.size()) / channels : 0; }
    qint64 durationMs() const { return sampleRate > 0 ? frames() * 1000 / sampleRate : 0; }
    bool isEmpty() const { return samples.empty(); }
};

/// The same sound at another rate (linear interpolation) and channel count (mono is spread
/// to every channel; more channels fold down by averaging, or keep the first ones).
SoundClip convertClip(const SoundClip& clip, int sampleRate, int channels);

/// The stand-in for a sound that cannot be read: a short decaying 880 Hz ding.
SoundClip defaultDing(int sampleRate = 48000);

/// A sample in -1..1 as 16-bit PCM, clipped.
qint16 toPcm16(double sample);
