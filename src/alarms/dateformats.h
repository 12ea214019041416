// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <QTime>
#include <optional>

/// The user's date display choice, as the settings window holds it.
struct DateDisplayOptions
{
    bool useFormat = false;    // "Use this date format :"
    QString format;            // the chosen pattern, e.g. "dd/mm/yyyy"
    bool useSeparator = false; // "Use this separator :"
    QString separator;         // the user's separator field
};

/// Turns internal dates ("yyyy/mm/dd") and times ("hh:mm:ss") into what the user sees.
/// Patterns here are the program's own ("dd/mm/yyyy", "hh:nn"), not Qt's.
class DateFormats
{
public:
    explicit DateFormats(const QLocale& locale = QLocale::system());

    /// The locale's date separator, captured once.
    QChar startDateSeparator() const { return m_startSeparator; }
    /// The locale's short date pattern in the program's form, lower case (e.g. "dd/mm/yyyy").
    QString systemShortDatePattern() const;

    /// The date in the locale's short date format. Empty when ymd is not a real date.
    QString YMD_To_ShortDate(const QString& ymd) const;
    /// The date in the chosen pattern and separator. Empty when ymd is not well formed.
    QString YMD_To_My_ShortDate(const QString& ymd, const DateDisplayOptions& options) const;
    /// The chosen pattern when "Use this date format :" is on with a pattern, else the system's.
    QString RenderDate(const QString& ymd, const DateDisplayOptions& options) const;
    /// The pattern for the effective-date label (UpDateMyShortDateNDateTimeFormat).
    QString displayDateFormat(const DateDisplayOptions& options) const;
    /// Formats a date with one of the program's patterns; "/" stands for the locale separator.
    QString formatDate(const QDate& date, const QString& pattern) const;

    /// "hh:mm:ss" → the 12-hour display time with the locale's AM/PM marker, e.g. 07:05:00PM.
    QString displayTime(const QString& time24) const;
    /// The title clock: the locale's long date format followed by " / hh:nn am/pm".
    QString titleClock(const QDateTime& moment) const;

    static QString internalDate(const QDate& date); // "yyyy/mm/dd", ASCII digits
    static QString internalTime(const QTime& time); // "hh:mm:ss", ASCII digits
    /// A real date written "yyyy/mm/dd" with ASCII digits.
    static std::optional<QDate> parseInternalDate(QStringView ymd);
    /// A real time of day written "hh:mm:ss" (24-hour) with ASCII digits.
    static std::optional<QTime> parseInternalTime(QStringView hms);
    /// Translates one of the program's patterns into a Qt pattern; "/" stays a literal "/".
    static QString toQtPattern(const QString& pattern);

private:
    static QString translatePattern(const QString& pattern, QChar separator);

    QLocale m_locale;
    QString m_shortFormat; // the locale's short date format, Qt's pattern
    QChar m_startSeparator;
};
