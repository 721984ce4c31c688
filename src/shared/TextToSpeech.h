#pragma once
#include <QString>
#include <memory>

class QTextToSpeech;
class QWidget;

// The speech engine of both programs. Created and used on one thread (the
// thread that calls Initialise); each new text cuts off the one being spoken.
// No engine installed is an ordinary failure: the error text says so and
// Speak does nothing.
class CTextToSpeech {
public:
    CTextToSpeech();
    explicit CTextToSpeech(QWidget* pOwner);
    virtual ~CTextToSpeech();
    CTextToSpeech(const CTextToSpeech&) = delete;
    CTextToSpeech& operator=(const CTextToSpeech&) = delete;

    void Initialise(QWidget* pOwner);
    // Shows the error text (caption "Initialization") when starting failed.
    void ShowError(QWidget* pWindow) const;
    // Speaks at once in the background, dropping what is still being spoken.
    void Speak(const QString& strText, bool bSpell, bool bPhonetic);

    // The text as spoken: with spell or phonetic, every word holding both a
    // letter and a digit (a callsign) is read character by character.
    static QString SpellText(const QString& strText, bool bSpell, bool bPhonetic);
    static const char* PhoneticWord(QChar letter);

    bool IsFailed() const { return m_bFailed; }
    // Set once an engine was asked for, whether or not it came up.
    bool IsComStarted() const { return m_bComStarted; }
    bool HasEngine() const { return m_pEngine != nullptr; }
    const QString& GetErrorText() const { return m_strError; }
    QWidget* GetOwner() const { return m_pOwner; }
    // What the engine was last asked to say.
    const QString& GetLastSpoken() const { return m_strLastSpoken; }

    // The engine to use; empty picks flite when installed, else the default.
    static void SetEngineName(const QString& strName);

private:
    void Fail(const QString& strReason);

    bool m_bFailed = false;
    bool m_bComStarted = false;
    QWidget* m_pOwner = nullptr;
    QString m_strError;
    std::unique_ptr<QTextToSpeech> m_pEngine;
    QString m_strLastSpoken;
};
