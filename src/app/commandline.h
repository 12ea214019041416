// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class Translations;

/// The text that answers --help and --version, for standard output, after which the program ends
/// successfully; nothing when the program is to start. Reads no setting and needs
/// no application object, so that the answer comes before any window, lock or settings file.
/// Options it does not know are left to Qt (-platform, -style...).
std::optional<QString> answerCommandLine(const QStringList& arguments, const Translations* translations = nullptr);

/// The platform to ask Qt for when the user chose none, from DISPLAY and WAYLAND_DISPLAY: X11
/// first, where windows may place themselves and stay on top, through XWayland in a Wayland
/// session; Wayland itself when there is no X server. Empty leaves the choice to Qt.
QByteArray platformForSession(const QByteArray& display, const QByteArray& waylandDisplay);
