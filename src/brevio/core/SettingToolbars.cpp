#include "brevio/core/SettingToolbars.h"

#include "brevio/core/ToolbarPictures.h"
#include "shared/artwork/ToolbarIcons.h"

#include "brevio/core/FontDescription.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnSpinButtonCtrl.h"

#include <QAction>
#include <QDateTime>
#include <QDockWidget>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
constexpr int kControlWidth = 70;

QString CentreValueName() { return QStringLiteral("Center Frequency"); }
} // namespace

CCentreFrequencyStatic::CCentreFrequencyStatic(QWidget* parent) : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setFocusPolicy(Qt::TabFocus);
}

void CCentreFrequencyStatic::SetText(const QString& strText)
{
    setText(strText);
    if (!m_bActive)
        return;
    const int value = RegistryAtol(strText.toLatin1());
    CPSK31Settings& s = CurrentSettings();
    if (m_bCentreFrequency) {
        CRegistry().WriteInt(CentreValueName(), value);
    } else if (m_bDisplayMin) {
        s.m_nDisplayMin = value;
        SaveAndBroadcastSettings();
    } else if (m_bDisplayMax) {
        s.m_nDisplayMax = value;
        SaveAndBroadcastSettings();
    } else if (m_bAFC) {
        CMainFrame* frame = GetMainFrame();
        QMdiSubWindow* active = frame && frame->GetMdiArea() ? frame->GetMdiArea()->activeSubWindow() : nullptr;
        if (active)
            for (QObject* child : active->children())
                if (child->isWidgetType())
                    SendRegisteredMessage(child, RegisteredMessage::nMsgSetAFC, 0, value);
    } else if (m_bFFTMode) {
        s.m_nFFTMode = value;
        SaveAndBroadcastSettings();
    }
}

CNumberBar::CNumberBar(const QString& strTitle, int nBarId, QWidget* parent) : QToolBar(strTitle, parent)
{
    setObjectName(QStringLiteral("Bar%1").arg(nBarId));
    setProperty("controlId", nBarId);
    setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    connect(&m_update, &QTimer::timeout, this, [this] { OnUpdateCmdUI(); });
    m_update.start(250);
}

QAction* CNumberBar::AddButton(int nCommand, const QString& strPrompt, const QString& strTip)
{
    QAction* a = addAction(strTip);
    a->setIcon(artwork::toolbarIcon(ToolbarPictureName(nCommand)));
    a->setData(nCommand);
    a->setStatusTip(strPrompt);
    a->setToolTip(strTip);
    connect(a, &QAction::triggered, this, [nCommand] {
        if (CMainFrame* frame = GetMainFrame())
            frame->OnCommand(nCommand);
    });
    m_buttons.append(a);
    return a;
}

QAction* CNumberBar::ButtonAt(int nIndex) const
{
    return m_buttons.value(nIndex);
}

void CNumberBar::AddValueControl(int nStaticId, int nSpinId, int nLow, int nHigh, int nScale, int nFirst,
                                 int CCentreFrequencyStatic::*pTarget)
{
    auto* holder = new QWidget(this);
    holder->setFixedWidth(kControlWidth);
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(5, 1, 5, 1);
    layout->setSpacing(0);
    auto* value = new CCentreFrequencyStatic(holder);
    value->setProperty("controlId", nStaticId);
    auto* spin = new COwnSpinButtonCtrl(holder);
    spin->setProperty("controlId", nSpinId);
    spin->setFixedWidth(16);
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    value->setFont(font);
    layout->addWidget(value, 1);
    layout->addWidget(spin);
    addWidget(holder);
    spin->SetBuddy(value);
    spin->SetRange(nLow, nHigh);
    spin->SetScale(nScale);
    spin->SetPos(nFirst);
    spin->UpdateBuddy(-1, false);  // not yet active: nothing is written
    value->*pTarget = 1;
    value->m_bActive = 1;
    m_statics.append(value);
    m_spins.append(spin);
}

void CNumberBar::StepSpin(int n, bool bUp)
{
    if (COwnSpinButtonCtrl* spin = GetSpin(n))
        if (spin->isEnabled())
            spin->Step(bUp);
}

void CNumberBar::SetControlsEnabled(bool bEnabled)
{
    for (CCentreFrequencyStatic* s : m_statics)
        s->setEnabled(bEnabled);
    for (COwnSpinButtonCtrl* s : m_spins)
        s->setEnabled(bEnabled);
}

bool CNumberBar::event(QEvent* event)
{
    if (auto* e = CRegisteredEvent::As(event, RegisteredMessage::nMsgOptions)) {
        e->SetResult(OnOptions());
        return true;
    }
    return QToolBar::event(event);
}

void CNumberBar::OnUpdateCmdUI()
{
    CMainFrame* frame = GetMainFrame();
    if (!frame)
        return;
    for (QAction* a : m_buttons) {
        const int id = a->data().toInt();
        a->setEnabled(frame->IsCommandEnabled(id));
        const bool checked = frame->IsCommandChecked(id);
        a->setCheckable(checked || a->isCheckable());
        a->setChecked(checked);
    }
}

// AFC limit of the active channel.
CAfcBar::CAfcBar(QWidget* parent) : CNumberBar(QStringLiteral("AFC"), kBarId, parent) {}

bool CAfcBar::CreateControls()
{
    AddButton(33467, QStringLiteral("AFC off"), QStringLiteral("AFC off"));
    AddButton(33468, QStringLiteral("AFC fast, usually for tracking doppler"), QStringLiteral("AFC fast"));
    AddButton(33469, QStringLiteral("Custom AFC limit (+/-) in Hertz"), QStringLiteral("Custom AFC limit"));
    AddValueControl(1450, 1479, 1, 100, 10, 1, &CCentreFrequencyStatic::m_bAFC);
    GetStatic()->setToolTip(QStringLiteral("AFC Value"));
    return true;
}

void CAfcBar::SetAfcLimit(int nLimit)
{
    COwnSpinButtonCtrl* spin = GetSpin();
    CCentreFrequencyStatic* value = GetStatic();
    if (!spin || !value)
        return;
    const int position = nLimit / 10;
    if (position < 1 || position > 100 || RegistryAtol(value->text().toLatin1()) == nLimit)
        return;
    // The channel's limit is shown as it is stored (25 stays 25) and is not
    // written back: showing a value must not change it.
    value->m_bActive = 0;
    spin->SetPos(position);
    value->SetText(QString::number(nLimit));
    value->m_bActive = 1;
}

int CAfcBar::GetAfcLimit() const
{
    const CCentreFrequencyStatic* value = GetStatic();
    return value ? RegistryAtol(value->text().toLatin1()) : 0;
}

void CAfcBar::UpdateState(bool bButtonEnabled, bool bButtonChecked)
{
    const int state = bButtonEnabled && bButtonChecked ? 1 : 0;
    if (state == m_nEnabledState)
        return;
    m_nEnabledState = state;
    SetControlsEnabled(state != 0);
}

void CAfcBar::OnUpdateCmdUI()
{
    CNumberBar::OnUpdateCmdUI();
    if (QAction* custom = ButtonAt(2))
        UpdateState(custom->isEnabled(), custom->isChecked());
}

// Displayed passband.
CPassbandBar::CPassbandBar(QWidget* parent) : CNumberBar(QStringLiteral("Waterfall Display"), kBarId, parent) {}

bool CPassbandBar::CreateControls()
{
    const CPSK31Settings& s = CurrentSettings();
    AddButton(33329, QStringLiteral("Waterfall display"), QStringLiteral("Waterfall"));
    AddButton(33330, QStringLiteral("Spectrum display"), QStringLiteral("Spectrum"));
    AddButton(33331, QStringLiteral("Input display"), QStringLiteral("Input"));
    addSeparator();
    AddButton(33512, QStringLiteral("Palette editor"), QStringLiteral("Palette editor"));
    AddValueControl(1512, 1513, 1, 38, 100, s.m_nDisplayMin / 100, &CCentreFrequencyStatic::m_bDisplayMin);
    GetStatic(0)->setToolTip(QStringLiteral("Minimum frequency"));
    AddValueControl(1509, 1511, 1, 38, 100, s.m_nDisplayMax / 100, &CCentreFrequencyStatic::m_bDisplayMax);
    GetStatic(1)->setToolTip(QStringLiteral("Maximum frequency"));
    addSeparator();
    AddButton(33551, QStringLiteral("Waterfall options"), QStringLiteral("Waterfall options"));
    return true;
}

void CPassbandBar::SetEnabled(bool bEnabled)
{
    m_bEnabled = bEnabled;
    SetControlsEnabled(bEnabled);
    SaveAndBroadcastSettings();
}

intptr_t CPassbandBar::OnOptions()
{
    const CPSK31Settings& s = CurrentSettings();
    CCentreFrequencyStatic* min = GetStatic(0);
    CCentreFrequencyStatic* max = GetStatic(1);
    if (!min || !max)
        return 0;
    min->m_bActive = 0;
    max->m_bActive = 0;
    GetSpin(1)->SetPos(s.m_nDisplayMax / 100);
    GetSpin(0)->SetPos(s.m_nDisplayMin / 100);
    GetSpin(1)->UpdateBuddy(-1, false);
    GetSpin(0)->UpdateBuddy(-1, false);
    min->m_bActive = 1;
    max->m_bActive = 1;
    return 0;
}

// Centre frequency of the radio's filter.
CCentreFrequencyBar::CCentreFrequencyBar(QWidget* parent) : CNumberBar(QStringLiteral("Center"), kBarId, parent) {}

bool CCentreFrequencyBar::CreateControls()
{
    const CPSK31Settings& s = CurrentSettings();
    AddButton(33561, QStringLiteral("Centre current channel on filter"), QStringLiteral("Centre on filter"));
    AddButton(33562, QStringLiteral("Undo the last filter centre operation"), QStringLiteral("Undo centre"));
    const int centre = CRegistry().GetInt(CentreValueName(), (s.m_nDisplayMax + s.m_nDisplayMin) / 2);
    AddValueControl(145, 117, 10, 380, 10, centre / 10, &CCentreFrequencyStatic::m_bCentreFrequency);
    GetStatic()->setToolTip(QStringLiteral("Centre frequency"));
    return true;
}

int CCentreFrequencyBar::GetValue() const
{
    const CCentreFrequencyStatic* value = GetStatic();
    return value ? RegistryAtol(value->text().toLatin1()) : 0;
}

void CCentreFrequencyBar::UpdateState(bool bDisplayBarVisible)
{
    const int state = bDisplayBarVisible ? 1 : 0;
    if (state == m_nEnabledState)
        return;
    m_nEnabledState = state;
    SetControlsEnabled(state != 0);
}

void CCentreFrequencyBar::OnUpdateCmdUI()
{
    CNumberBar::OnUpdateCmdUI();
    CMainFrame* frame = GetMainFrame();
    UpdateState(frame && frame->GetDisplayBar() && frame->GetDisplayBar()->isVisible());
}

// Clipping percentage of the waterfall data.
CClippingBar::CClippingBar(QWidget* parent) : CNumberBar(QStringLiteral("Waterfall Data Mode"), kBarId, parent) {}

bool CClippingBar::CreateControls()
{
    AddButton(33473, QStringLiteral("4th root of linear FFT power"), QStringLiteral("4th root"));
    AddButton(33474, QStringLiteral("10log() of FFT power"), QStringLiteral("10log()"));
    AddButton(33475, QStringLiteral("10log() of FFT power with clipping"), QStringLiteral("10log() with clipping"));
    AddValueControl(1450, 1479, 10, 90, 1, 10, &CCentreFrequencyStatic::m_bFFTMode);
    GetStatic()->setToolTip(QStringLiteral("Clipping percentage"));
    AddButton(33554, QStringLiteral("Waterfall data options"), QStringLiteral("Waterfall data options"));
    return true;
}

intptr_t CClippingBar::OnOptions()
{
    const int mode = CurrentSettings().m_nFFTMode;
    if (mode > 9 && mode <= 90 && GetStatic()) {
        GetStatic()->m_bActive = 0;
        GetSpin()->SetPos(mode);
        GetSpin()->UpdateBuddy(-1, false);
        GetStatic()->m_bActive = 1;
    }
    return 0;
}

void CClippingBar::UpdateState(bool bButtonEnabled, bool bButtonChecked)
{
    const int state = bButtonEnabled && bButtonChecked ? 1 : 0;
    if (state == m_nEnabledState)
        return;
    m_nEnabledState = state;
    SetControlsEnabled(state != 0);
}

void CClippingBar::OnUpdateCmdUI()
{
    CNumberBar::OnUpdateCmdUI();
    if (QAction* clipping = ButtonAt(2))
        UpdateState(clipping->isEnabled(), clipping->isChecked());
}

// Date and time.
CClockBar::CClockBar(QWidget* parent) : QToolBar(QStringLiteral("Date/Time"), parent)
{
    connect(&m_timer, &QTimer::timeout, this, &CClockBar::OnTimer);
}

bool CClockBar::Create(QWidget* pParent, int nId)
{
    if (pParent && parentWidget() != pParent)
        setParent(pParent);
    setObjectName(QStringLiteral("Bar%1").arg(nId));
    setProperty("controlId", nId);
    m_pClock = new CColourStatic(this);
    m_pClock->setProperty("controlId", 111);
    m_pClock->setAlignment(Qt::AlignCenter);
    m_pClock->setFixedSize(240, 27);
    addWidget(m_pClock);
    // The largest bold Arial that holds the longest text with room to spare.
    const QString sample = QStringLiteral(" 99-Dec-2002 99:99:99 UTC ");
    const QRect room = QRect(QPoint(0, 0), m_pClock->size()).adjusted(4, 2, -4, -2);
    for (int points = 14; points >= 6; --points) {
        QFont font(QStringLiteral("Arial"), points, QFont::Bold);
        const QFontMetrics fm(font);
        if (fm.horizontalAdvance(sample) < room.width() && fm.height() < room.height()) {
            m_pClock->setFont(font);
            break;
        }
    }
    m_pClock->SetColours(RGB(0, 0, 0), RGB(0, 255, 0));
    m_timer.start(100);
    return true;
}

QString CClockBar::ClockText(const QDateTime& utc, bool bDate, bool bUTC)
{
    const QDateTime t = bUTC ? utc.toUTC() : utc.toLocalTime();
    const QLocale c = QLocale::c();
    if (bDate)
        return bUTC ? c.toString(t, QStringLiteral("d MMM yyyy HH:mm:ss 'UTC'"))
                    : c.toString(t, QStringLiteral("d MMM yyyy HH:mm:ss AP"));
    return bUTC ? c.toString(t, QStringLiteral("HH:mm:ss 'UTC'")) : c.toString(t, QStringLiteral("HH:mm:ss AP"));
}

void CClockBar::OnTimer()
{
    if (!m_pClock)
        return;
    const CPSK31Settings& s = CurrentSettings();
    const QString text = ClockText(QDateTime::currentDateTimeUtc(), s.m_bDate != 0, s.m_bUTC != 0);
    if (m_pClock->text() != text) {
        m_pClock->setText(text);
        m_pClock->update();
    }
}
