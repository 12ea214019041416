// SPDX-License-Identifier: GPL-3.0-or-later
#include "popups/daystext.h"

QString DaysDisplayText(const QString& days)
{
    constexpr int daysPerLine = 10;
    QString text;
    int counted = 0;
    qsizetype from = 0;
    for (qsizetype blank = days.indexOf(QLatin1Char(' ')); blank >= 0; blank = days.indexOf(QLatin1Char(' '), from)) {
        text += QStringView(days).mid(from, blank + 1 - from);
        from = blank + 1;
        if (++counted == daysPerLine) {
            text += QStringLiteral("\r\n");
            counted = 0;
        }
    }
    text += QStringView(days).mid(from);
    return text;
}
