#pragma once
#include <QString>
#include <cstdint>

class CFrequencyEdit;
class QWidget;

// Checks a typed frequency against the six receive ranges of the options
// and tells the operator, in the program's words, what is wrong.
class CFrequencyRangeCheck {
public:
    CFrequencyRangeCheck() = default;
    virtual ~CFrequencyRangeCheck() = default;

    // The first range (0-5) holding the frequency, or -1.
    static int FindRange(uint32_t nFrequency);
    static QString RangeName(int nIndex);
    // The edit's value as its messages quote it: the text without the
    // prompt characters of places left empty.
    static QString ValueText(const CFrequencyEdit& edit);

    bool CheckRx(QWidget* pOwner, const CFrequencyEdit& edit);
    bool CheckRxInRange(QWidget* pOwner, const CFrequencyEdit& edit, int nExpected);
    bool CheckTx(QWidget* pOwner, const CFrequencyEdit& edit);
    bool CheckSameRange(QWidget* pOwner, const CFrequencyEdit& first, const CFrequencyEdit& second);

    // A frequency the radio cannot receive: tells the operator the radio's
    // limits (under the caption given) and returns FALSE.
    static bool CheckReceivable(QWidget* pOwner, uint32_t nFrequency, const QString& strText,
                                const QString& strCaption);
    // The same for a frequency edit, with the edit's text in the message.
    static bool CheckReceivable(QWidget* pOwner, const CFrequencyEdit& edit, const QString& strCaption);

    // The same checks on a frequency and the text it was typed as.
    bool Check(QWidget* pOwner, uint32_t nFrequency, const QString& strText, bool bTx, int nExpected);

    int GetRange() const { return m_nRange; }

private:
    int m_nRange = -1;
};
