// The alarm editor: composing an event, adding it, taking a row back in for editing, and the
// effective date with its calendar.
#include "alarms/alarmlistmodel.h"
#include "alarms/editorrules.h"
#include "app/songlist.h"
#include "app/tfrmmain.h"
#include "core/vocabulary.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "settings/tsetup.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeView>

namespace {
const QString newAlarmCaption = QStringLiteral("New Alarm :");
const QString editingCaption = QStringLiteral("Editing :");

/// Hands the events of a few editor controls to the window without a filter of the window's own.
class EditorEventHook : public QObject
{
public:
    EditorEventHook(QObject* parent, std::function<bool(QObject*, QEvent*)> handler)
        : QObject(parent)
        , m_handler(std::move(handler))
    {}
    bool eventFilter(QObject* watched, QEvent* event) override { return m_handler(watched, event); }

private:
    std::function<bool(QObject*, QEvent*)> m_handler;
};
} // namespace

void TfrmMain::connectEditor()
{
    connect(btnAdd, &QPushButton::clicked, this, &TfrmMain::btnAddClick);
    connect(btnAddMsg, &QPushButton::clicked, this, &TfrmMain::btnAddMsgClick);
    connect(btnEdit, &QPushButton::clicked, this, &TfrmMain::btnEditClick);
    connect(MonthCalendar1, &QCalendarWidget::currentPageChanged, this, &TfrmMain::MonthCalendar1GetMonthInfo);
    connect(MonthCalendar1, &QCalendarWidget::clicked, this, &TfrmMain::MonthCalendar1Click);
    connect(sgTime, &QTableWidget::currentCellChanged, this,
            [this](int, int column, int, int previousColumn) { sgTimeSelectCell(column, previousColumn); });
    connect(UpDown1, &UpDown::clicked, this, &TfrmMain::UpDown1Click);
    sgTime->setEditTriggers(QAbstractItemView::NoEditTriggers);

    m_editorHook =
        new EditorEventHook(this, [this](QObject* watched, QEvent* event) { return editorEvent(watched, event); });
    for (QObject* control : std::initializer_list<QObject*>{lblEffectiveDate, cbSchedule, sgTime, sgTime->viewport()})
        control->installEventFilter(m_editorHook);
    if (auto* days = MonthCalendar1->findChild<QAbstractItemView*>(QStringLiteral("qt_calendar_calendarview")))
        days->viewport()->installEventFilter(m_editorHook);

    runInputMsg = [this](const QString& initialMessage) { return TInputMsg::run(m_settings, this, initialMessage); };
}

bool TfrmMain::editorEvent(QObject* watched, QEvent* event)
{
    if (watched == lblEffectiveDate && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
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
        if (!static_cast<QKeyEvent*>(event)->text().trimmed().isEmpty() && !cbSchedule->view()->isVisible())
            cbSchedule->showPopup();
        return false;
    }
    if (watched == cbSchedule && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            cbScheduleExit();
        return false;
    }
    if ((watched == sgTime && event->type() == QEvent::FocusIn) ||
        (watched == sgTime->viewport() && event->type() == QEvent::MouseButtonPress)) {
        // A cell that the user comes back to, even the current one, takes fresh typing.
        m_gridTyping = false;
        return false;
    }
    if (watched == sgTime && event->type() == QEvent::KeyPress)
        return sgTimeKeyPress(static_cast<QKeyEvent*>(event));
    if (watched == sgTime && event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat())
        sgTimeKeyUp();
    return false;
}

void TfrmMain::btnAddClick()
{
    ValidateTimeAndAdd(false);
}

void TfrmMain::btnAddMsgClick()
{
    ValidateTimeAndAdd(true);
}

void TfrmMain::ValidateTimeAndAdd(bool withMessage)
{
    if (!CheckTimeCells())
        return;
    if (!withMessage) {
        if (AddAlarmEvent(QString(), -1))
            edRunPara->clear();
        MessageConsumed = true;
        return;
    }
    const InputMsgResult result = runInputMsg(MessageConsumed ? QString() : LastMessage);
    LastMessage = result.message;
    if (!result.confirmed) {
        // A window closed without Add offers its text again (Cancel has emptied it).
        MessageConsumed = false;
        return;
    }
    MessageConsumed = AddAlarmEvent(result.message, result.imageIndex);
    if (MessageConsumed)
        edRunPara->clear();
}

bool TfrmMain::AddAlarmEvent(const QString& message, qint16 imageIndex)
{
    const TimeGridCells cells = gridCells();
    EditorEntry entry;
    entry.playTimes = cbPlayTimes->currentText();
    entry.schedule = cbSchedule->currentText();
    entry.song = cbTestSongs->currentText();
    entry.songSelected = cbTestSongs->currentIndex() >= 0;
    entry.run = edRunPara->text();
    entry.chosenDate = ChosenDate;
    entry.dateCaption = lblEffectiveDate->text();
    entry.displayTime = GridDisplayTime(cells);
    entry.time24 = GridTime24(cells);
    entry.thoseDays = ThoseDays;
    entry.message = message;
    entry.imageIndex = imageIndex;

    const QDateTime moment = m_services.clock->now();
    const QString now = DateFormats::internalTime(moment.time());
    const QString refusal = EditorRules::addRefusal(entry, DateFormats::internalDate(moment.date()), now);
    if (!refusal.isEmpty()) {
        m_services.dialogs->refuse(refusal, this);
        return false;
    }
    m_alarms->append(EditorRules::newEvent(entry, now));
    lvMain->scrollTo(m_alarms->index(m_alarms->rowCount() - 1, 0));
    if (btnEdit->isChecked()) {
        DeleteEditedEvent();
        LeaveEditMode();
    }
    SaveAlarmEvents();
    return true;
}

void TfrmMain::btnEditClick()
{
    if (!btnEdit->isChecked()) {
        setEditorCaption(newAlarmCaption);
        setListCommandsEnabled(true);
        lvMain->selectionModel()->clearSelection();
        edRunPara->clear();
        return;
    }
    if (!ItemSelected) {
        m_services.dialogs->beep();
        btnEdit->setChecked(false);
        return;
    }
    setEditorCaption(editingCaption);
    setListCommandsEnabled(false);
    const int row = selectedRow();
    if (row < 0) {
        LeaveEditMode();
        return;
    }
    loadRowIntoEditor(row);
}

void TfrmMain::loadRowIntoEditor(int row)
{
    const AlarmEvent event = m_alarms->at(row);
    // The row must not fire while it is being changed.
    m_alarms->setEnabled(row, false);
    EditedIndex = m_alarms->index(row, ColPlayTimes);

    cbPlayTimes->setCurrentIndex(EditorRules::playTimesIndex(event.playTimes));
    cbSchedule->setCurrentIndex(EditorRules::scheduleIndex(event.schedule));
    if (event.schedule == nameOf(Schedule::Monthly))
        ThoseDays = event.days;
    if (!event.message.isEmpty()) {
        MessageConsumed = false;
        LastMessage = event.message;
    }

    const QString song = event.sound();
    if (speakerSongs().contains(song))
        rbInternalSpeaker->setChecked(true);
    else
        rbWave->setChecked(true);
    cbTestSongsDropDown();
    const int songIndex = cbTestSongs->findText(song, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (songIndex >= 0)
        cbTestSongs->setCurrentIndex(songIndex);
    if (!event.command().isEmpty())
        edRunPara->setText(event.command());

    if (event.date != AlarmText::noDate) {
        lblEffectiveDate->setText(m_dates.RenderDate(event.date, m_options.dates));
        ChosenDate = event.date;
        setEffectiveDateColours(event.date == today());
    }
    ShowTimeInGrid(event.time24);
}

void TfrmMain::LeaveEditMode()
{
    btnEdit->setChecked(false);
    setListCommandsEnabled(true);
    setEditorCaption(newAlarmCaption);
}

void TfrmMain::DeleteEditedEvent()
{
    // The list's current row can move without a new selection: only the recorded row goes.
    if (EditedIndex.isValid())
        removeAlarmRow(EditedIndex.row());
}

void TfrmMain::setListCommandsEnabled(bool enabled)
{
    for (QWidget* button : std::initializer_list<QWidget*>{btnDelete, btnClearAll, btnCopy})
        button->setEnabled(enabled);
}

void TfrmMain::setEditorCaption(const QString& caption)
{
    lblMain->setText(caption);
    lblMain->setAccessibleName(caption);
}

void TfrmMain::lblEffectiveDateClick()
{
    const bool open = !MonthCalendar1->isHidden();
    if (open)
        SetEffectiveDate(MonthCalendar1->selectedDate());
    MonthCalendar1->setVisible(!open);
    if (!open)
        MonthCalendar1->raise();
    MonthInfoRequested = false;
}

void TfrmMain::MonthCalendar1GetMonthInfo()
{
    MonthInfoRequested = true;
}

void TfrmMain::MonthCalendar1Click()
{
    if (!MonthInfoRequested)
        lblEffectiveDateClick();
    MonthInfoRequested = false;
}

void TfrmMain::SetEffectiveDate(const QDate& date)
{
    SetChosenDate(date);
    lblEffectiveDate->setText(m_dates.formatDate(date, DisplayDateFormat));
    setEffectiveDateColours(ChosenDate == today());
}

void TfrmMain::SetChosenDate(const QDate& date)
{
    ChosenDate = DateFormats::internalDate(date);
}

void TfrmMain::cbScheduleExit()
{
    if (!EditorRules::isRefusedOnExit(cbSchedule->currentText()))
        return;
    m_services.dialogs->beep();
    m_services.dialogs->inform(QStringLiteral("This version does not support setting of \"Monthly\" or \"None Every\" "
                                              "currently, please select other items."),
                               this);
    cbSchedule->setCurrentIndex(0);
}
