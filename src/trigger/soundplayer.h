// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/waveplayer.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>

class SpeakerRepeat;

namespace SoundText {
inline const char* const noSong = QT_TRANSLATE_NOOP("SoundText", "There has not chosen song. Play no sound.");
//: After the file name of the song.
inline const char* const notFound = QT_TRANSLATE_NOOP("SoundText", " not found. Play no sound.");
inline const char* const busy = QT_TRANSLATE_NOOP("SoundText", "Fail to play sound. MCI is busy.");
} // namespace SoundText

/// The options that decide how a song is played.
struct SoundOptions
{
    bool soundOn = true;          // "Sound on"
    bool speakerMode = false;     // "Int Speaker" instead of "Wave"
    bool swapToSpeaker = false;   // "When MCI is busy, use internal speaker"
    bool showErrorMessage = true; // "Show error message if sound cannot be played"
};

/// Speaker tune of a speaker song: "Game" climbs, everything else whistles.
int speakerTuneFor(const QString& song);
/// How often a tune sounds for the play times; 0 for "Repeat", which the main timer keeps going.
int speakerCount(const QString& playTimes);
/// The wave calls for the play times, in order; only the first call's result counts.
QList<WavePlayer::Mode> waveCalls(const QString& playTimes);
/// The song's file in the program folder, whatever the case of its ".wav"; empty when none.
QString findSongFile(const QString& programDir, const QString& song);
/// The warning for an alarm that starts on a muted or nearly silent output; empty when it is heard.
QString silentOutputWarning(const SoundOutput& output);

/// Plays the program's chosen song through the wave player or the speaker, with the warnings
/// and fall-backs the options ask for.
class SoundPlayer
{
public:
    enum class Warning {
        Missing, // no song, or its file is missing: the taskbar button comes up with it
        Busy,    // the wave could not be played: a topmost warning
        Silent,  // the output is muted or nearly silent: a topmost warning
    };
    /// Plays a speaker tune to its end; false when it could not be heard.
    using TunePlayer = std::function<bool(int tune)>;
    /// Whether a speaker tune would be heard now.
    using SpeakerCheck = std::function<bool()>;
    using WarningShower = std::function<void(const QString& text, Warning kind)>;

    SoundPlayer(WavePlayer& wave, SpeakerRepeat& repeat, TunePlayer playTune, SpeakerCheck speakerAudible,
                WarningShower showWarning);

    void play(const QString& playTimes, const QString& song, const QString& programDir, const SoundOptions& options);
    /// The test button: plays the song once, whatever "Sound on" says; nothing when it is not there.
    void testSong(const QString& song, const QString& programDir, bool speakerMode);
    /// Stops the wave and the speaker repeat; a tune that sounds now runs to its end.
    void stop();
    /// What became of the speaker repeat's tune: the first one of a repeat that is not heard
    /// shows the busy warning, if the options of its play ask for it.
    void repeatTunePlayed(bool heard);

private:
    static constexpr int fallbackTune = 0;

    /// The swap to the speaker for a wave that could not be played; false when it sounds nothing.
    bool playFallbackTune(const QString& playTimes, const SoundOptions& options);
    /// A wave that could not be played: the speaker's swap, the busy warning or nothing.
    void waveUnplayed(const QString& playTimes, const SoundOptions& options);
    void startRepeat(int tune, const SoundOptions& options);
    /// The first wave call of an alarm is watched: for a later refusal, and for its output.
    PlayWatch firstCallWatch(const QString& playTimes, const SoundOptions& options, WavePlayer::Mode mode);

    WavePlayer& m_wave;
    SpeakerRepeat& m_repeat;
    TunePlayer m_playTune;
    SpeakerCheck m_speakerAudible;
    WarningShower m_showWarning;
    SoundOptions m_repeatOptions;
    bool m_repeatUnheardTold = false;
    // Watches outlive nothing: the player's end makes them void.
    std::shared_ptr<int> m_life = std::make_shared<int>();
};
