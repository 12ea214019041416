// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/soundclip.h"

#include <algorithm>
#include <cmath>
#include <numbers>

qint16 toPcm16(double sample)
{
    return qint16(std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0));
}

static std::vector<qint16> remapChannels(const SoundClip& clip, int channels)
{
    const qint64 frames = clip.frames();
    if (channels == clip.channels)
        return clip.samples;
    std::vector<qint16> out(size_t(frames * channels));
    for (qint64 f = 0; f < frames; ++f) {
        const qint16* in = &clip.samples[size_t(f * clip.channels)];
        qint16* dst = &out[size_t(f * channels)];
        if (channels == 1) {
            int sum = 0;
            for (int c = 0; c < clip.channels; ++c)
                sum += in[c];
            dst[0] = qint16(sum / clip.channels);
        } else {
            for (int c = 0; c < channels; ++c)
                dst[c] = in[clip.channels == 1 ? 0 : std::min(c, clip.channels - 1)];
        }
    }
    return out;
}

SoundClip convertClip(const SoundClip& clip, int sampleRate, int channels)
{
    SoundClip out{sampleRate, channels, {}};
    if (clip.channels <= 0 || clip.sampleRate <= 0 || sampleRate <= 0 || channels <= 0)
        return out;
    SoundClip mapped{clip.sampleRate, channels, remapChannels(clip, channels)};
    if (sampleRate == clip.sampleRate) {
        out.samples = std::move(mapped.samples);
        return out;
    }
    const qint64 inFrames = mapped.frames();
    const qint64 outFrames = inFrames * sampleRate / clip.sampleRate;
    out.samples.resize(size_t(outFrames * channels));
    const double step = double(clip.sampleRate) / sampleRate;
    for (qint64 f = 0; f < outFrames; ++f) {
        const double pos = double(f) * step;
        const qint64 i = qint64(pos);
        const double frac = pos - double(i);
        const qint64 j = std::min(i + 1, inFrames - 1);
        for (int c = 0; c < channels; ++c) {
            const double a = mapped.samples[size_t(i * channels + c)];
            const double b = mapped.samples[size_t(j * channels + c)];
            out.samples[size_t(f * channels + c)] = qint16(std::lround(a + (b - a) * frac));
        }
    }
    return out;
}

SoundClip defaultDing(int sampleRate)
{
    SoundClip clip{sampleRate, 1, {}};
    const int frames = sampleRate * 3 / 10;
    clip.samples.resize(size_t(frames));
    for (int i = 0; i < frames; ++i) {
        const double t = double(i) / sampleRate;
        const double attack = std::min(1.0, t / 0.005);
        clip.samples[size_t(i)] =
            toPcm16(0.5 * attack * std::exp(-t * 12.0) * std::sin(2 * std::numbers::pi * 880.0 * t));
    }
    return clip;
}
