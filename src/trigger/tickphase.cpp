// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/tickphase.h"

namespace TickPhase {

int msToNextTick(const QTime& now)
{
    return periodMs - now.msec() % periodMs + delayMs;
}

} // namespace TickPhase
