// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/alarmevent.h"

#include <QStringView>

/// Decides, for an event just read from the file, whether it may still fire today: fills
/// "Active/Ignore", marks a missed one-time event " <!>" and turns a passed "None Every" into
/// "Every Day". today is "yyyy/mm/dd", now "hh:mm:ss"; both compare with the event as text.
void applyActivationRule(AlarmEvent& event, QStringView today, QStringView now);
