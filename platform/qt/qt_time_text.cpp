#include "qt_time_text.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

namespace {
const QDate dayZero(1899, 12, 30);

// The long time format without the time zone, which the clock has no use for.
QString longTimeFormat(const QLocale &locale)
{
    const QString full = locale.timeFormat(QLocale::LongFormat);
    QString format;
    bool quoted = false;
    for (QChar c : full) {
        if (c == u'\'')
            quoted = !quoted;
        if (c == u't' && !quoted)
            continue;
        format += c;
    }
    format = format.simplified();
    if (!format.contains(u's'))
        format += QStringLiteral(":ss");
    return format;
}

// The short date with the full year, so that what is shown reads back as the same day.
QString dateFormat(const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

QChar timeSeparator(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    for (qsizetype i = 1; i < format.size(); ++i) {
        if ((format[i - 1] == u'h' || format[i - 1] == u'H') && !format[i].isLetter())
            return format[i];
    }
    return u':';
}

QString designatorPattern(const QLocale &locale)
{
    QStringList words{QStringLiteral("AM"), QStringLiteral("PM")};
    for (const QString &word : {locale.amText(), locale.pmText()}) {
        if (!word.isEmpty())
            words << QRegularExpression::escape(word);
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
      m_mediumTime(QStringLiteral("hh%1mm AP").arg(timeSeparator(locale)))
{
    const QString date = locale.dateFormat(QLocale::ShortFormat);
    m_dayFirst = date.indexOf(u'd') < date.indexOf(u'M');
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

std::optional<DateTime> QtTimeText::parse(const QString &text) const
{
    const QString time = QStringLiteral(
        "(\\d{1,2})(?:\\s*[.:]\\s*(\\d{1,2}))?(?:\\s*[.:]\\s*(\\d{1,2}))?\\s*(%1)?").arg(designatorPattern(m_locale));
    static const QString date = QStringLiteral("(\\d{1,4})\\s*([/-])\\s*(\\d{1,2})\\s*\\2\\s*(\\d{1,4})");
    const QRegularExpression timeOnly(u'^' + time + u'$', QRegularExpression::CaseInsensitiveOption);
    const QRegularExpression dateTime(u'^' + date + QStringLiteral("(?:\\s+") + time + QStringLiteral(")?$"),
                                      QRegularExpression::CaseInsensitiveOption);

    // Reads the time groups starting at group `first`; nothing when invalid.
    auto readTime = [this](const QRegularExpressionMatch &m, int first) -> std::optional<int> {
        const QString designator = m.captured(first + 3);
        const bool hasMinutes = m.hasCaptured(first + 1);
        if (!hasMinutes && designator.isEmpty())
            return std::nullopt;
        int hour = m.captured(first).toInt();
        const int minute = m.captured(first + 1).toInt();
        const int second = m.captured(first + 2).toInt();
        if (!designator.isEmpty()) {
            if (hour < 1 || hour > 12)
                return std::nullopt;
            const bool pm = designator.compare(QStringLiteral("PM"), Qt::CaseInsensitive) == 0
                            || (!m_locale.pmText().isEmpty()
                                && designator.compare(m_locale.pmText(), Qt::CaseInsensitive) == 0);
            hour = hour % 12 + (pm ? 12 : 0);
        }
        if (hour > 23 || minute > 59 || second > 59)
            return std::nullopt;
        return hour * 3600 + minute * 60 + second;
    };

    const QString trimmed = text.trimmed();
    if (const auto m = timeOnly.match(trimmed); m.hasMatch()) {
        if (const auto secs = readTime(m, 1))
            return DateTime{*secs};
        return std::nullopt;
    }
    const auto m = dateTime.match(trimmed);
    if (!m.hasMatch())
        return std::nullopt;

    const QString a = m.captured(1), b = m.captured(3), c = m.captured(4);
    QDate day;
    if (a.size() > 2) {
        day = QDate(a.toInt(), b.toInt(), c.toInt());
    } else if (a.size() <= 2 && b.size() <= 2) {
        const int year = twoDigitYear(c.toInt(), c.size());
        day = m_dayFirst ? QDate(year, b.toInt(), a.toInt()) : QDate(year, a.toInt(), b.toInt());
    }
    if (!day.isValid())
        return std::nullopt;
    int secs = 0;
    if (m.hasCaptured(5)) {
        const auto t = readTime(m, 5);
        if (!t)
            return std::nullopt;
        secs = *t;
    }
    return DateTime{dayZero.daysTo(day) * DateTime::secsPerDay + secs};
}
