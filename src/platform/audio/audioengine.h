#pragma once

#include "platform/audio/soundclip.h"

#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <memory>

/// Plays one clip at a time through the sound server's default output. The samples are moved by
/// the sound connection's own thread; the engine, its timer and its signal stay on the caller's
/// thread. Each play that finds no working connection connects afresh.
class AudioEngine : public QObject
{
    Q_OBJECT
public:
    explicit AudioEngine(QObject* parent = nullptr);
    ~AudioEngine() override;

    /// Whether a sound server answers now (connecting afresh if the last connection failed).
    static bool outputAvailable();

    /// Stops what is playing and starts clip, over and over when loop is set. Returns false
    /// at once when there is no output or the output refuses to start.
    bool play(const SoundClip& clip, bool loop);
    /// Silences the output at once.
    void stop();
    bool isPlaying() const { return m_feed != nullptr; }
    /// Runs a local event loop with flags until the current playing ends or limitMs pass.
    void waitForEnd(int limitMs, QEventLoop::ProcessEventsFlags flags);

signals:
    /// The playing ended: all of it was heard, it was stopped, or the output failed.
    void finished();

private:
    struct Feed;

    bool start(const SoundClip& clip, bool loop);
    void pollEnd();
    void release();

    std::unique_ptr<Feed> m_feed;
    QTimer m_pollTimer;
};
