#include "corvane/organisers/LogbookDateText.h"

#include <QStringList>

namespace {

QString sqlText(const QString& text)
{
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

// How often the character at i repeats, at most nMost times.
int repeatCount(const QString& format, qsizetype i, int nMost)
{
    int n = 1;
    while (i + n < format.size() && n < nMost && format.at(i + n) == format.at(i))
        ++n;
    return n;
}

// Whether a format shows AM/PM, which makes its 'h' a 12-hour clock: an 'a'
// or 'A' outside quoted text, as the locale's formatter decides it.
bool hasAmPm(const QString& format)
{
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('a') || c == QLatin1Char('A')))
            return true;
    }
    return false;
}

// Builds the SQL that renders one format from the stored text.
class Renderer {
public:
    Renderer(const QString& field, const QLocale& locale) : m_field(field), m_locale(locale) {}

    QString Render(const QString& format)
    {
        const bool twelveHour = hasAmPm(format);
        qsizetype i = 0;
        while (i < format.size()) {
            const QChar c = format.at(i);
            if (c == QLatin1Char('\'')) {
                i = Quoted(format, i);
                continue;
            }
            int n = 1;
            switch (c.unicode()) {
            case 'd':
                n = repeatCount(format, i, 4);
                if (n == 1)
                    Number(Integer("%d"));
                else if (n == 2)
                    Number(Strftime("%d"));
                else
                    DayName(n == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
                break;
            case 'M':
                n = repeatCount(format, i, 4);
                if (n == 1)
                    Number(Integer("%m"));
                else if (n == 2)
                    Number(Strftime("%m"));
                else
                    MonthName(n == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
                break;
            case 'y':
                n = repeatCount(format, i, 4);
                if (n >= 4) {
                    n = 4;
                    Number(Strftime("%Y"));
                } else if (n >= 2) {
                    n = 2;
                    Number(QStringLiteral("substr(%1, 3, 2)").arg(Strftime("%Y")));
                } else {
                    m_literal += c;
                }
                break;
            case 'h':
                n = repeatCount(format, i, 2);
                if (twelveHour) {
                    const QString hour = QStringLiteral("((%1 + 11) % 12 + 1)").arg(Integer("%H"));
                    Number(n == 2 ? QStringLiteral("substr('0' || %1, -2, 2)").arg(hour) : hour);
                } else {
                    Number(n == 2 ? Strftime("%H") : Integer("%H"));
                }
                break;
            case 'H':
                n = repeatCount(format, i, 2);
                Number(n == 2 ? Strftime("%H") : Integer("%H"));
                break;
            case 'm':
                n = repeatCount(format, i, 2);
                Number(n == 2 ? Strftime("%M") : Integer("%M"));
                break;
            case 's':
                n = repeatCount(format, i, 2);
                Number(n == 2 ? Strftime("%S") : Integer("%S"));
                break;
            case 'z':
                // The stored form has no milliseconds.
                n = repeatCount(format, i, 3) >= 3 ? 3 : 1;
                Number(sqlText(n == 3 ? QStringLiteral("000") : QStringLiteral("0")));
                break;
            case 'a':
            case 'A': {
                n = i + 1 < format.size() && format.at(i + 1).toLower() == QLatin1Char('p') ? 2 : 1;
                AmPm(format.mid(i, n));
                break;
            }
            default:
                m_literal += c;
                break;
            }
            i += n;
        }
        Flush();
        return m_parts.isEmpty() ? QStringLiteral("''") : m_parts.join(QStringLiteral(" || "));
    }

private:
    qsizetype Quoted(const QString& format, qsizetype i)
    {
        // '' is a quote; 'text' is text, with '' inside it a quote.
        if (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('\'')) {
            m_literal += QLatin1Char('\'');
            return i + 2;
        }
        ++i;
        while (i < format.size()) {
            if (format.at(i) == QLatin1Char('\'')) {
                if (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('\'')) {
                    m_literal += QLatin1Char('\'');
                    i += 2;
                    continue;
                }
                return i + 1;
            }
            m_literal += format.at(i++);
        }
        return i;
    }

    QString Strftime(const char* part) const
    {
        return QStringLiteral("strftime('%1', %2)").arg(QLatin1String(part), m_field);
    }
    QString Integer(const char* part) const { return QStringLiteral("CAST(%1 AS INTEGER)").arg(Strftime(part)); }

    void Flush()
    {
        if (!m_literal.isEmpty())
            m_parts << sqlText(m_literal);
        m_literal.clear();
    }
    void Add(const QString& sql)
    {
        Flush();
        m_parts << sql;
    }
    // Numbers in the locale's own digits.
    void Number(const QString& sql)
    {
        const QList<uint> zero = m_locale.zeroDigit().toUcs4();
        if (zero.isEmpty() || zero.first() == '0') {
            Add(sql);
            return;
        }
        QString mapped = QStringLiteral("(%1 || '')").arg(sql);
        for (uint d = 0; d < 10; ++d) {
            const char32_t digit = char32_t(zero.first() + d);
            // All at once: the text put in must not be searched for markers again.
            mapped = QStringLiteral("replace(%1, '%2', %3)")
                         .arg(mapped, QString::number(d), sqlText(QString::fromUcs4(&digit, 1)));
        }
        Add(mapped);
    }
    void MonthName(QLocale::FormatType type)
    {
        QString sql = QStringLiteral("CASE %1").arg(Integer("%m"));
        for (int month = 1; month <= 12; ++month)
            sql += QStringLiteral(" WHEN %1 THEN %2").arg(QString::number(month), sqlText(m_locale.monthName(month, type)));
        Add(sql + QStringLiteral(" END"));
    }
    void DayName(QLocale::FormatType type)
    {
        // SQLite counts from Sunday = 0; the locale from Monday = 1 to Sunday = 7.
        QString sql = QStringLiteral("CASE %1").arg(Integer("%w"));
        for (int day = 0; day < 7; ++day)
            sql += QStringLiteral(" WHEN %1 THEN %2")
                       .arg(QString::number(day), sqlText(m_locale.dayName(day == 0 ? 7 : day, type)));
        Add(sql + QStringLiteral(" END"));
    }
    void AmPm(const QString& token)
    {
        QString am = m_locale.amText();
        QString pm = m_locale.pmText();
        if (token == QLatin1String("AP") || token == QLatin1String("A")) {
            am = am.toUpper();
            pm = pm.toUpper();
        } else if (token == QLatin1String("ap") || token == QLatin1String("a")) {
            am = am.toLower();
            pm = pm.toLower();
        }
        Add(QStringLiteral("CASE WHEN %1 < 12 THEN %2 ELSE %3 END").arg(Integer("%H"), sqlText(am), sqlText(pm)));
    }

    QString m_field;
    QLocale m_locale;
    QStringList m_parts;
    QString m_literal;
};

} // namespace

QString CLogbookDateText::DateFormat(const QLocale& locale)
{
    return locale.dateFormat(QLocale::ShortFormat);
}

QString CLogbookDateText::TimeFormat(const QLocale& locale)
{
    // The short time forms often leave the seconds out; a contact's time keeps them.
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1Char('s')))
        format.replace(QStringLiteral("mm"), QStringLiteral("mm:ss"));
    return format;
}

QString CLogbookDateText::Text(const QDateTime& utc, const QLocale& locale)
{
    const QDateTime t = utc.toUTC();
    return locale.toString(t.date(), DateFormat(locale)) + QLatin1Char(' ') +
           locale.toString(t.time(), TimeFormat(locale));
}

QString CLogbookDateText::SqlExpression(const QString& strField, const QLocale& locale)
{
    const QString field = QStringLiteral("[%1]").arg(strField);
    const QString date = Renderer(field, locale).Render(DateFormat(locale));
    const QString time = Renderer(field, locale).Render(TimeFormat(locale));
    // Only a stored date is rendered: SQLite would also read a bare number
    // as a day count, where the list shows the number itself.
    return QStringLiteral("(CASE WHEN %1 GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]*' "
                          "AND strftime('%s', %1) IS NOT NULL THEN %2 || ' ' || %3 ELSE %1 END)")
        .arg(field, date, time);
}
