// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/dateformats.h"

#include <QDateTime>

#include <algorithm>
#include <array>

namespace {
constexpr QChar fallbackSeparator = u'/';

// ASCII digits only: internal texts never carry a locale's digits.
std::optional<int> digitsValue(QStringView text)
{
    if (text.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// "1234/56/78" or "12:34:56": a number of firstWidth digits, then two of two digits.
std::optional<std::array<int, 3>> fixedWidthNumbers(QStringView text, qsizetype firstWidth, QChar separator)
{
    if (text.size() != firstWidth + 6 || text[firstWidth] != separator || text[firstWidth + 3] != separator)
        return std::nullopt;
    const std::optional<int> first = digitsValue(text.first(firstWidth));
    const std::optional<int> second = digitsValue(text.sliced(firstWidth + 1, 2));
    const std::optional<int> third = digitsValue(text.sliced(firstWidth + 4, 2));
    if (!first || !second || !third)
        return std::nullopt;
    return std::array<int, 3>{*first, *second, *third};
}

QString twoDigits(int value)
{
    const QChar digits[2] = {QChar(u'0' + value / 10), QChar(u'0' + value % 10)};
    return QString(digits, 2);
}

// Qt reads letters and quotes as pattern characters: such runs of literal text go in quotes.
void flushLiteral(QString& out, QString& literal)
{
    const bool needsQuotes =
        std::any_of(literal.cbegin(), literal.cend(), [](QChar c) { return c.isLetter() || c == u'\''; });
    if (needsQuotes)
        out += u'\'' + literal.replace(u'\'', QStringLiteral("''")) + u'\'';
    else
        out += literal;
    literal.clear();
}

qsizetype runLength(const QString& pattern, qsizetype from)
{
    const QChar c = pattern[from].toLower();
    qsizetype end = from;
    while (end < pattern.size() && pattern[end].toLower() == c)
        ++end;
    return end - from;
}

/// The Qt token for a run of one pattern letter; empty for a letter that is no field.
QString qtToken(QChar c, qsizetype length, bool afterHour)
{
    switch (c.toLower().unicode()) {
    case u'y':
        return length <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
    case u'd':
        return QString(std::min<qsizetype>(length, 4), u'd');
    case u'm':
        if (!afterHour)
            return QString(std::min<qsizetype>(length, 4), u'M');
        return length >= 2 ? QStringLiteral("mm") : QStringLiteral("m");
    case u'n':
        return length >= 2 ? QStringLiteral("mm") : QStringLiteral("m");
    case u'h':
        return length >= 2 ? QStringLiteral("hh") : QStringLiteral("h");
    case u's':
        return length >= 2 ? QStringLiteral("ss") : QStringLiteral("s");
    default:
        return {};
    }
}

QChar separatorOf(const QString& qtFormat)
{
    bool quoted = false;
    for (const QChar c : qtFormat) {
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && !c.isLetter() && !c.isSpace())
            return c;
    }
    return fallbackSeparator;
}
} // namespace

DateFormats::DateFormats(const QLocale& locale)
    : m_locale(locale)
    , m_shortFormat(locale.dateFormat(QLocale::ShortFormat))
    , m_startSeparator(separatorOf(m_shortFormat))
{}

QString DateFormats::systemShortDatePattern() const
{
    QString pattern;
    for (const QChar c : m_shortFormat) {
        if (c == m_startSeparator)
            pattern += u'/';
        else if (c != u'\'')
            pattern += c.toLower();
    }
    return pattern;
}

QString DateFormats::YMD_To_ShortDate(const QString& ymd) const
{
    const std::optional<QDate> date = parseInternalDate(ymd);
    return date ? m_locale.toString(*date, m_shortFormat) : QString();
}

QString DateFormats::YMD_To_My_ShortDate(const QString& ymd, const DateDisplayOptions& options) const
{
    if (ymd.size() != 10)
        return {};
    QStringView year = QStringView(ymd).first(4);
    const QStringView month = QStringView(ymd).sliced(5, 2);
    const QStringView day = QStringView(ymd).sliced(8, 2);
    if (!digitsValue(year) || !digitsValue(month) || !digitsValue(day))
        return {};

    const QString format = options.format.toLower();
    if (!format.contains(u"yyyy"))
        year = year.sliced(2);
    const QString separator =
        options.useSeparator && !options.separator.isEmpty() ? options.separator.left(1) : QString(m_startSeparator);

    // Positions counted from 1, 0 when the letter is missing.
    const qsizetype pd = format.indexOf(u'd') + 1;
    const qsizetype pm = format.indexOf(u'm') + 1;
    const qsizetype py = format.indexOf(u'y') + 1;
    auto join = [&separator](QStringView a, QStringView b, QStringView c) {
        return a.toString() + separator + b.toString() + separator + c.toString();
    };
    if (pd < pm && pm < py)
        return join(day, month, year);
    if (pm < pd && pd < py)
        return join(month, day, year);
    if (pd < py && py < pm)
        return join(day, year, month);
    if (py < pd && pd < pm)
        return join(year, day, month);
    if (pm < py && py < pd)
        return join(month, year, day);
    if (py < pm && pm < pd)
        return join(year, month, day);
    return {};
}

QString DateFormats::RenderDate(const QString& ymd, const DateDisplayOptions& options) const
{
    return options.useFormat && !options.format.isEmpty() ? YMD_To_My_ShortDate(ymd, options) : YMD_To_ShortDate(ymd);
}

QString DateFormats::displayDateFormat(const DateDisplayOptions& options) const
{
    return options.useFormat && !options.format.isEmpty() ? options.format : systemShortDatePattern();
}

QString DateFormats::formatDate(const QDate& date, const QString& pattern) const
{
    if (!date.isValid())
        return {};
    return m_locale.toString(date, translatePattern(pattern, m_startSeparator));
}

QString DateFormats::displayTime(const QString& time24) const
{
    const std::optional<QTime> time = parseInternalTime(time24);
    if (!time)
        return {};
    const int hour = time->hour() % 12 == 0 ? 12 : time->hour() % 12;
    return twoDigits(hour) + u':' + twoDigits(time->minute()) + u':' + twoDigits(time->second()) +
           (time->hour() < 12 ? m_locale.amText() : m_locale.pmText());
}

QString DateFormats::titleClock(const QDateTime& moment) const
{
    if (!moment.isValid())
        return {};
    return m_locale.toString(moment, m_locale.dateFormat(QLocale::LongFormat) + QStringLiteral(" / hh:mm ap"));
}

QString DateFormats::internalDate(const QDate& date)
{
    return date.isValid() ? date.toString(u"yyyy/MM/dd") : QString();
}

QString DateFormats::internalTime(const QTime& time)
{
    return time.isValid() ? time.toString(u"HH:mm:ss") : QString();
}

std::optional<QDate> DateFormats::parseInternalDate(QStringView ymd)
{
    const auto parts = fixedWidthNumbers(ymd, 4, u'/');
    if (!parts || !QDate::isValid((*parts)[0], (*parts)[1], (*parts)[2]))
        return std::nullopt;
    return QDate((*parts)[0], (*parts)[1], (*parts)[2]);
}

std::optional<QTime> DateFormats::parseInternalTime(QStringView hms)
{
    const auto parts = fixedWidthNumbers(hms, 2, u':');
    if (!parts || !QTime::isValid((*parts)[0], (*parts)[1], (*parts)[2]))
        return std::nullopt;
    return QTime((*parts)[0], (*parts)[1], (*parts)[2]);
}

QString DateFormats::toQtPattern(const QString& pattern)
{
    return translatePattern(pattern, fallbackSeparator);
}

QString DateFormats::translatePattern(const QString& pattern, QChar separator)
{
    QString out;
    QString literal;
    auto addToken = [&out, &literal](QStringView qtToken) {
        flushLiteral(out, literal);
        out += qtToken;
    };
    bool afterHour = false; // an "m" right after an hour (literals between) is minutes
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        const QStringView rest = QStringView(pattern).sliced(i);
        if (rest.startsWith(u"am/pm", Qt::CaseInsensitive)) {
            addToken(c.isUpper() ? u"AP" : u"ap");
            i += 5;
            afterHour = false;
            continue;
        }
        if (rest.startsWith(u"ampm", Qt::CaseInsensitive)) {
            addToken(u"AP");
            i += 4;
            afterHour = false;
            continue;
        }
        if (c == u'"' || c == u'\'') {
            const qsizetype close = pattern.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? pattern.size() : close;
            literal += QStringView(pattern).sliced(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (c == u'/') {
            literal += separator;
            ++i;
            continue;
        }
        const qsizetype length = runLength(pattern, i);
        const QString token = qtToken(c, length, afterHour);
        if (token.isEmpty())
            literal += QStringView(pattern).sliced(i, length);
        else
            addToken(token);
        if (c.isLetter())
            afterHour = c.toLower() == u'h';
        i += length;
    }
    flushLiteral(out, literal);
    return out;
}
