#pragma once

#include "services.h"

#include <QLocale>

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
    QLocale m_locale;
    QString m_longTime;
    QString m_date;
    QString m_mediumTime;
    bool m_dayFirst = true;
};
