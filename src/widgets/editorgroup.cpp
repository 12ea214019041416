// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/editorgroup.h"

#include "core/vocabulary.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "widgets/namedcontrols.h"
#include "widgets/timegridwidget.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace {
const char* const newAlarmCaption = QT_TRANSLATE_NOOP("EditorGroup", "New Alarm :");
const char* const editingCaption = QT_TRANSLATE_NOOP("EditorGroup", "Editing :");
} // namespace

EditorGroup::EditorGroup(Clock& clock, Dialogs& dialogs, const DateFormats& dates, QWidget* calendarHost,
                         QWidget* parent)
    : QGroupBox(parent)
    , m_clock(clock)
    , m_dialogs(dialogs)
    , m_dates(dates)
{
    setObjectName(QStringLiteral("gbInp"));
    createControls(calendarHost);
    layOutControls();

    connect(btnAdd, &QPushButton::clicked, this, &EditorGroup::addClicked);
    connect(btnAddMsg, &QPushButton::clicked, this, &EditorGroup::addWithMessageClicked);
    connect(MonthCalendar1, &QCalendarWidget::currentPageChanged, this, &EditorGroup::MonthCalendar1GetMonthInfo);
    connect(MonthCalendar1, &QCalendarWidget::clicked, this, &EditorGroup::MonthCalendar1Click);
    for (QObject* control : watchedControls())
        control->installEventFilter(this);
}

QList<QObject*> EditorGroup::watchedControls() const
{
    QList<QObject*> controls{lblEffectiveDate, cbSchedule};
    if (auto* days = MonthCalendar1->findChild<QAbstractItemView*>(QStringLiteral("qt_calendar_calendarview")))
        controls.append(days->viewport());
    return controls;
}

void EditorGroup::stopWatchingControls()
{
    for (QObject* control : watchedControls())
        control->removeEventFilter(this);
    m_timeGrid->stopWatchingControls();
}

void EditorGroup::createControls(QWidget* calendarHost)
{
    lblMain = named(new QLabel(tr(newAlarmCaption), this), "lblMain", tr(newAlarmCaption));
    m_timeGrid = new TimeGridWidget(m_dialogs, this);
    cbSchedule = named(new QComboBox(this), "cbSchedule", tr("Schedule"));
    cbSchedule->setToolTip(tr("Schedule"));
    cbPlayTimes = named(new QComboBox(this), "cbPlayTimes", tr("Times of playing sound"));
    cbPlayTimes->setToolTip(tr("Times of playing sound"));
    edRunPara = named(new QLineEdit(this), "edRunPara", tr("Run this application and its parameters"));
    edRunPara->setToolTip(tr("Run this application and its parameters"));
    edRunPara->setEnabled(false);
    btnTestRunApp = hintButton("btnTestRunApp", tr("Test"), this);
    btnTestRunApp->setText(QStringLiteral("..."));
    btnTestRunApp->setEnabled(false);
    // The date itself is the label's accessible name; its purpose is the description.
    lblEffectiveDate = named(new QLabel(this), "lblEffectiveDate");
    lblEffectiveDate->setAccessibleDescription(tr("Effective date"));
    lblEffectiveDate->setAutoFillBackground(true);
    lblEffectiveDate->setTextFormat(Qt::PlainText);
    lblEffectiveDate->setCursor(Qt::PointingHandCursor);
    btnAddMsg = named(new QPushButton(tr("Add"), this), "btnAddMsg", tr("Add with message"));
    btnAddMsg->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    btnAddMsg->setLayoutDirection(Qt::RightToLeft);
    btnAdd = named(new QPushButton(tr("Add"), this), "btnAdd", tr("Add"));
    MonthCalendar1 = named(new QCalendarWidget(calendarHost), "MonthCalendar1", tr("Effective date"));
    MonthCalendar1->hide();
}

void EditorGroup::layOutControls()
{
    auto* editor = new QGridLayout(this);
    // The caption and the grid share no column with the lists below: the widest of each pair
    // would otherwise add up past the window's design width.
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(lblMain);
    timeRow->addWidget(m_timeGrid, 1);
    editor->addLayout(timeRow, 0, 0, 1, 2);
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
}

void EditorGroup::start(const QDateTime& now, const QString& displayDateFormat)
{
    cbPlayTimes->addItems(playTimesNames());
    cbPlayTimes->setCurrentIndex(0);
    cbSchedule->addItems(scheduleNames());
    cbSchedule->setCurrentIndex(0);
    cbSchedule->setMaxVisibleItems(cbSchedule->count());

    DisplayDateFormat = displayDateFormat;
    lblEffectiveDate->setText(m_dates.formatDate(now.date(), DisplayDateFormat));
    ChosenDate = DateFormats::internalDate(now.date());
    EffDateFontColor = lblEffectiveDate->palette().color(QPalette::WindowText);
    EffDateBackColor = lblEffectiveDate->palette().color(QPalette::Window);
    MonthCalendar1->setSelectedDate(now.date());
    m_timeGrid->startWithTime(now.time());
}

void EditorGroup::centreCalendarIn(const QSize& area)
{
    MonthCalendar1->adjustSize();
    MonthCalendar1->move((area.width() - MonthCalendar1->width()) / 2,
                         (area.height() - MonthCalendar1->height()) / 2 - 20);
}

bool EditorGroup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblEffectiveDate && event->type() == QEvent::MouseButtonRelease &&
        dynamic_cast<const QMouseEvent&>(*event).button() == Qt::LeftButton) {
        lblEffectiveDateClick();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress && watched->parent() &&
        watched->parent()->objectName() == QStringLiteral("qt_calendar_calendarview")) {
        // A new click on the days: only a month change that this click makes may keep the calendar open.
        MonthInfoRequested = false;
        return false;
    }
    if (watched == cbSchedule && event->type() == QEvent::KeyPress) {
        // Typing in the schedule box opens its list, where the key then picks an item.
        if (!dynamic_cast<const QKeyEvent&>(*event).text().trimmed().isEmpty() && !cbSchedule->view()->isVisible())
            cbSchedule->showPopup();
        return false;
    }
    if (watched == cbSchedule && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = dynamic_cast<const QFocusEvent&>(*event).reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            cbScheduleExit();
    }
    return false;
}

EditorEntry EditorGroup::entry() const
{
    const TimeGridCells cells = m_timeGrid->cells();
    EditorEntry entry;
    entry.playTimes = cbPlayTimes->currentText();
    entry.schedule = cbSchedule->currentText();
    entry.run = edRunPara->text();
    entry.chosenDate = ChosenDate;
    entry.dateCaption = lblEffectiveDate->text();
    entry.displayTime = GridDisplayTime(cells);
    entry.time24 = GridTime24(cells);
    entry.thoseDays = ThoseDays;
    return entry;
}

QString EditorGroup::timeError() const
{
    return m_timeGrid->cellsError();
}

void EditorGroup::clearRun()
{
    edRunPara->clear();
}

void EditorGroup::setEditing(bool editing)
{
    const QString caption = tr(editing ? editingCaption : newAlarmCaption);
    lblMain->setText(caption);
    lblMain->setAccessibleName(caption);
}

void EditorGroup::loadEvent(const AlarmEvent& event, const QString& dateCaption)
{
    cbPlayTimes->setCurrentIndex(EditorRules::playTimesIndex(event.playTimes));
    cbSchedule->setCurrentIndex(EditorRules::scheduleIndex(event.schedule));
    if (event.schedule == nameOf(Schedule::Monthly))
        ThoseDays = event.days;
    if (!event.command().isEmpty())
        edRunPara->setText(event.command());
    if (event.date != AlarmText::noDate) {
        lblEffectiveDate->setText(dateCaption);
        ChosenDate = event.date;
        setEffectiveDateColours(event.date == today());
    }
    m_timeGrid->ShowTimeInGrid(event.time24);
}

void EditorGroup::setDateCaption(const QString& caption)
{
    lblEffectiveDate->setText(caption);
}

void EditorGroup::setEffectiveDateColours(bool today)
{
    QPalette palette = lblEffectiveDate->palette();
    palette.setColor(QPalette::WindowText, today ? EffDateFontColor : EffDateBackColor);
    palette.setColor(QPalette::Window, today ? EffDateBackColor : EffDateFontColor);
    lblEffectiveDate->setPalette(palette);
}

void EditorGroup::lblEffectiveDateClick()
{
    const bool open = !MonthCalendar1->isHidden();
    if (open)
        SetEffectiveDate(MonthCalendar1->selectedDate());
    MonthCalendar1->setVisible(!open);
    if (!open)
        MonthCalendar1->raise();
    MonthInfoRequested = false;
}

void EditorGroup::MonthCalendar1GetMonthInfo()
{
    MonthInfoRequested = true;
}

void EditorGroup::MonthCalendar1Click()
{
    if (!MonthInfoRequested)
        lblEffectiveDateClick();
    MonthInfoRequested = false;
}

void EditorGroup::SetEffectiveDate(const QDate& date)
{
    ChosenDate = DateFormats::internalDate(date);
    lblEffectiveDate->setText(m_dates.formatDate(date, DisplayDateFormat));
    setEffectiveDateColours(ChosenDate == today());
}

QString EditorGroup::today() const
{
    return DateFormats::internalDate(m_clock.now().date());
}

void EditorGroup::cbScheduleExit()
{
    if (!EditorRules::isRefusedOnExit(cbSchedule->currentText()))
        return;
    m_dialogs.beep();
    m_dialogs.inform(tr("This version does not support setting of \"Monthly\" or \"None Every\" "
                        "currently, please select other items."),
                     window());
    cbSchedule->setCurrentIndex(0);
}
