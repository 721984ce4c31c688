#pragma once
// "Volume": the computer's master output volume and mute, on the first
// sound-card mixer that answers. The slider is upside down (top is
// loudest); changes made by other programs move the controls here.
#include "shared/ui/BaseDialog.h"

#include <memory>

class CSoundMixer;
class QCheckBox;
class QSlider;

class CVolumeDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 292;
    static constexpr unsigned IDC_SLIDER = 1162;
    static constexpr unsigned IDC_MUTE = 1337;
    // Other programs' changes are picked up this often.
    static constexpr int kChangePollMs = 250;

    explicit CVolumeDialog(QWidget* pParent);
    ~CVolumeDialog() override;

    bool OnInitDialog() override;
    // FALSE when no mixer is open or the mixer refuses.
    bool GetMute(bool& bValue) const;
    bool SetMute(bool bValue);
    bool GetVolume(long& nValue) const;
    bool SetVolume(long nValue);

    void OnMute();
    // The slider moved (dragged, keys, wheel, click): volume = max - position.
    void OnSliderMoved(int nPosition);
    // Follows a change made elsewhere.
    void OnMixerChange();

    bool IsMixerOpen() const { return m_bMixerOpen; }
    QSlider* GetSlider() const { return m_pSlider; }
    QCheckBox* GetMuteBox() const { return m_pMute; }
    long GetVolumeMinimum() const { return m_nMin; }
    long GetVolumeMaximum() const { return m_nMax; }

private:
    QSlider* m_pSlider = nullptr;
    QCheckBox* m_pMute = nullptr;
    std::unique_ptr<CSoundMixer> m_mixer;
    bool m_bMute = false;
    bool m_bMixerOpen = false;
    bool m_bHasVolume = false;
    long m_nMin = 0;
    long m_nMax = 0;
};
