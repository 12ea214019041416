// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTime>

/// The main timer ticks a few milliseconds after each half second of the wall clock, so that an
/// alarm fires within milliseconds of its second, whatever moment the timer was started at.
namespace TickPhase {

constexpr int periodMs = 500;
/// Far enough past the half second that the clock reads the new second even when the tick
/// comes a little early.
constexpr int delayMs = 5;

/// The wait from now to the tick of the next half second. A tick that arrives before its
/// moment (the wall clock stepped) does not tick again in the same half second.
int msToNextTick(const QTime& now);

} // namespace TickPhase
