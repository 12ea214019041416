// SPDX-License-Identifier: GPL-3.0-or-later
// The alarm editor: composing an event, adding it and taking a row back in for editing.
#include "alarms/alarmlistmodel.h"
#include "alarms/editorrules.h"
#include "app/tfrmmain.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "settings/tsetup.h"
#include "widgets/alarmlistpanel.h"
#include "widgets/editorgroup.h"
#include "widgets/songbox.h"

void TfrmMain::connectEditor()
{
    connect(m_editor, &EditorGroup::addClicked, this, &TfrmMain::btnAddClick);
    connect(m_editor, &EditorGroup::addWithMessageClicked, this, &TfrmMain::btnAddMsgClick);
    connect(m_list, &AlarmListPanel::editClicked, this, &TfrmMain::btnEditClick);
    runInputMsg = [this](const QString& initialMessage) { return TInputMsg::run(m_settings, this, initialMessage); };
}

QString TfrmMain::GetFormatChosenDate() const
{
    return m_editor->chosenDate();
}

QString TfrmMain::GetThoseDays() const
{
    return m_editor->thoseDays();
}

void TfrmMain::btnAddClick()
{
    ValidateTimeAndAdd(false);
}

void TfrmMain::btnAddMsgClick()
{
    ValidateTimeAndAdd(true);
}

void TfrmMain::ValidateTimeAndAdd(bool withMessage)
{
    if (!CheckTimeCells())
        return;
    if (!withMessage) {
        if (AddAlarmEvent(QString(), -1))
            m_editor->clearRun();
        MessageConsumed = true;
        return;
    }
    const InputMsgResult result = runInputMsg(MessageConsumed ? QString() : LastMessage);
    LastMessage = result.message;
    if (!result.confirmed) {
        // A window closed without Add offers its text again (Cancel has emptied it).
        MessageConsumed = false;
        return;
    }
    MessageConsumed = AddAlarmEvent(result.message, result.imageIndex);
    if (MessageConsumed)
        m_editor->clearRun();
}

bool TfrmMain::AddAlarmEvent(const QString& message, qint16 imageIndex)
{
    EditorEntry entry = m_editor->entry();
    entry.song = m_songBox->song();
    entry.songSelected = m_songBox->songSelected();
    entry.message = message;
    entry.imageIndex = imageIndex;

    const QDateTime moment = m_services.clock->now();
    const QString now = DateFormats::internalTime(moment.time());
    const QString refusal = EditorRules::addRefusal(entry, DateFormats::internalDate(moment.date()), now);
    if (!refusal.isEmpty()) {
        m_services.dialogs->refuse(refusal, this);
        return false;
    }
    m_alarms->append(EditorRules::newEvent(entry, now));
    m_list->scrollToRow(m_alarms->rowCount() - 1);
    if (m_list->isEditing()) {
        DeleteEditedEvent();
        LeaveEditMode();
    }
    SaveAlarmEvents();
    return true;
}

bool TfrmMain::CheckTimeCells()
{
    const QString error = m_editor->timeError();
    if (error.isEmpty())
        return true;
    m_services.dialogs->refuse(error, this);
    return false;
}

void TfrmMain::btnEditClick()
{
    if (!m_list->isEditing()) {
        m_editor->setEditing(false);
        m_list->setCommandsEnabled(true);
        m_list->clearSelection();
        m_editor->clearRun();
        return;
    }
    if (!m_list->itemSelected()) {
        m_services.dialogs->beep();
        m_list->setEditing(false);
        return;
    }
    m_editor->setEditing(true);
    m_list->setCommandsEnabled(false);
    const int row = m_list->selectedRow();
    if (row < 0) {
        LeaveEditMode();
        return;
    }
    loadRowIntoEditor(row);
}

void TfrmMain::loadRowIntoEditor(int row)
{
    const AlarmEvent event = m_alarms->at(row);
    // The row must not fire while it is being changed.
    m_alarms->setEnabled(row, false);
    EditedIndex = m_alarms->index(row, ColPlayTimes);

    if (!event.message.isEmpty()) {
        MessageConsumed = false;
        LastMessage = event.message;
    }
    m_songBox->selectSong(event.sound());
    const bool dated = event.date != AlarmText::noDate;
    m_editor->loadEvent(event, dated ? m_dates.RenderDate(event.date, m_options.dates) : QString());
}

void TfrmMain::LeaveEditMode()
{
    m_list->setEditing(false);
    m_list->setCommandsEnabled(true);
    m_editor->setEditing(false);
}

void TfrmMain::DeleteEditedEvent()
{
    // The list's current row can move without a new selection: only the recorded row goes.
    if (EditedIndex.isValid())
        m_list->removeRow(EditedIndex.row());
}
