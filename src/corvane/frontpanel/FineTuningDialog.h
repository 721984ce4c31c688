#pragma once
// "Fine Tuning": a tuning dial over a small range around the radio's
// frequency (5 to 200 kHz), with range and step buttons, repeating plus and
// minus buttons and jumps of half the range; arrow keys and the mouse wheel
// tune too.
#include "shared/ui/BaseDialog.h"

#include <QBasicTimer>
#include <QFont>
#include <QPointer>
#include <cstdint>

class CDisplayView;
class CRepeatButton;
class COXRoundedButton;
class CTuningDial;

class CFineTuningDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr int kRepeatTimerId = 500;
    enum : int {
        IdDial = 1038, IdRange5 = 1100, IdRange10 = 1101, IdRange20 = 1102, IdRange50 = 1103, IdRange100 = 1104,
        IdRange200 = 1111, IdStep10 = 1105, IdStep100 = 1106, IdStep1k = 1107, IdStepList = 1110,
        IdPlus = 1122, IdMinus = 1121, IdHalfUp = 1109, IdHalfDown = 1108,
    };

    // The dial range around a frequency: tick = span / 10, at least 1 kHz;
    // low = the first multiple of tick at or above f - span / 2 (not below 0).
    struct Range {
        uint32_t nLow, nHigh;
    };
    static Range RangeFor(uint32_t nHz, uint32_t nSpan);
    static uint32_t SpanOf(int nRangeButton);
    // n steps up or down from f on the step grid; FALSE when it cannot move.
    static bool TuneTarget(uint32_t nHz, int nSteps, int64_t nStep, bool bUp, uint32_t& nTarget);

    // nSize: the display size (0 small, 1 medium, 2 large) picks the template.
    CFineTuningDialog(CDisplayView* pView, const QFont& buttonFont, uint32_t nHz, int nSize);
    ~CFineTuningDialog() override;

    bool OnInitDialog() override;
    // The radio's frequency moved: follow it (the range moves only when it left it).
    void SetFrequency(uint32_t nHz);
    uint32_t GetFrequency() const { return m_nFrequency; }
    uint32_t GetLow() const { return m_nLow; }
    uint32_t GetHigh() const { return m_nHigh; }
    int GetStep() const { return m_nStep; }
    int GetSelectedRange() const { return m_nRangeButton; }
    int GetSelectedStep() const { return m_nStepButton; }
    void UpdateColours();
    CTuningDial* GetDial() const { return m_pDial; }

    void SelectRange(int nId);
    void SelectStep(int nId);
    void AdjustRange(uint32_t nHz, bool bForce);
    void TuneUp(int nSteps);
    void TuneDown(int nSteps);
    void HalfRange(bool bUp);
    void OnMouseWheel(int nDelta);
    void OnKey(int nQtKey, int nRepeat, bool bDown);
    void OnRepeatTimer();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void StyleButton(COXRoundedButton* pButton, const QString& strTooltip);
    void ColourButton(int nId, bool bSelected);
    int64_t CurrentStep() const;
    void Tune(uint32_t nTarget);

    QPointer<CDisplayView> m_pView;
    int m_nSize;
    QFont m_buttonFont;
    CRepeatButton* m_pPlus = nullptr;
    CRepeatButton* m_pMinus = nullptr;
    QMap<int, COXRoundedButton*> m_buttons;
    CTuningDial* m_pDial = nullptr;
    int m_nRangeButton = IdRange50;
    uint32_t m_nFrequency = 0;
    uint32_t m_nLow = 0;
    uint32_t m_nHigh = 0;
    int m_nStepButton = IdStep100;
    int m_nStep = 10;
    int m_nRepeatPeriod = 0;
    int m_nLastKey = 0;
    QBasicTimer m_repeatTimer;
};
