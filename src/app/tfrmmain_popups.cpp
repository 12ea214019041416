// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the about box and the days view.
#include "alarms/alarmlistmodel.h"
#include "app/tfrmmain.h"
#include "core/vocabulary.h"
#include "platform/taskbarbutton.h"
#include "popups/daystext.h"
#include "popups/taboutbox.h"
#include "popups/tdaysvalue.h"
#include "widgets/alarmlistpanel.h"

#include <QPointer>

void TfrmMain::smAboutClick()
{
    m_services.taskbar->show();
    if (m_aboutBox) {
        m_aboutBox->show();
        m_aboutBox->raise();
        m_aboutBox->activateWindow();
        return;
    }
    m_aboutBox = new TAboutBox(*m_services.dialogs, this);
    m_aboutBox->exec();
    delete m_aboutBox;
}

void TfrmMain::lvMainDblClick()
{
    const int row = m_list->selectedRow();
    if (row < 0)
        return;
    const AlarmEvent& event = m_alarms->at(row);
    if (event.schedule != nameOf(Schedule::Monthly) || event.days.isEmpty())
        return;
    QPointer<TDaysValue> view = new TDaysValue(this);
    view->setDays(DaysDisplayText(event.days));
    view->exec();
    delete view;
}
