// The channel form: structure, life cycle, timers, pane layout, remembered
// values, registered messages and the receive path's window side.
#include "brevio/core/FormRx.h"

#include "brevio/core/Components.h"
#include "brevio/core/DspCalls.h"
#include "brevio/core/EmoticonReplacer.h"
#include "brevio/core/FontDescription.h"
#include "brevio/core/MacroKeys.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RadioToolBar.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/RxTextWindow.h"
#include "brevio/core/SquelchBar.h"
#include "brevio/core/TxTextWindow.h"
#include "brevio/core/VectorScope.h"
#include "platform/KeyboardKeys.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/StringEx.h"
#include "shared/buttons/ButtonStyles.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/ColourStatic.h"

#include <QApplication>
#include <QDockWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace {
constexpr int kBorder = 10;  // the splitter keeps this far from the client edges

struct ButtonRow {
    int id;
    int x, y, w, h;
    int bitmap;
    const char* tip;
};
const ButtonRow kButtons[] = {
    {CFormRx::IDC_START, 3, 38, 16, 16, 212, "Start transmitting (F1)"},
    {CFormRx::IDC_START_AUTOSTOP, 3, 54, 16, 16, 213, "Start transmitting, stop when all text sent (F2)"},
    {CFormRx::IDC_STOP, 3, 70, 16, 16, 737, "Stop transmitting (F4)"},
    {CFormRx::IDC_MARK_UNSENT, 3, 88, 16, 16, 215, "Mark all text as 'unsent'"},
    {CFormRx::IDC_ERASE_TX, 3, 104, 16, 16, 214, "Erase TX window"},
    {CFormRx::IDC_TX_PANE, 0, 46, 18, 18, 378, ""},
};

QTextCharFormat BuildFormat(const QString& strFont, COLORREF colour, bool bTransmitted)
{
    const CFontDescription font(strFont);
    QTextCharFormat f;
    if (!font.GetFace().isEmpty())
        f.setFontFamilies({font.GetFace()});
    if (font.GetSize() > 0)
        f.setFontPointSize(font.GetSize());
    f.setForeground(toQColor(colour));
    f.setFontWeight(font.IsBold() ? QFont::Bold : QFont::Normal);
    f.setFontItalic(font.IsItalic());
    if (bTransmitted) {
        f.setFontUnderline(false);
        f.setFontStrikeOut(false);
    }
    return f;
}
} // namespace

CFormRx::CFormRx(QWidget* parent)
    : CResizableFormView(IDD, QSize(DluX(102), DluY(122)), parent), m_path(nullptr, this)
{
    resize(GetDesignSize());
    setProperty("controlId", IDD);
    setMouseTracking(true);
    auto place = [](QWidget* w, int id, int x, int y, int cx, int cy) {
        w->setProperty("controlId", id);
        w->setGeometry(DluRect(x, y, cx, cy));
    };
    // Created in the template's order.
    m_pTxWindow = new CTxTextWindow(this);
    place(m_pTxWindow, IDC_TX, 22, 94, 80, 28);
    m_pSquelch = new CSquelchBar(this);
    place(m_pSquelch, IDC_SQUELCH, 3, 3, 16, 15);
    m_pScope = new CVectorScope(this);
    place(m_pScope, IDC_SCOPE, 3, 20, 16, 16);
    for (const ButtonRow& b : kButtons) {
        auto* button = new COXBitmapButton(this);
        place(button, b.id, b.x, b.y, b.w, b.h);
        button->setFocusPolicy(Qt::NoFocus);
        m_buttons.append(button);
        const int id = b.id;
        connect(button, &QPushButton::clicked, this, [this, id] { OnCommand(id); });
    }
    m_pRxWindow = new CRxTextWindow(this);
    place(m_pRxWindow, IDC_RX, 22, 0, 80, 93);
    m_pSplitter = new CColourStatic(this);
    place(m_pSplitter, IDC_SPLITTER, 22, 93, 80, 1);
    const COLORREF face = COXBitmapButton::ButtonFaceColour();
    m_pSplitter->SetColours(face, face);
    m_pSplitter->setCursor(Qt::SizeVerCursor);

    m_path = CRxTextPath(m_pRxWindow->document(), this);
    m_pRxWindow->SetTxWindow(m_pTxWindow);
    m_pTxWindow->SetStatusSink([this](const QString& text) { SetFrameMessage(text); });
    for (QWidget* w : {static_cast<QWidget*>(m_pRxWindow), m_pRxWindow->viewport(),
                       static_cast<QWidget*>(m_pTxWindow), m_pTxWindow->viewport()})
        w->installEventFilter(this);

    const int ids[] = {100, 101, 102, 103, 104, 105};
    for (int i = 0; i < 6; ++i) {
        const int id = ids[i];
        connect(&m_timers[i], &QTimer::timeout, this, [this, id] { OnTimer(id); });
    }
    m_pTxWindow->hide();
    m_pSplitter->hide();
}

CFormRx::~CFormRx() = default;

COXBitmapButton* CFormRx::GetButton(int nId) const
{
    for (COXBitmapButton* b : m_buttons)
        if (b->property("controlId").toInt() == nId)
            return b;
    return nullptr;
}

CFrameRx* CFormRx::GetFrame() const
{
    return dynamic_cast<CFrameRx*>(parentWidget());
}

QString CFormRx::ControlValueName(int nControlId, int nChannel)
{
    return QString::asprintf("%08X %08X %08X", unsigned(IDD), unsigned(nControlId), unsigned(nChannel));
}

QString CFormRx::MemberValueName(const char* pszMember, int nChannel)
{
    return QString::asprintf("%08X-%s-%08X", unsigned(IDD), pszMember, unsigned(nChannel));
}

void CFormRx::StartTimer(int nId, int nMs)
{
    QTimer& t = m_timers[nId - 100];
    t.start(nMs);
}

void CFormRx::StopTimer(int nId)
{
    m_timers[nId - 100].stop();
}

bool CFormRx::IsTimerActive(int nId) const
{
    return nId >= 100 && nId <= 105 && m_timers[nId - 100].isActive();
}

bool CFormRx::IsMainTransmitting() const
{
    CMainFrame* frame = GetMainFrame();
    return frame && frame->IsTransmitting();
}

int CFormRx::MainTxChannel() const
{
    CMainFrame* frame = GetMainFrame();
    return frame ? frame->GetTxChannel() : -1;
}

bool CFormRx::IsTransmittingOnThis() const
{
    return IsMainTransmitting() && MainTxChannel() == m_nChannel;
}

bool CFormRx::IsTxPaneShown() const
{
    const COXBitmapButton* b = GetButton(IDC_TX_PANE);
    return b && b->IsToggledOn();
}

void CFormRx::OnInitialUpdate()
{
    // Rich edits and splitter take the width change (their heights follow the
    // panes); the squelch bar the height change; the rest moves down.
    static const AnchorRow anchors[] = {
        {IDC_RX, 4, kKeepCurrent, 0, 0},
        {IDC_TX, 4, kKeepCurrent, 0, 0},
        {IDC_SPLITTER, 4, 0, 0, 0},
        {IDC_SQUELCH, 0, 4, 0, 0},
        {IDC_SCOPE, 0, 0, 0, 4},
        {IDC_START, 0, 0, 0, 4},
        {IDC_START_AUTOSTOP, 0, 0, 0, 4},
        {IDC_STOP, 0, 0, 0, 4},
        {IDC_MARK_UNSENT, 0, 0, 0, 4},
        {IDC_ERASE_TX, 0, 0, 0, 4},
        {IDC_TX_PANE, 0, 0, 0, 4},
    };
    const QSize current = size();
    resize(GetDesignSize());
    SetControlAnchors(anchors, int(std::size(anchors)));
    resize(current);
    RepositionControls(true);

    if (CFrameRx* frame = GetFrame())
        frame->SetMinTrackSize(GetDesignSize() + (frame->size() - size()).expandedTo(QSize(0, 0)));
    m_nSplitterGap = DluY(94) - DluY(93);

    for (const ButtonRow& b : kButtons) {
        COXBitmapButton* button = GetButton(b.id);
        button->LoadBitmapResource(b.bitmap, false, RGB(255, 0, 0));
        button->SetToolTipText(QString::fromLatin1(b.tip));
        button->EnableToolTip(*b.tip != 0);
    }
    COXBitmapButton* pane = GetButton(IDC_TX_PANE);
    pane->SetExtendedStyle(BBS_TOGGLE);
    pane->hide();

    m_pRxWindow->SetTxWindow(m_pTxWindow);
    OnToggleTxPane();
    OnOptions(true);
    StartTimer(100, 250);
    SetClockError(0);
    SetIMD(0, 0);
    m_bInitialised = true;
    if (m_nChannel != -1)
        RestoreChannelValues();
}

void CFormRx::SetChannel(int nChannel)
{
    m_nChannel = nChannel;
    const CRegistry reg;
    m_bRxScroll = reg.GetInt(MemberValueName("CFormRx::m_bRxScroll", nChannel), m_bRxScroll ? 1 : 0) != 0;
    m_lAFC = reg.GetInt(MemberValueName("CFormRx::m_lAFC", nChannel), m_lAFC);
    m_nResizeRx = reg.GetInt(MemberValueName("m_nResizeRx", nChannel), m_nResizeRx);
    m_nResizeTx = reg.GetInt(MemberValueName("m_nResizeTx", nChannel), m_nResizeTx);
    fnSetAFCLimit(m_lAFC, nChannel);
    if (reg.GetInt(ControlValueName(IDC_TX_PANE, nChannel), 0) != 0) {
        GetButton(IDC_TX_PANE)->SetToggleState(BBST_ON);
        OnToggleTxPane();
    }
    if (CFrameRx* frame = GetFrame())
        frame->SetChannel(nChannel);
    ApplyRxMode(nChannel);
    fnSetSquelchThreshold(m_pSquelch->GetSquelch(), CurrentSettings().m_nRxSquelch, nChannel);
}

void CFormRx::SaveChannelValues()
{
    if (m_nChannel < 0)
        return;
    const CRegistry reg;
    reg.WriteInt(ControlValueName(IDC_SQUELCH, m_nChannel), m_pSquelch->GetSquelch());
    reg.WriteInt(ControlValueName(IDC_FREQUENCY, m_nChannel), fnGetRXFrequency(m_nChannel));
    reg.WriteInt(ControlValueName(IDC_TX_PANE, m_nChannel), IsTxPaneShown() ? 1 : 0);
    reg.WriteInt(MemberValueName("m_nResizeRx", m_nChannel), m_nResizeRx);
    reg.WriteInt(MemberValueName("m_nResizeTx", m_nChannel), m_nResizeTx);
}

void CFormRx::RestoreChannelValues()
{
    if (m_nChannel < 0)
        return;
    const CRegistry reg;
    m_pSquelch->SetSquelch(reg.GetInt(ControlValueName(IDC_SQUELCH, m_nChannel), 50));
    fnSetRXFrequency(reg.GetInt(ControlValueName(IDC_FREQUENCY, m_nChannel), fnGetRXFrequency(m_nChannel)), 0,
                     m_nChannel);
}

void CFormRx::RememberFrequency(int nHz)
{
    if (m_nChannel >= 0)
        CRegistry().WriteInt(ControlValueName(IDC_FREQUENCY, m_nChannel), nHz);
}

void CFormRx::ClearReadings()
{
    m_nClockError = 0;
    m_nImd = 0;
    m_nImdFlag = 0;
}

void CFormRx::SetIMD(int nReading, int nFlag)
{
    m_nImd = nReading;
    m_nImdFlag = nFlag;
    StartTimer(102, std::max(1, CurrentSettings().m_nDecayIMD) * 1000);
}

void CFormRx::SetClockError(int nReading)
{
    m_nClockError = nReading;
    StartTimer(103, std::max(1, CurrentSettings().m_nDecayClock) * 1000);
}

QString CFormRx::RealFrequencyText(int nAudio)
{
    CMainFrame* frame = GetMainFrame();
    const CRadioToolBar* radio = frame ? frame->GetRadioBar() : nullptr;
    if (!radio || radio->GetFrequency() <= 0 || radio->GetFrequencyText().isEmpty() ||
        !CurrentSettings().m_bDisplayRealFrequency)
        return QString();
    const int64_t hz = int64_t(radio->GetFrequency()) + nAudio;
    if (hz < 10000)
        return QString::number(hz);
    CStringEx text;
    text.FormatThousands(uint32_t(hz), '.', QString());
    return text;
}

QString CFormRx::BuildTitle() const
{
    auto frequencyText = [](int nAudio) {
        const QString real = RealFrequencyText(nAudio);
        return real.isEmpty() ? QStringLiteral("%1Hz").arg(nAudio) : real;
    };
    if (!IsMainTransmitting())
        return QStringLiteral("Ch %1: %2").arg(m_nChannel + 1).arg(frequencyText(fnGetRXFrequency(m_nChannel)));
    if (MainTxChannel() == m_nChannel)
        return QStringLiteral("Ch %1: %2 [Tx%3]")
            .arg(m_nChannel + 1)
            .arg(frequencyText(m_nTxFrequency), m_bTxLocked ? QStringLiteral(" Locked") : QString());
    return QStringLiteral("Ch %1: -").arg(m_nChannel + 1);
}

void CFormRx::OnTimer(int nId)
{
    switch (nId) {
    case 100: {
        // The buttons follow the transmitter even while the window settles.
        if (m_nChannel != -1 && isVisible())
            UpdateButtons();
        if (m_nChannel == -1 || m_bSettling)
            return;
        const bool visible = isVisible();
        if (visible != m_bVisible) {
            m_bVisible = visible;
            if (!visible)
                SaveChannelValues();
            fnEnableRXChannel(m_nChannel, visible ? 1 : 0);
            if (visible)
                RestoreChannelValues();
        }
        if (!visible)
            return;
        m_pSquelch->SetLevel(IsMainTransmitting() ? 0 : fnGetSignalLevel(m_nChannel));
        const QString title = BuildTitle();
        QWidget* frame = parentWidget();
        if (frame && frame->windowTitle() != title) {
            frame->setWindowTitle(title);
            emit TitleChanged(title);
        }
        m_pScope->SetVectors(m_nChannel, IsTransmittingOnThis());
        break;
    }
    case 102:
        StopTimer(102);
        m_nImd = 0;
        m_nImdFlag = 0;
        break;
    case 103:
        StopTimer(103);
        m_nClockError = 0;
        break;
    case 104:
        m_path.OnQueueTimer();
        break;
    case 105:
        StopTimer(105);
        m_bSettling = false;
        break;
    default:
        break;
    }
}

void CFormRx::resizeEvent(QResizeEvent* event)
{
    CResizableFormView::resizeEvent(event);
    LayoutPanes();
}

void CFormRx::Settle()
{
    m_bSettling = true;
    StartTimer(105, 1000);
}

void CFormRx::LayoutPanes()
{
    Settle();
    if (!m_pRxWindow)
        return;
    const bool lastVisible = IsLastCharVisible();
    RepositionControls(false);
    const int h = height();
    const int left = m_pRxWindow->x();
    const int w = m_pRxWindow->width();
    if (!IsTxPaneShown()) {
        m_pRxWindow->setGeometry(left, 0, w, h);
    } else {
        const int available = h - m_nSplitterGap;
        m_nResizeRx = std::max(1, m_nResizeRx);
        m_nResizeTx = std::max(1, m_nResizeTx);
        const int rx = int(int64_t(available) * m_nResizeRx / (m_nResizeRx + m_nResizeTx));
        const int tx = available - rx;
        m_pRxWindow->setGeometry(left, 0, w, rx);
        m_pSplitter->setGeometry(m_pSplitter->x(), rx, m_pSplitter->width(), m_nSplitterGap);
        m_pTxWindow->setGeometry(m_pTxWindow->x(), rx + m_nSplitterGap, m_pTxWindow->width(), tx);
    }
    if (lastVisible || m_bRxScroll)
        PostRegisteredMessage(this, RegisteredMessage::nMsgShowLastChar, 0, 0);
}

void CFormRx::OnToggleTxPane()
{
    const bool shown = IsTxPaneShown();
    if (CFrameRx* frame = GetFrame())
        frame->ShowStatusBar(shown);
    if (shown) {
        m_pTxWindow->show();
        m_pSplitter->show();
        LayoutPanes();
    } else {
        LayoutPanes();
        m_pTxWindow->hide();
        m_pSplitter->hide();
    }
    update();
}

void CFormRx::ShowTxPane()
{
    if (IsTxPaneShown())
        return;
    GetButton(IDC_TX_PANE)->SetToggleState(BBST_ON);
    OnToggleTxPane();
}

// Splitter drag.
void CFormRx::mousePressEvent(QMouseEvent* event)
{
    const QRect r = m_pSplitter->geometry();
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton && m_pSplitter->isVisible() && p.y() >= r.top() && p.y() <= r.bottom() &&
        p.x() >= r.left()) {
        m_bDragging = true;
        m_nDragY = p.y();
        grabMouse(Qt::SizeVerCursor);
        return;
    }
    CResizableFormView::mousePressEvent(event);
}

void CFormRx::SplitterDrag(int y)
{
    if (y <= kBorder || y >= height() - kBorder)
        return;
    const int dy = y - m_nDragY;
    m_nDragY = y;
    if (dy == 0)
        return;
    QRect rx = m_pRxWindow->geometry();
    rx.setBottom(rx.bottom() + dy);
    QRect tx = m_pTxWindow->geometry();
    tx.setTop(tx.top() + dy);
    if (rx.height() < 1 || tx.height() < 1)
        return;
    m_pRxWindow->setGeometry(rx);
    m_pSplitter->move(m_pSplitter->x(), m_pSplitter->y() + dy);
    m_pTxWindow->setGeometry(tx);
    m_nResizeRx = rx.height();
    m_nResizeTx = tx.height();
    update();
}

void CFormRx::mouseMoveEvent(QMouseEvent* event)
{
    const int y = int(event->position().y());
    if (m_bDragging) {
        SplitterDrag(y);
        return;
    }
    if (m_pSplitter->isVisible() && y > kBorder && y < height() - kBorder)
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
    CResizableFormView::mouseMoveEvent(event);
}

void CFormRx::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_bDragging && event->button() == Qt::LeftButton) {
        m_bDragging = false;
        releaseMouse();
        return;
    }
    CResizableFormView::mouseReleaseEvent(event);
}

bool CFormRx::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(event);
        m_navigationKeys.OnKeyPress(*k);
        if (SelectMacroByKey(*k))
            return true;
        break;
    }
    case QEvent::KeyRelease: {
        auto* k = static_cast<QKeyEvent*>(event);
        m_navigationKeys.OnKeyRelease(*k);
        break;
    }
    case QEvent::FocusOut:
        m_navigationKeys.Forget();
        break;
    case QEvent::MouseMove:
        // Splitter drags go on over the child windows.
        if (m_bDragging) {
            auto* m = static_cast<QMouseEvent*>(event);
            SplitterDrag(mapFromGlobal(m->globalPosition().toPoint()).y());
            return true;
        }
        break;
    default:
        break;
    }
    return CResizableFormView::eventFilter(watched, event);
}

bool CFormRx::SelectMacroByKey(const QKeyEvent& event)
{
    // Ctrl+digit picks a macro of the macros bar (Shift for 10-19).
    const int slot = MacroSlotOfKey(event);
    if (slot < 0)
        return false;
    if (CMainFrame* frame = GetMainFrame())
        if (frame->GetMacrosBar())
            PostRegisteredMessage(frame->GetMacrosBar(), RegisteredMessage::nMsgSelectMacro, 0, slot);
    return true;
}

void CFormRx::keyPressEvent(QKeyEvent* event)
{
    if (SelectMacroByKey(*event))
        return;
    CResizableFormView::keyPressEvent(event);
}

// The receive path's window side.
bool CFormRx::IsTransmittingHere() const
{
    return m_bTxState && MainTxChannel() == m_nChannel;
}

bool CFormRx::CanInsertNow() const
{
    if (m_bSettling || m_bHeldForTest)
        return false;
    // The buttons as they are now, not as this window saw them go down and
    // up: a popup menu takes the release of the button that opened it.
    if (QGuiApplication::mouseButtons() & (Qt::LeftButton | Qt::MiddleButton | Qt::RightButton))
        return false;
    return !m_navigationKeys.IsHeld();
}

void CFormRx::RestartQueueTimer()
{
    StartTimer(104, 500);
}

void CFormRx::StopQueueTimer()
{
    StopTimer(104);
}

bool CFormRx::IsLastCharVisible() const
{
    if (!m_pRxWindow)
        return true;
    const int len = m_pRxWindow->document()->characterCount() - 1;
    if (len <= 0)
        return true;
    QTextCursor c(m_pRxWindow->document());
    c.setPosition(len - 1);
    return m_pRxWindow->cursorRect(c).top() < m_pRxWindow->viewport()->height();
}

void CFormRx::BeforeChange()
{
    const QTextCursor c = m_pRxWindow->textCursor();
    m_nSelStart = c.selectionStart();
    m_nSelEnd = c.selectionEnd();
    m_nOldLength = m_pRxWindow->document()->characterCount() - 1;
    m_bLastVisible = IsLastCharVisible();
}

void CFormRx::AfterAppend()
{
    QScrollBar* bar = m_pRxWindow->verticalScrollBar();
    const int scroll = bar->value();
    QTextCursor c = m_pRxWindow->textCursor();
    const bool leftDown = QGuiApplication::mouseButtons() & Qt::LeftButton;
    bool toEnd = false;
    if (m_nSelStart != m_nSelEnd) {
        c.setPosition(m_nSelStart);
        c.setPosition(m_nSelEnd, QTextCursor::KeepAnchor);
    } else if ((m_nSelStart < m_nOldLength && leftDown) || m_navigationKeys.IsHeld()) {
        c.setPosition(m_nSelStart);
    } else {
        c.movePosition(QTextCursor::End);
        toEnd = true;
    }
    m_pRxWindow->setTextCursor(c);
    // Setting the caret scrolls it into view; the view stays where it was.
    bar->setValue(scroll);
    if (toEnd && (m_bRxScroll || m_bLastVisible))
        ScrollToEnd();
}

void CFormRx::ScrollToEnd()
{
    QScrollBar* bar = m_pRxWindow->verticalScrollBar();
    const int line = m_pRxWindow->fontMetrics().lineSpacing();
    if (line <= 0)
        return;
    QTextCursor end(m_pRxWindow->document());
    end.movePosition(QTextCursor::End);
    for (int i = 0; i < 100; ++i) {
        if (m_pRxWindow->cursorRect(end).bottom() < m_pRxWindow->viewport()->height())
            break;
        const int before = bar->value();
        bar->setValue(before + line);
        if (bar->value() == before)
            break;
    }
}

int CFormRx::ReplaceEmoticon(const QString& strRecent)
{
    return CEmoticonReplacer().Replace(strRecent, m_pRxWindow);
}

void CFormRx::SendLocatorToOrbisk(const QString& strLocator)
{
    if (CMainFrame* frame = GetMainFrame())
        frame->SendLocatorToOrbisk(strLocator);
}

void CFormRx::LogLocator(const QString& strLocator, const QString& strDistance, const QString& strHeading,
                         const QString& strFrequency)
{
    if (CMainFrame* frame = GetMainFrame())
        frame->LogLocator(strLocator, strDistance, strHeading, strFrequency);
}

QString CFormRx::LocatorFrequencyText() const
{
    const int audio = fnGetRXFrequency(m_nChannel);
    CMainFrame* frame = GetMainFrame();
    const CRadioToolBar* radio = frame ? frame->GetRadioBar() : nullptr;
    if (radio && radio->GetFrequency() > 0)
        return QStringLiteral("%1 + %2").arg(radio->GetFrequencyText()).arg(audio);
    return QString::number(audio);
}

void CFormRx::AddChar(int nChar, int nKind)
{
    if (!m_pRxWindow)
        return;
    m_path.AddChar(nChar, nKind);
}

QString CFormRx::TimeTextNow() const
{
    const CPSK31Settings& s = CurrentSettings();
    return CRxTextPath::TimeText(QDateTime::currentDateTimeUtc(), s.m_bDate != 0, s.m_bUTC != 0);
}

void CFormRx::SetTxState(bool bTransmit, bool bForce)
{
    if (!bForce && (bTransmit == m_bTxState || MainTxChannel() != m_nChannel))
        return;
    FlushPending();
    m_bTxState = bTransmit;
    const QString time = TimeTextNow();
    CMainFrame* main = GetMainFrame();
    const bool cwId = bTransmit && main && main->GetTxMode() == 4;
    // The identification goes out alone: the text after a "[stop]" waits
    // for the operator's next start.
    if (!cwId)
        m_pTxWindow->StartStop(bTransmit ? 1 : 0);
    if (CFrameRx* frame = GetFrame())
        frame->SetTxState(bTransmit ? 1 : 0);
    FlushPending();
    const CPSK31Settings& s = CurrentSettings();
    QString separator;
    if (bTransmit) {
        separator = CRxTextPath::SeparatorText(true, time, RealFrequencyText(m_nTxFrequency), cwId,
                                               s.m_strCWString, false);
    } else {
        const bool empty = m_path.Length() == 0;
        // The engine is asked only when the radio-based frequency shows.
        const QString frequency = RealFrequencyText(0).isEmpty() ? QString() : RealFrequencyText(fnGetRXFrequency(m_nChannel));
        separator = CRxTextPath::SeparatorText(false, time, frequency, false, QString(), empty && m_nChannel == 0);
        m_bAutoStop = false;
    }
    FlushPending();
    if (m_path.Length() > 0)
        AddString(separator.left(1), CRxTextPath::Separator);
    m_path.SetParagraphIndent(0);
    AddString(separator.mid(1), CRxTextPath::Separator);
    m_path.SetParagraphIndent(CRxTextPath::kIndentTwips);
}

void CFormRx::OnOptions(bool bForce)
{
    const CPSK31Settings& s = CurrentSettings();
    const CPSK31Settings& p = PreviousSettings();
    const bool rebuild = bForce || s.m_colRxBg != p.m_colRxBg || s.m_colRxRx != p.m_colRxRx ||
                         s.m_colRxTx != p.m_colRxTx || s.m_colRxTi != p.m_colRxTi || s.m_nSentText != p.m_nSentText ||
                         s.m_strFontRxRx != p.m_strFontRxRx || s.m_strFontRxTx != p.m_strFontRxTx ||
                         s.m_strFontRxTi != p.m_strFontRxTi;
    if (rebuild) {
        QPalette pal = m_pRxWindow->palette();
        pal.setColor(QPalette::Base, toQColor(COLORREF(s.m_colRxBg)));
        m_pRxWindow->setPalette(pal);
        const QTextCharFormat rx = BuildFormat(s.m_strFontRxRx, COLORREF(s.m_colRxRx), false);
        const QTextCharFormat tx = BuildFormat(s.m_strFontRxTx, COLORREF(s.m_colRxTx), true);
        const QTextCharFormat ti = BuildFormat(s.m_strFontRxTi, COLORREF(s.m_colRxTi), false);
        m_path.SetFormats(rx, tx, ti);
        m_path.RecolourText();
        m_pRxWindow->viewport()->update();
        QTextCharFormat sent = tx;
        if (s.m_nSentText & 1)
            sent.setFontWeight(QFont::Bold);
        if (s.m_nSentText & 2)
            sent.setFontItalic(true);
        if (s.m_nSentText & 4)
            sent.setFontStrikeOut(true);
        if (s.m_nSentText & 8)
            sent.setFontUnderline(true);
        m_pTxWindow->SetFormats(sent, tx);
        m_pTxWindow->ApplyColours();
    }
    m_pSquelch->SetBackgroundColour(COLORREF(s.m_colSigBackground));
    m_pSquelch->SetActiveColour(COLORREF(s.m_colSigActive));
    m_pSquelch->SetGripperColour(COLORREF(s.m_colSigGripper));
    m_pSquelch->SetSquelchedColour(COLORREF(s.m_colSigSquelch));
    if (s.m_nRxSquelch != p.m_nRxSquelch && m_nChannel >= 0)
        fnSetSquelchThreshold(m_pSquelch->GetSquelch(), s.m_nRxSquelch, m_nChannel);
}

void CFormRx::OnSuperChannel(int nSlot)
{
    ISuperView* super = TheApp().GetSuperView();
    if (!super || m_nChannel < 0)
        return;
    const int frequency = fnGetRXFrequency(super->GetChannelDspId(nSlot));
    fnSetRXFrequency(frequency, 0, m_nChannel);
    fnSetSquelchThreshold(super->GetSquelchThreshold(), CurrentSettings().m_nRxSquelch, m_nChannel);
    RememberFrequency(frequency);
    ClearReadings();
    m_path.DiscardPending();
    m_path.Clear();
    const QString real = RealFrequencyText(frequency);
    const QString header = real.isEmpty()
                               ? QStringLiteral("Super Browser> %1Hz - %2\r").arg(frequency).arg(TimeTextNow())
                               : QStringLiteral("\rSuper Browser> %1 - %2\r").arg(real, TimeTextNow());
    m_path.AddChar(0, CRxTextPath::Indent);
    for (QChar c : header)
        m_path.AddChar(c.unicode() & 0xFF, CRxTextPath::Transmitted);
    m_path.AddChar(CRxTextPath::kIndentTwips, CRxTextPath::Indent);
    for (QChar c : super->GetChannelText(nSlot))
        m_path.AddChar(c.unicode() & 0xFF, CRxTextPath::Received);
}

void CFormRx::OnEraseRx()
{
    if (CurrentSettings().m_bAutosaveEnable)
        AutosaveText();
    m_path.Clear();
    SetTxState(m_bTxState, true);
}

bool CFormRx::event(QEvent* event)
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

bool CFormRx::HandleRegistered(uint32_t nMsg, uintptr_t wParam, intptr_t lParam, intptr_t& result)
{
    using namespace RegisteredMessage;
    result = 0;
    if (nMsg == nMsgCharRdy) {
        OnCharRdy(int(wParam), int(lParam));
    } else if (nMsg == nMsgOptions) {
        OnOptions(lParam != 0);
    } else if (nMsg == nMsgFrequency) {
        if (m_nChannel < 0)
            return true;
        fnSetRXFrequency(int(lParam), 0, m_nChannel);
        RememberFrequency(int(lParam));
        ClearReadings();
    } else if (nMsg == nMsgSquelch) {
        if (m_nChannel < 0)
            return true;
        fnSetSquelchThreshold(int(lParam), CurrentSettings().m_nRxSquelch, m_nChannel);
        CRegistry().WriteInt(ControlValueName(IDC_SQUELCH, m_nChannel), int(lParam));
    } else if (nMsg == nMsgQuery) {
        if (auto* p = reinterpret_cast<int*>(lParam))
            *p = m_nChannel;
    } else if (nMsg == nMsgGetAFC) {
        if (auto* valid = reinterpret_cast<int*>(wParam))
            *valid = 1;
        if (auto* value = reinterpret_cast<int*>(lParam))
            *value = m_lAFC;
    } else if (nMsg == nMsgSetAFC) {
        SetAFC(int(lParam));
    } else if (nMsg == nMsgGetIMD) {
        if (auto* valid = reinterpret_cast<int*>(wParam))
            *valid = 1;
        if (auto* values = reinterpret_cast<int*>(lParam)) {
            values[0] = m_nImd;
            values[1] = m_nImdFlag;
        }
    } else if (nMsg == nMsgGetClockError) {
        if (auto* valid = reinterpret_cast<int*>(wParam))
            *valid = 1;
        if (auto* value = reinterpret_cast<int*>(lParam))
            *value = m_nClockError;
    } else if (nMsg == nMsgShowLastChar) {
        QTextCursor c = m_pRxWindow->textCursor();
        if (!c.hasSelection()) {
            c.movePosition(QTextCursor::End);
            m_pRxWindow->setTextCursor(c);
        }
        ScrollToEnd();
    } else if (nMsg == nMsgCenter) {
        CentreOnFilter();
    } else if (nMsg == nMsgMacro) {
        OnMacro(int(wParam), reinterpret_cast<const CMacro*>(lParam));
    } else if (nMsg == nMsgTag) {
        OnTag(int(lParam));
    } else if (nMsg == nMsgSuperChannel) {
        OnSuperChannel(int(lParam));
    } else {
        return false;
    }
    return true;
}

void CFormRx::SetFrameMessage(const QString& strText)
{
    if (CFrameRx* frame = GetFrame())
        frame->SetStatusText(strText);
}
