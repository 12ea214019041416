// The song box: the program-wide choice of output and song.
#include "app/mainformsettings.h"
#include "app/songlist.h"
#include "app/tfrmmain.h"
#include "clock/tsmallclock.h"

#include <QComboBox>
#include <QRadioButton>

namespace {
const QString internalSpeaker = QStringLiteral("Internal Speaker");
}

void TfrmMain::fillSongBox(const QString& outputDevice, const QString& songName)
{
    cbTestSongs->clear();
    if (outputDevice == internalSpeaker) {
        rbInternalSpeaker->setChecked(true);
        cbTestSongs->addItems(speakerSongs());
        cbTestSongs->setCurrentIndex(0);
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

void TfrmMain::FillWaveList()
{
    cbTestSongs->addItems(waveSongs(m_programDir));
    cbTestSongs->setCurrentIndex(cbTestSongs->count() > 0 ? 0 : -1);
}

void TfrmMain::rbWaveMouseUp()
{
    cbTestSongs->clear();
    FillWaveList();
    SaveSongSettings();
}

void TfrmMain::rbInternalSpeakerMouseUp()
{
    cbTestSongs->clear();
    cbTestSongs->addItems(speakerSongs());
    cbTestSongs->setCurrentIndex(0);
    SaveSongSettings();
}

void TfrmMain::cbTestSongsClick()
{
    SaveSongSettings();
}

void TfrmMain::cbTestSongsDropDown()
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

void TfrmMain::SaveSongSettings()
{
    if (cbTestSongs->currentIndex() < 0)
        return;
    if (writeSetting(SettingNames::MainSongName, cbTestSongs->currentText()))
        writeSetting(SettingNames::MainOutputDevice, rbWave->isChecked() ? QStringLiteral("Wave") : internalSpeaker);
}
