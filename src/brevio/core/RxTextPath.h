#pragma once
// The way every character into a channel's receive text goes: acceptance and
// queueing while the operator holds the mouse or a navigation key, then the
// rewriting rules of one insertion (space and blank-line compression,
// backspace, line ends, slashed zero, locator spotting), the kind of every
// character (received, transmitted echo, separator) for its colour, the bytes
// kept for the autosave and the last few for the emoticon check.
//
// Works on the receive window's document; what it needs of the window and of
// the rest of the program comes through its Host.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTextCharFormat>
#include <cstdint>
#include <vector>

class QTextDocument;

class CRxTextPath {
public:
    enum Kind : int { Received = 0, Transmitted = 1, Separator = 2, Indent = 3 };
    // Queue entries: the character (or indent) in bits 0-23, the kind as one flag.
    static constexpr uint32_t kFlagReceived = 0x20000000;
    static constexpr uint32_t kFlagTransmitted = 0x80000000;
    static constexpr uint32_t kFlagSeparator = 0x40000000;
    static constexpr uint32_t kFlagIndent = 0x10000000;
    static constexpr int kRecentMax = 10;
    static constexpr int kIndentTwips = 300;

    class Host {
    public:
        virtual ~Host() = default;
        // This channel is the one transmitting now.
        virtual bool IsTransmittingHere() const { return false; }
        // No mouse button or navigation key held, no resize settling.
        virtual bool CanInsertNow() const { return true; }
        // The queue needs draining later (the 500 ms timer), or no longer.
        virtual void RestartQueueTimer() {}
        virtual void StopQueueTimer() {}
        // Called before an insertion changes anything (the view is noted).
        virtual void BeforeChange() {}
        // Called right after text was appended: selection and scrolling.
        virtual void AfterAppend() {}
        // Replaces a smiley ending the recent characters; the change of length.
        virtual int ReplaceEmoticon(const QString& strRecent) { (void)strRecent; return 0; }
        virtual void SendLocatorToOrbisk(const QString& strLocator) { (void)strLocator; }
        virtual void LogLocator(const QString& strLocator, const QString& strDistance, const QString& strHeading,
                                const QString& strFrequency)
        {
            (void)strLocator, (void)strDistance, (void)strHeading, (void)strFrequency;
        }
        // The frequency noted with a spotted locator.
        virtual QString LocatorFrequencyText() const { return QString(); }
    };

    CRxTextPath(QTextDocument* pDocument, Host* pHost);

    // A character as the main frame posts it (kind 0, 1 or 2).
    void OnCharRdy(int nChar, int nKind);
    void AddString(const QString& strText, int nKind);
    // One character now (0-255), or an indent in twips with kind 3.
    void AddChar(int nChar, int nKind);
    void FlushPending();
    // The queue timer ran out.
    void OnQueueTimer();
    void SetParagraphIndent(int nTwips);
    // Empties the queue without inserting it.
    void DiscardPending();
    // Empties the text, the kinds and the recent characters.
    void Clear();

    // Every character gets the format of its kind again (after an options change).
    void RecolourText();
    void SetFormats(const QTextCharFormat& received, const QTextCharFormat& transmitted,
                    const QTextCharFormat& separator);
    const QTextCharFormat& FormatOf(int nKind) const;

    int Length() const;
    const std::vector<uint8_t>& GetKinds() const { return m_kinds; }
    const std::vector<uint32_t>& GetPending() const { return m_pending; }
    const QByteArray& GetRecent() const { return m_recent; }
    QByteArray& UnsavedText() { return m_unsaved; }
    const QByteArray& UnsavedText() const { return m_unsaved; }
    QTextDocument* GetDocument() const { return m_pDocument; }

    // Texts of the separators and the spots.
    static QString TimeText(const QDateTime& utc, bool bDate, bool bUTC);
    // "\rTX> ..." or "\rRX> ..."; strFrequency empty when no radio-based
    // frequency is shown; bWelcome for the empty window of channel 0.
    static QString SeparatorText(bool bTransmit, const QString& strTime, const QString& strFrequency, bool bCWId,
                                 const QString& strCWString, bool bWelcome);
    static QString DistanceText(double dDistance, bool bKm);
    static QString HeadingText(double dHeading);
    // The text put after a spotted locator, empty when none.
    static QString LocatorInsertion(const QString& strHeading, const QString& strDistance, bool bHeading,
                                    bool bDistance);

private:
    QChar CharAt(int nPos) const;
    bool EndsWithLineEnd(bool bIgnoreSpaces) const;
    QString SpotLocator();
    static int KindOfEntry(uint32_t nEntry);
    void AppendKinds(int nCount, int nKind);

    QTextDocument* m_pDocument;
    Host* m_pHost;
    QTextCharFormat m_formats[3];
    std::vector<uint8_t> m_kinds;
    std::vector<uint32_t> m_pending;
    QByteArray m_unsaved;
    QByteArray m_recent;
};
