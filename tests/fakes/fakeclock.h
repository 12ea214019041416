// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/clock.h"

/// A clock that stands still until the test steps it.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0)))
        : m_now(std::move(start))
    {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime& now) { m_now = now; }
    void setTime(const QTime& time) { m_now.setTime(time); }
    void advanceMs(qint64 ms) { m_now = m_now.addMSecs(ms); }
    void advanceSeconds(qint64 s) { m_now = m_now.addSecs(s); }
    void advanceMinutes(qint64 m) { m_now = m_now.addSecs(60 * m); }
    void advanceDays(qint64 d) { m_now = m_now.addDays(d); }

private:
    QDateTime m_now;
};
