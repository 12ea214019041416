// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/sndfilewaveplayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sndfile.h>

namespace {

// A synchronous play waits this long beyond the clip's length before giving up on the output.
constexpr int SyncMarginMs = 2000;

struct SndfileCloser
{
    void operator()(SNDFILE* file) const { sf_close(file); }
};

} // namespace

SndfileWavePlayer::SndfileWavePlayer(QObject* parent)
    : QObject(parent)
{}

std::optional<SoundClip> SndfileWavePlayer::decode(const QString& path, QString* error)
{
    SF_INFO info{};
    const QByteArray name = QFile::encodeName(path);
    std::unique_ptr<SNDFILE, SndfileCloser> file(sf_open(name.constData(), SFM_READ, &info));
    if (!file) {
        if (error)
            *error = QString::fromLocal8Bit(sf_strerror(nullptr));
        return std::nullopt;
    }
    if (info.channels <= 0 || info.samplerate <= 0) {
        if (error)
            *error = QStringLiteral("no channels or no sample rate");
        return std::nullopt;
    }
    // Floats come back in -1..1 whatever the file holds; integer files are scaled to it.
    sf_command(file.get(), SFC_SET_NORM_FLOAT, nullptr, SF_TRUE);
    SoundClip clip{info.samplerate, info.channels, {}};
    std::vector<float> block(size_t(4096 * info.channels));
    for (;;) {
        const sf_count_t frames = sf_readf_float(file.get(), block.data(), 4096);
        if (frames <= 0)
            break;
        const size_t count = size_t(frames) * size_t(info.channels);
        clip.samples.reserve(clip.samples.size() + count);
        for (size_t i = 0; i < count; ++i)
            clip.samples.push_back(toPcm16(block[i]));
    }
    if (sf_error(file.get()) != SF_ERR_NO_ERROR) {
        if (error)
            *error = QString::fromLocal8Bit(sf_strerror(file.get()));
        return std::nullopt;
    }
    return clip;
}

bool SndfileWavePlayer::play(const QString& path, Mode mode, const PlayWatch& watch)
{
    m_engine.stop();
    if (path.isEmpty())
        return true;
    // A server that has not answered the last request cuts a synchronous round short at once.
    if (!AudioEngine::outputMayAnswer())
        return false;

    // Like the system call it stands for, a sound that cannot be read is replaced by the
    // default sound and still counts as played.
    std::optional<SoundClip> clip = decode(path);
    if (!clip)
        clip = defaultDing();
    PlayWatch engineWatch = watch;
    // A synchronous play tells its refusal by its result.
    if (mode == Mode::Sync)
        engineWatch.refused = nullptr;
    if (!m_engine.play(*clip, mode == Mode::AsyncLoop, QFileInfo(path).completeBaseName(), engineWatch))
        return false;
    if (mode != Mode::Sync)
        return true;
    m_engine.waitForEnd(int(std::min<qint64>(clip->durationMs() + SyncMarginMs, INT_MAX)),
                        QEventLoop::ExcludeUserInputEvents);
    return !m_engine.failed();
}

void SndfileWavePlayer::stop()
{
    m_engine.stop();
}

QString resolveWavePath(const QString& dir, const QString& song)
{
    const QString exact = dir + song + QStringLiteral(".wav");
    if (song.isEmpty() || QFileInfo::exists(exact))
        return exact;
    const QString folder = dir.isEmpty() ? QStringLiteral(".") : dir;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : names) {
        if (name.size() == song.size() + 4 && name.startsWith(song) &&
            name.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive))
            return dir + name;
    }
    return exact;
}
