#include "corvane/core/MemoryRecordText.h"

#include "corvane/core/FieldDecoders.h"
#include "corvane/core/FrequencyText.h"
#include "corvane/core/Settings.h"

namespace {
QString onOff(bool b)
{
    return b ? QStringLiteral("On") : QStringLiteral("Off");
}
} // namespace

CMemoryRecordText::CMemoryRecordText(uint32_t nAddress) : m_nRecordAddress(nAddress) {}

void CMemoryRecordText::Decode()
{
    Read(m_nRecordAddress, GetSettings().GetMemoryRecordSize());
    DecodeBytes();
}

void CMemoryRecordText::DecodeBytes()
{
    m_nMode = uint8_t(GetBits(0, 0, 3));
    m_bTagOn = IsBitSet(0, 7);
    m_nRange = uint8_t(GetBits(1, 0, 3));
    m_bFmNarrow = IsBitSet(1, 3);
    m_bCwNarrow = IsBitSet(1, 4);
    m_nShift = uint8_t(GetBits(1, 6, 2));
    m_nToneMode = uint8_t(GetBits(2, 0, 2));
    m_bAtt = IsBitSet(2, 4);
    m_bIpo = IsBitSet(2, 5);
    m_nSkip = uint8_t(GetBits(2, 7, 1));
    m_nFmStep = uint8_t(GetBits(3, 0, 3));
    m_nAmStep = uint8_t(GetBits(3, 3, 3));
    m_nSsbStep = uint8_t(GetBits(3, 6, 2));
    m_nCtcss = uint8_t(GetBits(6, 0, 5));
    m_nDcs = uint8_t(GetBits(kDcsByte, 0, 7));
    // 10 Hz units in the record.
    m_nRxFrequency = uint32_t(uint64_t(GetWord32(10)) * 10);
    m_nTxFrequency = uint32_t(uint64_t(GetWord32(14)) * 10);
    m_nOffset = GetWord24(15);

    m_strMode = EepromModeText(m_nMode).GetText();
    m_strTagOn = onOff(m_bTagOn);
    m_strRange = FrequencyRangeName(m_nRange).GetText();
    m_strFmNarrow = onOff(m_bFmNarrow);
    m_strCwNarrow = onOff(m_bCwNarrow);
    m_strShift = RepeaterShiftName(m_nShift).GetName();
    m_strToneMode = ToneModeName(m_nToneMode).GetText();
    m_strAtt = onOff(m_bAtt);
    m_strIpo = onOff(m_bIpo);
    m_strSkip = SkipName(m_nSkip).GetText();
    m_strFmStep = FmStepName(m_nFmStep).GetText();
    m_strAmStep = AmStepName(m_nAmStep).GetText();
    m_strSsbStep = SsbStepName(m_nSsbStep).GetText();
    m_strCtcss = ByteText(m_nCtcss).GetText();
    m_strDcs = ByteText(m_nDcs).GetText();
    m_strRxFrequency = CFrequencyText(m_nRxFrequency, CFrequencyText::FORM_HZ).GetText();
    const bool split = m_nShift == 3;
    m_strTxFrequency = split ? CFrequencyText(m_nTxFrequency, CFrequencyText::FORM_HZ).GetText() : QString();
    m_strOffset = split ? QString() : OffsetText(m_nOffset).GetText();
    m_strLabel.clear();
    for (uint32_t i = 18; i < 26 && i < GetCount(); ++i) {
        const uint8_t c = Byte(i);
        if (c == 0xFF)
            break;
        m_strLabel += QChar::fromLatin1(char(c));
    }
}
