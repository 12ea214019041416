// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/settingsstore.h"

#include <QMap>
#include <QStringList>

/// Settings in memory; records every write in order.
class FakeSettingsStore final : public SettingsStore
{
public:
    QString read(const QString& name) const override
    {
        reads.append(name);
        return values.value(name);
    }
    bool write(const QString& name, const QString& value) override
    {
        writes.append(name);
        if (failWrites)
            return false;
        values[name] = value;
        return true;
    }

    QMap<QString, QString> values;
    mutable QStringList reads;
    QStringList writes;
    bool failWrites = false;
};
