#include "brevio/core/LocatorValidator.h"

#include "brevio/core/Locator.h"

QValidator::State CLocatorValidator::Check(const QString& strText)
{
    if (strText.isEmpty())
        return Acceptable;
    if (strText.size() > 6)
        return Invalid;
    for (int i = 0; i < strText.size(); ++i) {
        const QChar c = strText[i];
        const bool fits = i < 2   ? (c >= QLatin1Char('A') && c <= QLatin1Char('R'))
                          : i < 4 ? ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QChar(0xD8))
                                  : (c >= QLatin1Char('A') && c <= QLatin1Char('X'));
        if (!fits)
            return Invalid;
    }
    QString whole = strText;
    return TakeLocatorEntry(whole) ? Acceptable : Intermediate;
}

QValidator::State CLocatorValidator::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    input = input.toUpper();
    return Check(input);
}
