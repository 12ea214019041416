// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

/// The songs of the wave output: the wave files of the program folder, named without their
/// extension. Hidden and read-only files are left out, and so are names that could not be
/// stored in an event's line or opened again.
QStringList waveSongs(const QString& programDir);
/// The speaker tunes offered in speaker mode.
QStringList speakerSongs();
