// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/waveplayer.h"

#include <QList>
#include <functional>

/// Records every play and stop with what the caller wants to be told later; answers with a
/// scripted result.
class FakeWavePlayer final : public WavePlayer
{
public:
    struct Call
    {
        QString path; // empty for stop()
        Mode mode;
        bool stop;
        bool operator==(const Call&) const = default;
    };

    using WavePlayer::play;
    bool play(const QString& path, Mode mode, const PlayWatch& watch) override
    {
        calls.append({path, mode, false});
        watches.append(watch);
        if (onPlay)
            onPlay(path, mode);
        return result;
    }
    void stop() override { calls.append({QString(), Mode::Async, true}); }

    QList<Call> calls;
    QList<PlayWatch> watches; // one per call, stops excluded
    bool result = true;
    std::function<void(const QString&, Mode)> onPlay;
};
