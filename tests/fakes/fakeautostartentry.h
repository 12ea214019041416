// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/autostartentry.h"

#include <QMap>

class FakeAutostartEntry final : public AutostartEntry
{
public:
    bool add(const QString& name, const QString& path, QString* error) override
    {
        ++adds;
        if (fail) {
            if (error)
                *error = QStringLiteral("Permission denied");
            return false;
        }
        entries[name] = path;
        return true;
    }
    bool remove(const QString& name, QString* error) override
    {
        ++removes;
        if (fail) {
            if (error)
                *error = QStringLiteral("Permission denied");
            return false;
        }
        entries.remove(name);
        return true;
    }
    QString programPath(const QString& name) const override { return entries.value(name); }

    QMap<QString, QString> entries;
    bool fail = false;
    int adds = 0;
    int removes = 0;
};
