// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// The snooze of a message window. It counts changes of the clock's minute, not elapsed
/// seconds: N minutes end at the N-th minute boundary seen after the start, so between N - 1
/// and N minutes later. A clock that jumps several minutes between two ticks counts once.
class SnoozeCountdown
{
public:
    /// minute: the minute of the clock (0..59) when the snooze begins.
    void start(int minute, int minutes);
    void cancel() { m_remindAgain = false; }
    bool isPending() const { return m_remindAgain; }
    int remaining() const { return m_countDown; }

    /// Feeds the minute (0..59) of one tick. True on the tick that ends the snooze; the
    /// countdown is then no longer pending.
    bool tick(int minute);

private:
    bool m_remindAgain = false;
    int m_oldMin = 0;
    int m_curMin = 0;
    int m_countDown = 0;
};
