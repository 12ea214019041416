// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/dateformats.h"

#include <QDateTime>
#include <QtTest>

namespace {
DateDisplayOptions chosen(const QString& format, const QString& separator)
{
    return {true, format, true, separator};
}
} // namespace

class TestDateFormats : public QObject
{
    Q_OBJECT

private slots:
    void myShortDate_data();
    void myShortDate();
    void separatorFallback();
    void systemFormat_data();
    void systemFormat();
    void renderDateChooses();
    void formatDate_data();
    void formatDate();
    void qtPattern_data();
    void qtPattern();
    void displayTime_data();
    void displayTime();
    void titleClock();
    void badInputGivesEmptyText_data();
    void badInputGivesEmptyText();
};

void TestDateFormats::myShortDate_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");

    const QList<std::pair<QString, QString>> table = {
        {"dd/mm/yyyy", "06/12/2026"}, {"mm/dd/yyyy", "12/06/2026"}, {"yyyy/mm/dd", "2026/12/06"},
        {"yyyy/dd/mm", "2026/06/12"}, {"dd/mm/yy", "06/12/26"},     {"mm/dd/yy", "12/06/26"},
        {"yy/mm/dd", "26/12/06"},     {"yy/dd/mm", "26/06/12"},
    };
    for (const auto& [format, slashed] : table) {
        QTest::addRow("%s with /", qPrintable(format)) << format << "/" << slashed;
        QTest::addRow("%s with -", qPrintable(format)) << format << "-" << QString(slashed).replace('/', '-');
    }
    QTest::newRow("upper-case format") << "DD/MM/YYYY"
                                       << "."
                                       << "06.12.2026";
    QTest::newRow("first character of the separator") << "yyyy/mm/dd"
                                                      << "-+"
                                                      << "2026-12-06";
    QTest::newRow("month and year only") << "mm/yyyy"
                                         << "/"
                                         << "06/12/2026";
}

void TestDateFormats::myShortDate()
{
    QFETCH(QString, format);
    QFETCH(QString, separator);
    const DateFormats formats(QLocale("en_US"));
    QTEST(formats.YMD_To_My_ShortDate("2026/12/06", chosen(format, separator)), "expected");
}

void TestDateFormats::separatorFallback()
{
    const DateFormats german(QLocale("de_DE"));
    QCOMPARE(german.startDateSeparator(), QChar('.'));
    QCOMPARE(german.YMD_To_My_ShortDate("2026/12/06", chosen("dd/mm/yyyy", "")), QStringLiteral("06.12.2026"));
    DateDisplayOptions separatorOff = chosen("mm/dd/yy", "-");
    separatorOff.useSeparator = false;
    QCOMPARE(german.YMD_To_My_ShortDate("2026/12/06", separatorOff), QStringLiteral("12.06.26"));
}

void TestDateFormats::systemFormat_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("shortDate");

    QTest::newRow("en_US") << "en_US" << QChar('/') << "m/d/yy"
                           << "12/6/26";
    QTest::newRow("de_DE") << "de_DE" << QChar('.') << "dd/mm/yy"
                           << "06.12.26";
    QTest::newRow("en_GB") << "en_GB" << QChar('/') << "dd/mm/yyyy"
                           << "06/12/2026";
    QTest::newRow("C: no separator in the format") << "C" << QChar('/') << "d mmm yyyy"
                                                   << "6 Dec 2026";
}

void TestDateFormats::systemFormat()
{
    QFETCH(QString, locale);
    const DateFormats formats{QLocale(locale)};
    QTEST(formats.startDateSeparator(), "separator");
    QTEST(formats.systemShortDatePattern(), "pattern");
    QTEST(formats.YMD_To_ShortDate("2026/12/06"), "shortDate");
    QTEST(formats.displayDateFormat({}), "pattern");
    QTEST(formats.formatDate(QDate(2026, 12, 6), formats.systemShortDatePattern()), "shortDate");
}

void TestDateFormats::renderDateChooses()
{
    const DateFormats formats(QLocale("de_DE"));
    DateDisplayOptions options = chosen("yyyy/mm/dd", "-");
    QCOMPARE(formats.RenderDate("2026/12/06", options), QStringLiteral("2026-12-06"));
    QCOMPARE(formats.displayDateFormat(options), QStringLiteral("yyyy/mm/dd"));
    options.format.clear();
    QCOMPARE(formats.RenderDate("2026/12/06", options), QStringLiteral("06.12.26"));
    QCOMPARE(formats.displayDateFormat(options), QStringLiteral("dd/mm/yy"));
    options = chosen("yyyy/mm/dd", "-");
    options.useFormat = false;
    QCOMPARE(formats.RenderDate("2026/12/06", options), QStringLiteral("06.12.26"));
}

void TestDateFormats::formatDate_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    QTest::newRow("slash is the locale separator") << "de_DE"
                                                   << "dd/mm/yyyy"
                                                   << "06.01.2026";
    QTest::newRow("custom separator not used here") << "en_US"
                                                    << "dd/mm/yyyy"
                                                    << "06/01/2026";
    QTest::newRow("no leading zeros") << "de_DE"
                                      << "d/m/yy"
                                      << "6.1.26";
    QTest::newRow("other characters kept") << "de_DE"
                                           << "yyyy-mm-dd"
                                           << "2026-01-06";
    QTest::newRow("month and day names") << "en_US"
                                         << "dddd, mmmm d"
                                         << "Tuesday, January 6";
    QTest::newRow("letters without meaning are literal") << "en_US"
                                                         << "d tx"
                                                         << "6 tx";
}

void TestDateFormats::formatDate()
{
    QFETCH(QString, locale);
    QFETCH(QString, pattern);
    const DateFormats formats{QLocale(locale)};
    QTEST(formats.formatDate(QDate(2026, 1, 6), pattern), "expected");
}

void TestDateFormats::qtPattern_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("qt");

    QTest::newRow("date") << "dd/mm/yyyy"
                          << "dd/MM/yyyy";
    QTest::newRow("nn is minutes") << "hh:nn am/pm"
                                   << "hh:mm ap";
    QTest::newRow("mm after hh is minutes") << "hh:mm:ssAMPM"
                                            << "hh:mm:ssAP";
    QTest::newRow("mm after h, then month") << "h:mm d/mm"
                                            << "h:mm d/MM";
    QTest::newRow("upper-case AM/PM") << "hh:nn AM/PM"
                                      << "hh:mm AP";
    QTest::newRow("quoted text") << "yyyy \"at\" hh"
                                 << "yyyy' at 'hh";
    QTest::newRow("quote characters") << "'it''s' d"
                                      << "'its 'd";
}

void TestDateFormats::qtPattern()
{
    QFETCH(QString, pattern);
    QTEST(DateFormats::toQtPattern(pattern), "qt");
}

void TestDateFormats::displayTime_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("expected");

    QTest::newRow("evening") << "en_US"
                             << "19:05:00"
                             << "07:05:00PM";
    QTest::newRow("midnight") << "en_US"
                              << "00:00:10"
                              << "12:00:10AM";
    QTest::newRow("noon") << "en_US"
                          << "12:30:00"
                          << "12:30:00PM";
    QTest::newRow("last second") << "en_US"
                                 << "23:59:59"
                                 << "11:59:59PM";
    QTest::newRow("locale's markers") << "en_GB"
                                      << "09:30:00"
                                      << "09:30:00am";
}

void TestDateFormats::displayTime()
{
    QFETCH(QString, locale);
    QFETCH(QString, time);
    const DateFormats formats{QLocale(locale)};
    QTEST(formats.displayTime(time), "expected");
}

void TestDateFormats::titleClock()
{
    const QDateTime evening(QDate(2026, 12, 6), QTime(19, 5, 42));
    QCOMPARE(DateFormats(QLocale("en_US")).titleClock(evening), QStringLiteral("Sunday, December 6, 2026 / 07:05 pm"));
    QCOMPARE(DateFormats(QLocale("de_DE")).titleClock(evening.addSecs(-12 * 3600)),
             QStringLiteral("Sonntag, 6. Dezember 2026 / 07:05 am"));
}

void TestDateFormats::badInputGivesEmptyText_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("no date") << "-1"
                             << "-1";
    QTest::newRow("not numbers") << "2026/1x/06"
                                 << "07:3x:00";
    QTest::newRow("wrong length") << "2026/12/6"
                                  << "7:30:00";
    QTest::newRow("locale digits") << QString::fromUtf8("٢٠٢٦/12/06") << QString::fromUtf8("٠٧:30:00");
}

void TestDateFormats::badInputGivesEmptyText()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    const DateFormats formats(QLocale("en_US"));
    QCOMPARE(formats.YMD_To_ShortDate(date), QString());
    QCOMPARE(formats.YMD_To_My_ShortDate(date, chosen("dd/mm/yyyy", "/")), QString());
    QCOMPARE(formats.displayTime(time), QString());
    QVERIFY(!DateFormats::parseInternalDate(date));
    QVERIFY(!DateFormats::parseInternalTime(time));
}

QTEST_APPLESS_MAIN(TestDateFormats)
#include "tst_dateformats.moc"
