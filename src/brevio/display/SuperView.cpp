#include "brevio/display/SuperView.h"

#include "platform/Prompter.h"
#include "brevio/core/DspCalls.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/FormScroller.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/RxTextWindow.h"
#include "brevio/core/SettingToolbars.h"
#include "brevio/core/SquelchBar.h"
#include "brevio/core/TxTextWindow.h"
#include "brevio/display/AlarmList.h"
#include "brevio/display/AlarmsDlg.h"
#include "brevio/display/BrowserEnvironment.h"
#include "brevio/display/BrowserPopup.h"
#include "brevio/display/BrowserQuick.h"
#include "brevio/display/DisplayCanvas.h"
#include "brevio/display/EditableListCtrl.h"
#include "brevio/display/SuperFrame.h"
#include "brevio/core/MacroStore.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/TextToSpeech.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnListCtrl.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFrame>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>

namespace {

CSuperView::MenuRunner g_menuRunner;

struct ButtonSpec {
    int id;
    int x, y;
    int bitmap;
    COLORREF mask;
    const char* tip;
    bool toggle;
    bool disabledImage;
};

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kButton = 22;
constexpr int kColumnX = 2;
constexpr int kPanelY = 268;

// The template: the left column, then the transmit panel's row of buttons.
const ButtonSpec kButtons[] = {
    {CSuperView::IDC_ALARMS, kColumnX, 206, 394, kBlue, "Enable alarms (requires Text to Speech)", true, false},
    {CSuperView::IDC_DEFINE_ALARMS, kColumnX, 230, 272, kMagenta, "Define alarms", false, false},
    {CSuperView::IDC_RESTART, kColumnX, 254, 714, kBlue, "Restart the SuperBrowser", false, false},
    {CSuperView::IDC_REFRESH, kColumnX, 278, 713, kRed, "Refresh the display", false, false},
    {CSuperView::IDC_OPTIONS, kColumnX, 302, 204, kRed, "SuperBrowser options", false, false},
    {CSuperView::IDC_FULL_SCREEN, kColumnX, 326, 236, kRed, "Toggles Full Screen mode on and off", true, false},
    {CSuperView::IDC_TX_PANEL, kColumnX, 350, 758, kRed, "Show / hide the TX window", true, false},
    {CSuperView::IDC_ERASE_RX, 26, kPanelY, 750, kRed, "Erase RX window", false, true},
    {CSuperView::IDC_LOGBOOK, 50, kPanelY, 237, kRed, "Add to logbook", false, false},
    {CSuperView::IDC_LOCK, 74, kPanelY, 234, kRed, "Lock TX frequency", true, false},
    {CSuperView::IDC_ERASE_TX, 98, kPanelY, 749, kRed, "Erase TX window", false, true},
    {CSuperView::IDC_START, 128, kPanelY, 212, kWhite, "Start transmitting (F1)", false, true},
    {CSuperView::IDC_START_AUTOSTOP, 152, kPanelY, 213, kWhite, "Start transmitting, stop when all text sent (F2)",
     false, true},
    {CSuperView::IDC_STOP, 176, kPanelY, 737, kWhite, "Stop transmitting (Escape)", false, true},
    {CSuperView::IDC_MARK_UNSENT, 206, kPanelY, 215, kWhite, "Mark all text as 'unsent'", false, true},
};

// Commands of the Browser menu and the buttons.
constexpr int kChannelsFirst = 33491;
constexpr int kChannelsLast = 33498;

} // namespace

// ---------------------------------------------------------------- area

CSuperArea::CSuperArea(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CSuperArea::SetBackground(COLORREF colour)
{
    m_colBackground = colour;
    update();
}

void CSuperArea::SetPicture(const QImage* pPicture, int nOffsetX)
{
    m_pPicture = pPicture;
    m_nOffsetX = nOffsetX;
}

void CSuperArea::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), toQColor(m_colBackground));
    if (m_pPicture && !m_pPicture->isNull())
        p.drawImage(m_nOffsetX, 0, *m_pPicture);
}

// ---------------------------------------------------------------- view

void CSuperView::SetMenuRunner(MenuRunner runner)
{
    g_menuRunner = std::move(runner);
}

QAction* CSuperView::RunMenu(QMenu* pMenu, const QPoint& globalPos)
{
    if (g_menuRunner)
        return g_menuRunner(pMenu, globalPos);
    return pMenu->exec(globalPos);
}

CSuperView::CSuperView(QWidget* parent) : CResizableFormView(IDD, QSize(640, 480), parent)
{
    resize(GetDesignSize());
    setProperty("controlId", IDD);
    setMouseTracking(true);
    const CRegistry reg;
    m_engine.SetChannelCount(reg.GetInt(QStringLiteral("CSuperView::m_nChannels"), 20));
    m_engine.SetSquelchThreshold(reg.GetInt(QStringLiteral("CSuperView::m_lSquelchThreshold"), 50));
    m_nHeightRx = reg.GetInt(QStringLiteral("CSuperView::m_nHeightRx"), -1);
    m_nWidthMacros = reg.GetInt(QStringLiteral("CSuperView::m_nWidthMacros"), -1);
    m_nWidthTags = reg.GetInt(QStringLiteral("CSuperView::m_nWidthTags"), -1);
    Alarms().SetEnabled(reg.GetBool(QStringLiteral("Alarms().Enabled()"), true) ? 1 : 0);

    auto place = [](QWidget* w, int id, const QRect& r) {
        w->setProperty("controlId", id);
        w->setGeometry(r);
    };
    m_pArea = new CSuperArea(this);
    place(m_pArea, IDC_AREA, QRect(26, 2, 610, 258));
    m_pSquelch = new CSquelchBar(this);
    m_pSquelch->SetThresholdDisplay(true);
    place(m_pSquelch, IDC_SQUELCH, QRect(2, 2, 22, 200));
    for (const ButtonSpec& b : kButtons) {
        auto* button = new COXBitmapButton(this);
        place(button, b.id, QRect(b.x, b.y, kButton, kButton));
        button->setFocusPolicy(Qt::NoFocus);
        m_buttons.insert(b.id, button);
        const int id = b.id;
        connect(button, &QPushButton::clicked, this, [this, id] { OnCommand(id); });
    }
    m_pSeparator = new QFrame(this);
    m_pSeparator->setFrameShape(QFrame::HLine);
    m_pSeparator->setFrameShadow(QFrame::Sunken);
    place(m_pSeparator, IDC_SEPARATOR, QRect(26, 262, 610, 4));
    m_pRxWindow = new CRxTextWindow(this);
    m_pRxWindow->SetSuperBrowser(true);
    m_pRxWindow->setReadOnly(true);
    place(m_pRxWindow, IDC_RX, QRect(26, 294, 378, 84));
    m_pTxWindow = new CTxTextWindow(this);
    m_pTxWindow->SetSuperBrowser(true);
    place(m_pTxWindow, IDC_TX, QRect(26, 382, 378, 96));
    m_pRxWindow->SetTxWindow(m_pTxWindow);
    m_pMacros = new COwnListCtrl(this);
    place(m_pMacros, IDC_MACROS, QRect(408, 294, 110, 184));
    m_pTags = new CEditableListCtrl(QString(), this);
    place(m_pTags, IDC_TAGS, QRect(522, 294, 114, 184));
    m_pTags->SetNotifyWindow(this);
    WatchTagEdits();

    m_pMacros->setHeaderHidden(true);
    m_pMacros->SetColumns({{QStringLiteral("Macro"), LVCFMT_LEFT}});
    m_pMacros->EnableInfoTips();
    m_pMacros->setMouseTracking(true);
    // One click sends a macro, as a double click does.
    connect(m_pMacros, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (const CMacro* macro = Macros().GetAt(int(m_pMacros->GetItemData(m_pMacros->indexOfTopLevelItem(item)))))
            ApplyMacro(*macro);
    });
    m_pTags->SetColumns({{QStringLiteral("Tag"), LVCFMT_LEFT}, {QStringLiteral("Value"), LVCFMT_LEFT}});
    m_pTags->EnableGridLines();
    for (QWidget* w : {static_cast<QWidget*>(m_pMacros), m_pMacros->viewport(), static_cast<QWidget*>(m_pTags),
                       m_pTags->viewport(), static_cast<QWidget*>(m_pRxWindow), m_pRxWindow->viewport(),
                       static_cast<QWidget*>(m_pTxWindow), m_pTxWindow->viewport()})
        w->installEventFilter(this);

    for (int id : {100, 101, 102, 103, 104, 105}) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, id] { OnTimer(id); });
        m_timers.insert(id, timer);
    }
    StartTimer(100, 1000, false);
    StartTimer(103, 250, false);
}

CSuperView::~CSuperView()
{
    const CRegistry reg;
    reg.WriteInt(QStringLiteral("CSuperView::m_nChannels"), m_engine.GetChannelCount());
    reg.WriteInt(QStringLiteral("CSuperView::m_lSquelchThreshold"), m_engine.GetSquelchThreshold());
    if (m_pPopup)
        delete m_pPopup;
}

QMdiSubWindow* CSuperView::CreateFrame()
{
    auto* frame = new CSuperFrame;
    frame->setWidget(new CFormScroller(this));
    // The title the initial update gave the view before the frame existed.
    frame->setWindowTitle(TitleText());
    return frame;
}

CSuperFrame* CSuperView::GetFrame() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* frame = qobject_cast<CSuperFrame*>(w))
            return frame;
    return nullptr;
}

IDisplayCanvas* CSuperView::GetCanvas()
{
    return m_pCanvas;
}

QString CSuperView::GetChannelText(int nSlot) const
{
    return nSlot >= 0 && nSlot < CSuperBrowserEngine::kSlots ? m_engine.Channel(nSlot).GetRawText() : QString();
}

void CSuperView::SetStatusText(const QString& strText)
{
    if (CSuperFrame* frame = GetFrame())
        frame->SetStatusText(strText);
}

void CSuperView::StartTimer(int nId, int nMs, bool bSingleShot)
{
    QTimer* t = m_timers.value(nId);
    t->setSingleShot(bSingleShot);
    t->start(nMs);
}

void CSuperView::StopTimer(int nId)
{
    m_timers.value(nId)->stop();
}

bool CSuperView::IsTimerActive(int nId) const
{
    const QTimer* t = m_timers.value(nId);
    return t && t->isActive();
}

QPoint CSuperView::AreaOrigin() const
{
    return m_pArea->pos();
}

void CSuperView::OnInitialUpdate()
{
    static const AnchorRow anchors[] = {
        {IDC_AREA, 4, 4, 0, 0},
        {IDC_SQUELCH, 0, 4, 0, 0},
        {IDC_ALARMS, 0, 0, 0, 4},
        {IDC_DEFINE_ALARMS, 0, 0, 0, 4},
        {IDC_RESTART, 0, 0, 0, 4},
        {IDC_REFRESH, 0, 0, 0, 4},
        {IDC_OPTIONS, 0, 0, 0, 4},
        {IDC_FULL_SCREEN, 0, 0, 0, 4},
        {IDC_TX_PANEL, 0, 0, 0, 4},
        {IDC_SEPARATOR, 4, 0, 0, 4},
        {IDC_ERASE_RX, 0, 0, 0, 4},
        {IDC_LOGBOOK, 0, 0, 0, 4},
        {IDC_LOCK, 0, 0, 0, 4},
        {IDC_ERASE_TX, 0, 0, 0, 4},
        {IDC_START, 0, 0, 0, 4},
        {IDC_START_AUTOSTOP, 0, 0, 0, 4},
        {IDC_STOP, 0, 0, 0, 4},
        {IDC_MARK_UNSENT, 0, 0, 0, 4},
        {IDC_RX, 4, 0, 0, 4},
        {IDC_TX, 4, 0, 0, 4},
        {IDC_MACROS, 0, 0, 4, 4},
        {IDC_TAGS, 0, 0, 4, 4},
    };
    const QSize current = size();
    resize(GetDesignSize());
    SetControlAnchors(anchors, int(std::size(anchors)));
    m_nRowGap = m_pTxWindow->geometry().top() - (m_pRxWindow->geometry().bottom() + 1);
    m_nColumnGap = m_pMacros->geometry().left() - (m_pRxWindow->geometry().right() + 1);
    resize(current);

    const CPSK31Settings& s = CurrentSettings();
    m_pArea->SetBackground(COLORREF(s.m_colBrowserBackground));
    for (const ButtonSpec& b : kButtons) {
        COXBitmapButton* button = m_buttons.value(b.id);
        button->LoadBitmapResource(b.bitmap, false, b.mask);
        button->SetLookFlag(b.disabledImage);
        button->SetToolTipText(QString::fromLatin1(b.tip));
        button->EnableToolTip(true);
        if (b.toggle)
            button->SetExtendedStyle(BBS_TOGGLE);
    }
    COXBitmapButton* alarms = m_buttons.value(IDC_ALARMS);
    alarms->SetToggleState(Alarms().Enabled() ? BBST_ON : 0);
    Alarms().SetEnabled(alarms->IsToggledOn() ? 1 : 0);
    m_pSquelch->SetSquelch(m_engine.GetSquelchThreshold());

    m_pCanvas = new CDisplayCanvas;
    m_pCanvas->Create(this, IDC_CANVAS);
    m_pCanvas->SetBrowserMode();
    m_pCanvas->raise();
    PostRegisteredMessage(m_pCanvas, RegisteredMessage::nMsgOptions, 0, 0);
    for (int i = 0; i < CSuperBrowserEngine::kSlots; ++i)
        ApplyRxMode(i + CSuperBrowserEngine::kFirstDspId);
    m_picture.ApplyColours(s);
    ApplyAfc();
    ApplyOptions(true);
    // The panel starts hidden: set, then toggled once.
    m_bTxPanel = true;
    ShowTxPanel();
    UpdateTitle();
    m_bInitialised = true;
    StartTimer(101, 50, true);
}

// ---------------------------------------------------------------- engine

void CSuperView::StartChannels()
{
    m_engine.StartChannels();
}

void CSuperView::StartBrowser()
{
    m_engine.Start();
    StartTimer(102, 3000, true);
}

void CSuperView::StopBrowser()
{
    m_engine.Stop();
}

void CSuperView::RestartBrowser()
{
    m_engine.SetInitialising(true);
    StartTimer(102, 3000, true);
    StartChannels();
    UpdateChannels();
    BlitChannels();
}

void CSuperView::SetChannelCount(int nChannels)
{
    m_engine.SetChannelCount(nChannels);
    UpdateTitle();
    RestartBrowser();
    CRegistry().WriteInt(QStringLiteral("CSuperView::m_nChannels"), m_engine.GetChannelCount());
}

void CSuperView::SetSquelchThreshold(int nThreshold)
{
    m_engine.SetSquelchThreshold(nThreshold);
    CRegistry().WriteInt(QStringLiteral("CSuperView::m_lSquelchThreshold"), nThreshold);
}

void CSuperView::OnChannelChar(int nChar, int nChannel)
{
    const int index = m_engine.OnChannelChar(nChar, nChannel);
    if (index < 0)
        return;
    if (m_bTxPanel && index == m_nSelected)
        AddRxChar(nChar & 0xFF);
    if (m_engine.Channel(index).HasBox())
        RedrawChannel(index);
}

void CSuperView::OnChannelImd(int nSlot, int nReading, int nFlag)
{
    if (nSlot < 0 || nSlot >= CSuperBrowserEngine::kSlots)
        return;
    m_engine.Channel(nSlot).SetImdValue(nReading);
    m_engine.Channel(nSlot).SetImdBound(nFlag);
}

CBrowserGeometry CSuperView::Geometry() const
{
    CBrowserGeometry g;
    g.nPictureWidth = m_picture.Size().width();
    g.nPictureHeight = m_picture.Size().height();
    if (m_pCanvas && m_pCanvas->GetHigh() > m_pCanvas->GetLow()) {
        g.nCanvasMin = m_pCanvas->GetLow();
        g.nCanvasMax = m_pCanvas->GetHigh();
        g.nPlotTop = m_pCanvas->GetPlotStart();
        g.nPlotBottom = m_pCanvas->GetPlotEnd();
    } else {
        g.nCanvasMin = CurrentSettings().m_nDisplayMin;
        g.nCanvasMax = CurrentSettings().m_nDisplayMax;
        g.nPlotTop = 0;
        g.nPlotBottom = g.nPictureHeight - 1;
    }
    g.nFontHeight = m_picture.GetFontHeight();
    return g;
}

void CSuperView::DrawChannel(int nIndex, const RECT& box, bool bTransmit)
{
    const CPSK31Settings& s = CurrentSettings();
    const CSuperChannel& c = m_engine.Channel(nIndex);
    CSuperPicture::BoxContent content;
    content.nDspId = c.GetDspChannel();
    content.bAlarmHit = c.GetAlarmHit() != 0;
    content.bTransmit = bTransmit;
    content.bLabel = content.bAlarmHit || s.m_bBrowserShowChNum || m_bTxPanel;
    content.bVector = s.m_bBrowserShVectorData != 0;
    content.bSignal = s.m_bBrowserShSignalLvl != 0;
    content.strText = c.GetDisplayText();
    CBrowserEnvironment& env = CBrowserEnvironment::Instance();
    if (content.bSignal)
        content.nLevel = env.GetSignalLevel(c.GetDspChannel());
    if (content.bVector)
        env.GetVectorData(content.vectors.data(), c.GetDspChannel());
    m_picture.DrawBox(box, content);
}

void CSuperView::DrawPlacement(const CBrowserPlacement& placement)
{
    for (const auto& tick : placement.ticks)
        m_picture.DrawTick(tick.y, tick.bSome);
    if (placement.bSearching) {
        if (m_nFrame < 0) {
            m_nFrame = 0;
            StartTimer(104, 25, false);
        }
        DrawSearchingFrame(false);
        return;
    }
    if (m_nFrame >= 0) {
        m_nFrame = -1;
        StopTimer(104);
    }
    for (const auto& box : placement.boxes) {
        DrawChannel(box.nIndex, box.rect, box.bTransmit);
        m_picture.DrawConnector(box.yFrequency, box.rect);
    }
}

void CSuperView::DrawSearchingFrame(bool bCopy)
{
    const CPSK31Settings& s = CurrentSettings();
    const QRect frame = m_picture.DrawSearching(m_nFrame, m_engine.IsInitialising(), s.m_bBrowserAnimate != 0,
                                                COLORREF(s.m_colBrowserBackground));
    if (bCopy && s.m_bBrowserAnimate && !frame.isEmpty())
        m_pArea->update(frame.translated(kLeftMargin + kScaleWidth, 0));
}

void CSuperView::UpdateChannels()
{
    if (!m_picture.Exists())
        return;
    m_picture.Fill(COLORREF(CurrentSettings().m_colBrowserBackground));
    m_engine.SetTxPanel(m_bTxPanel, m_nSelected);
    DrawPlacement(m_engine.Update(Geometry()));
}

void CSuperView::BlitChannels()
{
    m_pArea->update();
}

void CSuperView::RedrawChannel(int nIndex)
{
    const CSuperChannel& c = m_engine.Channel(nIndex);
    const RECT box = c.GetBox();
    DrawChannel(nIndex, box, m_bTxPanel && nIndex == m_nSelected);
    m_pArea->update(QRect(box.left + kLeftMargin + kScaleWidth, box.top, box.right - box.left, box.bottom - box.top));
}

void CSuperView::CreateChannelBitmap()
{
    m_picture.Create(m_pArea->width() - kLeftMargin - kScaleWidth, m_pArea->height());
    m_pArea->SetPicture(&m_picture.Image(), kLeftMargin + kScaleWidth);
    update();
}

// ---------------------------------------------------------------- options

void CSuperView::ApplyColours()
{
    const CPSK31Settings& s = CurrentSettings();
    m_pSquelch->SetBackgroundColour(COLORREF(s.m_colSigBackground));
    m_pSquelch->SetActiveColour(COLORREF(s.m_colSigActive));
    m_pSquelch->SetGripperColour(COLORREF(s.m_colSigGripper));
    m_pSquelch->SetSquelchedColour(COLORREF(s.m_colSigSquelch));
    m_picture.ApplyColours(s);
}

void CSuperView::ApplyOptions(bool bForce)
{
    const CPSK31Settings& s = CurrentSettings();
    const CPSK31Settings& p = PreviousSettings();
    if (s.m_nDisplayMin != p.m_nDisplayMin || s.m_nDisplayMax != p.m_nDisplayMax)
        m_engine.ClearAllBoxes();
    ApplyColours();
    m_pArea->SetBackground(COLORREF(s.m_colBrowserBackground));
    if (m_pCanvas)
        SendRegisteredMessage(m_pCanvas, RegisteredMessage::nMsgOptions, 0, 0);
    ApplyTextFormats(bForce);
}

QString CSuperView::TitleText() const
{
    const COXBitmapButton* alarms = m_buttons.value(IDC_ALARMS);
    return QString::asprintf("%s, %d Channels, Alarms %s", "Super Browser", m_engine.GetChannelCount(),
                             alarms && alarms->IsToggledOn() ? "On" : "Off");
}

void CSuperView::UpdateTitle()
{
    const QString title = TitleText();
    setWindowTitle(title);
    if (CSuperFrame* frame = GetFrame())
        frame->setWindowTitle(title);
}

// ---------------------------------------------------------------- AFC

void CSuperView::ApplyAfc()
{
    // The browser's own channels follow its limit; the channel windows keep theirs.
    for (int id = CSuperBrowserEngine::kFirstDspId; id < CSuperBrowserEngine::kFirstDspId + CSuperBrowserEngine::kSlots;
         ++id)
        CBrowserEnvironment::Instance().SetAfcLimit(m_nAfc, id);
}

void CSuperView::SetAfc(int nLimit)
{
    m_nAfc = nLimit;
    ApplyAfc();
}

// ---------------------------------------------------------------- timers

void CSuperView::OnTimer101()
{
    if (CSuperFrame* frame = GetFrame())
        frame->ShowStatusBar(m_bTxPanel);
    update();
    const QPoint origin = AreaOrigin();
    if (m_pCanvas) {
        m_pCanvas->setGeometry(origin.x() + kLeftMargin, origin.y(), kScaleWidth, std::max(100, m_pArea->height()));
        m_pCanvas->raise();
    }
    if (m_picture.Exists())
        m_engine.ClearAllBoxes();
    CreateChannelBitmap();
}

void CSuperView::OnTimer(int nId)
{
    switch (nId) {
    case 100: {
        if (!m_engine.IsRunning())
            return;
        const CMainFrame* frame = GetMainFrame();
        m_engine.SetTxPanel(m_bTxPanel, m_nSelected);
        if (!m_picture.Exists()) {
            m_engine.Tick(Geometry(), frame && frame->IsTransmitting());
            return;
        }
        m_picture.Fill(COLORREF(CurrentSettings().m_colBrowserBackground));
        DrawPlacement(m_engine.Tick(Geometry(), frame && frame->IsTransmitting()));
        BlitChannels();
        break;
    }
    case 101:
        OnTimer101();
        break;
    case 102:
        m_engine.SetInitialising(false);
        break;
    case 103:
        UpdatePanelButtons();
        break;
    case 104:
        if (m_nFrame < 0)
            return;
        m_nFrame = (m_nFrame + 1) % CSuperPicture::kFrames;
        DrawSearchingFrame(true);
        break;
    case 105:
        StoreTagValues();
        break;
    default:
        break;
    }
}

void CSuperView::resizeEvent(QResizeEvent* event)
{
    CResizableFormView::resizeEvent(event);
    RepositionControls(false);
    if (m_bTxPanel)
        LayoutLowerPanel(false);
    else
        StretchArea();
    if (m_bInitialised)
        StartTimer(101, 50, true);
}

// ---------------------------------------------------------------- messages

bool CSuperView::event(QEvent* event)
{
    if (uint32_t(event->type()) >= 0xC000 && uint32_t(event->type()) <= 0xFFFF) {
        if (auto* e = dynamic_cast<CRegisteredEvent*>(event)) {
            intptr_t result = 0;
            if (HandleRegistered(e->message(), e->wParam(), e->lParam(), result)) {
                e->SetResult(result);
                return true;
            }
        }
    }
    return CResizableFormView::event(event);
}

bool CSuperView::HandleRegistered(uint32_t nMsg, uintptr_t wParam, intptr_t lParam, intptr_t& result)
{
    using namespace RegisteredMessage;
    result = 0;
    if (nMsg == nMsgOptions) {
        ApplyOptions(lParam != 0);
    } else if (nMsg == nMsgSquelch) {
        SetSquelchThreshold(int(lParam));
    } else if (nMsg == nMsgSetAFC) {
        m_nCustomAfc = int(lParam);
        SetAfc(int(lParam));
    } else if (nMsg == nMsgGetAFC) {
        if (auto* valid = reinterpret_cast<int*>(wParam))
            *valid = 1;
        if (auto* value = reinterpret_cast<int*>(lParam))
            *value = m_nAfc;
    } else if (nMsg == nMsgFrequency) {
        RetuneSelected(int(lParam));
    } else if (nMsg == nMsgCharRdy) {
        result = 0;
    } else if (nMsg == nMsgMacro) {
        OnMacro(int(wParam), reinterpret_cast<CMacro*>(lParam));
    } else if (nMsg == nMsgSelectMacro) {
        const int item = int(lParam);
        if (item >= 0 && item < m_pMacros->GetItemCount())
            OnMacro(MacroSend, Macros().GetAt(int(m_pMacros->GetItemData(item))));
    } else if (nMsg == nMsgReloadMacros) {
        FillMacroList();
    } else if (nMsg == nMsgReloadTags) {
        FillTagList();
    } else if (nMsg == nMsgNewValue) {
        StartTimer(105, 250, true);
    } else {
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- commands

void CSuperView::OnAlarmsButton()
{
    UpdateTitle();
    if (!Alarms().Enabled())
        TheApp().Speech().ShowError(this);
    Alarms().SetEnabled(m_buttons.value(IDC_ALARMS)->IsToggledOn() ? 1 : 0);
    CRegistry().WriteBool(QStringLiteral("Alarms().Enabled()"), Alarms().Enabled());
}

void CSuperView::OnDefineAlarms()
{
    CAlarmsDlg dialog(this);
    dialog.DoModal();
}

bool CSuperView::OnCommand(int nCommand)
{
    CMainFrame* frame = GetMainFrame();
    if (nCommand >= kChannelsFirst && nCommand <= kChannelsLast) {
        SetChannelCount(5 * (nCommand - kChannelsFirst + 1));
        return true;
    }
    switch (nCommand) {
    case 33499:
    case IDC_RESTART:
        RestartBrowser();
        return true;
    case 33500:
    case IDC_REFRESH:
        m_engine.ClearAllBoxes();
        if (frame)
            frame->RewindInput();
        UpdateChannels();
        BlitChannels();
        return true;
    case 33501:
    case IDC_OPTIONS:
        if (frame)
            frame->ShowOptionsPage(13);
        return true;
    case 33535:
    case 141:
    case IDC_DEFINE_ALARMS:
        OnDefineAlarms();
        return true;
    case 142:
    case 143:
        if (!Alarms().Enabled())
            TheApp().Speech().ShowError(this);
        Alarms().SetEnabled(Alarms().Enabled() ? 0 : 1);
        Alarms().SaveDefault();
        return true;
    case 33536: {
        COXBitmapButton* alarms = m_buttons.value(IDC_ALARMS);
        alarms->SetToggleState(alarms->IsToggledOn() ? 0 : BBST_ON);
        OnAlarmsButton();
        return true;
    }
    case IDC_ALARMS:
        OnAlarmsButton();
        return true;
    case 33539:
    case 33540:
    case 33541:
        CurrentSettings().m_nBrowserTextRepeats = nCommand - 33539 + 1;
        CurrentSettings().Save();
        return true;
    case 33467:
        SetAfc(0);
        return true;
    case 33468:
        SetAfc(3000);
        return true;
    case 33469:
        SetAfc(m_nCustomAfc);
        if (frame)
            if (auto* bar = dynamic_cast<CAfcBar*>(frame->GetToolBar(CAfcBar::kBarId)))
                bar->SetAfcLimit(m_nCustomAfc);
        return true;
    case 33470:
        return true;
    case IDC_FULL_SCREEN:
        if (frame)
            PostRegisteredMessage(frame, RegisteredMessage::nMsgFullScreen, 0, 1);
        return true;
    case 33502:
    case 33503:
    case 33504:
    case 33505:
        ActivateChannelWindow(nCommand - 33502);
        return true;
    case 33518:
        OnAdvancedSelection();
        return true;
    case 33530:
        // Never enabled in the program; the window is there for the day it is.
        if (!m_pPopup) {
            m_pPopup = new CBrowserPopup(this);
            m_pPopup->OnInitDialog();
        }
        m_pPopup->setVisible(!m_pPopup->isVisible());
        return true;
    // The transmit panel.
    case IDC_TX_PANEL:
        ShowTxPanel();
        return true;
    case IDC_START:
    case 32801:
        StartTx();
        return true;
    case IDC_START_AUTOSTOP:
    case 32799:
        ToggleAutostop();
        return true;
    case IDC_STOP:
    case 32819:
        StopTx();
        return true;
    case IDC_LOCK:
        ToggleTxLock();
        return true;
    case IDC_ERASE_TX:
        m_pTxWindow->Clear();
        return true;
    case IDC_MARK_UNSENT:
    case 33351:
        m_pTxWindow->MarkAllUnsent();
        return true;
    case IDC_ERASE_RX:
        m_pRxWindow->clear();
        if (m_nSelected >= 0)
            m_engine.Channel(m_nSelected).ClearText();
        return true;
    case 32797:
        return true;
    case IDC_LOGBOOK:
        AddToLogbook();
        return true;
    case 33558:
        EditMacro();
        return true;
    default:
        return false;
    }
}

bool CSuperView::UpdateCommand(int nCommand, bool& bEnabled, bool& bChecked)
{
    bEnabled = true;
    bChecked = false;
    const CMainFrame* frame = GetMainFrame();
    const int afc = m_nAfc;
    if (nCommand >= kChannelsFirst && nCommand <= kChannelsLast) {
        bChecked = m_engine.GetChannelCount() == 5 * (nCommand - kChannelsFirst + 1);
        return true;
    }
    switch (nCommand) {
    case 33499:
    case 33500:
    case 33501:
    case 33535:
    case 141:
    case 142:
    case 143:
    case 33518:
    case 33502:
    case 33503:
    case 33504:
    case 33505:
        return true;
    case 33536:
        bChecked = Alarms().Enabled() != 0;
        return true;
    case 33539:
    case 33540:
    case 33541:
        bChecked = CurrentSettings().m_nBrowserTextRepeats == nCommand - 33539 + 1;
        return true;
    case 33467:
        bChecked = afc == 0;
        return true;
    case 33468:
        bChecked = afc == 3000;
        return true;
    case 33469:
        bChecked = afc != 0 && afc != 3000;
        if (bChecked && frame)
            if (auto* bar = dynamic_cast<CAfcBar*>(frame->GetToolBar(CAfcBar::kBarId)))
                bar->SetAfcLimit(afc);
        return true;
    case 33470:
        bEnabled = afc != 0 && afc != 3000;
        return true;
    case 33530:
        bEnabled = false;
        return true;
    case 32801:
        bEnabled = m_bTxPanel;
        return true;
    case 32799:
        bEnabled = m_bTxPanel;
        bChecked = m_bTxPanel && m_bAutoStop;
        return true;
    case 32819:
        bEnabled = IsOwnTransmission();
        return true;
    case 33351:
        bEnabled = m_bTxPanel && m_pTxWindow->GetSentCount() > 0;
        return true;
    case 32797:
        bEnabled = !m_pTxWindow->toPlainText().isEmpty();
        return true;
    case 33558:
        bEnabled = m_pMacros->HasSingleSelection() && PskComponents().editMacro != nullptr;
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------- mouse and menus

int CSuperView::ChannelAt(const QPoint& point)
{
    const QPoint origin = AreaOrigin();
    for (int i = 0; i < m_engine.GetChannelCount(); ++i) {
        CSuperChannel& c = m_engine.Channel(i);
        c.SetCurrentFrequency(CBrowserEnvironment::Instance().GetRxFrequency(c.GetDspChannel()));
        if (!c.HasBox())
            continue;
        const RECT b = c.GetBox();
        const QRect r(origin.x() + kLeftMargin + kScaleWidth + b.left, origin.y() + b.top, b.right - b.left,
                      b.bottom - b.top);
        if (r.contains(point))
            return i;
    }
    return -1;
}

void CSuperView::ShowContextMenu(const QPoint& globalPos)
{
    m_nClicked = -1;
    const int hit = ChannelAt(mapFromGlobal(globalPos));
    if (hit >= 0) {
        m_nClicked = hit;
        QMenu menu(this);
        menu.addAction(QStringLiteral("Advanced..."))->setData(33518);
        menu.addSeparator();
        for (int n = 0; n < 4; ++n) {
            QAction* a = menu.addAction(QStringLiteral("Channel %1").arg(n + 1));
            a->setData(33502 + n);
            a->setStatusTip(QStringLiteral("Activate channel %1").arg(n + 1));
        }
        if (QAction* chosen = RunMenu(&menu, globalPos))
            OnCommand(chosen->data().toInt());
        return;
    }
    CMainFrame* frame = GetMainFrame();
    if (!frame)
        return;
    for (QAction* a : frame->menuBar()->actions()) {
        if (!a->menu() || a->text().remove(QLatin1Char('&')).toLower() != QLatin1String("browser"))
            continue;
        QAction* chosen = RunMenu(a->menu(), globalPos);
        // A menu run by hand (tests) reports its choice without triggering it.
        if (chosen && g_menuRunner)
            chosen->trigger();
        return;
    }
}

void CSuperView::contextMenuEvent(QContextMenuEvent* event)
{
    ShowContextMenu(event->globalPos());
}

void CSuperView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int hit = ChannelAt(event->position().toPoint());
    if (hit >= 0) {
        m_nClicked = hit;
        OnAdvancedSelection();
    } else if (CMainFrame* frame = GetMainFrame()) {
        frame->ShowOptionsPage(13);
    }
}

void CSuperView::ActivateChannelWindow(int n)
{
    QMdiSubWindow* window = TheApp().GetChannelFrame(n);
    if (window && window->isVisible()) {
        if (window->isMinimized())
            TheApp().ActivateView(n, 9);
        else if (window->mdiArea())
            window->mdiArea()->setActiveSubWindow(window);
    } else if (window) {
        TheApp().ToggleView(window);
    }
    if (CMainFrame* frame = GetMainFrame())
        if (CFormRx* form = frame->GetChannelWindow(n))
            SendRegisteredMessage(form, RegisteredMessage::nMsgSuperChannel, uintptr_t(-1), m_nClicked);
}

void CSuperView::OnAdvancedSelection()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CBrowserQuick dialog(this);
    QApplication::restoreOverrideCursor();
    if (dialog.DoModal() != platform::IDOK)
        return;
    const int c = dialog.GetChosenChannel();
    if (c < 1 || c > 4)
        return;
    CMainFrame* frame = GetMainFrame();
    CFormRx* form = frame ? frame->GetChannelWindow(c - 1) : nullptr;
    if (dialog.m_bErase && form) {
        SendRegisteredMessage(form, RegisteredMessage::nMsgMacro, RegisteredMessage::MacroEraseRx, 0);
        SendRegisteredMessage(form, RegisteredMessage::nMsgMacro, RegisteredMessage::MacroEraseTx, 0);
    }
    ActivateChannelWindow(c - 1);
    if (dialog.m_bMacro && !dialog.m_strMacro.isEmpty()) {
        if (CMacro* macro = Macros().FindByTitle(dialog.m_strMacro)) {
            macro->SetFlags(macro->GetFlags() & ~CMacro::kAlwaysPrompt);
            macro->SetLeaveHisInfoEmpty(dialog.m_bHisInfo);
            if (form)
                SendRegisteredMessage(form, RegisteredMessage::nMsgMacro, RegisteredMessage::MacroSend,
                                      reinterpret_cast<intptr_t>(macro));
        }
    }
}
