// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// The days view's text from a "Monthly" row's Days: each day number with its blank, and a
/// CR LF after every tenth day.
QString DaysDisplayText(const QString& days);
