// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/speakerrepeat.h"

void SpeakerRepeat::tick(const std::function<void(int tune)>& playTune)
{
    if (!m_active)
        return;
    if (m_tick == 0) {
        // Advanced before the tune: ticks that run during it must see a non-zero counter.
        m_tick = 1;
        playTune(m_tune);
    }
    if (++m_tick > 4)
        m_tick = 0;
}
