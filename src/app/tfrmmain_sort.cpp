// SPDX-License-Identifier: GPL-3.0-or-later
// A click on a column header of the alarm list sorts its rows once.
#include "alarms/alarmlistmodel.h"
#include "alarms/sortkeys.h"
#include "app/tfrmmain.h"
#include "platform/clock.h"
#include "widgets/alarmlistpanel.h"

void TfrmMain::lvMainColumnClick(int column)
{
    if (m_alarms->isEmpty())
        return;
    SortColumn = column;
    const QString dateTimeBefore = m_alarms->headerCaption(ColDateTime);
    const QString scheduleBefore = m_alarms->headerCaption(ColSchedule);
    m_sortContext =
        SortKeys::contextFor(m_services.clock->now().date(), LastExamineDate, dateTimeBefore, scheduleBefore);
    // The selection and the current row follow their events through the sort, so Delete, Copy
    // and the end of Editing mode still act on the row that the user chose.
    m_alarms->sortRows([this](const AlarmEvent& a, const AlarmEvent& b) { return lvMainCompare(a, b) < 0; });

    const std::optional<SortKeys::Header> header = SortKeys::headerAfterSort(column, dateTimeBefore, scheduleBefore);
    if (!header)
        return;
    if (column == ColPlayTimes)
        m_list->scrollToRow(0);
    m_alarms->setPlayTimesHeaderIcon(header->playTimesImage ? m_alarms->images().value(0) : QIcon());
    m_alarms->setHeaderCaption(ColDateTime, header->dateTimeCaption);
    m_alarms->setHeaderCaption(ColSchedule, header->scheduleCaption);
}

int TfrmMain::lvMainCompare(const AlarmEvent& item1, const AlarmEvent& item2) const
{
    return SortKeys::compare(SortColumn, item1, item2, m_sortContext);
}
