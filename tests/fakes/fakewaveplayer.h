#pragma once

#include "platform/waveplayer.h"

#include <QList>
#include <functional>

/// Records every play and stop; answers with a scripted result.
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

    bool play(const QString& path, Mode mode) override
    {
        calls.append({path, mode, false});
        if (onPlay)
            onPlay(path, mode);
        return result;
    }
    void stop() override { calls.append({QString(), Mode::Async, true}); }

    QList<Call> calls;
    bool result = true;
    std::function<void(const QString&, Mode)> onPlay;
};
