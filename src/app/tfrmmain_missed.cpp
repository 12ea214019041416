// SPDX-License-Identifier: GPL-3.0-or-later
// What came due while the program was not watching the clock: across a change of day that came
// late (suspend, a clock set forward) and between the previous run and this start.
#include "alarms/alarmlistmodel.h"
#include "alarms/eventsfile.h"
#include "app/tfrmmain.h"
#include "platform/clock.h"
#include "platform/lastwatch.h"
#include "trigger/missedalarms.h"
#include "widgets/alarmlistpanel.h"

void TfrmMain::reportMissedSinceLastRun()
{
    const QDateTime now = m_services.clock->now();
    m_lastTick = now;
    if (!m_services.lastWatch)
        return;
    const std::optional<QDateTime> previous = m_services.lastWatch->read();
    writeLastWatch(now);
    const std::optional<QDate> date = DateFormats::parseInternalDate(LastCheckDate);
    const std::optional<QTime> time = DateFormats::parseInternalTime(LastCheckTime);
    if (!previous || !date || !time)
        return;
    // The list as it stood when the previous run last watched: a "None Every" whose date was still
    // ahead then is not yet "Every Day".
    const QString previousDate = DateFormats::internalDate(previous->date());
    const QString previousTime = DateFormats::internalTime(previous->time());
    const EventsLoadResult then = readEventsFile(eventsFilePath(), loadContext(previousDate, previousTime));
    reportMissedAlarms(then.events, *previous, QDateTime(*date, *time));
}

void TfrmMain::reportMissedAlarms(const std::vector<AlarmEvent>& events, const QDateTime& watchedUntil,
                                  const QDateTime& resumedAt)
{
    const MissedAlarms missed =
        findMissedAlarms(events, watchedUntil, resumedAt, m_list->alarmsDisabled(), MissedText::listedLines);
    const DateDisplayOptions options = m_options.dates;
    const QString text = missedAlarmsReport(
        missed, events, [&](const QDate& day) { return m_dates.RenderDate(DateFormats::internalDate(day), options); },
        [&](const QString& time24) { return m_dates.displayTime(time24); });
    if (!text.isEmpty())
        showReportWindow(text);
}

void TfrmMain::writeLastWatch(const QDateTime& moment)
{
    if (m_services.lastWatch)
        m_services.lastWatch->write(moment);
}
