#include "brevio/core/RxTextPath.h"

#include "brevio/core/Locator.h"
#include "brevio/core/PSK31Settings.h"

#include <QLocale>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdio>

namespace {
constexpr char16_t kParagraph = 0x2029;

bool IsLineEnd(QChar c)
{
    return c == QChar(kParagraph) || c == QLatin1Char('\n') || c == QChar(0x2028);
}

// The C library's isalnum in the "C" locale: bytes above 127 are no letters.
bool IsAlnumByte(int c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Twips to pixels at 96 pixels per inch.
int TwipsToPixels(int nTwips) { return nTwips / 15; }
} // namespace

CRxTextPath::CRxTextPath(QTextDocument* pDocument, Host* pHost) : m_pDocument(pDocument), m_pHost(pHost)
{
    m_kinds.reserve(65536);
    m_unsaved.reserve(65536);
}

int CRxTextPath::Length() const
{
    return m_pDocument ? m_pDocument->characterCount() - 1 : 0;
}

QChar CRxTextPath::CharAt(int nPos) const
{
    return nPos >= 0 && nPos < Length() ? m_pDocument->characterAt(nPos) : QChar();
}

bool CRxTextPath::EndsWithLineEnd(bool bIgnoreSpaces) const
{
    int pos = Length() - 1;
    if (bIgnoreSpaces)
        while (pos >= 0 && CharAt(pos) == QLatin1Char(' '))
            --pos;
    return pos >= 0 && IsLineEnd(CharAt(pos));
}

int CRxTextPath::KindOfEntry(uint32_t nEntry)
{
    if (nEntry & kFlagTransmitted)
        return Transmitted;
    if (nEntry & kFlagSeparator)
        return Separator;
    if (nEntry & kFlagIndent)
        return Indent;
    return Received;
}

void CRxTextPath::OnCharRdy(int nChar, int nKind)
{
    const uint32_t c = uint32_t(nChar) & 0xFFFFFF;
    uint32_t entry = c;
    if (nKind == Received) {
        // Our own signal comes back through the receiver; the echo shows it.
        if (m_pHost && m_pHost->IsTransmittingHere())
            return;
        entry |= kFlagReceived;
    } else if (nKind == Transmitted) {
        if (!m_pHost || !m_pHost->IsTransmittingHere())
            return;
        entry |= kFlagTransmitted;
    } else if (nKind == Separator) {
        entry |= kFlagSeparator;
    }
    if (m_pHost && !m_pHost->CanInsertNow()) {
        m_pHost->RestartQueueTimer();
        m_pending.push_back(entry);
    } else if (!m_pending.empty()) {
        m_pending.push_back(entry);
    } else {
        AddChar(int(c), KindOfEntry(entry));
    }
}

void CRxTextPath::AddString(const QString& strText, int nKind)
{
    for (QChar ch : strText)
        OnCharRdy(ch.unicode() & 0xFF, nKind);
}

void CRxTextPath::OnQueueTimer()
{
    if (!m_pHost || m_pHost->CanInsertNow())
        FlushPending();
    else
        m_pHost->RestartQueueTimer();
}

void CRxTextPath::FlushPending()
{
    if (m_pHost)
        m_pHost->StopQueueTimer();
    // An insertion may not add to the queue, but take a copy all the same.
    const std::vector<uint32_t> entries = std::move(m_pending);
    m_pending.clear();
    for (uint32_t entry : entries)
        AddChar(int(entry & 0xFFFFFF), KindOfEntry(entry));
}

void CRxTextPath::DiscardPending()
{
    if (m_pHost)
        m_pHost->StopQueueTimer();
    m_pending.clear();
}

void CRxTextPath::SetParagraphIndent(int nTwips)
{
    const bool wait = m_pHost && !m_pHost->CanInsertNow();
    if (wait || !m_pending.empty()) {
        if (wait)
            m_pHost->RestartQueueTimer();
        m_pending.push_back((uint32_t(nTwips) & 0xFFFFFF) | kFlagIndent);
        return;
    }
    AddChar(nTwips, Indent);
}

void CRxTextPath::Clear()
{
    if (m_pDocument)
        m_pDocument->clear();
    m_kinds.clear();
    m_recent.clear();
}

void CRxTextPath::AppendKinds(int nCount, int nKind)
{
    for (int i = 0; i < nCount; ++i)
        m_kinds.push_back(uint8_t(nKind));
}

void CRxTextPath::AddChar(int nChar, int nKind)
{
    if (!m_pDocument)
        return;
    if (nKind == Indent) {
        QTextCursor cursor(m_pDocument);
        cursor.movePosition(QTextCursor::End);
        QTextBlockFormat block = cursor.blockFormat();
        block.setLeftMargin(TwipsToPixels(nChar));
        cursor.setBlockFormat(block);
        return;
    }
    if (m_pHost)
        m_pHost->BeforeChange();
    const CPSK31Settings& s = CurrentSettings();
    int c = nChar & 0xFF;
    const int len = Length();
    if (nKind == Received && c == ' ' && s.m_bCompressSpaces && len > 0) {
        const QChar last = CharAt(len - 1);
        if (last == QLatin1Char(' ') || IsLineEnd(last))
            return;
    }
    if (nKind == Received && c == '\r' && s.m_bCompressBlankLines && EndsWithLineEnd(true))
        return;

    QByteArray buffer(1, char(c));
    bool insert = true;
    if (c == 8) {
        insert = false;
        if (len >= 2) {
            QTextCursor cursor(m_pDocument);
            cursor.setPosition(len - 1);
            cursor.setPosition(len, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            if (!m_kinds.empty())
                m_kinds.pop_back();
        }
    } else if (c < 32 && c != '\r') {
        insert = false;
    } else {
        if (c == '\r')
            buffer = QByteArrayLiteral("\r\n");
        else if (c == '0' && s.m_bRxSlashZero)
            buffer[0] = char(0xD8);
        if (!IsAlnumByte(uint8_t(buffer[0])))
            buffer.prepend(SpotLocator().toLatin1());
    }

    if (insert) {
        QString text = QString::fromLatin1(buffer);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        const int before = Length();
        QTextCursor cursor(m_pDocument);
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(text, FormatOf(nKind));
        AppendKinds(Length() - before, nKind);
        m_unsaved.append(buffer);
        if (m_pHost)
            m_pHost->AfterAppend();
    }

    m_recent.append(buffer[0]);
    if (buffer.size() > 1)
        m_recent.append(buffer[1]);
    if (s.m_bRxEmoticons && m_pHost) {
        const int n = m_pHost->ReplaceEmoticon(QString::fromLatin1(m_recent));
        if (n < 0) {
            for (int i = 0; i < -n && !m_kinds.empty(); ++i)
                m_kinds.pop_back();
        } else if (n > 0) {
            AppendKinds(n, m_kinds.empty() ? nKind : m_kinds.back());
        }
    }
    if (m_recent.size() > kRecentMax)
        m_recent = m_recent.right(kRecentMax);
}

QString CRxTextPath::SpotLocator()
{
    const CPSK31Settings& s = CurrentSettings();
    const int n = int(m_unsaved.size());
    if (n < 7 || s.m_strLocator.isEmpty() || !(s.m_bLocChannelDistance || s.m_bLocChannelHeading))
        return QString();
    if (IsAlnumByte(uint8_t(m_unsaved[n - 7])))
        return QString();
    QByteArray bytes = m_unsaved.right(6);
    for (char& b : bytes)
        if (b >= 'a' && b <= 'z')
            b = char(b - 'a' + 'A');
    const QString candidate = QString::fromLatin1(bytes);
    const bool valid = IsValidLocator(candidate);
    if (s.m_bLocOrbisk && valid && m_pHost)
        m_pHost->SendLocatorToOrbisk(candidate);
    // One's own locator, also when the slashed zero shows its digit 0.
    QString plain = candidate;
    plain.replace(QChar(0xD8), QLatin1Char('0'));
    if (!valid || !IsValidLocator(s.m_strLocator) || plain == QString(s.m_strLocator).replace(QChar(0xD8), QLatin1Char('0')))
        return QString();
    double lon1 = 0, lat1 = 0, lon2 = 0, lat2 = 0, heading = 0, km = 0, miles = 0;
    LocatorToLatLong(s.m_strLocator, lon1, lat1);
    LocatorToLatLong(candidate, lon2, lat2);
    GetDistanceAndBearing(lon1, lat1, lon2, lat2, heading, km, miles);
    const bool bKm = s.m_bLocUnits == 1;
    const QString distance = DistanceText(bKm ? km : miles, bKm);
    const QString headingText = HeadingText(heading);
    const QString insertion =
        LocatorInsertion(headingText, distance, s.m_bLocChannelHeading != 0, s.m_bLocChannelDistance != 0);
    if (m_pHost)
        m_pHost->LogLocator(candidate, distance, headingText, m_pHost->LocatorFrequencyText());
    return insertion;
}

QString CRxTextPath::DistanceText(double dDistance, bool bKm)
{
    // The C library's rounding (half to even on the binary value), as always shown.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1f%s", dDistance, bKm ? "km" : "m");
    QString text = QString::fromLatin1(buffer);
    const int point = int(text.indexOf(QLatin1Char('.')));
    if (point > 3)
        text.insert(point - 3, QLatin1Char(','));
    return text;
}

QString CRxTextPath::HeadingText(double dHeading)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1f", dHeading);
    return QString::fromLatin1(buffer) + QChar(0xB0);
}

QString CRxTextPath::LocatorInsertion(const QString& strHeading, const QString& strDistance, bool bHeading,
                                      bool bDistance)
{
    return QStringLiteral(" [") + (bHeading ? strHeading : QString()) +
           (bHeading && bDistance ? QStringLiteral(" ") : QString()) + (bDistance ? strDistance : QString()) +
           QStringLiteral("]");
}

QString CRxTextPath::TimeText(const QDateTime& utc, bool bDate, bool bUTC)
{
    const QDateTime t = bUTC ? utc.toUTC() : utc.toLocalTime();
    const QLocale c = QLocale::c();
    if (bDate)
        return bUTC ? c.toString(t, QStringLiteral("d MMM yyyy HH:mm:ss 'UTC'"))
                    : c.toString(t, QStringLiteral("d MMM yyyy h:mm:ss AP"));
    return bUTC ? c.toString(t, QStringLiteral("HH:mm:ss 'UTC'")) : c.toString(t, QStringLiteral("h:mm:ss AP"));
}

QString CRxTextPath::SeparatorText(bool bTransmit, const QString& strTime, const QString& strFrequency, bool bCWId,
                                   const QString& strCWString, bool bWelcome)
{
    const QString head = bTransmit ? QStringLiteral("\rTX> ") : QStringLiteral("\rRX> ");
    QString text = strFrequency.isEmpty() ? head + strTime + QStringLiteral("\r")
                                          : head + strFrequency + QStringLiteral(" - ") + strTime + QStringLiteral("\r");
    if (bTransmit && bCWId)
        text += QStringLiteral("Sending CW identification: %1\r").arg(strCWString);
    if (!bTransmit && bWelcome)
        text.prepend(QStringLiteral("\rPress F8 to configure PSK31 Brevio\r"));
    return text;
}

void CRxTextPath::SetFormats(const QTextCharFormat& received, const QTextCharFormat& transmitted,
                             const QTextCharFormat& separator)
{
    m_formats[Received] = received;
    m_formats[Transmitted] = transmitted;
    m_formats[Separator] = separator;
}

const QTextCharFormat& CRxTextPath::FormatOf(int nKind) const
{
    if (nKind == Transmitted || nKind == Separator)
        return m_formats[nKind];
    return m_formats[Received];
}

void CRxTextPath::RecolourText()
{
    if (!m_pDocument)
        return;
    const int len = Length();
    QTextCursor cursor(m_pDocument);
    cursor.beginEditBlock();
    int start = 0;
    while (start < len) {
        const int kind = start < int(m_kinds.size()) ? int(m_kinds[size_t(start)]) : int(Received);
        int end = start + 1;
        while (end < len && (end < int(m_kinds.size()) ? int(m_kinds[size_t(end)]) : int(Received)) == kind)
            ++end;
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        // Pictures keep their image; only their character format changes.
        cursor.mergeCharFormat(FormatOf(kind));
        start = end;
    }
    cursor.endEditBlock();
}
