#include "platform/audio/audioengine.h"

#include "platform/audio/pulseconnection.h"

#include <atomic>
#include <limits>
#include <pulse/stream.h>
#include <pulse/timeval.h>

namespace {

constexpr int PollIntervalMs = 10;
constexpr int BufferMs = 100;
constexpr int RefillMs = 20;
// A missing server refuses at once; these only bound a server that hangs.
constexpr int ConnectLimitMs = 750;
constexpr int StreamLimitMs = 750;

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

/// What the sound thread reads: the samples and where it is in them. The GUI thread touches it
/// only under the main loop's lock, apart from the atomic end flag.
struct AudioEngine::Feed
{
    QByteArray data;
    qsizetype position = 0;
    qsizetype frameBytes = 0;
    bool loop = false;
    bool allWritten = false;
    pa_stream* stream = nullptr;
    pa_operation* drain = nullptr;
    std::atomic<bool> ended{false};

    void write(size_t bytes);
    static void onWrite(pa_stream*, size_t bytes, void* feed) { static_cast<Feed*>(feed)->write(bytes); }
    static void onDrained(pa_stream*, int, void* feed) { static_cast<Feed*>(feed)->ended = true; }
    static void onState(pa_stream* stream, void* feed)
    {
        if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream)))
            static_cast<Feed*>(feed)->ended = true;
        PulseConnection::instance().notify();
    }
};

void AudioEngine::Feed::write(size_t bytes)
{
    qsizetype room = qsizetype(bytes) / frameBytes * frameBytes;
    while (room > 0 && !allWritten) {
        const qsizetype chunk = std::min(room, data.size() - position);
        if (pa_stream_write(stream, data.constData() + position, size_t(chunk), nullptr, 0, PA_SEEK_RELATIVE) < 0) {
            ended = true;
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
            ended = true;
    }
}

AudioEngine::AudioEngine(QObject* parent)
    : QObject(parent)
{
    m_pollTimer.setTimerType(Qt::PreciseTimer);
    m_pollTimer.setInterval(PollIntervalMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &AudioEngine::pollEnd);
}

AudioEngine::~AudioEngine()
{
    release();
}

bool AudioEngine::outputAvailable()
{
    return PulseConnection::instance().context(ConnectLimitMs) != nullptr;
}

bool AudioEngine::play(const SoundClip& clip, bool loop)
{
    stop();
    if (clip.channels <= 0 || clip.sampleRate <= 0)
        return false;
    if (!start(playable(clip) ? clip : convertClip(clip, 48000, 2), loop)) {
        release();
        return false;
    }
    if (m_feed)
        m_pollTimer.start();
    return true;
}

bool AudioEngine::start(const SoundClip& clip, bool loop)
{
    pa_context* context = PulseConnection::instance().context(ConnectLimitMs);
    if (!context)
        return false;
    if (clip.isEmpty())
        return true;

    m_feed = std::make_unique<Feed>();
    m_feed->data =
        QByteArray(reinterpret_cast<const char*>(clip.samples.data()), qsizetype(clip.samples.size() * sizeof(qint16)));
    m_feed->frameBytes = qsizetype(clip.channels) * qsizetype(sizeof(qint16));
    m_feed->loop = loop;
    const pa_sample_spec sampleFormat{PA_SAMPLE_S16NE, uint32_t(clip.sampleRate), uint8_t(clip.channels)};
    pa_stream* stream = nullptr;
    {
        const PulseConnection::Lock lock;
        pa_channel_map map;
        pa_channel_map_init_extend(&map, sampleFormat.channels, PA_CHANNEL_MAP_DEFAULT);
        stream = m_feed->stream = pa_stream_new(context, "Alarm", &sampleFormat, &map);
        if (!stream)
            return false;
        pa_stream_set_state_callback(stream, Feed::onState, m_feed.get());
        pa_stream_set_write_callback(stream, Feed::onWrite, m_feed.get());
        const pa_buffer_attr attr = bufferAttr(sampleFormat);
        if (pa_stream_connect_playback(stream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0)
            return false;
    }
    pa_stream_state_t state = PA_STREAM_UNCONNECTED;
    PulseConnection::instance().waitUntil(
        [&] {
            state = pa_stream_get_state(stream);
            return state == PA_STREAM_READY || !PA_STREAM_IS_GOOD(state);
        },
        StreamLimitMs);
    return state == PA_STREAM_READY;
}

void AudioEngine::stop()
{
    if (!m_feed)
        return;
    release();
    emit finished();
}

void AudioEngine::release()
{
    m_pollTimer.stop();
    if (!m_feed)
        return;
    {
        const PulseConnection::Lock lock;
        if (m_feed->drain) {
            pa_operation_cancel(m_feed->drain);
            pa_operation_unref(m_feed->drain);
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

void AudioEngine::pollEnd()
{
    if (m_feed && m_feed->ended)
        stop();
}
