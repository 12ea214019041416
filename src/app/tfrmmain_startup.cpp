// SPDX-License-Identifier: GPL-3.0-or-later
// The last steps of the main window's creation: the events file name, the first load and the
// main timer; and the application's activation handler.
#include "alarms/alarmlistmodel.h"
#include "app/eventsfilename.h"
#include "app/mainformsettings.h"
#include "app/tfrmmain.h"
#include "clock/tsmallclock.h"
#include "core/programinfo.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <QWindow>

bool TfrmMain::finishStartup()
{
    decideTrayMode();
    repaint();
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            ApplicationActivate();
    });
    if (GetAlarmEventsFileName() == QStringLiteral("Quit")) {
        m_services.dialogs->beep();
        m_services.dialogs->inform(tr("Received empty string or Cancel command. This will end the program"));
        return false;
    }
    completeInterruptedSave();
    LoadAlarmEvents();
    reportMissedSinceLastRun();
    restartMainTimer();
    return true;
}

QString TfrmMain::GetAlarmEventsFileName()
{
    const QString stored = readSetting(SettingNames::AlarmEventsFile);
    if (!stored.isEmpty()) {
        m_eventsFileName = stored;
        return {};
    }
    //: The program's title comes between the two parts of the first start's prompt.
    const QString prompt = tr("For the first initial setting, ") + ProgramInfo::title() +
                           tr(" will create a new file to store alarm events.\r\n\r\n"
                              "Please input a new filename :");
    for (;;) {
        const QString answer = m_services.dialogs->input(ProgramInfo::title(), prompt, QString()).value_or(QString());
        switch (checkEventsFileName(answer)) {
        case EventsFileNameCheck::Empty:
            return QStringLiteral("Quit");
        case EventsFileNameCheck::BadCharacters:
            m_services.dialogs->refuse(badFileNameCharactersMessage());
            continue;
        case EventsFileNameCheck::Acceptable:
            break;
        }
        m_eventsFileName = eventsFileNameFor(answer);
        if (QFileInfo::exists(eventsFilePath())) {
            m_services.dialogs->inform(tr("File already exists. Please input a new filename"));
            continue;
        }
        if (!SaveAlarmEvents())
            continue;
        writeSetting(SettingNames::AlarmEventsFile, m_eventsFileName);
        return {};
    }
}

void TfrmMain::ApplicationActivate()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!(window->windowTitle().contains(QStringLiteral("Message")) || window->inherits("TInputMsg")) ||
            !window->windowHandle())
            continue;
        window->windowHandle()->setFlag(Qt::WindowStaysOnTopHint, false);
        window->raise();
    }
    if (m_clock.isShowing())
        m_clock.activateWindow();
    m_clock.ShowOnTop();
}
