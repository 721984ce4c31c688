#pragma once
// What the scan windows read of the front panel (its last poll) and the one
// tuning operation they use. The program's panel is the front-panel view;
// without a view the radio reads as idle in VFO mode.
#include <cstdint>

class CScanPanel {
public:
    virtual ~CScanPanel() = default;
    virtual bool IsMemoryMode() const = 0;
    virtual bool IsScanning() const = 0;
    virtual bool IsFstOn() const = 0;
    // Hz, and the CAT mode byte.
    virtual uint32_t GetFrequency() const = 0;
    virtual uint8_t GetMode() const = 0;
    // Tunes the radio, keeping the undo list.
    virtual void SetFrequency(uint32_t nHz) = 0;
    // Rises with every poll the panel took in.
    virtual int GetRenderedPolls() const = 0;
};

// The front-panel view of the program, whichever exists at the moment.
class CDisplayViewScanPanel final : public CScanPanel {
public:
    bool IsMemoryMode() const override;
    bool IsScanning() const override;
    bool IsFstOn() const override;
    uint32_t GetFrequency() const override;
    uint8_t GetMode() const override;
    void SetFrequency(uint32_t nHz) override;
    int GetRenderedPolls() const override;
};

CScanPanel& GetDisplayViewScanPanel();
