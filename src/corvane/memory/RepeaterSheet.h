#pragma once
// "Repeater Settings": shift, tone mode, ARS, CTCSS tone and DCS code of
// the channel the radio is on, each change sent to the radio at once and
// followed by a fresh read; only the offset waits for its Apply. A tool
// window: closing it hides it.
#include "shared/ui/PropertySheet.h"

#include <memory>

class CCatLink;
class CColourStatic;
class CFrequencyEdit;
class COwnComboBox;
class CRepeaterPanel;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
namespace MenuControls {
class CRadioGroup;
}

class CRepeaterPageGeneral : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 321;
    static constexpr unsigned IDC_ARS_144 = 1228;
    static constexpr unsigned IDC_ARS_430 = 1229;
    static constexpr unsigned IDC_OFFSET = 1317;
    static constexpr unsigned IDC_STANDARD = 1137;
    static constexpr unsigned IDC_APPLY = 1121;
    static constexpr unsigned IDC_NOTE = 1528;

    CRepeaterPageGeneral(CRepeaterPanel* pPanel, CCatLink* pLink);
    ~CRepeaterPageGeneral() override;

    // The page from one poll of the radio, with or without the offset.
    void ReadPage(bool bWithOffset);
    void OnShift();
    void OnToneMode();
    void OnArs(bool b144);
    void OnStandardOffset();
    void OnApplyOffset();

    QCheckBox* GetArs144() const { return m_pArs144; }
    QCheckBox* GetArs430() const { return m_pArs430; }
    MenuControls::CRadioGroup& Shift() const { return *m_pShift; }
    MenuControls::CRadioGroup& ToneMode() const { return *m_pTone; }
    CFrequencyEdit* GetOffsetEdit() const { return m_pOffset; }
    COwnComboBox* GetStandardOffsets() const { return m_pStandard; }
    QPushButton* GetApplyButton() const { return m_pApply; }

private:
    void TakeControls();

    CRepeaterPanel* m_pPanel;
    CCatLink* m_pLink;
    int m_bArs144 = 0;
    int m_bArs430 = 0;
    int m_nShift = 0;
    int m_nToneMode = 0;
    QCheckBox* m_pArs144;
    QCheckBox* m_pArs430;
    std::unique_ptr<MenuControls::CRadioGroup> m_pShift;
    std::unique_ptr<MenuControls::CRadioGroup> m_pTone;
    CFrequencyEdit* m_pOffset;
    COwnComboBox* m_pStandard;
    QPushButton* m_pApply;
    CColourStatic* m_pNote;
};

// The CTCSS tones (or, as the DCS page, the DCS codes) as a list whose
// position is the index the radio stores.
class CRepeaterPageTones : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr unsigned IDC_LIST = 1078;

    CRepeaterPageTones(bool bDcs, CRepeaterPanel* pPanel, CCatLink* pLink);
    ~CRepeaterPageTones() override;

    void ReadPage();
    void OnSelChange();
    QListWidget* GetList() const { return m_pList; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool m_bDcs;
    CRepeaterPanel* m_pPanel;
    CCatLink* m_pLink;
    QListWidget* m_pList;
};

class CRepeaterSheet : public CPropertySheet {
    Q_OBJECT
public:
    static constexpr unsigned ID_REFRESH = 105;
    static constexpr int kEdge = 2;  // the system's 3-D edge height

    // The panel polls for it; the link defaults to the application's.
    explicit CRepeaterSheet(CRepeaterPanel* pPanel, QWidget* pParent = nullptr, CCatLink* pLink = nullptr);
    ~CRepeaterSheet() override;

    bool OnInitDialog() override;
    // Every page read again from the radio.
    void Refresh();

    CRepeaterPageGeneral* GetGeneralPage() const { return m_pGeneral; }
    CRepeaterPageTones* GetCtcssPage() const { return m_pCtcss; }
    CRepeaterPageTones* GetDcsPage() const { return m_pDcs; }
    QPushButton* GetRefreshButton() const { return m_pRefresh; }
    QLabel* GetNote() const { return m_pNote; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void OnCancel() override;

private:
    CRepeaterPageGeneral* m_pGeneral;
    CRepeaterPageTones* m_pCtcss;
    CRepeaterPageTones* m_pDcs;
    QPushButton* m_pRefresh = nullptr;  // owned; made at initialisation
    QLabel* m_pNote = nullptr;          // owned; made at initialisation
};
