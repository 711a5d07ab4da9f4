#pragma once

#include <QRegularExpression>
#include <QTest>

// Every Qt warning fails a widget test, but for the offscreen plugin's notes
// on what it lacks (a window manager, a keyboard grab), which are dropped
// before the test sees them.
inline void failOnQtWarnings()
{
    static QtMessageHandler testHandler = nullptr;
    if (!testHandler) {
        testHandler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (!message.startsWith(QStringLiteral("This plugin does not support ")))
                testHandler(type, context, message);
        });
    }
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}
