#include "corvane/frontpanel/FineTuningDialog.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/BandPlan.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/PanelFrameServices.h"
#include "corvane/frontpanel/RadioStatus.h"
#include "corvane/frontpanel/RepeatButton.h"
#include "corvane/frontpanel/TuningDial.h"
#include "platform/Sleeper.h"
#include "shared/RegisteredEvent.h"
#include "shared/ui/OwnComboBox.h"

#include <QKeyEvent>
#include <QTimerEvent>
#include <QWheelEvent>
#include <cstdlib>

namespace {
struct ButtonSpec {
    int id;
    const char* caption;
    const char* tooltip;
    int picture;
};
const ButtonSpec kRanges[] = {
    {CFineTuningDialog::IdRange5, "5 KHz", "Set the frequency range to 5 KHz", 0},
    {CFineTuningDialog::IdRange10, "10 KHz", "Set the frequency range to 10 KHz", 0},
    {CFineTuningDialog::IdRange20, "20 KHz", "Set the frequency range to 20 KHz", 0},
    {CFineTuningDialog::IdRange50, "50 KHz", "Set the frequency range to 50 KHz", 0},
    {CFineTuningDialog::IdRange100, "100 KHz", "Set the frequency range to 100 KHz", 0},
    {CFineTuningDialog::IdRange200, "200 KHz", "Set the frequency range to 200 KHz", 0},
};
const ButtonSpec kSteps[] = {
    {CFineTuningDialog::IdStep10, "10 Hz", "Set frequency increment to 10 Hz", 0},
    {CFineTuningDialog::IdStep100, "100 Hz", "Set frequency increment to 100 Hz", 0},
    {CFineTuningDialog::IdStep1k, "1 KHz", "Set frequency increment to 1 KHz", 0},
    {CFineTuningDialog::IdStepList, "STEP", "Set frequency increment to the current step", 0},
};
const ButtonSpec kTuning[] = {
    {CFineTuningDialog::IdMinus, "", "Decrement the frequency (or use the mousewheel)", 166},
    {CFineTuningDialog::IdPlus, "", "Increment the frequency (or use the mousewheel)", 165},
    {CFineTuningDialog::IdHalfDown, "", "Decrement frequency by 1/2 the frequency range", 360},
    {CFineTuningDialog::IdHalfUp, "", "Increment frequency by 1/2 the frequency range", 359},
};
const int kStepOrder[4] = {CFineTuningDialog::IdStep10, CFineTuningDialog::IdStep100, CFineTuningDialog::IdStep1k,
                           CFineTuningDialog::IdStepList};
} // namespace

CFineTuningDialog::Range CFineTuningDialog::RangeFor(uint32_t nHz, uint32_t nSpan)
{
    const int64_t tick = std::max<int64_t>(nSpan / 10, 1000);
    int64_t low = int64_t(nHz) - int64_t(nSpan / 2) + tick - 1;
    // Near 0 Hz the range starts at 0 instead of wrapping round.
    if (low < 0)
        low = 0;
    low -= low % tick;
    return {uint32_t(low), uint32_t(low + nSpan)};
}

uint32_t CFineTuningDialog::SpanOf(int nRangeButton)
{
    switch (nRangeButton) {
    case IdRange5: return 5000;
    case IdRange10: return 10000;
    case IdRange20: return 20000;
    case IdRange100: return 100000;
    case IdRange200: return 200000;
    default: return 50000;
    }
}

bool CFineTuningDialog::TuneTarget(uint32_t nHz, int nSteps, int64_t nStep, bool bUp, uint32_t& nTarget)
{
    // No step (nothing chosen in the main window's list) cannot be a grid.
    if (nStep <= 0 || nSteps <= 0)
        return false;
    int64_t f = nHz;
    if (bUp) {
        f += int64_t(nSteps) * nStep;
        f -= f % nStep;
    } else {
        const int64_t rest = f % nStep;
        f = rest ? f - rest : f - nStep;
        f -= int64_t(nSteps - 1) * nStep;
    }
    if (f < 0 || f >= 1000000000)
        return false;
    nTarget = uint32_t(f);
    return true;
}

CFineTuningDialog::CFineTuningDialog(CDisplayView* pView, const QFont& buttonFont, uint32_t nHz, int nSize)
    : CBaseDialog(nSize == 1 ? 357 : nSize == 2 ? 362 : 297, pView), m_pView(pView), m_nSize(nSize),
      m_buttonFont(buttonFont), m_nFrequency(nHz)
{
    setWindowTitle(QStringLiteral("Fine Tuning"));
    setModal(false);
    const double u = nSize == 2 ? 1.35 : nSize == 1 ? 1.15 : 1.0;
    const int w = int(52 * u), h = int(20 * u), gap = 4, margin = 6;
    const int width = 6 * w + 5 * gap + 2 * margin;
    const int dialHeight = int(96 * u);

    m_pDial = new CTuningDial(this);
    SetDlgCtrlID(m_pDial, IdDial);
    m_pDial->setGeometry(margin, margin, width - 2 * margin, dialHeight);
    connect(m_pDial, &CTuningDial::tuneRequested, this, [this](uint32_t hz) {
        if (m_pView)
            m_pView->SetFrequency(hz);
    });

    int y = margin + dialHeight + gap;
    int x = margin;
    for (const ButtonSpec& b : kRanges) {
        auto* button = new COXRoundedButton(this);
        button->setGeometry(x, y, w, h);
        button->SetButtonText(QString::fromLatin1(b.caption));
        m_buttons.insert(b.id, button);
        x += w + gap;
    }
    y += h + gap;
    x = margin;
    for (const ButtonSpec& b : kSteps) {
        auto* button = new COXRoundedButton(this);
        button->setGeometry(x, y, w, h);
        button->SetButtonText(QString::fromLatin1(b.caption));
        m_buttons.insert(b.id, button);
        x += w + gap;
    }
    const int small = (width - margin - x - 3 * gap) / 4;
    for (const ButtonSpec& b : kTuning) {
        COXRoundedButton* button = nullptr;
        if (b.id == IdPlus || b.id == IdMinus) {
            auto* repeat = new CRepeatButton(this);
            (b.id == IdPlus ? m_pPlus : m_pMinus) = repeat;
            button = repeat;
        } else {
            button = new COXRoundedButton(this);
        }
        button->setGeometry(x, y, small, h);
        m_buttons.insert(b.id, button);
        x += small + gap;
    }
    for (auto it = m_buttons.begin(); it != m_buttons.end(); ++it) {
        SetDlgCtrlID(it.value(), unsigned(it.key()));
        const int id = it.key();
        connect(it.value(), &QPushButton::clicked, this, [this, id] {
            if (id >= IdRange5 && id <= IdRange100)
                SelectRange(id);
            else if (id == IdRange200)
                SelectRange(id);
            else if (id == IdStep10 || id == IdStep100 || id == IdStep1k || id == IdStepList)
                SelectStep(id);
            else if (id == IdHalfUp || id == IdHalfDown)
                HalfRange(id == IdHalfUp);
            // Plus and minus act through their posted message only.
        });
        it.value()->installEventFilter(this);
    }
    resize(width, y + h + margin);
    QList<DialogGeometry::AnchorRow> anchors;
    anchors << DialogGeometry::AnchorRow{IdDial, 2, 2, 0, 0};
    for (int id : m_buttons.keys())
        anchors << DialogGeometry::AnchorRow{id, 0, 0, 0, 2};
    SetAnchors(anchors);
    SetNoSizeGrip();
}

CFineTuningDialog::~CFineTuningDialog() = default;

void CFineTuningDialog::StyleButton(COXRoundedButton* pButton, const QString& strTooltip)
{
    const CSettings& s = GetSettings();
    pButton->SetBackgroundColour(s.m_colDspBackground, false);
    pButton->SetSphereColour(s.m_colColButtonFace, false);
    pButton->SetTextColour(s.m_colColButtonText);
    pButton->SetSphereInternalRadius(3, false);
    pButton->SetSphereExternalRadius(m_nSize == 2 ? 8 : 6, false);
    pButton->SetTextMargin(QSize(-4, -1));
    pButton->SetTextFont(m_buttonFont);
    if (!strTooltip.isEmpty()) {
        pButton->SetPseudoDisabled(true);
        pButton->EnableToolTip(true);
        pButton->SetToolTipText(strTooltip);
    }
}

bool CFineTuningDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    for (const ButtonSpec& b : kRanges)
        StyleButton(m_buttons[b.id], QString::fromLatin1(b.tooltip));
    for (const ButtonSpec& b : kSteps)
        StyleButton(m_buttons[b.id], QString::fromLatin1(b.tooltip));
    for (const ButtonSpec& b : kTuning) {
        StyleButton(m_buttons[b.id], QString::fromLatin1(b.tooltip));
        m_buttons[b.id]->LoadBitmapResource(b.picture, false, 0xFFFFFF);
    }
    m_pPlus->SetTarget(this, 0, RegisteredMessage::nMsgFreqButton);
    m_pMinus->SetTarget(this, 1, RegisteredMessage::nMsgFreqButton);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(GetSettings().m_colDspBackground));
    palette.setColor(QPalette::WindowText, toQColor(GetSettings().m_colDspForeground));
    setPalette(palette);
    setAutoFillBackground(true);
    SelectRange(IdRange50);
    SelectStep(IdStep100);
    return true;
}

void CFineTuningDialog::ColourButton(int nId, bool bSelected)
{
    const CSettings& s = GetSettings();
    COXRoundedButton* button = m_buttons.value(nId);
    if (!button)
        return;
    button->SetSphereColour(bSelected ? s.m_colColButtonFaceSel : s.m_colColButtonFace, false);
    button->SetTextColour(bSelected ? s.m_colColButtonTextSel : s.m_colColButtonText);
    button->SetBackgroundColour(s.m_colDspBackground, false);
    button->update();
}

void CFineTuningDialog::SelectRange(int nId)
{
    m_nRangeButton = nId;
    for (const ButtonSpec& b : kRanges)
        ColourButton(b.id, b.id == nId);
    AdjustRange(m_nFrequency, true);
}

void CFineTuningDialog::SelectStep(int nId)
{
    for (const ButtonSpec& b : kSteps)
        ColourButton(b.id, b.id == nId);
    switch (nId) {
    case IdStep10: m_nStep = 10; break;
    case IdStep100: m_nStep = 100; break;
    case IdStep1k: m_nStep = 1000; break;
    default: m_nStep = -1; break;
    }
    m_nStepButton = nId;
}

void CFineTuningDialog::AdjustRange(uint32_t nHz, bool bForce)
{
    if (bForce || nHz < m_nLow || nHz > m_nHigh) {
        const Range r = RangeFor(nHz, SpanOf(m_nRangeButton));
        CBandPlan plan;
        plan.AddBand(QString(), r.nLow, r.nHigh, 1, 1);
        m_pDial->SetBandPlan(plan);
        m_pDial->Rebuild();
        m_nLow = r.nLow;
        m_nHigh = r.nHigh;
    }
    m_pDial->SetScanState(nHz, false);
    m_pDial->update();
}

void CFineTuningDialog::SetFrequency(uint32_t nHz)
{
    AdjustRange(nHz, false);
    m_nFrequency = nHz;
}

int64_t CFineTuningDialog::CurrentStep() const
{
    if (m_nStep != -1)
        return m_nStep;
    return int64_t(CPanelFrameServices::Get().stepCombo()->GetSelectedData());
}

void CFineTuningDialog::Tune(uint32_t nTarget)
{
    if (!m_pView)
        return;
    CCatLink& link = m_pView->Panel().Link();
    link.SetFrequency(nTarget / 10);
    uint32_t bytes = 0;
    uint8_t mode = 0;
    link.ReadFrequencyAndMode(bytes, mode);
    SetFrequency(CRadioStatus::BcdWordToHz(bytes));
}

void CFineTuningDialog::TuneUp(int nSteps)
{
    uint32_t target = 0;
    if (TuneTarget(m_nFrequency, nSteps, CurrentStep(), true, target))
        Tune(target);
}

void CFineTuningDialog::TuneDown(int nSteps)
{
    uint32_t target = 0;
    if (TuneTarget(m_nFrequency, nSteps, CurrentStep(), false, target))
        Tune(target);
}

void CFineTuningDialog::HalfRange(bool bUp)
{
    const int64_t half = (int64_t(m_nHigh) - m_nLow) / 2;
    const int64_t f = bUp ? int64_t(m_nFrequency) + half : int64_t(m_nFrequency) - half;
    if (f <= 0 || f >= 1000000000 || !m_pView)
        return;
    m_pView->SetFrequency(uint32_t(f));
    AdjustRange(uint32_t(f), true);
}

void CFineTuningDialog::OnMouseWheel(int nDelta)
{
    const int n = std::abs(nDelta / 120);
    const int count = (n + n * n) / 2;
    if (count > 0) {
        if (nDelta > 0)
            TuneUp(count);
        else
            TuneDown(count);
    }
    platform::sleepMs(20);
}

void CFineTuningDialog::wheelEvent(QWheelEvent* event)
{
    OnMouseWheel(event->angleDelta().y());
    event->accept();
}

void CFineTuningDialog::OnKey(int nQtKey, int nRepeat, bool bDown)
{
    int key = nQtKey;
    if (GetSettings().m_bArrowKeys) {
        switch (key) {
        case Qt::Key_Left: key = Qt::Key_Up; break;
        case Qt::Key_Up: key = Qt::Key_Right; break;
        case Qt::Key_Right: key = Qt::Key_Down; break;
        case Qt::Key_Down: key = Qt::Key_Left; break;
        default: break;
        }
    }
    if (!bDown) {
        if (key == Qt::Key_Left || key == Qt::Key_Right)
            m_repeatTimer.stop();
        return;
    }
    m_nLastKey = key;
    const int index = int(std::find(std::begin(kStepOrder), std::end(kStepOrder), m_nStepButton) - std::begin(kStepOrder));
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (key == Qt::Key_Left)
            TuneDown(std::max(1, nRepeat));
        else
            TuneUp(std::max(1, nRepeat));
        platform::sleepMs(20);
        m_nRepeatPeriod = GetSettings().GetAutoRepeatDelay();
        m_repeatTimer.start(m_nRepeatPeriod, this);
        break;
    case Qt::Key_Up:
        if (index < 3)
            SelectStep(kStepOrder[index + 1]);
        break;
    case Qt::Key_Down:
        if (index > 0 && index < 4)
            SelectStep(kStepOrder[index - 1]);
        break;
    default:
        break;
    }
}

void CFineTuningDialog::OnRepeatTimer()
{
    const CSettings& s = GetSettings();
    if (m_nRepeatPeriod == s.GetAutoRepeatDelay()) {
        m_nRepeatPeriod = s.GetAutoRepeatInterval();
        m_repeatTimer.start(m_nRepeatPeriod, this);
    }
    if (m_nLastKey == Qt::Key_Left)
        TuneDown(1);
    else if (m_nLastKey == Qt::Key_Right)
        TuneUp(1);
}

void CFineTuningDialog::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_repeatTimer.timerId()) {
        OnRepeatTimer();
        return;
    }
    CBaseDialog::timerEvent(event);
}

bool CFineTuningDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int k = key->key();
        if (k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Up || k == Qt::Key_Down) {
            if (!key->isAutoRepeat())
                OnKey(k, key->count(), event->type() == QEvent::KeyPress);
            return true;
        }
    }
    return CBaseDialog::eventFilter(watched, event);
}

bool CFineTuningDialog::event(QEvent* event)
{
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgFreqButton)) {
        if (m->lParam() == 0)
            TuneUp(1);
        else if (m->lParam() == 1)
            TuneDown(1);
        m->SetResult(0);
        return true;
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int k = key->key();
        if ((k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Up || k == Qt::Key_Down) && !key->isAutoRepeat()) {
            OnKey(k, key->count(), event->type() == QEvent::KeyPress);
            return true;
        }
    }
    return CBaseDialog::event(event);
}

void CFineTuningDialog::resizeEvent(QResizeEvent* event)
{
    CBaseDialog::resizeEvent(event);
    if (m_pDial) {
        m_pDial->Rebuild();
        m_pDial->update();
    }
}

void CFineTuningDialog::UpdateColours()
{
    const CSettings& s = GetSettings();
    m_pDial->SetBackgroundColour(s.m_colTuningDialBackground);
    m_pDial->SetForegroundColour(s.m_colTuningDialForeground);
    m_pDial->SetSliderColour(s.m_colTuningDialSliderColour);
    m_pDial->Rebuild();
    for (auto it = m_buttons.begin(); it != m_buttons.end(); ++it)
        ColourButton(it.key(), false);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(s.m_colDspBackground));
    setPalette(palette);
    SelectRange(m_nRangeButton);
    SelectStep(m_nStepButton);
    update();
}
