#pragma once
// "Waterfall Data": how the engine scales the spectrum (root, log, log with
// baseline clipping) and how much it smooths it.
#include "brevio/tools/options/PSK31OptionsPage.h"

class CPSK31PageFFT : public CPSK31OptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 378;
    // root, log, log with clipping
    static constexpr unsigned IDC_MODE_ROOT = 1131;
    static constexpr unsigned IDC_CLIPPING = 1134;
    static constexpr unsigned IDC_CLIPPING_LABEL = 1135;
    static constexpr unsigned IDC_SMOOTHING = 1136;

    explicit CPSK31PageFFT(QWidget* parent = nullptr);
    ~CPSK31PageFFT() override;

    void GetTopicLines(QStringList& lines) const override;
    void LoadFromSettings(CPSK31Settings& settings) override;
    void StoreToSettings(CPSK31Settings& settings) override;
    void DoDataExchange(bool bSaveAndValidate) override;
    // The clipping slider moved: it selects the clipping mode.
    void OnClippingMoved();

    QSlider* GetClippingSlider() const { return m_pClipping; }
    QSlider* GetSmoothingSlider() const { return m_pSmoothing; }

private:
    QButtonGroup* m_pMode;
    QSlider* m_pClipping;
    QLabel* m_pClippingLabel;
    QSlider* m_pSmoothing;
    int m_nMode = 0;  // button index
    int m_nClipping = 10;
    int m_nSmoothing = 1;
};
