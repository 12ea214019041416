#include "platform/audio/audioengine.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace {

constexpr int PumpIntervalMs = 10;
constexpr int BufferMs = 150;
constexpr int RetireDelayMs = 3000;

QAudioFormat pcm16Format(int sampleRate, int channels)
{
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

AudioEngine::AudioEngine(QObject* parent)
    : QObject(parent)
{
    m_pumpTimer.setTimerType(Qt::PreciseTimer);
    m_pumpTimer.setInterval(PumpIntervalMs);
    connect(&m_pumpTimer, &QTimer::timeout, this, &AudioEngine::pump);
}

AudioEngine::~AudioEngine()
{
    release();
}

bool AudioEngine::outputAvailable()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

bool AudioEngine::play(const SoundClip& clip, bool loop)
{
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || clip.channels <= 0 || clip.sampleRate <= 0)
        return false;

    SoundClip converted;
    const SoundClip* source = &clip;
    QAudioFormat format = pcm16Format(clip.sampleRate, clip.channels);
    if (!device.isFormatSupported(format)) {
        const QAudioFormat preferred = device.preferredFormat();
        converted = convertClip(clip, preferred.sampleRate(), preferred.channelCount());
        source = &converted;
        format = pcm16Format(converted.sampleRate, converted.channels);
        if (!device.isFormatSupported(format))
            return false;
    }
    if (source->isEmpty())
        return true;

    m_data = QByteArray(reinterpret_cast<const char*>(source->samples.data()),
                        qsizetype(source->samples.size() * sizeof(qint16)));
    m_durationUs = source->frames() * 1000000 / source->sampleRate;
    m_position = 0;
    m_loop = loop;
    m_allWritten = false;

    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->setBufferSize(format.bytesForDuration(BufferMs * 1000));
    m_silence = QByteArray(format.bytesForDuration(PumpIntervalMs * 2 * 1000), '\0');
    m_output = m_sink->start();
    if (!m_output || m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState) {
        release();
        return false;
    }
    pump();
    if (!m_sink)
        return false;
    m_pumpTimer.start();
    return true;
}

void AudioEngine::stop()
{
    if (!m_sink)
        return;
    release();
    emit finished();
}

void AudioEngine::release()
{
    m_pumpTimer.stop();
    if (m_sink) {
        // reset() drops what is queued so that the sound ends now, not after the buffer.
        m_sink->reset();
        m_sink->stop();
        // Qt's PulseAudio sink can still be called back from the sound server's thread for a
        // moment after it stopped; deleting it at once crashes now and then.
        QAudioSink* retired = m_sink.release();
        QTimer::singleShot(RetireDelayMs, retired, &QObject::deleteLater);
    }
    m_output = nullptr;
    m_data.clear();
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

void AudioEngine::pump()
{
    if (!m_sink)
        return;
    const QAudio::Error error = m_sink->error();
    if (m_sink->state() == QAudio::StoppedState || (error != QAudio::NoError && error != QAudio::UnderrunError)) {
        stop();
        return;
    }
    // After the clip, silence keeps the output from running dry: an underrun is reported from
    // the sound server's thread, and the end is known from the played time anyway.
    for (qsizetype room = m_sink->bytesFree(); room > 0;) {
        const char* from = m_allWritten ? m_silence.constData() : m_data.constData() + m_position;
        const qsizetype available = m_allWritten ? m_silence.size() : m_data.size() - m_position;
        const qint64 written = m_output->write(from, std::min(room, available));
        if (written <= 0)
            break;
        room -= written;
        if (m_allWritten)
            continue;
        m_position += written;
        if (m_position >= m_data.size()) {
            if (m_loop) {
                m_position = 0;
            } else {
                m_allWritten = true;
                m_sinceAllWritten.start();
            }
        }
    }
    if (!m_allWritten)
        return;
    // The elapsed-time bound covers outputs that do not report the played time.
    if (m_sink->processedUSecs() >= m_durationUs || m_sinceAllWritten.elapsed() > BufferMs * 4 + 1000)
        stop();
}
