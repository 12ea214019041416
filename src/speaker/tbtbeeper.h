// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/toneoutput.h"

#include <QObject>
#include <span>

/// Plays the built-in speaker tunes note by note.
class TBTBeeper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TBeatDuration BeatDuration READ BeatDuration WRITE setBeatDuration)
    Q_PROPERTY(TPresetSound DefaultSound READ DefaultSound WRITE setDefaultSound)

public:
    enum TPresetSound {
        psOK,
        psError,
        psWelcome,
        psEmergency,
        psWrong,
        psCall,
        psOfficial,
        psDaze,
        psFall,
        psChord,
        psWhisle,
        psHanging,
        psClimb
    };
    Q_ENUM(TPresetSound)
    enum TBeatDuration { bd_500, bd_1000, bd_1500, bd_2000 };
    Q_ENUM(TBeatDuration)

    explicit TBTBeeper(ToneOutput& output, QObject* parent = nullptr);

    /// The notes of a preset tune; empty for a number that names none.
    static std::span<const Note> presetNotes(int preset);

    /// Plays a preset tune to its end; a number above psClimb plays nothing. False when the
    /// output could not sound the tune.
    bool PlayPresetSound(int preset);
    /// Whether a tune would be heard now.
    bool canSound() const { return m_output.canSound(); }
    void PlayTone(unsigned frequency, int ms);

    TBeatDuration BeatDuration() const { return m_beatDuration; }
    void setBeatDuration(TBeatDuration value);
    int beatMs() const { return m_beatMs; }

    TPresetSound DefaultSound() const { return m_defaultSound; }
    void setDefaultSound(TPresetSound value) { m_defaultSound = value; }

private:
    ToneOutput& m_output;
    TBeatDuration m_beatDuration = bd_1000;
    int m_beatMs = 1000;
    TPresetSound m_defaultSound = psOK;
};
