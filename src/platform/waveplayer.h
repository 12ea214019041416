// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

/// The output a sound plays on, as its sound server reports it.
struct SoundOutput
{
    QString name; // what the desktop's sound settings call it
    bool muted = false;
    int volumePercent = 100; // the loudest channel
};

/// What the caller of a play wants to learn later, on its own thread. Each is called at most
/// once per play, and never after the play has been stopped or replaced.
struct PlayWatch
{
    /// A play that returned true could not be started after all, or a loop lost its output and
    /// finds none: nothing can be heard. A loop goes on trying until it is stopped.
    std::function<void()> refused;
    /// The sound has started on this output.
    std::function<void(const SoundOutput&)> started;
};

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
    /// an audio error, a server known not to answer). Async and AsyncLoop never wait for the
    /// sound server: a refusal that comes later is told to watch.refused. Sync returns when the
    /// sound has ended, or after a time limit.
    virtual bool play(const QString& path, Mode mode, const PlayWatch& watch) = 0;
    bool play(const QString& path, Mode mode) { return play(path, mode, PlayWatch()); }
    /// Stops any wave sound playing now.
    virtual void stop() = 0;
};
