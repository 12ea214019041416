// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/soundplayer.h"

#include "core/vocabulary.h"
#include "trigger/speakerrepeat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
const QString waveExtension = QStringLiteral(".wav");
// Below this the loudest channel of an output is too quiet to wake anyone.
constexpr int AudibleVolumePercent = 10;

QString translated(const char* text)
{
    return QCoreApplication::translate("SoundText", text);
}
} // namespace

QString silentOutputWarning(const SoundOutput& output)
{
    if (output.muted)
        return QCoreApplication::translate("SoundPlayer",
                                           "The sound output \"%1\" is muted: this alarm cannot be heard.")
            .arg(output.name);
    if (output.volumePercent < AudibleVolumePercent)
        return QCoreApplication::translate("SoundPlayer",
                                           "The sound output \"%1\" is at %2 % volume: this alarm can hardly be heard.")
            .arg(output.name)
            .arg(output.volumePercent);
    return {};
}

int speakerTuneFor(const QString& song)
{
    return song == QLatin1String("Game") ? 12 : 10;
}

int speakerCount(const QString& playTimes)
{
    switch (playTimesNamed(playTimes).value_or(PlayTimes::Once)) {
    case PlayTimes::Once:
        break;
    case PlayTimes::Twice:
        return 2;
    case PlayTimes::Thrice:
        return 3;
    case PlayTimes::Repeat:
        return 0;
    }
    return 1;
}

QList<WavePlayer::Mode> waveCalls(const QString& playTimes)
{
    using Mode = WavePlayer::Mode;
    if (playTimes == nameOf(PlayTimes::Repeat))
        return {Mode::AsyncLoop};
    QList<Mode> calls(speakerCount(playTimes) - 1, Mode::Sync);
    calls.append(Mode::Async);
    return calls;
}

QString findSongFile(const QString& programDir, const QString& song)
{
    const QString exact = programDir + song + waveExtension;
    if (QFileInfo(exact).isFile())
        return exact;
    const QFileInfo wanted(exact);
    const QString fileName = wanted.fileName();
    const QString stem = fileName.chopped(waveExtension.size());
    const QDir folder = wanted.absoluteDir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (name.size() == fileName.size() && name.startsWith(stem) &&
            name.endsWith(waveExtension, Qt::CaseInsensitive))
            return folder.filePath(name);
    }
    return {};
}

SoundPlayer::SoundPlayer(WavePlayer& wave, SpeakerRepeat& repeat, TunePlayer playTune, SpeakerCheck speakerAudible,
                         WarningShower showWarning)
    : m_wave(wave)
    , m_repeat(repeat)
    , m_playTune(std::move(playTune))
    , m_speakerAudible(std::move(speakerAudible))
    , m_showWarning(std::move(showWarning))
{}

void SoundPlayer::play(const QString& playTimes, const QString& song, const QString& programDir,
                       const SoundOptions& options)
{
    if (!options.soundOn)
        return;
    QString warning;
    QString wavePath;
    if (options.speakerMode) {
        if (!song.isEmpty()) {
            m_repeat.setTune(speakerTuneFor(song));
            const int count = speakerCount(playTimes);
            if (count == 0) {
                startRepeat(m_repeat.tune(), options);
                return;
            }
            for (int i = 0; i < count; ++i)
                m_playTune(m_repeat.tune());
            return;
        }
        // Nothing to play: the empty path below only stops a wave that may be sounding.
        warning = translated(SoundText::noSong);
    } else {
        wavePath = findSongFile(programDir, song);
        if (wavePath.isEmpty()) {
            warning =
                song.isEmpty() ? translated(SoundText::noSong) : song + waveExtension + translated(SoundText::notFound);
            // Played all the same: the player sounds its default for a missing file.
            wavePath = programDir + song + waveExtension;
        }
    }
    if (!warning.isEmpty())
        m_showWarning(warning, Warning::Missing);

    bool played = true;
    bool first = true;
    for (const WavePlayer::Mode mode : waveCalls(playTimes)) {
        const bool result = m_wave.play(wavePath, mode, first ? firstCallWatch(playTimes, options, mode) : PlayWatch());
        if (first)
            played = result;
        first = false;
    }
    if (!played)
        waveUnplayed(playTimes, options);
}

PlayWatch SoundPlayer::firstCallWatch(const QString& playTimes, const SoundOptions& options, WavePlayer::Mode mode)
{
    PlayWatch watch;
    const std::weak_ptr<int> life = m_life;
    watch.started = [this, life](const SoundOutput& output) {
        if (const QString warning = silentOutputWarning(output); !life.expired() && !warning.isEmpty())
            m_showWarning(warning, Warning::Silent);
    };
    // A synchronous call answers by its result; only an asynchronous first call can fail later.
    if (mode != WavePlayer::Mode::Sync) {
        watch.refused = [this, life, playTimes, options] {
            if (!life.expired())
                waveUnplayed(playTimes, options);
        };
    }
    return watch;
}

void SoundPlayer::waveUnplayed(const QString& playTimes, const SoundOptions& options)
{
    if (options.swapToSpeaker && playFallbackTune(playTimes, options))
        return;
    if (options.showErrorMessage)
        m_showWarning(translated(SoundText::busy), Warning::Busy);
}

void SoundPlayer::startRepeat(int tune, const SoundOptions& options)
{
    m_repeat.start(tune);
    m_repeatOptions = options;
    m_repeatUnheardTold = false;
}

void SoundPlayer::repeatTunePlayed(bool heard)
{
    if (heard || m_repeatUnheardTold || !m_repeat.isActive())
        return;
    m_repeatUnheardTold = true;
    if (m_repeatOptions.showErrorMessage)
        m_showWarning(translated(SoundText::busy), Warning::Busy);
}

bool SoundPlayer::playFallbackTune(const QString& playTimes, const SoundOptions& options)
{
    // The speaker's tones may need the very output that failed the wave: then the swap is no
    // help, and the failure is reported as if there were none.
    if (!m_speakerAudible())
        return false;
    if (playTimes != nameOf(PlayTimes::Repeat))
        return m_playTune(fallbackTune);
    startRepeat(fallbackTune, options);
    return true;
}

void SoundPlayer::testSong(const QString& song, const QString& programDir, bool speakerMode)
{
    if (speakerMode) {
        if (song == QLatin1String("Hurry") || song == QLatin1String("Game"))
            m_playTune(speakerTuneFor(song));
        return;
    }
    const QString path = findSongFile(programDir, song);
    if (!path.isEmpty())
        m_wave.play(path, WavePlayer::Mode::Async);
}

void SoundPlayer::stop()
{
    m_wave.stop();
    m_repeat.stop();
}
