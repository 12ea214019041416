// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct pa_proplist;

/// What the sound server and the desktop's sound settings learn about the program: its title,
/// application id and icon. The caller frees the list.
pa_proplist* applicationProperties();
/// The program's properties plus the stream's own: its name (the song, or "Speaker") and a
/// role under which sound policies treat it as an alarm, not as a notification sound.
pa_proplist* streamProperties(const QString& mediaName);
