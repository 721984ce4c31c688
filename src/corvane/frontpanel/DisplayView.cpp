#include "corvane/frontpanel/DisplayView.h"

#include "corvane/core/RadioApp.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/BandPlan.h"
#include "corvane/frontpanel/ClockStatic.h"
#include "corvane/frontpanel/DisplayFrame.h"
#include "corvane/frontpanel/FineTuningDialog.h"
#include "corvane/frontpanel/FrequencyDisplay.h"
#include "corvane/frontpanel/IndicatorStatic.h"
#include "corvane/frontpanel/PanelFrameServices.h"
#include "corvane/core/DisplaySize.h"
#include "corvane/core/MemoryChannelList.h"
#include "corvane/core/SpeechText.h"
#include "corvane/frontpanel/RadioMemoryAdapter.h"
#include "corvane/frontpanel/MeterStatic.h"
#include "corvane/frontpanel/PanelArtwork.h"
#include "corvane/frontpanel/PanelFonts.h"
#include "corvane/frontpanel/PanelForm.h"
#include "corvane/frontpanel/RepeatButton.h"
#include "corvane/frontpanel/TuningDial.h"
#include "corvane/frontpanel/VfoStatic.h"
#include "corvane/memory/CommsErrorDialog.h"
#include "platform/Prompter.h"
#include "shared/RegisteredEvent.h"
#include "shared/ui/FitText.h"
#include "shared/Registry.h"
#include "shared/ui/BaseDialog.h"
#include "corvane/core/QuickSave.h"
#include "corvane/core/MainFrame.h"
#include "shared/ui/OwnComboBox.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QStatusBar>
#include <QUrl>
#include "platform/DataFolder.h"
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {
QPointer<CDisplayView> g_view;
std::function<void(intptr_t)>& favouriteApplier()
{
    static std::function<void(intptr_t)> applier;
    return applier;
}

const int kSaveIds[10] = {33009, 33010, 33011, 33012, 33013, 33014, 33015, 33016, 33017, 33023};
const int kLoadIds[10] = {32997, 33002, 32996, 33003, 33004, 33005, 33006, 33007, 33008, 33024};
constexpr int kEraseQuickSave = 33019;

std::function<void(CDisplayView*)>& firstInitialiseHook()
{
    static std::function<void(CDisplayView*)> hook;
    return hook;
}

CDisplayView::BandSetSource& bandSetSource()
{
    static CDisplayView::BandSetSource source;
    return source;
}

// One clarifier spin: up and down halves, each click a delta of +1 or -1.
class ClarifierSpin : public QWidget {
public:
    ClarifierSpin(QWidget* parent, std::function<void(int)> onDelta) : QWidget(parent), m_onDelta(std::move(onDelta))
    {
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const CSettings& s = GetSettings();
        QPainter p(this);
        p.fillRect(rect(), toQColor(s.m_colColButtonFace));
        p.setPen(toQColor(s.m_colDspBackground));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.drawLine(0, height() / 2, width(), height() / 2);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(toQColor(s.m_colColButtonText));
        const int cx = width() / 2, q = height() / 4;
        p.drawPolygon(QPolygon({{cx - 3, q + 2}, {cx, q - 1}, {cx + 3, q + 2}}));
        p.drawPolygon(QPolygon({{cx - 3, 3 * q - 2}, {cx, 3 * q + 1}, {cx + 3, 3 * q - 2}}));
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (m_onDelta)
            m_onDelta(event->position().y() < height() / 2 ? 1 : -1);
    }

private:
    std::function<void(int)> m_onDelta;
};

// The band warning's sound, played without waiting; FALSE when there is
// nothing to play (no name, no file) so that the caller beeps instead.
bool PlaySoundFile(const QString& strName)
{
    if (strName.isEmpty())
        return false;
    const QString path = QFileInfo(strName).isAbsolute() ? strName : platform::dataFilePath(strName);
    if (!QFileInfo::exists(path))
        return false;
    static QPointer<QSoundEffect> effect;
    if (!effect) {
        effect = new QSoundEffect(QCoreApplication::instance());
        QObject::connect(effect, &QSoundEffect::statusChanged, [] {
            if (effect && effect->status() == QSoundEffect::Error)
                QApplication::beep();
        });
    }
    effect->setSource(QUrl::fromLocalFile(path));
    effect->play();
    return true;
}

int currentDisplaySize()
{
    return GetRadioApp() ? GetRadioApp()->GetDisplaySize().GetSize() : 1;
}

// The form forwards what the tuning dial posts to its parent to the view.
class FormWidget : public QWidget {
public:
    explicit FormWidget(QWidget* view) : m_view(view) {}

protected:
    bool event(QEvent* event) override
    {
        const uint32_t type = uint32_t(event->type());
        if (m_view && (type == RegisteredMessage::nMsgDrawBands || type == RegisteredMessage::nMsgFavourite))
            return QCoreApplication::sendEvent(m_view, event);
        return QWidget::event(event);
    }

private:
    QPointer<QWidget> m_view;
};

int virtualKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left: return CRadioPanel::VK_LEFT;
    case Qt::Key_Right: return CRadioPanel::VK_RIGHT;
    case Qt::Key_Up: return CRadioPanel::VK_UP;
    case Qt::Key_Down: return CRadioPanel::VK_DOWN;
    case Qt::Key_Home: return CRadioPanel::VK_HOME;
    case Qt::Key_End: return CRadioPanel::VK_END;
    case Qt::Key_PageUp: return CRadioPanel::VK_PRIOR;
    case Qt::Key_PageDown: return CRadioPanel::VK_NEXT;
    default: return 0;
    }
}
} // namespace

CDisplayView* GetDisplayView()
{
    return g_view;
}

void CDisplayView::SetFavouriteApplier(std::function<void(intptr_t)> applier)
{
    favouriteApplier() = std::move(applier);
}

bool CDisplayView::QuickSaveCommand(int nId, int& nAction, int& nSlot)
{
    for (int i = 0; i < 10; ++i) {
        if (kSaveIds[i] == nId) {
            nAction = 1;
            nSlot = i;
            return true;
        }
        if (kLoadIds[i] == nId) {
            nAction = 2;
            nSlot = i;
            return true;
        }
    }
    return false;
}

void CDisplayView::SetFirstInitialiseHook(std::function<void(CDisplayView*)> hook)
{
    firstInitialiseHook() = std::move(hook);
}

void CDisplayView::SetBandSetSource(BandSetSource source)
{
    bandSetSource() = std::move(source);
}

CDisplayView::CDisplayView(QWidget* parent, CCatLink* pLink, int nDisplaySize)
    : CView(parent), m_nSize(nDisplaySize >= 0 ? nDisplaySize : currentDisplaySize()),
      m_pLink(pLink ? pLink : &GetRadioApp()->GetCatLink()), m_layout(m_nSize)
{
    setObjectName(QStringLiteral("CDisplayView"));
    PanelArtwork::RegisterButtonPictures();
    m_panel = std::make_unique<CRadioPanel>(*m_pLink, GetSettings(), this);
    m_pScroll = new QScrollArea(this);
    m_pScroll->setFrameShape(QFrame::NoFrame);
    m_pScroll->setWidgetResizable(false);
    m_pScroll->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pScroll);
    m_form = new FormWidget(this);
    m_form->setObjectName(QStringLiteral("FrontPanelForm"));
    m_form->setFocusPolicy(Qt::ClickFocus);
    m_form->setAutoFillBackground(true);
    m_form->installEventFilter(this);
    m_form->resize(m_layout.FormSize());
    m_pScroll->setWidget(m_form);
    if (CRadioApp* app = GetRadioApp()) {
        for (int i = 0; i < CRadioApp::kQuickSaveSlots; ++i) {
            app->GetQuickSave(i).SetIndex(i);
            app->GetQuickSave(i).Load();
        }
        m_memoryList = std::make_unique<CRadioMemoryAdapter>(app->GetMemoryList());
        m_panel->SetMemoryList(m_memoryList.get());
    }
    m_layoutTimer.setSingleShot(true);
    connect(&m_layoutTimer, &QTimer::timeout, this, &CDisplayView::OnLayoutTimer);
    CreateControls();
}

CDisplayView::~CDisplayView()
{
    m_panel->StopTimers();
    m_panel->SetHost(nullptr);
    delete m_pFineTuning;
    if (g_view == this)
        g_view = nullptr;
    if (GetRadioApp() && GetRadioApp()->GetDisplayView() == this)
        GetRadioApp()->SetDisplayView(nullptr);
}

COXRoundedButton* CDisplayView::Button(int nId) const
{
    return qobject_cast<COXRoundedButton*>(m_controls.value(nId));
}

uint8_t CDisplayView::GetSMeter() const
{
    return m_panel->GetStatusRecord().m_bTransmitting ? 0 : m_panel->Model().GetSValue();
}

void CDisplayView::CreateControls()
{
    const bool large = m_nSize == 2;
    switch (m_nSize) {
    case 0: m_buttonFont = PanelFont(QStringLiteral("Small Fonts"), 7); break;
    case 1: m_buttonFont = PanelFont(QStringLiteral("Microsoft Sans Serif"), 8); break;
    default: m_buttonFont = PanelFont(QStringLiteral("Microsoft Sans Serif"), 10); break;
    }
    m_clarifierFont = PanelFont(QStringLiteral("Courier New"), m_nSize == 0 ? 10 : m_nSize == 1 ? 12 : 14);

    for (const CFormControl& c : CPanelForm::Controls()) {
        QWidget* w = nullptr;
        switch (c.eKind) {
        case CFormControl::Indicator: {
            auto* lamp = new CIndicatorStatic(m_form);
            lamp->setText(QString::fromLatin1(c.pCaption));
            lamp->setFont(m_buttonFont);
            w = lamp;
            break;
        }
        case CFormControl::Meter: w = new CMeterStatic(m_form); break;
        case CFormControl::Rounded: w = new COXRoundedButton(m_form); break;
        case CFormControl::Repeat: w = new CRepeatButton(m_form); break;
        case CFormControl::FrequencyDisplay:
            m_pDisplay = new CFrequencyDisplay(m_form, large);
            w = m_pDisplay;
            break;
        case CFormControl::VfoStatic:
            m_pVfo = new CVfoStatic(m_form);
            m_pVfo->SetLargePanel(large);
            w = m_pVfo;
            break;
        case CFormControl::Clock:
            m_pClock = new CClockStatic(m_form, large);
            w = m_pClock;
            break;
        case CFormControl::Dial:
            m_pDial = new CTuningDial(m_form);
            w = m_pDial;
            break;
        case CFormControl::Static: {
            m_pClarifierText = new QLabel(m_form);
            m_pClarifierText->setAlignment(Qt::AlignCenter);
            w = m_pClarifierText;
            break;
        }
        case CFormControl::Spin: {
            const int id = c.nId;
            w = new ClarifierSpin(m_form, [this, id](int delta) { OnClarifierSpin(id, delta); });
            (id == PanelId::ClarifierCoarse ? m_pClarifierCoarse : m_pClarifierFine) = w;
            break;
        }
        }
        SetDlgCtrlID(w, unsigned(c.nId));
        w->setGeometry(CFormLayout::ControlRect(c.nId, m_nSize));
        w->installEventFilter(this);
        m_controls.insert(c.nId, w);
        if (auto* button = qobject_cast<COXBitmapButton*>(w)) {
            button->SetButtonText(QString::fromLatin1(c.pCaption));
            const int id = c.nId;
            connect(button, &QPushButton::clicked, this, [this, id] { RunCommand(id); });
            if (c.nPicture)
                button->LoadBitmapResource(c.nPicture, false, 0xFFFFFF);
        }
    }
    m_meters[0] = static_cast<CMeterStatic*>(m_controls[PanelId::MeterAlc]);
    m_meters[1] = static_cast<CMeterStatic*>(m_controls[PanelId::MeterMod]);
    m_meters[2] = static_cast<CMeterStatic*>(m_controls[PanelId::MeterSwr]);
    m_lamps[0] = static_cast<CIndicatorStatic*>(m_controls[PanelId::Lamp1]);
    m_lamps[1] = static_cast<CIndicatorStatic*>(m_controls[PanelId::Lamp2]);
    m_lamps[2] = static_cast<CIndicatorStatic*>(m_controls[PanelId::Lamp3]);
    m_lamps[3] = static_cast<CIndicatorStatic*>(m_controls[PanelId::Lamp4]);
    m_labels[0] = static_cast<CIndicatorStatic*>(m_controls[PanelId::LabelAlc]);
    m_labels[1] = static_cast<CIndicatorStatic*>(m_controls[PanelId::LabelMod]);
    m_labels[2] = static_cast<CIndicatorStatic*>(m_controls[PanelId::LabelSwr]);
    for (int id : CPanelForm::ModeButtonIds())
        m_captions.insert(id, QString::fromLatin1(CPanelForm::Find(id)->pCaption));
}

void CDisplayView::SetupButton(COXBitmapButton* pButton, const QString& strTooltip)
{
    const CSettings& s = GetSettings();
    auto* round = qobject_cast<COXRoundedButton*>(pButton);
    if (round) {
        round->SetBackgroundColour(s.m_colDspBackground, false);
        round->SetSphereColour(s.m_colColButtonFace, false);
        round->SetSphereInternalRadius(3, false);
        round->SetSphereExternalRadius(m_nSize == 2 ? 8 : 6, false);
    }
    pButton->SetTextColour(s.m_colColButtonText);
    pButton->SetTextMargin(QSize(-4, -1));
    pButton->SetTextFont(m_buttonFont);
    if (!strTooltip.isEmpty()) {
        pButton->SetPseudoDisabled(true);
        pButton->EnableToolTip(true);
        pButton->SetToolTipText(strTooltip);
    }
}

void CDisplayView::InitialUpdate(bool bStartTimers)
{
    const bool first = !m_bInitialised;
    g_view = this;
    if (GetRadioApp())
        GetRadioApp()->SetDisplayView(this);
    const CSettings& s = GetSettings();
    m_form->setUpdatesEnabled(false);

    // Tuning dial: scrolling rows, built-in plan 1, then the stored range.
    m_pDial->SetScrollingBands();
    m_pDial->SetViewWindow(this);
    m_pDial->SetSmallPanel(m_nSize == 0);
    connect(m_pDial, &CTuningDial::tuneRequested, this, [this](uint32_t hz) { TuneFromDial(hz); });
    connect(m_pDial, &CTuningDial::frequencyRequested, this, [this](uint32_t hz) { SetFrequency(hz); });
    connect(m_pDial, &CTuningDial::bandsCommand, this, [this] { RunCommand(PanelId::Bands); });
    connect(m_pDial, &CTuningDial::fineTuningCommand, this, [this] { RunCommand(32922); });
    CBandPlan plan;
    plan.BuildStandard(1);
    m_pDial->SetBandPlan(plan);
    m_pDial->SetTitle(plan.GetTitle());
    m_pDial->Rebuild();
    RestoreTuningRange();

    // Frequency display and meter labels.
    m_pDisplay->SetTarget(this);
    m_pDisplay->SetFrequency(0);
    m_pDisplay->Build();
    m_pDisplay->EnableDigitTuning(true);
    for (CIndicatorStatic* label : m_labels)
        label->SetLit(true);
    // A double click on the other VFO: the frequency window on that VFO.
    connect(m_pVfo, &CVfoStatic::enterFrequencyRequested, this,
            [] { CPanelFrameServices::Get().enterFrequency(-1, 1); });

    // The widest offset the read-out can show, fitted to its static: the
    // panel's font may be wider than the template's.
    m_pClarifierText->setFont(FontToFit(m_clarifierFont, CRadioPanel::ClarifierText(-999),
                                        m_pClarifierText->contentsRect().width()));
    ShowClarifierGroup(false);

    for (const CFormControl& c : CPanelForm::Controls())
        if (auto* button = qobject_cast<COXBitmapButton*>(m_controls[c.nId]))
            SetupButton(button, QString::fromLatin1(c.pTooltip));

    m_pClarifierText->setText(CRadioPanel::ClarifierText(0));
    for (CMeterStatic* meter : m_meters) {
        meter->CreateBuffer();
        meter->SetRange(0, 9);
        meter->SetValue(0);
        meter->SetBackgroundColour(s.m_colTxBarMeterBackground);
        meter->SetBarColour(s.m_colTxBarMeterForeground);
    }
    static const int repeatCodes[][2] = {{PanelId::NextMemory, 0}, {PanelId::PreviousMemory, 1}, {PanelId::StepUp, 2},
                                         {PanelId::StepDown, 3}, {PanelId::StepListUp, 4}, {PanelId::StepListDown, 5}};
    for (const auto& r : repeatCodes)
        static_cast<CRepeatButton*>(m_controls[r[0]])->SetTarget(this, r[1], RegisteredMessage::nMsgFreqButton);

    m_panel->RestoreTuningSize();
    m_colButtonFace = s.m_colColButtonFace;
    m_colButtonText = s.m_colColButtonText;
    ApplyFaceplateColours();
    ApplyLooks();

    if (!m_pIconWatcher) {
        QMdiSubWindow* frame = nullptr;
        for (QWidget* w = parentWidget(); w && !frame; w = w->parentWidget())
            frame = qobject_cast<QMdiSubWindow*>(w);
        if (frame && frame->mdiArea())
            m_pIconWatcher = new CMdiIconWatcher(frame->mdiArea(), [this] {
                if (m_bInitialised)
                    m_layoutTimer.start(kLayoutTimerMs);
            }, this);
    }
    Relayout();
    m_form->setUpdatesEnabled(true);
    // Shown by the first layout after a size change.
    m_form->hide();
    m_bShown = false;
    m_layoutTimer.start(kLayoutTimerMs);
    m_bInitialised = true;
    if (first && firstInitialiseHook())
        firstInitialiseHook()(this);
    if (bStartTimers)
        m_panel->StartTimers();
}

void CDisplayView::ApplyFaceplateColours()
{
    const CSettings& s = GetSettings();
    QPalette palette = m_form->palette();
    palette.setColor(QPalette::Window, toQColor(s.m_colDspBackground));
    palette.setColor(QPalette::WindowText, toQColor(s.m_colDspForeground));
    m_form->setPalette(palette);
    QPalette viewPalette = m_pScroll->palette();
    viewPalette.setColor(QPalette::Window, toQColor(s.m_colDspBackground));
    m_pScroll->setPalette(viewPalette);
    m_pScroll->viewport()->setAutoFillBackground(true);
    m_pScroll->viewport()->setPalette(viewPalette);
    QPalette text = m_pClarifierText->palette();
    text.setColor(QPalette::WindowText, toQColor(s.m_colDspForeground));
    m_pClarifierText->setPalette(text);
}

QString CDisplayView::ClarifierOffsetText() const
{
    return m_pClarifierText->text();
}

void CDisplayView::ShowClarifierGroup(bool bShow)
{
    if (bShow == m_bClarifierShown)
        return;
    m_bClarifierShown = bShow;
    m_pClarifierText->setVisible(bShow);
    m_pClarifierCoarse->setVisible(bShow);
    m_pClarifierFine->setVisible(bShow);
}

void CDisplayView::OnClarifierSpin(int nId, int nDelta)
{
    const int offset = m_panel->OnClarifierSpin(nId, nDelta);
    m_pClarifierText->setText(CRadioPanel::ClarifierText(offset));
}

// ---------------------------------------------------------------- rendering

void CDisplayView::ApplyButtonLook(int nId, const CButtonLook& look)
{
    auto* button = qobject_cast<COXBitmapButton*>(m_controls.value(nId));
    if (!button)
        return;
    auto it = m_applied.find(nId);
    const bool first = it == m_applied.end();
    if (!first && *it == look)
        return;
    const CSettings& s = GetSettings();
    const CFormControl* c = CPanelForm::Find(nId);
    const bool pictureOnly = c && c->nPicture;
    if ((first || it->strCaption != look.strCaption) && !pictureOnly)
        button->SetButtonText(look.strCaption);
    if ((first || it->strTooltip != look.strTooltip) && !look.strTooltip.isEmpty())
        button->SetToolTipText(look.strTooltip);
    if (first || it->bEnabled != look.bEnabled)
        button->Enable(look.bEnabled);
    if (first || it->bOn != look.bOn) {
        if (auto* round = qobject_cast<COXRoundedButton*>(button))
            round->SetSphereColour(look.bOn ? s.m_colColButtonFaceSel : s.m_colColButtonFace, false);
        button->SetTextColour(look.bOn ? s.m_colColButtonTextSel : s.m_colColButtonText);
        button->update();
    }
    m_applied[nId] = look;
}

void CDisplayView::ApplyLooks()
{
    const CPanelModel& m = m_panel->Model();
    for (auto it = m.Buttons().constBegin(); it != m.Buttons().constEnd(); ++it)
        ApplyButtonLook(it.key(), it.value());
    for (int i = 0; i < 4; ++i) {
        const CLampLook& look = m.Lamp(i);
        if (m_lamps[i]->text() != look.strCaption)
            m_lamps[i]->setText(look.strCaption);
        m_lamps[i]->SetLit(look.bLit);
        if (m_lamps[i]->isVisibleTo(m_form) != look.bVisible)
            m_lamps[i]->setVisible(look.bVisible);
    }
    for (int i = 0; i < 3; ++i)
        if (m_appliedMeters[i] != m.Meter(i)) {
            m_appliedMeters[i] = m.Meter(i);
            m_meters[i]->SetValue(m.Meter(i));
        }
    ShowClarifierGroup(m.IsClarifierGroupVisible());
}

void CDisplayView::ApplyDisplay(const CPanelUpdate* pUpdate)
{
    const CPanelModel& m = m_panel->Model();
    const CDisplayInputs& d = m.Display();
    for (int bit : {7, 0, 1, 14, 13, 2, 3, 12})
        m_pDisplay->SetIndicator(bit, (d.nIndicators >> bit) & 1);
    m_pDisplay->SetPowerLevel(d.nPowerLevel);
    m_pDisplay->SetToneMode(d.nToneMode);
    m_pDisplay->SetCtcssTone(d.nCtcss);
    m_pDisplay->SetDcsCode(d.nDcs);
    const uint32_t field = m.OtherVfoFrequencyField();
    const uint8_t bytes[4] = {uint8_t(field >> 24), uint8_t(field >> 16), uint8_t(field >> 8), uint8_t(field)};
    m_pVfo->SetOtherVfo(m.OtherVfoIsB(), bytes, m.OtherVfoMode());
    if (!pUpdate || pUpdate->bDisplayRefresh) {
        m_pDisplay->SetFrequency(d.nFrequency);
        if (d.bReceiving)
            m_pDisplay->SetSMeter(d.nSMeter);
        else
            m_pDisplay->SetPowerMeter(d.nPowerMeter);
        // A new band is highlighted before the line moves into it.
        m_pDial->CheckHighlight(m.GetFrequency());
        m_pDial->SetScanState(m.GetFrequency(), m.IsDialScanning());
        if (m_pFineTuning && m_pFineTuning->isVisible())
            m_pFineTuning->SetFrequency(m.GetFrequency());
    }
    m_pDisplay->SetBlink(d.bBlink);
    m_pDisplay->Update();
    m_pDisplay->SetChannelInfo(d.nVfoState, d.nMode, d.nChannel, d.strLabel);
    m_pDisplay->SetAntenna(d.bAntennaRear);
}

void CDisplayView::RenderPanel(const CPanelUpdate& update)
{
    ApplyDisplay(&update);
    {
        CPanelFrameServices& frame = CPanelFrameServices::Get();
        frame.transverterFrequency(update.nTransverterHz);
        if (update.bRefillSteps) {
            COwnComboBox* combo = frame.stepCombo();
            combo->ResetContent();
            for (const auto& step : update.steps)
                combo->AddItem(step.first, step.second);
            combo->SetCurSel(combo->count() > 0 ? 0 : -1);
            combo->SelectByData(update.nSelectStep);
        }
    }
    ApplyLooks();
}

void CDisplayView::RenderState()
{
    ApplyDisplay(nullptr);
    ApplyLooks();
}

void CDisplayView::ShowRadioState()
{
    // Whatever the controls were made to show (the stress test draws random
    // values into them), each takes the radio's state of the last poll again.
    for (uint8_t& applied : m_appliedMeters)
        applied = 0xFF;
    m_applied.clear();
    if (m_panel->LastPollFailed()) {
        BlankPanel();
        return;
    }
    RenderState();
}

void CDisplayView::BlankPanel()
{
    m_pDisplay->Clear();
    ApplyLooks();
}

void CDisplayView::FrequencyShown()
{
    const CPanelModel& m = m_panel->Model();
    m_pDisplay->SetFrequency(m.Display().nFrequency);
    m_pDisplay->Update();
    m_pDial->CheckHighlight(m.GetFrequency());
    m_pDial->SetFrequency(m.GetFrequency());
}

bool CDisplayView::RunCommsErrorDialog()
{
    CCommsErrorDialog dialog(this, m_pLink);
    return dialog.DoModal() == platform::IDOK;
}

void CDisplayView::AddChartSample(uint8_t nValue)
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* frame = qobject_cast<CDisplayFrame*>(w)) {
            frame->AddChartSample(nValue);
            return;
        }
}

uint32_t CDisplayView::GetStepListValue()
{
    return CPanelFrameServices::Get().stepCombo()->GetSelectedData();
}

void CDisplayView::TuningDialKey(int nVirtualKey)
{
    m_pDial->HandleKey(nVirtualKey);
}

void CDisplayView::BeginWaitCursor()
{
    if (m_nWaitDepth++ == 0)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CDisplayView::EndWaitCursor()
{
    if (m_nWaitDepth > 0 && --m_nWaitDepth == 0)
        QApplication::restoreOverrideCursor();
}

void CDisplayView::FrequencyNotTaken(uint32_t nSentHz, uint32_t nReadHz)
{
    // The display stays on the old frequency; without a word the operator
    // would take the radio as tuned.
    if (CMainFrame* frame = GetMainFrame())
        frame->statusBar()->showMessage(CRadioPanel::NotTakenText(nSentHz, nReadHz));
}

void CDisplayView::TuningSizeChanged(int)
{
    ApplyLooks();
}

// ---------------------------------------------------------------- commands

void CDisplayView::OnCommand(int nId)
{
    HandleCommand(nId);
}

void CDisplayView::RunCommand(int nId)
{
    // The panel's buttons and context menu also offer the main window's
    // commands (navigator groups, the Bands window).
    if (!HandleCommand(nId))
        if (CMainFrame* frame = GetMainFrame())
            frame->OnCommand(unsigned(nId));
}

bool CDisplayView::HandleCommand(int nId)
{
    int action = 0, slot = 0;
    if (QuickSaveCommand(nId, action, slot)) {
        if (CRadioApp* app = GetRadioApp()) {
            if (action == 1)
                app->GetQuickSave(slot).Store();
            else
                app->GetQuickSave(slot).Recall();
        }
        return true;
    }
    switch (nId) {
    case PanelId::NextMemory: case PanelId::PreviousMemory: case PanelId::StepUp: case PanelId::StepDown:
    case PanelId::StepListUp: case PanelId::StepListDown:
        return true;  // they act through their posted message
    case PanelId::BandUp: m_pDial->ScrollUp(); return true;
    case PanelId::BandDown: m_pDial->ScrollDown(); return true;
    case PanelId::Bands: return false;  // the "Bands" window belongs to the organisers
    case kEraseQuickSave:
        if (CRadioApp* app = GetRadioApp())
            for (int i = 0; i < CRadioApp::kQuickSaveSlots; ++i)
                app->GetQuickSave(i).Save(0, 0);
        return true;
    case 32858:
        CPanelFrameServices::Get().enterFrequency(-1, -1);
        return true;
    case 32812:
        m_history.Undo(*this);
        return true;
    case 32813:
        m_history.Redo(*this);
        return true;
    case 32922: ToggleFineTuning(); return true;
    case CDisplayFrame::kCommandHistory:
        for (QWidget* w = parentWidget(); w; w = w->parentWidget())
            if (auto* frame = qobject_cast<CDisplayFrame*>(w)) {
                frame->OnSMeterHistory();
                return true;
            }
        return false;
    case 32894: case 32895: case 32896: case 32897:
        return true;  // tone-mode marks only: no action
    default: break;
    }
    const CFormControl* control = CPanelForm::Find(nId);
    const bool panelCommand = control || (nId >= 33064 && nId <= 33068);
    if (!panelCommand)
        return false;
    m_panel->OnCommand(nId);
    if (nId == PanelId::MtoA || nId == PanelId::MtoB || (nId >= PanelId::Step1MHz && nId <= PanelId::Step10Hz))
        ApplyLooks();
    return true;
}

void CDisplayView::OnUpdateCommand(CCmdUI& cmdUI) const
{
    const int id = int(cmdUI.m_nID);
    int action = 0, slot = 0;
    if (QuickSaveCommand(id, action, slot)) {
        if (action == 2)
            cmdUI.Enable(GetRadioApp() && GetRadioApp()->GetQuickSave(slot).IsSet());
        return;
    }
    switch (id) {
    case kEraseQuickSave: {
        bool any = false;
        if (CRadioApp* app = GetRadioApp())
            for (int i = 0; i < CRadioApp::kQuickSaveSlots; ++i)
                any = any || app->GetQuickSave(i).IsSet();
        cmdUI.Enable(any);
        return;
    }
    case 32812: cmdUI.Enable(m_history.CanUndo()); return;
    case 32813: cmdUI.Enable(m_history.CanRedo()); return;
    case 32922: case 32894: case 32895: case 32896: case 32897: case 33066: case 33067: case 33068:
        cmdUI.SetCheck(IsCommandChecked(id) ? 1 : 0);
        return;
    case CDisplayFrame::kCommandHistory:
        for (QWidget* w = parentWidget(); w; w = w->parentWidget())
            if (auto* frame = qobject_cast<CDisplayFrame*>(w)) {
                cmdUI.SetCheck(frame->IsChartShowing() ? 1 : 0);
                return;
            }
        return;
    default: return;
    }
}

bool CDisplayView::IsCommandChecked(int nId) const
{
    switch (nId) {
    case 32922: return m_pFineTuning && m_pFineTuning->isVisible();
    case 32894: return m_panel->Model().GetToneMode() == 0;
    case 32895: return m_panel->Model().GetToneMode() == 3;
    case 32896: return m_panel->Model().GetToneMode() == 1;
    case 32897: return m_panel->Model().GetToneMode() == 2;
    case 33066: return GetSettings().m_bWhiteStickAuto;
    case 33067: return GetSettings().m_bWhiteStickFull;
    case 33068: return GetSettings().m_bWhiteStickOOB;
    default: return false;
    }
}

void CDisplayView::ToggleFineTuning()
{
    if (!m_pFineTuning) {
        m_pFineTuning = new CFineTuningDialog(this, m_buttonFont, GetFrequency(), m_nSize);
        m_pFineTuning->show();
        return;
    }
    if (m_pFineTuning->isVisible()) {
        m_pFineTuning->hide();
    } else {
        m_pFineTuning->SetFrequency(GetFrequency());
        m_pFineTuning->showNormal();
        m_pFineTuning->raise();
    }
}

void CDisplayView::SetTuningRange(int nRange)
{
    m_nTuningRange = nRange;
    CBandPlan plan;
    plan.BuildStandard(nRange);
    m_pDial->SetBandPlan(plan);
    m_pDial->SetTitle(plan.GetTitle());
    m_pDial->Rebuild();
    GetRegistry().WriteInt(QStringLiteral("Tuning Range"), nRange);
    emit tuningRangeChanged();
}

void CDisplayView::SetTuningRangeToBand(int nSet)
{
    CBandPlan plan;
    if (!bandSetSource() || !bandSetSource()(nSet, plan))
        return;
    m_pDial->SetBandPlan(plan);
    m_pDial->SetTitle(plan.GetTitle());
    m_pDial->Rebuild();
    GetRegistry().WriteInt(QStringLiteral("Tuning Range"), int(uint32_t(nSet) | 0x80000000u));
    m_nTuningRange = nSet + 4;
    emit tuningRangeChanged();
}

void CDisplayView::RefreshMarkers()
{
    m_pDial->Rebuild();
}

void CDisplayView::RestoreTuningRange()
{
    const int value = GetRegistry().GetInt(QStringLiteral("Tuning Range"), 1);
    if (value >= 0 && value <= 3)
        SetTuningRange(value);
    else if (value < 0)
        SetTuningRangeToBand(value & 0x7FFFFFFF);
}

// ---------------------------------------------------------------- colours and layout

void CDisplayView::OnRedrawNew()
{
    const CSettings& s = GetSettings();
    m_pDisplay->SetBackgroundColour(s.m_colFreqBackground);
    m_pDisplay->SetForegroundColour(s.m_colFreqForeground);
    m_pDisplay->SetBarColour(s.m_colSMeterBar);
    m_pDisplay->Build();
    m_pDial->SetBackgroundColour(s.m_colTuningDialBackground);
    m_pDial->SetForegroundColour(s.m_colTuningDialForeground);
    m_pDial->SetSliderColour(s.m_colTuningDialSliderColour);
    m_pDial->Rebuild();
    for (int id : CPanelForm::ButtonIds()) {
        auto* button = Button(id);
        if (!button)
            continue;
        // A button still in the old normal colours takes the new ones; a
        // highlighted one the new selected colours.
        const bool normal = button->GetSphereColour() == m_colButtonFace && button->GetTextColour() == m_colButtonText;
        button->SetSphereColour(normal ? s.m_colColButtonFace : s.m_colColButtonFaceSel, false);
        button->SetTextColour(normal ? s.m_colColButtonText : s.m_colColButtonTextSel);
        button->SetBackgroundColour(s.m_colDspBackground, false);
        button->update();
    }
    m_applied.clear();
    ApplyLooks();
    m_colButtonFace = s.m_colColButtonFace;
    m_colButtonText = s.m_colColButtonText;
    for (CMeterStatic* meter : m_meters) {
        meter->SetBackgroundColour(s.m_colTxBarMeterBackground);
        meter->SetBarColour(s.m_colTxBarMeterForeground);
    }
    ApplyFaceplateColours();
    if (m_pFineTuning)
        m_pFineTuning->UpdateColours();
    m_form->update();
}

void CDisplayView::resizeEvent(QResizeEvent* event)
{
    CView::resizeEvent(event);
    if (m_bInitialised)
        m_layoutTimer.start(kLayoutTimerMs);
}

void CDisplayView::OnLayoutTimer()
{
    if (!m_bShown) {
        m_bShown = true;
        m_form->show();
    }
    Relayout();
}

int CDisplayView::IconBand() const
{
    const QMdiSubWindow* frame = nullptr;
    for (QWidget* w = parentWidget(); w && !frame; w = w->parentWidget())
        frame = qobject_cast<QMdiSubWindow*>(w);
    const QMdiArea* area = frame ? frame->mdiArea() : nullptr;
    if (!area)
        return 0;
    const QWidget* viewport = m_pScroll->viewport();
    const QRect rect(viewport->mapTo(area->viewport(), QPoint(0, 0)), viewport->size());
    return CMdiIconWatcher::IconBand(area, rect, frame);
}

void CDisplayView::Relayout()
{
    m_layoutTimer.stop();
    QSize client = m_pScroll->viewport()->size();
    // The icons of minimised windows (the I/O log, the logbook) lie along
    // the area's bottom edge: the controls stay clear of them.
    client.setHeight(std::max(0, client.height() - IconBand()));
    const QSize extra = CFormLayout::ExtraSpace(client, m_layout.FormSize());
    m_form->resize(QSize(std::max(client.width(), m_layout.FormSize().width()),
                         std::max(client.height(), m_layout.FormSize().height())));
    for (const auto& placed : m_layout.Relayout(extra))
        if (QWidget* w = m_controls.value(placed.first))
            w->setGeometry(placed.second);
    m_pDisplay->Build();
    m_pDial->Rebuild();
    m_form->update();
}

// ---------------------------------------------------------------- messages, keys, mouse

bool CDisplayView::event(QEvent* event)
{
    const uint32_t type = uint32_t(event->type());
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgFreqDigit)) {
        m_panel->OnFreqDigit(int(intptr_t(m->wParam())), int(m->lParam()));
        return true;
    }
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgFreqButton)) {
        m_panel->OnFreqButton(int(m->lParam()));
        return true;
    }
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgKeystroke)) {
        const int key = int(m->wParam());
        m_panel->OnKeystroke(key & 0x7FFFFFFF, key & 0x80000000, false, true);
        return true;
    }
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgDrawBands)) {
        const intptr_t flags = m->lParam();
        if (auto* up = Button(PanelId::BandUp)) {
            up->Enable(!(flags & 1));
            up->LoadBitmapResource(flags & 1 ? 171 : 165, false, 0xFFFFFF);
        }
        if (auto* down = Button(PanelId::BandDown)) {
            down->Enable(!(flags & 2));
            down->LoadBitmapResource(flags & 2 ? 168 : 166, false, 0xFFFFFF);
        }
        return true;
    }
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgFavourite)) {
        // The entry belongs to the favourites collection: not deleted here.
        PushUndo(GetFrequency(), GetMode());
        if (GetSettings().m_bTuningDialSwitchVFO && (IsMemoryMode() || IsMemoryTune())) {
            BeginWaitCursor();
            m_pLink->LeaveMemoryMode();
            EndWaitCursor();
        }
        if (favouriteApplier())
            favouriteApplier()(m->lParam());
        m->SetResult(0);
        return true;
    }
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgData)) {
        m_panel->OnRadioData(reinterpret_cast<CRadioStatus*>(m->lParam()));
        return true;
    }
    if (CRegisteredEvent::As(event, RegisteredMessage::nMsgRedrawNew)) {
        OnRedrawNew();
        const int range = GetRegistry().GetInt(QStringLiteral("Tuning Range"), m_nTuningRange);
        if (range >= 0 && range <= 3)
            SetTuningRange(range);
        else if (range < 0)
            SetTuningRangeToBand(range & 0x7FFFFFFF);
        return true;
    }
    (void)type;
    return CView::event(event);
}

bool CDisplayView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int vk = virtualKey(key->key());
        if (vk) {
            QWidget* focus = QApplication::focusWidget();
            const bool inPanel = focus && (focus == m_form || focus->parentWidget() == m_form);
            if (!(event->type() == QEvent::KeyRelease && key->isAutoRepeat()))
                m_panel->OnKeystroke(vk, event->type() == QEvent::KeyRelease,
                                     key->modifiers() & Qt::ShiftModifier, inPanel);
            return true;
        }
    }
    if (watched == m_pScroll->viewport() && event->type() == QEvent::Wheel) {
        OnMouseWheel(static_cast<QWheelEvent*>(event));
        return true;
    }
    return CView::eventFilter(watched, event);
}

void CDisplayView::OnMouseWheel(QWheelEvent* event)
{
    const int hit = m_pDisplay->HitTestDigit(event->globalPosition().toPoint());
    const bool stepList = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    m_panel->OnMouseWheel(event->angleDelta().y(), stepList, hit);
    event->accept();
}

void CDisplayView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    const struct {
        const char* text;
        int id;
    } items[] = {{"&Bands", 32939}, {"&Favourites", 32938}, {"&Memory", 32940}, {nullptr, 0},
                 {"&Enter Frequency", 32858}, {"Fine &Tuning", 32922}};
    for (const auto& item : items) {
        if (!item.text) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromLatin1(item.text));
        const int id = item.id;
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    }
    menu.exec(event->globalPos());
}

// ---------------------------------------------------------------- history and read-out

void CDisplayView::PushUndo(uint32_t nHz, uint8_t nMode)
{
    m_history.PushUndo(int(nHz), nMode);
    m_history.ClearRedo();
}

bool CDisplayView::IsShowingTxMeter() const
{
    return m_pDisplay->IsShowingTxMeter();
}

int CDisplayView::GetTxMeter() const
{
    return m_pDisplay->GetTxMeter();
}

void CDisplayView::SpeakFrequency(bool bWithMode)
{
    CSpeechText text;
    text.AddFrequency(GetFrequency());
    if (bWithMode) {
        text.AddPause();
        text.AddMode(GetMode());
    }
    text.Speak(true);
}

void CDisplayView::SpeakMode()
{
    CSpeechText text;
    text.AddMode(GetMode());
    text.Speak(true);
}

void CDisplayView::SpeakText(const QString& strText)
{
    CSpeechText text;
    text.Add(strText);
    text.Speak(true);
}

void CDisplayView::OutOfBandWarning(bool bInBand)
{
    const CSettings& s = GetSettings();
    const QString name = bInBand ? s.m_strWhiteStickInBand : s.m_strWhiteStickOutOfBand;
    if (!PlaySoundFile(name))
        QApplication::beep();
}
