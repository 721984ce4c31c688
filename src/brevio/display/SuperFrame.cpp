#include "brevio/display/SuperFrame.h"

#include "brevio/core/FormScroller.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/TxTextWindow.h"
#include "brevio/display/SuperView.h"
#include "shared/RegisteredEvent.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QBoxLayout>
#include <QEvent>
#include <QLayout>
#include <QStatusBar>

CSuperFrame::CSuperFrame(QWidget* parent) : QMdiSubWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(QStringLiteral("Super Browser"));
    m_pStatusBar = new QStatusBar(this);
    m_pStatusBar->setProperty("controlId", 0xE80A);
    m_pStatusBar->setSizeGripEnabled(false);
    const char* const sizing[] = {"", "IMD: < -99dB", "TX Lock: 9999 Hz", "Send: Immediate", "Autostop",
                                  "To send: 9999"};
    for (int i = 0; i < 6; ++i) {
        auto* pane = new QLabel(m_pStatusBar);
        pane->setProperty("controlId", kPaneIds[i]);
        if (i == 0) {
            m_pStatusBar->addWidget(pane, 1);
        } else {
            pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QString::fromLatin1(sizing[i])) + 8);
            m_pStatusBar->addPermanentWidget(pane);
        }
        m_panes.append(pane);
    }
    if (layout())
        layout()->addWidget(m_pStatusBar);
    m_pStatusBar->hide();
    connect(&m_timer, &QTimer::timeout, this, &CSuperFrame::UpdatePanes);
    m_timer.start(500);
}

CSuperFrame::~CSuperFrame() = default;

bool CSuperFrame::event(QEvent* event)
{
    // The view (in its scroller) joins the frame's layout after the status
    // bar, which would then sit above it, half-way down a maximised frame:
    // keep the bar last and give the view all the height the bar leaves.
    // Only a change is made: every change asks for the next layout, and an
    // unconditional one would keep the program busy while the frame shows.
    if (event->type() == QEvent::LayoutRequest) {
        if (auto* box = qobject_cast<QBoxLayout*>(layout())) {
            if (box->indexOf(m_pStatusBar) >= 0 && box->indexOf(m_pStatusBar) != box->count() - 1) {
                box->removeWidget(m_pStatusBar);
                box->addWidget(m_pStatusBar);
            }
            if (const int view = widget() ? box->indexOf(widget()) : -1; view >= 0 && box->stretch(view) != 1)
                box->setStretchFactor(widget(), 1);
        }
    }
    return QMdiSubWindow::event(event);
}

CSuperView* CSuperFrame::View() const
{
    if (auto* scroller = qobject_cast<CFormScroller*>(widget()))
        return qobject_cast<CSuperView*>(scroller->View());
    return qobject_cast<CSuperView*>(widget());
}

void CSuperFrame::SetStatusText(const QString& strText)
{
    m_panes[0]->setText(strText);
}

QString CSuperFrame::GetStatusText() const
{
    return m_panes[0]->text();
}

void CSuperFrame::ShowStatusBar(bool bShow)
{
    m_pStatusBar->setVisible(bShow);
}

bool CSuperFrame::IsStatusBarShown() const
{
    return !m_pStatusBar->isHidden();
}

QString CSuperFrame::PaneText(int nId) const
{
    const CSuperView* view = View();
    if (!view || !view->IsTxPanelShown())
        return QString();
    switch (nId) {
    case 106: {
        int bound = 0, value = 0;
        view->GetImd(bound, value);
        if (value == -999)
            return QStringLiteral("IMD: Noise");
        if (value < 0)
            return QStringLiteral("IMD: %1%2dB").arg(bound ? QStringLiteral("< ") : QString()).arg(value);
        return QStringLiteral("IMD:");
    }
    case 166:
        switch (CurrentSettings().m_nTxSendChars) {
        case 1:
            return QStringLiteral("Send: Space");
        case 2:
            return QStringLiteral("Send: Linefeed");
        default:
            return QStringLiteral("Send: Immediate");
        }
    case 108:
        return view->IsTxLocked() ? QStringLiteral("Tx Lock: %1 Hz").arg(view->GetLockedFrequency())
                                  : QStringLiteral("Tx Lock: off");
    case 126:
        return QStringLiteral("Autostop");
    case 127: {
        CTxTextWindow* tx = const_cast<CSuperView*>(view)->GetTxWindow();
        return QStringLiteral("To send: %1").arg(tx ? tx->GetUnsentCount() : 0);
    }
    default:
        return QString();
    }
}

bool CSuperFrame::IsPaneEnabled(int nId) const
{
    if (nId != 126)
        return true;
    const CSuperView* view = View();
    return view && view->IsTxPanelShown() && view->IsAutoStop();
}

void CSuperFrame::UpdatePanes()
{
    for (int i = 1; i < m_panes.size(); ++i) {
        const QString text = PaneText(kPaneIds[i]);
        if (m_panes[i]->text() != text)
            m_panes[i]->setText(text);
        m_panes[i]->setEnabled(IsPaneEnabled(kPaneIds[i]));
    }
}

void CSuperFrame::closeEvent(QCloseEvent* event)
{
    event->ignore();
    TheApp().HideView(this);
    if (CSuperView* view = View())
        view->StopBrowser();
}

void CSuperFrame::changeEvent(QEvent* event)
{
    QMdiSubWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const bool active = (windowState() & Qt::WindowActive) != 0;
    if (active == m_bActive)
        return;
    m_bActive = active;
    if (CurrentSettings().m_bBrowserToolbarStates) {
        if (CMainFrame* frame = GetMainFrame()) {
            if (active)
                SendRegisteredMessage(frame, RegisteredMessage::nMsgBrowserActivate, 0, 1);
            else
                PostRegisteredMessage(frame, RegisteredMessage::nMsgBrowserActivate, 0, 0);
        }
    }
    if (active)
        if (CSuperView* view = View(); view && view->IsTxPanelShown())
            if (CMainFrame* frame = GetMainFrame())
                if (auto* tags = dynamic_cast<ITagsBar*>(frame->GetTagsBar()))
                    tags->SelectChannel(view->GetSelectedChannel() + 10);
}
