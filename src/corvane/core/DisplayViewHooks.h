#pragma once
#include "corvane/core/CatLink.h"

#include <cstdint>

// What the application's own classes need of the front-panel view: its state
// from the last poll and its tuning operation, which keeps the undo list and
// the spoken read-out in step. The front-panel view implements it and
// registers itself with CRadioApp::SetDisplayView while it exists.
class CDisplayViewHooks : public CPanelState {
public:
    // The current frequency (Hz) and the CAT mode byte (bit 7: narrow filter).
    virtual uint32_t GetFrequency() const = 0;
    virtual uint8_t GetMode() const = 0;
    // Tunes the radio, recording the state left for Undo first.
    virtual void SetFrequencyAndMode(uint32_t nFrequency, uint8_t nMode, int nFlag) = 0;
};
