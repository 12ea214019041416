// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's "Sh&ow": bring the desktop clock back.
#include "app/tfrmmain.h"
#include "clock/tsmallclock.h"

void TfrmMain::mShowClick()
{
    m_clock.resumeTicking();
    m_clock.show();
    m_clock.ShowOnTop();
    if (m_clock.y() < 0 && m_clock.clockTucked()) {
        m_clock.setClockTucked(false);
        m_clock.move(m_clock.x(), 0);
    }
}
