// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/commandrunner.h"

#include <QStringList>

class FakeCommandRunner final : public CommandRunner
{
public:
    bool start(const QString& commandLine, QString* error) override
    {
        commands.append(commandLine);
        if (!result && error)
            *error = QStringLiteral("No such file or directory");
        return result;
    }

    QStringList commands;
    bool result = true;
};
