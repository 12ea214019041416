// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// Puts the program's own accessibility interfaces in front of Qt's, once per process:
/// - buttons whose Press and Toggle actions run the same handler as a click, after the caller
///   has its answer (a handler may open a modal box, which would hold a screen reader's call);
/// - TLabel3D, which paints its text, exposes that text as a static text.
void installAccessibleInterfaces();
