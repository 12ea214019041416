// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/audioengine.h"

#include "platform/audio/pulseconnection.h"

#include "platform/audio/streamproperties.h"

#include <QThread>
#include <atomic>
#include <limits>
#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>
#include <pulse/timeval.h>
#include <utility>

namespace {

constexpr int PollIntervalMs = 10;
constexpr int BufferMs = 100;
constexpr int RefillMs = 20;
// How often a loop that lost its server asks for one again.
constexpr int RetryMs = 250;

pa_buffer_attr bufferAttr(const pa_sample_spec& sampleFormat)
{
    pa_buffer_attr attr;
    attr.maxlength = std::numeric_limits<uint32_t>::max();
    attr.tlength = uint32_t(pa_usec_to_bytes(BufferMs * PA_USEC_PER_MSEC, &sampleFormat));
    attr.prebuf = std::numeric_limits<uint32_t>::max();
    attr.minreq = uint32_t(pa_usec_to_bytes(RefillMs * PA_USEC_PER_MSEC, &sampleFormat));
    attr.fragsize = std::numeric_limits<uint32_t>::max();
    return attr;
}

bool playable(const SoundClip& clip)
{
    return clip.channels >= 1 && clip.channels <= int(PA_CHANNELS_MAX) && clip.sampleRate >= 1 &&
           clip.sampleRate <= int(PA_RATE_MAX);
}

} // namespace

/// What the sound thread reads and reports: the samples, where it is in them, and the states of
/// the stream. The GUI thread touches it only under the main loop's lock, apart from the atomic
/// flags and what they guard.
struct AudioEngine::Feed
{
    QByteArray data;
    qsizetype position = 0;
    qsizetype frameBytes = 0;
    bool loop = false;
    bool allWritten = false;
    bool wantsOutput = false;
    pa_stream* stream = nullptr;
    pa_operation* drain = nullptr;
    pa_operation* outputQuery = nullptr;
    std::atomic<bool> ready{false};
    std::atomic<bool> ended{false};
    std::atomic<bool> broken{false};
    SoundOutput output; // written before outputKnown is raised
    std::atomic<bool> outputKnown{false};

    void write(size_t bytes);
    static void onWrite(pa_stream*, size_t bytes, void* feed) { static_cast<Feed*>(feed)->write(bytes); }
    static void onDrained(pa_stream*, int, void* feed) { static_cast<Feed*>(feed)->ended = true; }
    static void onState(pa_stream* stream, void* data);
    static void onOutput(pa_context*, const pa_sink_info* info, int, void* data);
};

void AudioEngine::Feed::onState(pa_stream* stream, void* data)
{
    auto* feed = static_cast<Feed*>(data);
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_READY) {
        feed->ready = true;
        if (feed->wantsOutput && !feed->outputQuery)
            feed->outputQuery = pa_context_get_sink_info_by_index(pa_stream_get_context(stream),
                                                                  pa_stream_get_device_index(stream), onOutput, feed);
    } else if (!PA_STREAM_IS_GOOD(state)) {
        feed->broken = true;
    }
}

void AudioEngine::Feed::onOutput(pa_context*, const pa_sink_info* info, int, void* data)
{
    auto* feed = static_cast<Feed*>(data);
    if (!info || feed->outputKnown)
        return;
    feed->output.name = QString::fromUtf8(info->description ? info->description : info->name);
    feed->output.muted = info->mute != 0;
    feed->output.volumePercent = int(qRound64(double(pa_cvolume_max(&info->volume)) * 100.0 / PA_VOLUME_NORM));
    feed->outputKnown = true;
}

void AudioEngine::Feed::write(size_t bytes)
{
    qsizetype room = qsizetype(bytes) / frameBytes * frameBytes;
    while (room > 0 && !allWritten) {
        const qsizetype chunk = std::min(room, data.size() - position);
        if (pa_stream_write(stream, data.constData() + position, size_t(chunk), nullptr, 0, PA_SEEK_RELATIVE) < 0) {
            broken = true;
            return;
        }
        position += chunk;
        room -= chunk;
        if (position < data.size())
            continue;
        if (loop) {
            position = 0;
            continue;
        }
        // The end is known when the server has played the last sample, not when it was sent.
        allWritten = true;
        drain = pa_stream_drain(stream, onDrained, this);
        if (!drain)
            broken = true;
    }
}

AudioEngine::AudioEngine(QObject* parent)
    : QObject(parent)
{
    m_pollTimer.setTimerType(Qt::PreciseTimer);
    m_pollTimer.setInterval(PollIntervalMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &AudioEngine::poll);
}

AudioEngine::~AudioEngine()
{
    release();
}

bool AudioEngine::outputAvailable(int limitMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    for (;;) {
        const PulseConnection::Answer answer = PulseConnection::instance().request();
        if (answer == PulseConnection::Answer::Ready)
            return true;
        if (answer == PulseConnection::Answer::Refused || elapsed.elapsed() >= limitMs)
            return false;
        QThread::msleep(PollIntervalMs);
    }
}

bool AudioEngine::outputMayAnswer()
{
    const PulseConnection::Answer answer = PulseConnection::instance().request();
    return answer == PulseConnection::Answer::Ready || answer == PulseConnection::Answer::Waiting;
}

bool AudioEngine::play(const SoundClip& clip, bool loop, const QString& mediaName, const PlayWatch& watch)
{
    stop();
    m_failed = true;
    if (clip.channels <= 0 || clip.sampleRate <= 0)
        return false;
    const PulseConnection::Answer answer = PulseConnection::instance().request();
    if (answer == PulseConnection::Answer::Refused || answer == PulseConnection::Answer::Unanswered)
        return false;
    m_failed = false;
    if (clip.isEmpty())
        return true;
    const SoundClip converted = playable(clip) ? SoundClip() : convertClip(clip, 48000, 2);
    const SoundClip& source = playable(clip) ? clip : converted;
    m_data = QByteArray(reinterpret_cast<const char*>(source.samples.data()),
                        qsizetype(source.samples.size() * sizeof(qint16)));
    m_sampleRate = source.sampleRate;
    m_channels = source.channels;
    m_loop = loop;
    m_mediaName = mediaName.isEmpty() ? QStringLiteral("Alarm") : mediaName;
    m_watch = watch;
    m_retry.invalidate();
    m_active = true;
    m_pollTimer.start();
    // Started now when the connection is ready; otherwise the timer starts it once it is.
    if (answer == PulseConnection::Answer::Ready && !openStream()) {
        release();
        m_failed = true;
        return false;
    }
    return true;
}

bool AudioEngine::openStream()
{
    auto feed = std::make_unique<Feed>();
    feed->data = m_data;
    feed->frameBytes = qsizetype(m_channels) * qsizetype(sizeof(qint16));
    feed->loop = m_loop;
    feed->wantsOutput = bool(m_watch.started);
    const pa_sample_spec sampleFormat{PA_SAMPLE_S16NE, uint32_t(m_sampleRate), uint8_t(m_channels)};
    const PulseConnection::Lock lock;
    pa_context* context = PulseConnection::instance().context();
    if (!context || pa_context_get_state(context) != PA_CONTEXT_READY)
        return false;
    pa_channel_map map;
    pa_channel_map_init_extend(&map, sampleFormat.channels, PA_CHANNEL_MAP_DEFAULT);
    pa_proplist* properties = streamProperties(m_mediaName);
    feed->stream =
        pa_stream_new_with_proplist(context, m_mediaName.toUtf8().constData(), &sampleFormat, &map, properties);
    pa_proplist_free(properties);
    if (!feed->stream)
        return false;
    pa_stream_set_state_callback(feed->stream, Feed::onState, feed.get());
    pa_stream_set_write_callback(feed->stream, Feed::onWrite, feed.get());
    const pa_buffer_attr attr = bufferAttr(sampleFormat);
    if (pa_stream_connect_playback(feed->stream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
        pa_stream_set_state_callback(feed->stream, nullptr, nullptr);
        pa_stream_set_write_callback(feed->stream, nullptr, nullptr);
        pa_stream_unref(feed->stream);
        return false;
    }
    m_feed = std::move(feed);
    m_streamAge.start();
    return true;
}

void AudioEngine::poll()
{
    if (!m_active)
        return;
    if (!m_feed) {
        if (m_retry.isValid() && m_retry.elapsed() < RetryMs)
            return;
        switch (PulseConnection::instance().request()) {
        case PulseConnection::Answer::Ready:
            if (!openStream())
                startFailed();
            return;
        case PulseConnection::Answer::Waiting:
            return;
        case PulseConnection::Answer::Unanswered:
        case PulseConnection::Answer::Refused:
            startFailed();
            return;
        }
    }
    if (!m_feed->ready) {
        if (m_feed->broken) {
            startFailed();
        } else if (m_streamAge.elapsed() >= PulseConnection::AnswerLimitMs) {
            PulseConnection::instance().giveUp();
            startFailed();
        }
        return;
    }
    if (m_feed->outputKnown && m_watch.started) {
        const SoundOutput output = m_feed->output;
        std::exchange(m_watch.started, {})(output);
        if (!m_active || !m_feed)
            return;
    }
    if (m_feed->broken && m_loop) {
        // The server went away under the loop: it comes back on the next server that answers.
        closeStream();
        return;
    }
    if (m_feed->broken || m_feed->ended)
        stop();
}

void AudioEngine::startFailed()
{
    closeStream();
    std::function<void()> refused = std::exchange(m_watch.refused, {});
    if (m_loop) {
        m_retry.start();
    } else {
        m_failed = true;
        release();
        emit finished();
    }
    if (refused)
        refused();
}

void AudioEngine::stop()
{
    if (!m_active)
        return;
    release();
    emit finished();
}

void AudioEngine::closeStream()
{
    if (!m_feed)
        return;
    {
        const PulseConnection::Lock lock;
        for (pa_operation* operation : {m_feed->drain, m_feed->outputQuery}) {
            if (operation) {
                pa_operation_cancel(operation);
                pa_operation_unref(operation);
            }
        }
        if (pa_stream* stream = m_feed->stream) {
            pa_stream_set_state_callback(stream, nullptr, nullptr);
            pa_stream_set_write_callback(stream, nullptr, nullptr);
            // Disconnecting drops what the server still holds, so the sound ends now.
            pa_stream_disconnect(stream);
            pa_stream_unref(stream);
        }
    }
    m_feed.reset();
}

void AudioEngine::release()
{
    m_pollTimer.stop();
    closeStream();
    m_active = false;
    m_watch = {};
}

void AudioEngine::waitForEnd(int limitMs, QEventLoop::ProcessEventsFlags flags)
{
    if (!isPlaying())
        return;
    QEventLoop loop;
    connect(this, &AudioEngine::finished, &loop, &QEventLoop::quit);
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(limitMs);
    loop.exec(flags);
}
