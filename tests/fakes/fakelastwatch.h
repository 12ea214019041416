// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/lastwatch.h"

#include <QList>

/// Keeps the moment in memory and records every write.
class FakeLastWatch final : public LastWatch
{
public:
    std::optional<QDateTime> read() const override { return kept; }
    void write(const QDateTime& moment) override
    {
        kept = moment;
        writes.append(moment);
    }

    std::optional<QDateTime> kept;
    QList<QDateTime> writes;
};
