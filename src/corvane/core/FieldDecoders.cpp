#include "corvane/core/FieldDecoders.h"
#include "corvane/core/FrequencyText.h"

namespace {
const char* const kEepromModes[8] = {"LSB", "USB", "CW", "CWR", "AM", "FM", "DIG", "PKT"};
const uint8_t kEepromCatCodes[8] = {0x00, 0x01, 0x02, 0x03, 0x04, 0x08, 0x0A, 0x0C};

QString catModeBase(uint8_t value)
{
    switch (value & 0x0F) {
    case 0: return QStringLiteral("LSB");
    case 1: return QStringLiteral("USB");
    case 2: return QStringLiteral("CW");
    case 3: return QStringLiteral("CWR");
    case 4: return QStringLiteral("AM");
    case 6: return QStringLiteral("WFM");
    case 8: return QStringLiteral("FM");
    case 10: return QStringLiteral("DIG");
    case 12: return QStringLiteral("PKT");
    default: return QString::asprintf("? %02X", value);
    }
}
} // namespace

EepromModeText::EepromModeText(uint8_t nValue)
{
    const int code = nValue & 0x07;
    m_nCatCode = kEepromCatCodes[code];
    m_strText = QLatin1String(kEepromModes[code]);
    if (nValue & 0x80)
        m_strText += QStringLiteral("-N");
}

CatModeName::CatModeName(uint8_t nValue, const QString& strSuffix)
{
    m_strText = catModeBase(nValue);
    if (nValue & 0x80)
        m_strText += strSuffix.isEmpty() ? QStringLiteral("-N") : QLatin1Char(' ') + strSuffix;
}

CatModeNameEx::CatModeNameEx(uint8_t nValue)
{
    m_strText = catModeBase(nValue);
    if (nValue & 0x80)
        m_strText += QStringLiteral("-N");
}

// ---------------------------------------------------------------- steps

namespace {
const StepName::Row kAm[] = {{"2.5 KHz", 0, 2500}, {"5 KHz", 1, 5000},    {"9 KHz", 2, 9000},
                             {"10 KHz", 3, 10000}, {"12.5 KHz", 4, 12500}, {"25 KHz", 5, 25000}};
const StepName::Row kFm[] = {{"5 KHz", 0, 5000},   {"6.25 KHz", 1, 6250}, {"10 KHz", 2, 10000},
                             {"12.5 KHz", 3, 12500}, {"15 KHz", 4, 15000}, {"20 KHz", 5, 20000},
                             {"25 KHz", 6, 25000}, {"50 KHz", 7, 50000}};
const StepName::Row kSsb[] = {{"1 KHz", 0, 1000}, {"2.5 KHz", 1, 2500}, {"5 KHz", 2, 5000}};

template <int N>
void fill(const StepName::Row (&rows)[N], QStringList& texts, QList<uint32_t>& codes)
{
    texts.clear();
    codes.clear();
    for (const auto& row : rows) {
        texts << QLatin1String(row.text);
        codes << row.code;
    }
}
} // namespace

StepName::StepName(uint32_t nCode, const Row* rows, int nRows, int nBits)
{
    for (int i = 0; i < nRows; ++i) {
        if (rows[i].code == nCode) {
            m_strText = QLatin1String(rows[i].text);
            m_nHz = rows[i].hz;
            return;
        }
    }
    // An unknown code shows its bits, lowest first.
    m_strText = QStringLiteral("? ");
    for (int bit = 0; bit < nBits; ++bit)
        m_strText += (nCode >> bit) & 1 ? QLatin1Char('1') : QLatin1Char('0');
}

AmStepName::AmStepName(uint32_t nCode) : StepName(nCode, kAm, 6, 3) {}
FmStepName::FmStepName(uint32_t nCode) : StepName(nCode, kFm, 8, 3) {}
SsbStepName::SsbStepName(uint32_t nCode) : StepName(nCode, kSsb, 3, 2) {}

void FillAmSteps(QStringList& texts, QList<uint32_t>& codes) { fill(kAm, texts, codes); }
void FillFmSteps(QStringList& texts, QList<uint32_t>& codes) { fill(kFm, texts, codes); }
void FillSsbSteps(QStringList& texts, QList<uint32_t>& codes) { fill(kSsb, texts, codes); }

// ---------------------------------------------------------------- other fields

RepeaterShiftName::RepeaterShiftName(uint8_t nValue)
{
    static const char* const names[4] = {"Simplex", "Minus", "Plus", "Split"};
    static const char* const symbols[4] = {"S", "-", "+", "#"};
    if (nValue < 4) {
        m_strName = QLatin1String(names[nValue]);
        m_strSymbol = QLatin1String(symbols[nValue]);
    } else {
        m_strName = m_strSymbol = QStringLiteral("? %1").arg(nValue);
    }
}

OffsetText::OffsetText(uint32_t nValue)
{
    if ((nValue & 0xFFFFFF) == 0xFFFFFF) {
        m_strText = QStringLiteral("not set");
        return;
    }
    const uint64_t hz = uint64_t(nValue) * 10;
    if (hz < 1000) {
        m_strText = QStringLiteral("%1 Hz").arg(hz);
        return;
    }
    const bool mega = hz >= 1000000;
    QString number = QString::asprintf("%.8f", double(hz) / (mega ? 1000000.0 : 1000.0));
    while (number.endsWith(QLatin1Char('0')))
        number.chop(1);
    if (number.endsWith(QLatin1Char('.')))
        number.chop(1);
    m_strText = number + (mega ? QStringLiteral(" MHz") : QStringLiteral(" KHz"));
}

ToneModeName::ToneModeName(uint8_t nValue)
{
    static const char* const names[4] = {"Off", "Tone (tx)", "Tone + squelch", "DCS"};
    m_strText = nValue < 4 ? QLatin1String(names[nValue]) : QStringLiteral("? %1").arg(nValue);
}

FrequencyRangeName::FrequencyRangeName(uint8_t nValue)
{
    static const char* const names[6] = {"HF", "6m", "FM Broadcast", "Air", "2m", "70cm"};
    m_strText = nValue < 6 ? QLatin1String(names[nValue]) : QStringLiteral("? %1").arg(nValue);
}

SkipName::SkipName(uint8_t nValue)
{
    m_strText = nValue == 0 ? QStringLiteral("Active") : nValue == 1 ? QStringLiteral("Skip")
                                                                     : QStringLiteral("? %1").arg(nValue);
}

BandRecordName::BandRecordName(uint8_t nValue)
{
    // Index 1 is the radio's "75m" band record.
    static const char* const names[14] = {"160m", "75m", "40m", "30m", "20m", "17m", "15m",
                                          "12m",  "10m", "6m",  "FM broadcast", "Air", "2m", "70cms"};
    m_strText = nValue < 14 ? QLatin1String(names[nValue]) : QStringLiteral("Other");
}

// ---------------------------------------------------------------- frequency

uint32_t CFrequencyText::FromCatBytes(uint32_t nBytes)
{
    // Eight BCD digits, most significant first: byte 0 (lowest bits) high
    // nibble, then its low nibble, then the next bytes likewise.
    uint64_t value = 0;
    for (int i = 0; i < 4; ++i) {
        const uint8_t byte = uint8_t(nBytes >> (8 * i));
        for (const uint8_t digit : {uint8_t(byte >> 4), uint8_t(byte & 0x0F)}) {
            if (digit > 9)
                return uint32_t(value * 10);
            value = value * 10 + digit;
        }
    }
    return uint32_t(value * 10);  // the CAT unit is 10 Hz
}

QString CFrequencyText::Format(uint32_t nHz)
{
    if (nHz == 0xFFFFFFFFu)
        return QStringLiteral("not set");
    const QString d = QString::number(nHz);
    if (d.size() < 4)
        return QString();
    if (d.size() <= 6)
        return d.left(d.size() - 3) + QLatin1Char('.') + d.right(3);
    return d.left(d.size() - 6) + QLatin1Char('.') + d.mid(d.size() - 6, 3) + QLatin1Char('.') + d.right(3);
}

CFrequencyText::CFrequencyText(uint32_t nValue, int nForm)
{
    m_nFrequency = nForm == FORM_CAT_BYTES ? FromCatBytes(nValue) : nValue;
    m_strText = Format(m_nFrequency);
}
