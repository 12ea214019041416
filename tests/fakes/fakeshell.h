// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/shell.h"

#include <QList>

class FakeShell final : public Shell
{
public:
    bool open(const QUrl& url) override
    {
        opened.append(url);
        return result;
    }

    QList<QUrl> opened;
    bool result = true;
};
