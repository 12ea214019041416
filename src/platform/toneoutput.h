// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

/// One note of a speaker tune: a frequency in hertz (1 is a rest) and a duration.
struct Note
{
    unsigned frequency;
    int durationMs;
};

/// The PC speaker: square-wave tones at the speaker's real pitches.
class ToneOutput
{
public:
    virtual ~ToneOutput() = default;
    /// Plays the notes one after the other and returns when the last has ended. A rest
    /// (frequency 1), or a frequency outside 40..5000 Hz, is silence for its duration.
    /// While the tune sounds, pending events (timers, input) are processed. False when no
    /// output could sound it: the tune then lasts its length in silence.
    virtual bool play(std::span<const Note> notes) = 0;
    /// Whether a tune would be heard now: false when there is no output to sound it.
    virtual bool canSound() const = 0;
};
