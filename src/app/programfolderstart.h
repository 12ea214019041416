#pragma once

#include <QString>
#include <optional>

class Dialogs;

/// The program folder of this run: the executable's folder, or for an installed program the
/// user's data folder filled from <prefix>/share/zibac. Nothing, after a box that says why, when
/// there is no folder to keep the alarm list in.
std::optional<QString> openProgramFolder(Dialogs& dialogs);
