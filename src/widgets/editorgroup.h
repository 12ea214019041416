// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/dateformats.h"
#include "alarms/editorrules.h"

#include <QColor>
#include <QGroupBox>

class Clock;
class Dialogs;
class QCalendarWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TimeGridWidget;

/// The alarm editor: time, schedule, play times, command and effective date of a new or edited
/// event, and its two Add buttons. The calendar of the effective date opens over calendarHost.
class EditorGroup : public QGroupBox
{
    Q_OBJECT

public:
    EditorGroup(Clock& clock, Dialogs& dialogs, const DateFormats& dates, QWidget* calendarHost,
                QWidget* parent = nullptr);

    /// Fills the lists and shows the moment's date and time, in the given date format.
    void start(const QDateTime& now, const QString& displayDateFormat);
    void centreCalendarIn(const QSize& area);

    /// What the user composed; the song, message and picture are not the editor's.
    EditorEntry entry() const;
    /// The refusal of the time cells, or an empty text.
    QString timeError() const;
    void clearRun();
    void setEditing(bool editing);
    /// Takes a row's time, lists, command and date in; dateCaption is its date as shown.
    void loadEvent(const AlarmEvent& event, const QString& dateCaption);

    /// The effective date, "yyyy/mm/dd".
    QString chosenDate() const { return ChosenDate; }
    /// The Days of the "Monthly" row last taken into the editor.
    QString thoseDays() const { return ThoseDays; }
    void setDisplayDateFormat(const QString& format) { DisplayDateFormat = format; }
    void setDateCaption(const QString& caption);
    void setEffectiveDateColours(bool today);
    /// From now on the controls' events run none of the editor's handlers: the window is going.
    void stopWatchingControls();

signals:
    void addClicked();
    void addWithMessageClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void lblEffectiveDateClick();
    void MonthCalendar1Click();
    void MonthCalendar1GetMonthInfo();
    void cbScheduleExit();

private:
    void createControls(QWidget* calendarHost);
    QList<QObject*> watchedControls() const;
    void layOutControls();
    void SetEffectiveDate(const QDate& date);
    QString today() const;

    Clock& m_clock;
    Dialogs& m_dialogs;
    DateFormats m_dates;
    QLabel* lblMain;
    TimeGridWidget* m_timeGrid;
    QComboBox* cbSchedule;
    QComboBox* cbPlayTimes;
    QLineEdit* edRunPara;
    QToolButton* btnTestRunApp;
    QLabel* lblEffectiveDate;
    QPushButton* btnAddMsg;
    QPushButton* btnAdd;
    QCalendarWidget* MonthCalendar1;

    QString DisplayDateFormat;
    QString ChosenDate;
    QString ThoseDays;
    QColor EffDateFontColor;
    QColor EffDateBackColor;
    bool MonthInfoRequested = false;
};
