// SPDX-License-Identifier: GPL-3.0-or-later
#include "popups/tmsgout.h"

#include "core/settingvalues.h"
#include "core/vocabulary.h"
#include "platform/clock.h"
#include "platform/settingsservice.h"
#include "popups/popupwindow.h"
#include "widgets/dropdowncombobox.h"
#include "widgets/programicon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString kCaption = QStringLiteral("Msg");

int messageWindowCount()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return int(std::count_if(windows.cbegin(), windows.cend(),
                             [](const QWidget* w) { return w->windowTitle().contains(kCaption); }));
}
} // namespace

TMsgOut::TMsgOut(const PlatformServices& services, SettingsService& settings, QWidget* desktopClock,
                 QWidget* mainWindow, std::function<QString(const QDateTime&)> titleClock, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
    , m_services(services)
    , m_settings(settings)
    , m_desktopClock(desktopClock)
    , m_mainWindow(mainWindow)
    , m_titleClock(std::move(titleClock))
{
    setObjectName(QStringLiteral("TMsgOut"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kCaption);
    buildControls();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(800);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &TMsgOut::Timer1Timer);
    connect(btnOK, &QPushButton::clicked, this, &TMsgOut::btnOKClick);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TMsgOut::SpinEdit1Change);
    connect(cbPlayTimes, &DropDownComboBox::droppingDown, this, &TMsgOut::cbPlayTimesDropDown);
    SpinEdit1->installEventFilter(this);

    FormCreate();
    Timer1->start();
}

void TMsgOut::buildControls()
{
    mMsg = new QPlainTextEdit(this);
    mMsg->setObjectName(QStringLiteral("mMsg"));
    mMsg->setAccessibleName(tr("Message"));
    mMsg->setReadOnly(true);
    mMsg->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    imgMe = new QLabel(this);
    imgMe->setObjectName(QStringLiteral("imgMe"));
    imgMe->setAccessibleName(tr("Picture"));
    imgMe->setFixedSize(32, 32);
    imgMe->setScaledContents(true);

    lblRemind = new QLabel(tr("Remind me"), this);
    lblRemind->setObjectName(QStringLiteral("lblRemind"));
    lblRemind->setAccessibleName(lblRemind->text());

    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setAccessibleName(tr("Remind me"));
    SpinEdit1->setRange(0, 99);
    SpinEdit1->setValue(0);
    lblRemind->setBuddy(SpinEdit1);

    lblMins = new QLabel(tr("Min(s)"), this);
    lblMins->setObjectName(QStringLiteral("lblMins"));
    lblMins->setAccessibleName(lblMins->text());

    cbPlayTimes = new DropDownComboBox(this);
    cbPlayTimes->setObjectName(QStringLiteral("cbPlayTimes"));
    cbPlayTimes->setAccessibleName(tr("Play times"));

    btnOK = new QPushButton(tr("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setAccessibleName(tr("OK"));
    btnOK->setDefault(true);
    // The style's usual button width would push the window past its 323 pixels on small screens.
    btnOK->setMinimumWidth(60);

    auto* top = new QHBoxLayout;
    top->addWidget(imgMe, 0, Qt::AlignTop);
    top->addWidget(mMsg, 1);
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(4);
    bottom->addWidget(lblRemind);
    bottom->addWidget(SpinEdit1);
    bottom->addWidget(lblMins);
    bottom->addWidget(cbPlayTimes);
    bottom->addStretch(1);
    bottom->addWidget(btnOK);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
}

void TMsgOut::FormCreate()
{
    setWindowIcon(programIcon());
    mMsg->clear();
    m_lostFocus = false;
    m_snooze.cancel();

    cbPlayTimes->addItems(playTimesNames());
    cbPlayTimes->setCurrentIndex(0);

    bringToFront(*this);
    if (clockShowing())
        m_desktopClock->activateWindow();

    const QScreen* screen = this->screen();
    if (screen && screen->logicalDotsPerInch() <= 96)
        resize(323, 270);
    else
        resize(404, 338);
    centreOnScreen(*this);

    m_windowNumber = messageWindowCount();

    if (const auto fontSize = m_settings.integer(SettingNames::MsgFontSize, 7, 128)) {
        QFont font = mMsg->font();
        font.setPointSize(*fontSize);
        mMsg->setFont(font);
    }

    m_resizeSeen = false;
}

void TMsgOut::setMessage(const QString& text)
{
    // Messages keep their line breaks as CR LF pairs.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    mMsg->setPlainText(shown);
}

void TMsgOut::setPicture(const QPixmap& picture)
{
    imgMe->setPixmap(picture);
}

int TMsgOut::currentMinute() const
{
    return m_services.clock->now().time().minute();
}

void TMsgOut::Timer1Timer()
{
    const QDateTime now = m_services.clock->now();
    setWindowTitle(QStringLiteral("%1 %2, %3")
                       .arg(kCaption)
                       .arg(m_windowNumber)
                       .arg(m_titleClock ? m_titleClock(now) : QString()));

    if (!m_lostFocus) {
        if (!isActiveWindow())
            m_lostFocus = true;
        setStaysOnTop(*this, true);
        raise();
    }

    if (!m_snooze.tick(now.time().minute()))
        return;
    show();
    SpinEdit1->setValue(0);
    m_lostFocus = false;
    // Last step: the song may run a local event loop in which the user closes, and so deletes,
    // this window; nothing of it may be touched afterwards.
    emit remindRequested(cbPlayTimes->currentText());
}

void TMsgOut::btnOKClick()
{
    if (SpinEdit1->value() < 1) {
        m_snooze.cancel();
        close();
        return;
    }
    hide();
    m_snooze.start(currentMinute(), SpinEdit1->value());
    giveFocusAway();
}

bool TMsgOut::clockShowing() const
{
    return m_desktopClock && m_desktopClock->isVisible();
}

void TMsgOut::giveFocusAway()
{
    if (clockShowing())
        m_desktopClock->activateWindow();
    else if (m_mainWindow && m_mainWindow->isVisible())
        m_mainWindow->activateWindow();
    if (clockShowing())
        showOnTop(*m_desktopClock);
}

void TMsgOut::closeEvent(QCloseEvent* event)
{
    FormCloseQuery();
    event->accept();
}

void TMsgOut::FormCloseQuery()
{
    Timer1->stop();
    giveFocusAway();
}

void TMsgOut::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

void TMsgOut::FormResize()
{
    const bool normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    if (normal && m_resizeSeen) {
        m_lostFocus = true;
        setStaysOnTop(*this, false);
        if (clockShowing())
            showOnTop(*m_desktopClock);
    }
    m_resizeSeen = true;
}

void TMsgOut::SpinEdit1Change()
{
    m_lostFocus = true;
}

void TMsgOut::cbPlayTimesDropDown()
{
    m_lostFocus = true;
}

bool TMsgOut::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == SpinEdit1 && event->type() == QEvent::KeyPress)
        return SpinEdit1KeyPress(dynamic_cast<const QKeyEvent&>(*event));
    return QDialog::eventFilter(watched, event);
}

bool TMsgOut::SpinEdit1KeyPress(const QKeyEvent& key)
{
    return key.text() == QLatin1String("+") || key.text() == QLatin1String("-");
}
