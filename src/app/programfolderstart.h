// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class Dialogs;

/// The program folder of this run for a program in executableDir whose settings name the list
/// eventsFileName: that folder, or the user's data folder (see chooseProgramFolder). The first
/// start in the data folder says which folder it uses and why. Nothing, after a box that says
/// why, when there is no folder to keep the alarm list in.
std::optional<QString> openProgramFolder(Dialogs& dialogs, const QString& executableDir, const QString& eventsFileName);
