#pragma once
#include <QString>
#include <cstdint>

// One announcement: the sentence a speech engine reads well ("C , W" rather
// than "CW"), built word by word and handed to the request worker to speak.
class CSpeechText {
public:
    CSpeechText() = default;
    virtual ~CSpeechText() = default;

    // Appends a word, with one blank before it unless the text is empty.
    void Add(const QString& strWord);
    // A short pause in the engine's reading.
    void AddPause() { Add(QStringLiteral(",,")); }
    // The front panel's current frequency and mode.
    void AddFrequency();
    void AddMode();
    // The same for a given frequency (Hz) and CAT mode byte.
    void AddFrequency(uint32_t nFrequency);
    void AddMode(uint8_t nMode);
    // Queues the text on the application's request worker; with bClear the
    // text is emptied afterwards.
    void Speak(bool bClear);

    const QString& GetText() const { return m_strText; }
    void Empty() { m_strText.clear(); }

private:
    QString m_strText;
};
