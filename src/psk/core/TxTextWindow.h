#pragma once
#include <QPlainTextEdit>

// The transmit text of a channel window (or of the Super Browser): typed text
// with a mark of how much of it has gone to the engine. The engine is fed one
// character per echo (SendNext), so the mark only moves forward from there.
class CTxTextWindow : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CTxTextWindow(QWidget* parent = nullptr);
    ~CTxTextWindow() override;

    // Sends the next unsent character through fnSendTXCharacter; false when
    // there was none (or the next ones are a pending "[stop]").
    virtual bool SendNext();
    virtual bool HasUnsent() const;
    // The next six unsent characters are "[stop]", in any case.
    virtual bool NextIsStop() const;
    // Marks such a pending "[stop]" as sent; does nothing otherwise.
    virtual void SkipStop();

    int GetSentCount() const { return m_nSent; }
    void SetSentCount(int nSent);

private:
    int m_nSent = 0;
};
