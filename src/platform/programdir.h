// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// The program folder for an executable in executableDir: that folder with the platform's
/// separators, always ending in one. Every file of the program's own is taken from it.
QString programDirFor(const QString& executableDir);
