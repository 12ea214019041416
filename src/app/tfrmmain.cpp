#include "app/tfrmmain.h"

#include "alarms/alarmlistmodel.h"
#include "alarms/timegrid.h"
#include "app/mainformsettings.h"
#include "clock/tsmallclock.h"
#include "core/programinfo.h"
#include "core/vocabulary.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/settingsservice.h"
#include "platform/shell.h"
#include "platform/taskbarbutton.h"
#include "settings/tsetup.h"
#include "widgets/dropdowncombobox.h"
#include "widgets/updown.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int listColumnWidths[] = {85, 160, 85, 200};
constexpr int gridColumnWidths[] = {19, 8, 19, 8, 19, 24};

template <typename W> W* named(W* widget, const char* objectName, const QString& accessibleName = {})
{
    widget->setObjectName(QLatin1String(objectName));
    widget->setAccessibleName(accessibleName);
    return widget;
}

QToolButton* speedButton(const char* objectName, const QString& caption, QWidget* parent)
{
    auto* button = named(new QToolButton(parent), objectName, caption);
    button->setText(caption);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

QToolButton* hintButton(const char* objectName, const QString& hint, QWidget* parent)
{
    auto* button = named(new QToolButton(parent), objectName, hint);
    button->setToolTip(hint);
    return button;
}
} // namespace

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
    connect(mShow, &QAction::triggered, this, &TfrmMain::mShowClick);
    connect(mnuSettings, &QAction::triggered, this, &TfrmMain::mnuSettingsClick);
    connect(smACHelp, &QAction::triggered, this, &TfrmMain::smACHelpClick);
    connect(smAbout, &QAction::triggered, this, &TfrmMain::smAboutClick);
    connect(lvMain->header(), &QHeaderView::sectionClicked, this, &TfrmMain::lvMainColumnClick);
    // Qt reports the second of two quick clicks only as a double click.
    connect(lvMain->header(), &QHeaderView::sectionDoubleClicked, this, &TfrmMain::lvMainColumnClick);
    connect(lvMain, &QTreeView::doubleClicked, this, &TfrmMain::lvMainDblClick);
    connect(rbWave, &QRadioButton::clicked, this, &TfrmMain::rbWaveMouseUp);
    connect(rbInternalSpeaker, &QRadioButton::clicked, this, &TfrmMain::rbInternalSpeakerMouseUp);
    connect(cbTestSongs, &QComboBox::activated, this, &TfrmMain::cbTestSongsClick);
    connect(cbTestSongs, &DropDownComboBox::droppingDown, this, &TfrmMain::cbTestSongsDropDown);
    connect(m_alarms, &AlarmListModel::enabledChangedByUser, this, [this] { SaveAlarmEvents(); });
    connect(&m_setup, &TSetUp::aboutToClose, this, &TfrmMain::refreshEffectiveDateAfterSettings);
    connect(&m_setup, &TSetUp::trayIconSwitched, this, &TfrmMain::trayIconSwitched);
    connect(&m_setup, &TSetUp::listFontApplied, this, [this](const QFont& font) { lvMain->setFont(font); });
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
    delete m_editorHook;
    lvMain->removeEventFilter(this);
}

void TfrmMain::createControls()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);

    m_alarms = new AlarmListModel(this);
    m_alarms->setImages({QIcon(QStringLiteral(":/icons/bell.png")), QIcon(QStringLiteral(":/icons/exclamation.png"))});
    lvMain = named(new QTreeView(central), "lvMain", QStringLiteral("Alarm events"));
    lvMain->setModel(m_alarms);
    lvMain->setRootIsDecorated(false);
    lvMain->setItemsExpandable(false);
    lvMain->setUniformRowHeights(true);
    lvMain->setAllColumnsShowFocus(true);
    lvMain->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvMain->setSelectionMode(QAbstractItemView::SingleSelection);
    lvMain->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvMain->setFocusPolicy(Qt::ClickFocus);
    lvMain->header()->setSectionsMovable(false);
    lvMain->header()->setSectionsClickable(true);
    lvMain->header()->setStretchLastSection(false);
    lvMain->header()->setMinimumSectionSize(1);
    for (int column = 0; column < ListedColumnCount; ++column)
        lvMain->setColumnWidth(column, listColumnWidths[column]);

    sbLoad = speedButton("sbLoad", QStringLiteral("Load"), central);
    btnSave = speedButton("btnSave", QStringLiteral("Save"), central);
    btnEdit = named(new QPushButton(QStringLiteral("Edit"), central), "btnEdit", QStringLiteral("Edit"));
    btnEdit->setCheckable(true);
    btnEdit->setFocusPolicy(Qt::NoFocus);
    btnCopy = speedButton("btnCopy", QStringLiteral("Copy"), central);
    btnDelete = speedButton("btnDelete", QStringLiteral("Delete"), central);
    btnClearAll = named(new QPushButton(QStringLiteral("Clear"), central), "btnClearAll", QStringLiteral("Clear"));
    for (QPushButton* button : {btnEdit, btnClearAll})
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    btnDisabledAll = hintButton("btnDisabledAll", QStringLiteral("Disabled all alarm events"), central);
    btnDisabledAll->setCheckable(true);
    btnDisabledAll->setFocusPolicy(Qt::NoFocus);
    btnDisabledAll->setIcon(style()->standardIcon(QStyle::SP_MediaPause));

    gbInp = named(new QGroupBox(central), "gbInp");
    lblMain = named(new QLabel(QStringLiteral("New Alarm :"), gbInp), "lblMain", QStringLiteral("New Alarm :"));
    sgTime = named(new QTableWidget(1, 6, gbInp), "sgTime", QStringLiteral("Time"));
    sgTime->horizontalHeader()->hide();
    sgTime->horizontalHeader()->setMinimumSectionSize(1);
    sgTime->verticalHeader()->hide();
    sgTime->setShowGrid(false);
    sgTime->setTextElideMode(Qt::ElideNone);
    sgTime->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgTime->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgTime->setSelectionMode(QAbstractItemView::SingleSelection);
    sgTime->verticalHeader()->setDefaultSectionSize(18);
    QFont gridFont(QStringLiteral("Arial"));
    gridFont.setPixelSize(13);
    sgTime->setFont(gridFont);
    UpDown1 = named(new UpDown(gbInp), "UpDown1", QStringLiteral("Up-down"));
    cbSchedule = named(new QComboBox(gbInp), "cbSchedule", QStringLiteral("Schedule"));
    cbSchedule->setToolTip(QStringLiteral("Schedule"));
    cbPlayTimes = named(new QComboBox(gbInp), "cbPlayTimes", QStringLiteral("Times of playing sound"));
    cbPlayTimes->setToolTip(QStringLiteral("Times of playing sound"));
    edRunPara = named(new QLineEdit(gbInp), "edRunPara", QStringLiteral("Run this application and its parameters"));
    edRunPara->setToolTip(QStringLiteral("Run this application and its parameters"));
    edRunPara->setEnabled(false);
    btnTestRunApp = hintButton("btnTestRunApp", QStringLiteral("Test"), gbInp);
    btnTestRunApp->setText(QStringLiteral("..."));
    btnTestRunApp->setEnabled(false);
    // The date itself is the label's accessible name; its purpose is the description.
    lblEffectiveDate = named(new QLabel(gbInp), "lblEffectiveDate");
    lblEffectiveDate->setAccessibleDescription(QStringLiteral("Effective date"));
    lblEffectiveDate->setAutoFillBackground(true);
    lblEffectiveDate->setTextFormat(Qt::PlainText);
    lblEffectiveDate->setCursor(Qt::PointingHandCursor);
    btnAddMsg = named(new QPushButton(QStringLiteral("Add"), gbInp), "btnAddMsg", QStringLiteral("Add with message"));
    btnAddMsg->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    btnAddMsg->setLayoutDirection(Qt::RightToLeft);
    btnAdd = named(new QPushButton(QStringLiteral("Add"), gbInp), "btnAdd", QStringLiteral("Add"));
    MonthCalendar1 = named(new QCalendarWidget(central), "MonthCalendar1", QStringLiteral("Effective date"));
    MonthCalendar1->hide();

    GroupBox1 = named(new QGroupBox(QStringLiteral(" So&ng "), central), "GroupBox1", QStringLiteral("Song"));
    rbWave = named(new QRadioButton(QStringLiteral("Wave"), GroupBox1), "rbWave", QStringLiteral("Wave"));
    rbInternalSpeaker = named(new QRadioButton(QStringLiteral("Int Speaker"), GroupBox1), "rbInternalSpeaker",
                              QStringLiteral("Int Speaker"));
    cbTestSongs = named(new DropDownComboBox(GroupBox1), "cbTestSongs", QStringLiteral("Song"));
    btnTestSongs = hintButton("btnTestSongs", QStringLiteral("Play"), GroupBox1);
    btnTestSongs->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    btnStop = hintButton("btnStop", QStringLiteral("Stop"), GroupBox1);
    btnStop->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    chkSnooze = named(new QCheckBox(QStringLiteral("Chime"), GroupBox1), "chkSnooze", QStringLiteral("Chime"));
    cbChimeTime = named(new DropDownComboBox(GroupBox1), "cbChimeTime", QStringLiteral("Chime time"));

    btnExit = named(new QPushButton(QStringLiteral("&Exit"), central), "btnExit", QStringLiteral("Exit"));

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
    mShow = bar->addAction(QStringLiteral("Sh&ow"));
    mShow->setObjectName(QStringLiteral("mShow"));
    mnuSettings = bar->addAction(QStringLiteral("&Settings"));
    mnuSettings->setObjectName(QStringLiteral("mnuSettings"));
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mHelp"));
    smACHelp = help->addAction(QStringLiteral("Alarm Clock Help"));
    smACHelp->setObjectName(QStringLiteral("smACHelp"));
    smAbout = help->addAction(QStringLiteral("About"));
    smAbout->setObjectName(QStringLiteral("smAbout"));
}

void TfrmMain::layOutControls()
{
    auto* buttons = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{sbLoad, btnSave, btnEdit, btnCopy, btnDelete, btnClearAll, btnDisabledAll})
        buttons->addWidget(w);
    buttons->addStretch();

    // The design widths suit the narrow font they were drawn for; wider fonts widen the cells.
    const QFontMetrics metrics(sgTime->font());
    const int numberWidth = metrics.horizontalAdvance(QStringLiteral("00")) + 10;
    const int markerWidth = metrics.horizontalAdvance(QStringLiteral("PM")) + 10;
    const int separatorWidth = metrics.horizontalAdvance(QLatin1Char(':')) + 4;
    const int neededWidths[] = {numberWidth, separatorWidth, numberWidth, separatorWidth, numberWidth, markerWidth};
    int gridWidth = 2 * sgTime->frameWidth();
    for (int column = 0; column < 6; ++column) {
        const int width = std::max(gridColumnWidths[column], neededWidths[column]);
        sgTime->setColumnWidth(column, width);
        gridWidth += width;
    }
    sgTime->setFixedSize(gridWidth, metrics.height() + 8);

    auto* editor = new QGridLayout(gbInp);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(sgTime);
    timeRow->addWidget(UpDown1);
    timeRow->addStretch();
    editor->addWidget(lblMain, 0, 0);
    editor->addLayout(timeRow, 0, 1);
    editor->addWidget(cbSchedule, 1, 0);
    editor->addWidget(cbPlayTimes, 1, 1);
    auto* runRow = new QHBoxLayout;
    runRow->addWidget(edRunPara);
    runRow->addWidget(btnTestRunApp);
    editor->addLayout(runRow, 2, 0, 1, 2);
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(lblEffectiveDate, 1);
    addRow->addWidget(btnAddMsg);
    addRow->addWidget(btnAdd);
    editor->addLayout(addRow, 3, 0, 1, 2);

    auto* song = new QGridLayout(GroupBox1);
    song->addWidget(rbWave, 0, 0);
    song->addWidget(rbInternalSpeaker, 0, 1, 1, 2);
    song->addWidget(cbTestSongs, 1, 0, 1, 2);
    auto* play = new QHBoxLayout;
    play->addWidget(btnTestSongs);
    play->addWidget(btnStop);
    song->addLayout(play, 1, 2);
    song->addWidget(chkSnooze, 2, 0);
    song->addWidget(cbChimeTime, 2, 1, 1, 2);

    auto* lower = new QHBoxLayout;
    lower->addWidget(gbInp, 3);
    lower->addWidget(GroupBox1, 2);

    auto* exitRow = new QHBoxLayout;
    exitRow->addStretch();
    exitRow->addWidget(btnExit);

    auto* main = new QVBoxLayout(centralWidget());
    main->setContentsMargins(9, 9, 9, 9);
    main->addWidget(lvMain, 1);
    main->addLayout(buttons);
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

    cbPlayTimes->addItems(playTimesNames());
    cbPlayTimes->setCurrentIndex(0);
    cbSchedule->addItems(scheduleNames());
    cbSchedule->setCurrentIndex(0);
    cbSchedule->setMaxVisibleItems(cbSchedule->count());
    cbChimeTime->addItems({QStringLiteral("Quarter"), QStringLiteral("Half Hour"), QStringLiteral("Top")});
    for (int minutes = 1; minutes <= 60; ++minutes)
        cbChimeTime->addItem(QString::number(minutes));
    cbChimeTime->setCurrentIndex(-1);

    const QString outputDevice = readSetting(SettingNames::MainOutputDevice);
    const QString songName = readSetting(SettingNames::MainSongName);
    fillSongBox(outputDevice, songName);

    const QDateTime now = m_services.clock->now();
    UpDateMyShortDateNDateTimeFormat();
    lblEffectiveDate->setText(m_dates.formatDate(now.date(), DisplayDateFormat));
    ChosenDate = DateFormats::internalDate(now.date());
    EffDateFontColor = lblEffectiveDate->palette().color(QPalette::WindowText);
    EffDateBackColor = lblEffectiveDate->palette().color(QPalette::Window);
    MonthCalendar1->setSelectedDate(now.date());
    MonthCalendar1->adjustSize();
    MonthCalendar1->move((width() - MonthCalendar1->width()) / 2, (height() - MonthCalendar1->height()) / 2 - 20);

    LastCheckDate = DateFormats::internalDate(now.date());
    LastCheckTime = DateFormats::internalTime(now.time());

    ShowTimeInGrid(now.time());
    sgTime->setCurrentCell(0, 0);
    UpDown1->setRange(0, 13);
    UpDown1->setPosition(sgTime->item(0, 0)->text().toInt());

    LoadMainFormSettings();
}

void TfrmMain::ShowTimeInGrid(const QTime& time)
{
    setGridCells(timeGridForNow(time));
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
            lvMain->setColumnWidth(column, *saved.columnWidths[column]);
    }
    QFont listFont = lvMain->font();
    if (saved.fontName)
        listFont.setFamily(*saved.fontName);
    if (saved.fontSize)
        listFont.setPointSize(*saved.fontSize);
    lvMain->setFont(listFont);
}

void TfrmMain::btnExitClick()
{
    std::array<int, MainFormSettings::savedColumns> widths;
    for (int column = 0; column < MainFormSettings::savedColumns; ++column)
        widths[column] = column < ListedColumnCount ? lvMain->columnWidth(column) : 0;
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
        if (btnClearAll->isEnabled())
            btnClearAll->click();
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
        m_services.dialogs->inform(QStringLiteral("Help file not found. Visit Zib's home page to download one."), this);
        return;
    }
    if (!m_services.shell->open(QUrl::fromLocalFile(path))) {
        m_services.dialogs->refuse(QStringLiteral("This file extension(.htm or .html) is not associated with any "
                                                  "application! Failing to open file."),
                                   this);
    }
}

void TfrmMain::UpDateMyShortDateNDateTimeFormat()
{
    DisplayDateFormat = m_dates.displayDateFormat(m_options.dates);
}

void TfrmMain::refreshEffectiveDateAfterSettings()
{
    UpDateMyShortDateNDateTimeFormat();
    lblEffectiveDate->setText(m_dates.RenderDate(ChosenDate, m_options.dates));
}

void TfrmMain::setEffectiveDateColours(bool today)
{
    QPalette palette = lblEffectiveDate->palette();
    palette.setColor(QPalette::WindowText, today ? EffDateFontColor : EffDateBackColor);
    palette.setColor(QPalette::Window, today ? EffDateBackColor : EffDateFontColor);
    lblEffectiveDate->setPalette(palette);
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
