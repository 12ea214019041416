// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

/// Source of the current local date and time. Every reading of the clock goes through it,
/// so that tests can step time instead of waiting for it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
