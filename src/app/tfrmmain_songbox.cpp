// SPDX-License-Identifier: GPL-3.0-or-later
// The song box's choice is the program's: it is kept in the settings.
#include "app/mainformsettings.h"
#include "app/tfrmmain.h"
#include "widgets/songbox.h"

void TfrmMain::SaveSongSettings()
{
    if (!m_songBox->songSelected())
        return;
    if (writeSetting(SettingNames::MainSongName, m_songBox->song()))
        writeSetting(SettingNames::MainOutputDevice, m_songBox->outputDeviceName());
}
