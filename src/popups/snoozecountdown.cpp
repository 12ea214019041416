// SPDX-License-Identifier: GPL-3.0-or-later
#include "popups/snoozecountdown.h"

void SnoozeCountdown::start(int minute, int minutes)
{
    m_oldMin = minute;
    m_countDown = minutes;
    m_remindAgain = true;
}

bool SnoozeCountdown::tick(int minute)
{
    if (!m_remindAgain)
        return false;
    m_curMin = minute;
    if (m_curMin == m_oldMin)
        return false;
    --m_countDown;
    m_oldMin = m_curMin;
    if (m_countDown > 0)
        return false;
    m_remindAgain = false;
    return true;
}
