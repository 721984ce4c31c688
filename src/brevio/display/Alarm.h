#pragma once
// One alarm: a regular expression tried against the text a Super Browser
// channel receives, and what to do when it is found (beep, play a wave file,
// highlight the channel, speak a phrase).
#include <QString>
#include <cstdint>

class CAlarm {
public:
    // Flag bits.
    static constexpr uint32_t kBeep = 0x01;
    static constexpr uint32_t kHighlight = 0x02;
    static constexpr uint32_t kSpeak = 0x04;
    static constexpr uint32_t kPlayWave = 0x08;
    static constexpr uint32_t kAddChannel = 0x10;
    static constexpr uint32_t kAddMatch = 0x20;
    static constexpr uint32_t kPhonetic = 0x40;
    static constexpr uint32_t kSpell = 0x80;

    CAlarm() = default;
    virtual ~CAlarm() = default;
    CAlarm(const CAlarm&) = default;
    CAlarm& operator=(const CAlarm&) = default;

    // Every string empty, flags 0, disabled.
    void Clear();

    const QString& GetComment() const { return m_strComment; }
    void SetComment(const QString& strText) { m_strComment = strText; }
    const QString& GetSpeechText() const { return m_strSpeech; }
    void SetSpeechText(const QString& strText) { m_strSpeech = strText; }
    const QString& GetExpression() const { return m_strExpression; }
    const QString& GetExpressionLower() const { return m_strExpressionLower; }
    // Keeps the lower-case copy that matching uses.
    void SetExpression(const QString& strText);
    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& strText) { m_strTitle = strText; }
    const QString& GetWaveFile() const { return m_strWave; }
    void SetWaveFile(const QString& strPath) { m_strWave = strPath; }
    uint32_t GetFlags() const { return m_nFlags; }
    void SetFlags(uint32_t nFlags) { m_nFlags = nFlags; }
    bool HasFlag(uint32_t nFlag) const { return (m_nFlags & nFlag) != 0; }
    int GetEnabled() const { return m_bEnabled; }
    void SetEnabled(int bEnabled) { m_bEnabled = bEnabled; }

    // True when the enabled alarm's expression occurs in the text; the
    // matched text is its last occurrence, trimmed. A bad expression never
    // matches.
    bool Match(const QString& strText, QString& strMatched) const;
    // Tries "(.*)(" + expression + ")(.*)" on the text as given (the 0xD8
    // slashed zero read as '0'). 1 match, 0 no match, -1 the expression does
    // not compile.
    static int MatchPattern(const QString& strExpression, const QString& strText, QString& strMatched);

    // The alarm's actions for a match on Super Browser channel n (1-40).
    void Fire(int nChannel, const QString& strMatched) const;
    // What Fire speaks, "" for nothing.
    QString Phrase(int nChannel, const QString& strMatched) const;

    // Lower case as the received text is lowered: only A-Z change, so the
    // slashed zero and other single-byte characters stay as they are.
    static QString ToLowerAscii(const QString& strText);

private:
    QString m_strComment;
    QString m_strSpeech;
    QString m_strExpression;
    QString m_strExpressionLower;
    QString m_strTitle;
    QString m_strWave;
    uint32_t m_nFlags = 0;
    int m_bEnabled = 0;
};
