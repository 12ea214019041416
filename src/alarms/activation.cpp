#include "alarms/activation.h"

void applyActivationRule(AlarmEvent& event, QStringView today, QStringView now)
{
    const QStringView date = event.date;
    const QStringView time = event.time24;
    const bool timePassed = time < now;
    const bool passed = date < today || (date == today && timePassed);

    if (event.schedule == u"None" && passed) {
        event.activeIgnore = AlarmText::ignore;
        event.dateTime += AlarmText::missedMark;
        return;
    }
    if (event.schedule == u"None Every" && passed)
        event.schedule = QStringLiteral("Every Day");
    event.activeIgnore = timePassed ? AlarmText::ignore : AlarmText::active;
}
