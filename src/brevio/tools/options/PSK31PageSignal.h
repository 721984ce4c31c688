#pragma once
// "Signal / Squelch": the colours of the signal bar, shown on two sample
// bars, and how fast the squelch follows.
#include "brevio/tools/options/PSK31OptionsPage.h"

class CSquelchBar;

// The two sample bars: "A" a signal above its squelch, "S" one below.
class CSquelchSamples : public QWidget {
    Q_OBJECT
public:
    explicit CSquelchSamples(QWidget* parent = nullptr);
    ~CSquelchSamples() override;

    CSquelchBar* GetActiveBar() const { return m_pActive; }
    CSquelchBar* GetSquelchedBar() const { return m_pSquelched; }
    // Both bars take the colours (0x00BBGGRR).
    void SetColours(COLORREF colActive, COLORREF colSquelched, COLORREF colGripper, COLORREF colBackground);
    void SetActiveColour(COLORREF colour);
    void SetSquelchedColour(COLORREF colour);
    void SetGripperColour(COLORREF colour);
    void SetBackgroundColour(COLORREF colour);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CSquelchBar* m_pActive;
    CSquelchBar* m_pSquelched;
};

class CPSK31PageSignal : public CPSK31OptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 393;
    static constexpr unsigned IDC_ACTIVE = 1361;
    static constexpr unsigned IDC_SQUELCHED = 1362;
    static constexpr unsigned IDC_GRIPPER = 1363;
    static constexpr unsigned IDC_BACKGROUND = 1364;
    // "&Fast", "Slo&w", "&Variable (below)"
    static constexpr unsigned IDC_FAST = 1365;
    static constexpr unsigned IDC_VARIABLE_SLIDER = 1368;

    explicit CPSK31PageSignal(QWidget* parent = nullptr);
    ~CPSK31PageSignal() override;

    void GetTopicLines(QStringList& lines) const override;
    void LoadFromSettings(CPSK31Settings& settings) override;
    void StoreToSettings(CPSK31Settings& settings) override;
    void DoDataExchange(bool bSaveAndValidate) override;
    // The variable-speed slider moved: it selects "&Variable (below)".
    void OnSliderMoved();

    CSquelchSamples* GetSamples() const { return m_pSamples; }
    QSlider* GetSpeedSlider() const { return m_pSlider; }

private:
    void OnColour(int nWhich);

    CSquelchSamples* m_pSamples;
    QButtonGroup* m_pSpeed;
    QSlider* m_pSlider;
    int m_nSpeed = 0;  // button index
    int m_nSlider = 10;
};
