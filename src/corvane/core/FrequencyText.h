#pragma once
#include <QString>
#include <cstdint>

// A frequency as the program shows it: "145.500.000", "50.000".
class CFrequencyText {
public:
    enum Form {
        FORM_HZ = 0,         // the value is in Hz
        FORM_CAT_BYTES = 2,  // the four BCD bytes of a CAT reply, first byte lowest
    };

    CFrequencyText(uint32_t nValue, int nForm);
    const QString& GetText() const { return m_strText; }
    uint32_t GetFrequency() const { return m_nFrequency; }

    static QString Format(uint32_t nHz);
    static uint32_t FromCatBytes(uint32_t nBytes);

private:
    uint32_t m_nFrequency = 0;
    QString m_strText;
};
