#pragma once
// The sending side of a transmit text: how much of the text has gone to the
// engine (the sent boundary), the steps that hand the next characters over
// as the engine asks for them, the inline commands written in the text
// ("[stop]", "[cw-id-on]", "[cw-id-off]", "[date]", "[time]"), the three send
// modes, and which edits the sent part allows.
//
// Works on the transmit window's document; a line end is one character of
// the document and goes on air as CR LF.
#include <QDateTime>
#include <QString>
#include <QTextCharFormat>

class QTextDocument;

class CTxTextSender {
public:
    class Host {
    public:
        virtual ~Host() = default;
        virtual void SetStatusText(const QString& strText) { (void)strText; }
        virtual void SetCWIdPending(bool bPending) { (void)bPending; }
        // The main frame is transmitting (from any channel).
        virtual bool IsMainTransmitting() const { return false; }
        virtual QDateTime NowUtc() const { return QDateTime::currentDateTimeUtc(); }
    };

    CTxTextSender(QTextDocument* pDocument, Host* pHost);

    void StartStop(int nState);
    // One step: 1 when characters went to the engine, else 0.
    int SendNext();
    // Tops the engine's queue up to two characters while sending.
    void Pump();
    void AddText(const QString& strText, bool bLineEndAfter, bool bOnNewLine);
    void Clear();
    void MarkAllUnsent();
    bool HasUnsent() const { return m_nSent < Length(); }
    int GetUnsentCount() const { return Length() - m_nSent; }
    int GetSentCount() const { return m_nSent; }
    bool NextIsStop() const;
    // Marks a "[stop]" at the boundary sent. Reached while sending, it ends
    // what this window hands over: the text after it waits for the next start.
    void SkipStop();
    bool IsStopping() const { return m_bStopping; }
    // Every "<title>" of the unsent part becomes the value; true when any did.
    bool ReplaceTagInUnsent(const QString& strTitle, const QString& strValue);

    // Edits the sent part allows. A backspace at the boundary itself may take
    // the last sent character back (answered TakenBack, already done).
    enum EditResult { Allowed, Refused, TakenBack };
    EditResult CheckBackspace(int nStart, int nEnd);
    // Delete key: forward deletion at the caret or of the selection.
    bool CanDelete(int nStart, int nEnd) const;
    // Typing, pasting, dropping or cutting over [nStart, nEnd).
    bool CanReplace(int nStart, int nEnd) const { (void)nEnd; return nStart >= m_nSent; }

    void SetFormats(const QTextCharFormat& sent, const QTextCharFormat& unsent);
    const QTextCharFormat& GetSentFormat() const { return m_sentFormat; }
    const QTextCharFormat& GetUnsentFormat() const { return m_unsentFormat; }
    // Sent part in the sent format, the rest unsent.
    void ApplyFormats();
    void FormatUnsentPart();

    bool IsSending() const { return m_bSending; }
    bool IsWaiting() const { return m_bWaiting; }
    int Length() const;
    // The document's text, a line end as '\n'.
    QString Text() const;

    static constexpr int kEngineQueue = 2;

private:
    bool UnsentStartsWith(const QString& strCommand) const;
    void MarkSent(int nCount);
    void Format(int nFrom, int nTo, const QTextCharFormat& format);
    void Status(const QString& strText);

    QTextDocument* m_pDocument;
    Host* m_pHost;
    int m_nSent = 0;
    bool m_bSending = false;
    bool m_bWaiting = false;
    bool m_bStopping = false;
    QTextCharFormat m_sentFormat;
    QTextCharFormat m_unsentFormat;
};
