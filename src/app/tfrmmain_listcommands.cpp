// SPDX-License-Identifier: GPL-3.0-or-later
// The buttons under the alarm list: Load, Save, Copy, Delete, Clear and "Disabled all alarm events".
#include "alarms/alarmlistmodel.h"
#include "app/tfrmmain.h"
#include "platform/dialogs.h"
#include "platform/taskbarbutton.h"
#include "widgets/alarmlistpanel.h"

#include <QTimer>

void TfrmMain::connectListCommands()
{
    connect(m_list, &AlarmListPanel::loadClicked, this, &TfrmMain::sbLoadClick);
    connect(m_list, &AlarmListPanel::saveClicked, this, &TfrmMain::btnSaveClick);
    connect(m_list, &AlarmListPanel::copyClicked, this, &TfrmMain::btnCopyClick);
    connect(m_list, &AlarmListPanel::deleteClicked, this, &TfrmMain::btnDeleteClick);
    connect(m_list, &AlarmListPanel::clearClicked, this, &TfrmMain::btnClearAllClick);
    connect(m_list, &AlarmListPanel::disabledAllClicked, this, &TfrmMain::btnDisabledAllClick);
    connect(m_list, &AlarmListPanel::selectionChangedByUser, this, &TfrmMain::lvMainSelectItem);
}

void TfrmMain::lvMainSelectItem(bool selected)
{
    if (m_list->isEditing() && (!selected || m_list->selectedRow() != EditedIndex.row()))
        LeaveEditMode();
}

void TfrmMain::sbLoadClick()
{
    LastCheckDate = today();
    LastCheckTime = now24();
    LoadAlarmEvents();
}

void TfrmMain::btnSaveClick()
{
    if (SaveAlarmEvents())
        m_services.dialogs->inform(tr("Data has been saved."), this);
}

void TfrmMain::btnDeleteClick()
{
    const int row = m_list->rowToActOn();
    if (row < 0)
        return;
    m_list->removeRow(row);
    SaveAlarmEvents();
}

void TfrmMain::btnCopyClick()
{
    const int row = m_list->rowToActOn();
    if (row < 0)
        return;
    AlarmEvent copy = m_alarms->at(row);
    copy.date = copy.date.left(10);
    copy.time24 = copy.time24.left(8);
    // The copy stays off until the user switches it on.
    copy.enabled = false;
    m_alarms->append(std::move(copy));
    m_list->scrollToRow(m_alarms->rowCount() - 1);
    SaveAlarmEvents();
}

void TfrmMain::btnClearAllClick()
{
    m_alarms->clear();
}

void TfrmMain::btnDisabledAllClick()
{
    m_services.taskbar->show();
    showAlarmsStateInTray();
    const bool disabled = m_list->alarmsDisabled();
    m_list->showAlarmsDisabled(disabled);
    if (disabled) {
        MainTimer->stop();
        return;
    }
    restartMainTimer();
    if (!m_alarms->isEmpty()) {
        SaveAlarmEvents();
        sbLoadClick();
    }
}
