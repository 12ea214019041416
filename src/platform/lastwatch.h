// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <optional>

/// The moment at which the program last watched the clock, kept between runs so that the next
/// start can tell what came due while no copy of the program was running.
class LastWatch
{
public:
    virtual ~LastWatch() = default;
    /// Nothing when no moment was kept or it cannot be read.
    virtual std::optional<QDateTime> read() const = 0;
    /// A moment that cannot be kept is let go: its only loss is a report at the next start.
    virtual void write(const QDateTime& moment) = 0;
};
