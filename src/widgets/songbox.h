// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class DropDownComboBox;
class QCheckBox;
class QRadioButton;
class QToolButton;

/// The program-wide choice of output and song, its play and stop buttons and the chime switch.
/// The chime box given sits beside the switch.
class SongBox : public QGroupBox
{
    Q_OBJECT

public:
    SongBox(const QString& programDir, QWidget* chimeBox, QWidget* parent = nullptr);

    /// Shows the saved output and song; a song no longer listed leaves the first one chosen.
    void fill(const QString& outputDevice, const QString& songName);
    /// Chooses the output that plays the song and the song itself, when it is listed.
    void selectSong(const QString& song);
    QString song() const;
    bool songSelected() const;
    bool speakerMode() const;
    /// The output as the settings store it.
    QString outputDeviceName() const;
    bool chimeOn() const;

signals:
    /// The user chose an output or a song: the choice is to be kept.
    void songChosen();
    void playClicked();
    void stopClicked();

private slots:
    void rbWaveMouseUp();
    void rbInternalSpeakerMouseUp();
    void cbTestSongsClick();
    void cbTestSongsDropDown();

private:
    void layOutControls(QWidget* chimeBox);
    void FillWaveList();
    void fillSpeakerList();

    QString m_programDir;
    QRadioButton* rbWave;
    QRadioButton* rbInternalSpeaker;
    DropDownComboBox* cbTestSongs;
    QToolButton* btnTestSongs;
    QToolButton* btnStop;
    QCheckBox* chkSnooze;
};
