// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/toneoutput.h"

#include <QList>
#include <functional>
#include <vector>

/// Records every tune as its list of notes; sounds them while `audible` is set.
class FakeToneOutput final : public ToneOutput
{
public:
    bool play(std::span<const Note> notes) override
    {
        tunes.append(std::vector<Note>(notes.begin(), notes.end()));
        if (onPlay)
            onPlay();
        return audible;
    }
    bool canSound() const override { return audible; }

    QList<std::vector<Note>> tunes;
    bool audible = true;
    /// Runs while the tune "sounds", e.g. to let timers tick as a real tune would.
    std::function<void()> onPlay;
};
