#include "brevio/core/TxTextSender.h"

#include "brevio/core/DspCalls.h"
#include "brevio/core/PSK31Settings.h"

#include <QLocale>
#include <QTextCursor>
#include <QTextDocument>

namespace {
const QString kStop = QStringLiteral("[stop]");
const QString kCWIdOn = QStringLiteral("[cw-id-on]");
const QString kCWIdOff = QStringLiteral("[cw-id-off]");
const QString kDate = QStringLiteral("[date]");
const QString kTime = QStringLiteral("[time]");

bool IsLineEnd(QChar c)
{
    return c == QChar(0x2029) || c == QLatin1Char('\n') || c == QChar(0x2028) || c == QLatin1Char('\r');
}
} // namespace

CTxTextSender::CTxTextSender(QTextDocument* pDocument, Host* pHost) : m_pDocument(pDocument), m_pHost(pHost) {}

int CTxTextSender::Length() const
{
    return m_pDocument ? m_pDocument->characterCount() - 1 : 0;
}

QString CTxTextSender::Text() const
{
    QString text;
    const int len = Length();
    text.reserve(len);
    for (int i = 0; i < len; ++i) {
        const QChar c = m_pDocument->characterAt(i);
        text.append(IsLineEnd(c) ? QChar(QLatin1Char('\n')) : c);
    }
    return text;
}

void CTxTextSender::Status(const QString& strText)
{
    if (m_pHost)
        m_pHost->SetStatusText(strText);
}

bool CTxTextSender::UnsentStartsWith(const QString& strCommand) const
{
    if (GetUnsentCount() < strCommand.size())
        return false;
    for (int i = 0; i < strCommand.size(); ++i)
        if (m_pDocument->characterAt(m_nSent + i).toLower() != strCommand[i])
            return false;
    return true;
}

bool CTxTextSender::NextIsStop() const
{
    return UnsentStartsWith(kStop);
}

void CTxTextSender::Format(int nFrom, int nTo, const QTextCharFormat& format)
{
    if (!m_pDocument || nFrom >= nTo)
        return;
    QTextCursor cursor(m_pDocument);
    cursor.setPosition(nFrom);
    cursor.setPosition(nTo, QTextCursor::KeepAnchor);
    cursor.setCharFormat(format);
}

void CTxTextSender::MarkSent(int nCount)
{
    Format(m_nSent, m_nSent + nCount, m_sentFormat);
    m_nSent += nCount;
}

void CTxTextSender::SkipStop()
{
    if (!NextIsStop())
        return;
    MarkSent(int(kStop.size()));
    // Reached on air: the engine still holds a character or two, and their
    // echoes must pull nothing more of this transmission.
    if (m_bSending && m_pHost && m_pHost->IsMainTransmitting())
        m_bStopping = true;
}

void CTxTextSender::StartStop(int nState)
{
    m_bSending = nState != 0;
    m_bStopping = false;
    if (m_bSending) {
        for (int i = 0; i < 2; ++i)
            if (!SendNext())
                break;
        return;
    }
    if (CurrentSettings().m_bClearTxText && m_nSent > 0) {
        QTextCursor cursor(m_pDocument);
        cursor.setPosition(0);
        cursor.setPosition(std::min(m_nSent, Length()), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        m_nSent = 0;
    }
}

int CTxTextSender::SendNext()
{
    m_bWaiting = false;
    if (!m_pDocument)
        return 0;
    if (m_bStopping) {
        Status(QStringLiteral("Stopping"));
        return 0;
    }
    if (HasUnsent()) {
        // Commands to the program itself go nowhere on air.
        for (;;) {
            if (UnsentStartsWith(kCWIdOn)) {
                if (m_pHost)
                    m_pHost->SetCWIdPending(true);
                MarkSent(int(kCWIdOn.size()));
            } else if (UnsentStartsWith(kCWIdOff)) {
                if (m_pHost)
                    m_pHost->SetCWIdPending(false);
                MarkSent(int(kCWIdOff.size()));
            } else {
                break;
            }
        }
        if (NextIsStop()) {
            Status(QStringLiteral("Stopping"));
            return 0;
        }
    }
    if (HasUnsent()) {
        const QString unsent = Text().mid(m_nSent);
        const int mode = CurrentSettings().m_nTxSendChars;
        const bool stopFollows = unsent.contains(kStop, Qt::CaseInsensitive);
        if (mode == 0) {
            Status(QStringLiteral("Sending, press Escape to stop"));
        } else if (mode == 1) {
            if (unsent.contains(QLatin1Char(' ')) || unsent.contains(QLatin1Char('\n')) || stopFollows) {
                Status(QStringLiteral("Sending, press Escape to stop"));
            } else {
                m_bWaiting = true;
                Status(QStringLiteral("Waiting for space or linefeed to continue sending"));
                return 0;
            }
        } else if (mode == 2) {
            if (unsent.contains(QLatin1Char('\n')) || stopFollows) {
                Status(QStringLiteral("Sending, press Escape to stop"));
            } else {
                m_bWaiting = true;
                Status(QStringLiteral("Waiting for linefeed to continue sending"));
                return 0;
            }
        }

        const QDateTime now = m_pHost ? m_pHost->NowUtc() : QDateTime::currentDateTimeUtc();
        const QLocale c = QLocale::c();
        const QString* command = UnsentStartsWith(kDate) ? &kDate : UnsentStartsWith(kTime) ? &kTime : nullptr;
        if (command) {
            const QString text = command == &kDate ? c.toString(now.toUTC(), QStringLiteral("dd MMM yyyy"))
                                                   : c.toString(now.toUTC(), QStringLiteral("HH:mm:ss'z'"));
            QTextCursor cursor(m_pDocument);
            cursor.setPosition(m_nSent);
            cursor.setPosition(m_nSent + int(command->size()), QTextCursor::KeepAnchor);
            cursor.insertText(text, m_unsentFormat);
        }

        const QChar ch = m_pDocument->characterAt(m_nSent);
        MarkSent(1);
        if (IsLineEnd(ch)) {
            fnSendTXCharacter('\r', 0);
            fnSendTXCharacter('\n', 0);
        } else {
            const char byte = QString(ch).toLatin1().at(0);
            fnSendTXCharacter(int(int8_t(byte)), 0);
        }
        return 1;
    }
    if (m_nSent != 0)
        Status(QStringLiteral("All text sent, press Escape to stop"));
    return 0;
}

void CTxTextSender::Pump()
{
    if (!m_bSending)
        return;
    while (fnGetTXCharsRemaining() < kEngineQueue)
        if (!SendNext())
            break;
}

void CTxTextSender::AddText(const QString& strText, bool bLineEndAfter, bool bOnNewLine)
{
    if (!m_pDocument)
        return;
    QString text = strText;
    const int len = Length();
    if (bOnNewLine && len > 0 && !IsLineEnd(m_pDocument->characterAt(len - 1)))
        text.prepend(QStringLiteral("\r\n"));
    if (bLineEndAfter)
        text += QStringLiteral("\r\n");
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextCursor cursor(m_pDocument);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text, m_unsentFormat);
    Pump();
}

void CTxTextSender::Clear()
{
    m_nSent = 0;
    fnClearTXBuffer();
    if (m_pDocument)
        m_pDocument->clear();
}

void CTxTextSender::MarkAllUnsent()
{
    m_nSent = 0;
    Format(0, Length(), m_unsentFormat);
    Pump();
}

bool CTxTextSender::ReplaceTagInUnsent(const QString& strTitle, const QString& strValue)
{
    if (!m_pDocument)
        return false;
    const QString placeholder = QLatin1Char('<') + strTitle + QLatin1Char('>');
    bool replaced = false;
    int from = m_nSent;
    for (;;) {
        const int at = int(Text().indexOf(placeholder, from));
        if (at < 0)
            break;
        QTextCursor cursor(m_pDocument);
        cursor.setPosition(at);
        cursor.setPosition(at + int(placeholder.size()), QTextCursor::KeepAnchor);
        cursor.insertText(strValue, m_unsentFormat);
        from = at + int(strValue.size());
        replaced = true;
    }
    return replaced;
}

CTxTextSender::EditResult CTxTextSender::CheckBackspace(int nStart, int nEnd)
{
    if (nStart > m_nSent)
        return Allowed;
    const CPSK31Settings& s = CurrentSettings();
    if (nStart == nEnd && nStart == m_nSent && nStart > 0 && m_pHost && m_pHost->IsMainTransmitting() &&
        s.m_bTxBackspace) {
        // The last character on air is taken back: a backspace follows it.
        QTextCursor cursor(m_pDocument);
        cursor.setPosition(m_nSent - 1);
        cursor.setPosition(m_nSent, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        m_nSent -= 1;
        fnSendTXCharacter(8, 0);
        Pump();
        return TakenBack;
    }
    return Refused;
}

bool CTxTextSender::CanDelete(int nStart, int nEnd) const
{
    (void)nEnd;
    return nStart >= m_nSent;
}

void CTxTextSender::SetFormats(const QTextCharFormat& sent, const QTextCharFormat& unsent)
{
    m_sentFormat = sent;
    m_unsentFormat = unsent;
}

void CTxTextSender::ApplyFormats()
{
    Format(0, std::min(m_nSent, Length()), m_sentFormat);
    FormatUnsentPart();
}

void CTxTextSender::FormatUnsentPart()
{
    Format(m_nSent, Length(), m_unsentFormat);
}
