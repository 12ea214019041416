// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/audio/soundclip.h"
#include "platform/toneoutput.h"

/// The pitch the PC speaker really sounds for frequency: its timer divides 1193181 Hz by a
/// whole number.
double speakerPitch(unsigned frequency);

/// Whether the speaker sounds frequency at all (rests and pitches outside 40..5000 Hz are silent).
bool speakerSounds(unsigned frequency);

/// The whole tune as one mono clip of square waves, silence where the speaker is silent.
SoundClip renderTune(std::span<const Note> notes, int sampleRate = 48000);

/// Speaker tunes played through the audio engine. Without an audio output the tune lasts
/// its length in silence, so callers keep their timing.
class SpeakerToneOutput final : public ToneOutput
{
public:
    bool play(std::span<const Note> notes) override;
    bool canSound() const override;
};
