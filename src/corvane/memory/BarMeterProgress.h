#pragma once
// A memory transfer's progress shown on a bar meter with its text.
#include "corvane/memory/MemoryTransfer.h"

class CBarMeter;

class CBarMeterProgress : public CMemoryProgress {
public:
    explicit CBarMeterProgress(CBarMeter* pBar) : m_pBar(pBar) {}
    void SetRange(int nLower, int nUpper) override;
    void SetText(const QString& strText) override;
    void SetPos(int nPos) override;
    void Repaint() override;

private:
    CBarMeter* m_pBar;
};
