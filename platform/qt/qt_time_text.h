#pragma once

#include "services.h"

#include <QLocale>
#include <QRegularExpression>

// The separator that a locale's short time format puts between hours and
// minutes, where it is one the parser reads (":" or "."); else ":".
QChar timeSeparator(const QString &shortTimeFormat);

// Times as the given locale writes them; the locale is a parameter so that
// tests can pin one.
class QtTimeText final : public TimeText
{
public:
    explicit QtTimeText(const QLocale &locale = QLocale::system());

    QString text(DateTime value) const override;
    QString mediumTime(DateTime value) const override;
    std::optional<DateTime> parse(const QString &text) const override;

private:
    // Reads the time groups of a match; nothing when they make no time.
    std::optional<int> readTime(const QRegularExpressionMatch &m) const;

    // Built once, compiled on the first use.
    struct Patterns
    {
        explicit Patterns(const QLocale &locale);
        QRegularExpression timeOnly;
        QRegularExpression dateTime;
    };

    QLocale m_locale;
    QString m_longTime;
    QString m_date;
    QString m_mediumTime;
    Patterns m_patterns;
    bool m_dayFirst = true;
};
