#pragma once
// The front-panel view: the form of the FT-817's front panel in one of three
// sizes (frequency display, tuning dial, meters, lamps, clock, clarifier and
// 43 round buttons). It hosts the panel controller (poll, state, commands)
// and brings every control in line with the state after each poll,
// touching a control only when what it shows changed.
#include "corvane/core/DisplayViewHooks.h"
#include "corvane/core/DocView.h"
#include "corvane/core/FrequencyHistory.h"
#include "corvane/frontpanel/FormLayout.h"
#include "corvane/frontpanel/PanelModel.h"
#include "corvane/frontpanel/RadioPanel.h"
#include "corvane/frontpanel/FineTuningDialog.h"
#include "shared/WinTypes.h"

#include <QMap>
#include <QPointer>
#include <QScrollArea>
#include <QTimer>
#include <functional>
#include <memory>

class CBandPlan;
class CClockStatic;
class CFineTuningDialog;
class CFrequencyDisplay;
class CIndicatorStatic;
class CMeterStatic;
class COXBitmapButton;
class COXRoundedButton;
class CTuningDial;
class CVfoStatic;
class QLabel;
class QSpinBox;
class QMenu;
class CCmdUI;

class CDisplayView : public CView, public CRadioPanelHost, public CDisplayViewHooks {
    Q_OBJECT
public:
    static constexpr int kLayoutTimerMs = 250;

    // The link defaults to the application's; the size to the program's display size.
    explicit CDisplayView(QWidget* parent = nullptr, CCatLink* pLink = nullptr, int nDisplaySize = -1);
    ~CDisplayView() override;

    // Set-up before the first poll, then the poll and chart timers.
    void OnInitialUpdate() override { InitialUpdate(true); }
    // The same; without the timers when told so (a test polls by hand).
    void InitialUpdate(bool bStartTimers);
    QScrollArea* ScrollArea() const { return m_pScroll; }

    CRadioPanel& Panel() { return *m_panel; }
    int GetDisplaySizeIndex() const { return m_nSize; }
    int GetFormTemplate() const { return CFormLayout::TemplateId(m_nSize); }
    QWidget* Form() const { return m_form; }
    QWidget* Control(int nId) const { return m_controls.value(nId); }
    COXRoundedButton* Button(int nId) const;
    CFrequencyDisplay* GetRadioState() const { return m_pDisplay; }
    CVfoStatic* GetVfoStatic() const { return m_pVfo; }
    CTuningDial* GetTuningDial() const { return m_pDial; }
    CClockStatic* GetClock() const { return m_pClock; }
    CMeterStatic* Meter(int nIndex) const { return m_meters[nIndex]; }
    CIndicatorStatic* Lamp(int nIndex) const { return m_lamps[nIndex]; }
    CFineTuningDialog* GetFineTuningDialog() const { return m_pFineTuning; }
    QString ClarifierOffsetText() const;

    // --- What the rest of the program reads and does (the panel's state). ---
    void PollRadio(bool bReadExtra) { m_panel->PollRadio(bReadExtra); }
    const CRadioStatus& GetStatusRecord() const { return m_panel->GetStatusRecord(); }
    uint32_t GetFrequency() const override { return m_panel->Model().GetFrequency(); }
    uint8_t GetMode() const override { return m_panel->Model().GetMode(); }
    bool IsVfoA() const override { return m_panel->Model().IsVfoA(); }
    bool IsVfoB() const { return m_panel->Model().IsVfoB(); }
    bool IsMemoryMode() const override { return m_panel->Model().IsMemoryMode(); }
    bool IsMemoryTune() const override { return m_panel->Model().IsMemoryTune(); }
    bool IsFstOn() const { return m_panel->Model().IsFstOn(); }
    bool IsLocked() const { return m_panel->Model().IsLocked(); }
    bool IsPanelLocked() const { return IsLocked(); }
    bool IsScanning() const { return m_panel->Model().IsScanning(); }
    bool IsDualWatch() const { return m_panel->Model().IsDualWatch(); }
    bool IsAttenuatorOn() const { return m_panel->Model().IsAttenuatorOn(); }
    bool IsIpoOn() const { return m_panel->Model().IsIpoOn(); }
    bool IsNarrowOn() const { return m_panel->Model().IsNarrowOn(); }
    bool IsNoiseBlankerOn() const { return m_panel->Model().IsNoiseBlankerOn(); }
    int GetAgc() const { return m_panel->Model().GetAgc(); }
    uint8_t GetSValue() const { return m_panel->Model().GetSValue(); }
    uint8_t GetSMeter() const;
    int GetPowerLevel() const { return m_panel->Model().GetPowerLevel(); }
    uint8_t GetAlcMeter() const { return m_panel->Model().GetAlcMeter(); }
    int GetMemoryChannel() const override { return m_panel->Model().GetMemoryChannel(); }
    void SetMemoryChannel(int nChannel) { m_panel->Model().SetMemoryChannel(nChannel); }
    void SetCurrentMemory(int nChannel) { SetMemoryChannel(nChannel); }
    uint32_t GetVfoAFrequency() const { return m_panel->Model().GetVfoAFrequency(); }
    uint32_t GetVfoBFrequency() const { return m_panel->Model().GetVfoBFrequency(); }
    void SetFrequency(uint32_t nHz) { m_panel->SetFrequency(nHz); }
    void TuneFromDial(uint32_t nHz) { m_panel->TuneFromDial(nHz); }
    void SetFrequencyAndMode(uint32_t nHz, uint8_t nMode, int bLeaveMemory) override
    {
        m_panel->SetFrequencyAndMode(nHz, nMode, bLeaveMemory != 0);
    }
    bool IsShowingTxMeter() const;
    int GetTxMeter() const;
    CFrequencyHistory& GetHistory() { return m_history; }
    void AddScanListener(QObject* pListener) { m_panel->AddScanListener(pListener); }
    void AddScanWindow(QObject* pWindow) { AddScanListener(pWindow); }
    int GetRenderedPolls() const { return m_panel->GetRenderedPolls(); }
    // The favourites changed: the dial redraws its markers.
    void RefreshMarkers();

    // Commands of the form, the menus and the context menu.
    void OnCommand(int nId);
    // The same, handing what the panel does not handle to the main window.
    void RunCommand(int nId);
    // TRUE when the panel (or its window) handled the command.
    bool HandleCommand(int nId);
    void OnUpdateCommand(CCmdUI& cmdUI) const;
    bool IsCommandChecked(int nId) const;
    // The favourites tree's entries apply themselves to the radio; the
    // organisers install how (the entry comes as the message's lParam).
    static void SetFavouriteApplier(std::function<void(intptr_t nEntry)> applier);
    // Run at the end of a view's first initialisation (the navigator fills
    // its groups and wires its trees to the view).
    static void SetFirstInitialiseHook(std::function<void(CDisplayView*)> hook);
    // Quick-save slot of a command: Save (1) or Load (2) and the slot 0-9.
    static bool QuickSaveCommand(int nId, int& nAction, int& nSlot);

    // Tuning range: built-in plans 0-3, or a band set of the application.
    void SetTuningRange(int nRange);
    void SetTuningRangeToBand(int nSet);
    void RestoreTuningRange();
    // 0-3 a built-in plan, 4 + n the custom band set n.
    int GetTuningRange() const { return m_nTuningRange; }
    // The band sets of the application (titled bands); set by the program.
    using BandSetSource = std::function<bool(int nSet, CBandPlan& plan)>;
    static void SetBandSetSource(BandSetSource source);

    // The colour options changed.
    void OnRedrawNew();
    // Stretches the controls to the client size.
    void Relayout();
    QSize FormSize() const { return m_layout.FormSize(); }
    // Renders the current state into every control at once (what a poll does).
    void RenderState();
    // Every control shows the radio's state again, also where it was drawn
    // into behind the panel's back.
    void ShowRadioState();

    // The front panel's fonts of this size.
    QFont ButtonFont() const { return m_buttonFont; }

    // --- CRadioPanelHost ---
    void RenderPanel(const CPanelUpdate& update) override;
    void BlankPanel() override;
    void FrequencyShown() override;
    bool RunCommsErrorDialog() override;
    void AddChartSample(uint8_t nValue) override;
    uint32_t GetStepListValue() override;
    void TuningDialKey(int nVirtualKey) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void TuningSizeChanged(int nSize) override;
    void PushUndo(uint32_t nHz, uint8_t nMode) override;
    void SpeakFrequency(bool bWithMode) override;
    void SpeakMode() override;
    void SpeakText(const QString& strText) override;
    void OutOfBandWarning(bool bInBand) override;
    void FrequencyNotTaken(uint32_t nSentHz, uint32_t nReadHz) override;

signals:
    // The dial took another range (GetTuningRange), whoever chose it.
    void tuningRangeChanged();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void OnMouseWheel(QWheelEvent* event);

private:
    void CreateControls();
    void SetupButton(COXBitmapButton* pButton, const QString& strTooltip);
    void ApplyButtonLook(int nId, const CButtonLook& look);
    void ApplyLooks();
    void ApplyDisplay(const CPanelUpdate* pUpdate);
    void ShowClarifierGroup(bool bShow);
    void OnLayoutTimer();
    // The height at the bottom of the view that minimised windows' icons take.
    int IconBand() const;
    void OnClarifierSpin(int nId, int nDelta);
    void ToggleFineTuning();
    void ApplyFaceplateColours();

    int m_nSize;
    CCatLink* m_pLink;
    std::unique_ptr<CRadioPanel> m_panel;
    std::unique_ptr<CPanelMemoryList> m_memoryList;
    CFormLayout m_layout;
    CFrequencyHistory m_history;
    QScrollArea* m_pScroll = nullptr;
    QWidget* m_form = nullptr;
    QMap<int, QWidget*> m_controls;
    QMap<int, CButtonLook> m_applied;
    QMap<int, QString> m_captions;
    CFrequencyDisplay* m_pDisplay = nullptr;
    CVfoStatic* m_pVfo = nullptr;
    CClockStatic* m_pClock = nullptr;
    CTuningDial* m_pDial = nullptr;
    CMeterStatic* m_meters[3] = {};
    CIndicatorStatic* m_lamps[4] = {};
    CIndicatorStatic* m_labels[3] = {};
    QLabel* m_pClarifierText = nullptr;
    QWidget* m_pClarifierCoarse = nullptr;
    QWidget* m_pClarifierFine = nullptr;
    QFont m_buttonFont;
    QFont m_clarifierFont;
    QTimer m_layoutTimer;  // 101
    QObject* m_pIconWatcher = nullptr;
    bool m_bShown = false;
    bool m_bInitialised = false;
    bool m_bClarifierShown = true;
    uint8_t m_appliedMeters[3] = {0xFF, 0xFF, 0xFF};
    COLORREF m_colButtonFace = 0;
    COLORREF m_colButtonText = 0;
    int m_nTuningRange = 1;
    QPointer<CFineTuningDialog> m_pFineTuning;
    int m_nWaitDepth = 0;
};

// The front-panel view that registered itself, or nullptr.
CDisplayView* GetDisplayView();
