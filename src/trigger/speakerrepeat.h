// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

/// Keeps a speaker tune going every 2 seconds (every fourth tick of the 500 ms main timer).
class SpeakerRepeat
{
public:
    static constexpr int defaultTune = 10;

    /// One tick of the main timer. playTune may let further ticks run while it sounds; they
    /// do not start the tune again.
    void tick(const std::function<void(int tune)>& playTune);

    void start(int tune)
    {
        m_tune = tune;
        m_active = true;
    }
    void setTune(int tune) { m_tune = tune; }
    void stop() { m_active = false; }

    bool isActive() const { return m_active; }
    int tune() const { return m_tune; }
    int tickCount() const { return m_tick; }

private:
    bool m_active = false;
    int m_tune = defaultTune;
    int m_tick = 0;
};
