// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

/// Opens a file or an address with the application the desktop associates with it.
class Shell
{
public:
    virtual ~Shell() = default;
    /// False when nothing could open it.
    virtual bool open(const QUrl& url) = 0;
};
