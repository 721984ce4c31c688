#pragma once
// The ten pages of the "FT-817 Manager" sheet, each over a group of the
// radio's own menu settings. Every value is the radio's raw encoding: a
// radio-button group, a list or a slider shows the raw field itself.
#include "corvane/memory/MenuControls.h"
#include "corvane/memory/MenuPage.h"

#include <memory>

class CCWSettingsForm;
class QSlider;

// Front or rear connector per band.
class CMenuAntenna : public CMenuPage {
    Q_OBJECT
public:
    explicit CMenuAntenna(CCatLink* pLink = nullptr);
    void GetKeywords(QStringList& keywords) override;
    void ReadFromRadio() override;
    void WriteToRadio() override;
};

class CMenuBattery : public CMenuPage {
    Q_OBJECT
public:
    static constexpr unsigned IDC_CHARGE_STATUS = 1105;
    explicit CMenuBattery(CCatLink* pLink = nullptr);
    void GetKeywords(QStringList& keywords) override;
    void ReadFromRadio() override;
    void WriteToRadio() override;

private:
    std::unique_ptr<MenuControls::CRadioGroup> m_pCharge;
    std::unique_ptr<MenuControls::CRadioGroup> m_pPowerOff;
};

class CMenuCW : public CMenuPage {
    Q_OBJECT
public:
    explicit CMenuCW(CCatLink* pLink = nullptr);
    void GetKeywords(QStringList& keywords) override;
    void ReadFromRadio() override;
    void WriteToRadio() override;
    CCWSettingsForm* Form() const { return m_pForm; }

private:
    CCWSettingsForm* m_pForm;
};

class CMenuDigPkt : public CMenuPage {
    Q_OBJECT
public:
    explicit CMenuDigPkt(CCatLink* pLink = nullptr);
    ~CMenuDigPkt() override;
    void GetKeywords(QStringList& keywords) override;
    void ReadFromRadio() override;
    void WriteToRadio() override;
    MenuControls::CSpinEdit& CarrierOffset() { return *m_pCarrier; }
    MenuControls::CSpinEdit& DisplayOffset() { return *m_pDisplay; }

private:
    void BindOffset(MenuControls::CSpinEdit& spin, uint16_t nAddress);
    std::unique_ptr<MenuControls::CRadioGroup> m_pRate;
    std::unique_ptr<MenuControls::CRadioGroup> m_pMode;
    std::unique_ptr<MenuControls::CSpinEdit> m_pCarrier;
    std::unique_ptr<MenuControls::CSpinEdit> m_pDisplay;
};

class CMenuDisplay : public CMenuPage {
    Q_OBJECT
public:
    static constexpr unsigned IDC_CONTRAST = 1241;
    explicit CMenuDisplay(CCatLink* pLink = nullptr);
    void GetKeywords(QStringList& keywords) override;
    void ReadFromRadio() override;
    void WriteToRadio() override;
    QSlider* Contrast() const { return m_pContrast; }

private:
    std::unique_ptr<MenuControls::CRadioGroup> m_pSize;
    std::unique_ptr<MenuControls::CRadioGroup> m_pColour;
    std::unique_ptr<MenuControls::CRadioGroup> m_pBacklight;
    QSlider* m_pContrast;
    int m_nContrast = 0;  // the contrast last exchanged with the slider
};

class CMenuMicrophone : public CMenuPage {
    Q_OBJECT
public:
    explicit CMenuMicrophone(CCatLink* pLink = nullptr);
    ~CMenuMicrophone() override;
    void GetKeywords(QStringList& keywords) override;
    void ReadFromRadio() override;
    void WriteToRadio() override;
    // Gains in the table order: SSB, AM, FM, DIG, PKT, 9600, VOX.
    MenuControls::CSpinEdit& Gain(int nIndex) { return *m_gains[size_t(nIndex)]; }
    MenuControls::CSpinEdit& VoxDelay() { return *m_pVoxDelay; }
    MenuControls::CRadioGroup& UpDownKeys() { return *m_pUpDown; }

private:
    void ReadGain(int nIndex);
    void WriteGain(int nIndex);
    std::unique_ptr<MenuControls::CSpinEdit> m_gains[7];
    std::unique_ptr<MenuControls::CSpinEdit> m_pVoxDelay;
    std::unique_ptr<MenuControls::CRadioGroup> m_pUpDown;
    QCheckBox* m_pVox;
    int m_nVoxDelayRaw = 0;
    bool m_bVoxDelayTouched = false;
};

class CMenuSSBCarrier : public CMenuPage {
    Q_OBJECT
public:
    explicit CMenuSSBCarrier(CCatLink* pLink = nullptr);
    ~CMenuSSBCarrier() override;
    void GetKeywords(QStringList& keywords) override;
    void ReadFromRadio() override;
    void WriteToRadio() override;
    // Tx USB, Tx LSB, Rx USB, Rx LSB.
    MenuControls::CSpinEdit& Offset(int nIndex) { return *m_offsets[size_t(nIndex)]; }

private:
    std::unique_ptr<MenuControls::CSpinEdit> m_offsets[4];
};

class CMenuTx : public CMenuPage {
    Q_OBJECT
public:
    static constexpr unsigned IDC_TIMEOUT = 1268;
    explicit CMenuTx(CCatLink* pLink = nullptr);
    void GetKeywords(QStringList& keywords) override;
    void ReadFromRadio() override;
    void WriteToRadio() override;

private:
    std::unique_ptr<MenuControls::CRadioGroup> m_pMeter;
    std::unique_ptr<MenuControls::CRadioGroup> m_pPower;
};

class CMenuTuning : public CMenuPage {
    Q_OBJECT
public:
    static constexpr unsigned IDC_FM_STEP = 1237;
    static constexpr unsigned IDC_AM_STEP = 1236;
    static constexpr unsigned IDC_SSB_STEP = 1238;
    explicit CMenuTuning(CCatLink* pLink = nullptr);
    void GetKeywords(QStringList& keywords) override;
    void ReadFromRadio() override;
    void WriteToRadio() override;

private:
    std::unique_ptr<MenuControls::CRadioGroup> m_pMainStep;
};

class CMenuVarious : public CMenuPage {
    Q_OBJECT
public:
    explicit CMenuVarious(CCatLink* pLink = nullptr);
    ~CMenuVarious() override;
    void GetKeywords(QStringList& keywords) override;
    void ReadFromRadio() override;
    void WriteToRadio() override;
    MenuControls::CSpinEdit& BeepVolume() { return *m_pBeepVolume; }

private:
    std::unique_ptr<MenuControls::CRadioGroup> m_pArtsBeep;
    std::unique_ptr<MenuControls::CRadioGroup> m_pLockMode;
    std::unique_ptr<MenuControls::CRadioGroup> m_pBeepFrequency;
    std::unique_ptr<MenuControls::CRadioGroup> m_pScope;
    std::unique_ptr<MenuControls::CRadioGroup> m_pKnob;
    std::unique_ptr<MenuControls::CSpinEdit> m_pBeepVolume;
};
