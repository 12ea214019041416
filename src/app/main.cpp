// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/programfolderstart.h"
#include "app/translations.h"
#include "app/zibapplication.h"
#include "core/programinfo.h"
#include "core/settingvalues.h"
#include "platform/audio/sndfilewaveplayer.h"
#include "platform/audio/speakertoneoutput.h"
#include "platform/clock.h"
#include "platform/desktopshell.h"
#include "platform/lockfileinstancelock.h"
#include "platform/messageboxdialogs.h"
#include "platform/platformservices.h"
#include "platform/processcommandrunner.h"
#include "platform/programdir.h"
#include "platform/qsettingsstore.h"
#include "platform/settingsservice.h"
#include "platform/systemtrayiconhost.h"
#include "platform/taskbarbutton.h"
#include "platform/xdg/xdgautostartentry.h"
#include "platform/xdg/xdglastwatch.h"
#include "widgets/accessibleinterfaces.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

#include <cstdio>

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Translations translations;
    translations.load(QLocale::system().uiLanguages());
    if (const auto answer = answerCommandLine(arguments, &translations)) {
        std::fputs(answer->toLocal8Bit().constData(), stdout);
        return 0;
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        if (const QByteArray platform = platformForSession(qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"));
            !platform.isEmpty())
            qputenv("QT_QPA_PLATFORM", platform);
    }

    QApplication app(argc, argv);
    translations.install();
    QApplication::setApplicationName(ProgramInfo::title());
    QApplication::setDesktopFileName(ProgramInfo::applicationId());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zibac-256.png")));
    // The desktop clock plays the main window: closing other windows never ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    installAccessibleInterfaces();

    SystemClock clock;
    QSettingsStore settings;
    MessageBoxDialogs dialogs;
    TaskbarState taskbar;
    SndfileWavePlayer wave;
    SpeakerToneOutput tone;
    ProcessCommandRunner commands;
    DesktopShell shell;
    XdgAutostartEntry autostart(QApplication::applicationFilePath());
    SystemTrayIconHost tray;
    XdgLastWatch lastWatch(XdgLastWatch::defaultPath());
    const PlatformServices services{.clock = &clock,
                                    .settings = &settings,
                                    .dialogs = &dialogs,
                                    .taskbar = &taskbar,
                                    .wave = &wave,
                                    .tone = &tone,
                                    .commands = &commands,
                                    .shell = &shell,
                                    .autostart = &autostart,
                                    .tray = &tray,
                                    .lastWatch = &lastWatch};

    SettingsService settingsService(settings, dialogs);
    const std::optional<QString> programDir = openProgramFolder(
        dialogs, QApplication::applicationDirPath(), settingsService.ReadIniFromReg(SettingNames::AlarmEventsFile));
    if (!programDir)
        return 1;
    LockFileInstanceLock lock(ProgramInfo::instanceName());
    ZibApplication zib(services, settingsService, programDirFor(*programDir));
    // Not quit(): Qt 6 first asks every window to close, and the main window refuses to (it is
    // left through Exit), which would cancel the end of the program.
    QObject::connect(
        &zib, &ZibApplication::quitRequested, &app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    if (zib.start(lock) != ZibApplication::StartResult::Running)
        return 0;
    return QApplication::exec();
}
