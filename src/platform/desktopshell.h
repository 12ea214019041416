// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/shell.h"

/// Opens files and addresses through the desktop's associations.
class DesktopShell final : public Shell
{
public:
    bool open(const QUrl& url) override;
};
