// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/activation.h"
#include "alarms/eventline.h"
#include "eventprinting.h"
#include "testevent.h"

#include <QtTest>

namespace {
QStringList failures(const DecodedEventLine& decoded)
{
    if (!decoded.headerOk)
        return {lineCheckName(LineCheck::Header)};
    QStringList names;
    if (decoded.fieldFailure != LineCheck::None)
        names << lineCheckName(decoded.fieldFailure);
    if (decoded.glyphFailure)
        names << lineCheckName(LineCheck::Glyph);
    return names;
}

AlarmEvent makeEvent(const QString& date, const QString& time, const QString& schedule)
{
    AlarmEvent event = testEvent(time, date, schedule);
    // A decoded line has no state yet: the activation rule gives it one.
    event.activeIgnore.clear();
    return event;
}
} // namespace

class TestEventLine : public QObject
{
    Q_OBJECT

private slots:
    void checks_data();
    void checks();
    void row_data();
    void row();
    void encode_data();
    void encode();
    void roundTrip_data();
    void roundTrip();
    void activation_data();
    void activation();
};

void TestEventLine::checks_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("expected");

    const QString tail = QStringLiteral("*07:30:00*On*NoShell*Once*Every Day*Wake*-1*");
    QTest::newRow("every day, no date") << "evt*-1" + tail << QStringList();
    QTest::newRow("exe header") << "exe*-1" + tail << QStringList();
    QTest::newRow("fourth character unchecked") << "evt#-1" + tail << QStringList();
    QTest::newRow("header upper case") << "EVT*-1" + tail << QStringList{"Header"};
    QTest::newRow("too short for a header") << "ev" << QStringList{"Header"};
    QTest::newRow("header alone") << "evt" << QStringList{"Date", "Glyph"};
    QTest::newRow("11-character date is cut") << "evt*2026/12/061" + tail << QStringList();
    QTest::newRow("8-character date") << "evt*2003/1/6" + tail << QStringList{"Date"};
    QTest::newRow("no real date") << "evt*2026/02/30" + tail << QStringList{"Date"};
    QTest::newRow("date with dashes") << "evt*2026-12-06" + tail << QStringList{"Date"};
    QTest::newRow("leap day") << "evt*2028/02/29" + tail << QStringList();
    QTest::newRow("9-character time is cut") << "evt*-1*07:30:009*On*NoShell*Once*Every Day*Wake*-1*" << QStringList();
    QTest::newRow("no real time") << "evt*-1*25:61:00*On*NoShell*Once*Every Day*Wake*-1*" << QStringList{"Time"};
    QTest::newRow("short time") << "evt*-1*7:30:00*On*NoShell*Once*Every Day*Wake*-1*" << QStringList{"Time"};
    QTest::newRow("first failure only") << "evt*2003/1/6*7:30*on*NoShell*x*y*Wake*-1*" << QStringList{"Date"};
    QTest::newRow("enabled lower case") << "evt*-1*07:30:00*on*NoShell*Once*Every Day*Wake*-1*"
                                        << QStringList{"Activate"};
    QTest::newRow("play times unknown") << "evt*-1*07:30:00*Off*NoShell*once*Every Day*Wake*-1*" << QStringList{"PT"};
    QTest::newRow("schedule unknown") << "evt*-1*07:30:00*On*NoShell*Once*Daily*Wake*-1*" << QStringList{"Schedule"};
    QTest::newRow("schedule Monthly with more") << "evt*-1*07:30:00*On*NoShell*Once*MonthlyX*Wake*-1*" << QStringList();
    QTest::newRow("glyph 0") << "evt*-1*07:30:00*On*NoShell*Once*Mon*Wake*0*" << QStringList{"Glyph"};
    QTest::newRow("glyph abc") << "evt*-1*07:30:00*On*NoShell*Once*Mon*Wake*abc*" << QStringList{"Glyph"};
    QTest::newRow("glyph 7") << "evt*-1*07:30:00*On*NoShell*Once*Mon*Wake*7*" << QStringList();
    QTest::newRow("glyph empty") << "evt*-1*07:30:00*On*NoShell*Once*Mon*Wake**" << QStringList{"Glyph"};
    QTest::newRow("ends right after the glyph")
        << "evt*-1*07:30:00*On*NoShell*Once*Mon*Wake*-1" << QStringList{"Glyph"};
    QTest::newRow("field failure and glyph")
        << "evt*-1*07:30:00*Yes*NoShell*Once*Mon*Wake*0*" << QStringList{"Activate", "Glyph"};
    QTest::newRow("star in the sound shifts the fields")
        << "evt*-1*07:30:00*On*NoShell*Once*Mon*Wa*ke*-1*hello" << QStringList{"Glyph"};
}

void TestEventLine::checks()
{
    QFETCH(QString, line);
    QFETCH(QStringList, expected);
    const DecodedEventLine decoded = decodeEventLine(line);
    QCOMPARE(failures(decoded), expected);
    QCOMPARE(decoded.isGood(), expected.isEmpty());
}

void TestEventLine::row_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("schedule");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("soundRun");
    QTest::addColumn<QString>("message");

    QTest::newRow("wake every day") << "evt*-1*07:30:00*On*NoShell*Once*Every Day*Wake*-1*" << true << "-1"
                                    << "Every Day"
                                    << ""
                                    << "Wake"
                                    << "";
    QTest::newRow("command") << "evt*-1*07:30:00*Off*Shellxterm -e top*Twice*Mon*Hurry*-1*x" << false << "-1"
                             << "Mon"
                             << ""
                             << "Hurry*xterm -e top"
                             << "x";
    QTest::newRow("Shell without command") << "evt*-1*07:30:00*On*Shell*Once*Sun*Hurry*-1*" << true << "-1"
                                           << "Sun"
                                           << ""
                                           << "Hurry"
                                           << "";
    QTest::newRow("run field not starting with Shell")
        << "evt*-1*07:30:00*On*xShellcmd*Once*Sun*Game*-1*" << true << "-1"
        << "Sun"
        << ""
        << "Game"
        << "";
    QTest::newRow("monthly days") << "evt*-1*07:30:00*On*NoShell*Once*Monthly 1 15 *Bell*-1*" << true << "-1"
                                  << "Monthly"
                                  << "1 15 "
                                  << "Bell"
                                  << "";
    QTest::newRow("monthly without days") << "evt*-1*07:30:00*On*NoShell*Once*Monthly*Bell*-1*" << true << "-1"
                                          << "Monthly"
                                          << ""
                                          << "Bell"
                                          << "";
    QTest::newRow("date cut to 10") << "evt*2026/12/06xyz*07:30:00*On*NoShell*Thrice*None*Bell*7*" << true
                                    << "2026/12/06"
                                    << "None"
                                    << ""
                                    << "Bell"
                                    << "";
    QTest::newRow("message with breaks and stars")
        << "evt*-1*07:30:00*On*NoShell*Repeat*Tue*Bell*-1*one#13#10two * three*#13#10" << true << "-1"
        << "Tue"
        << ""
        << "Bell"
        << "one\r\ntwo * three*\r\n";
}

void TestEventLine::row()
{
    QFETCH(QString, line);
    const DecodedEventLine decoded = decodeEventLine(line);
    QVERIFY(decoded.isGood());
    const AlarmEvent event = eventFromLine(decoded.fields);
    QTEST(event.enabled, "enabled");
    QTEST(event.date, "date");
    QTEST(event.schedule, "schedule");
    QTEST(event.days, "days");
    QTEST(event.soundRun, "soundRun");
    QTEST(event.message, "message");
    QCOMPARE(event.imageIndex, -1);
    QCOMPARE(event.time24, QStringLiteral("07:30:00"));
}

void TestEventLine::encode_data()
{
    QTest::addColumn<AlarmEvent>("event");
    QTest::addColumn<QString>("line");

    AlarmEvent wake = makeEvent("-1", "07:30:00", "Every Day");
    wake.soundRun = "Wake";
    QTest::newRow("no command") << wake << "evt*-1*07:30:00*On*NoShell*Once*Every Day*Wake*-1*";

    AlarmEvent command = makeEvent("2026/12/06", "19:05:00", "None");
    command.enabled = false;
    command.soundRun = "Hurry*xterm -e top";
    command.message = "Call home\r\nnow";
    command.imageIndex = 1;
    QTest::newRow("command, message, off")
        << command << "evt*2026/12/06*19:05:00*Off*Shellxterm -e top*Once*None*Hurry*-1*Call home#13#10now";

    AlarmEvent emptyCommand = wake;
    emptyCommand.soundRun = "Hurry*";
    QTest::newRow("star without command") << emptyCommand << "evt*-1*07:30:00*On*Shell*Once*Every Day*Hurry*-1*";

    AlarmEvent monthly = makeEvent("-1", "07:30:00", "Monthly");
    monthly.days = "1 15 ";
    QTest::newRow("monthly") << monthly << "evt*-1*07:30:00*On*NoShell*Once*Monthly 1 15 *Bell*-1*";

    AlarmEvent breaks = makeEvent("-1", "07:30:00", "Mon");
    breaks.message = "a\rb\nc\r\n";
    breaks.soundRun = "Be\nll*run\rx";
    QTest::newRow("bare CR and LF in any field")
        << breaks << "evt*-1*07:30:00*On*Shellrun#13#10x*Once*Mon*Be#13#10ll*-1*a#13#10b#13#10c#13#10";
}

void TestEventLine::encode()
{
    QFETCH(AlarmEvent, event);
    QTEST(encodeEventLine(event), "line");
}

void TestEventLine::roundTrip_data()
{
    QTest::addColumn<AlarmEvent>("event");
    QTest::addColumn<QString>("soundRunRead");

    AlarmEvent monthly = makeEvent("-1", "23:59:59", "Monthly");
    monthly.days = "1 15 ";
    QTest::newRow("monthly days") << monthly << "Bell";

    AlarmEvent full = makeEvent("2026/12/06", "00:00:10", "None Every");
    full.enabled = false;
    full.playTimes = "Repeat";
    full.soundRun = "Game*notify-send \"a b\"";
    full.message = "Line 1\r\n*Line 2* #13 \r\n";
    QTest::newRow("everything") << full << "Game*notify-send \"a b\"";

    AlarmEvent trailingStar = makeEvent("-1", "12:00:00", "Sat");
    trailingStar.soundRun = "Hurry*";
    QTest::newRow("S/R loses a trailing star") << trailingStar << "Hurry";
}

void TestEventLine::roundTrip()
{
    QFETCH(AlarmEvent, event);
    QFETCH(QString, soundRunRead);
    const QString line = encodeEventLine(event);
    const DecodedEventLine decoded = decodeEventLine(line);
    QVERIFY2(decoded.isGood(), qPrintable(line));
    AlarmEvent expected = event;
    expected.soundRun = soundRunRead;
    QCOMPARE(eventFromLine(decoded.fields), expected);
}

void TestEventLine::activation_data()
{
    QTest::addColumn<AlarmEvent>("event");
    QTest::addColumn<QString>("now");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("schedule");
    QTest::addColumn<QString>("dateTime");

    const QString today = "2026/12/07";
    const QString yesterday = "2026/12/06";
    const QString tomorrow = "2026/12/08";
    QTest::newRow("None yesterday, missed") << makeEvent(yesterday, "10:00:00", "None") << "09:00:00"
                                            << "Ignore"
                                            << "None"
                                            << "shown <!>";
    QTest::newRow("None earlier today, missed") << makeEvent(today, "08:00:00", "None") << "09:00:00"
                                                << "Ignore"
                                                << "None"
                                                << "shown <!>";
    QTest::newRow("None later today") << makeEvent(today, "10:00:00", "None") << "09:00:00"
                                      << "Active"
                                      << "None"
                                      << "shown";
    QTest::newRow("None at this very second") << makeEvent(today, "09:00:00", "None") << "09:00:00"
                                              << "Active"
                                              << "None"
                                              << "shown";
    QTest::newRow("None tomorrow, time passed") << makeEvent(tomorrow, "08:00:00", "None") << "09:00:00"
                                                << "Ignore"
                                                << "None"
                                                << "shown";
    QTest::newRow("None Every passed, time ahead") << makeEvent(yesterday, "10:00:00", "None Every") << "09:00:00"
                                                   << "Active"
                                                   << "Every Day"
                                                   << "shown";
    QTest::newRow("None Every passed, time gone") << makeEvent(today, "08:00:00", "None Every") << "09:00:00"
                                                  << "Ignore"
                                                  << "Every Day"
                                                  << "shown";
    QTest::newRow("None Every tomorrow") << makeEvent(tomorrow, "08:00:00", "None Every") << "09:00:00"
                                         << "Ignore"
                                         << "None Every"
                                         << "shown";
    QTest::newRow("Every Day ahead") << makeEvent("-1", "10:00:00", "Every Day") << "09:00:00"
                                     << "Active"
                                     << "Every Day"
                                     << "shown";
    QTest::newRow("Every Day gone") << makeEvent("-1", "07:00:00", "Every Day") << "09:30:12"
                                    << "Ignore"
                                    << "Every Day"
                                    << "shown";
    QTest::newRow("just after midnight") << makeEvent("-1", "00:00:10", "Mon") << "00:00:00"
                                         << "Active"
                                         << "Mon"
                                         << "shown";
}

void TestEventLine::activation()
{
    QFETCH(AlarmEvent, event);
    QFETCH(QString, now);
    event.dateTime = "shown";
    applyActivationRule(event, QStringLiteral("2026/12/07"), now);
    QTEST(event.activeIgnore, "state");
    QTEST(event.schedule, "schedule");
    QTEST(event.dateTime, "dateTime");
}

QTEST_APPLESS_MAIN(TestEventLine)
#include "tst_eventline.moc"
