#pragma once
// What the Memory Analyser and the Memory Browser share: a From and a To
// address in hexadecimal (remembered between runs), an instruction, a
// result list with Save and Viewer, and a progress bar. Both are tool
// windows: Cancel (Escape or the close box) remembers the addresses and
// hides the window.
#include "shared/ui/BaseDialog.h"

#include <cstdint>

class CBarMeter;
class CCatLink;
class CColourStatic;
class COXBitmapButton;
class COXMaskedEdit;
class COwnListCtrl;

class CEepromRangeDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDC_FROM = 1108;
    static constexpr unsigned IDC_TO = 1110;
    static constexpr unsigned IDC_INSTRUCTION = 1320;
    static constexpr unsigned IDC_PROGRESS = 1101;
    static constexpr unsigned IDC_LIST = 1078;
    static constexpr unsigned IDC_SAVE = 1119;
    static constexpr unsigned IDC_VIEWER = 1120;
    static constexpr unsigned IDC_ACTION = 1112;
    static constexpr int kFileKind = 3;

    bool OnInitDialog() override;
    void OnCancel() override;
    void OnSave();
    void OnViewer();

    // The texts of From and To read as hexadecimal addresses.
    uint32_t GetFrom() const;
    uint32_t GetTo() const;
    void SetFromTo(const QString& strFrom, const QString& strTo);
    // FALSE, with a message, when From or To lies beyond the radio's EEPROM:
    // there is nothing there to read.
    bool CheckRange();

    COXMaskedEdit* GetFromEdit() const { return m_pFrom; }
    COXMaskedEdit* GetToEdit() const { return m_pTo; }
    COwnListCtrl* GetList() const { return m_pList; }
    CBarMeter* GetProgress() const { return m_pProgress; }
    COXBitmapButton* GetSaveButton() const { return m_pSave; }
    COXBitmapButton* GetViewerButton() const { return m_pViewer; }
    // Every caption the progress bar showed since the window was made.
    const QStringList& GetProgressHistory() const { return m_history; }

protected:
    CEepromRangeDialog(unsigned nIDTemplate, const QString& strTitle, const QString& strInstruction,
                       QWidget* pParent, CCatLink* pLink);
    ~CEepromRangeDialog() override;

    void keyPressEvent(QKeyEvent* event) override;
    void SetProgressText(const QString& strText);
    // The From or To text was changed.
    virtual void OnRangeEdited() {}

    CCatLink* m_pLink;
    CColourStatic* m_pInstruction;
    COXMaskedEdit* m_pFrom;
    COXMaskedEdit* m_pTo;
    COwnListCtrl* m_pList;
    CBarMeter* m_pProgress;
    COXBitmapButton* m_pSave;
    COXBitmapButton* m_pViewer;
    QStringList m_history;
};
