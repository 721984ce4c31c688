#pragma once
// "Memory Channel Editor": edits one entry of the memory manager's live list
// or archive on a private copy, checks the frequencies against the receive
// ranges, encodes the record and stores it back; steps to the previous or
// next entry holding data. It never talks to the radio.
#include "corvane/core/MemoryChannel.h"

#include <QDialog>

class CColourStatic;
class CFrequencyEdit;
class COXBitmapButton;
class COwnComboBox;
class CRadioMemoryList;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

class CMemoryChannelEditorDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 250;
    enum Control : unsigned {
        IDC_CHANNEL = 1386, IDC_ENABLED = 1208, IDC_SHOW_LABEL = 1168, IDC_LABEL = 1183, IDC_GROUP = 1356,
        IDC_RX = 1184, IDC_MODE = 1138, IDC_TX_BUTTON = 1357, IDC_TX_FREQ_LABEL = 1387, IDC_TX_MODE_LABEL = 1388,
        IDC_TX = 1085, IDC_TX_MODE = 1139, IDC_SHIFT = 1182, IDC_OFFSET = 1086, IDC_TONE_MODE = 1172,
        IDC_CTCSS = 1179, IDC_DCS = 1180, IDC_FM_STEP = 1176, IDC_AM_STEP = 1177, IDC_SSB_STEP = 1178,
        IDC_ATTENUATOR = 1027, IDC_IPO = 1029, IDC_SKIP = 1175, IDC_FM_NARROW = 1170, IDC_CW_NARROW = 1171,
        IDC_NOTE = 1528, IDC_SAVE = 1121, IDC_NEXT = 1196, IDC_PREVIOUS = 1195,
    };

    // bLive: 1 for the manager's live list, 0 for its archive (passed back
    // in the messages to the parent).
    CMemoryChannelEditorDialog(QWidget* pParent, CRadioMemoryList* pList, int nIndex, bool bLive);
    ~CMemoryChannelEditorDialog() override;

    // IDOK after a store or without changes; IDCANCEL otherwise.
    int DoModal();

    // Store into the list: FALSE when a frequency is out of range.
    bool Store();
    void OnNext();
    void OnPrevious();
    void OnOK();
    void OnCancel();

    int GetIndex() const { return m_nIndex; }
    bool IsDirty() const { return m_bDirty; }
    // Some entry was stored while the dialog was open.
    bool WasStored() const { return m_bStored; }
    const CMemoryChannel& GetWorkingCopy() const { return m_working; }
    QWidget* Control(unsigned nId) const;

    // The entry holding data after (before) the index, wrapping round; the
    // index itself when it is the only one; -1 when none holds data.
    static int FindNext(const CRadioMemoryList& list, int nIndex);
    static int FindPrevious(const CRadioMemoryList& list, int nIndex);

protected:
    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }

private:
    void Load(int nIndex, bool bNotify);
    void Fill(int nIndex);
    void UpdateShiftControls();
    void SetDirty(bool bDirty);
    void Changed();
    void Post(uint32_t nMessage);

    CRadioMemoryList* m_pList;
    int m_nIndex;
    bool m_bLive;
    CRadioMemoryChannel m_working;
    bool m_bLoading = false;
    bool m_bDirty = false;
    bool m_bStored = false;
    QString m_strInitialTitle;

    CColourStatic* m_pChannel;
    QCheckBox* m_pEnabled;
    QCheckBox* m_pShowLabel;
    CFrequencyEdit* m_pLabel;
    QGroupBox* m_pGroup;
    CFrequencyEdit* m_pRx;
    COwnComboBox* m_pMode;
    QPushButton* m_pTxButton;
    QLabel* m_pTxFreqLabel;
    QLabel* m_pTxModeLabel;
    CFrequencyEdit* m_pTx;
    COwnComboBox* m_pTxMode;
    COwnComboBox* m_pShift;
    CFrequencyEdit* m_pOffset;
    COwnComboBox* m_pToneMode;
    COwnComboBox* m_pCtcss;
    COwnComboBox* m_pDcs;
    COwnComboBox* m_pFmStep;
    COwnComboBox* m_pAmStep;
    COwnComboBox* m_pSsbStep;
    QCheckBox* m_pAttenuator;
    QCheckBox* m_pIpo;
    QCheckBox* m_pSkip;
    QCheckBox* m_pFmNarrow;
    QCheckBox* m_pCwNarrow;
    COXBitmapButton* m_pSave;
    COXBitmapButton* m_pNext;
    COXBitmapButton* m_pPrevious;
};
