// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/songbox.h"

#include "widgets/dropdowncombobox.h"
#include "widgets/namedcontrols.h"
#include "widgets/songlist.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

namespace {
const QString internalSpeaker = QStringLiteral("Internal Speaker");
}

SongBox::SongBox(const QString& programDir, QWidget* chimeBox, QWidget* parent)
    : QGroupBox(tr(" So&ng "), parent)
    , m_programDir(programDir)
    , rbWave(named(new QRadioButton(tr("Wave"), this), "rbWave", tr("Wave")))
    , rbInternalSpeaker(named(new QRadioButton(tr("Int Speaker"), this), "rbInternalSpeaker", tr("Int Speaker")))
    , cbTestSongs(named(new DropDownComboBox(this), "cbTestSongs", tr("Song")))
    , btnTestSongs(hintButton("btnTestSongs", tr("Play"), this))
    , btnStop(hintButton("btnStop", tr("Stop"), this))
    , chkSnooze(named(new QCheckBox(tr("Chime"), this), "chkSnooze", tr("Chime")))
{
    named(this, "GroupBox1", tr("Song"));
    btnTestSongs->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    btnStop->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    layOutControls(chimeBox);

    connect(rbWave, &QRadioButton::clicked, this, &SongBox::rbWaveMouseUp);
    connect(rbInternalSpeaker, &QRadioButton::clicked, this, &SongBox::rbInternalSpeakerMouseUp);
    connect(cbTestSongs, &QComboBox::activated, this, &SongBox::cbTestSongsClick);
    connect(cbTestSongs, &DropDownComboBox::droppingDown, this, &SongBox::cbTestSongsDropDown);
    connect(btnTestSongs, &QToolButton::clicked, this, &SongBox::playClicked);
    connect(btnStop, &QToolButton::clicked, this, &SongBox::stopClicked);
}

void SongBox::layOutControls(QWidget* chimeBox)
{
    auto* song = new QGridLayout(this);
    song->addWidget(rbWave, 0, 0);
    song->addWidget(rbInternalSpeaker, 0, 1, 1, 2);
    song->addWidget(cbTestSongs, 1, 0, 1, 2);
    auto* play = new QHBoxLayout;
    play->addWidget(btnTestSongs);
    play->addWidget(btnStop);
    song->addLayout(play, 1, 2);
    song->addWidget(chkSnooze, 2, 0);
    song->addWidget(chimeBox, 2, 1, 1, 2);
}

void SongBox::fill(const QString& outputDevice, const QString& songName)
{
    cbTestSongs->clear();
    if (outputDevice == internalSpeaker) {
        rbInternalSpeaker->setChecked(true);
        fillSpeakerList();
    } else {
        rbWave->setChecked(true);
        FillWaveList();
    }
    if (cbTestSongs->count() > 0 && !songName.isEmpty()) {
        const int index = cbTestSongs->findText(songName, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0)
            cbTestSongs->setCurrentIndex(index);
    }
}

void SongBox::selectSong(const QString& song)
{
    if (speakerSongs().contains(song))
        rbInternalSpeaker->setChecked(true);
    else
        rbWave->setChecked(true);
    cbTestSongsDropDown();
    const int songIndex = cbTestSongs->findText(song, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (songIndex >= 0)
        cbTestSongs->setCurrentIndex(songIndex);
}

QString SongBox::song() const
{
    return cbTestSongs->currentText();
}

bool SongBox::songSelected() const
{
    return cbTestSongs->currentIndex() >= 0;
}

bool SongBox::speakerMode() const
{
    return rbInternalSpeaker->isChecked();
}

QString SongBox::outputDeviceName() const
{
    return rbWave->isChecked() ? QStringLiteral("Wave") : internalSpeaker;
}

bool SongBox::chimeOn() const
{
    return chkSnooze->isChecked();
}

void SongBox::FillWaveList()
{
    cbTestSongs->addItems(waveSongs(m_programDir));
    cbTestSongs->setCurrentIndex(cbTestSongs->count() > 0 ? 0 : -1);
}

void SongBox::fillSpeakerList()
{
    cbTestSongs->addItems(speakerSongs());
    cbTestSongs->setCurrentIndex(0);
}

void SongBox::rbWaveMouseUp()
{
    cbTestSongs->clear();
    FillWaveList();
    emit songChosen();
}

void SongBox::rbInternalSpeakerMouseUp()
{
    cbTestSongs->clear();
    fillSpeakerList();
    emit songChosen();
}

void SongBox::cbTestSongsClick()
{
    emit songChosen();
}

void SongBox::cbTestSongsDropDown()
{
    // Refilling must not lose the song every alarm plays: keep it selected while it is still listed.
    const QString chosen = cbTestSongs->currentText();
    cbTestSongs->clear();
    if (rbWave->isChecked())
        FillWaveList();
    else
        cbTestSongs->addItems(speakerSongs());
    const int index = cbTestSongs->findText(chosen, Qt::MatchExactly | Qt::MatchCaseSensitive);
    cbTestSongs->setCurrentIndex(index >= 0 ? index : (rbWave->isChecked() ? cbTestSongs->currentIndex() : -1));
}
