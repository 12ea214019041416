// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/audio/soundclip.h"
#include "platform/waveplayer.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <memory>

/// Plays one clip at a time through the sound server's default output. The samples are moved by
/// the sound connection's own thread; the engine, its timer and its signal stay on the caller's
/// thread, which never waits for the server: connecting and starting the stream go on in the
/// background, and their outcome is read by a timer. Each play that finds no working connection
/// connects afresh; a loop whose server goes away reconnects as soon as one answers again.
class AudioEngine : public QObject
{
    Q_OBJECT
public:
    explicit AudioEngine(QObject* parent = nullptr);
    ~AudioEngine() override;

    /// Whether a sound server answers within limitMs (connecting afresh if the last connection
    /// failed). Blocks: for tests and start-up checks, not for the program's sounds.
    static bool outputAvailable(int limitMs = 2000);
    /// Whether a play now could be heard, without waiting: false when there is no server, or it
    /// has not answered in time.
    static bool outputMayAnswer();

    /// Stops what is playing and starts clip, over and over when loop is set. Returns false at
    /// once when there is no output or it is known not to answer; a later failure to start goes
    /// to watch.refused. mediaName names the stream in the desktop's sound settings.
    bool play(const SoundClip& clip, bool loop, const QString& mediaName = {}, const PlayWatch& watch = {});
    /// Silences the output at once.
    void stop();
    /// Playing, or still starting.
    bool isPlaying() const { return m_active; }
    /// The last play could not be started (at once or later).
    bool failed() const { return m_failed; }
    /// Runs a local event loop with flags until the current playing ends or limitMs pass.
    void waitForEnd(int limitMs, QEventLoop::ProcessEventsFlags flags);

signals:
    /// The playing ended: all of it was heard, it was stopped, or it could not start.
    void finished();

private:
    struct Feed;

    void poll();
    bool openStream();
    void startFailed();
    void closeStream();
    void release();

    QByteArray m_data;
    int m_sampleRate = 0;
    int m_channels = 0;
    bool m_loop = false;
    bool m_active = false;
    bool m_failed = false;
    bool m_refusalTold = false;
    QString m_mediaName;
    PlayWatch m_watch;
    std::unique_ptr<Feed> m_feed;
    QElapsedTimer m_streamAge;
    QElapsedTimer m_retry;
    QTimer m_pollTimer;
};
