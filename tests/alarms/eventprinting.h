// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/alarmevent.h"

#include <QStringList>
#include <QTest>

// Lets QCOMPARE show which field of two events differs.
inline char* toString(const AlarmEvent& event)
{
    QStringList fields;
    for (int column = 0; column < AlarmColumnCount; ++column)
        fields << event.field(column);
    const QString text = QStringLiteral("%1 [%2] picture %3")
                             .arg(event.enabled ? "checked" : "unchecked", fields.join(QStringLiteral("|")))
                             .arg(event.imageIndex);
    return QTest::toString(text);
}
