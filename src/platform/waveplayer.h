#pragma once

#include <QString>

/// Plays wave files the way the program's sounds need: synchronously, asynchronously or
/// looping, and stops them.
class WavePlayer
{
public:
    enum class Mode { Sync, Async, AsyncLoop };

    virtual ~WavePlayer() = default;
    /// Plays the file at path. Any sound already playing stops first. An empty path only stops
    /// and succeeds. A file that is missing or does not decode plays the default sound and
    /// counts as played. Returns false at once when nothing can be played (no output device,
    /// an audio error). Sync returns when the sound has ended, or after a time limit.
    virtual bool play(const QString& path, Mode mode) = 0;
    /// Stops any wave sound playing now.
    virtual void stop() = 0;
};
