// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/audio/audioengine.h"
#include "platform/waveplayer.h"

#include <QObject>
#include <optional>

/// Plays wave files decoded by libsndfile through the audio engine.
class SndfileWavePlayer final : public QObject, public WavePlayer
{
    Q_OBJECT
public:
    explicit SndfileWavePlayer(QObject* parent = nullptr);

    using WavePlayer::play;
    bool play(const QString& path, Mode mode, const PlayWatch& watch) override;
    void stop() override;

    /// Reads a sound file of any PCM or float flavour; on failure nullopt and the reason.
    static std::optional<SoundClip> decode(const QString& path, QString* error = nullptr);

private:
    AudioEngine m_engine;
};

/// The wave file of a song in dir: dir + song + ".wav", or a file whose name differs from it
/// only in the case of the extension ("Bell.WAV"). When neither exists, dir + song + ".wav".
QString resolveWavePath(const QString& dir, const QString& song);
