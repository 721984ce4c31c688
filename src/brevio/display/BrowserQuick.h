#pragma once
// "Select Channel": hands a Super Browser signal to receive channel 1-4,
// optionally erasing that channel's texts and loading a macro.
#include "shared/ui/BaseDialog.h"

class QCheckBox;
class COwnComboBox;
class COXBitmapButton;

class CBrowserQuick : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 211;
    enum : int { IDC_ERASE = 1079, IDC_MACRO = 3, IDC_HIS_INFO = 1213, IDC_LIST = 1194, IDC_CHANNEL1 = 1182 };

    explicit CBrowserQuick(QWidget* pParent);
    ~CBrowserQuick() override;

    bool OnInitDialog() override;
    // 1-4, or -1 when no channel was chosen.
    int GetChosenChannel() const { return m_nChannel; }
    void OnChannel(int n);
    void OnErase();
    void OnMacro();
    void OnHisInfo();
    void OnListSelect();

    QCheckBox* EraseBox() const { return m_pErase; }
    QCheckBox* MacroBox() const { return m_pMacro; }
    QCheckBox* HisInfoBox() const { return m_pHisInfo; }
    COwnComboBox* MacroList() const { return m_pList; }
    COXBitmapButton* ChannelButton(int n) const { return m_pChannels[n - 1]; }

    bool m_bErase = true;
    bool m_bMacro = false;
    bool m_bHisInfo = true;
    QString m_strMacro;

private:
    void TakeValues();
    void UpdateStates();

    int m_nChannel = -1;
    QCheckBox* m_pErase = nullptr;
    QCheckBox* m_pMacro = nullptr;
    QCheckBox* m_pHisInfo = nullptr;
    COwnComboBox* m_pList = nullptr;
    COXBitmapButton* m_pChannels[4] = {};
};
