#pragma once

#include "platform/audio/soundclip.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <memory>

class QAudioSink;
class QIODevice;

/// Plays one clip at a time through the default audio output, pushing samples from a short
/// timer. Everything happens on the caller's thread.
class AudioEngine : public QObject
{
    Q_OBJECT
public:
    explicit AudioEngine(QObject* parent = nullptr);
    ~AudioEngine() override;

    /// Whether the system offers an audio output at all.
    static bool outputAvailable();

    /// Stops what is playing and starts clip, over and over when loop is set. Returns false
    /// at once when there is no output or the output refuses to start.
    bool play(const SoundClip& clip, bool loop);
    /// Silences the output at once.
    void stop();
    bool isPlaying() const { return m_sink != nullptr; }
    /// Runs a local event loop with flags until the current playing ends or limitMs pass.
    void waitForEnd(int limitMs, QEventLoop::ProcessEventsFlags flags);

signals:
    /// The playing ended: all of it was heard, it was stopped, or the output failed.
    void finished();

private:
    void pump();
    void release();

    std::unique_ptr<QAudioSink> m_sink;
    QIODevice* m_output = nullptr;
    QTimer m_pumpTimer;
    QByteArray m_data;
    QByteArray m_silence;
    qsizetype m_position = 0;
    qint64 m_durationUs = 0;
    bool m_loop = false;
    bool m_allWritten = false;
    QElapsedTimer m_sinceAllWritten;
};
