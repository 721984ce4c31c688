#pragma once
#include "shared/ui/BaseDialog.h"

#include <memory>

class QCheckBox;
class QSlider;
class CSoundMixer;

// The program's "Volume" windows: CMixerDialog sets the level of the line-in
// (mode 0) or microphone (mode 1) recording source and whether it is selected
// for recording; CVolumeDialog sets the playback master volume and mute.
// Sliders are upside down: the top is loudest.
class CVolumeDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 292;
    CVolumeDialog(QWidget* parent, int nMode);
    ~CVolumeDialog() override;

    bool GetMute(bool& bValue) const;
    bool SetMute(bool bValue);
    bool GetVolume(long& nValue) const;
    bool SetVolume(long nValue);
    QSlider* GetSlider() const { return m_pSlider; }
    QCheckBox* GetMuteBox() const { return m_pMute; }
    // Follows changes made by other programs.
    void OnMixerChange();

private:
    void OnScroll(int nAction);

    QSlider* m_pSlider = nullptr;
    QCheckBox* m_pMute = nullptr;
    std::unique_ptr<CSoundMixer> m_mixer;
    long m_nMin = 0;
    long m_nMax = 0;
    int m_nMode = 1;
};

class CMixerDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 380;
    CMixerDialog(QWidget* parent, int nMode);
    ~CMixerDialog() override;

    bool GetSelected(bool& bValue) const;
    bool SetSelected(bool bValue);
    bool GetLevel(long& nValue) const;
    bool SetLevel(long nValue);
    // Lowers the level of a selected source by a percentage of its range
    // (halves it when that would reach zero).
    void ReduceLevel(int nPercent);

    bool IsReady() const { return m_bReady; }
    int GetMode() const { return m_nMode; }
    QSlider* GetSlider() const { return m_pSlider; }
    QCheckBox* GetSelectBox() const { return m_pSelect; }
    void OnSelectClicked();
    void OnMixerChange();
    // The slider's line-step arithmetic: positions move in multiples of a
    // 1/200th of the range.
    static int LineStep(int nPosition, int nMin, int nMax, bool bDown);

private:
    void SetUp();
    void OnScroll(int nAction);

    QSlider* m_pSlider = nullptr;
    QCheckBox* m_pSelect = nullptr;
    std::unique_ptr<CSoundMixer> m_mixer;
    bool m_bMixerOpen = false;
    bool m_bReady = false;
    int m_nSourceIndex = -1;
    int m_nItemCount = 0;
    long m_nMin = 0;
    long m_nMax = 0;
    int m_nMode = 0;
};
