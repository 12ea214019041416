#pragma once

#include "platform/toneoutput.h"

#include <QList>
#include <functional>
#include <vector>

/// Records every tune as its list of notes.
class FakeToneOutput final : public ToneOutput
{
public:
    void play(std::span<const Note> notes) override
    {
        tunes.append(std::vector<Note>(notes.begin(), notes.end()));
        if (onPlay)
            onPlay();
    }

    QList<std::vector<Note>> tunes;
    /// Runs while the tune "sounds", e.g. to let timers tick as a real tune would.
    std::function<void()> onPlay;
};
