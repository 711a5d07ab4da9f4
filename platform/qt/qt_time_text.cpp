#include "qt_time_text.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

QChar timeSeparator(const QString &format)
{
    for (qsizetype i = 1; i < format.size(); ++i) {
        if ((format[i - 1] == u'h' || format[i - 1] == u'H') && (format[i] == u':' || format[i] == u'.'))
            return format[i];
    }
    return u':';
}

namespace {
const QDate dayZero(1899, 12, 30);

QChar timeSeparator(const QLocale &locale)
{
    return timeSeparator(locale.timeFormat(QLocale::ShortFormat));
}

// True when the format is three fields (runs of one letter from `fields`)
// with one and the same separator, taken from `separators`, between them;
// blanks and direction marks aside.
bool plainFormat(const QString &format, QStringView fields, QStringView separators)
{
    QString bare;
    for (QChar c : format) {
        if (!c.isSpace() && c.category() != QChar::Other_Format)
            bare += c;
    }
    int runs = 0;
    QChar separator;
    for (qsizetype i = 0; i < bare.size();) {
        if (!fields.contains(bare[i]))
            return false;
        const QChar letter = bare[i];
        while (i < bare.size() && bare[i] == letter)
            ++i;
        ++runs;
        if (i == bare.size())
            break;
        if (!separators.contains(bare[i]) || (!separator.isNull() && bare[i] != separator))
            return false;
        separator = bare[i++];
    }
    return runs == 3;
}

// The long time format without the time zone, which the clock has no use
// for, nor the brackets or comma around it. Where the locale writes words
// between the numbers ("14時22分05秒"), hours, minutes and seconds with its
// separator instead, so that what is shown reads back as a time.
QString longTimeFormat(const QLocale &locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(u't');
    format.remove(QStringLiteral("()"));
    format.remove(QStringLiteral("[]"));
    format = format.simplified();
    while (format.endsWith(u','))
        format = format.chopped(1).trimmed();
    const bool reads = !format.contains(u'\'') && format.contains(u's')
                       && plainFormat(QString(format).remove(QStringLiteral("AP"), Qt::CaseInsensitive)
                                          .remove(QChar(u'a'), Qt::CaseInsensitive),
                                      u"hHms", u".:");
    return reads ? format : QStringLiteral("HH%1mm%1ss").arg(timeSeparator(locale));
}

// The short date with the full year, so that what is shown reads back as the
// same day; the ISO form where the locale writes month names or mixes separators.
QString dateFormat(const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    const bool reads = !format.contains(QStringLiteral("MMM")) && !format.contains(QStringLiteral("ddd"))
                       && plainFormat(format, u"dMy", u"/.-");
    return reads ? format : QStringLiteral("yyyy-MM-dd");
}

// What the parser reads: the locale's own digits as ASCII ones, every kind of
// blank as a plain one, and no direction marks or joiners.
QString normalized(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (QChar::category(c) == QChar::Other_Format)
            continue;
        if (QChar::isSpace(c))
            out += u' ';
        else if (QChar::category(c) == QChar::Number_DecimalDigit)
            out += QChar(u'0' + QChar::digitValue(c));
        else
            out += QString::fromUcs4(&c, 1);
    }
    return out.trimmed();
}

QString designatorPattern(const QLocale &locale)
{
    QStringList words{QStringLiteral("AM"), QStringLiteral("PM")};
    for (const QString &word : {locale.amText(), locale.pmText()}) {
        if (!word.isEmpty())
            words << QRegularExpression::escape(normalized(word));
    }
    return words.join(u'|');
}

int twoDigitYear(int year, qsizetype digits)
{
    if (digits > 2)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}
}

QtTimeText::QtTimeText(const QLocale &locale)
    : m_locale(locale),
      m_longTime(longTimeFormat(locale)),
      m_date(dateFormat(locale)),
      m_mediumTime(QStringLiteral("hh%1mm AP").arg(timeSeparator(locale))),
      m_patterns(locale)
{
    m_dayFirst = m_date.indexOf(u'd') < m_date.indexOf(u'M');
}

QString QtTimeText::text(DateTime value) const
{
    const QTime time = QTime(0, 0).addSecs(value.secondOfDay());
    if (value.isBareTime())
        return m_locale.toString(time, m_longTime);
    QString result = m_locale.toString(dayZero.addDays(value.day()), m_date);
    if (value.secondOfDay() != 0)
        result += u' ' + m_locale.toString(time, m_longTime);
    return result;
}

QString QtTimeText::mediumTime(DateTime value) const
{
    return m_locale.toString(QTime(0, 0).addSecs(value.secondOfDay()), m_mediumTime);
}

QtTimeText::Patterns::Patterns(const QLocale &locale)
{
    // The day-half marker may stand before the time ("오후 2:22") or after it.
    const QString time = QStringLiteral("(?<before>%1)?\\s*(?<hour>\\d{1,2})(?:\\s*[.:]\\s*(?<minute>\\d{1,2}))?"
                                        "(?:\\s*[.:]\\s*(?<second>\\d{1,2}))?\\s*(?<after>%1)?")
                             .arg(designatorPattern(locale));
    const QString date = QStringLiteral(
        "(?<left>\\d{1,4})\\s*(?<sep>[/.-])\\s*(?<middle>\\d{1,2})\\s*\\k<sep>\\s*(?<right>\\d{1,4})(?:\\s*\\k<sep>)?");
    timeOnly = QRegularExpression(u'^' + time + u'$', QRegularExpression::CaseInsensitiveOption);
    dateTime = QRegularExpression(u'^' + date + QStringLiteral("(?:\\s+") + time + QStringLiteral(")?$"),
                                  QRegularExpression::CaseInsensitiveOption);
}

std::optional<int> QtTimeText::readTime(const QRegularExpressionMatch &m) const
{
    const QString before = m.captured(u"before"), after = m.captured(u"after");
    if (!before.isEmpty() && !after.isEmpty())
        return std::nullopt;
    const QString designator = before.isEmpty() ? after : before;
    if (!m.hasCaptured(u"minute") && designator.isEmpty())
        return std::nullopt;
    int hour = m.captured(u"hour").toInt();
    const int minute = m.captured(u"minute").toInt();
    const int second = m.captured(u"second").toInt();
    if (!designator.isEmpty()) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        const QString pmText = normalized(m_locale.pmText());
        const bool pm = designator.compare(QStringLiteral("PM"), Qt::CaseInsensitive) == 0
                        || (!pmText.isEmpty() && designator.compare(pmText, Qt::CaseInsensitive) == 0);
        hour = hour % 12 + (pm ? 12 : 0);
    }
    if (hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    return hour * 3600 + minute * 60 + second;
}

std::optional<DateTime> QtTimeText::parse(const QString &text) const
{
    const QString trimmed = normalized(text);
    if (const auto m = m_patterns.timeOnly.match(trimmed); m.hasMatch()) {
        if (const auto secs = readTime(m))
            return DateTime{*secs};
        return std::nullopt;
    }
    const auto m = m_patterns.dateTime.match(trimmed);
    if (!m.hasMatch())
        return std::nullopt;

    const QString a = m.captured(u"left"), b = m.captured(u"middle"), c = m.captured(u"right");
    QDate day;
    if (a.size() > 2) {
        day = QDate(a.toInt(), b.toInt(), c.toInt());
    } else if (b.size() <= 2) {
        const int year = twoDigitYear(c.toInt(), c.size());
        day = m_dayFirst ? QDate(year, b.toInt(), a.toInt()) : QDate(year, a.toInt(), b.toInt());
    }
    if (!day.isValid())
        return std::nullopt;
    int secs = 0;
    if (m.hasCaptured(u"hour")) {
        const auto t = readTime(m);
        if (!t)
            return std::nullopt;
        secs = *t;
    }
    return DateTime{dayZero.daysTo(day) * DateTime::secsPerDay + secs};
}
