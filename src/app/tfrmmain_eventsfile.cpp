// SPDX-License-Identifier: GPL-3.0-or-later
// The events file of the main window's list: writing it after every change, loading it with its
// checks, report and backup.
#include "alarms/alarmlistmodel.h"
#include "alarms/eventsfile.h"
#include "app/tfrmmain.h"
#include "clock/tsmallclock.h"
#include "platform/dialogs.h"
#include "platform/taskbarbutton.h"
#include "popups/tmsgout.h"
#include "settings/tsetup.h"
#include "widgets/alarmlistpanel.h"

#include <QFileInfo>

bool TfrmMain::SaveAlarmEvents()
{
    const FileResult result = writeEventsFile(eventsFilePath(), m_alarms->events());
    if (!result.ok)
        m_services.dialogs->message(openErrorMessage(m_eventsFileName, result.error), Dialogs::Icon::Error, {}, this);
    return result.ok;
}

void TfrmMain::LoadAlarmEvents()
{
    m_loading = true;
    // The rows are read anew: no edited row and no chosen row outlive them.
    if (m_list->isEditing())
        LeaveEditMode();
    m_list->forgetSelection();
    m_alarms->clear();
    EventsLoadResult loaded = readEventsFile(eventsFilePath(), loadContext(LastCheckDate, LastCheckTime));

    if (loaded.status == EventsLoadResult::Status::OpenFailed) {
        m_services.dialogs->message(openErrorMessage(m_eventsFileName, loaded.error), Dialogs::Icon::Error, {}, this);
    } else if (loaded.corrupted) {
        m_services.dialogs->message(corruptedFileMessage(m_eventsFileName), Dialogs::Icon::Error, {}, this);
    }
    m_alarms->replaceAll(std::move(loaded.events));

    if (!loaded.report.isEmpty()) {
        const QString backupName = backupFileName(m_eventsFileName);
        CopyFileData(eventsFilePath(), m_programDir + backupName);
        showReportWindow(loadReportMessage(backupName, loaded.report));
    }
    m_loading = false;
}

EventsLoadContext TfrmMain::loadContext(const QString& lastCheckDate, const QString& lastCheckTime) const
{
    EventsLoadContext context;
    context.lastCheckDate = lastCheckDate;
    context.lastCheckTime = lastCheckTime;
    context.renderDate = [dates = m_dates, options = m_options.dates](const QString& ymd) {
        return dates.RenderDate(ymd, options);
    };
    context.displayTime = [dates = m_dates](const QString& time24) { return dates.displayTime(time24); };
    return context;
}

void TfrmMain::showReportWindow(const QString& text)
{
    auto* report = new TMsgOut(m_services, m_settings, &m_clock, this,
                               [dates = m_dates](const QDateTime& moment) { return dates.titleClock(moment); });
    report->setMessage(text);
    report->show();
    m_services.taskbar->show();
}

void TfrmMain::completeInterruptedSave()
{
    const FileResult result = finishInterruptedSave(eventsFilePath());
    if (!result.ok)
        m_services.dialogs->message(openErrorMessage(m_eventsFileName, result.error), Dialogs::Icon::Error, {}, this);
}

bool TfrmMain::CopyFileData(const QString& source, const QString& destination)
{
    const FileResult result = copyFileData(source, destination);
    for (const QString& text : result.messages)
        m_services.dialogs->message(text, Dialogs::Icon::Error, {}, this);
    return result.ok;
}
