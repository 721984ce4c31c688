#include "brevio/display/Alarm.h"

#include "brevio/core/PSK31Settings.h"
#include "brevio/display/AlarmActions.h"

#include <QStringList>
#include <boost/regex.hpp>
#include <algorithm>
#include <string>

namespace {
// Received text is single-byte; the regular expressions work on those bytes.
std::string Bytes(const QString& strText)
{
    const QByteArray latin = strText.toLatin1();
    return std::string(latin.constData(), size_t(latin.size()));
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}
} // namespace

void CAlarm::Clear()
{
    *this = CAlarm();
}

QString CAlarm::ToLowerAscii(const QString& strText)
{
    QString lower = strText;
    for (QChar& c : lower)
        if (c.unicode() >= 'A' && c.unicode() <= 'Z')
            c = QChar(c.unicode() + ('a' - 'A'));
    return lower;
}

void CAlarm::SetExpression(const QString& strText)
{
    m_strExpression = strText;
    m_strExpressionLower = ToLowerAscii(strText);
}

int CAlarm::MatchPattern(const QString& strExpression, const QString& strText, QString& strMatched)
{
    QString text = strText;
    text.replace(QChar(0xD8), QLatin1Char('0'));
    try {
        const boost::regex pattern("(.*)(" + Bytes(strExpression) + ")(.*)", boost::regex::perl);
        const std::string subject = Bytes(text);
        boost::smatch match;
        if (!boost::regex_match(subject, match, pattern))
            return 0;
        if (match.size() < 3)
            return 0;
        std::string found = match[2].str();
        const auto first = std::find_if_not(found.begin(), found.end(), IsBlank);
        const auto last = std::find_if_not(found.rbegin(), found.rend(), IsBlank).base();
        found = first < last ? std::string(first, last) : std::string();
        strMatched = QString::fromLatin1(found.data(), qsizetype(found.size()));
        return 1;
    } catch (const boost::regex_error&) {
        return -1;
    } catch (...) {
        // Too complex to finish, or anything else the library throws: no match.
        return 0;
    }
}

bool CAlarm::Match(const QString& strText, QString& strMatched) const
{
    if (!m_bEnabled)
        return false;
    return MatchPattern(m_strExpressionLower, strText, strMatched) == 1;
}

QString CAlarm::Phrase(int nChannel, const QString& strMatched) const
{
    if (!HasFlag(kSpeak) || (!HasFlag(kAddMatch) && m_strSpeech.isEmpty()))
        return QString();
    QString phrase = m_strSpeech;
    if (HasFlag(kAddMatch) && !strMatched.isEmpty()) {
        if (!phrase.isEmpty())
            phrase += QStringLiteral(", ");
        phrase += strMatched;
    }
    if (HasFlag(kAddChannel)) {
        const QString s = QString::asprintf("  on channel %d", nChannel);
        phrase = phrase.isEmpty() ? QStringLiteral("Alarm ") + s : phrase + s;
    }
    return phrase;
}

void CAlarm::Fire(int nChannel, const QString& strMatched) const
{
    CAlarmActions& actions = CAlarmActions::Instance();
    if (HasFlag(kBeep))
        actions.Beep();
    if (HasFlag(kPlayWave) && !m_strWave.isEmpty())
        actions.PlayWave(m_strWave);
    const QString phrase = Phrase(nChannel, strMatched);
    if (phrase.isEmpty())
        return;
    // One utterance holding every repeat: a new text would cut off the one
    // still being spoken.
    const int repeats = CurrentSettings().m_nBrowserTextRepeats;
    if (repeats <= 0)
        return;
    QStringList parts;
    for (int i = 0; i < repeats; ++i)
        parts.append(phrase);
    actions.Speak(parts.join(QStringLiteral(". ")), HasFlag(kSpell), HasFlag(kPhonetic));
}
