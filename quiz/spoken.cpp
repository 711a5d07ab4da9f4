#include "spoken.h"

#include "grading.h"

QString spokenNumber(int value)
{
    // Spelled out: a bare "-" is read as a dash, or not at all.
    return value < 0 ? QStringLiteral("meno %1").arg(-value) : QString::number(value);
}

QString spokenProblem(int first, int second, bool firstOfGame)
{
    const QString problem = QStringLiteral("Quanto fa %1 più %2?").arg(spokenNumber(first), spokenNumber(second));
    return firstOfGame ? problem + QStringLiteral(" Scrivi il risultato e premi Invio.") : problem;
}

QString spokenVerdict(bool right, const GameState &state)
{
    const QString verdict = right ? QStringLiteral("Esatto!")
                                  : QStringLiteral("Sbagliato. Il risultato giusto è %1.")
                                        .arg(spokenNumber(state.expectedSum));
    return QStringLiteral("%1 Esatte %2, errate %3, totali %4.")
        .arg(verdict)
        .arg(state.rightAnswers)
        .arg(state.wrongAnswers)
        .arg(totalAnswers(state));
}

QString spokenEndTime(const QString &endTime)
{
    return endTime.isEmpty() ? QStringLiteral("Nessun orario di fine gioco.")
                             : QStringLiteral("Il gioco finisce alle %1.").arg(endTime);
}

QString spokenCaption(const QString &name, const QString &caption)
{
    return caption.isEmpty() ? name : name + QStringLiteral(": ") + caption;
}

QString spokenClock(const QString &time, const QString &endTime)
{
    const QString clock = spokenCaption(QStringLiteral("Orologio"), time);
    return endTime.isEmpty() ? clock : clock + QStringLiteral(", fine alle ") + endTime;
}

QString spokenBefore(const QString &first, const QString &then)
{
    return then.isEmpty() ? first : first + QLatin1Char(' ') + then;
}

QString spokenBox(const QString &title, const QStringList &texts, const QStringList &buttons)
{
    QStringList parts{title + QLatin1Char('.')};
    for (const QString &text : texts)
        parts << text;
    if (buttons.size() > 1)
        parts << QStringLiteral("Pulsanti: %1.").arg(buttons.join(QStringLiteral(", ")));
    return parts.join(QLatin1Char(' '));
}

QString spokenButton(const QString &name)
{
    return QStringLiteral("%1, pulsante.").arg(name);
}

QString spokenField(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("Casella di testo vuota.")
                          : QStringLiteral("Casella di testo: %1").arg(text);
}

QString spokenMenuEntry(const QString &name, bool submenu)
{
    return submenu ? QStringLiteral("%1, sottomenu").arg(name) : name;
}
