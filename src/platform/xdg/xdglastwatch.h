// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/lastwatch.h"

#include <QString>

/// The moment as local date and time text in one small file of the user's state folder.
class XdgLastWatch final : public LastWatch
{
public:
    explicit XdgLastWatch(QString path);

    std::optional<QDateTime> read() const override;
    void write(const QDateTime& moment) override;

    /// $XDG_STATE_HOME/zibac/lastwatch, or under ~/.local/state.
    static QString defaultPath();

private:
    QString m_path;
};
