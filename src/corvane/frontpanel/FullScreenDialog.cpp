#include "corvane/frontpanel/FullScreenDialog.h"

#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "platform/Prompter.h"
#include "shared/MainWindow.h"
#include "shared/RegisteredEvent.h"
#include "shared/buttons/OXRoundedButton.h"

#include <QFont>
#include <QFontMetrics>
#include <algorithm>

CFullScreenDialog::CFullScreenDialog(QObject* pMainFrame) : CBaseDialog(IDD, nullptr), m_pMainFrame(pMainFrame)
{
    setWindowTitle(QStringLiteral("Full Screen"));
    setWindowFlag(Qt::Tool);
    // Wide enough for the window manager to show the whole title beside the
    // icon and the buttons of the title bar, each about as wide as the bar
    // is high, in a title font that may be bold.
    QFont titleFont = font();
    titleFont.setBold(true);
    const QFontMetrics title(titleFont);
    const int width = std::max(160, title.horizontalAdvance(windowTitle()) + 4 * (title.height() + 8) + 16);
    resize(width, 50);
    m_pButton = new COXRoundedButton(this);
    SetDlgCtrlID(m_pButton, platform::IDOK);
    m_pButton->setGeometry((width - 144) / 2, 8, 144, 34);
    m_pButton->SetButtonText(QStringLiteral("Close Full Screen"));
    connect(m_pButton, &QAbstractButton::clicked, this, &CFullScreenDialog::Close);
    SetNoSizeGrip();
}

CFullScreenDialog::~CFullScreenDialog()
{
    // The window going away ends full screen too.
    if (isVisible())
        NotifyFrame();
}

void CFullScreenDialog::ApplyColours()
{
    const CSettings& s = GetSettings();
    m_pButton->SetBackgroundColour(s.m_colDspBackground);
    m_pButton->SetSphereColour(s.m_colColButtonFace);
    m_pButton->SetTextColour(s.m_colColButtonText);
    m_pButton->SetSphereExternalRadius(6);
    m_pButton->SetSphereInternalRadius(3);
}

bool CFullScreenDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    ApplyColours();
    return true;
}

void CFullScreenDialog::NotifyFrame()
{
    QObject* target = m_pMainFrame ? m_pMainFrame.data() : GetMainWindow();
    if (target)
        PostRegisteredMessage(target, RegisteredMessage::nMsgFullScreen, 0, 0);
}

void CFullScreenDialog::Close()
{
    NotifyFrame();
    hide();
}

bool CFullScreenDialog::event(QEvent* event)
{
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgRedrawNew)) {
        ApplyColours();
        m->SetResult(0);
        return true;
    }
    return CBaseDialog::event(event);
}
