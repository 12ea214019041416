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
    const DateDisplayOptions options = m_options.dates;
    EventsLoadContext context;
    context.lastCheckDate = LastCheckDate;
    context.lastCheckTime = LastCheckTime;
    context.renderDate = [&](const QString& ymd) { return m_dates.RenderDate(ymd, options); };
    context.displayTime = [&](const QString& time24) { return m_dates.displayTime(time24); };
    EventsLoadResult loaded = readEventsFile(eventsFilePath(), context);

    if (loaded.status == EventsLoadResult::Status::OpenFailed) {
        m_services.dialogs->message(openErrorMessage(m_eventsFileName, loaded.error), Dialogs::Icon::Error, {}, this);
    } else if (loaded.corrupted) {
        m_services.dialogs->message(corruptedFileMessage(m_eventsFileName), Dialogs::Icon::Error, {}, this);
    }
    m_alarms->replaceAll(std::move(loaded.events));

    if (!loaded.report.isEmpty()) {
        const QString backupName = backupFileName(m_eventsFileName);
        CopyFileData(eventsFilePath(), m_programDir + backupName);
        auto* report = new TMsgOut(m_services, m_settings, &m_clock, this,
                                   [dates = m_dates](const QDateTime& moment) { return dates.titleClock(moment); });
        report->setMessage(loadReportMessage(backupName, loaded.report));
        report->show();
        m_services.taskbar->show();
    }
    m_loading = false;
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
