#pragma once
// "Select Channel" with a choice of nine channels (or the next free one) and
// a macro to launch with its tags: a component the program does not open.
#include "shared/ui/BaseDialog.h"

class QCheckBox;
class QRadioButton;
class QPushButton;
class COwnListCtrl;

class CBrowserToChannel : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 194;
    enum : int { IDC_ALWAYS = 1148, IDC_ERASE = 1150, IDC_FIRST_CHANNEL = 1079, IDC_NEXT_FREE = 1146,
                 IDC_LIST = 110, IDC_LAUNCH = 3 };

    explicit CBrowserToChannel(QWidget* pParent);
    ~CBrowserToChannel() override;

    bool OnInitDialog() override;
    void OnOK() override;
    void OnLaunch();
    void UpdateStates();

    COwnListCtrl* List() const { return m_pList; }
    QRadioButton* ChannelRadio(int n) const { return m_pRadios[n]; }

    bool m_bAlways = true;
    bool m_bErase = true;
    // 0-8 channels 1-9, 9 the next free one.
    int m_nChannel = 9;
    QString m_strMacro;
    bool m_bLaunch = false;

private:
    QCheckBox* m_pAlways = nullptr;
    QCheckBox* m_pErase = nullptr;
    QRadioButton* m_pRadios[10] = {};
    COwnListCtrl* m_pList = nullptr;
    QPushButton* m_pLaunch = nullptr;
};
