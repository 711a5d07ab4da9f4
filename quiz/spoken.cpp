#include "spoken.h"

#include "grading.h"

QString spokenNumber(int value)
{
    // Spelled out: a bare "-" is read as a dash, or not at all.
    return value < 0 ? QStringLiteral("meno %1").arg(-value) : QString::number(value);
}

QString spokenProblem(int first, int second)
{
    return QStringLiteral("Quanto fa %1 più %2?").arg(spokenNumber(first), spokenNumber(second));
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
