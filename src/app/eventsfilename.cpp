// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/eventsfilename.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
const QString forbidden = QStringLiteral("\\/:*?\"<>|");
}

EventsFileNameCheck checkEventsFileName(const QString& answer)
{
    if (answer.isEmpty())
        return EventsFileNameCheck::Empty;
    for (const QChar c : answer) {
        // Control characters would break the settings file and most file managers.
        if (forbidden.contains(c) || c.category() == QChar::Other_Control)
            return EventsFileNameCheck::BadCharacters;
    }
    return EventsFileNameCheck::Acceptable;
}

QString badFileNameCharactersMessage()
{
    QStringList chars;
    for (const QChar c : forbidden)
        chars.append(QString(c));
    return QCoreApplication::translate("EventsFileName", "Filename may not include below characters.\r\n") +
           chars.join(QLatin1Char(' '));
}
