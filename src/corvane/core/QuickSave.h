#pragma once
#include <cstdint>

// One of the operator's ten quick-save slots: a frequency and mode kept in
// the registry ("CQuickSave::%d m_nFrequency", "CQuickSave::%d m_bMode").
class CQuickSave {
public:
    CQuickSave() = default;
    virtual ~CQuickSave() = default;

    void SetIndex(int nIndex) { m_nIndex = nIndex; }
    int GetIndex() const { return m_nIndex; }
    void Load();
    // Keeps and stores the pair, then refreshes the navigator's list.
    void Save(int nFrequency, uint8_t bMode);
    // The front panel's current frequency and mode.
    void Store();
    // Tunes the radio back through the front panel (which records Undo).
    void Recall() const;
    bool IsSet() const { return m_nFrequency != 0; }

    int GetFrequency() const { return m_nFrequency; }
    uint8_t GetMode() const { return m_bMode; }

private:
    int m_nIndex = -1;
    int m_nFrequency = 0;
    uint8_t m_bMode = 0;
};
