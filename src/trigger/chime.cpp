// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/chime.h"

bool Chime::chimeOnce(int minute)
{
    if (minute == m_lastChimeMinute)
        return false;
    m_lastChimeMinute = minute;
    return true;
}

bool Chime::check(int itemIndex, const QString& text, bool listDroppedDown, bool exactMinute, int minute)
{
    if (text == QLatin1String("Half Hour"))
        return minute % 30 == 0 && chimeOnce(minute);
    if (text == QLatin1String("Quarter"))
        return minute % 15 == 0 && chimeOnce(minute);
    if (text == QLatin1String("Top") || (exactMinute && itemIndex >= firstNumberIndex && !listDroppedDown)) {
        const int target = text == QLatin1String("Top") ? 0 : text.toInt() % 60;
        // Leaving the minute re-arms it, so that the chime comes again an hour later.
        if (minute != target) {
            m_lastChimeMinute = noMinute;
            return false;
        }
        return chimeOnce(minute);
    }
    if (itemIndex < firstNumberIndex || listDroppedDown)
        return false;
    if (minute != m_lastSeenMinute) {
        m_lastSeenMinute = minute;
        --m_chimeCountdown;
    }
    if (m_chimeCountdown != 0)
        return false;
    m_chimeCountdown = m_chimePeriod;
    return true;
}

void Chime::selectionChanged(int itemIndex, const QString& text, int currentMinute)
{
    if (text.isEmpty())
        return;
    m_lastChimeMinute = noMinute;
    if (itemIndex >= firstNumberIndex) {
        m_chimePeriod = text.toInt();
        m_chimeCountdown = m_chimePeriod;
        m_lastSeenMinute = currentMinute;
    }
}
