#pragma once
// What the front panel uses of the main window around it: the main toolbar's
// tuning-step list, the transverter display and the frequency-entry window.
// The main window installs its own; until then the panel brings the least
// of each itself.
#include <cstdint>
#include <functional>

class COwnComboBox;

struct CPanelFrameServices {
    // The step list (item data: the step in Hz); never null.
    std::function<COwnComboBox*()> stepCombo;
    // The radio's frequency after every rendered poll.
    std::function<void(uint32_t nHz)> transverterFrequency;
    // The "Frequency" window: a digit to type (-1 none) and the VFO to fill
    // it from (-1 as it was, 0 main, 1 sub).
    std::function<void(int nDigit, int nTarget)> enterFrequency;

    static CPanelFrameServices& Get();
    // The panel's own step list and frequency window (what Get starts with).
    static void InstallDefaults();
};

// Registers the front-panel document template (130) and the chart settings
// loader with the application; the program calls it before its start-up.
void InstallFrontPanel();
