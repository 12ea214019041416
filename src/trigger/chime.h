// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// When to sound the chime, from the choice of the chime box and the minute of the clock.
/// Called twice a second; each chime sounds once.
class Chime
{
public:
    /// itemIndex and text: the chime box's selection (-1 and empty when none). True means
    /// "sound the chime now".
    bool check(int itemIndex, const QString& text, bool listDroppedDown, bool exactMinute, int minute);
    void selectionChanged(int itemIndex, const QString& text, int currentMinute);

    int lastChimeMinute() const { return m_lastChimeMinute; }
    int chimePeriod() const { return m_chimePeriod; }
    int chimeCountdown() const { return m_chimeCountdown; }
    int lastSeenMinute() const { return m_lastSeenMinute; }

private:
    static constexpr int noMinute = 61;
    static constexpr int firstNumberIndex = 3; // "Quarter", "Half Hour", "Top" come first

    bool chimeOnce(int minute);

    int m_lastChimeMinute = noMinute;
    int m_chimePeriod = 1;
    int m_chimeCountdown = 1;
    int m_lastSeenMinute = 0;
};
