#include "brevio/display/SuperChannel.h"

#include "brevio/core/Locator.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/display/AlarmList.h"

#include <algorithm>
#include <cstdlib>

namespace {
// The C library's classes in its own locale: ASCII only.
bool IsAsciiLetter(int c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsAsciiAlnum(int c)
{
    return IsAsciiLetter(c) || (c >= '0' && c <= '9');
}

QString UpperAscii(const QString& strText)
{
    QString upper = strText;
    for (QChar& c : upper)
        if (c.unicode() >= 'a' && c.unicode() <= 'z')
            c = QChar(c.unicode() - ('a' - 'A'));
    return upper;
}

CBrowserEnvironment& Env()
{
    return CBrowserEnvironment::Instance();
}
} // namespace

int CSuperChannel::ElapsedMs(const CTimeStamp& a, const CTimeStamp& b)
{
    const int64_t ms = (a.nSeconds - b.nSeconds) * 1000 + (a.nMilliseconds - b.nMilliseconds);
    const int64_t magnitude = ms < 0 ? -ms : ms;
    return magnitude > INT32_MAX ? INT32_MAX : int(magnitude);
}

void CSuperChannel::Reset()
{
    *this = CSuperChannel();
}

void CSuperChannel::ClearText()
{
    m_bAlarmHit = 0;
    m_strRaw.clear();
    m_strDisplay.clear();
    m_strLower.clear();
    m_alarmTitles.clear();
    m_timeStart = CTimeStamp();
    m_timeLastChar = CTimeStamp();
}

bool CSuperChannel::IsActive() const
{
    if (m_timeLastChar.IsZero())
        return false;
    const int64_t limit = int64_t(CurrentSettings().m_nBrowserThInactive) * 1000;
    return ElapsedMs(Env().Now(), m_timeLastChar) <= limit;
}

int CSuperChannel::MsSinceSearch() const
{
    return ElapsedMs(Env().Now(), m_timeSearch);
}

void CSuperChannel::ApplySquelch()
{
    Env().SetSquelchThreshold(m_nSquelchThreshold, m_nSquelchSpeed, m_nDspChannel);
}

void CSuperChannel::Restart()
{
    Env().EnableRxChannel(m_nDspChannel, 1);
    ApplySquelch();
    int peak = Env().GetClosestPeak(m_nBaseFrequency, m_nBaseFrequency + m_nSpan);
    if (peak == m_nBaseFrequency)
        peak = RestingFrequency();
    Env().SetRxFrequency(peak, m_nDspChannel);
    m_bImdBound = 0;
    m_nImd = 0;
    m_bAlarmHit = 0;
    m_bSearching = 1;
    m_timeSearch = Env().Now();
}

int CSuperChannel::RestingFrequency() const
{
    // The base frequency may lie just beside a signal of the slot below:
    // a channel waiting there would copy its sidebands as text.
    const int reach = kSideReach * CurrentSettings().GetSpeedFactor();
    const int base = m_nBaseFrequency;
    const int below = Env().GetClosestPeak(base, std::max(0, base - reach));
    if (below == base)
        return base;
    int rest = std::min(below + reach, base + m_nSpan);
    // A signal above within reach too: the middle is the best there is.
    const int above = Env().GetClosestPeak(rest, std::min(4000, rest + reach));
    if (above != rest)
        rest = (below + above) / 2;
    return rest;
}

int CSuperChannel::SearchNewFrequency(int nStart, int nHigh, int nLow, const std::vector<int>& used)
{
    if (nStart == -1)
        nStart = m_nCurrentFrequency;
    const int guard = kPeakGuard * CurrentSettings().GetSpeedFactor();
    auto taken = [&](int p) {
        for (int u : used)
            if (u - guard <= p && p <= u + guard)
                return true;
        return false;
    };
    const int ranges[2][2] = {{nStart, nHigh}, {nLow, nStart}};
    for (const auto& range : ranges) {
        int from = range[0];
        const int end = range[1];
        for (;;) {
            const int p = Env().GetClosestPeak(from, end);
            // A peak that does not lie further along the range ends it too,
            // so the walk always finishes.
            if (p == from || (end >= from ? (p < from || p > end) : (p > from || p < end)))
                break;
            if (taken(p)) {
                from = p;
                continue;
            }
            m_bSearching = 1;
            m_timeSearch = Env().Now();
            Env().SetRxFrequency(p, m_nDspChannel);
            m_nCurrentFrequency = p;
            m_bImdBound = 0;
            m_nImd = 0;
            return p;
        }
    }
    return -1;
}

QString CSuperChannel::DistanceText(double dKm, double dMiles, bool bKilometres)
{
    QString text = bKilometres ? QString::asprintf("%.1f%s", dKm, "km") : QString::asprintf("%.1f%s", dMiles, "m");
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point > 3)
        text.insert(point - 3, QLatin1Char(','));
    return text;
}

QString CSuperChannel::HeadingText(double dHeading)
{
    return QString::asprintf("%.1f", dHeading) + QChar(0xB0);
}

void CSuperChannel::SpotLocator()
{
    const CPSK31Settings& s = CurrentSettings();
    const qsizetype length = m_strRaw.size();
    if (IsAsciiAlnum(m_strRaw[length - 8].unicode()))
        return;
    const QString candidate = UpperAscii(m_strRaw.mid(length - 7, 6));
    const bool valid = IsValidLocator(candidate);
    if (s.m_bLocOrbisk && valid)
        Env().SendLocatorToOrbisk(candidate);
    const QString own = UpperAscii(s.m_strLocator);
    if (!valid || !IsValidLocator(own) || candidate == own)
        return;
    double ownLon = 0, ownLat = 0, lon = 0, lat = 0;
    LocatorToLatLong(own, ownLon, ownLat);
    LocatorToLatLong(candidate, lon, lat);
    double heading = 0, km = 0, miles = 0;
    GetDistanceAndBearing(ownLon, ownLat, lon, lat, heading, km, miles);
    const QString distance = DistanceText(km, miles, s.m_bLocUnits != 0);
    const QString headingText = HeadingText(heading);
    m_strDisplay += QStringLiteral(" [%1%2%3]")
                        .arg(s.m_bLocSuperHeading ? headingText : QString(),
                             s.m_bLocSuperHeading && s.m_bLocSuperDistance ? QStringLiteral(" ") : QString(),
                             s.m_bLocSuperDistance ? distance : QString());
    const int audio = Env().GetRxFrequency(m_nDspChannel);
    const QString frequency = Env().GetRadioFrequency() != 0
                                  ? QStringLiteral("%1 + %2").arg(Env().GetRadioFrequencyText()).arg(audio)
                                  : QString::number(audio);
    Env().LogLocator(candidate, distance, headingText, frequency);
}

void CSuperChannel::AddChar(int nChar)
{
    const CPSK31Settings& s = CurrentSettings();
    int c = nChar & 0xFF;
    if (c == '0' && s.m_bRxSlashZero)
        c = kSlashedZero;
    m_strRaw += QChar(c);
    m_bSearching = 0;
    m_timeSearch = CTimeStamp();

    if (c < 32 && c != '\r')
        c = ' ';
    if ((c == ' ' || c == '\r') && m_strDisplay.isEmpty())
        return;

    const CTimeStamp now = Env().Now();
    m_timeLastChar = now;
    if (m_strDisplay.isEmpty())
        m_timeStart = now;

    const QString& newline = s.m_strBrowserNewline;
    const qsizetype n = newline.size();
    auto endsWithNewline = [&] { return m_strDisplay.size() >= n && m_strDisplay.endsWith(newline); };
    if (c == ' ') {
        if (m_strDisplay.endsWith(QLatin1Char(' ')) || endsWithNewline())
            return;
    } else if (c == '\r') {
        if (m_strDisplay.endsWith(QLatin1Char(' '))) {
            m_strDisplay.chop(1);
            m_strLower.chop(1);
        }
        if (endsWithNewline())
            return;
    }

    if (!IsAsciiAlnum(c) && m_strRaw.size() >= 8 && !s.m_strLocator.isEmpty() &&
        (s.m_bLocSuperDistance || s.m_bLocSuperHeading))
        SpotLocator();

    if (c == '\r') {
        m_strDisplay += newline;
        m_strLower += CAlarm::ToLowerAscii(newline);
    } else {
        m_strDisplay += QChar(c);
        m_strLower += CAlarm::ToLowerAscii(QString(QChar(c)));
    }
}

void CSuperChannel::CheckAlarms()
{
    const CAlarmList& alarms = Alarms();
    if (!HasBox() || !alarms.Enabled()) {
        m_alarmTitles.clear();
        // The highlight belongs to a matching alarm; with alarms off it goes.
        if (!alarms.Enabled())
            m_bAlarmHit = 0;
        return;
    }
    QStringList titles, matched;
    alarms.MatchAll(m_strLower.left(kAlarmTextLength), titles, matched);
    m_bAlarmHit = 0;
    for (int i = 0; i < titles.size(); ++i) {
        const CAlarm* alarm = alarms.FindByTitle(titles[i]);
        if (!alarm)
            continue;
        if (!m_alarmTitles.contains(titles[i]))
            alarm->Fire(m_nDspChannel - 9, matched[i]);
        if (alarm->HasFlag(CAlarm::kHighlight))
            m_bAlarmHit = 1;
    }
    m_alarmTitles = titles;
}
