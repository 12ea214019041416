// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tfrmmain.h"

#include "alarms/alarmlistmodel.h"
#include "app/mainformsettings.h"
#include "clock/tsmallclock.h"
#include "core/programinfo.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/settingsservice.h"
#include "platform/shell.h"
#include "platform/taskbarbutton.h"
#include "settings/tsetup.h"
#include "widgets/alarmlistpanel.h"
#include "widgets/chimebox.h"
#include "widgets/editorgroup.h"
#include "widgets/namedcontrols.h"
#include "widgets/songbox.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

TfrmMain::TfrmMain(const PlatformServices& services, SettingsService& settings, QString programDir, TSmallClock& clock,
                   TSetUp& setup, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint)
    , m_services(services)
    , m_settings(settings)
    , m_programDir(std::move(programDir))
    , m_clock(clock)
    , m_setup(setup)
    , m_options(setup.options())
    , m_dates(QLocale::system())
{
    setObjectName(QStringLiteral("TfrmMain"));
    setWindowTitle(ProgramInfo::name());
    createControls();
    createMenu();
    layOutControls();

    connect(btnExit, &QPushButton::clicked, this, &TfrmMain::btnExitClick);
    connect(this, &TfrmMain::quitRequested, this, [this] { writeLastWatch(m_services.clock->now()); });
    connect(mShow, &QAction::triggered, this, &TfrmMain::mShowClick);
    connect(mnuSettings, &QAction::triggered, this, &TfrmMain::mnuSettingsClick);
    connect(smACHelp, &QAction::triggered, this, &TfrmMain::smACHelpClick);
    connect(smAbout, &QAction::triggered, this, &TfrmMain::smAboutClick);
    connect(m_list, &AlarmListPanel::columnClicked, this, &TfrmMain::lvMainColumnClick);
    connect(m_list, &AlarmListPanel::rowDoubleClicked, this, &TfrmMain::lvMainDblClick);
    connect(m_songBox, &SongBox::songChosen, this, &TfrmMain::SaveSongSettings);
    connect(m_alarms, &AlarmListModel::enabledChangedByUser, this, [this] { SaveAlarmEvents(); });
    connect(&m_setup, &TSetUp::aboutToClose, this, &TfrmMain::refreshEffectiveDateAfterSettings);
    connect(&m_setup, &TSetUp::trayIconSwitched, this, &TfrmMain::trayIconSwitched);
    connect(&m_setup, &TSetUp::listFontApplied, m_list, &AlarmListPanel::setListFont);
    connect(&m_setup, &TSetUp::optionsChanged, this, [this](const AlarmOptions& options) { m_options = options; });
    m_setup.setMainWindow(this);
    createTrigger();
    connectListCommands();
    connectEditor();

    FormCreate();
}

TfrmMain::~TfrmMain()
{
    // The controls go after this body, and on their way out they still get events (hide, focus):
    // none of those may reach a handler of a window that is already half gone.
    m_editor->stopWatchingControls();
    for (QObject* child : std::initializer_list<QObject*>{m_list, m_editor, m_songBox, m_chimeBox})
        child->disconnect(this);
}

void TfrmMain::createControls()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);

    m_alarms = new AlarmListModel(this);
    m_alarms->setImages({QIcon(QStringLiteral(":/icons/bell.png")), QIcon(QStringLiteral(":/icons/exclamation.png"))});
    m_list = new AlarmListPanel(*m_alarms, *m_services.dialogs, central);
    m_editor = new EditorGroup(*m_services.clock, *m_services.dialogs, m_dates, central, central);
    m_chimeBox = new ChimeBox(*m_services.clock);
    m_songBox = new SongBox(m_programDir, m_chimeBox, central);

    btnExit = named(new QPushButton(tr("&Exit"), central), "btnExit", tr("Exit"));

    MainTimer = new QTimer(this);
    MainTimer->setObjectName(QStringLiteral("MainTimer"));
    MainTimer->setInterval(500);
    MainTimer->setTimerType(Qt::PreciseTimer);
    // Armed afresh for every tick, so that the ticks follow the wall clock's half seconds.
    MainTimer->setSingleShot(true);
}

void TfrmMain::createMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    mShow = bar->addAction(tr("Sh&ow"));
    mShow->setObjectName(QStringLiteral("mShow"));
    mnuSettings = bar->addAction(tr("&Settings"));
    mnuSettings->setObjectName(QStringLiteral("mnuSettings"));
    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mHelp"));
    smACHelp = help->addAction(tr("Alarm Clock Help"));
    smACHelp->setObjectName(QStringLiteral("smACHelp"));
    smAbout = help->addAction(tr("About"));
    smAbout->setObjectName(QStringLiteral("smAbout"));
}

void TfrmMain::layOutControls()
{
    auto* lower = new QHBoxLayout;
    lower->addWidget(m_editor, 3);
    lower->addWidget(m_songBox, 2);

    auto* exitRow = new QHBoxLayout;
    exitRow->addStretch();
    exitRow->addWidget(btnExit);

    auto* main = new QVBoxLayout(centralWidget());
    main->setContentsMargins(9, 9, 9, 9);
    main->addWidget(m_list, 1);
    main->addLayout(lower);
    main->addLayout(exitRow);
}

void TfrmMain::FormCreate()
{
    setWindowIcon(m_clock.windowIcon());
    if (screen()->logicalDotsPerInch() <= 96)
        resize(488, 379);
    else
        resize(595, 459);

    const QString outputDevice = readSetting(SettingNames::MainOutputDevice);
    const QString songName = readSetting(SettingNames::MainSongName);
    m_songBox->fill(outputDevice, songName);

    const QDateTime now = m_services.clock->now();
    m_editor->start(now, m_dates.displayDateFormat(m_options.dates));
    m_editor->centreCalendarIn(size());

    LastCheckDate = DateFormats::internalDate(now.date());
    LastCheckTime = DateFormats::internalTime(now.time());

    LoadMainFormSettings();
}

void TfrmMain::LoadMainFormSettings()
{
    const QSize screenSize = screen()->geometry().size();
    const MainFormSettings saved =
        MainFormSettings::read([this](const QString& name) { return readSetting(name); }, screenSize);
    move(saved.left.value_or(x()), saved.top.value_or(y()));
    resize(saved.width.value_or(width()), saved.height.value_or(height()));
    for (int column = 0; column < MainFormSettings::savedColumns; ++column) {
        if (saved.columnWidths[column] && column < ListedColumnCount)
            m_list->setColumnWidth(column, *saved.columnWidths[column]);
    }
    QFont listFont = m_list->listFont();
    if (saved.fontName)
        listFont.setFamily(*saved.fontName);
    if (saved.fontSize)
        listFont.setPointSize(*saved.fontSize);
    m_list->setListFont(listFont);
}

void TfrmMain::btnExitClick()
{
    std::array<int, MainFormSettings::savedColumns> widths;
    for (int column = 0; column < MainFormSettings::savedColumns; ++column)
        widths[column] = column < ListedColumnCount ? m_list->columnWidth(column) : 0;
    // A value that cannot be stored has been reported once; the rest of Exit does not run.
    if (!MainFormSettings::write(
            [this](const QString& name, const QString& value) { return writeSetting(name, value); }, widths,
            QRect(pos(), size())))
        return;
    if (m_trayMode) {
        hide();
        if (m_clock.isShowing())
            m_clock.activateWindow();
        return;
    }
    emit quitRequested();
}

void TfrmMain::keyPressEvent(QKeyEvent* event)
{
    // "Clear" is the window's cancel button: Esc that no control took for itself presses it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_list->pressClear();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    // The window is left through Exit; its close box does nothing.
    event->ignore();
}

void TfrmMain::mnuSettingsClick()
{
    m_services.taskbar->show();
    m_setup.show();
    m_setup.raise();
    m_setup.activateWindow();
}

void TfrmMain::smACHelpClick()
{
    const QString path = m_programDir + QStringLiteral("help") + QDir::separator() + QStringLiteral("achelp.htm");
    if (!QFileInfo::exists(path)) {
        m_services.dialogs->beep();
        m_services.dialogs->inform(tr("Help file not found. Visit Zib's home page to download one."), this);
        return;
    }
    if (!m_services.shell->open(QUrl::fromLocalFile(path))) {
        m_services.dialogs->refuse(tr("This file extension(.htm or .html) is not associated with any "
                                      "application! Failing to open file."),
                                   this);
    }
}

void TfrmMain::UpDateMyShortDateNDateTimeFormat()
{
    m_editor->setDisplayDateFormat(m_dates.displayDateFormat(m_options.dates));
}

void TfrmMain::refreshEffectiveDateAfterSettings()
{
    UpDateMyShortDateNDateTimeFormat();
    m_editor->setDateCaption(m_dates.RenderDate(m_editor->chosenDate(), m_options.dates));
}

QString TfrmMain::readSetting(const QString& name) const
{
    return m_settings.ReadIniFromReg(name);
}

bool TfrmMain::writeSetting(const QString& name, const QString& value)
{
    return m_settings.WriteIniToReg(name, value);
}

QString TfrmMain::today() const
{
    return DateFormats::internalDate(m_services.clock->now().date());
}

QString TfrmMain::now24() const
{
    return DateFormats::internalTime(m_services.clock->now().time());
}

QString TfrmMain::eventsFilePath() const
{
    return m_programDir + m_eventsFileName;
}
