// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/processcommandrunner.h"

#include <QCoreApplication>
#include <QProcess>

bool ProcessCommandRunner::start(const QString& commandLine, QString* error)
{
    QStringList arguments = QProcess::splitCommand(commandLine);
    if (arguments.isEmpty() || arguments.first().isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("ProcessCommandRunner", "No program given");
        return false;
    }
    QProcess process;
    process.setProgram(arguments.takeFirst());
    process.setArguments(arguments);
    if (process.startDetached())
        return true;
    if (error)
        *error = process.errorString();
    return false;
}
