// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/tsmallclock.h"

#include "clock/clocktexts.h"
#include "core/programinfo.h"
#include "core/settingvalues.h"
#include "platform/clock.h"
#include "platform/settingsservice.h"
#include "platform/taskbarbutton.h"
#include "popups/popupwindow.h"
#include "widgets/programicon.h"
#include "widgets/tlabel3d.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

namespace {
const QColor kClockColour(200, 216, 192);
constexpr int kTimeWidth = 125;
constexpr int kTimeWidthWithDate = 89;
constexpr int kHotAreaWidth = 13;

template <typename W> W* named(W* widget, const char* name, const QString& accessibleName)
{
    widget->setObjectName(QLatin1String(name));
    widget->setAccessibleName(accessibleName);
    return widget;
}
} // namespace

TSmallClock::TSmallClock(const PlatformServices& services, SettingsService& settings, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_services(services)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("TSmallClock"));
    setWindowTitle(tr("Clock"));
    createControls();
    createMenu();
    FormCreate();
}

TSmallClock::~TSmallClock() = default;

void TSmallClock::createControls()
{
    imgBackground = named(new QLabel(this), "imgBackground", tr("Clock face"));
    const QPixmap face(QStringLiteral(":/icons/clockface.png"));
    imgBackground->setPixmap(face);
    imgBackground->setGeometry(QRect(QPoint(0, 0), face.isNull() ? QSize(153, 17) : face.size()));
    imgBackground->setMouseTracking(true);

    lblDT = named(new TLabel3D(this), "lblDT", tr("Time"));
    lblDT->setAutoSize(false);
    lblDT->setGeometry(16, 1, kTimeWidth, 16);
    lblDT->setAlignment(Qt::AlignCenter);
    lblDT->setTransparent(true);
    QFont timeFont(QStringLiteral("Times New Roman"));
    timeFont.setPixelSize(designPixels(13));
    lblDT->setFont(timeFont);
    lblDT->setTextStyle(TLabel3D::tsNone);
    lblDT->setShift(1);
    lblDT->setMouseTracking(true);

    lblDate = named(new TLabel3D(this), "lblDate", tr("Date"));
    lblDate->setAutoSize(false);
    lblDate->setGeometry(104, 1, 39, 14);
    lblDate->setTransparent(true);
    QFont dateFont(QStringLiteral("Small Fonts"));
    dateFont.setPixelSize(designPixels(10));
    lblDate->setFont(dateFont);
    lblDate->setFontColor(QColor(0, 128, 128));
    lblDate->setTextStyle(TLabel3D::tsNone);
    lblDate->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblDate->setMouseTracking(true);
    lblDate->hide();

    // The hot areas lie over the ends of the face, above the labels.
    lblLeft = named(new QLabel(this), "lblLeft", tr("Clock menu"));
    lblLeft->setGeometry(0, 1, kHotAreaWidth, 16);
    lblRight = named(new QLabel(this), "lblRight", tr("Hide clock"));
    lblRight->setGeometry(imgBackground->width() - 12, 1, kHotAreaWidth, 16);

    imgCaption = named(new QLabel(this), "imgCaption", ProgramInfo::title());
    imgCaption->hide();

    for (QWidget* w : std::initializer_list<QWidget*>{imgBackground, lblLeft, lblRight, lblDT, lblDate})
        w->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(400);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &TSmallClock::Timer1Timer);
}

void TSmallClock::createMenu()
{
    popClock = new QMenu(this);
    popClock->setObjectName(QStringLiteral("popClock"));
    auto checkItem = [this](const QString& text, const char* name, void (TSmallClock::*handler)()) {
        QAction* item = popClock->addAction(text);
        item->setObjectName(QLatin1String(name));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, handler);
        return item;
    };
    m24hour = checkItem(tr("24 hour"), "m24hour", &TSmallClock::m24hourClick);
    mEnabledSec = checkItem(tr("Enabled Second"), "mEnabledSec", &TSmallClock::mEnabledSecClick);
    mEnabledSec->setChecked(true);
    mSize = popClock->addMenu(tr("Size"));
    mSize->setObjectName(QStringLiteral("mSize"));
    for (int size = 8; size <= 12; ++size) {
        QAction* item = mSize->addAction(QString::number(size));
        item->setObjectName(QStringLiteral("sm%1").arg(size));
        connect(item, &QAction::triggered, this, [this, size] { smSizeClick(size); });
    }
    mShowDate = checkItem(tr("Show Date"), "mShowDate", &TSmallClock::mShowDateClick);
    m3D = checkItem(tr("3D"), "m3D", &TSmallClock::m3DClick);
    mOn = checkItem(tr("On"), "mOn", &TSmallClock::mOnClick);
    popClock->addSeparator();
    mStop = popClock->addAction(tr("Stop"));
    mStop->setObjectName(QStringLiteral("mStop"));
    connect(mStop, &QAction::triggered, this, &TSmallClock::mStopClick);
    mClose = popClock->addAction(tr("Close"));
    mClose->setObjectName(QStringLiteral("mClose"));
    connect(mClose, &QAction::triggered, this, &TSmallClock::mCloseClick);
}

void TSmallClock::FormCreate()
{
    const QIcon icon = programIcon();
    setWindowIcon(icon);
    imgCaption->setPixmap(icon.pixmap(32, 32));

    setFixedSize(imgBackground->size());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kClockColour);
    setPalette(colours);
    setAutoFillBackground(true);
    lblDT->setColor(kClockColour);
    lblDT->resize(kTimeWidth, lblDT->height());

    if (smallScreen()) {
        lblDT->move(lblDT->x() + 1, lblDT->y());
        placeDateLabel();
        lblDate->resize(lblDate->width() + 4, lblDate->height());
    }

    lblLeft->resize(kHotAreaWidth, lblLeft->height());
    lblRight->resize(kHotAreaWidth, lblRight->height());
    lblRight->move(imgBackground->width() - 12, lblRight->y());

    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(0, 0, width(), height()), 10, 10);
    setMask(QRegion(rounded.toFillPolygon().toPolygon()));

    ShowOnTop();
    move(screenRect().width() / 2, 0);
    readClockSettings();
    Timer1->start();
}

void TSmallClock::resumeTicking()
{
    Timer1->start();
}

void TSmallClock::readClockSettings()
{
    using namespace SettingNames;
    const QRect screen = screenRect();
    if (const auto top = ClockTexts::storedPosition(m_settings.ReadIniFromReg(ClockTop), screen.height()))
        move(x(), *top);
    if (const auto left = ClockTexts::storedPosition(m_settings.ReadIniFromReg(ClockLeft), screen.width()))
        move(*left, y());
    m24hour->setChecked(m_settings.flag(Clock24hr));
    mEnabledSec->setChecked(m_settings.flag(ClockWithSec));
    const bool withDate = m_settings.flag(ClockWithDate);
    mShowDate->setChecked(withDate);
    if (withDate)
        showDateLabel(true);
    if (m_settings.flag(Digits3DOnClock)) {
        m3D->setChecked(true);
        set3D(true);
    }
    if (const auto size = ClockTexts::digitsSize(m_settings.ReadIniFromReg(ClockDigitsSize)))
        setDigitsSize(*size);
    mOn->setChecked(m_settings.flag(ClockOn));
}

bool TSmallClock::showAtStart() const
{
    return mOn->isChecked();
}

// Font heights are drawn for 120 pixels per inch and scale with the screen, as the strip's
// pixel layout does not.
int TSmallClock::designPixels(int pixelsAt120) const
{
    const QScreen* s = screen();
    const qreal dpi = s ? s->logicalDotsPerInch() : 96;
    return qMax(1, qRound(pixelsAt120 * dpi / 120));
}

bool TSmallClock::smallScreen() const
{
    const QScreen* s = screen();
    return !s || s->logicalDotsPerInch() <= 96;
}

QRect TSmallClock::screenRect() const
{
    const QScreen* s = screen();
    return s ? s->geometry() : QRect(0, 0, 1024, 768);
}

void TSmallClock::placeDateLabel()
{
    if (smallScreen())
        lblDate->move(lblDT->x() + lblDT->width() + 2, lblDate->y());
}

void TSmallClock::showDateLabel(bool on)
{
    lblDT->resize(on ? kTimeWidthWithDate : kTimeWidth, lblDT->height());
    if (on)
        placeDateLabel();
    lblDate->setVisible(on);
}

void TSmallClock::setDigitsSize(int points)
{
    QFont f = lblDT->font();
    f.setPointSize(points);
    lblDT->setFont(f);
}

void TSmallClock::set3D(bool on)
{
    const auto style = on ? TLabel3D::tsRecessed : TLabel3D::tsNone;
    lblDT->setTextStyle(style);
    lblDate->setTextStyle(style);
}

void TSmallClock::ShowOnTop()
{
    showOnTop(*this);
}

void TSmallClock::Timer1Timer()
{
    const QDateTime now = m_services.clock->now();
    if (m_dateToggle || mShowDate->isChecked()) {
        const QDate today = now.date();
        m_weekday = ClockTexts::weekdayNumber(today);
        if (!mShowDate->isChecked()) {
            lblDT->setText(ClockTexts::fullDate(today));
            return;
        }
        lblDate->setText(ClockTexts::dateLabel(today));
    }
    lblDT->setText(ClockTexts::time(now.time(), m24hour->isChecked(), mEnabledSec->isChecked()));
    updateTaskbarButton();
}

void TSmallClock::updateTaskbarButton()
{
    bool keep = m_mainWindow && m_mainWindow->isVisible();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* window : windows) {
        if (keep)
            break;
        keep = window->isVisible() && window->windowTitle().contains(QStringLiteral("Msg"));
    }
    if (keep)
        m_services.taskbar->show();
    else
        m_services.taskbar->hide();
}

void TSmallClock::writeFlag(const QString& name, const QAction* item)
{
    m_settings.writeFlag(name, item->isChecked());
}

void TSmallClock::writePlace()
{
    if (m_settings.WriteIniToReg(SettingNames::ClockTop, QString::number(y())))
        m_settings.WriteIniToReg(SettingNames::ClockLeft, QString::number(x()));
}

void TSmallClock::m24hourClick()
{
    writeFlag(SettingNames::Clock24hr, m24hour);
}

void TSmallClock::mEnabledSecClick()
{
    writeFlag(SettingNames::ClockWithSec, mEnabledSec);
}

void TSmallClock::smSizeClick(int size)
{
    setDigitsSize(size);
    m_settings.WriteIniToReg(SettingNames::ClockDigitsSize, QString::number(size));
}

void TSmallClock::mShowDateClick()
{
    showDateLabel(mShowDate->isChecked());
    writeFlag(SettingNames::ClockWithDate, mShowDate);
}

void TSmallClock::m3DClick()
{
    set3D(m3D->isChecked());
    writeFlag(SettingNames::Digits3DOnClock, m3D);
}

void TSmallClock::mOnClick()
{
    writeFlag(SettingNames::ClockOn, mOn);
}

void TSmallClock::mStopClick()
{
    emit stopRequested();
}

void TSmallClock::mCloseClick()
{
    Timer1->stop();
    hide();
}

bool TSmallClock::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (type == QEvent::MouseButtonPress) {
        if (watched == lblLeft)
            lblLeftMouseDown(mouse);
        else if (watched == lblRight)
            lblRightMouseDown(mouse);
        else if (watched == lblDT)
            lblDTMouseDown(mouse);
    } else if (type == QEvent::MouseMove) {
        if (watched == lblDT)
            lblDTMouseMove(mouse);
        else if (watched == imgBackground)
            dropBack();
        else if (watched == lblDate)
            lblDateMouseMove();
    } else if (watched == lblDT) {
        lblDTMouseUp(mouse);
    }
    return false;
}

void TSmallClock::lblLeftMouseDown(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    activateWindow();
    setFocus();
    const QPoint at(x() + int(event->position().x()), y() + int(event->position().y()));
    popClock->popup(QPoint(at.x() - popClock->sizeHint().width(), at.y()));
}

void TSmallClock::lblRightMouseDown(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        hide();
    else if (event->button() == Qt::RightButton && !mShowDate->isChecked())
        m_dateToggle = !m_dateToggle;
}

// The clock moves with the mouse itself: a window manager's move would end out of our sight,
// and without one there is nothing to do the move.
void TSmallClock::lblDTMouseDown(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        bringUpMainWindow();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_dragPressGlobal = event->globalPosition().toPoint();
    m_dragStartPos = pos();
    m_dragPressInLabel = event->position().toPoint();
}

void TSmallClock::lblDTMouseMove(QMouseEvent* event)
{
    if (m_dragging)
        move(m_dragStartPos + event->globalPosition().toPoint() - m_dragPressGlobal);
    else
        dropBack();
}

void TSmallClock::lblDTMouseUp(QMouseEvent* event)
{
    if (!m_dragging || event->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    if (y() < 0) {
        move(x(), 2 - imgBackground->height());
        QCursor::setPos(screen(), x() + lblLeft->width() + m_dragPressInLabel.x(), lblDT->height());
        m_clockTucked = true;
        return;
    }
    writePlace();
}

void TSmallClock::dropBack()
{
    if (y() >= 0 || !m_clockTucked)
        return;
    m_clockTucked = false;
    move(x(), 0);
    writePlace();
}

void TSmallClock::lblDateMouseMove()
{
    const QString name = ClockTexts::weekdayName(m_weekday);
    if (!name.isEmpty())
        lblDate->setToolTip(name);
}

void TSmallClock::bringUpMainWindow()
{
    m_services.taskbar->show();
    if (!m_mainWindow)
        return;
    m_mainWindow->showNormal();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
}

void TSmallClock::closeEvent(QCloseEvent* event)
{
    clearMask();
    event->accept();
}
