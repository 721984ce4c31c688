#pragma once
// The radio-control program's main window: an MDI frame whose main toolbar
// carries the tuning-step list. (What the front panel uses of it.)
#include "frontpanel/DisplayFrame.h"
#include "frontpanel/FrequencyEntryDialog.h"

#include <QMainWindow>
#include <QPointer>
#include <cstdint>

class COwnComboBox;
class CDisplayFrame;
class CFrequencyEntryDialog;
class QMdiArea;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    QMdiArea* GetMdiArea() const { return m_pMdiArea; }
    // The main toolbar's tuning-step list (item data: the step in Hz).
    COwnComboBox* GetStepCombo() const { return m_pStepCombo; }
    void SetDisplayFrame(CDisplayFrame* pFrame) { m_pDisplayFrame = pFrame; }
    CDisplayFrame* GetDisplayFrame() const { return m_pDisplayFrame; }
    // Hands the transverter display the radio's frequency (when it is open).
    void SetTransverterFrequency(uint32_t nHz) { m_nTransverterHz = nHz; }
    uint32_t GetTransverterFrequency() const { return m_nTransverterHz; }
    // Opens the modeless "Frequency" window (made on first use), refilled
    // from the radio; a digit other than -1 is passed on to it.
    void EnterFrequency(int nDigit = -1);
    CFrequencyEntryDialog* GetFrequencyEntryDialog() const { return m_pFrequencyEntry; }

private:
    QMdiArea* m_pMdiArea;
    QToolBar* m_pToolBar;
    COwnComboBox* m_pStepCombo;
    QPointer<CDisplayFrame> m_pDisplayFrame;
    QPointer<CFrequencyEntryDialog> m_pFrequencyEntry;
    uint32_t m_nTransverterHz = 0;
};

// The program's main frame; nullptr while there is none.
CMainFrame* GetMainFrame();
