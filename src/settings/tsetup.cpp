// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/tsetup.h"

#include "core/programinfo.h"
#include "core/settingvalues.h"
#include "platform/autostartentry.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/settingsservice.h"
#include "popups/popupwindow.h"
#include "settings/settingcheckbox.h"
#include "widgets/dropdowncombobox.h"
#include "widgets/programicon.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const char* const RunEntryFailure = QT_TRANSLATE_NOOP(
    "TSetUp",
    "Fail to update registry. If under Windows NT, only Administrator or Super Users have authorities to execute "
    "this command. Contact System Administrator to have furthur advice.");

template <typename W> W* named(W* widget, const QString& objectName, const QString& accessibleName)
{
    widget->setObjectName(objectName);
    widget->setAccessibleName(accessibleName);
    return widget;
}

SettingCheckBox* checkBox(const QString& objectName, const QString& caption, bool checked)
{
    auto* box = named(new SettingCheckBox(caption), objectName, caption);
    box->setChecked(checked);
    return box;
}

QLineEdit* readOnlyField(const QString& objectName, const QString& accessibleName)
{
    auto* field = named(new QLineEdit, objectName, accessibleName);
    field->setReadOnly(true);
    return field;
}

std::optional<QFont> runFontDialog(const QFont& current, QWidget* parent)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, current, parent);
    if (!ok)
        return std::nullopt;
    return font;
}

int pointSizeOf(const QFont& font)
{
    return font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
}

} // namespace

TSetUp::TSetUp(const PlatformServices& services, SettingsService& settings, QString programDir, QWidget* desktopClock,
               QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
    , m_services(services)
    , m_settings(settings)
    , m_programDir(std::move(programDir))
    , m_desktopClock(desktopClock)
    , m_fontChooser(runFontDialog)
    , m_dialogFont(QStringLiteral("MS Sans Serif"), 8)
{
    setObjectName(QStringLiteral("TSetUp"));
    setWindowTitle(tr("Settings"));
    buildControls();
    FormCreate();
    connectSaveSteps();
    connectAnnouncements();
}

QStringList TSetUp::datePatterns()
{
    return {QStringLiteral("dd/mm/yyyy"), QStringLiteral("mm/dd/yyyy"), QStringLiteral("yyyy/mm/dd"),
            QStringLiteral("yyyy/dd/mm"), QStringLiteral("dd/mm/yy"),   QStringLiteral("mm/dd/yy"),
            QStringLiteral("yy/mm/dd"),   QStringLiteral("yy/dd/mm")};
}

void TSetUp::buildControls()
{
    mnuClose = menuBar()->addAction(tr("Close"));
    mnuClose->setObjectName(QStringLiteral("mnuClose"));
    connect(mnuClose, &QAction::triggered, this, &TSetUp::mnuCloseClick);

    pcSettings = new QTabWidget;
    pcSettings->setObjectName(QStringLiteral("pcSettings"));
    setCentralWidget(pcSettings);
    auto addTab = [this](const QString& objectName, const QString& caption) {
        auto* page = named(new QWidget, objectName, caption);
        pcSettings->addTab(page, caption);
        return page;
    };
    tabSound = addTab(QStringLiteral("tabSound"), tr("Sound"));
    tabAlarm = addTab(QStringLiteral("tabAlarm"), tr("Alarm"));
    tabDate = addTab(QStringLiteral("tabDate"), tr("Date"));
    tabStartup = addTab(QStringLiteral("tabStartup"), tr("Startup"));
    tabScreen = addTab(QStringLiteral("tabScreen"), tr("Screen"));
    buildSoundTab();
    buildAlarmTab();
    buildDateTab();
    buildStartupTab();
    buildScreenTab();

    connect(btnFonts, &QPushButton::clicked, this, &TSetUp::btnFontsClick);
    connect(btnApplyMisc, &QPushButton::clicked, this, &TSetUp::btnApplyMiscClick);
    connect(chkThisFormat, &QCheckBox::toggled, this, &TSetUp::chkThisFormatClick);
    connect(cbDateFormat, &DropDownComboBox::droppingDown, this, &TSetUp::cbDateFormatDropDown);
    connect(cbDateFormat, &QComboBox::activated, this, &TSetUp::cbDateFormatClick);
    tabDate->installEventFilter(this);
    edThisSeparator->installEventFilter(this);
}

void TSetUp::buildSoundTab()
{
    chkSoundOn = checkBox(QStringLiteral("chkSoundOn"), tr("Sound on"), true);
    chkShowErrMsg = checkBox(QStringLiteral("chkShowErrMsg"), tr("Show error message if sound cannot be played"), true);
    chkSwap = checkBox(QStringLiteral("chkSwap"), tr("When MCI is busy, use internal speaker"), false);
    auto* soundLayout = new QVBoxLayout(tabSound);
    soundLayout->addWidget(chkSoundOn);
    soundLayout->addWidget(chkShowErrMsg);
    soundLayout->addWidget(chkSwap);
    soundLayout->addStretch();
}

void TSetUp::buildAlarmTab()
{
    chkRemove = checkBox(QStringLiteral("chkRemove"), tr("Remove it after executed"), false);
    const QString chimeCaption = tr("Chime checks exact minute instead of elapsed time");
    chkChimeAtMin = named(new QCheckBox(chimeCaption), QStringLiteral("chkChimeAtMin"), chimeCaption);
    chkChimeAtMin->hide();
    auto* alarmLayout = new QVBoxLayout(tabAlarm);
    alarmLayout->addWidget(chkRemove);
    alarmLayout->addWidget(chkChimeAtMin);
    alarmLayout->addStretch();
}

void TSetUp::buildDateTab()
{
    const QString curFormatCaption = tr("Current system date format :");
    const QString separatorCaption = tr("Current system date separator :");
    lblCurFormat = named(new QLabel(curFormatCaption), QStringLiteral("lblCurFormat"), curFormatCaption);
    edCurFormat = readOnlyField(QStringLiteral("edCurFormat"), curFormatCaption);
    lblSeparator = named(new QLabel(separatorCaption), QStringLiteral("lblSeparator"), separatorCaption);
    edSeparator = readOnlyField(QStringLiteral("edSeparator"), separatorCaption);
    for (QLineEdit* field : {edCurFormat, edSeparator})
        field->setFocusPolicy(Qt::NoFocus);
    edSeparator->setMaximumWidth(edSeparator->fontMetrics().averageCharWidth() * 5);
    lblCurFormat->setBuddy(edCurFormat);
    lblSeparator->setBuddy(edSeparator);
    chkThisFormat = checkBox(QStringLiteral("chkThisFormat"), tr("Use this date format :"), false);
    cbDateFormat = named(new DropDownComboBox, QStringLiteral("cbDateFormat"), tr("Use this date format :"));
    cbDateFormat->addItems(datePatterns());
    chkThisSeparator = checkBox(QStringLiteral("chkThisSeparator"), tr("Use this separator :"), false);
    chkThisSeparator->setEnabled(false);
    edThisSeparator = named(new QLineEdit, QStringLiteral("edThisSeparator"), tr("Use this separator :"));
    edThisSeparator->setMaxLength(1);
    edThisSeparator->setMaximumWidth(edSeparator->maximumWidth());
    edThisSeparator->setEnabled(false);
    // A pattern letter as separator would make the patterns ambiguous to read back.
    edThisSeparator->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^dmyDMY]?")), edThisSeparator));
    auto* dateLayout = new QGridLayout(tabDate);
    dateLayout->addWidget(lblCurFormat, 0, 0);
    dateLayout->addWidget(edCurFormat, 0, 1);
    dateLayout->addWidget(lblSeparator, 1, 0);
    dateLayout->addWidget(edSeparator, 1, 1);
    dateLayout->addWidget(chkThisFormat, 2, 0);
    dateLayout->addWidget(cbDateFormat, 2, 1);
    dateLayout->addWidget(chkThisSeparator, 3, 0);
    dateLayout->addWidget(edThisSeparator, 3, 1);
    dateLayout->setRowStretch(4, 1);
}

void TSetUp::buildStartupTab()
{
    chkStartup = checkBox(QStringLiteral("chkStartup"), tr("Load when Windows starts ( in tray )"), false);
    chkInTray = checkBox(QStringLiteral("chkInTray"), tr("Show icon in tray"), false);
    auto* startupLayout = new QVBoxLayout(tabStartup);
    startupLayout->addWidget(chkStartup);
    startupLayout->addWidget(chkInTray);
    startupLayout->addStretch();
}

void TSetUp::buildScreenTab()
{
    gbMainList = named(new QGroupBox(tr(" Main List ")), QStringLiteral("gbMainList"), tr(" Main List "));
    edFontName = readOnlyField(QStringLiteral("edFontName"), tr("Font name"));
    edFontSize = readOnlyField(QStringLiteral("edFontSize"), tr("Font size"));
    btnFonts = named(new QPushButton(tr("Fonts")), QStringLiteral("btnFonts"), tr("Fonts"));
    auto* fontLayout = new QGridLayout(gbMainList);
    fontLayout->addWidget(edFontName, 0, 0);
    fontLayout->addWidget(edFontSize, 0, 1);
    fontLayout->addWidget(btnFonts, 1, 1);
    btnApplyMisc = named(new QPushButton(tr("Apply")), QStringLiteral("btnApplyMisc"), tr("Apply"));
    btnApplyMisc->setDefault(true);
    auto* screenLayout = new QVBoxLayout(tabScreen);
    screenLayout->addWidget(gbMainList);
    screenLayout->addStretch();
    screenLayout->addWidget(btnApplyMisc, 0, Qt::AlignRight);
    // A main window has no default button of its own: Enter anywhere applies, as in a dialog.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, btnApplyMisc, &QPushButton::click);
    }
}

void TSetUp::FormCreate()
{
    edCurFormat->clear();
    edSeparator->clear();
    edThisSeparator->clear();

    setWindowIcon(programIcon());
    pcSettings->setCurrentWidget(tabSound);
    const QScreen* display = screen();
    if (display && display->logicalDotsPerInch() <= 96)
        resize(337, 275);
    else
        resize(463, 382);
    if (display)
        move(display->availableGeometry().center() - rect().center());

    LoadSettings();
    // The title bar offers no Close: there is no close button, and closeEvent refuses.
}

void TSetUp::LoadSettings()
{
    using namespace SettingNames;
    if (m_settings.flag(CheckStartup))
        chkStartup->setChecked(true);
    if (m_settings.flag(CheckSeparator))
        chkThisSeparator->setChecked(true);
    if (const QString separator = read(Separator); !separator.isEmpty())
        edThisSeparator->setText(separator);
    if (m_settings.flag(CheckDateFormat))
        chkThisFormat->setChecked(true);
    if (const QString format = read(DateFormat); !format.isEmpty() && cbDateFormat->count() > 0) {
        cbDateFormatDropDown();
        if (const int index = cbDateFormat->findText(format); index >= 0)
            cbDateFormat->setCurrentIndex(index);
    }
    if (m_settings.flag(CheckRemoveAlarm))
        chkRemove->setChecked(true);
    chkSoundOn->setChecked(m_settings.flag(CheckSoundOn));
    chkShowErrMsg->setChecked(m_settings.flag(CheckShowErrMsg));
    if (m_settings.flag(BusyMCISwapIntSpeaker))
        chkSwap->setChecked(true);
    chkInTray->setChecked(m_settings.flag(CheckInTray));
    if (const QString name = read(MainListFontName); !name.isEmpty())
        edFontName->setText(name);
    if (const QString size = read(MainListFontSize); !size.isEmpty())
        edFontSize->setText(size);
    chkChimeAtMin->setChecked(m_settings.flag(CheckChimeAtMin));
}

void TSetUp::connectSaveSteps()
{
    const std::pair<SettingCheckBox*, QString> plainBoxes[] = {
        {chkSoundOn, SettingNames::CheckSoundOn},       {chkShowErrMsg, SettingNames::CheckShowErrMsg},
        {chkSwap, SettingNames::BusyMCISwapIntSpeaker}, {chkRemove, SettingNames::CheckRemoveAlarm},
        {chkThisFormat, SettingNames::CheckDateFormat}, {chkThisSeparator, SettingNames::CheckSeparator},
    };
    for (const auto& [box, name] : plainBoxes)
        connect(box, &SettingCheckBox::saveRequested, this, [this, box = box, name = name] { writeFlag(name, box); });
    connect(chkStartup, &SettingCheckBox::saveRequested, this, &TSetUp::ApplyStartup);
    connect(chkInTray, &SettingCheckBox::saveRequested, this, &TSetUp::ApplyTrayIcon);
}

// Every way a control can change, the program's own setChecked() included, announces the options.
void TSetUp::connectAnnouncements()
{
    const auto announce = [this] { emit optionsChanged(options()); };
    QCheckBox* const boxes[] = {chkSoundOn, chkShowErrMsg, chkSwap,       chkRemove,       chkChimeAtMin,
                                chkStartup, chkInTray,     chkThisFormat, chkThisSeparator};
    for (QCheckBox* box : boxes)
        connect(box, &QCheckBox::toggled, this, announce);
    connect(cbDateFormat, &QComboBox::currentTextChanged, this, announce);
    connect(edThisSeparator, &QLineEdit::textChanged, this, announce);
}

void TSetUp::setMainWindow(QWidget* mainWindow)
{
    m_mainWindow = mainWindow;
}

void TSetUp::setFontChooser(FontChooser chooser)
{
    m_fontChooser = std::move(chooser);
}

AlarmOptions TSetUp::options() const
{
    return {.soundOn = chkSoundOn->isChecked(),
            .showErrMsg = chkShowErrMsg->isChecked(),
            .swapToSpeaker = chkSwap->isChecked(),
            .removeAfterExecuted = chkRemove->isChecked(),
            .chimeAtExactMinute = chkChimeAtMin->isChecked(),
            .loadAtStartup = chkStartup->isChecked(),
            .showIconInTray = chkInTray->isChecked(),
            .dates = {chkThisFormat->isChecked(), cbDateFormat->currentText(), chkThisSeparator->isChecked(),
                      edThisSeparator->text()}};
}

void TSetUp::dropIconInTray()
{
    if (!chkInTray->isChecked())
        return;
    chkInTray->setChecked(false);
    writeFlag(SettingNames::CheckInTray, chkInTray);
}

void TSetUp::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

bool TSetUp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tabDate && event->type() == QEvent::Show)
        tabDateShow();
    else if (watched == edThisSeparator && event->type() == QEvent::KeyRelease &&
             !dynamic_cast<const QKeyEvent&>(*event).isAutoRepeat())
        edThisSeparatorKeyUp();
    return QMainWindow::eventFilter(watched, event);
}

void TSetUp::mnuCloseClick()
{
    emit aboutToClose();
    hide();
    if (m_desktopClock && m_desktopClock->isVisible()) {
        showOnTop(*m_desktopClock);
        m_desktopClock->activateWindow();
    } else if (m_mainWindow && m_mainWindow->isVisible()) {
        m_mainWindow->activateWindow();
    }
}

void TSetUp::chkThisFormatClick()
{
    const bool on = chkThisFormat->isChecked();
    chkThisSeparator->setEnabled(on);
    edThisSeparator->setEnabled(on);
}

void TSetUp::cbDateFormatDropDown()
{
    if (cbDateFormat->count() == 0 || !chkThisSeparator->isChecked() || edThisSeparator->text().isEmpty())
        return;
    // Built from the plain patterns rather than by replacing the previous separator, which may
    // be a character that the patterns contain anyway.
    const QString separator = edThisSeparator->text();
    const QStringList patterns = datePatterns();
    for (int i = 0; i < cbDateFormat->count() && i < patterns.size(); ++i)
        cbDateFormat->setItemText(i, QString(patterns[i]).replace(QLatin1Char('/'), separator));
}

void TSetUp::cbDateFormatClick()
{
    if (!cbDateFormat->currentText().isEmpty())
        write(SettingNames::DateFormat, cbDateFormat->currentText());
}

void TSetUp::edThisSeparatorKeyUp()
{
    if (edThisSeparator->text().isEmpty())
        return;
    if (!write(SettingNames::Separator, edThisSeparator->text()))
        return;
    const int index = cbDateFormat->currentIndex();
    cbDateFormatDropDown();
    cbDateFormat->setCurrentIndex(index);
    cbDateFormatClick();
}

void TSetUp::tabDateShow()
{
    const DateFormats formats;
    edCurFormat->setText(formats.YMD_To_ShortDate(DateFormats::internalDate(m_services.clock->now().date())));
    edSeparator->setText(QString(formats.startDateSeparator()));
}

void TSetUp::btnFontsClick()
{
    const std::optional<QFont> font = m_fontChooser(m_dialogFont, this);
    if (!font)
        return;
    m_dialogFont = *font;
    m_chosenFont = *font;
    edFontName->setText(font->family());
    edFontSize->setText(QString::number(pointSizeOf(*font)));
}

void TSetUp::btnApplyMiscClick()
{
    if (!m_chosenFont)
        return;
    emit listFontApplied(*m_chosenFont);
    if (write(SettingNames::MainListFontName, edFontName->text()))
        write(SettingNames::MainListFontSize, edFontSize->text());
}

void TSetUp::ApplyStartup()
{
    const QString name = ProgramInfo::title();
    const bool ok =
        chkStartup->isChecked() ? AddRunEntry(name, m_programDir + QStringLiteral("zibac")) : RemoveRunEntry(name);
    if (!ok)
        chkStartup->setChecked(!m_services.autostart->programPath(name).isEmpty());
    writeFlag(SettingNames::CheckStartup, chkStartup);
}

void TSetUp::ApplyTrayIcon()
{
    if (writeFlag(SettingNames::CheckInTray, chkInTray))
        emit trayIconSwitched(chkInTray->isChecked());
}

bool TSetUp::AddRunEntry(const QString& name, const QString& path)
{
    if (m_services.autostart->add(name, path))
        return true;
    reportRunEntryFailure();
    return false;
}

bool TSetUp::RemoveRunEntry(const QString& name)
{
    if (!m_services.autostart->remove(name)) {
        const QString path = m_services.autostart->programPath(name);
        if (!path.isEmpty() && QFileInfo::exists(path)) {
            reportRunEntryFailure();
            return false;
        }
    }
    return true;
}

void TSetUp::reportRunEntryFailure()
{
    m_services.dialogs->message(tr(RunEntryFailure), Dialogs::Icon::None, ProgramInfo::title(), this);
}

bool TSetUp::writeFlag(const QString& name, const QCheckBox* box)
{
    return m_settings.writeFlag(name, box->isChecked());
}

QString TSetUp::read(const QString& name) const
{
    return m_settings.ReadIniFromReg(name);
}

bool TSetUp::write(const QString& name, const QString& value)
{
    return m_settings.WriteIniToReg(name, value);
}
