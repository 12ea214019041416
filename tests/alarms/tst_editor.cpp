// SPDX-License-Identifier: GPL-3.0-or-later
// The editor as the user drives it: typing a time, adding, editing a row, the calendar.
#include "alarms/alarmlistmodel.h"
#include "alarms/eventline.h"
#include "mainwindowfixture.h"
#include "widgets/updown.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

namespace {
// The fake clock stands at Monday 2026/12/07 10:00:00.
const QByteArray monthlyRow = "evt*-1*22:00:00*On*NoShell*Twice*Monthly 1 15 *Bell*-1*Pay rent\r\n";
const QByteArray everyDayRow = "evt*-1*23:30:00*On*NoShell*Once*Every Day*Bell*-1*Wake\r\n";
const QByteArray hurryRow = "evt*-1*21:00:00*On*Shellecho hi*Thrice*Fri*Hurry*-1*\r\n";
const QByteArray halfPastMidnightRow = "evt*-1*00:30:00*On*NoShell*Once*Every Day*Bell*-1*\r\n";

void selectRow(TfrmMain& w, int row)
{
    control<QTreeView>(w, "lvMain")->setFocus(Qt::MouseFocusReason);
    control<QTreeView>(w, "lvMain")->setCurrentIndex(w.alarms().index(row, 1));
}

QStringList cells(const TfrmMain& w)
{
    QStringList texts;
    for (int column = 0; column < 6; ++column)
        texts << control<QTableWidget>(w, "sgTime")->item(0, column)->text();
    return texts;
}

/// Types a time cell by cell as the user does, moving with the arrow keys.
void typeTime(TfrmMain& w, const QString& hour, const QString& minute, const QString& second, const QString& marker)
{
    control<QTableWidget>(w, "sgTime")->setCurrentCell(0, 0);
    QTest::keyClicks(control<QTableWidget>(w, "sgTime"), hour);
    QTest::keyClick(control<QTableWidget>(w, "sgTime"), Qt::Key_Right);
    QTest::keyClicks(control<QTableWidget>(w, "sgTime"), minute);
    QTest::keyClick(control<QTableWidget>(w, "sgTime"), Qt::Key_Right);
    QTest::keyClicks(control<QTableWidget>(w, "sgTime"), second);
    QTest::keyClick(control<QTableWidget>(w, "sgTime"), Qt::Key_Right);
    if (control<QTableWidget>(w, "sgTime")->item(0, 5)->text() != marker)
        QTest::keyClick(control<QTableWidget>(w, "sgTime"), Qt::Key_Space);
}

/// Once armed, answers the first event that reaches its control by typing a letter there.
class KeyOnNextEvent : public QObject
{
public:
    explicit KeyOnNextEvent(QWidget* control)
        : m_control(control)
    {
        control->installEventFilter(this);
    }
    bool armed = false;

protected:
    bool eventFilter(QObject*, QEvent*) override
    {
        if (armed) {
            armed = false;
            QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
            QCoreApplication::sendEvent(m_control, &key);
        }
        return false;
    }

private:
    QWidget* m_control;
};

struct EditorFixture : MainWindowFixture
{
    explicit EditorFixture(const QByteArray& events = {}, bool withSong = true)
    {
        if (withSong)
            writeFile("Bell.wav", "RIFF");
        writeEvents(events);
    }
};
} // namespace

class TestEditor : public QObject
{
    Q_OBJECT

private slots:
    void typedTimeIsAddedAndSaved();
    void refusals_data();
    void refusals();
    void typingFollowsTheCellRules();
    void typingStartsAfreshInACellComeBackTo_data();
    void typingStartsAfreshInACellComeBackTo();
    void noEditorHandlerRunsOnceTheWindowGoes();
    void arrowsWrapAround_data();
    void arrowsWrapAround();
    void arrowKeysSkipSeparators();
    void editingMonthlyRowReplacesIt();
    void editingHurryRowSelectsTheSpeaker();
    void movingTheSelectionEndsEditing();
    void reloadingEndsEditing_data();
    void reloadingEndsEditing();
    void addReplacesOnlyTheEditedRow();
    void editWithoutSelectionBeeps();
    void halfPastMidnightRoundTrip();
    void calendarClosesOnDayClickOnly();
    void leavingScheduleRefusesMonthly();
    void refusedMessageIsOfferedAgain();
    void messageWindowGivesTheRowItsText();
};

void TestEditor::typedTimeIsAddedAndSaved()
{
    EditorFixture f;
    TfrmMain& w = f.start();
    typeTime(w, "7", "5", "0", "PM");
    QCOMPARE(cells(w), QStringList({"7", ":", "5", ":", "0", "PM"}));
    control<QLineEdit>(w, "edRunPara")->setText("xclock");
    QTest::mouseClick(control<QPushButton>(w, "btnAdd"), Qt::LeftButton);

    QCOMPARE(f.platform.dialogs.texts(), QStringList());
    QCOMPARE(w.alarms().rowCount(), 1);
    const AlarmEvent& row = w.alarms().at(0);
    QVERIFY(row.enabled);
    QCOMPARE(row.time24, QStringLiteral("19:05:00"));
    QCOMPARE(row.dateTime, control<QLabel>(w, "lblEffectiveDate")->text() + " - 07:05:00PM");
    QCOMPARE(row.date, QStringLiteral("2026/12/07"));
    QCOMPARE(row.soundRun, QStringLiteral("Bell*xclock"));
    QCOMPARE(row.activeIgnore, QStringLiteral("Active"));
    QCOMPARE(row.message, QString());
    QCOMPARE(control<QLineEdit>(w, "edRunPara")->text(), QString());
    QCOMPARE(f.events(), encodeEventLine(row).toUtf8() + "\r\n");
    // The editor keeps its values for the next event.
    QCOMPARE(cells(w), QStringList({"7", ":", "5", ":", "0", "PM"}));
}

void TestEditor::refusals_data()
{
    QTest::addColumn<QStringList>("time");
    QTest::addColumn<QString>("schedule");
    QTest::addColumn<int>("dayOffset");
    QTest::addColumn<bool>("withSong");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("None earlier today") << QStringList{"9", "59", "59", "AM"} << "None" << 0 << true
                                        << "Alarm Time was passed.";
    QTest::newRow("Every Day from yesterday")
        << QStringList{"11", "00", "00", "PM"} << "Every Day" << -1 << true << "Day was passed.";
    QTest::newRow("no song") << QStringList{"11", "00", "00", "PM"} << "Mon" << 0 << false
                             << "Selected no song! Please select a song to play sound.";
    QTest::newRow("hour 13") << QStringList{"13", "00", "00", "PM"} << "None" << 0 << true << "Invalid input : hour";
    QTest::newRow("hour 0") << QStringList{"0", "00", "00", "PM"} << "None" << 0 << true << "Invalid input : hour";
    QTest::newRow("minute 60") << QStringList{"11", "60", "00", "PM"} << "None" << 0 << true
                               << "Invalid input : minute";
    QTest::newRow("second erased") << QStringList{"11", "00", "\b", "PM"} << "None" << 0 << true
                                   << "Invalid input : second";
}

void TestEditor::refusals()
{
    QFETCH(QStringList, time);
    QFETCH(QString, schedule);
    QFETCH(int, dayOffset);
    QFETCH(bool, withSong);
    QFETCH(QString, refusal);
    EditorFixture f({}, withSong);
    TfrmMain& w = f.start();
    int windowRuns = 0;
    w.setInputMsgRunner([&](const QString&) {
        ++windowRuns;
        return InputMsgResult{"Tea", -1, true};
    });
    typeTime(w, time[0], time[1], time[2], time[3]);
    control<QComboBox>(w, "cbSchedule")->setCurrentText(schedule);
    if (dayOffset != 0) {
        QVERIFY(QMetaObject::invokeMethod(control<QGroupBox>(w, "gbInp"), "lblEffectiveDateClick"));
        control<QCalendarWidget>(w, "MonthCalendar1")->setSelectedDate(QDate(2026, 12, 7).addDays(dayOffset));
        QVERIFY(QMetaObject::invokeMethod(control<QGroupBox>(w, "gbInp"), "lblEffectiveDateClick"));
    }
    QCOMPARE(f.platform.dialogs.beeps, 0);
    QTest::mouseClick(control<QPushButton>(w, "btnAddMsg"), Qt::LeftButton);

    QCOMPARE(f.platform.dialogs.texts(), QStringList{refusal});
    QCOMPARE(f.platform.dialogs.boxes.first().icon, Dialogs::Icon::Error);
    QCOMPARE(f.platform.dialogs.beeps, 1);
    QCOMPARE(w.alarms().rowCount(), 0);
    QCOMPARE(f.events(), QByteArray());
    // A bad grid stops before the message window opens.
    QCOMPARE(windowRuns, refusal.startsWith("Invalid input") ? 0 : 1);
}

void TestEditor::typingFollowsTheCellRules()
{
    EditorFixture f;
    TfrmMain& w = f.start();
    control<QTableWidget>(w, "sgTime")->setCurrentCell(0, 0);
    QTest::keyClicks(control<QTableWidget>(w, "sgTime"), "13");
    QCOMPARE(control<QTableWidget>(w, "sgTime")->item(0, 0)->text(), QStringLiteral("13"));
    QCOMPARE(control<UpDown>(w, "UpDown1")->position(), 1);
    QCOMPARE(f.platform.dialogs.beeps, 0);

    QTest::keyClicks(control<QTableWidget>(w, "sgTime"), "5");
    QCOMPARE(control<QTableWidget>(w, "sgTime")->item(0, 0)->text(), QStringLiteral("13"));
    QCOMPARE(f.platform.dialogs.beeps, 1);

    QTest::keyClick(control<QTableWidget>(w, "sgTime"), Qt::Key_Backspace);
    QTest::keyClicks(control<QTableWidget>(w, "sgTime"), "a");
    QCOMPARE(control<QTableWidget>(w, "sgTime")->item(0, 0)->text(), QStringLiteral("1"));
    QCOMPARE(control<UpDown>(w, "UpDown1")->position(), 1);
    QCOMPARE(f.platform.dialogs.beeps, 2);

    // In the AM/PM cell every key toggles, a letter and a digit alike.
    control<QTableWidget>(w, "sgTime")->setCurrentCell(0, 5);
    const QString marker = control<QTableWidget>(w, "sgTime")->item(0, 5)->text();
    QTest::keyClicks(control<QTableWidget>(w, "sgTime"), "x");
    QVERIFY(control<QTableWidget>(w, "sgTime")->item(0, 5)->text() != marker);
    QTest::keyClicks(control<QTableWidget>(w, "sgTime"), "1");
    QCOMPARE(control<QTableWidget>(w, "sgTime")->item(0, 5)->text(), marker);
    QCOMPARE(f.platform.dialogs.beeps, 2);
}

void TestEditor::typingStartsAfreshInACellComeBackTo_data()
{
    QTest::addColumn<bool>("byClick");
    QTest::newRow("click on the current cell") << true;
    QTest::newRow("focus from another control") << false;
}

void TestEditor::typingStartsAfreshInACellComeBackTo()
{
    QFETCH(bool, byClick);
    EditorFixture f;
    TfrmMain& w = f.start();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    control<QTableWidget>(w, "sgTime")->setFocus(Qt::MouseFocusReason);
    control<QTableWidget>(w, "sgTime")->setCurrentCell(0, 0);
    QTest::keyClicks(control<QTableWidget>(w, "sgTime"), "13");
    QTest::mouseClick(control<QPushButton>(w, "btnAdd"), Qt::LeftButton);
    QCOMPARE(f.platform.dialogs.texts(), QStringList{"Invalid input : hour"});

    if (byClick) {
        const QPoint hourCell =
            control<QTableWidget>(w, "sgTime")->visualItemRect(control<QTableWidget>(w, "sgTime")->item(0, 0)).center();
        QTest::mouseClick(control<QTableWidget>(w, "sgTime")->viewport(), Qt::LeftButton, {}, hourCell);
    } else {
        control<QPushButton>(w, "btnAdd")->setFocus(Qt::MouseFocusReason);
        control<QTableWidget>(w, "sgTime")->setFocus(Qt::TabFocusReason);
    }
    QCOMPARE(control<QTableWidget>(w, "sgTime")->currentColumn(), 0);
    QTest::keyClicks(control<QTableWidget>(w, "sgTime"), "7");
    QCOMPARE(control<QTableWidget>(w, "sgTime")->item(0, 0)->text(), QStringLiteral("7"));
}

void TestEditor::noEditorHandlerRunsOnceTheWindowGoes()
{
    EditorFixture f;
    TfrmMain& w = f.start();
    control<QTableWidget>(w, "sgTime")->setCurrentCell(0, 0);
    // A letter in the hour cell beeps while the window lives; its controls still get events
    // (hide, focus) while the window is destroyed, and then no handler of it may run.
    KeyOnNextEvent probe(control<QTableWidget>(w, "sgTime"));
    QTest::keyClicks(control<QTableWidget>(w, "sgTime"), "x");
    QCOMPARE(f.platform.dialogs.beeps, 1);
    probe.armed = true;
    f.window.reset();
    QVERIFY(!probe.armed);
    QCOMPARE(f.platform.dialogs.beeps, 1);
}

void TestEditor::arrowsWrapAround_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("result");
    QTest::newRow("hour up from 12") << 0 << "12" << true << "1";
    QTest::newRow("hour down from 1") << 0 << "01" << false << "12";
    QTest::newRow("hour up from 9") << 0 << "9" << true << "10";
    QTest::newRow("minute up from 59") << 2 << "59" << true << "0";
    QTest::newRow("minute down from 0") << 2 << "00" << false << "59";
    QTest::newRow("second down from 30") << 4 << "30" << false << "29";
    QTest::newRow("AM up") << 5 << "AM" << true << "PM";
    QTest::newRow("PM down") << 5 << "PM" << false << "AM";
}

void TestEditor::arrowsWrapAround()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(bool, up);
    QFETCH(QString, result);
    EditorFixture f;
    TfrmMain& w = f.start();
    control<QTableWidget>(w, "sgTime")->setCurrentCell(0, column == 4 ? 2 : 4);
    control<QTableWidget>(w, "sgTime")->item(0, column)->setText(text);
    control<QTableWidget>(w, "sgTime")->setCurrentCell(0, column);
    control<UpDown>(w, "UpDown1")->click(up ? UpDown::Button::Next : UpDown::Button::Previous);
    QCOMPARE(control<QTableWidget>(w, "sgTime")->item(0, column)->text(), result);
    // Typing after an arrow click starts the cell afresh.
    if (column != 5) {
        QTest::keyClicks(control<QTableWidget>(w, "sgTime"), "4");
        QCOMPARE(control<QTableWidget>(w, "sgTime")->item(0, column)->text(), QStringLiteral("4"));
    }
}

void TestEditor::arrowKeysSkipSeparators()
{
    EditorFixture f;
    TfrmMain& w = f.start();
    control<QTableWidget>(w, "sgTime")->setCurrentCell(0, 0);
    const QList<QPair<Qt::Key, int>> moves{
        {Qt::Key_Right, 2}, {Qt::Key_Right, 4}, {Qt::Key_Right, 5},
        {Qt::Key_Left, 4},  {Qt::Key_Left, 2},  {Qt::Key_Left, 0},
    };
    for (const auto& [key, column] : moves) {
        QTest::keyClick(control<QTableWidget>(w, "sgTime"), key);
        QCOMPARE(control<QTableWidget>(w, "sgTime")->currentColumn(), column);
    }
    // The minute cell's arrows have the minute range.
    QTest::keyClick(control<QTableWidget>(w, "sgTime"), Qt::Key_Right);
    QCOMPARE(control<UpDown>(w, "UpDown1")->minimum(), -1);
    QCOMPARE(control<UpDown>(w, "UpDown1")->maximum(), 60);
    QCOMPARE(control<UpDown>(w, "UpDown1")->position(), control<QTableWidget>(w, "sgTime")->item(0, 2)->text().toInt());
}

void TestEditor::editingMonthlyRowReplacesIt()
{
    EditorFixture f(monthlyRow + everyDayRow);
    TfrmMain& w = f.start();
    selectRow(w, 0);
    QTest::mouseClick(control<QPushButton>(w, "btnEdit"), Qt::LeftButton);

    QVERIFY(control<QPushButton>(w, "btnEdit")->isChecked());
    QCOMPARE(control<QLabel>(w, "lblMain")->text(), QStringLiteral("Editing :"));
    QVERIFY(!control<QToolButton>(w, "btnDelete")->isEnabled());
    QVERIFY(!control<QToolButton>(w, "btnCopy")->isEnabled());
    QVERIFY(!control<QPushButton>(w, "btnClearAll")->isEnabled());
    QVERIFY(!w.alarms().at(0).enabled);
    QCOMPARE(control<QComboBox>(w, "cbSchedule")->currentText(), QStringLiteral("Monthly"));
    QCOMPARE(control<QComboBox>(w, "cbPlayTimes")->currentText(), QStringLiteral("Twice"));
    QCOMPARE(w.GetThoseDays(), QStringLiteral("1 15 "));
    QCOMPARE(cells(w), QStringList({"10", ":", "00", ":", "00", "PM"}));

    // The plain Add takes no message, even the edited row's own.
    QTest::mouseClick(control<QPushButton>(w, "btnAdd"), Qt::LeftButton);
    QCOMPARE(f.platform.dialogs.texts(), QStringList());
    QCOMPARE(w.alarms().rowCount(), 2);
    QCOMPARE(w.alarms().at(0).schedule, QStringLiteral("Every Day"));
    const AlarmEvent& replaced = w.alarms().at(1);
    QVERIFY(replaced.enabled);
    QCOMPARE(replaced.schedule, QStringLiteral("Monthly"));
    QCOMPARE(replaced.days, QStringLiteral("1 15 "));
    QCOMPARE(replaced.message, QString());
    QCOMPARE(replaced.imageIndex, -1);
    QCOMPARE(replaced.time24, QStringLiteral("22:00:00"));
    QCOMPARE(replaced.playTimes, QStringLiteral("Twice"));
    QVERIFY(!control<QPushButton>(w, "btnEdit")->isChecked());
    QCOMPARE(control<QLabel>(w, "lblMain")->text(), QStringLiteral("New Alarm :"));
    QVERIFY(control<QToolButton>(w, "btnDelete")->isEnabled());
    QCOMPARE(f.events(), everyDayRow + "evt*-1*22:00:00*On*Shell*Twice*Monthly 1 15 *Bell*-1*\r\n");

    // Another schedule writes no days.
    control<QComboBox>(w, "cbSchedule")->setCurrentText("Tue");
    QTest::mouseClick(control<QPushButton>(w, "btnAdd"), Qt::LeftButton);
    QCOMPARE(w.alarms().at(2).days, QString());
}

void TestEditor::editingHurryRowSelectsTheSpeaker()
{
    EditorFixture f(hurryRow);
    TfrmMain& w = f.start();
    QVERIFY(control<QRadioButton>(w, "rbWave")->isChecked());
    selectRow(w, 0);
    QTest::mouseClick(control<QPushButton>(w, "btnEdit"), Qt::LeftButton);
    QVERIFY(control<QRadioButton>(w, "rbInternalSpeaker")->isChecked());
    QCOMPARE(control<QComboBox>(w, "cbTestSongs")->currentText(), QStringLiteral("Hurry"));
    QCOMPARE(control<QLineEdit>(w, "edRunPara")->text(), QStringLiteral("echo hi"));
    QCOMPARE(control<QComboBox>(w, "cbSchedule")->currentText(), QStringLiteral("Fri"));
    QCOMPARE(control<QComboBox>(w, "cbPlayTimes")->currentText(), QStringLiteral("Thrice"));

    // Ending Editing mode by the button clears the command and the selection; the row stays off.
    QTest::mouseClick(control<QPushButton>(w, "btnEdit"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(w, "edRunPara")->text(), QString());
    QVERIFY(!control<QTreeView>(w, "lvMain")->selectionModel()->hasSelection());
    QVERIFY(!w.alarms().at(0).enabled);
    QCOMPARE(control<QLabel>(w, "lblMain")->text(), QStringLiteral("New Alarm :"));

    // A row made here holds "Hurry*": no command, and the field keeps what it had.
    QTest::mouseClick(control<QPushButton>(w, "btnAdd"), Qt::LeftButton);
    QCOMPARE(w.alarms().at(1).soundRun, QStringLiteral("Hurry*"));
    control<QLineEdit>(w, "edRunPara")->setText("kept");
    selectRow(w, 1);
    QTest::mouseClick(control<QPushButton>(w, "btnEdit"), Qt::LeftButton);
    QVERIFY(control<QPushButton>(w, "btnEdit")->isChecked());
    QCOMPARE(control<QLineEdit>(w, "edRunPara")->text(), QStringLiteral("kept"));
}

void TestEditor::movingTheSelectionEndsEditing()
{
    EditorFixture f(everyDayRow + monthlyRow);
    TfrmMain& w = f.start();
    selectRow(w, 0);
    QTest::mouseClick(control<QPushButton>(w, "btnEdit"), Qt::LeftButton);
    QVERIFY(control<QPushButton>(w, "btnEdit")->isChecked());
    selectRow(w, 1);
    QVERIFY(!control<QPushButton>(w, "btnEdit")->isChecked());
    QCOMPARE(control<QLabel>(w, "lblMain")->text(), QStringLiteral("New Alarm :"));
    QVERIFY(control<QToolButton>(w, "btnDelete")->isEnabled());
    QVERIFY(!w.alarms().at(0).enabled);
    QVERIFY(w.alarms().at(1).enabled);
    QCOMPARE(f.events(), everyDayRow + monthlyRow);
    // A later add appends and deletes nothing.
    QTest::mouseClick(control<QPushButton>(w, "btnAdd"), Qt::LeftButton);
    QCOMPARE(w.alarms().rowCount(), 3);
}

void TestEditor::reloadingEndsEditing_data()
{
    QTest::addColumn<QString>("reload");
    QTest::newRow("Load") << "Load";
    QTest::newRow("change of day") << "day";
    QTest::newRow("all events enabled again") << "enable";
}

void TestEditor::reloadingEndsEditing()
{
    QFETCH(QString, reload);
    EditorFixture f(everyDayRow + monthlyRow);
    TfrmMain& w = f.start();
    selectRow(w, 1);
    QTest::mouseClick(control<QPushButton>(w, "btnEdit"), Qt::LeftButton);
    QVERIFY(control<QPushButton>(w, "btnEdit")->isChecked());
    if (reload == "Load") {
        QTest::mouseClick(control<QToolButton>(w, "sbLoad"), Qt::LeftButton);
    } else if (reload == "day") {
        f.platform.clock.advanceDays(1);
        QMetaObject::invokeMethod(&w, "MainTimerTimer");
    } else {
        QTest::mouseClick(control<QToolButton>(w, "btnDisabledAll"), Qt::LeftButton);
        QTest::mouseClick(control<QToolButton>(w, "btnDisabledAll"), Qt::LeftButton);
    }
    QCOMPARE(w.alarms().rowCount(), 2);
    QVERIFY(!control<QPushButton>(w, "btnEdit")->isChecked());
    QCOMPARE(control<QLabel>(w, "lblMain")->text(), QStringLiteral("New Alarm :"));
    QVERIFY(control<QToolButton>(w, "btnDelete")->isEnabled());

    // Add now appends a new event and replaces nothing (dated today, which may have changed).
    QTest::mouseClick(control<QLabel>(w, "lblEffectiveDate"), Qt::LeftButton);
    control<QCalendarWidget>(w, "MonthCalendar1")->setSelectedDate(f.platform.clock.now().date());
    QTest::mouseClick(control<QLabel>(w, "lblEffectiveDate"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(w, "btnAdd"), Qt::LeftButton);
    QCOMPARE(w.alarms().rowCount(), 3);
    QCOMPARE(w.alarms().at(1).schedule, QStringLiteral("Monthly"));
}

void TestEditor::addReplacesOnlyTheEditedRow()
{
    EditorFixture f(everyDayRow + monthlyRow + hurryRow);
    TfrmMain& w = f.start();
    selectRow(w, 1);
    QTest::mouseClick(control<QPushButton>(w, "btnEdit"), Qt::LeftButton);
    // The list's current row moves without a new selection: Editing mode stays.
    control<QTreeView>(w, "lvMain")
        ->selectionModel()
        ->setCurrentIndex(w.alarms().index(2, 1), QItemSelectionModel::NoUpdate);
    QVERIFY(control<QPushButton>(w, "btnEdit")->isChecked());
    QTest::mouseClick(control<QPushButton>(w, "btnAdd"), Qt::LeftButton);
    QCOMPARE(w.alarms().rowCount(), 3);
    QCOMPARE(w.alarms().at(0).schedule, QStringLiteral("Every Day"));
    QCOMPARE(w.alarms().at(1).schedule, QStringLiteral("Fri"));
    QCOMPARE(w.alarms().at(2).schedule, QStringLiteral("Monthly"));
}

void TestEditor::editWithoutSelectionBeeps()
{
    EditorFixture f(everyDayRow);
    TfrmMain& w = f.start();
    QTest::mouseClick(control<QPushButton>(w, "btnEdit"), Qt::LeftButton);
    QCOMPARE(f.platform.dialogs.beeps, 1);
    QVERIFY(!control<QPushButton>(w, "btnEdit")->isChecked());
    QCOMPARE(control<QLabel>(w, "lblMain")->text(), QStringLiteral("New Alarm :"));
    QVERIFY(w.alarms().at(0).enabled);
}

void TestEditor::halfPastMidnightRoundTrip()
{
    EditorFixture f(halfPastMidnightRow);
    TfrmMain& w = f.start();
    selectRow(w, 0);
    QTest::mouseClick(control<QPushButton>(w, "btnEdit"), Qt::LeftButton);
    QCOMPARE(cells(w), QStringList({"12", ":", "30", ":", "00", "AM"}));
    QCOMPARE(control<UpDown>(w, "UpDown1")->position(), 12);
    QTest::mouseClick(control<QPushButton>(w, "btnAdd"), Qt::LeftButton);
    QCOMPARE(f.platform.dialogs.texts(), QStringList());
    QCOMPARE(w.alarms().rowCount(), 1);
    QCOMPARE(w.alarms().at(0).time24, QStringLiteral("00:30:00"));
    QCOMPARE(w.alarms().at(0).dateTime, QStringLiteral("12:30:00AM"));
    QCOMPARE(w.alarms().at(0).activeIgnore, QStringLiteral("Ignore"));
    QCOMPARE(w.alarms().at(0).date, QStringLiteral("-1"));
    QCOMPARE(f.events(), QByteArray(halfPastMidnightRow).replace("NoShell", "Shell"));
}

void TestEditor::calendarClosesOnDayClickOnly()
{
    EditorFixture f;
    TfrmMain& w = f.start();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QString todayCaption = control<QLabel>(w, "lblEffectiveDate")->text();
    const QColor todayText = control<QLabel>(w, "lblEffectiveDate")->palette().color(QPalette::WindowText);

    QTest::mouseClick(control<QLabel>(w, "lblEffectiveDate"), Qt::LeftButton);
    QVERIFY(control<QCalendarWidget>(w, "MonthCalendar1")->isVisible());
    auto* next = control<QCalendarWidget>(w, "MonthCalendar1")->findChild<QToolButton*>("qt_calendar_nextmonth");
    QVERIFY(next);
    QTest::mouseClick(next, Qt::LeftButton);
    QVERIFY(control<QCalendarWidget>(w, "MonthCalendar1")->isVisible());
    QCOMPARE(control<QCalendarWidget>(w, "MonthCalendar1")->monthShown(), 1);
    QCOMPARE(w.GetFormatChosenDate(), QStringLiteral("2026/12/07"));

    auto* days =
        control<QCalendarWidget>(w, "MonthCalendar1")->findChild<QAbstractItemView*>("qt_calendar_calendarview");
    QVERIFY(days);
    QModelIndex fifteenth;
    for (int row = 0; row < days->model()->rowCount() && !fifteenth.isValid(); ++row) {
        for (int column = 0; column < days->model()->columnCount(); ++column) {
            const QModelIndex index = days->model()->index(row, column);
            if (row > 0 && index.data().toString() == "15")
                fifteenth = index;
        }
    }
    QVERIFY(fifteenth.isValid());
    QTest::mouseClick(days->viewport(), Qt::LeftButton, {}, days->visualRect(fifteenth).center());

    QVERIFY(!control<QCalendarWidget>(w, "MonthCalendar1")->isVisible());
    QCOMPARE(w.GetFormatChosenDate(), QStringLiteral("2027/01/15"));
    const DateFormats formats;
    QCOMPARE(control<QLabel>(w, "lblEffectiveDate")->text(),
             formats.formatDate(QDate(2027, 1, 15), formats.systemShortDatePattern()));
    QVERIFY(control<QLabel>(w, "lblEffectiveDate")->text() != todayCaption);
    QVERIFY(control<QLabel>(w, "lblEffectiveDate")->palette().color(QPalette::WindowText) != todayText);

    // Open and close again on today: the label's own colours come back.
    QTest::mouseClick(control<QLabel>(w, "lblEffectiveDate"), Qt::LeftButton);
    control<QCalendarWidget>(w, "MonthCalendar1")->setSelectedDate(QDate(2026, 12, 7));
    QTest::mouseClick(control<QLabel>(w, "lblEffectiveDate"), Qt::LeftButton);
    QVERIFY(!control<QCalendarWidget>(w, "MonthCalendar1")->isVisible());
    QCOMPARE(control<QLabel>(w, "lblEffectiveDate")->text(), todayCaption);
    QCOMPARE(control<QLabel>(w, "lblEffectiveDate")->palette().color(QPalette::WindowText), todayText);
}

void TestEditor::leavingScheduleRefusesMonthly()
{
    EditorFixture f;
    TfrmMain& w = f.start();
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    for (const QString schedule : {"Monthly", "None Every"}) {
        f.platform.dialogs.reset();
        control<QComboBox>(w, "cbSchedule")->setFocus(Qt::TabFocusReason);
        control<QComboBox>(w, "cbSchedule")->setCurrentText(schedule);
        control<QTableWidget>(w, "sgTime")->setFocus(Qt::TabFocusReason);
        QCOMPARE(f.platform.dialogs.beeps, 1);
        QCOMPARE(f.platform.dialogs.texts(),
                 QStringList{"This version does not support setting of \"Monthly\" or \"None Every\" currently, "
                             "please select other items."});
        QCOMPARE(f.platform.dialogs.boxes.first().icon, Dialogs::Icon::Information);
        QCOMPARE(control<QComboBox>(w, "cbSchedule")->currentText(), QStringLiteral("None"));
    }
    // Typing opens the list; the popup taking the keyboard is not leaving the box.
    f.platform.dialogs.reset();
    control<QComboBox>(w, "cbSchedule")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control<QComboBox>(w, "cbSchedule"), Qt::Key_T);
    QVERIFY(control<QComboBox>(w, "cbSchedule")->view()->isVisible());
    control<QComboBox>(w, "cbSchedule")->hidePopup();
    QCOMPARE(f.platform.dialogs.beeps, 0);
    control<QComboBox>(w, "cbSchedule")->setCurrentText("Sat");
    control<QTableWidget>(w, "sgTime")->setFocus(Qt::TabFocusReason);
    QCOMPARE(f.platform.dialogs.beeps, 0);
    QCOMPARE(control<QComboBox>(w, "cbSchedule")->currentText(), QStringLiteral("Sat"));
}

void TestEditor::refusedMessageIsOfferedAgain()
{
    EditorFixture f;
    TfrmMain& w = f.start();
    QStringList offered;
    QList<InputMsgResult> answers{{"Tea", -1, true}, {"Tea\r\nnow", 1, true}, {"draft", -1, false}, {"", -1, true}};
    w.setInputMsgRunner([&](const QString& initial) {
        offered << initial;
        return answers.takeFirst();
    });
    typeTime(w, "9", "00", "00", "AM");
    QTest::mouseClick(control<QPushButton>(w, "btnAddMsg"), Qt::LeftButton);
    QCOMPARE(f.platform.dialogs.texts(), QStringList{"Alarm Time was passed."});

    typeTime(w, "11", "00", "00", "AM");
    QTest::mouseClick(control<QPushButton>(w, "btnAddMsg"), Qt::LeftButton);
    QCOMPARE(w.alarms().rowCount(), 1);
    QCOMPARE(w.alarms().at(0).message, QStringLiteral("Tea\r\nnow"));
    QCOMPARE(w.alarms().at(0).imageIndex, 1);

    // Closing without Add keeps what was typed for the next time; an empty Add gives an empty message.
    QTest::mouseClick(control<QPushButton>(w, "btnAddMsg"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(w, "btnAddMsg"), Qt::LeftButton);
    QCOMPARE(offered, QStringList({"", "Tea", "", "draft"}));
    QCOMPARE(w.alarms().rowCount(), 2);
    QCOMPARE(w.alarms().at(1).message, QString());
    QVERIFY(f.events().contains("Tea#13#10now"));
}

void TestEditor::messageWindowGivesTheRowItsText()
{
    EditorFixture f;
    TfrmMain& w = f.start();
    typeTime(w, "11", "00", "00", "PM");
    bool seen = false;
    QTimer::singleShot(0, &w, [&] {
        auto* window = qobject_cast<TInputMsg*>(QApplication::activeModalWidget());
        QVERIFY(window);
        seen = true;
        QCOMPARE(window->windowTitle(), QStringLiteral("Input Message"));
        QTest::keyClicks(control<QPlainTextEdit>(*window, "mMsgIs"), "Call");
        QTest::keyClick(control<QPlainTextEdit>(*window, "mMsgIs"), Qt::Key_Return);
        QTest::keyClicks(control<QPlainTextEdit>(*window, "mMsgIs"), "<b>home</b>");
        QTest::mouseClick(control<QPushButton>(*window, "btnSave"), Qt::LeftButton);
    });
    QTest::mouseClick(control<QPushButton>(w, "btnAddMsg"), Qt::LeftButton);
    QVERIFY(seen);
    QCOMPARE(w.alarms().rowCount(), 1);
    QCOMPARE(w.alarms().at(0).message, QStringLiteral("Call\r\n<b>home</b>"));
    QCOMPARE(w.alarms().at(0).imageIndex, -1);
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
