// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/eventline.h"
#include "alarms/eventsfile.h"

#include <QByteArrayView>
#include <QString>
#include <cstddef>
#include <cstdint>

// One input drives both the line decoder (every line alone, then encoded and decoded again)
// and the whole loader on the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const QString text = QString::fromUtf8(bytes);
    for (QStringView line : QStringView(text).split(u'\n')) {
        const DecodedEventLine decoded = decodeEventLine(line);
        if (!decoded.isGood())
            continue;
        const AlarmEvent event = eventFromLine(decoded.fields);
        const QString again = encodeEventLine(event);
        if (again.contains(u'\r') || again.contains(u'\n'))
            __builtin_trap();
        if (!decodeEventLine(again).isGood())
            __builtin_trap();
    }

    EventsLoadContext context{QStringLiteral("2026/12/07"), QStringLiteral("09:00:00"),
                              [](const QString& ymd) { return ymd; }, [](const QString& time) { return time; }};
    const EventsLoadResult result = readEventsData(bytes, context);
    if (result.corrupted && !result.events.empty())
        __builtin_trap();
    return 0;
}
