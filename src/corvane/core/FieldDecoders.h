#pragma once
// The texts of raw record and CAT fields, so that one field reads the same
// wherever it is shown. Each decoder holds its text once constructed.
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

// Record mode code (bits 0-2; bit 7 narrow) -> name and the CAT mode code.
class EepromModeText {
public:
    explicit EepromModeText(uint8_t nValue);
    const QString& GetText() const { return m_strText; }
    uint8_t GetCatCode() const { return m_nCatCode; }

private:
    uint8_t m_nCatCode = 0;
    QString m_strText;
};

// CAT mode code (bit 7 narrow): narrow shows as " suffix", or "-N" without one.
class CatModeName {
public:
    CatModeName(uint8_t nValue, const QString& strSuffix);
    const QString& GetText() const { return m_strText; }

private:
    QString m_strText;
};

// CAT mode code (bit 7 narrow) with "-N" for narrow.
class CatModeNameEx {
public:
    explicit CatModeNameEx(uint8_t nValue);
    const QString& GetText() const { return m_strText; }

private:
    QString m_strText;
};

// Tuning steps of the AM, FM and SSB step fields.
class StepName {
public:
    struct Row {
        const char* text;
        uint32_t code;
        uint32_t hz;
    };

    const QString& GetText() const { return m_strText; }
    uint32_t GetHz() const { return m_nHz; }

protected:
    StepName(uint32_t nCode, const Row* rows, int nRows, int nBits);

    QString m_strText;
    uint32_t m_nHz = 0;
};

class AmStepName : public StepName {
public:
    explicit AmStepName(uint32_t nCode);
};

class FmStepName : public StepName {
public:
    explicit FmStepName(uint32_t nCode);
};

class SsbStepName : public StepName {
public:
    explicit SsbStepName(uint32_t nCode);
};

void FillAmSteps(QStringList& texts, QList<uint32_t>& codes);
void FillFmSteps(QStringList& texts, QList<uint32_t>& codes);
void FillSsbSteps(QStringList& texts, QList<uint32_t>& codes);

class RepeaterShiftName {
public:
    explicit RepeaterShiftName(uint8_t nValue);
    const QString& GetText() const { return m_strName; }
    const QString& GetName() const { return m_strName; }
    const QString& GetSymbol() const { return m_strSymbol; }

private:
    QString m_strName;
    QString m_strSymbol;
};

// A 24-bit offset in 10 Hz units.
class OffsetText {
public:
    explicit OffsetText(uint32_t nValue);
    const QString& GetText() const { return m_strText; }

private:
    QString m_strText;
};

class ToneModeName {
public:
    explicit ToneModeName(uint8_t nValue);
    const QString& GetText() const { return m_strText; }

private:
    QString m_strText;
};

class ByteText {
public:
    explicit ByteText(uint8_t nValue) : m_strText(QString::number(nValue)) {}
    const QString& GetText() const { return m_strText; }

private:
    QString m_strText;
};

class FrequencyRangeName {
public:
    explicit FrequencyRangeName(uint8_t nValue);
    const QString& GetText() const { return m_strText; }

private:
    QString m_strText;
};

class SkipName {
public:
    explicit SkipName(uint8_t nValue);
    const QString& GetText() const { return m_strText; }

private:
    QString m_strText;
};

// Name of a VFO band record by its index.
class BandRecordName {
public:
    explicit BandRecordName(uint8_t nValue);
    const QString& GetText() const { return m_strText; }

private:
    QString m_strText;
};
