#pragma once
// Types a script of keys into a widget with real key events. Plain
// characters are typed; braces name other keys: {BS} {DEL} {INS} {HOME}
// {END} {LEFT} {RIGHT} {UP} {DOWN} {TAB}, with "S-" for Shift ({S-LEFT}).
#include <QString>
#include <QTest>
#include <QWidget>

namespace testsupport {

inline void typeKeys(QWidget* widget, const QString& script)
{
    for (int i = 0; i < script.size(); ++i) {
        const QChar c = script.at(i);
        if (c != QLatin1Char('{')) {
            QTest::keyClick(widget, c.toLatin1());
            continue;
        }
        const int close = script.indexOf(QLatin1Char('}'), i);
        QString name = script.mid(i + 1, close - i - 1);
        i = close;
        Qt::KeyboardModifiers mods = Qt::NoModifier;
        if (name.startsWith(QLatin1String("S-"))) {
            mods = Qt::ShiftModifier;
            name = name.mid(2);
        }
        static const QHash<QString, Qt::Key> keys = {
            {QStringLiteral("BS"), Qt::Key_Backspace}, {QStringLiteral("DEL"), Qt::Key_Delete},
            {QStringLiteral("INS"), Qt::Key_Insert},   {QStringLiteral("HOME"), Qt::Key_Home},
            {QStringLiteral("END"), Qt::Key_End},      {QStringLiteral("LEFT"), Qt::Key_Left},
            {QStringLiteral("RIGHT"), Qt::Key_Right},  {QStringLiteral("UP"), Qt::Key_Up},
            {QStringLiteral("DOWN"), Qt::Key_Down},    {QStringLiteral("TAB"), Qt::Key_Tab},
        };
        QTest::keyClick(widget, keys.value(name), mods);
    }
}

} // namespace testsupport
